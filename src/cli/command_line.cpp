// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <sstream>

#include "cli/exit_codes.h"
#include "cli/field_list.h"
#include "nickbridge/version.h"

namespace nickbridge::cli {

namespace {

constexpr const char* kProgramName = "nickbridge-convert";

}  // namespace

std::variant<ConvertRequest, EarlyExit> parseCommandLine(int argc, const char* const* argv) {
    CLI::App app{
        "Converts a Eudora nickname file into a file of address records for the Palm Desktop "
        "software.",
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
               "; the others are left empty (default: all)")
        ->type_name("LIST");
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
    return request;
}

}  // namespace nickbridge::cli
