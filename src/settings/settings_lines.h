// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "selection/field_selection.h"

namespace nickbridge::settings_lines {

// Only this many lines of nbr.ini carry values; the rest is ignored.
inline constexpr std::size_t kValueLineCount = 15;

// Reads at most `count` lines. A line ends at CR (an LF right after it belongs to that end) or at
// a lone LF, so files edited on any system split alike. Text after the last line end is a line.
std::vector<std::string> readLines(std::istream& in, std::size_t count);

// A text value as restored: the line without the blanks before it.
std::string_view skipLeadingBlanks(std::string_view line);

// A box line as a whole number with blanks around it; only 0, 1 and 2 name a state.
std::optional<BoxState> parseBoxState(std::string_view line);

// A box state in number print form: blank, digit, blank (" 1 "), without the line end.
std::string printBoxState(BoxState state);

// The 37 lines appended at every start, CR LF each: 2 empty, 5 "c", 30 "1".
std::string defaultBlock();

}  // namespace nickbridge::settings_lines
