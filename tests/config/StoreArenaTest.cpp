#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "config/StoreArena.h"

namespace {

TEST(StoreArena, HandsOutAlignedBlocksThatDoNotOverlap) {
    StoreArena arena;
    struct Given { unsigned char* at; std::size_t size; };
    std::vector<Given> given;
    // Sizes past the first block's and past the largest growth step, between small odd ones.
    for (std::size_t size : {1u, 3u, 64u, 5000u, 7u, 1u << 20, 2u, (17u << 20) + 5u, 9u}) {
        for (std::size_t alignment : {1u, 2u, 8u, 16u}) {
            auto* at = static_cast<unsigned char*>(arena.Allocate(size, alignment));
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(at) % alignment, 0u) << size << " " << alignment;
            std::memset(at, static_cast<int>(given.size() & 0xFF), size);
            given.push_back({at, size});
        }
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        std::string expected(given[i].size, static_cast<char>(i & 0xFF));
        EXPECT_EQ(std::memcmp(given[i].at, expected.data(), given[i].size), 0) << "block " << i << " was overwritten";
    }
}

TEST(StoreArena, GivesEmptyRequestsAPlace) {
    StoreArena arena;
    EXPECT_NE(arena.Allocate(0, 1), nullptr);
}

}  // namespace
