// SPDX-License-Identifier: MIT
#include "text_charset.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace nickbridge {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Bytes 0x80-0xFF. Windows-1252 as Windows reads it: the five unassigned bytes stay the control
// characters of the same number (the vCard leaves those out).
// Eight to a row, as code page charts print them.
// clang-format off
constexpr std::array<char16_t, 128> kWindows1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

// Mac OS Roman as Apple maps it today (0xDB is the euro sign since Mac OS 8.5).
constexpr std::array<char16_t, 128> kMacintosh{
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};
// clang-format on

std::uint8_t byteAt(std::string_view text, std::size_t at) {
    return static_cast<std::uint8_t>(text[at]);
}

// The UTF-8 character at `text[at]` and its length; length 0 when the bytes there are not one.
// Overlong forms, surrogates and code points past U+10FFFF are not characters.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Utf8Char readUtf8(std::string_view text, std::size_t at) {
    const std::uint8_t lead = byteAt(text, at);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1Fu, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0Fu, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byteAt(text, at + i);
        if ((next & 0xC0u) != 0x80) return {};
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

}  // namespace

Charset resolveCharset(Charset chosen, std::string_view fileText) {
    if (chosen != Charset::Auto) return chosen;
    bool multiByte = false;
    for (std::size_t at = 0; at < fileText.size();) {
        // Thirty-two ASCII bytes at a time: most of a file is.
        if (fileText.size() - at >= 32) {
            std::array<std::uint64_t, 4> words{};
            std::memcpy(words.data(), fileText.data() + at, 32);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080ULL) == 0) {
                at += 32;
                continue;
            }
        }
        if (byteAt(fileText, at) < 0x80) {
            ++at;
            continue;
        }
        const Utf8Char read = readUtf8(fileText, at);
        if (read.length == 0) return Charset::Windows1252;
        multiByte = true;
        at += read.length;
    }
    return multiByte ? Charset::Utf8 : Charset::Windows1252;
}

char32_t CharDecoder::nextBeyondAscii(std::string_view text, std::size_t& at) const {
    const std::uint8_t byte = byteAt(text, at);
    switch (charset_) {
        case Charset::Utf8:
        case Charset::Auto: {
            const Utf8Char read = readUtf8(text, at);
            at += read.length == 0 ? 1 : read.length;
            return read.length == 0 ? kReplacement : read.codePoint;
        }
        case Charset::Macintosh:
            ++at;
            return kMacintosh[byte - 0x80u];
        case Charset::Windows1252:
            break;
    }
    ++at;
    return kWindows1252[byte - 0x80u];
}

void appendUtf8BeyondAscii(std::string& out, char32_t codePoint) {
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace nickbridge
