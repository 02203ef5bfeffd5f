// SPDX-License-Identifier: MIT
#include "output_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace nickbridge {
namespace {

std::string_view nameIf(BoxState box, std::string_view value) {
    return keepsName(box) ? value : std::string_view{};
}
std::string_view fieldIf(BoxState box, std::string_view value) {
    return keepsField(box) ? value : std::string_view{};
}

// A value inside its column's quotes. Most values hold no quote and are copied whole; in one that
// does, every quote is doubled so it never ends the column early.
void appendQuotedValue(std::string& out, std::string_view value) {
    if (value.find('"') == std::string_view::npos) {
        out += value;
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + value.size() +
               static_cast<std::size_t>(std::count(value.begin(), value.end(), '"')));
    char* to = out.data() + start;
    for (const char c : value) {
        *to++ = c;
        if (c == '"') *to++ = '"';
    }
}

}  // namespace

void appendOutputLine(std::string& out, const FieldViews& fields, const FieldSelection& selection) {
    // Palm Desktop's order: Last, First, Title, Company, Work, Home, Fax, Other, E-mail,
    // Address, City, State, Zip, Country, Custom 1-4, Note, Private, Category. Only seven columns
    // take a field; the text around them never changes.
    const std::array<std::string_view, 7> values{
        nameIf(selection.lastName, fields.lastName),       // Last
        nameIf(selection.firstName, fields.firstName),     // First
        fieldIf(selection.phone, fields.phone),            // Home
        fieldIf(selection.fax, fields.fax),                // Fax
        fieldIf(selection.email, fields.email),            // E-mail
        fieldIf(selection.postalAddress, fields.address),  // Address
        fieldIf(selection.notes, fields.notes),            // Note
    };
    constexpr std::array<std::string_view, 8> kAround{
        R"(")",                            // before Last
        R"(",")",                          // before First
        R"(","","","",")",                 // Title, Company, Work, before Home
        R"(",")",                          // before Fax
        R"(","",")",                       // Other, before E-mail
        R"(",")",                          // before Address
        R"(","","","","","","","","",")",  // City to Custom 4, before Note
        R"(","0","Eudora Nicknames")",     // Private and Category
    };
    out += kAround[0];
    for (std::size_t i = 0; i < values.size(); ++i) {
        appendQuotedValue(out, values[i]);
        out += kAround[i + 1];
    }
}

std::string formatOutputLine(const FieldSet& fields, const FieldSelection& selection) {
    std::string line;
    appendOutputLine(line, convertFieldSet<std::string_view>(fields), selection);
    return line;
}

}  // namespace nickbridge
