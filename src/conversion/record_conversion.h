// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "output_writer.h"
#include "selection/field_selection.h"

namespace nickbridge {

// Appends the output line of one record text to `out`; the record is cleaned in place first.
void appendLineFor(std::string& recordText, const FieldSelection& selection, std::string& out);

// Converts the records of a nickname file one at a time, straight into the writer: no record
// outlives its own line. False when the writer failed.
bool convertRecords(std::string_view fileText, const FieldSelection& selection, LineWriter& out);

}  // namespace nickbridge
