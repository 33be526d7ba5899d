#pragma once
// An allocator for tables of many megabytes that are read at random places (hash tables, ids
// looked up by index). Every access to such a table misses the processor's page-address cache
// when its pages are 4 KiB: on Linux the table is given 2 MiB pages where the system has them to
// give. Elsewhere, and for small tables, it is the standard allocator.

#include <cstddef>
#include <memory>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>

#include <cstdlib>
#endif

namespace plevo {

template <typename T>
struct LargeTableAllocator {
    using value_type = T;

    LargeTableAllocator() = default;
    template <typename U>
    LargeTableAllocator(const LargeTableAllocator<U>&) {}

    T* allocate(std::size_t n) {
#if defined(__linux__)
        if (const std::size_t bytes = roundedSize(n)) {
            void* p = std::aligned_alloc(kHugePage, bytes);
            if (!p) throw std::bad_alloc();
            // Only a hint: without large pages the table works the same.
            ::madvise(p, bytes, MADV_HUGEPAGE);
            return static_cast<T*>(p);
        }
#endif
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
#if defined(__linux__)
        if (roundedSize(n)) {
            std::free(p);
            return;
        }
#endif
        std::allocator<T>().deallocate(p, n);
    }

    template <typename U>
    bool operator==(const LargeTableAllocator<U>&) const {
        return true;
    }

private:
#if defined(__linux__)
    static constexpr std::size_t kHugePage = std::size_t{2} << 20;
    // The size in whole large pages of a table of n items; 0 for a table too small to gain.
    static std::size_t roundedSize(std::size_t n) {
        if (n > (std::size_t(-1) - kHugePage) / sizeof(T)) throw std::bad_alloc();
        const std::size_t bytes = n * sizeof(T);
        if (bytes < 2 * kHugePage) return 0;
        return (bytes + kHugePage - 1) / kHugePage * kHugePage;
    }
#endif
};

}  // namespace plevo
