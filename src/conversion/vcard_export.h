// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "ordered_parts.h"
#include "output_writer.h"
#include "selection/field_selection.h"
#include "text_charset.h"

namespace nickbridge {

// How the vCard is written: the code page the nickname file is read in, and whether long lines
// are folded (some readers cut a value at a fold).
struct VCardOptions {
    Charset charset = Charset::Auto;
    bool fold = true;

    bool operator==(const VCardOptions&) const = default;
};

// Writes one vCard 3.0 per nickname of `fileText`, in file order, into the writer: UTF-8
// without a byte-order mark, CR LF line ends. The field boxes keep their meaning: a box that
// leaves its field out leaves its properties out. A large file's cards are made on several
// threads, as `split` shares them out, with the same bytes as on one. Linear in the file whatever
// it holds. False when the writer failed.
bool writeVCards(std::string_view fileText, const FieldSelection& selection,
                 const VCardOptions& options, LineWriter& out, const WorkSplit& split = {});

}  // namespace nickbridge
