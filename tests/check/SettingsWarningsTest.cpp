#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SettingsWarnings.h"
#include "config/ConfigFile.h"

namespace {

using Found = std::vector<std::pair<std::size_t, WarningKind>>;

Found LinesAndKinds(const std::string& bytes) {
    Found found;
    for (const SettingsWarning& warning : FindSettingsWarnings(bytes)) found.emplace_back(warning.line, warning.kind);
    return found;
}

// One of each mistake, a line apiece, in a file as an editor writes it (byte-order mark, CR LF).
const std::string Mistakes =
    "\xEF\xBB\xBF; every mistake once\r\n"                // 1
    "[song3]\r\n"                                        // 2 section-case
    "Title = not read either\r\n"                        // 3 (nothing more: the section was warned of)
    "[Song3] old name\r\n"                               // 4 header-with-text
    "[Song1]\r\n"                                        // 5
    "title = lower case\r\n"                             // 6 key-case
    "Composer = Someone\r\n"                             // 7 key-not-read
    "Title = \"Rock; Roll\"\r\n"                         // 8 comment-in-quotes
    "Artist = '\r\n"                                     // 9 one-quote-value
    "Album = \"Open\r\n"                                 // 10 quote-at-one-end
    "PlayIn =\r\n"                                       // 11 empty-value
    "[Song2]\r\n"                                        // 12
    "Title = First\r\n"                                  // 13
    "Title = Second\r\n"                                 // 14 duplicate-key
    "Artist = " + std::string(255, 'x') + "\r\n" +       // 15 value-too-long
    "Album = a\xEF\xBB\xBF" "b\r\n"                      // 16 mark-inside
    "[Options]\r\n"                                      // 17
    "PlayIn = XX\r\n"                                    // 18 key-outside-tracks
    "\x1A" "hidden\r\n";                                 // 19 text-ends-early

TEST(SettingsWarnings, EachMistakeOnceOnItsLine) {
    Found expected = {
        {2, WarningKind::SectionCase},     {4, WarningKind::HeaderWithText},  {6, WarningKind::KeyCase},
        {7, WarningKind::KeyNotRead},      {8, WarningKind::CommentInQuotes}, {9, WarningKind::OneQuoteValue},
        {10, WarningKind::QuoteAtOneEnd},  {11, WarningKind::EmptyValue},     {14, WarningKind::DuplicateKey},
        {15, WarningKind::ValueTooLong},   {16, WarningKind::MarkInside},     {18, WarningKind::TrackKeyOutside},
        {19, WarningKind::TextEndsEarly},
    };
    EXPECT_EQ(LinesAndKinds(Mistakes), expected);
}

TEST(SettingsWarnings, ShowTheLineAsWrittenAndWhatWasLost) {
    std::vector<SettingsWarning> warnings = FindSettingsWarnings(Mistakes);
    ASSERT_EQ(warnings.size(), 13u);
    EXPECT_EQ(warnings[1].lineText, "[Song3] old name");
    EXPECT_EQ(warnings[4].lineText, "Title = \"Rock; Roll\"");
    EXPECT_NE(warnings[4].message.find("cut to \"Rock"), std::string::npos) << warnings[4].message;
    EXPECT_NE(warnings[8].message.find("line 13"), std::string::npos) << warnings[8].message;
    EXPECT_NE(warnings[9].message.find("255 bytes"), std::string::npos) << warnings[9].message;
    EXPECT_NE(warnings[12].message.find("the 8 bytes after it"), std::string::npos) << warnings[12].message;
}

// What the rules read just as written gets no warning.
TEST(SettingsWarnings, NoneForWhatIsPlainlyFine) {
    const std::string fine =
        "\xEF\xBB\xBF\xEF\xBB\xBF; notes\r\n"
        "[Options]\r\nVolume = 3\r\n"
        "[ Song1 ] ; the track of the title screen\r\n"
        "Title = \"Rock and Roll\" ; quotes closed before the comment\r\n"
        "Artist = 'Mixed \"quotes\"'\r\n"
        "Album = \"\"\r\n"
        "[Song5]\r\nAlbum =\r\n"  // its default is the empty text
        "PlayIn = XY // note\r\n"
        "[Song2]\r\nTitle=" + std::string(254, 'x') + "\r\n"
        "Artist = \"" + std::string(254, 'y') + "\"\r\n"
        "\r\n\x1A";
    EXPECT_EQ(LinesAndKinds(fine), Found{});
}

TEST(SettingsWarnings, NoneForTheShippedSample) {
    ConfigFileBytes sample = ReadConfigFileBytes(BREVANTIX_SAMPLE_INI);
    ASSERT_TRUE(sample.complete);
    EXPECT_EQ(LinesAndKinds(sample.bytes), Found{});
}

TEST(SettingsWarnings, DuplicatesCountAcrossTwoHeadersOfOneSection) {
    Found expected = {{5, WarningKind::DuplicateKey}};
    EXPECT_EQ(LinesAndKinds("[Song4]\nArtist=A\n[Song5]\n[Song4]\nArtist=B\n"), expected);
}

}  // namespace
