// The writer's logic over a stand-in for the page-protection calls, for what Wine cannot make happen:
// a grant that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patch/HostMemory.h"

namespace {

struct FakePages {
    bool grantSucceeds = true;
    bool writable = false;
    std::uint32_t protection = 0x02;  // readonly
    std::vector<std::string> calls;
} Pages;

}  // namespace

bool GrantWriteAccess(HostAddress, std::uint32_t size, std::uint32_t* previousProtection) {
    Pages.calls.push_back("grant " + std::to_string(size));
    *previousProtection = Pages.protection;
    if (Pages.grantSucceeds) Pages.protection = 0x40;
    return Pages.grantSucceeds;
}

void RestoreProtection(HostAddress, std::uint32_t size, std::uint32_t previousProtection) {
    Pages.calls.push_back("restore " + std::to_string(size) + " " + std::to_string(previousProtection));
    Pages.protection = previousProtection;
}

bool IsWritableNow(HostAddress) {
    Pages.calls.push_back("query");
    return Pages.writable;
}

namespace {

class WriteHostWordTest : public testing::Test {
protected:
    void SetUp() override { Pages = FakePages(); }
    HostAddress Address() { return reinterpret_cast<HostAddress>(&word); }
    std::uint32_t word = 0xDEADBEEF;
};

TEST_F(WriteHostWordTest, GrantsStoresAndRestoresTheEarlierProtection) {
    WriteHostWord(Address(), 0x12345678);
    EXPECT_EQ(word, 0x12345678u);
    EXPECT_EQ(Pages.calls, (std::vector<std::string>{"grant 4", "restore 4 2"}));
    EXPECT_EQ(Pages.protection, 0x02u);
}

TEST_F(WriteHostWordTest, AFailedGrantOnAWritablePageStillStoresAndRestoresNothing) {
    Pages.grantSucceeds = false;
    Pages.writable = true;
    WriteHostWord(Address(), 7);
    EXPECT_EQ(word, 7u);
    EXPECT_EQ(Pages.calls, (std::vector<std::string>{"grant 4", "query"}));
}

TEST_F(WriteHostWordTest, AFailedGrantOnAPageThatIsNotWritableSkipsTheStore) {
    Pages.grantSucceeds = false;
    WriteHostWord(Address(), 7);
    EXPECT_EQ(word, 0xDEADBEEFu);
    EXPECT_EQ(Pages.calls, (std::vector<std::string>{"grant 4", "query"}));
}

TEST_F(WriteHostWordTest, TheSecondOfTwoStoresWins) {
    WriteHostWord(Address(), 1);
    WriteHostWord(Address(), 2);
    EXPECT_EQ(word, 2u);
}

}  // namespace
