#pragma once
// The allocator of a layout's rows. A worked solution makes and drops a few
// dozen layouts of a few hundred bytes to some kilobytes each, and blocks
// that large miss the general allocator's per-thread caches (or overflow
// them when a whole solution is dropped at once): each one then costs a walk
// of its free lists. Blocks of 256 B to 64 KiB are therefore kept for reuse,
// per thread, in size classes of powers of two (up to 64 blocks per class,
// returned to the heap when the thread ends); other sizes go straight to
// operator new.
//
// Any two RowStorage allocators are equal: a block may be freed through any
// of them, on any thread. Under AddressSanitizer nothing is kept, so that a
// row read after its layout is gone is still reported.

#include <cstddef>
#include <new>

namespace duolinear {

namespace row_storage {

void* allocate(std::size_t bytes);
void deallocate(void* block, std::size_t bytes) noexcept;

}  // namespace row_storage

template <typename T>
struct RowStorage {
    using value_type = T;

    RowStorage() noexcept = default;
    template <typename U>
    RowStorage(const RowStorage<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(row_storage::allocate(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { row_storage::deallocate(block, count * sizeof(T)); }

    template <typename U>
    friend bool operator==(const RowStorage&, const RowStorage<U>&) noexcept {
        return true;
    }
};

}  // namespace duolinear
