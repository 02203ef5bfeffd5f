// SPDX-License-Identifier: MIT
#include "vcard_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace nickbridge {
namespace {

constexpr char32_t kLineBreak = U'\n';

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view trimmed(std::string_view raw) {
    while (!raw.empty() && isBlankOrControl(raw.front())) raw.remove_prefix(1);
    while (!raw.empty() && isBlankOrControl(raw.back())) raw.remove_suffix(1);
    return raw;
}

enum class CharRole { Kept, Blank, LeftOut };

// What a character becomes: kept, a blank (space, TAB, line break: kept between other
// characters only) or left out (other control characters).
CharRole roleOf(char32_t c) {
    if (c == U' ' || c == U'\t' || c == U'\x03' || c == U'\n' || c == U'\r') return CharRole::Blank;
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) return CharRole::LeftOut;
    return CharRole::Kept;
}

// Reads the character at `at`, CR LF as one.
char32_t nextChar(std::string_view value, std::size_t& at, const CharDecoder& decoder) {
    const char32_t c = decoder.next(value, at);
    if (c == U'\r' && at < value.size() && value[at] == '\n') ++at;
    return c;
}

// Bytes that a value keeps as they stand: printable ASCII and the space; when `escaping`, less
// the three characters text escapes.
class PlainBytes {
public:
    constexpr explicit PlainBytes(bool escaping) : escaping_(escaping) {
        for (std::size_t c = 0x20; c < 0x7F; ++c) {
            plain_[c] = !(escaping && (c == '\\' || c == ',' || c == ';'));
        }
    }
    bool operator()(char c) const { return plain_[static_cast<unsigned char>(c)]; }

    // Where the run of plain bytes from `at` on ends: eight bytes at a time while all eight are
    // plain, then one at a time.
    std::size_t runEnd(std::string_view text, std::size_t at) const {
        while (text.size() - at >= 8 && allPlain(text.data() + at)) at += 8;
        while (at < text.size() && (*this)(text[at])) ++at;
        return at;
    }

private:
    // Whether the eight bytes at `bytes` are all plain, tested together: each test below sets
    // a byte's top bit when that byte fails it (and may set more once one has, which does not
    // change the answer).
    bool allPlain(const char* bytes) const {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
        constexpr std::uint64_t kTops = kOnes * 0x80;
        std::uint64_t x = 0;
        std::memcpy(&x, bytes, sizeof x);
        const auto anyZero = [](std::uint64_t y) { return (y - kOnes) & ~y & kTops; };
        const std::uint64_t below = (x - kOnes * 0x20) & ~x & kTops;  // control characters
        const std::uint64_t above = ((x + kOnes) | x) & kTops;        // DEL and beyond ASCII
        if ((below | above) != 0) return false;
        return !escaping_ || (anyZero(x ^ (kOnes * '\\')) | anyZero(x ^ (kOnes * ',')) |
                              anyZero(x ^ (kOnes * ';'))) == 0;
    }

    std::array<bool, 256> plain_{};
    bool escaping_;
};

constexpr PlainBytes kPlainEscaped{true};
constexpr PlainBytes kPlainUnescaped{false};

// Calls `takeRun` with each run of plain bytes the value keeps and `take` with each other
// character it keeps, a line break as U'\n'. Blanks count only between kept characters, so a
// run of them is passed on once the next kept character shows.
template <typename TakeRun, typename Take>
void forEachKeptChar(std::string_view raw, const CharDecoder& decoder, ValueKind kind,
                     const PlainBytes& plain, TakeRun&& takeRun, Take&& take) {
    const std::string_view value = trimmed(raw);
    const auto passBlanks = [&](std::size_t from, std::size_t to) {
        for (std::size_t at = from; at < to;) {
            const char32_t c = nextChar(value, at, decoder);
            if (roleOf(c) != CharRole::Blank) continue;
            if (c == U' ' || c == U'\t') {
                take(c);
            } else if (kind == ValueKind::Text) {
                take(kLineBreak);
            }
        }
    };
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t runStart = kNone;  // where the blanks and left-out characters before `at` began
    bool keptAny = false;
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t here = at;
        if (plain(value[here]) && value[here] != ' ') {
            // Most of any value: copied whole, the spaces at its end waiting like other blanks.
            at = plain.runEnd(value, here + 1);
            std::size_t kept = at;
            while (value[kept - 1] == ' ') --kept;
            if (runStart != kNone && keptAny) passBlanks(runStart, here);
            takeRun(value.substr(here, kept - here));
            runStart = kept < at ? kept : kNone;
            keptAny = true;
            continue;
        }
        const char32_t c = nextChar(value, at, decoder);
        if (roleOf(c) != CharRole::Kept) {
            if (runStart == kNone) runStart = here;
            continue;
        }
        if (runStart != kNone && keptAny) passBlanks(runStart, here);
        runStart = kNone;
        take(c);
        keptAny = true;
    }
}

}  // namespace

std::string cleanValue(std::string_view raw, const CharDecoder& decoder, ValueKind kind) {
    std::string text;
    appendClean(text, raw, decoder, kind);
    return text;
}

void appendClean(std::string& out, std::string_view raw, const CharDecoder& decoder,
                 ValueKind kind) {
    forEachKeptChar(
        raw, decoder, kind, kPlainUnescaped, [&out](std::string_view run) { out += run; },
        [&out](char32_t c) { appendUtf8(out, c); });
}

namespace {

// appendValue for a value that holds more than plain bytes; kept apart, so that the plain ones
// do not pay for its set-up.
[[gnu::noinline]] bool appendMixedValue(std::string& line, std::string_view raw,
                                        const CharDecoder& decoder, ValueKind kind,
                                        const PlainBytes& plain) {
    const std::size_t start = line.size();
    const auto takeRun = [&line](std::string_view run) { line += run; };
    forEachKeptChar(raw, decoder, kind, plain, takeRun, [&line, kind](char32_t c) {
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

}  // namespace

bool appendValue(std::string& line, std::string_view raw, const CharDecoder& decoder,
                 ValueKind kind) {
    const PlainBytes& plain = kind == ValueKind::Text ? kPlainEscaped : kPlainUnescaped;
    // Most values are plain bytes from end to end, blanks at the ends aside: kept as they stand.
    const std::string_view value = trimmed(raw);
    if (plain.runEnd(value, 0) == value.size()) {
        line += value;
        return !value.empty();
    }
    return appendMixedValue(line, value, decoder, kind, plain);
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
