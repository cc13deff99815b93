// RowStorage: every block holds the bytes asked for, a block kept for reuse
// serves the next request of its size class, and layouts built on it grow,
// copy and shrink like any list of rows.

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "layout/RowStorage.h"
#include "layout/TagLayout.h"

namespace duolinear {
namespace {

TEST(RowStorage, BlocksHoldWhatIsAskedAndAreReused) {
    // Sizes around every class edge, and beyond the largest class.
    std::vector<std::size_t> sizes{1, 127, 128, 129};
    for (std::size_t edge = 256; edge <= 128 * 1024; edge *= 2) {
        for (std::size_t size : {edge - 1, edge, edge + 1}) sizes.push_back(size);
    }
    for (int round = 0; round < 2; ++round) {
        for (std::size_t size : sizes) {
            auto* block = static_cast<unsigned char*>(row_storage::allocate(size));
            std::memset(block, 0xA5, size);  // a block smaller than asked corrupts the heap here
            EXPECT_EQ(block[size - 1], 0xA5) << size;
            row_storage::deallocate(block, size);
        }
    }
#if !defined(__SANITIZE_ADDRESS__)
    // 3000 and 4000 bytes share the 4 KiB class.
    void* first = row_storage::allocate(3000);
    row_storage::deallocate(first, 3000);
    void* second = row_storage::allocate(4000);
    EXPECT_EQ(second, first);
    row_storage::deallocate(second, 4000);
#endif
}

TEST(RowStorage, LayoutsGrowCopyAndShrink) {
    TagLayout layout;
    for (int i = 0; i < 500; ++i)
        layout.push_back({"message", std::to_string(i), "a text longer than the string holds"});
    TagLayout copy = layout;
    layout.resize(3);
    layout.shrink_to_fit();
    ASSERT_EQ(copy.size(), 500u);
    for (int i = 0; i < 500; ++i) EXPECT_EQ(copy[i][1], std::to_string(i));
    EXPECT_EQ(TagLayout(copy.begin(), copy.begin() + 3), layout);
}

}  // namespace
}  // namespace duolinear
