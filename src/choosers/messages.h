// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace nickbridge::choosers {

inline constexpr std::string_view kNoFileSelected = "You have not selected a file.";

}  // namespace nickbridge::choosers
