// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes through the loader, the field extraction and the output line, and
// through the vCard export. Besides the sanitizers it checks what must hold for every input:
// records match the file's lines, fields keep the shape their markers give them, every output
// line reads back as exactly the 21 columns it was built from, and the whole file converts into
// what its records give one by one, for a field selection each input picks. The vCard is valid
// UTF-8 with CR LF lines of at most 75 octets, unfolds into the file written without folds, and
// every value unescapes into text that escapes back the same; each card's NICKNAME gives back
// the nickname of its alias line. The costlier checks run on a share of the inputs each (Plan
// below), and every buffer is reused from run to run, so that a run on a file of tens of kB
// takes milliseconds under the sanitizers.
#include <algorithm>
#include <array>
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

constexpr auto npos = std::string_view::npos;

// A set of bytes looked up in one step: the checks for stray characters look at every byte of
// the output once, not once per character they look for.
class ByteSet {
public:
    constexpr explicit ByteSet(std::string_view members) {
        for (const char c : members) has_[static_cast<unsigned char>(c)] = true;
    }
    bool anyIn(std::string_view text) const {
        for (const char c : text) {
            if (has_[static_cast<unsigned char>(c)]) return true;
        }
        return false;
    }

private:
    std::array<bool, 256> has_{};
};

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
        if (end == npos) end = text.size();
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

// Splits a line of double-quoted, comma-separated columns with "" for a quote inside a value;
// fails on anything else. The strings in `columns` are reused, to spare the allocator, and the
// text between quotes is copied a run at a time.
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
        for (++i;;) {
            const std::size_t quote = line.find('"', i);
            if (quote == npos) return fail();
            column += line.substr(i, quote - i);
            i = quote + 1;
            if (i >= line.size() || line[i] != '"') break;
            column += '"';
            ++i;
        }
        if (i == line.size()) {
            columns.resize(count);
            return true;
        }
        if (line[i] != ',') return fail();
        ++i;
    }
}

constexpr ByteSet kEmailSeparators(", |");

void checkFields(const FieldViews& fields) {
    // Code 3 became a space before anything was cut out.
    for (const std::string_view field :
         {fields.fullName, fields.email, fields.phone, fields.fax, fields.address, fields.notes}) {
        require(field.find('\x03') == npos, "code 3 left in a field");
    }
    // The name splits at its first space and nothing is lost.
    const std::string_view full = fields.fullName;
    if (full.find(' ') == npos) {
        require(fields.firstName == full && fields.lastName.empty(),
                "a name without a space is not all first name");
    } else {
        require(fields.firstName.find(' ') == npos, "space in the first name");
        const std::size_t first = fields.firstName.size();
        require(full.size() == first + 1 + fields.lastName.size() &&
                    full.starts_with(fields.firstName) && full[first] == ' ' &&
                    full.ends_with(fields.lastName),
                "first and last name do not make up the full name");
    }
    // A tag value ends at the first ">" after its tag; the notes start after the last one.
    for (const std::string_view field : {fields.phone, fields.fax, fields.address, fields.notes}) {
        require(field.find('>') == npos, "\">\" inside a tag value or the notes");
    }
    // An address keeps its "@"; its ends are cut at the marker characters, spaces among them.
    if (!fields.email.empty()) {
        require(fields.email.find('@') != npos, "e-mail address without \"@\"");
        require(!kEmailSeparators.anyIn(fields.email), "separator inside the e-mail address");
    }
}

void checkLine(std::string_view line, const FieldViews& fields) {
    static std::vector<std::string> columns;
    require(splitQuotedColumns(line, columns), "output line is not quoted columns");
    require(columns.size() == 21, "output line does not have 21 columns");
    // Palm Desktop's column order; the columns not set here are always empty.
    std::array<std::string_view, 21> expected{};
    expected[0] = fields.lastName;
    expected[1] = fields.firstName;
    expected[5] = fields.phone;
    expected[6] = fields.fax;
    expected[8] = fields.email;
    expected[9] = fields.address;
    expected[18] = fields.notes;
    expected[19] = "0";
    expected[20] = "Eudora Nicknames";
    require(std::equal(columns.begin(), columns.end(), expected.begin()),
            "output columns do not read back as the fields");
}

// A writer whose pieces are appended to `out`. One writer serves every call: a new one's piece
// buffer is a large allocation, which the sanitizer maps, fills and unmaps each time, and that,
// once per record, was nearly all of a run's time.
LineWriter& writerInto(std::string& out) {
    static std::string* target = nullptr;
    static LineWriter writer([](std::string_view piece) {
        target->append(piece);
        return true;
    });
    target = &out;
    return writer;
}

// Appends what the Convert command writes for `text` to `out`, in memory.
void appendConverted(std::string& out, std::string_view text, const FieldSelection& selection) {
    LineWriter& writer = writerInto(out);
    convertRecords(text, selection, writer);
    writer.finish();
}

// Calls `take` with the lines of each record of the text: a line that is not a note line and
// the note lines after it.
template <typename Take>
void forEachRecordText(std::string_view text, Take&& take) {
    std::size_t pieceStart = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        if (start > pieceStart && !text.substr(start).starts_with("note")) {
            take(text.substr(pieceStart, start - pieceStart));
            pieceStart = start;
        }
        const std::size_t end = text.find('\r', start);
        if (end == npos) break;
        start = end + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    if (pieceStart < text.size()) take(text.substr(pieceStart));
}

