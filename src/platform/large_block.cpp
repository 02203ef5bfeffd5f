// SPDX-License-Identifier: MIT
#include "platform/large_block.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace nickbridge::platform {

void prepareLargeBlock(void* block, std::size_t size, bool populate) {
#if defined(__linux__)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end <= first) return;
    // Stays inside the block: the same pointer moved on, not one made from the number.
    char* const aligned = static_cast<char*>(block) + (first - start);
    // Both are advice: a system without them runs as before, only with more faults.
    static_cast<void>(::madvise(aligned, end - first, MADV_HUGEPAGE));
#ifdef MADV_POPULATE_WRITE
    if (populate) static_cast<void>(::madvise(aligned, end - first, MADV_POPULATE_WRITE));
#endif
#else
    static_cast<void>(block);
    static_cast<void>(size);
#endif
    static_cast<void>(populate);
}

}  // namespace nickbridge::platform
