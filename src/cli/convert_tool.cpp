// SPDX-License-Identifier: MIT
#include "cli/convert_tool.h"

#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/console_report.h"
#include "cli/exit_codes.h"
#include "conversion/convert_command.h"

namespace nickbridge::cli {

int runConvertTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const auto parsed = parseCommandLine(argc, argv);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        out << early->out << std::flush;
        err << early->err << std::flush;
        return early->exitCode;
    }
    const auto& request = std::get<ConvertRequest>(parsed);
    ConsoleReport report(out, err);
    std::vector<std::string> records;
    const int code = exitCodeFor(runConvertCommand(request.sourcePath, request.outputPath,
                                                   request.selection, records, report));
    // Like any Unix tool: a script must not take a lost completion message for success.
    if (code == kExitSuccess && !out) {
        err << "Cannot write to standard output\n" << std::flush;
        return kExitFailed;
    }
    return code;
}

}  // namespace nickbridge::cli
