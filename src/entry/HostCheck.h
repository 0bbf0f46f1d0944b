#pragma once
#include <cstdint>
#include <cstring>

// The one supported host build, known by the entry point its PE header records.
constexpr std::uint32_t SupportedHostEntryPoint = 0x270CB5;

// The AddressOfEntryPoint that the PE headers of the image mapped at `imageBase` record. Nothing else
// is compared and no signature is checked: only this value tells the builds apart.
inline std::uint32_t RecordedEntryPoint(const unsigned char* imageBase) {
    std::uint32_t peOffset, entryPoint;
    std::memcpy(&peOffset, imageBase + 0x3C, sizeof peOffset);
    std::memcpy(&entryPoint, imageBase + peOffset + 0x28, sizeof entryPoint);
    return entryPoint;
}

inline bool IsSupportedHost(const unsigned char* imageBase) {
    return RecordedEntryPoint(imageBase) == SupportedHostEntryPoint;
}
