#pragma once
#include <cstdint>

// An absolute address in the host process, used unchanged. On the 32-bit host it is a 32-bit word.
using HostAddress = std::uintptr_t;

// The page-protection calls the writer needs, kept apart so the writer's logic is tested natively
// with a stand-in for what Wine cannot make happen (a grant that fails).
bool GrantWriteAccess(HostAddress address, std::uint32_t size, std::uint32_t* previousProtection);
void RestoreProtection(HostAddress address, std::uint32_t size, std::uint32_t previousProtection);
// Whether the page holding `address` is committed and writable as it stands.
bool IsWritableNow(HostAddress address);

// Makes a range of host memory writable for its own lifetime; restores the earlier protection only
// if the grant succeeded.
class WriteAccessScope {
public:
    WriteAccessScope(HostAddress address, std::uint32_t size)
        : address(address), size(size), granted(GrantWriteAccess(address, size, &previousProtection)) {}
    ~WriteAccessScope() {
        if (granted) RestoreProtection(address, size, previousProtection);
    }
    WriteAccessScope(const WriteAccessScope&) = delete;
    WriteAccessScope& operator=(const WriteAccessScope&) = delete;

    bool Granted() const { return granted; }

private:
    HostAddress address;
    std::uint32_t size;
    std::uint32_t previousProtection = 0;
    bool granted;
};

// Stores one 32-bit word into host memory whatever the page's protection. Where the grant fails the
// store happens only on a page that is writable anyway, so an unmapped address never crashes the host.
void WriteHostWord(HostAddress address, std::uint32_t value);
