// SPDX-License-Identifier: MIT
#pragma once

#include "conversion/convert_command.h"

namespace nickbridge::cli {

inline constexpr int kExitSuccess = 0;
// Refused, unreadable or unwritable file, or an empty path argument.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

constexpr int exitCodeFor(ConvertOutcome outcome) {
    return outcome == ConvertOutcome::Converted ? kExitSuccess : kExitFailed;
}

}  // namespace nickbridge::cli
