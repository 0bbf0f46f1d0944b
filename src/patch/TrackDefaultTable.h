#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The host's track table: 26 records of four text pointers, slot 1 first.
constexpr std::size_t TrackSlotCount = 26;
constexpr std::size_t TrackFieldCount = 4;
constexpr std::uintptr_t HostTrackTable = 0x6F4D08;

// The settings keys of a slot's fields, in the order of the host's record.
constexpr std::array<const char*, TrackFieldCount> TrackKeys = {"Title", "Artist", "Album", "PlayIn"};

struct TrackDefaults {
    const char* section;
    std::array<const char*, TrackFieldCount> texts;
};

// The host build's stock texts, slot 1 first; titles carry their double quotes.
extern const std::array<TrackDefaults, TrackSlotCount> TrackDefaultTable;

// Host address of field `field` (0 to 3) of slot `slot` (1 to 26).
constexpr std::uintptr_t TrackFieldAddress(std::size_t slot, std::size_t field) {
    return HostTrackTable + 0x10 * (slot - 1) + 4 * field;
}
