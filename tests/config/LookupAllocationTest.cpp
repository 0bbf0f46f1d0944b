// Runs out of memory inside a lookup on purpose: this test program replaces operator new with one that
// can be told to fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "config/ConfigReader.h"
#include "config/TempFolder.h"

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

}  // namespace
