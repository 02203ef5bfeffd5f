// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes through the loader, the field extraction and the output line, and
// through the vCard export. Besides the sanitizers it checks what must hold for every input:
// records match the file's lines, fields keep the shape their markers give them, every output
// line reads back as exactly the 21 columns it was built from, and the whole file converts into
// what its records give one by one, for a field selection each input picks. The vCard is valid
// UTF-8 with CR LF lines of at most 75 octets, unfolds into the file written without folds, and
// every value unescapes into text that escapes back the same; each card's NICKNAME gives back
// the nickname of its alias line; made in parts on two threads, it is the same bytes. The costlier
// checks run on a share of the inputs each (Plan below), every buffer is reused from run to run,
// output checked only against other text is compared as it is written instead of copied, and the
// scans of the output look at a word of eight bytes at a time where they can, so that a run on a
// file of tens of kB takes milliseconds under the sanitizers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Compared a byte at a time, for prefixes known when compiled: through memcmp, every mismatch
// would also be handed to the fuzzer's comparison hook, which costs more than the comparison.
constexpr bool startsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i]) return false;
    }
    return true;
}

// Takes `prefix` off the front of `text`; false, leaving `text` as it was, when it is not there.
bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}
bool consume(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// Eight bytes looked at in one step, for the scans over the whole output: under the sanitizers
// and the coverage counters every step of a loop costs several checks.
using Word = std::uint64_t;
constexpr Word kEveryByte = 0x0101010101010101;
constexpr Word kHighBits = 0x8080808080808080;
constexpr std::size_t kWordSize = sizeof(Word);

Word wordAt(std::string_view text, std::size_t at) {
    Word word;
    std::memcpy(&word, text.data() + at, kWordSize);
    return word;
}
// Whether some byte of `word` is below `limit`, which is at most 0x80.
constexpr bool hasByteBelow(Word word, unsigned limit) {
    return ((word - kEveryByte * limit) & ~word & kHighBits) != 0;
}

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
        if (startsWith(line, "note")) {
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

// Whether `line` is exactly `columns`, each between double quotes with "" for a quote inside and
// commas between them: the one way to write them, so exactly the line that reads back as these
// columns. Compared in place, a run of text at a time, with no column copied out.
bool isQuotedColumns(std::string_view line, const std::array<std::string_view, 21>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if ((i > 0 && !consume(line, ',')) || !consume(line, '"')) return false;
        std::string_view value = columns[i];
        for (std::size_t quote; (quote = value.find('"')) != npos; value.remove_prefix(quote + 1)) {
            if (!consume(line, value.substr(0, quote + 1)) || !consume(line, '"')) return false;
        }
        if (!consume(line, value) || !consume(line, '"')) return false;
    }
    return line.empty();
}

void checkLine(std::string_view line, const FieldViews& fields) {
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
    if (isQuotedColumns(line, expected)) return;
    // Only a line that fails is taken apart, to tell what is wrong with it.
    static std::vector<std::string> columns;
    require(splitQuotedColumns(line, columns), "output line is not quoted columns");
    require(columns.size() == 21, "output line does not have 21 columns");
    require(std::equal(columns.begin(), columns.end(), expected.begin()),
            "output columns do not read back as the fields");
    require(false, "output line reads back as the fields but is not written the one way");
}

// Where a writer's pieces go: appended to a string, or compared with the text they must make up,
// so that output checked only against other text is never copied.
class PieceTarget {
public:
    static PieceTarget appendingTo(std::string& out) {
        PieceTarget target;
        target.out_ = &out;
        return target;
    }
    static PieceTarget comparedWith(std::string_view expected) {
        PieceTarget target;
        target.expected_ = expected;
        return target;
    }

    void take(std::string_view piece) {
        if (out_ != nullptr) {
            out_->append(piece);
        } else if (same_ && expected_.substr(matched_).starts_with(piece)) {
            matched_ += piece.size();
        } else {
            same_ = false;
        }
    }
    // Whether the pieces so far make up all of the expected text.
    bool gaveExpected() const { return same_ && matched_ == expected_.size(); }

private:
    std::string* out_ = nullptr;
    std::string_view expected_;
    std::size_t matched_ = 0;
    bool same_ = true;
};

// A writer whose pieces go to `target`. One writer serves every call: a new one's piece buffer is
// a large allocation, which the sanitizer maps, fills and unmaps each time, and that, once per
// record, was nearly all of a run's time.
LineWriter& writerInto(PieceTarget& target) {
    static PieceTarget* current = nullptr;
    static LineWriter writer([](std::string_view piece) {
        current->take(piece);
        return true;
    });
    current = &target;
    return writer;
}

// Gives `target` what the Convert command writes for `text`.
void convertInto(PieceTarget& target, std::string_view text, const FieldSelection& selection) {
    LineWriter& writer = writerInto(target);
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
        if (start > pieceStart && !startsWith(text.substr(start), "note")) {
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
    bool inParts = false;       // the vCard made in parts on two threads against the whole one
    std::size_t partBytes = 0;  // for inParts
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
    plan.inParts = (seed & 10) == 10;
    plan.partBytes = 1 + (seed >> 4) % 8192;
    return plan;
}

// Records never leak into each other: the file converts into `lines`, the lines of the record
// list the loader builds, and (with `recordsAlone`) into the concatenation of its records
// converted alone.
void checkWholeFile(std::string_view text, const Plan& plan, std::string_view lines) {
    PieceTarget whole = PieceTarget::comparedWith(lines);
    convertInto(whole, text, plan.selection);
    require(whole.gaveExpected(), "the whole file converts otherwise than its record list");
    if (!plan.recordsAlone) return;
    PieceTarget oneByOne = PieceTarget::comparedWith(lines);
    forEachRecordText(text, [&plan, &oneByOne](std::string_view piece) {
        convertInto(oneByOne, piece, plan.selection);
    });
    require(oneByOne.gaveExpected(),
            "the whole file converts otherwise than its records one by one");
}

// Gives `target` the vCard of `text`.
void writeVCardText(PieceTarget& target, std::string_view text, const FieldSelection& selection,
                    bool fold, const WorkSplit& split = {}) {
    LineWriter& writer = writerInto(target);
    writeVCards(text, selection, {Charset::Auto, fold}, writer, split);
    writer.finish();
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        // Runs of ASCII, most of a vCard, eight bytes at a time.
        while (text.size() - at >= kWordSize && (wordAt(text, at) & kHighBits) == 0) {
            at += kWordSize;
        }
        if (at == text.size()) break;
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

// Walks the lines of a vCard, each of which must end in CR LF and hold no other CR or LF.
class CrlfLines {
public:
    explicit CrlfLines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find('\r');
        require(end != npos && end + 1 < rest_.size(), "vCard does not end in CR LF");
        require(rest_[end + 1] == '\n', "raw line break in a vCard line");
        line = rest_.substr(0, end);
        require(line.find('\n') == npos, "raw line break in a vCard line");
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

constexpr ByteSet kStrayControls("\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0d\x0e\x0f\x7f");

// Whether `text` holds one of kStrayControls, all of them below 0x10 or 0x7F: a word holding
// neither kind of byte is passed over whole.
bool hasStrayControl(std::string_view text) {
    std::size_t at = 0;
    for (; text.size() - at >= kWordSize; at += kWordSize) {
        const Word word = wordAt(text, at);
        if ((hasByteBelow(word, 0x10) || hasByteBelow(word ^ (kEveryByte * 0x7F), 1)) &&
            kStrayControls.anyIn(text.substr(at, kWordSize))) {
            return true;
        }
    }
    return kStrayControls.anyIn(text.substr(at));
}

void checkVCard(std::string_view text, const Plan& plan) {
    const FieldSelection& selection = plan.selection;
    static std::string folded;
    static std::string joined;  // the folded vCard unfolded
    folded.clear();
    PieceTarget intoFolded = PieceTarget::appendingTo(folded);
    writeVCardText(intoFolded, text, selection, true);
    require(isValidUtf8(folded), "vCard is not valid UTF-8");
    require(!folded.starts_with("\xef\xbb\xbf"), "vCard starts with a byte-order mark");
    joined.clear();
    std::string_view line;
    for (CrlfLines lines(folded); lines.next(line);) {
        require(line.size() <= kVCardLineLimit, "vCard line over 75 octets");
        if (line.starts_with(' ')) {
            joined += line.substr(1);
        } else {
            if (!joined.empty()) joined += "\r\n";
            joined += line;
        }
    }
    if (!joined.empty()) joined += "\r\n";
    if (plan.inParts) {
        PieceTarget inParts = PieceTarget::comparedWith(folded);
        writeVCardText(inParts, text, selection, true, {plan.partBytes, 2});
        require(inParts.gaveExpected(), "the vCard made in parts differs from the one made whole");
    }
    if (plan.unfoldedToo) {
        PieceTarget unfolded = PieceTarget::comparedWith(joined);
        writeVCardText(unfolded, text, selection, false);
        require(unfolded.gaveExpected(), "the folded vCard does not unfold into the unfolded one");
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
        if (startsWith(name, "URL") || name == "UID" || name == "BEGIN" || name == "END" ||
            name == "VERSION" || name == "PRODID" || name == "N" || startsWith(name, "ADR")) {
            continue;
        }
        require(unescape(value, plain), "vCard value with a stray backslash");
        require(!hasStrayControl(plain), "control character in a vCard value");
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

// The address sanitizer checks the whole range memrchr is given, not the bytes up to the match
// it stops at, so the walk back over the "<" of a long record checked its text once per "<". The
// link (fuzz/CMakeLists.txt) sends the conversion's memrchr here, which hands a long range on in
// windows from its end, each twice as long as the one before: the sanitizer checks at most twice
// the bytes read plus 4 KiB, in a few calls, and the walk stays linear.
extern "C" void* __real_memrchr(const void* bytes, int c, std::size_t size);
extern "C" void* __wrap_memrchr(const void* bytes, int c, std::size_t size);

namespace {

// The shortcuts above against what they stand for, once before fuzzing: a fault in one would
// pass bad output or fail good output without a word.
void checkShortcuts() {
    struct Case {
        std::string_view text;
        bool holds;
    };
    constexpr std::array<Case, 5> kStray{{
        {"tabs\tand\nline breaks", false},  // allowed low bytes in a word looked at closely
        {"seven b\x01 after", true},        // inside a whole word
        {"seven b\x0f; then", true},        // the highest low one
        {"seven b\x7f; then", true},        // DEL
        {"eight by\x0b", true},             // after the last whole word
    }};
    for (const auto& [text, holds] : kStray) {
        require(hasStrayControl(text) == holds, "stray control test case");
    }
    constexpr std::array<Case, 3> kUtf8{{
        {"ASCII words\xc3\xa9 and more", true},  // a character after a word of ASCII
        {"bad \xff in a word", false},           // a word with a high byte is looked at
        {"truncated \xc3", false},               // at the very end
    }};
    for (const auto& [text, holds] : kUtf8) require(isValidUtf8(text) == holds, "UTF-8 test case");

    std::array<std::string_view, 21> columns{};
    columns[0] = "a\"b";
    columns[19] = "0";
    columns[20] = "Eudora Nicknames";
    std::string rest;
    for (int i = 1; i < 19; ++i) rest += R"(,"")";
    rest += R"(,"0","Eudora Nicknames")";
    struct LineCase {
        std::string line;
        bool holds;
    };
    const std::array<LineCase, 4> kLines{{
        {R"("a""b")" + rest, true},
        {R"("a"b")" + rest, false},             // a quote not doubled
        {R"("a""b")" + rest.substr(3), false},  // a column missing
        {R"("a""b")" + rest + ",", false},      // more after the last column
    }};
    for (const auto& [line, holds] : kLines) {
        require(isQuotedColumns(line, columns) == holds, "quoted columns test case");
    }

    struct Search {
        std::size_t size;
        std::array<std::size_t, 2> marks;  // where "<" stands (npos: nowhere)
        std::size_t found;
    };
    constexpr std::array<Search, 5> kSearches{{
        {0, {npos, npos}, npos},
        {10000, {100, 9000}, 9000},  // the last one
        {10000, {100, npos}, 100},   // beyond the first window
        {10000, {0, npos}, 0},       // the very first byte
        {10000, {npos, npos}, npos},
    }};
    for (const auto& [size, marks, found] : kSearches) {
        std::string text(size, 'x');
        for (const std::size_t at : marks) {
            if (at != npos) text[at] = '<';
        }
        const void* const at = __wrap_memrchr(text.data(), '<', size);
        require(at == (found == npos ? nullptr : text.data() + found), "memrchr test case");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    checkShortcuts();
    return 0;
}

extern "C" void* __wrap_memrchr(const void* bytes, int c, std::size_t size) {
    const auto* const begin = static_cast<const char*>(bytes);
    for (std::size_t end = size, window = 4096; end > 0; window *= 2) {
        const std::size_t taken = end < window ? end : window;
        end -= taken;
        if (void* const found = __real_memrchr(begin + end, c, taken)) return found;
    }
    return nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Plan plan = planFor(text);
    // One pass over the records: each one's fields are checked, and its line for the input's
    // selection kept for the whole-file check.
    static std::string lines;
    lines.clear();
    std::size_t records = 0;
    std::size_t bytes = 0;
    // The reader builds its records in a buffer kept from run to run, not grown afresh each time.
    static std::string recordBuffer;
    RecordReader reader(text);
    reader.record().swap(recordBuffer);
    while (reader.next()) {
        ++records;
        bytes += reader.record().size();
        // The fields are cut from the record cleaned in place, as the conversion does.
        std::string& cleaned = reader.record();
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
    recordBuffer.swap(reader.record());
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
