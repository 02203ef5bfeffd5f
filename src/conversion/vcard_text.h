// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "text_charset.h"

namespace nickbridge {

// How a value is written: text is escaped; a URI keeps its backslashes, commas and semicolons.
enum class ValueKind { Text, Uri };

// The longest physical line of a vCard in octets, its CR LF not counted.
inline constexpr std::size_t kVCardLineLimit = 75;

// What a value of the nickname file says, as plain UTF-8: blanks and control characters at
// either end left out; code 3, LF, CR and CR LF become one line break; TAB is kept; any other
// control character is left out. A URI keeps no line break.
std::string cleanValue(std::string_view raw, const CharDecoder& decoder, ValueKind kind);
// The same, appended to `out`.
void appendClean(std::string& out, std::string_view raw, const CharDecoder& decoder,
                 ValueKind kind = ValueKind::Text);

// Appends the cleaned value to a property line, escaped for vCard 3.0 when it is text
// ("\\" "\," "\;" and "\n" for a line break). Returns whether anything was appended.
bool appendValue(std::string& line, std::string_view raw, const CharDecoder& decoder,
                 ValueKind kind);

// Appends one property line, folded unless `fold` is false (the caller ends it with CR LF): no
// physical line over 75 octets, a fold (CR LF and one space) never inside a UTF-8 character and,
// where the line leaves any choice, never just before a space or TAB, which readers that trim lines
// would lose.
void appendFolded(std::string& out, std::string_view line, bool fold);

}  // namespace nickbridge
