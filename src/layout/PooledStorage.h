#pragma once
// The allocator of the lists a worked solution makes by the thousand and
// drops all at once: a layout's rows, the term lists of the algebra, a step's
// lines. Most of those blocks are small (one or two terms, a handful of
// layouts) or a few hundred bytes to some kilobytes (the rows of one layout);
// dropped in a burst they overflow the general allocator's per-thread caches,
// and each one then costs a walk of its free lists. Blocks up to 64 KiB are
// therefore kept for reuse, per thread, in size classes: every 16 bytes up to
// 256 B, then powers of two up to 64 KiB (a bounded number per class,
// returned to the heap when the thread ends). Larger blocks go straight to
// operator new.
//
// Any two PooledStorage allocators are equal: a block may be freed through
// any of them, on any thread. Under AddressSanitizer nothing is kept, so that
// an element read after its list is gone is still reported.

#include <cstddef>
#include <new>

namespace duolinear {

namespace pooled_storage {

void* allocate(std::size_t bytes);
void deallocate(void* block, std::size_t bytes) noexcept;

}  // namespace pooled_storage

template <typename T>
struct PooledStorage {
    using value_type = T;

    PooledStorage() noexcept = default;
    template <typename U>
    PooledStorage(const PooledStorage<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(pooled_storage::allocate(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { pooled_storage::deallocate(block, count * sizeof(T)); }

    template <typename U>
    friend bool operator==(const PooledStorage&, const PooledStorage<U>&) noexcept {
        return true;
    }
};

}  // namespace duolinear
