// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace nickbridge::choosers {

// The file list's pattern: every name with ".txt" in it, "notes.txt.bak" included.
inline constexpr std::string_view kNicknameFilePattern = "*.txt*";

template <typename Char>
constexpr Char foldCase(Char c) {
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// "*" stands for any run of characters and "?" for one; letters match without regard to case, as
// file names do on Windows. One pass with a single backtrack point, so it stays linear-ish.
template <typename Char>
constexpr bool matchesWildcard(std::basic_string_view<Char> name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' ||
                    foldCase(name[n]) ==
                        foldCase(static_cast<Char>(static_cast<unsigned char>(pattern[p]))))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace nickbridge::choosers
