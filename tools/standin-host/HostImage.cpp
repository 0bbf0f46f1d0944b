#include "HostImage.h"

#include <cstdint>

#include "patch/TrackDefaultTable.h"

namespace {

// The game's image reaches past its track table; this static area makes ours do the same.
unsigned char HostImageArea[0x300000];

bool RecordEntryPoint(DWORD entryPoint) {
    auto* image = reinterpret_cast<unsigned char*>(GetModuleHandleA(nullptr));
    auto* field = reinterpret_cast<DWORD*>(image + *reinterpret_cast<DWORD*>(image + 0x3C) + 0x28);
    DWORD previous;
    if (!VirtualProtect(field, sizeof *field, PAGE_READWRITE, &previous)) return false;
    *field = entryPoint;
    VirtualProtect(field, sizeof *field, previous, &previous);
    return true;
}

}  // namespace

bool PrepareHostImage(DWORD entryPoint, DWORD protect, const char** failure) {
    auto areaStart = reinterpret_cast<std::uintptr_t>(HostImageArea);
    if (HostTrackTable < areaStart ||
        TrackFieldAddress(TrackSlotCount, TrackFieldCount) > areaStart + sizeof HostImageArea) {
        *failure = "the track table is not inside the host image";
        return false;
    }
    if (!RecordEntryPoint(entryPoint)) {
        *failure = "cannot record the entry point in the PE header";
        return false;
    }
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field)
            *reinterpret_cast<const char**>(TrackFieldAddress(slot, field)) = TrackDefaultTable[slot - 1].texts[field];
    DWORD ignored;
    if (!VirtualProtect(reinterpret_cast<void*>(HostTrackTable), 4, protect, &ignored)) {
        *failure = "cannot protect the track table's page";
        return false;
    }
    return true;
}