// What one input is converted with and which of the costlier checks it gets, all picked by the
// input's hash so that it always meets the same. Every input gets the record and whole-file
// checks of the CSV; half of them, independently, the records converted alone too. Half the
// nickname files get the vCard and every check of it; half of those the vCard written unfolded
// too. So each check runs on at least a quarter of the inputs, and a run converts the input about
// three times on average instead of six.
struct Plan {
    FieldSelection selection;   // any of the 3^8 states of the boxes
    bool recordsAlone = false;  // the whole file against its records converted one by one
    bool vcard = false;         // the vCard export and its checks
    bool unfoldedToo = false;   // the vCard written unfolded against the folded one unfolded
};

Plan planFor(std::string_view text) {
    std::size_t seed = std::hash<std::string_view>{}(text);
    Plan plan;
    for (const auto box : kBoxOrder) {
        plan.selection.*box = static_cast<BoxState>(seed % 3);
        seed /= 3;
    }
    plan.recordsAlone = (seed & 1) != 0;
    plan.vcard = (seed & 2) != 0;
    plan.unfoldedToo = (seed & 6) == 6;
    return plan;
}

// Records never leak into each other: the file converts into `lines`, the lines of the record
// list the loader builds, and (with `recordsAlone`) into the concatenation of its records
// converted alone.
void checkWholeFile(std::string_view text, const Plan& plan, const std::string& lines) {
    static std::string whole;
    whole.clear();
    appendConverted(whole, text, plan.selection);
    require(whole == lines, "the whole file converts otherwise than its record list");
    if (!plan.recordsAlone) return;
    static std::string oneByOne;
    oneByOne.clear();
    forEachRecordText(text, [&plan](std::string_view piece) {
        appendConverted(oneByOne, piece, plan.selection);
    });
    require(whole == oneByOne, "the whole file converts otherwise than its records one by one");
}

// The vCard of `text` into `out`, which is cleared first.
void writeVCardText(std::string& out, std::string_view text, const FieldSelection& selection,
                    bool fold) {
    out.clear();
    LineWriter& writer = writerInto(out);
    writeVCards(text, selection, {Charset::Auto, fold}, writer);
    writer.finish();
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

// Walks the lines of a vCard, each of which must end in CR LF.
class CrlfLines {
public:
    explicit CrlfLines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find("\r\n");
        require(end != npos, "vCard does not end in CR LF");
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 2);
        return true;
    }

private:
    std::string_view rest_;
};

// The value's text without its escapes; false when it holds a backslash that escapes nothing.
bool unescape(std::string_view value, std::string& text) {
    text.clear();
    for (std::size_t at = 0;;) {
        const std::size_t backslash = value.find('\\', at);
        text += value.substr(at, backslash == npos ? npos : backslash - at);
        if (backslash == npos) return true;
        at = backslash + 1;
        if (at == value.size()) return false;
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
        ++at;
    }
}

constexpr ByteSet kLineBreaks("\r\n");
constexpr ByteSet kStrayControls("\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0d\x0e\x0f\x7f");

void checkVCard(std::string_view text, const Plan& plan) {
    const FieldSelection& selection = plan.selection;
    static std::string folded;
    static std::string joined;  // the folded vCard unfolded
    writeVCardText(folded, text, selection, true);
    require(isValidUtf8(folded), "vCard is not valid UTF-8");
    require(!folded.starts_with("\xef\xbb\xbf"), "vCard starts with a byte-order mark");
    joined.clear();
    std::string_view line;
    for (CrlfLines lines(folded); lines.next(line);) {
        require(line.size() <= kVCardLineLimit, "vCard line over 75 octets");
        require(!kLineBreaks.anyIn(line), "raw line break in a vCard line");
        if (line.starts_with(' ')) {
            joined += line.substr(1);
        } else {
            if (!joined.empty()) joined += "\r\n";
            joined += line;
        }
    }
    if (!joined.empty()) joined += "\r\n";
    if (plan.unfoldedToo) {
        static std::string unfolded;
        writeVCardText(unfolded, text, selection, false);
        require(joined == unfolded, "the folded vCard does not unfold into the unfolded one");
    }

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
    static std::string nickname;
    static std::string plain;
    static std::string again;
    bool sawNickname = false;
    for (CrlfLines lines(joined); lines.next(line);) {
        const std::size_t colon = line.find(':');
        require(colon != npos, "vCard line without a colon");
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = line.substr(colon + 1);
        if (line == "BEGIN:VCARD") {
            bool found = false;
            while (!found && records.next()) found = givesACard();
            require(found, "more cards than records");
            nickname.clear();
            appendClean(nickname, splitAliasText(records.aliasText()).nickname, decoder,
                        ValueKind::Text);
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
        require(!kStrayControls.anyIn(plain), "control character in a vCard value");
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
    const Plan plan = planFor(text);
    // One pass over the records: each one's fields are checked, and its line for the input's
    // selection kept for the whole-file check.
    static std::string lines;
    lines.clear();
    std::size_t records = 0;
    std::size_t bytes = 0;
    for (RecordReader reader(text); reader.next();) {
        ++records;
        bytes += reader.record().size();
        // The fields are cut from a cleaned copy, as the record list gives them, so the record
        // itself stays as the loader built it.
        static std::string cleaned;
        cleaned = reader.record();
        spaceOutLineBreakMarks(cleaned);
        const FieldViews fields = extractFieldViews(cleaned);
        checkFields(fields);
        static std::string line;
        line.clear();
        appendOutputLine(line, fields, FieldSelection{});
        checkLine(line, fields);
        appendOutputLine(lines, fields, plan.selection);
        lines += "\r\n";
    }
    // A file that passed the check starts with an alias line, so no note line is orphaned.
    if (isNicknameFile(text)) {
        const LineTally tally = tallyLines(text);
        require(records == tally.records, "records do not match the non-note lines");
        require(bytes == tally.bytes, "records lost or gained text");
    }
    checkWholeFile(text, plan, lines);
    if (plan.vcard && isNicknameFile(text)) checkVCard(text, plan);
    return 0;
}
