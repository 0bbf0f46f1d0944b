#include <gtest/gtest.h>

#include "config/ConfigFile.h"
#include "config/StoreDump.h"

namespace {

std::string TextMode(std::string bytes) {
    ApplyTextMode(bytes);
    return bytes;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::string store;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << c.name; }

class ParseConfigTextCases : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseConfigTextCases, GivesTheStore) {
    ConfigStore store;
    EXPECT_TRUE(ParseConfigText(TextMode(GetParam().text), store));
    EXPECT_EQ(DumpStore(store), GetParam().store);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseConfigTextCases,
    testing::Values(
        ParseCase{"OneEmptyLine", "\n", ""},
        ParseCase{"LastLineWithoutLineFeed", "[Song1]\nTitle = \"A\"", "[Song1]\nTitle=\"A\"\n"},
        ParseCase{"HeadersAndDefaultSection",
                  "Loose=1\n[Song2]\nArtist=B\n[]\nOther=2\n[ \t ]\nThird=3\n",
                  "[]\nLoose=1\nOther=2\nThird=3\n[Song2]\nArtist=B\n"},
        ParseCase{"HeaderFirstHasNoDefaultSection", "[Song1]\nA=1\n", "[Song1]\nA=1\n"},
        ParseCase{"DuplicatesKeepTheFirst",
                  "[Song1]\nTitle=first\nTitle=second\n[Song2]\nX=1\n[Song1]\nTitle=third\nAlbum=C\n",
                  "[Song1]\nAlbum=C\nTitle=first\n[Song2]\nX=1\n"},
        ParseCase{"CaseMatters", "[song1]\ntitle=a\n[Song1]\nTitle=b\n", "[Song1]\nTitle=b\n[song1]\ntitle=a\n"},
        ParseCase{"Comments",
                  "; whole line\n[Song1] ; note\nA = x ; y\nB = one // two // three\nC = http://host\n"
                  "D=a\t//b\n//E=1\n   //F=2\n#G=3\n",
                  "[Song1]\n#G=3\n//E=1\nA=x\nB=one // two\nC=http://host\nD=a\\x09//b\n"},
        ParseCase{"QuotesDoNotProtectComments", "[Song1]\nTitle=\"a;b\"\nArtist=\"c // d\"\n",
                  "[Song1]\nArtist=\"c\nTitle=\"a\n"},
        ParseCase{"HeaderWithTrailingText", "[Song1] //note\n[Song2]x\n[Song3]//x\n[So;ng4]\n",
                  "[Song1]\n[So=\n[Song2]x=\n[Song3]//x=\n"},
        ParseCase{"SingleBracketIsNoHeader", "[\n", "[]\n[=\n"},
        ParseCase{"EqualsSigns", "[S]\nnoequals\nend=\n=start\ntwo = a = b\n  spaced key \t=\t spaced value  \n",
                  "[S]\n=start\nend=\nnoequals=\nspaced key=spaced value\ntwo=a = b\n"},
        ParseCase{"TextModeBytes", "[Song1]\r\nA=x\r\nB=y\rz\r\nC=w\x1A\n[Song2]\nD=hidden\n",
                  "[Song1]\nA=x\nB=y\\x0Dz\nC=w\n"},
        ParseCase{"ByteOrderMarks",
                  "\xEF\xBB\xBF[Song1]\n  \xEF\xBB\xBFnokey\n  \xEF\xBB\xBFkey=v\nA=\xEF\xBB\xBFv\nB= \xEF\xBB\xBFv\n",
                  "[Song1]\nA=v\nB=\\xEF\\xBB\\xBFv\nkey=v\n\\xEF\\xBB\\xBFnokey=\n"},
        ParseCase{"NulIsAnOrdinaryByte", std::string("[S]\nA=x\0y\nB=z\n", 14), "[S]\nA=x\\x00y\nB=z\n"}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(ParseConfigText, EmptyTextLeavesTheStoreUntouched) {
    ConfigStore store;
    store.FindOrAddSection("Kept");
    EXPECT_FALSE(ParseConfigText("", store));
    EXPECT_FALSE(ParseConfigText(TextMode("\x1A[Song1]\nA=1\n"), store));
    EXPECT_EQ(DumpStore(store), "[Kept]\n");
}

TEST(ApplyTextMode, ClosesCrLfPairsOnlyAndEndsAt0x1A) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},           {"a\r\nb", "a\nb"},     {"\r\n\r\n", "\n\n"},   {"\r\r\n", "\r\n"},
        {"a\r", "a\r"},     {"\r", "\r"},           {"a\rb\n\r", "a\rb\n\r"}, {"x\r\n\x1Ay\r\n", "x\n"},
        {"\x1A", ""},       {"a\r\x1A\nb", "a\r"}, {"\r\n", "\n"}};
    for (const auto& [bytes, text] : cases) EXPECT_EQ(TextMode(bytes), text) << testing::PrintToString(bytes);
}

TEST(ParseConfigText, CrLfReadsLikeLf) {
    ConfigStore lf, crlf;
    ParseConfigText(TextMode("[Song1]\nTitle = \"A\"\nArtist=B\n"), lf);
    ParseConfigText(TextMode("[Song1]\r\nTitle = \"A\"\r\nArtist=B\r\n"), crlf);
    EXPECT_EQ(DumpStore(lf), DumpStore(crlf));
}

TEST(LoadConfigFile, MissingFileIsFalseAndLeavesTheStoreEmpty) {
    ConfigStore store;
    EXPECT_FALSE(LoadConfigFile("no-such-folder/Brevantix.ini", store));
    EXPECT_TRUE(store.Sections().empty());
}

TEST(LoadConfigFile, AFolderInPlaceOfTheFileGivesNothing) {
    ConfigStore store;
    EXPECT_FALSE(LoadConfigFile(".", store));
    EXPECT_TRUE(store.Sections().empty());
}

}  // namespace
