#include <windows.h>

#include "patch/HostMemory.h"

bool GrantWriteAccess(HostAddress address, std::uint32_t size, std::uint32_t* previousProtection) {
    DWORD previous = 0;
    BOOL granted = VirtualProtect(reinterpret_cast<LPVOID>(address), size, PAGE_EXECUTE_READWRITE, &previous);
    *previousProtection = previous;
    return granted != FALSE;
}

void RestoreProtection(HostAddress address, std::uint32_t size, std::uint32_t previousProtection) {
    DWORD ignored = 0;
    VirtualProtect(reinterpret_cast<LPVOID>(address), size, previousProtection, &ignored);
}

bool IsWritableNow(HostAddress address) {
    MEMORY_BASIC_INFORMATION page = {};
    if (VirtualQuery(reinterpret_cast<LPCVOID>(address), &page, sizeof page) != sizeof page) return false;
    const DWORD writable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return page.State == MEM_COMMIT && (page.Protect & writable) && !(page.Protect & PAGE_GUARD);
}
