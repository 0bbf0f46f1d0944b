#pragma once
#include <cstdint>

#include "patch/TrackDefaultTable.h"

// Fills the host's track table from "Brevantix.ini" beside the plugin, every field its own buffer.
void InstallTrackTable();

// The installation's order, apart from where the texts come from and where they go: per slot, the four
// lookups, then the four writes, slot 1 to 26. `write(address, text)` stores the text's pointer; a
// text is whatever the reader's lookup returns.
template <class Reader, class Writer>
void InstallTracks(Reader& reader, Writer&& write) {
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot) {
        const TrackDefaults& row = TrackDefaultTable[slot - 1];
        decltype(reader.LookupText("", "", "")) texts[TrackFieldCount];
        for (std::size_t field = 0; field < TrackFieldCount; ++field)
            texts[field] = reader.LookupText(row.section, TrackKeys[field], row.texts[field]);
        for (std::size_t field = 0; field < TrackFieldCount; ++field) write(TrackFieldAddress(slot, field), texts[field]);
    }
}
