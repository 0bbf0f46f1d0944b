#include <gtest/gtest.h>

#include <map>
#include <string>

#include "patch/TrackDefaultTable.h"

namespace {

enum Field { Title, Artist, Album, PlayIn };

std::string Default(std::size_t slot, Field field) { return TrackDefaultTable[slot - 1].texts[field]; }

TEST(TrackDefaultTable, SectionsAreSong1ToSong26) {
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        EXPECT_EQ(TrackDefaultTable[slot - 1].section, "Song" + std::to_string(slot));
}

TEST(TrackDefaultTable, TitlesAreQuotedAndPlayInCodesFollowTheSlot) {
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot) {
        std::string title = Default(slot, Title);
        ASSERT_GE(title.size(), 3u) << slot;
        EXPECT_EQ(title.front(), '"') << slot;
        EXPECT_EQ(title.back(), '"') << slot;
        EXPECT_EQ(title.find('"', 1), title.size() - 1) << slot;
        EXPECT_EQ(Default(slot, PlayIn), slot <= 19 ? "IG" : "FE") << slot;
    }
}

TEST(TrackDefaultTable, SharedAndEmptyTextsAreExactlyTheHostsOwn) {
    EXPECT_EQ(Default(5, Album), "");
    EXPECT_EQ(Default(24, Album), "");
    EXPECT_EQ(Default(7, Album), Default(7, Artist));
    EXPECT_EQ(Default(17, Artist), Default(1, Artist));
    EXPECT_EQ(Default(17, Album), Default(1, Album));
    EXPECT_EQ(Default(23, Album), Default(21, Album));
    EXPECT_EQ(Default(25, Album), Default(21, Album));

    // Apart from those, every title, artist and album is a non-empty text no other default has.
    std::map<std::string, int> uses;
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (Field field : {Title, Artist, Album}) ++uses[Default(slot, field)];
    const std::map<std::string, int> shared = {
        {"", 2}, {Default(7, Artist), 2}, {Default(1, Artist), 2}, {Default(1, Album), 2}, {Default(21, Album), 3}};
    for (const auto& [text, count] : uses) {
        auto expected = shared.find(text);
        EXPECT_EQ(count, expected == shared.end() ? 1 : expected->second) << text;
    }
}

TEST(TrackDefaultTable, NoDefaultIsLongerThan31Bytes) {
    for (const TrackDefaults& row : TrackDefaultTable)
        for (const char* text : row.texts) EXPECT_LE(std::string(text).size(), 31u) << text;
}

TEST(TrackDefaultTable, FieldAddressesFollowTheHostsRecords) {
    EXPECT_EQ(TrackFieldAddress(1, 0), 0x6F4D08u);
    EXPECT_EQ(TrackFieldAddress(3, 0), 0x6F4D28u);
    EXPECT_EQ(TrackFieldAddress(17, 1), 0x6F4E0Cu);
    EXPECT_EQ(TrackFieldAddress(26, 3), 0x6F4EA4u);
}

}  // namespace
