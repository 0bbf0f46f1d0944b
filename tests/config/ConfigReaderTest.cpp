#include <gtest/gtest.h>

#include <memory>

#include "config/ConfigReader.h"
#include "config/TempFolder.h"

namespace {

// The reader hands its buffers to the caller; the tests release them.
std::string Take(char* buffer) {
    std::unique_ptr<char[]> owned(buffer);
    return buffer;
}

struct QuoteCase {
    std::string stored;
    std::string expected;  // "<default>" for the default text
};

void PrintTo(const QuoteCase& c, std::ostream* out) { *out << testing::PrintToString(c.stored); }

class LookupQuoteRules : public testing::TestWithParam<QuoteCase> {
protected:
    TempFolder folder;
};

TEST_P(LookupQuoteRules, TakesAtMostOneQuoteOffEachEnd) {
    TempFolder::Write("Brevantix.ini", "[Song1]\nTitle=" + GetParam().stored + "\n");
    ConfigReader reader("Brevantix.ini");
    std::string result = Take(reader.LookupText("Song1", "Title", "<default>"));
    EXPECT_EQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupQuoteRules,
    testing::Values(QuoteCase{"", "<default>"}, QuoteCase{"\"My Song\"", "My Song"}, QuoteCase{"'My Song'", "My Song"},
                    QuoteCase{"\"open", "open"}, QuoteCase{"close'", "close"}, QuoteCase{"\"mixed'", "mixed"},
                    QuoteCase{"'mixed\"", "mixed"}, QuoteCase{"\"", "<default>"}, QuoteCase{"'", "<default>"},
                    QuoteCase{"\"\"", ""}, QuoteCase{"''", ""}, QuoteCase{"\"\"twice\"\"", "\"twice\""},
                    QuoteCase{"in\"si'de", "in\"si'de"}, QuoteCase{"plain", "plain"}));

class ConfigReaderTest : public testing::Test {
protected:
    TempFolder folder;
};

TEST_F(ConfigReaderTest, OneQuoteValueGivesTheDefaultAndLeavesAnEmptiedValue) {
    TempFolder::Write("Brevantix.ini", "[Song1]\nTitle='\n");
    ConfigReader reader("Brevantix.ini");
    EXPECT_EQ(Take(reader.LookupText("Song1", "Title", "\"Stock\"")), "\"Stock\"");
    const auto& entries = reader.Store().Sections().at("Song1").Entries();
    EXPECT_EQ(entries.at("Title"), "");
    EXPECT_EQ(Take(reader.LookupText("Song1", "Title", "again")), "again");
}

TEST_F(ConfigReaderTest, RepeatedLookupsShortenTheStoredValueAgain) {
    TempFolder::Write("Brevantix.ini", "[Song1]\nTitle=\"\"Twice\"\"\n");
    ConfigReader reader("Brevantix.ini");
    EXPECT_EQ(Take(reader.LookupText("Song1", "Title", "d")), "\"Twice\"");
    EXPECT_EQ(Take(reader.LookupText("Song1", "Title", "d")), "Twice");
    EXPECT_EQ(Take(reader.LookupText("Song1", "Title", "d")), "Twice");  // no quote left to take
}

TEST_F(ConfigReaderTest, NamesMatchWithExactCaseOnly) {
    TempFolder::Write("Brevantix.ini", "[Song3]\nArtist=Someone\n");
    ConfigReader reader("Brevantix.ini");
    EXPECT_EQ(Take(reader.LookupText("song3", "Artist", "stock")), "stock");
    EXPECT_EQ(Take(reader.LookupText("Song3", "artist", "stock")), "stock");
    EXPECT_EQ(Take(reader.LookupText("Song3", "Artist", "stock")), "Someone");
    EXPECT_EQ(reader.Store().Sections().size(), 2u);  // the lookup of "song3" added an empty section
    EXPECT_TRUE(reader.Store().Sections().at("song3").Entries().empty());
}

TEST_F(ConfigReaderTest, WithoutAFileEveryLookupCopiesItsDefault) {
    ConfigReader reader("Brevantix.ini");
    char* first = reader.LookupText("Song1", "Title", "\"Quoted Stock\"");
    char* second = reader.LookupText("Song1", "Title", "\"Quoted Stock\"");
    EXPECT_NE(first, second);
    EXPECT_EQ(Take(first), "\"Quoted Stock\"");
    EXPECT_EQ(Take(second), "\"Quoted Stock\"");
    EXPECT_EQ(Take(reader.LookupText("Song5", "Album", "")), "");
}

TEST_F(ConfigReaderTest, TextsLongerThanTheBufferAreCutTo254Bytes) {
    const std::string longText(300, 'x');
    TempFolder::Write("Brevantix.ini", "[S]\nLong=\"" + longText + "\"\nFit=" + std::string(254, 'y') + "\n");
    ConfigReader reader("Brevantix.ini");
    EXPECT_EQ(Take(reader.LookupText("S", "Long", "d")), std::string(254, 'x'));
    EXPECT_EQ(Take(reader.LookupText("S", "Fit", "d")), std::string(254, 'y'));
    EXPECT_EQ(Take(reader.LookupText("S", "Missing", longText.c_str())), std::string(254, 'x'));
}

TEST_F(ConfigReaderTest, AValueIsCopiedUpToItsFirstNul) {
    TempFolder::Write("Brevantix.ini", std::string("[S]\nK=ab\0cd\n", 12));
    ConfigReader reader("Brevantix.ini");
    EXPECT_EQ(Take(reader.LookupText("S", "K", "d")), "ab");
}

}  // namespace
