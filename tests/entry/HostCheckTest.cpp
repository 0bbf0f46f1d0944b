#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "entry/HostCheck.h"

namespace {

// A mapped image's first bytes: e_lfanew at 0x3C, the entry point 0x28 bytes into the PE headers.
std::vector<unsigned char> ImageRecording(std::uint32_t entryPoint, std::uint32_t peOffset = 0x80) {
    std::vector<unsigned char> image(0x400, 0);
    std::memcpy(&image[0x3C], &peOffset, 4);
    std::memcpy(&image[peOffset + 0x28], &entryPoint, 4);
    return image;
}

TEST(HostCheck, AcceptsOnlyTheSupportedEntryPoint) {
    EXPECT_TRUE(IsSupportedHost(ImageRecording(0x270CB5).data()));
    EXPECT_TRUE(IsSupportedHost(ImageRecording(0x270CB5, 0x100).data()));
    for (std::uint32_t other : {0x270CB4u, 0x270CB6u, 0u, 0x01270CB5u, 0xFF270CB5u})
        EXPECT_FALSE(IsSupportedHost(ImageRecording(other).data())) << std::hex << other;
}

TEST(HostCheck, NoSignatureIsChecked) {
    std::vector<unsigned char> image = ImageRecording(0x270CB5);
    image[0] = 'X';     // no "MZ"
    image[0x80] = 'Y';  // no "PE\0\0"
    EXPECT_TRUE(IsSupportedHost(image.data()));
}

}  // namespace
