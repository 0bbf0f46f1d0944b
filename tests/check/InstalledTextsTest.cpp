#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "InstalledTexts.h"
#include "config/ConfigReader.h"
#include "config/TempFolder.h"

namespace {

// What the plugin's reader gives for every field with the real defaults, to hold the checker's
// table against.
void ExpectSameAsReader(const InstalledTable& table) {
    ConfigReader reader("Brevantix.ini");
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            const TrackDefaults& row = TrackDefaultTable[slot - 1];
            std::unique_ptr<char[]> text(reader.LookupText(row.section, TrackKeys[field], row.texts[field]));
            EXPECT_EQ(table[slot - 1][field].text, text.get()) << row.section << " " << TrackKeys[field];
        }
}

// The sample spells out every default; its empty albums give way to the defaults, empty as well.
TEST(InstalledTexts, ShippedSampleGivesEveryDefault) {
    InstalledTable table = ComputeInstalledTexts(BREVANTIX_SAMPLE_INI);
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            const char* defaultText = TrackDefaultTable[slot - 1].texts[field];
            EXPECT_EQ(table[slot - 1][field].text, defaultText);
            EXPECT_EQ(table[slot - 1][field].configured, *defaultText != '\0') << slot << " " << field;
        }
}

TEST(InstalledTexts, MarksConfiguredFieldsAndMatchesTheReader) {
    TempFolder folder;
    TempFolder::Write("Brevantix.ini",
                      "[Song1]\nTitle=\"My Song\"\nArtist=\"\nAlbum=\"\"\nPlayIn=\n"
                      "[song2]\nTitle=wrong case\n[Song26]\nPlayIn=XY ; note\nTitle=" + std::string(300, 'z') + "\n");
    InstalledTable table = ComputeInstalledTexts("Brevantix.ini");
    ExpectSameAsReader(table);

    struct Case { std::size_t slot, field; bool configured; };
    for (Case c : {Case{1, 0, true}, Case{1, 1, false}, Case{1, 2, true}, Case{1, 3, false}, Case{2, 0, false},
                   Case{26, 0, true}, Case{26, 3, true}, Case{26, 1, false}})
        EXPECT_EQ(table[c.slot - 1][c.field].configured, c.configured) << c.slot << " " << c.field;
    EXPECT_EQ(table[0][0].text, "My Song");
    EXPECT_EQ(table[0][2].text, "");
    EXPECT_EQ(table[25][0].text, std::string(254, 'z'));
}

TEST(InstalledTexts, MissingFileGivesEveryDefault) {
    TempFolder folder;
    InstalledTable table = ComputeInstalledTexts("Brevantix.ini");
    ExpectSameAsReader(table);
    for (const auto& slot : table)
        for (const InstalledText& text : slot) EXPECT_FALSE(text.configured);
}

}  // namespace
