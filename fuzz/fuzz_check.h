// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

namespace nickbridge::fuzzing {

// Names the failed check before the fuzzer saves the input.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

}  // namespace nickbridge::fuzzing
