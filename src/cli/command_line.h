// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <variant>

#include "conversion/convert_command.h"
#include "selection/field_selection.h"

namespace nickbridge::cli {

// What the command line asks for: one conversion.
struct ConvertRequest {
    std::string sourcePath;
    std::string outputPath;
    FieldSelection selection;
    OutputChoice output{};

    bool operator==(const ConvertRequest&) const = default;
};

// The command line needs no conversion: help, version or a usage error. The caller prints the
// texts and exits with the code.
struct EarlyExit {
    int exitCode = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Reads `nickbridge-convert [--format csv|vcard] [--fields LIST] [--charset NAME] [--no-fold]
// SOURCE OUTPUT`. Without --format an OUTPUT ending in ".vcf" (any case) means vCard. Prints
// nothing itself.
std::variant<ConvertRequest, EarlyExit> parseCommandLine(int argc, const char* const* argv);

}  // namespace nickbridge::cli
