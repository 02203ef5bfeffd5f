// SPDX-License-Identifier: MIT
#include "record_conversion.h"

#include "field_extraction.h"
#include "nickname_loader.h"
#include "output_line.h"

namespace nickbridge {

void appendLineFor(std::string& recordText, const FieldSelection& selection, std::string& out) {
    spaceOutLineBreakMarks(recordText);
    appendOutputLine(out, extractFieldViews(recordText), selection);
}

bool convertRecords(std::string_view fileText, const FieldSelection& selection, LineWriter& out) {
    RecordReader reader(fileText);
    while (reader.next()) {
        appendLineFor(reader.record(), selection, out.line());
        if (!out.endLine()) return false;
    }
    return true;
}

}  // namespace nickbridge
