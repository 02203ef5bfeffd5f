// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "selection/field_selection.h"

namespace nickbridge::cli {

struct UnknownField {
    std::string name;
};

// Turns a comma-separated list of field names into box states: a listed field is ticked, every
// other one clear. An empty list clears every box. Names are compared exactly.
std::variant<FieldSelection, UnknownField> parseFieldList(std::string_view list);

// The names parseFieldList accepts, comma-separated, for help and error texts.
std::string knownFieldNames();

}  // namespace nickbridge::cli
