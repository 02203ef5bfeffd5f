// SPDX-License-Identifier: MIT
#include "vcard_card.h"

#include "alias_text.h"
#include "field_extraction.h"
#include "name_uuid.h"
#include "nickname_loader.h"

namespace nickbridge {
namespace {

// The lines every card starts with, as one piece.
constexpr std::string_view kCardStart =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//NickBridge//vCard export//EN";

// NickBridge's own namespace for the UIDs of its cards: a fixed random UUID, so the same
// nickname always gets the same UID and a new import replaces the old card.
constexpr Uuid kUidNamespace{0x31, 0xec, 0xaa, 0xe8, 0x9f, 0xac, 0x47, 0xc4,
                             0x81, 0x88, 0xad, 0x5e, 0x56, 0x30, 0x09, 0xae};

bool isBlankText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 0x20) return false;
    }
    return true;
}

// The first mailbox of an address list; empty when it names none.
std::string_view firstMailbox(std::string_view addresses) {
    for (std::size_t from = 0; from < addresses.size();) {
        const std::size_t end = entryEnd(addresses, from);
        const AddressEntry entry = readAddressEntry(addresses.substr(from, end - from));
        if (entry.isMailbox && !entry.text.empty()) return entry.text;
        from = end + 1;
    }
    return {};
}

}  // namespace

VCardBuilder::VCardBuilder(const FieldSelection& selection, Charset charset, bool fold,
                           const NicknameIndex& nicknames, LineWriter& out)
    : selection_(selection), decoder_(charset), fold_(fold), nicknames_(nicknames), out_(out) {}

void VCardBuilder::begin(std::string_view nameAndParameters) {
    std::string& line = out_.line();
    line += nameAndParameters;
    line += ':';
}

bool VCardBuilder::value(std::string_view raw, ValueKind kind) {
    return appendValue(out_.line(), raw, decoder_, kind);
}

void VCardBuilder::end() {
    if (writerFailed_) {
        out_.dropLine();
        return;
    }
    if (out_.lineSoFar().size() > kVCardLineLimit) {
        // Only a line too long for one physical line can need folding (or, unfolded on request,
        // goes back as it was); folded from a copy, as folding in place would move the rest of
        // the line at every fold.
        line_.assign(out_.lineSoFar());
        out_.dropLine();
        appendFolded(out_.line(), line_, fold_);
    }
    writerFailed_ = !out_.endLine();
}

void VCardBuilder::fixedLines(std::string_view lines) {
    if (writerFailed_) return;
    out_.line() += lines;
    writerFailed_ = !out_.endLine();
}

void VCardBuilder::property(std::string_view nameAndParameters, std::string_view raw,
                            ValueKind kind) {
    if (raw.empty()) return;  // most tags a note could hold are absent
    begin(nameAndParameters);
    endOrDrop(value(raw, kind));
}

void VCardBuilder::endOrDrop(bool any) {
    if (any) {
        end();
    } else {
        out_.dropLine();
    }
}

void VCardBuilder::propertyPerLine(std::string_view nameAndParameters, std::string_view raw,
                                   bool commas, ValueKind kind) {
    const auto isSeparator = [commas](char c) {
        return c == '\x03' || c == '\n' || c == '\r' || (commas && c == ',');
    };
    std::size_t from = 0;
    for (std::size_t at = 0; at <= raw.size(); ++at) {
        if (at == raw.size() || isSeparator(raw[at])) {
            property(nameAndParameters, raw.substr(from, at - from), kind);
            from = at + 1;
        }
    }
}

bool VCardBuilder::write(const RecordLineReader& record, std::size_t recordNumber) {
    const AliasParts alias = splitAliasText(record.aliasText());
    if (isBlankText(record.aliasText()) && record.noteTexts().empty()) return true;
    ++cardNumber_;

    tags_.clear();
    notes_.clear();
    for (const std::string_view note : record.noteTexts()) tags_.read(afterNickname(note), notes_);

    fixedLines(kCardStart);
    writeNames(record, alias.nickname, alias.addresses);
    if (keepsField(selection_.nickname)) property("NICKNAME", alias.nickname);
    writeEmails(alias.nickname, alias.addresses);
    writePhones();
    if (keepsField(selection_.postalAddress)) {
        writeAddress("ADR;TYPE=HOME", NoteTag::Address);
        writeAddress("ADR;TYPE=WORK", NoteTag::Address2);
    }
    property("ORG", tag(NoteTag::Company));
    property("TITLE", tag(NoteTag::Title));
    property("URL;TYPE=HOME", tag(NoteTag::Web), ValueKind::Uri);
    property("URL;TYPE=WORK", tag(NoteTag::Web2), ValueKind::Uri);
    propertyPerLine("URL", tag(NoteTag::OtherWeb), false, ValueKind::Uri);
    if (keepsField(selection_.notes)) property("NOTE", notes_);
    writeUid(alias.nickname, recordNumber);
    fixedLines("END:VCARD");
    return !writerFailed_;
}

