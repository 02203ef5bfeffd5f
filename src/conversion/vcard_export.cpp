// SPDX-License-Identifier: MIT
#include "vcard_export.h"

#include "nickname_index.h"
#include "nickname_loader.h"
#include "vcard_card.h"

namespace nickbridge {

bool writeVCards(std::string_view fileText, const FieldSelection& selection,
                 const VCardOptions& options, LineWriter& out) {
    // A list may name a nickname defined further down, so every nickname is known first.
    NicknameIndex nicknames(fileText);
    VCardBuilder cards(selection, resolveCharset(options.charset, fileText), options.fold,
                       nicknames, out);
    RecordLineReader reader(fileText);
    while (reader.next()) {
        if (!cards.write(reader)) return false;
    }
    return true;
}

}  // namespace nickbridge
