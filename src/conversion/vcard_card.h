// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "nickname_index.h"
#include "note_tags.h"
#include "output_writer.h"
#include "selection/field_selection.h"
#include "text_charset.h"
#include "vcard_text.h"

namespace nickbridge {

class RecordLineReader;

// Builds the vCard of one nickname after another: the properties in the order importers expect,
// each escaped and folded, straight into the writer. Builders on several threads may share one
// index.
class VCardBuilder {
public:
    VCardBuilder(const FieldSelection& selection, Charset charset, bool fold,
                 const NicknameIndex& nicknames, LineWriter& out);

    // Writes the card of the nickname the reader stands on, the record numbered `recordNumber` in
    // its file (from 0); a blank alias line without notes gives none. False when the writer
    // failed.
    bool write(const RecordLineReader& record, std::size_t recordNumber);

private:
    void writeNames(const RecordLineReader& record, std::string_view nickname,
                    std::string_view addresses);
    void writeEmails(std::string_view nickname, std::string_view addresses);
    // Whether the card takes the addresses of the nickname at `place` in the index: only the
    // first time it asks (a list may name a member twice).
    bool takesMembers(std::size_t place);
    void writePhones();
    void writeAddress(std::string_view type, NoteTag street);
    void writeUid(std::string_view nickname, std::size_t record);

    // Starts a property line, in the writer's line, with its name and parameters and the ":".
    void begin(std::string_view nameAndParameters);
    // Appends one value to the line begun; true when it held anything.
    bool value(std::string_view raw, ValueKind kind = ValueKind::Text);
    // Ends the line begun, folded.
    void end();
    // Ends the line begun when `any` value held anything, else drops it.
    void endOrDrop(bool any);
    // Lines that never change and need no folding, CR LF between them.
    void fixedLines(std::string_view lines);
    // A whole property with one value; left out when the value is empty.
    void property(std::string_view nameAndParameters, std::string_view raw,
                  ValueKind kind = ValueKind::Text);
    // One property per line of `raw` (or per comma, with `commas`).
    void propertyPerLine(std::string_view nameAndParameters, std::string_view raw, bool commas,
                         ValueKind kind = ValueKind::Text);
    std::string_view tag(NoteTag which) const { return tags_[which]; }

    const FieldSelection selection_;
    const CharDecoder decoder_;
    const bool fold_;
    const NicknameIndex& nicknames_;
    LineWriter& out_;
    bool writerFailed_ = false;
    std::size_t cardNumber_ = 0;  // of the card being written, from 1
    // For each nickname, the number of the card that took its addresses last; made when a list
    // first names one.
    std::vector<std::size_t> takenBy_;

    NoteTags tags_;
    std::string line_;      // a property line too long for one physical line, unfolded
    std::string notes_;     // the NOTE: free text, then words of the address list no nickname names
    std::string fullName_;  // the FN when put together from first and last name
    std::string uidName_;   // what the UID is made from
};

}  // namespace nickbridge
