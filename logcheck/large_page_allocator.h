#pragma once

#include <cstddef>
#include <memory>
#include <new>

#include <sys/mman.h>

namespace vermil {

// An allocator for the few very large arrays of the window's report: they are
// mapped with transparent huge pages where the system offers them, so filling
// a report of a hundred megabytes takes some fifty page faults instead of
// twenty-five thousand. Small arrays come from the usual heap.
template <typename T> class LargePageAllocator {
public:
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U> LargePageAllocator(const LargePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        const std::size_t bytes = count * sizeof(T);
        if (bytes < mappedFrom)
            return std::allocator<T>().allocate(count);
        void* memory = ::mmap(nullptr, mappedSize(bytes), PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(memory, mappedSize(bytes), MADV_HUGEPAGE);
        return static_cast<T*>(memory);
    }

    void deallocate(T* pointer, std::size_t count) noexcept {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < mappedFrom)
            std::allocator<T>().deallocate(pointer, count);
        else
            ::munmap(pointer, mappedSize(bytes));
    }

    template <typename U> bool operator==(const LargePageAllocator<U>&) const noexcept {
        return true;
    }

private:
    static constexpr std::size_t hugePage = std::size_t(2) << 20;
    static constexpr std::size_t mappedFrom = 4 * hugePage;
    static std::size_t mappedSize(std::size_t bytes) {
        return (bytes + hugePage - 1) / hugePage * hugePage;
    }
};

} // namespace vermil
