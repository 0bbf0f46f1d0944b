#pragma once
#include <array>
#include <string>

#include "patch/TrackDefaultTable.h"

struct InstalledText {
    std::string text;
    bool configured = false;  // false where the plugin falls back to the game's own text
};

// slot 1 to 26, then Title, Artist, Album, PlayIn
using InstalledTable = std::array<std::array<InstalledText, TrackFieldCount>, TrackSlotCount>;

// What the plugin would put into the host's track table from the settings file at `path`: the
// plugin's own reader, default table and order of lookups.
InstalledTable ComputeInstalledTexts(const char* path);
