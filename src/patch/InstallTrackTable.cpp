#include "patch/InstallTrackTable.h"

#include "config/ConfigReader.h"
#include "patch/HostMemory.h"

// The host table's fields are 32-bit words: the plugin is built for the 32-bit host only.
static_assert(sizeof(HostAddress) == 4, "the host is a 32-bit process");

void InstallTrackTable() {
    ConfigReader reader("Brevantix.ini");
    InstallTracks(reader, [](HostAddress address, const char* text) {
        WriteHostWord(address, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text)));
    });
}
