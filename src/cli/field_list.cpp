// SPDX-License-Identifier: MIT
#include "cli/field_list.h"

#include <array>
#include <utility>

namespace nickbridge::cli {

namespace {

using BoxMember = BoxState FieldSelection::*;

constexpr std::array<std::pair<std::string_view, BoxMember>, 8> kBoxes{{
    {"first", &FieldSelection::firstName},
    {"last", &FieldSelection::lastName},
    {"nickname", &FieldSelection::nickname},
    {"email", &FieldSelection::email},
    {"address", &FieldSelection::postalAddress},
    {"phone", &FieldSelection::phone},
    {"fax", &FieldSelection::fax},
    {"notes", &FieldSelection::notes},
}};

}  // namespace

std::variant<FieldSelection, UnknownField> parseFieldList(std::string_view list) {
    FieldSelection selection;
    for (const auto& box : kBoxes) {
        selection.*box.second = BoxState::Clear;
    }
    if (list.empty()) {
        return selection;
    }
    std::string_view rest = list;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        bool known = false;
        for (const auto& box : kBoxes) {
            if (box.first == name) {
                selection.*box.second = BoxState::Ticked;
                known = true;
            }
        }
        if (!known) {
            return UnknownField{std::string(name)};
        }
        if (comma == std::string_view::npos) {
            return selection;
        }
        rest.remove_prefix(comma + 1);
    }
}

std::string knownFieldNames() {
    std::string names;
    for (const auto& box : kBoxes) {
        if (!names.empty()) {
            names += ',';
        }
        names += box.first;
    }
    return names;
}

}  // namespace nickbridge::cli
