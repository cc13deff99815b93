#include "layout/RowStorage.h"

#include <array>
#include <bit>
#include <cstddef>
#include <new>

namespace duolinear::row_storage {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kKeepsBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kKeepsBlocks = false;
#else
constexpr bool kKeepsBlocks = true;
#endif
#else
constexpr bool kKeepsBlocks = true;
#endif

constexpr std::size_t kSmallest = 128;       // smaller blocks are the heap's own business
constexpr std::size_t kLargest = 64 * 1024;  // larger ones are rare
constexpr std::size_t kClasses = 9;          // 256 B, 512 B, ..., 64 KiB
constexpr std::size_t kKeptPerClass = 64;

// The class of a block of the given size, or kClasses when it is not kept.
std::size_t classOf(std::size_t bytes) {
    if (!kKeepsBlocks || bytes <= kSmallest || bytes > kLargest) return kClasses;
    return static_cast<std::size_t>(std::bit_width(bytes - 1)) - 8;
}

std::size_t classBytes(std::size_t index) {
    return std::size_t{256} << index;
}

struct Kept {
    std::array<std::array<void*, kKeptPerClass>, kClasses> blocks{};
    std::array<std::size_t, kClasses> counts{};
    ~Kept();
};

// Whether this thread's Kept is usable: false once it is destroyed, so that
// a layout dropped later in the thread's end goes straight to the heap.
thread_local bool keptAlive = false;
thread_local Kept kept;

Kept::~Kept() {
    keptAlive = false;
    for (std::size_t c = 0; c < kClasses; ++c) {
        for (std::size_t i = 0; i < counts[c]; ++i) ::operator delete(blocks[c][i]);
        counts[c] = 0;
    }
}

Kept* keptHere() {
    static thread_local bool started = false;
    if (!started) {
        started = true;
        keptAlive = true;
        (void)kept;  // made here, so that its end clears keptAlive
    }
    return keptAlive ? &kept : nullptr;
}

}  // namespace

void* allocate(std::size_t bytes) {
    const std::size_t c = classOf(bytes);
    if (c == kClasses) return ::operator new(bytes);
    if (Kept* k = keptHere(); k != nullptr && k->counts[c] > 0) return k->blocks[c][--k->counts[c]];
    return ::operator new(classBytes(c));
}

void deallocate(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    const std::size_t c = classOf(bytes);
    if (c != kClasses) {
        if (Kept* k = keptHere(); k != nullptr && k->counts[c] < kKeptPerClass) {
            k->blocks[c][k->counts[c]++] = block;
            return;
        }
    }
    ::operator delete(block);
}

}  // namespace duolinear::row_storage
