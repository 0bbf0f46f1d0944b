#include <gtest/gtest.h>

#include "config/TrimText.h"

namespace {

struct TrimCase {
    std::string text;
    bool left, right;
    std::string expected;
};

const std::string Bom = "\xEF\xBB\xBF";

void PrintTo(const TrimCase& c, std::ostream* out) { *out << testing::PrintToString(c.text); }

class TrimTextCases : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTextCases, CleansInPlace) {
    std::string text = GetParam().text;
    std::string& result = TrimText(text, GetParam().left, GetParam().right);
    EXPECT_EQ(&result, &text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimTextCases,
    testing::Values(TrimCase{"", true, true, ""}, TrimCase{"", false, false, ""},
                    TrimCase{Bom, false, false, ""},                         // a mark goes whatever the flags
                    TrimCase{Bom + Bom + "a", false, false, "a"},            // marks are removed repeatedly
                    TrimCase{"\xEF\xBB", true, true, "\xEF\xBB"},            // too short to be a mark
                    TrimCase{" " + Bom + "a", true, false, Bom + "a"},       // no second look after a space
                    TrimCase{"a" + Bom, true, true, "a" + Bom},              // only at the start
                    TrimCase{"  word  ", true, false, "word  "}, TrimCase{"  word  ", false, true, "  word"},
                    TrimCase{"  word  ", true, true, "word"}, TrimCase{"  word  ", false, false, "  word  "},
                    TrimCase{"\t\n\v\f\r ", true, false, ""}, TrimCase{"\t\n\v\f\r ", false, true, ""},
                    TrimCase{std::string("\0a\0", 3), true, true, std::string("\0a\0", 3)},  // NUL is no space
                    TrimCase{"\x85" "a\xA0", true, true, "\x85" "a\xA0"},
                    TrimCase{"\xFF x \x80", true, true, "\xFF x \x80"}));

}  // namespace
