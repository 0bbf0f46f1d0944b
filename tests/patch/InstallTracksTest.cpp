#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigReader.h"
#include "patch/InstallTrackTable.h"

namespace {

// Records every lookup and write in one list, so the test sees their interleaving.
struct Recorder {
    std::vector<std::string> events;
    std::vector<std::string> texts;

    const char* LookupText(const char* section, const char* key, const char* defaultText) {
        events.push_back(std::string("lookup ") + section + " " + key + " " + defaultText);
        texts.push_back(std::string(section) + "." + key);
        return texts.back().c_str();
    }
};

std::string Hex(std::uintptr_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%lx", static_cast<unsigned long>(value));
    return text;
}

TEST(InstallTracks, LooksUpFourTextsThenWritesThemSlotBySlot) {
    Recorder recorder;
    recorder.texts.reserve(TrackSlotCount * TrackFieldCount);  // keeps the returned pointers valid
    InstallTracks(recorder, [&](std::uintptr_t address, const char* text) {
        recorder.events.push_back("write " + Hex(address) + " " + text);
    });

    std::vector<std::string> expected;
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot) {
        const TrackDefaults& row = TrackDefaultTable[slot - 1];
        for (std::size_t field = 0; field < TrackFieldCount; ++field)
            expected.push_back(std::string("lookup ") + row.section + " " + TrackKeys[field] + " " + row.texts[field]);
        for (std::size_t field = 0; field < TrackFieldCount; ++field)
            expected.push_back("write " + Hex(0x6F4D08 + 0x10 * (slot - 1) + 4 * field) + " " + row.section + "." +
                               TrackKeys[field]);
    }
    EXPECT_EQ(recorder.events, expected);
}

}  // namespace

namespace {

// The settings file players receive, unchanged, gives exactly the host's own texts.
TEST(InstallTracks, TheShippedSampleGivesEveryDefault) {
    ConfigReader reader(BREVANTIX_SAMPLE_INI);
    ASSERT_EQ(reader.Store().Sections().size(), TrackSlotCount);
    std::vector<std::string> installed;
    std::vector<std::unique_ptr<const char[]>> buffers;
    InstallTracks(reader, [&](std::uintptr_t, const char* text) {
        buffers.emplace_back(text);
        installed.push_back(text);
    });
    std::vector<std::string> defaults;
    for (const TrackDefaults& row : TrackDefaultTable)
        for (const char* text : row.texts) defaults.push_back(text);
    EXPECT_EQ(installed, defaults);
}

}  // namespace
