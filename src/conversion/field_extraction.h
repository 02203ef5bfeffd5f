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

// The full name of a nickname without note lines: the first quoted text, else everything up to
// and including the first space (the nickname and its separator).
std::string_view nameWithoutNotes(std::string_view blob);

// A full name split at its first space: first name before it, last name after it.
struct NameParts {
    std::string_view first;
    std::string_view last;
};
NameParts splitFullName(std::string_view name);

// The same for a record text as the loader builds it, fields copied out.
FieldSet extractFields(std::string_view recordText);

}  // namespace nickbridge
