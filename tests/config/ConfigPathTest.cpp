#include <gtest/gtest.h>

#include "config/ConfigPath.h"

namespace {

struct PathCase {
    std::string modulePath, expected;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << testing::PrintToString(c.modulePath); }

class ConfigPathBesideCases : public testing::TestWithParam<PathCase> {};

TEST_P(ConfigPathBesideCases, KeepsTheFolderUpToTheLastBackslash) {
    EXPECT_EQ(ConfigPathBeside(GetParam().modulePath, "Brevantix.ini"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigPathBesideCases,
    testing::Values(PathCase{"C:\\Games\\Tarvok\\scripts\\Brevantix.asi", "C:\\Games\\Tarvok\\scripts\\Brevantix.ini"},
                    PathCase{"C:\\My.Games\\v1.4\\plugin.asi", "C:\\My.Games\\v1.4\\Brevantix.ini"},
                    PathCase{"C:\\a/b\\c/d.asi", "C:\\a/b\\Brevantix.ini"},  // a forward slash is an ordinary byte
                    PathCase{"plugin.asi", "Brevantix.ini"},                // no folder: the name alone
                    PathCase{"", "Brevantix.ini"},
                    PathCase{"C:\\", "C:\\Brevantix.ini"}));

}  // namespace
