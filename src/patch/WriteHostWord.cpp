#include "patch/HostMemory.h"

void WriteHostWord(HostAddress address, std::uint32_t value) {
    WriteAccessScope scope(address, sizeof value);
    if (scope.Granted() || IsWritableNow(address)) *reinterpret_cast<volatile std::uint32_t*>(address) = value;
}
