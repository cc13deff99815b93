#include "layout/PooledStorage.h"

#include <array>
#include <bit>
#include <cstddef>
#include <new>

namespace duolinear::pooled_storage {

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

constexpr std::size_t kStep = 16;            // small classes: 16 B, 32 B, ..., 256 B
constexpr std::size_t kSmallClasses = 16;
constexpr std::size_t kSmallLargest = kStep * kSmallClasses;
constexpr std::size_t kLargest = 64 * 1024;  // large classes: 512 B, 1 KiB, ..., 64 KiB; larger ones are rare
constexpr std::size_t kClasses = kSmallClasses + 8;
constexpr std::size_t kKeptSmall = 128;      // a worked solution drops up to about a hundred of one size
constexpr std::size_t kKeptLarge = 64;

// The class of a block of the given size, or kClasses when it is not kept.
std::size_t classOf(std::size_t bytes) {
    if (!kKeepsBlocks || bytes == 0 || bytes > kLargest) return kClasses;
    if (bytes <= kSmallLargest) return (bytes - 1) / kStep;
    return kSmallClasses + static_cast<std::size_t>(std::bit_width(bytes - 1)) - 9;
}

std::size_t classBytes(std::size_t index) {
    return index < kSmallClasses ? (index + 1) * kStep : std::size_t{512} << (index - kSmallClasses);
}

std::size_t keptAtMost(std::size_t index) {
    return index < kSmallClasses ? kKeptSmall : kKeptLarge;
}

// A kept block holds the link to the next one of its class.
struct FreeBlock {
    FreeBlock* next;
};

// This thread's kept blocks. Constant-initialised and trivially destructible,
// so that reaching it costs no check of whether it is made yet. Each class
// has room for no block until the first one is kept: that first keep makes
// the Releaser, which hands the blocks back to the heap at the thread's end
// and leaves no room again.
struct Kept {
    std::array<FreeBlock*, kClasses> heads;
    std::array<std::size_t, kClasses> room;  // blocks the class may still keep
    bool started;                            // the Releaser is made
};

thread_local constinit Kept kept{};

struct Releaser {
    ~Releaser() {
        for (std::size_t c = 0; c < kClasses; ++c) {
            kept.room[c] = 0;
            while (FreeBlock* block = kept.heads[c]) {
                kept.heads[c] = block->next;
                ::operator delete(block);
            }
        }
    }
};

void keep(void* block, std::size_t c) {
    kept.heads[c] = ::new (block) FreeBlock{kept.heads[c]};
    --kept.room[c];
}

// A block that finds no room in its class: either nothing was kept on this
// thread yet, or the class is full, or the thread is ending.
[[gnu::noinline]] void deallocateWithoutRoom(void* block, std::size_t c) noexcept {
    if (c != kClasses && !kept.started) {
        kept.started = true;
        static thread_local Releaser releaser;
        (void)releaser;
        for (std::size_t k = 0; k < kClasses; ++k) kept.room[k] = keptAtMost(k);
        keep(block, c);
        return;
    }
    ::operator delete(block);
}

}  // namespace

void* allocate(std::size_t bytes) {
    const std::size_t c = classOf(bytes);
    if (c == kClasses) return ::operator new(bytes);
    if (FreeBlock* block = kept.heads[c]) {
        kept.heads[c] = block->next;
        ++kept.room[c];
        return block;
    }
    return ::operator new(classBytes(c));
}

void deallocate(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    const std::size_t c = classOf(bytes);
    if (c != kClasses && kept.room[c] != 0) {
        keep(block, c);
        return;
    }
    deallocateWithoutRoom(block, c);
}

}  // namespace duolinear::pooled_storage
