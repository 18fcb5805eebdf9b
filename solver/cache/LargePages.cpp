#include "LargePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace turnix {

void ReserveLargePages(void* reserved, std::size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t Page = std::uintptr_t{1} << 21;
    const auto start = reinterpret_cast<std::uintptr_t>(reserved);
    const std::uintptr_t first = (start + Page - 1) & ~(Page - 1);
    const std::uintptr_t end = (start + bytes) & ~(Page - 1);
    if (end > first) {
        // A hint: without large pages the memory works all the same.
        static_cast<void>(madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE));
    }
#else
    static_cast<void>(reserved);
    static_cast<void>(bytes);
#endif
}

} // namespace turnix
