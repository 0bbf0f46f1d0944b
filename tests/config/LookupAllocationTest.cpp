// Runs out of memory inside a lookup on purpose: this test program replaces operator new with one that
// can be told to fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>
#include <new>

#include "config/ConfigReader.h"
#include "config/TempFolder.h"
#include "patch/InstallTrackTable.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The buffers of a slot whose lookups were cut short are never handed to anyone; the host keeps every
// buffer for the life of the process anyway, so the leak checker is told to ignore them.
#define IGNORE_LEAKS_HERE __lsan::ScopedDisabler ignoreLeaks
#else
#define IGNORE_LEAKS_HERE
#endif

namespace {
// Allocations still allowed before every further one fails; negative while failing is off.
long AllocationsLeft = -1;
}  // namespace

void* operator new(std::size_t size) {
    if (AllocationsLeft == 0) throw std::bad_alloc();
    if (AllocationsLeft > 0) --AllocationsLeft;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

class OutOfMemory {
public:
    explicit OutOfMemory(long allowed) { AllocationsLeft = allowed; }
    ~OutOfMemory() { AllocationsLeft = -1; }
};

TEST(LookupTextOutOfMemory, AFailureInsideTheLookupGivesTheDefault) {
    TempFolder folder;
    ConfigReader reader("Brevantix.ini");
    // A section name too long for the small-string buffer needs memory of its own.
    const std::string section(100, 's');
    char* result;
    {
        OutOfMemory failAfterTheBuffer(1);
        result = reader.LookupText(section.c_str(), "Title", "\"Stock\"");
    }
    std::unique_ptr<char[]> owned(result);
    EXPECT_STREQ(result, "\"Stock\"");
}

TEST(LookupTextOutOfMemory, TheBufferItselfFailingPassesToTheCaller) {
    TempFolder folder;
    ConfigReader reader("Brevantix.ini");
    OutOfMemory failNow(0);
    EXPECT_THROW(reader.LookupText("Song1", "Title", "\"Stock\""), std::bad_alloc);
}

// Memory running out part way through the installation: the slots finished before it keep their
// words, none of the slot in progress is written, and the failure passes on to the caller.
TEST(InstallTracksOutOfMemory, FinishedSlotsStayWrittenAndTheFailurePassesOn) {
    TempFolder folder;
    ConfigReader reader("Brevantix.ini");
    std::vector<std::uintptr_t> written;
    written.reserve(TrackSlotCount * TrackFieldCount);
    std::vector<std::unique_ptr<const char[]>> buffers;
    buffers.reserve(TrackSlotCount * TrackFieldCount);
    auto write = [&](std::uintptr_t address, const char* text) {
        written.push_back(address);
        buffers.emplace_back(text);
    };
    {
        // Each lookup of a missing entry needs its buffer and one new section node per slot; leave
        // room for two whole slots and part of the third.
        IGNORE_LEAKS_HERE;
        OutOfMemory failPartWay(2 * 5 + 2);
        EXPECT_THROW(InstallTracks(reader, write), std::bad_alloc);
    }
    ASSERT_EQ(written.size() % TrackFieldCount, 0u);
    ASSERT_GE(written.size(), TrackFieldCount);
    ASSERT_LT(written.size(), TrackSlotCount * TrackFieldCount);
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(written[i], TrackFieldAddress(i / TrackFieldCount + 1, i % TrackFieldCount));
}

TEST(ConfigReaderOutOfMemory, AFailureWhileReadingTheFilePassesToTheCreator) {
    TempFolder folder;
    TempFolder::Write("Brevantix.ini", "[Song1]\nTitle = \"" + std::string(100, 'x') + "\"\n");
    OutOfMemory failNow(0);
    EXPECT_THROW(ConfigReader reader("Brevantix.ini"), std::bad_alloc);
}

}  // namespace
