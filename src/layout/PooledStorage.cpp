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
// so that reaching it costs no check of whether it is made yet; the blocks
// are handed back to the heap by a Releaser, made only once a block is kept.
struct Kept {
    std::array<FreeBlock*, kClasses> heads;
    std::array<std::size_t, kClasses> counts;
    bool releasing;  // a Releaser will free what is kept, at the thread's end
    bool closed;     // the thread is ending: nothing more is kept
};

thread_local constinit Kept kept{};

struct Releaser {
    ~Releaser() {
        kept.closed = true;
        for (std::size_t c = 0; c < kClasses; ++c) {
            while (FreeBlock* block = kept.heads[c]) {
                kept.heads[c] = block->next;
                ::operator delete(block);
            }
            kept.counts[c] = 0;
        }
    }
};

[[gnu::noinline]] void startReleasing() {
    static thread_local Releaser releaser;
    (void)releaser;
    kept.releasing = true;
}

}  // namespace

void* allocate(std::size_t bytes) {
    const std::size_t c = classOf(bytes);
    if (c == kClasses) return ::operator new(bytes);
    if (FreeBlock* block = kept.heads[c]) {
        kept.heads[c] = block->next;
        --kept.counts[c];
        return block;
    }
    return ::operator new(classBytes(c));
}

void deallocate(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    const std::size_t c = classOf(bytes);
    if (c != kClasses && !kept.closed && kept.counts[c] < keptAtMost(c)) {
        if (!kept.releasing) startReleasing();
        kept.heads[c] = ::new (block) FreeBlock{kept.heads[c]};
        ++kept.counts[c];
        return;
    }
    ::operator delete(block);
}

}  // namespace duolinear::pooled_storage
