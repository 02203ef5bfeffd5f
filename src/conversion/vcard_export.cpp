// SPDX-License-Identifier: MIT
#include "vcard_export.h"

#include <memory>
#include <vector>

#include "nickname_index.h"
#include "nickname_loader.h"
#include "vcard_card.h"

namespace nickbridge {

bool writeVCards(std::string_view fileText, const FieldSelection& selection,
                 const VCardOptions& options, LineWriter& out, const WorkSplit& split) {
    // A list may name a nickname defined further down, so every nickname is known first.
    const NicknameIndex nicknames(fileText, split.partBytes);
    const Charset charset = resolveCharset(options.charset, fileText);
    const std::vector<FilePart>& parts = nicknames.parts();
    return writePartsInOrder(
        parts.size(), split.threads,
        [&](LineWriter& writer) -> PartProducer {
            auto cards =
                std::make_shared<VCardBuilder>(selection, charset, options.fold, nicknames, writer);
            return [cards, &parts](std::size_t part) {
                RecordLineReader reader(parts[part].text);
                for (std::size_t record = parts[part].firstRecord; reader.next(); ++record) {
                    if (!cards->write(reader, record)) return false;
                }
                return true;
            };
        },
        out);
}

}  // namespace nickbridge
