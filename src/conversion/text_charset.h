// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nickbridge {

// The code page a nickname file is read in for the vCard, which alone is written in UTF-8.
// Auto: UTF-8 when the whole file is valid UTF-8 and holds a multi-byte character, else
// Windows-1252 (what the mail client writes on Windows).
enum class Charset { Auto, Windows1252, Utf8, Macintosh };

// The code page `Auto` stands for with this file; any other choice stays as it is.
Charset resolveCharset(Charset chosen, std::string_view fileText);

// Reads the characters of text in one code page (not Auto), as Unicode code points.
class CharDecoder {
public:
    explicit CharDecoder(Charset charset) : charset_(charset) {}

    // The character that starts at `text[at]`; moves `at` past it. A byte that does not begin
    // a valid UTF-8 character reads as U+FFFD, alone.
    char32_t next(std::string_view text, std::size_t& at) const {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {  // the same in every code page here, and most of any text
            ++at;
            return byte;
        }
        return nextBeyondAscii(text, at);
    }

private:
    char32_t nextBeyondAscii(std::string_view text, std::size_t& at) const;

    Charset charset_;
};

void appendUtf8BeyondAscii(std::string& out, char32_t codePoint);

// Appends `codePoint` as UTF-8.
inline void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else {
        appendUtf8BeyondAscii(out, codePoint);
    }
}

}  // namespace nickbridge
