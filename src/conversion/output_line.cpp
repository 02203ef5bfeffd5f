// SPDX-License-Identifier: MIT
#include "output_line.h"

#include <array>
#include <string_view>

namespace nickbridge {
namespace {

constexpr std::size_t kColumnCount = 21;

// The name boxes blank their field only when clear; the others keep theirs only when ticked.
std::string_view nameIf(BoxState box, const std::string& value) {
    return box == BoxState::Clear ? std::string_view{} : std::string_view{value};
}
std::string_view fieldIf(BoxState box, const std::string& value) {
    return box == BoxState::Ticked ? std::string_view{value} : std::string_view{};
}

void appendQuoted(std::string& line, std::string_view value) {
    line += '"';
    for (const char c : value) {
        if (c == '"') line += '"';  // doubled, so a quote never ends the column early
        line += c;
    }
    line += '"';
}

}  // namespace

std::string formatOutputLine(const FieldSet& fields, const FieldSelection& selection) {
    // Palm Desktop's order: Last, First, Title, Company, Work, Home, Fax, Other, E-mail,
    // Address, City, State, Zip, Country, Custom 1-4, Note, Private, Category.
    std::array<std::string_view, kColumnCount> columns{};
    columns[0] = nameIf(selection.LN, fields.lastname);
    columns[1] = nameIf(selection.FN, fields.firstname);
    columns[5] = fieldIf(selection.PN, fields.phone);
    columns[6] = fieldIf(selection.FX, fields.FAX);
    columns[8] = fieldIf(selection.EA, fields.emailAddr);
    columns[9] = fieldIf(selection.PA, fields.address);
    columns[18] = fieldIf(selection.NOTEs, fields.NOTE);
    columns[19] = "0";
    columns[20] = "Eudora Nicknames";

    std::string line;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (i > 0) line += ',';
        appendQuoted(line, columns[i]);
    }
    return line;
}

}  // namespace nickbridge
