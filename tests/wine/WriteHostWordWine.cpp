// The host memory writer on real pages under Wine: every protection the game's image may give the
// track table's page, two stores to one word, and addresses where no store can go.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <cstdio>

#include "WineCheck.h"
#include "patch/HostMemory.h"

namespace {

std::string AtProtection(DWORD protection) {
    char text[32];
    std::snprintf(text, sizeof text, " (protection 0x%lx)", protection);
    return text;
}

DWORD ProtectionOf(const void* address) {
    MEMORY_BASIC_INFORMATION page = {};
    VirtualQuery(address, &page, sizeof page);
    return page.Protect;
}

void StoresIntoAPageWith(DWORD protection) {
    auto* page = static_cast<std::uint32_t*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    DWORD previous;
    VirtualProtect(page, 4096, protection, &previous);
    std::uint32_t* word = page + 0x123;
    WriteHostWord(reinterpret_cast<HostAddress>(word), 0xCAFEF00D);
    Check(*word == 0xCAFEF00D, "the word holds the value" + AtProtection(protection));
    Check(ProtectionOf(word) == protection, "the page has its earlier protection again" + AtProtection(protection));
    WriteHostWord(reinterpret_cast<HostAddress>(word), 0x11111111);
    WriteHostWord(reinterpret_cast<HostAddress>(word), 0x22222222);
    Check(*word == 0x22222222, "the second of two stores wins" + AtProtection(protection));
    VirtualFree(page, 0, MEM_RELEASE);
}

DWORD StateOf(const void* address) {
    MEMORY_BASIC_INFORMATION page = {};
    VirtualQuery(address, &page, sizeof page);
    return page.State;
}

void SkipsAddressesWithNoWritablePage() {
    // Reserved but never committed, and released: the grant fails, and the store must neither happen
    // nor change the page. Reaching the checks at all means the process survived.
    void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    WriteHostWord(reinterpret_cast<HostAddress>(reserved) + 8, 1);
    Check(StateOf(reserved) == MEM_RESERVE, "a reserved page stays reserved, untouched");
    void* released = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    VirtualFree(released, 0, MEM_RELEASE);
    WriteHostWord(reinterpret_cast<HostAddress>(released) + 8, 1);
    Check(StateOf(released) == MEM_FREE, "a released page stays free, untouched");
    VirtualFree(reserved, 0, MEM_RELEASE);
}

}  // namespace

int main() {
    for (DWORD protection : {PAGE_READONLY, PAGE_EXECUTE_READ, PAGE_READWRITE, PAGE_EXECUTE_READWRITE})
        StoresIntoAPageWith(protection);
    SkipsAddressesWithNoWritablePage();
    return CheckResult();
}
