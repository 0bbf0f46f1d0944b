#include "patch/InstallTrackTable.h"

#include "config/ConfigReader.h"
#include "patch/HostMemory.h"

void InstallTrackTable() {
    ConfigReader reader("Brevantix.ini");
    InstallTracks(reader, [](HostAddress address, const char* text) {
        WriteHostWord(address, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text)));
    });
}
