// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/field_list.h"
#include "nickbridge/version.h"

namespace nickbridge::cli {

namespace {

constexpr const char* kProgramName = "nickbridge-convert";

const std::vector<std::pair<std::string, OutputFormat>> kFormats{{"csv", OutputFormat::PalmCsv},
                                                                 {"vcard", OutputFormat::VCard}};
const std::vector<std::pair<std::string, Charset>> kCharsets{{"auto", Charset::Auto},
                                                             {"windows-1252", Charset::Windows1252},
                                                             {"utf-8", Charset::Utf8},
                                                             {"macintosh", Charset::Macintosh}};

// The value that goes with a name IsMember has let through.
template <typename Value>
Value valueOf(const std::vector<std::pair<std::string, Value>>& choices, const std::string& name) {
    for (const auto& choice : choices) {
        if (choice.first == name) return choice.second;
    }
    return choices.front().second;
}

// The names an option takes, in the order of `choices`.
template <typename Value>
std::vector<std::string> names(const std::vector<std::pair<std::string, Value>>& choices) {
    std::vector<std::string> all;
    all.reserve(choices.size());
    for (const auto& choice : choices) all.push_back(choice.first);
    return all;
}

// An output file named *.vcf, in any case, is a vCard.
bool namesVCard(const std::string& outputPath) {
    constexpr std::string_view kSuffix = ".vcf";
    if (outputPath.size() < kSuffix.size()) return false;
    return std::equal(
        kSuffix.begin(), kSuffix.end(), outputPath.end() - kSuffix.size(),
        [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

}  // namespace

std::variant<ConvertRequest, EarlyExit> parseCommandLine(int argc, const char* const* argv) {
    CLI::App app{
        "Converts a Eudora nickname file into a file of address records for the Palm Desktop "
        "software, or into vCard 3.0 for today's contact apps.",
        kProgramName};
    app.footer(
        "Exit status: 0 converted; 1 the source file was refused or unreadable, the output file "
        "unwritable or the nickname file itself, memory ran out, or a path empty; 2 usage "
        "error.");
    app.set_version_flag("--version", std::string(kProgramName) + " " + kVersionText);

    ConvertRequest request;
    app.add_option_function<std::string>(
           "--fields",
           [&request](const std::string& list) {
               const auto parsed = parseFieldList(list);
               if (const auto* unknown = std::get_if<UnknownField>(&parsed)) {
                   throw CLI::ValidationError("--fields",
                                              "unknown field \"" + unknown->name +
                                                  "\"; known fields: " + knownFieldNames());
               }
               request.selection = std::get<FieldSelection>(parsed);
           },
           "Fields to carry over, comma-separated, from " + knownFieldNames() +
               "; the others are left empty, and in a vCard left out (nickname changes only the "
               "vCard's NICKNAME; default: all)")
        ->type_name("LIST");
    std::string format;
    app.add_option("--format", format,
                   "What to write: csv, the Palm Desktop address file (the default), or vcard, "
                   "vCard 3.0 in UTF-8 for today's contact apps (Android, Apple, Google, "
                   "Thunderbird, Evolution, KDE). Without --format an OUTPUT ending in .vcf, in "
                   "any case, is written as vCard")
        ->transform(CLI::IsMember(names(kFormats), CLI::ignore_case))
        ->type_name("FORMAT");
    std::string charset = "auto";
    app.add_option("--charset", charset,
                   "vCard only: the code page the nickname file is read in, auto (UTF-8 when the "
                   "whole file is valid UTF-8 and holds a multi-byte character, else "
                   "windows-1252; the default), windows-1252, utf-8 or macintosh")
        ->transform(CLI::IsMember(names(kCharsets), CLI::ignore_case))
        ->type_name("NAME");
    bool noFold = false;
    app.add_flag("--no-fold", noFold,
                 "vCard only: one physical line per property, for readers that cut a value where "
                 "a long line is folded (by default lines are folded at 75 octets)");
    app.add_option("SOURCE", request.sourcePath,
                   "The Eudora nickname file; - reads it from standard input")
        ->required();
    app.add_option("OUTPUT", request.outputPath,
                   "The file to write, an existing one replaced; - writes to standard output (the "
                   "completion message then goes to standard error)")
        ->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = app.exit(e, out, err);
        return EarlyExit{code == 0 ? kExitSuccess : kExitUsage, out.str(), err.str()};
    }
    request.output.format = app.count("--format") > 0        ? valueOf(kFormats, format)
                            : namesVCard(request.outputPath) ? OutputFormat::VCard
                                                             : OutputFormat::PalmCsv;
    request.output.vcard.charset = valueOf(kCharsets, charset);
    request.output.vcard.fold = !noFold;
    // The CSV keeps the file's bytes as they are: a vCard option there is a mistake, not a no-op.
    if (request.output.format == OutputFormat::PalmCsv && (app.count("--charset") > 0 || noFold)) {
        return EarlyExit{kExitUsage,
                         {},
                         std::string(app.count("--charset") > 0 ? "--charset" : "--no-fold") +
                             " applies to vCard output only (--format vcard or an OUTPUT ending "
                             "in .vcf)\nRun with --help for more information.\n"};
    }
    return request;
}

}  // namespace nickbridge::cli
