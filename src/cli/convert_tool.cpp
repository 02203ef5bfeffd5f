// SPDX-License-Identifier: MIT
#include "cli/convert_tool.h"

#include <string>
#include <string_view>
#include <variant>

#include "cli/command_line.h"
#include "cli/console_report.h"
#include "cli/exit_codes.h"
#include "conversion/convert_command.h"
#include "platform/standard_streams.h"

namespace nickbridge::cli {
namespace {

// The name Unix tools give standard input or output in place of a file.
constexpr std::string_view kStandardStream = "-";

}  // namespace

int runConvertTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const auto parsed = parseCommandLine(argc, argv);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        out << early->out << std::flush;
        err << early->err << std::flush;
        return early->exitCode;
    }
    const auto& request = std::get<ConvertRequest>(parsed);
    StandardStreams streams;
    if (request.sourcePath == kStandardStream) streams.input = platform::binaryStandardInput();
    if (request.outputPath == kStandardStream) streams.output = platform::binaryStandardOutput();
    // Standard output then holds the converted file alone.
    ConsoleReport report(streams.output != nullptr ? err : out, err);
    const int code =
        exitCodeFor(runConvertCommand(request.sourcePath, request.outputPath, request.selection,
                                      report, streams, request.output));
    // Like any Unix tool: a script must not take a lost completion message for success.
    if (code == kExitSuccess && !out) {
        err << "Cannot write to standard output\n" << std::flush;
        return kExitFailed;
    }
    return code;
}

}  // namespace nickbridge::cli
