// SPDX-License-Identifier: MIT
#include "vcard_text.h"

namespace nickbridge {
namespace {

constexpr char32_t kLineBreak = U'\n';

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view trimmed(std::string_view raw) {
    while (!raw.empty() && isBlankOrControl(raw.front())) raw.remove_prefix(1);
    while (!raw.empty() && isBlankOrControl(raw.back())) raw.remove_suffix(1);
    return raw;
}

// Calls `take` with each character the value keeps, a line break as U'\n'.
template <typename Take>
void forEachKeptChar(std::string_view raw, const CharDecoder& decoder, ValueKind kind,
                     Take&& take) {
    const std::string_view value = trimmed(raw);
    for (std::size_t at = 0; at < value.size();) {
        const char32_t c = decoder.next(value, at);
        if (c == U'\x03' || c == U'\n' || c == U'\r') {
            // CR LF is one line break.
            if (c == U'\r' && at < value.size() && value[at] == '\n') ++at;
            if (kind == ValueKind::Text) take(kLineBreak);
        } else if (c == U'\t' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F))) {
            take(c);
        }
    }
}

}  // namespace

std::string cleanValue(std::string_view raw, const CharDecoder& decoder, ValueKind kind) {
    std::string text;
    forEachKeptChar(raw, decoder, kind, [&text](char32_t c) { appendUtf8(text, c); });
    return text;
}

bool appendValue(std::string& line, std::string_view raw, const CharDecoder& decoder,
                 ValueKind kind) {
    const std::size_t start = line.size();
    forEachKeptChar(raw, decoder, kind, [&line, kind](char32_t c) {
        if (kind == ValueKind::Text) {
            switch (c) {
                case U'\\':
                case U',':
                case U';':
                    line += '\\';
                    break;
                case kLineBreak:
                    line += "\\n";
                    return;
                default:
                    break;
            }
        }
        appendUtf8(line, c);
    });
    return line.size() != start;
}

void appendFolded(std::string& out, std::string_view line, bool fold) {
    const auto isContinuation = [&line](std::size_t at) {
        return (static_cast<unsigned char>(line[at]) & 0xC0u) == 0x80;
    };
    const auto isSpace = [&line](std::size_t at) { return line[at] == ' ' || line[at] == '\t'; };
    std::size_t room = kVCardLineLimit;
    while (fold && line.size() > room) {
        // The longest piece that fits and ends neither inside a character nor before a blank;
        // failing that, the longest that ends outside a character.
        std::size_t cut = room;
        while (cut > 0 && (isContinuation(cut) || isSpace(cut))) --cut;
        if (cut == 0) {
            cut = room;
            while (cut > 0 && isContinuation(cut)) --cut;
        }
        out += line.substr(0, cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kVCardLineLimit - 1;
    }
    out += line;
}

}  // namespace nickbridge
