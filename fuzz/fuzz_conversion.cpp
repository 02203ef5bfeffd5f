// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes through the loader, the field extraction and the output line, and
// through the vCard export. Besides the sanitizers it checks what must hold for every input:
// records match the file's lines, fields keep the shape their markers give them, every output
// line reads back as exactly the 21 columns it was built from, and the whole file converts into
// what its records give one by one, for a field selection each input picks. The vCard is valid
// UTF-8 with CR LF lines of at most 75 octets, unfolds into the file written without folds, and
// every value unescapes into text that escapes back the same; each card's NICKNAME gives back
// the nickname of its alias line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/alias_text.h"
#include "conversion/field_extraction.h"
#include "conversion/nickname_loader.h"
#include "conversion/output_line.h"
#include "conversion/record_conversion.h"
#include "conversion/vcard_export.h"
#include "conversion/vcard_text.h"
#include "fuzz_check.h"

namespace {

using namespace nickbridge;

using fuzzing::require;

// What the record reader must produce, counted from the raw lines: one record per non-note line,
// and the bytes each line adds (an alias line its text after 6 characters plus "|", a note
// line its text after 5 characters plus "|" and "^^").
struct LineTally {
    std::size_t records = 0;
    std::size_t bytes = 0;
};

LineTally tallyLines(std::string_view text) {
    LineTally tally;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (line.starts_with("note")) {
            tally.bytes += (line.size() > 5 ? line.size() - 5 : 0) + 3;
        } else {
            ++tally.records;
            tally.bytes += (line.size() > 6 ? line.size() - 6 : 0) + 1;
        }
        start = end + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return tally;
}

bool hasAny(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

// Splits a line of double-quoted, comma-separated columns with "" for a quote inside a value;
// fails on anything else. The strings in `columns` are reused, to spare the allocator.
bool splitQuotedColumns(std::string_view line, std::vector<std::string>& columns) {
    std::size_t count = 0;
    const auto nextColumn = [&]() -> std::string& {
        if (count == columns.size()) columns.emplace_back();
        std::string& column = columns[count++];
        column.clear();
        return column;
    };
    const auto fail = [&] {
        columns.resize(count);
        return false;
    };
    std::size_t i = 0;
    while (true) {
        if (i >= line.size() || line[i] != '"') return fail();
        std::string& column = nextColumn();
        for (++i;; ++i) {
            if (i >= line.size()) return fail();
            if (line[i] != '"') {
                column += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                column += '"';
                ++i;
            } else {
                break;
            }
        }
        ++i;
        if (i == line.size()) {
            columns.resize(count);
            return true;
        }
        if (line[i] != ',') return fail();
        ++i;
    }
}

void checkFields(const FieldSet& fields) {
    // Code 3 became a space before anything was cut out.
    for (const std::string* field : {&fields.fullName, &fields.email, &fields.phone, &fields.fax,
                                     &fields.address, &fields.notes}) {
        require(field->find('\x03') == std::string::npos, "code 3 left in a field");
    }
    // The name splits at its first space and nothing is lost.
    if (fields.fullName.find(' ') == std::string::npos) {
        require(fields.firstName == fields.fullName && fields.lastName.empty(),
                "a name without a space is not all first name");
    } else {
        require(fields.firstName.find(' ') == std::string::npos, "space in the first name");
        require(fields.firstName + " " + fields.lastName == fields.fullName,
                "first and last name do not make up the full name");
    }
    // A tag value ends at the first ">" after its tag; the notes start after the last one.
    for (const std::string* field : {&fields.phone, &fields.fax, &fields.address, &fields.notes}) {
        require(field->find('>') == std::string::npos, "\">\" inside a tag value or the notes");
    }
    // An address keeps its "@"; its ends are cut at the marker characters, spaces among them.
    if (!fields.email.empty()) {
        require(fields.email.find('@') != std::string::npos, "e-mail address without \"@\"");
        require(!hasAny(fields.email, ", |"), "separator inside the e-mail address");
    }
}

void checkLine(const std::string& line, const FieldSet& fields) {
    static std::vector<std::string> columns;
    require(splitQuotedColumns(line, columns), "output line is not quoted columns");
    require(columns.size() == 21, "output line does not have 21 columns");
    // Palm Desktop's column order; the columns not set here are always empty.
    static std::vector<std::string> expected(21);
    expected[0] = fields.lastName;
    expected[1] = fields.firstName;
    expected[5] = fields.phone;
    expected[6] = fields.fax;
    expected[8] = fields.email;
    expected[9] = fields.address;
    expected[18] = fields.notes;
    expected[19] = "0";
    expected[20] = "Eudora Nicknames";
    require(columns == expected, "output columns do not read back as the fields");
}

// What the Convert command writes for `text`, in memory. One writer serves every call: a new
// one's piece buffer is a large allocation, which the sanitizer maps, fills and unmaps each time,
// and that, once per record, was nearly all of a run's time.
std::string convertText(std::string_view text, const FieldSelection& selection) {
    static std::string* out = nullptr;
    static LineWriter writer([](std::string_view piece) {
        out->append(piece);
        return true;
    });
    std::string converted;
    out = &converted;
    convertRecords(text, selection, writer);
    writer.finish();
    return converted;
}

// The text cut into the lines of each record: a line that is not a note line and the note lines
// after it.
std::vector<std::string_view> recordTexts(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t pieceStart = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        if (start > pieceStart && !text.substr(start).starts_with("note")) {
            pieces.push_back(text.substr(pieceStart, start - pieceStart));
            pieceStart = start;
        }
        const std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    if (pieceStart < text.size()) pieces.push_back(text.substr(pieceStart));
    return pieces;
}

// Any of the 3^8 states of the boxes, picked by the input so that it always meets the same.
FieldSelection selectionFor(std::string_view text) {
    std::size_t seed = std::hash<std::string_view>{}(text);
    FieldSelection selection;
    for (const auto box : kBoxOrder) {
        selection.*box = static_cast<BoxState>(seed % 3);
        seed /= 3;
    }
    return selection;
}

// Records never leak into each other: the file converts into the concatenation of its records
// converted alone, and into the lines of the record list the loader builds.
void checkWholeFile(std::string_view text, const std::vector<std::string>& records) {
    const FieldSelection selection = selectionFor(text);
    const std::string whole = convertText(text, selection);
    std::string oneByOne;
    for (const std::string_view piece : recordTexts(text))
        oneByOne += convertText(piece, selection);
    require(whole == oneByOne, "the whole file converts otherwise than its records one by one");
    std::string lines;
    for (const std::string& record : records) {
        lines += formatOutputLine(extractFields(record), selection);
        lines += "\r\n";
    }
    require(whole == lines, "the whole file converts otherwise than its record list");
}

std::string vcardOf(std::string_view text, const FieldSelection& selection, bool fold) {
    std::string out;
    LineWriter writer([&out](std::string_view piece) {
        out += piece;
        return true;
    });
    writeVCards(text, selection, {Charset::Auto, fold}, writer);
    writer.finish();
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || text.size() - at < length) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

std::vector<std::string_view> crlfLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        require(end != std::string_view::npos, "vCard does not end in CR LF");
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The value's text without its escapes; false when it holds a backslash that escapes nothing.
bool unescape(std::string_view value, std::string& text) {
    text.clear();
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] != '\\') {
            text += value[at];
            continue;
        }
        if (++at == value.size()) return false;
        switch (value[at]) {
            case '\\':
            case ',':
            case ';':
                text += value[at];
                break;
            case 'n':
                text += '\n';
                break;
            default:
                return false;
        }
    }
    return true;
}