void VCardBuilder::writeNames(const RecordLineReader& record, std::string_view nickname,
                              std::string_view addresses) {
    // The CSV's name when the notes name no one: the quoted text of the alias line, else its
    // nickname.
    const std::string_view name = tags_.has(NoteTag::Name) ? tag(NoteTag::Name)
                                  : record.noteTexts().empty()
                                      ? nameWithoutNotes(record.aliasText())
                                      : std::string_view{};
    NameParts parts = splitFullName(name);
    if (tags_.has(NoteTag::First) || tags_.has(NoteTag::Last)) {
        parts = {tag(NoteTag::First), tag(NoteTag::Last)};
    }
    if (!keepsName(selection_.firstName)) parts.first = {};
    if (!keepsName(selection_.lastName)) parts.last = {};

    fullName_.clear();
    fullName_ += parts.first;
    if (!isBlankText(parts.first) && !isBlankText(parts.last)) fullName_ += ' ';
    fullName_ += parts.last;
    const bool wholeName = keepsName(selection_.firstName) && keepsName(selection_.lastName);
    // FN must be there: the name, else first and last, else the nickname, else the first address.
    begin("FN");
    if (!(wholeName && value(name)) && !value(fullName_) && !value(nickname)) {
        value(firstMailbox(addresses));
    }
    end();

    begin("N");
    value(parts.last);
    out_.line() += ';';
    value(parts.first);
    out_.line() += ";;;";
    end();
}

void VCardBuilder::writeEmails(std::string_view nickname, std::string_view addresses) {
    if (!keepsField(selection_.email)) return;
    bool wordsNoted = false;
    forEachAddress(addresses, [&](const AddressEntry& entry) {
        if (entry.isMailbox) {
            property("EMAIL;TYPE=INTERNET", entry.text);
        } else if (NicknameIndex::sameNickname(entry.text, nickname)) {
            // A list naming itself adds nothing.
        } else if (const std::size_t place = nicknames_.placeOf(entry.text);
                   place == NicknameIndex::kNotDefined) {
            // Words no nickname names are kept in the note rather than lost.
            notes_ += wordsNoted ? ", " : notes_.empty() ? "" : "\n";
            notes_ += entry.text;
            wordsNoted = true;
        } else if (takesMembers(place)) {
            // One level: the member's own mailboxes, never the nicknames it names in turn.
            forEachAddress(nicknames_.addressesAt(place), [&](const AddressEntry& member) {
                if (member.isMailbox) property("EMAIL;TYPE=INTERNET", member.text);
            });
        }
    });
    propertyPerLine("EMAIL;TYPE=INTERNET", tag(NoteTag::OtherEmail), true);
}

bool VCardBuilder::takesMembers(std::size_t place) {
    if (takenBy_.empty()) takenBy_.resize(nicknames_.size());
    if (takenBy_[place] == cardNumber_) return false;
    takenBy_[place] = cardNumber_;
    return true;
}

void VCardBuilder::writePhones() {
    if (keepsField(selection_.phone)) {
        property("TEL;TYPE=HOME,VOICE", tag(NoteTag::Phone));
        property("TEL;TYPE=WORK,VOICE", tag(NoteTag::Phone2));
    }
    // FAX first: readers that take the first type would file "HOME,FAX" as the home phone.
    if (keepsField(selection_.fax)) {
        property("TEL;TYPE=FAX,HOME", tag(NoteTag::Fax));
        property("TEL;TYPE=FAX,WORK", tag(NoteTag::Fax2));
    }
    if (keepsField(selection_.phone)) {
        property("TEL;TYPE=CELL", tag(NoteTag::Mobile));
        property("TEL;TYPE=CELL,WORK", tag(NoteTag::Mobile2));
        propertyPerLine("TEL;TYPE=VOICE", tag(NoteTag::OtherPhone), false);
    }
}

void VCardBuilder::writeAddress(std::string_view type, NoteTag street) {
    // Street, city, state, zip and country follow each other in NoteTag, for both sides.
    const auto part = [street](std::size_t offset) {
        return static_cast<NoteTag>(static_cast<std::size_t>(street) + offset);
    };
    begin(type);
    out_.line() += ";;";
    bool any = value(tag(street));
    for (std::size_t offset = 1; offset <= 4; ++offset) {
        out_.line() += ';';
        any = value(tag(part(offset))) || any;
    }
    endOrDrop(any);
}

void VCardBuilder::writeUid(std::string_view nickname, std::size_t record) {
    // A nickname's later alias lines hash "#2", "#3"…, so no two cards of a file share a UID.
    uidName_.clear();
    appendClean(uidName_, nickname, decoder_);
    if (const std::uint32_t ordinal = nicknames_.ordinalOf(record); ordinal > 1) {
        uidName_ += '#';
        uidName_ += std::to_string(ordinal);
    }
    begin("UID");
    out_.line() += "urn:uuid:";
    appendNameBasedUuid(out_.line(), kUidNamespace, uidName_);
    end();
}

}  // namespace nickbridge
