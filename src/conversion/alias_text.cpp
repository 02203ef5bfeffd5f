// SPDX-License-Identifier: MIT
#include "alias_text.h"

#include <array>

namespace nickbridge {
namespace {

constexpr auto npos = std::string_view::npos;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The characters that decide where an entry of a list ends.
constexpr std::array<bool, 256> kEntrySyntax = [] {
    std::array<bool, 256> syntax{};
    for (const char c : std::string_view("\"(),<>")) syntax[static_cast<unsigned char>(c)] = true;
    return syntax;
}();

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A leading nickname and what follows it.
AliasParts splitLeadingName(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with('"')) {
        const std::size_t close = text.find('"', 1);
        if (close != npos) return {text.substr(1, close - 1), trimmed(text.substr(close + 1))};
    }
    std::size_t end = 0;
    while (end < text.size() && !isBlank(text[end])) ++end;
    return {text.substr(0, end), trimmed(text.substr(end))};
}

}  // namespace

AliasParts splitAliasText(std::string_view aliasText) { return splitLeadingName(aliasText); }

std::string_view afterNickname(std::string_view noteText) {
    return splitLeadingName(noteText).addresses;
}

std::size_t entryEnd(std::string_view list, std::size_t from) {
    bool inAngle = false;
    std::size_t depth = 0;  // parentheses
    for (std::size_t at = from; at < list.size(); ++at) {
        const char c = list[at];
        if (!kEntrySyntax[static_cast<unsigned char>(c)]) continue;  // most of any list
        if (c == '"') {
            // Quoted text, whatever it holds, ends only at the next quote.
            at = list.find('"', at + 1);
            if (at == npos) break;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0 && c == '<') {
            inAngle = true;
        } else if (depth == 0 && c == '>') {
            inAngle = false;
        } else if (c == ',' && depth == 0 && !inAngle) {
            return at;
        }
    }
    return list.size();
}

AddressEntry readAddressEntry(std::string_view entry) {
    entry = trimmed(entry);
    // One look at each byte finds what decides the address: most entries are a few bytes, where a
    // search per question would cost more than the answers.
    std::size_t lt = npos;     // the last "<" outside quotes
    std::size_t paren = npos;  // the first "(", quoted or not
    bool hasAt = false;        // an "@" before it
    bool quoted = false;
    for (std::size_t at = 0; at < entry.size(); ++at) {
        const char c = entry[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '<' && !quoted) {
            lt = at;
        } else if (c == '(' && paren == npos) {
            paren = at;
        } else if (c == '@' && paren == npos) {
            hasAt = true;
        }
    }
    // "Name <addr>": the address is inside the last "<…>" outside quotes.
    if (lt != npos) {
        const std::size_t gt = entry.find('>', lt);
        return {trimmed(entry.substr(lt + 1, (gt == npos ? entry.size() : gt) - lt - 1)), true};
    }
    // "addr (comment)": the address is what stands before the first "(".
    std::string_view address = trimmed(entry.substr(0, paren));
    if (hasAt) return {address, true};
    // A nickname that holds blanks is named in quotes.
    if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
        address = address.substr(1, address.size() - 2);
    }
    return {address, false};
}

}  // namespace nickbridge
