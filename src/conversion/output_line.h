// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "field_set.h"
#include "selection/field_selection.h"

namespace nickbridge {

// Appends the 21 quoted, comma-separated columns of one Palm Desktop address record, without
// line end. Fields the selection leaves out are written empty; a double quote in a value is
// doubled.
void appendOutputLine(std::string& out, const FieldViews& fields, const FieldSelection& selection);

// The same line on its own.
std::string formatOutputLine(const FieldSet& fields, const FieldSelection& selection);

}  // namespace nickbridge
