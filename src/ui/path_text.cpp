// SPDX-License-Identifier: MIT
#include "ui/path_text.h"

#include <cstddef>
#include <cstdint>

#include "conversion/text_charset.h"

namespace nickbridge::ui {
namespace {

constexpr char32_t kEscapeBase = 0xDC00;
constexpr char32_t kFirstEscape = 0xDC80;  // only bytes 0x80 to 0xFF can be undecodable
constexpr char32_t kLastEscape = 0xDCFF;
constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the well-formed UTF-8 sequence at the start of `bytes`, and its length;
// length 0 when the sequence is malformed, overlong, a surrogate or beyond U+10FFFF.
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Decoded decodeOne(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(next)) return {};
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) return {};
    return {codePoint, length};
}

}  // namespace

QString pathText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        const Decoded decoded = decodeOne(bytes);
        if (decoded.length == 0) {
            text.append(
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0]))));
            bytes.remove_prefix(1);
            continue;
        }
        const char32_t codePoint = decoded.codePoint;
        text.append(QString::fromUcs4(&codePoint, 1));
        bytes.remove_prefix(decoded.length);
    }
    return text;
}

std::string pathBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit >= kFirstEscape && unit <= kLastEscape) {
            bytes.push_back(static_cast<char>(unit - kEscapeBase));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            // Only a broken edit leaves another lone surrogate; UTF-8 cannot carry it.
            appendUtf8(bytes, kReplacement);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

}  // namespace nickbridge::ui
