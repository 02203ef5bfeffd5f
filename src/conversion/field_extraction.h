// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "field_set.h"

namespace nickbridge {

// Turns every character of code 3 into a space, as the fields are cut from the record so cleaned.
void spaceOutLineBreakMarks(std::string& recordText);

// Cuts one record text, already cleaned of code 3, into its fields by fixed markers; the fields
// are views into `recordText`. Linear in the record length whatever it holds.
FieldViews extractFieldViews(std::string_view recordText);

// The same for a record text as the loader builds it, fields copied out.
FieldSet extractFields(std::string_view recordText);

}  // namespace nickbridge
