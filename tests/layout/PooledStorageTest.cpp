// PooledStorage: every block holds the bytes asked for, a block kept for
// reuse serves the next request of its size class, and layouts and term
// lists built on it grow, copy and shrink like any list.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <malloc.h>

#include <gtest/gtest.h>

#include "algebra/Monomial.h"
#include "layout/PooledStorage.h"
#include "layout/TagLayout.h"

namespace duolinear {
namespace {

TEST(PooledStorage, BlocksHoldWhatIsAskedAndAreReused) {
    // Sizes around every class edge, and beyond the largest class.
    std::vector<std::size_t> sizes{1, 8, 15, 16, 17, 40, 127, 128, 129};
    for (std::size_t edge = 256; edge <= 128 * 1024; edge *= 2) {
        for (std::size_t size : {edge - 1, edge, edge + 1}) sizes.push_back(size);
    }
    for (int round = 0; round < 2; ++round) {
        for (std::size_t size : sizes) {
            auto* block = static_cast<unsigned char*>(pooled_storage::allocate(size));
            std::memset(block, 0xA5, size);  // a block smaller than asked corrupts the heap here
            EXPECT_EQ(block[size - 1], 0xA5) << size;
            pooled_storage::deallocate(block, size);
        }
    }
#if !defined(__SANITIZE_ADDRESS__)
    // 3000 and 4000 bytes share the 4 KiB class.
    void* first = pooled_storage::allocate(3000);
    pooled_storage::deallocate(first, 3000);
    void* second = pooled_storage::allocate(4000);
    EXPECT_EQ(second, first);
    pooled_storage::deallocate(second, 4000);
    // 33 and 48 bytes share the 48-byte class; 49 does not.
    void* small = pooled_storage::allocate(33);
    pooled_storage::deallocate(small, 33);
    void* other = pooled_storage::allocate(49);
    void* same = pooled_storage::allocate(48);
    EXPECT_EQ(same, small);
    EXPECT_NE(other, small);
    pooled_storage::deallocate(same, 48);
    pooled_storage::deallocate(other, 49);

    // A thread that ends hands its kept blocks back to the heap, and the
    // blocks that find no room go back at once: small ones past the 128 a
    // class keeps, large ones past the 64, and one larger than any class.
    const auto inUse = [] {
        const struct mallinfo2 heap = mallinfo2();
        return heap.uordblks + heap.hblkhd;
    };
    std::thread([] {}).join();  // what the first thread leaves in place for all others
    const std::size_t before = inUse();
    std::thread([] {
        std::vector<std::pair<void*, std::size_t>> blocks;
        for (int i = 0; i < 200; ++i) blocks.emplace_back(pooled_storage::allocate(16), 16);
        for (int i = 0; i < 80; ++i) blocks.emplace_back(pooled_storage::allocate(60000), 60000);
        blocks.emplace_back(pooled_storage::allocate(100000), 100000);
        for (const auto& [block, size] : blocks) pooled_storage::deallocate(block, size);
    }).join();
    EXPECT_LT(inUse(), before + 1024);
#endif
}

TEST(PooledStorage, LayoutsGrowCopyAndShrink) {
    TagLayout layout;
    for (int i = 0; i < 500; ++i)
        layout.push_back({"message", std::to_string(i), "a text longer than the string holds"});
    TagLayout copy = layout;
    layout.resize(3);
    layout.shrink_to_fit();
    ASSERT_EQ(copy.size(), 500u);
    for (int i = 0; i < 500; ++i) EXPECT_EQ(copy[i][1], std::to_string(i));
    EXPECT_EQ(TagLayout(copy.begin(), copy.begin() + 3), layout);

    // Term lists grow one term at a time through every small class.
    Monomials terms;
    for (std::int64_t i = 1; i <= 200; ++i) terms.push_back(Monomial{Rational{i, 1}, 1});
    Monomials kept = terms;
    terms.resize(1);
    terms.shrink_to_fit();
    ASSERT_EQ(kept.size(), 200u);
    for (std::int64_t i = 1; i <= 200; ++i) EXPECT_EQ(kept[i - 1].coefficient.numerator, i);
}

}  // namespace
}  // namespace duolinear
