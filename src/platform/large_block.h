// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace nickbridge::platform {

// Advice for a large block of memory fresh from the allocator, before it is first written: back
// it with huge pages where the system gives them, so its pages come in a few faults instead of
// one per 4 KiB (each a costly trip into the kernel); with `populate`, take them all at once now.
// Only the huge pages that fit wholly inside the block are asked for. Where the system has no
// such advice, nothing happens.
void prepareLargeBlock(void* block, std::size_t size, bool populate);

}  // namespace nickbridge::platform
