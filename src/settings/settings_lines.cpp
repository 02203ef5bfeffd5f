// SPDX-License-Identifier: MIT
#include "settings/settings_lines.h"

#include <array>
#include <utility>

namespace nickbridge::settings_lines {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::vector<std::string> readLines(std::istream& in, std::size_t count) {
    using Traits = std::char_traits<char>;
    std::vector<std::string> lines;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) {
        return lines;
    }
    std::string line;
    // Bytes gather here and join the line in runs: a line may be megabytes long. They are taken
    // one at a time so that the stream stops right after the last line read.
    std::array<char, 4096> run{};
    std::size_t used = 0;
    while (lines.size() < count) {
        const Traits::int_type next = buffer->sbumpc();
        const bool atEnd = Traits::eq_int_type(next, Traits::eof());
        const char c = atEnd ? '\n' : Traits::to_char_type(next);
        if (c != '\r' && c != '\n') {
            if (used == run.size()) {
                line.append(run.data(), used);
                used = 0;
            }
            run[used++] = c;
            continue;
        }
        line.append(run.data(), used);
        used = 0;
        if (atEnd) {
            if (!line.empty()) {
                lines.push_back(std::move(line));
            }
            break;
        }
        if (c == '\r' && Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n'))) {
            buffer->sbumpc();
        }
        lines.push_back(std::exchange(line, {}));
    }
    return lines;
}

std::string_view skipLeadingBlanks(std::string_view line) {
    const std::size_t start = line.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

std::optional<BoxState> parseBoxState(std::string_view line) {
    std::string_view number = skipLeadingBlanks(line);
    number = number.substr(0, number.find_last_not_of(kBlanks) + 1);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty()) {
        return std::nullopt;
    }
    // Any value above 2 is refused alike, so stop counting there instead of overflowing.
    unsigned value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (value <= 2) {
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
    }
    if (negative && value != 0) {
        return std::nullopt;
    }
    switch (value) {
        case 0:
            return BoxState::Clear;
        case 1:
            return BoxState::Ticked;
        case 2:
            return BoxState::Greyed;
        default:
            return std::nullopt;
    }
}

std::string printBoxState(BoxState state) {
    return {' ', static_cast<char>('0' + static_cast<int>(state)), ' '};
}

std::string defaultBlock() {
    std::string block;
    auto append = [&block](std::string_view line, int times) {
        for (int i = 0; i < times; ++i) {
            block += line;
            block += kLineEnd;
        }
    };
    append("", 2);
    append("c", 5);
    append("1", 30);
    return block;
}

}  // namespace nickbridge::settings_lines