void checkVCard(std::string_view text, const FieldSelection& selection) {
    const std::string folded = vcardOf(text, selection, true);
    const std::string unfolded = vcardOf(text, selection, false);
    require(isValidUtf8(folded), "vCard is not valid UTF-8");
    require(folded.find("\xef\xbb\xbf") != 0, "vCard starts with a byte-order mark");
    std::string joined;
    for (const std::string_view line : crlfLines(folded)) {
        require(line.size() <= kVCardLineLimit, "vCard line over 75 octets");
        require(line.find_first_of("\r\n") == std::string_view::npos,
                "raw line break in a vCard line");
        if (line.starts_with(' ')) {
            joined += line.substr(1);
        } else {
            if (!joined.empty()) joined += "\r\n";
            joined += line;
        }
    }
    if (!joined.empty()) joined += "\r\n";
    require(joined == unfolded, "the folded vCard does not unfold into the unfolded one");

    // Every text value unescapes and escapes back the same; URLs keep their backslashes. The
    // cards come in file order, one per record that is not a blank line alone.
    RecordLineReader records(text);
    const CharDecoder decoder(resolveCharset(Charset::Auto, text));
    const auto givesACard = [&records] {
        for (const char c : records.aliasText()) {
            if (static_cast<unsigned char>(c) > 0x20) return true;
        }
        return !records.noteTexts().empty();
    };
    std::string nickname;
    bool sawNickname = false;
    std::string plain;
    std::string again;
    for (const std::string_view line : crlfLines(unfolded)) {
        const std::size_t colon = line.find(':');
        require(colon != std::string_view::npos, "vCard line without a colon");
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = line.substr(colon + 1);
        if (line == "BEGIN:VCARD") {
            bool found = false;
            while (!found && records.next()) found = givesACard();
            require(found, "more cards than records");
            nickname =
                cleanValue(splitAliasText(records.aliasText()).nickname, decoder, ValueKind::Text);
            sawNickname = false;
        } else if (line == "END:VCARD") {
            require(sawNickname || nickname.empty() || !keepsField(selection.nickname),
                    "a card without the NICKNAME of its alias line");
        }
        if (name.starts_with("URL") || name == "UID" || name == "BEGIN" || name == "END" ||
            name == "VERSION" || name == "PRODID" || name == "N" || name.starts_with("ADR")) {
            continue;
        }
        require(unescape(value, plain), "vCard value with a stray backslash");
        require(plain.find_first_of("\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0d\x0e\x0f\x7f") ==
                    std::string::npos,
                "control character in a vCard value");
        again.clear();
        appendValue(again, plain, CharDecoder(Charset::Utf8), ValueKind::Text);
        require(again == value, "vCard value does not escape back the same");
        if (name == "NICKNAME") {
            require(plain == nickname, "NICKNAME does not give back the nickname");
            sawNickname = true;
        }
    }
    while (records.next()) require(!givesACard(), "a record without its card");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> records;
    for (RecordReader reader(text); reader.next();) records.push_back(reader.record());
    // A file that passed the check starts with an alias line, so no note line is orphaned.
    if (isNicknameFile(text)) {
        const LineTally tally = tallyLines(text);
        std::size_t bytes = 0;
        for (const std::string& record : records) bytes += record.size();
        require(records.size() == tally.records, "records do not match the non-note lines");
        require(bytes == tally.bytes, "records lost or gained text");
    }

    for (const std::string& record : records) {
        const FieldSet fields = extractFields(record);
        checkFields(fields);
        checkLine(formatOutputLine(fields, FieldSelection{}), fields);
    }
    checkWholeFile(text, records);
    if (isNicknameFile(text)) checkVCard(text, selectionFor(text));
    return 0;
}
