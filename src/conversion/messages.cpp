// SPDX-License-Identifier: MIT
#include "messages.h"

namespace nickbridge::messages {
namespace {

std::string quoted(std::string_view text) {
    std::string result = "\"";
    result += text;
    result += '"';
    return result;
}

}  // namespace

std::string conversionComplete(std::string_view outputPath) {
    return "Conversion Complete to ouput file " + quoted(outputPath) + ".";
}

std::string cannotReadSource(std::string_view sourcePath, std::string_view reason) {
    return "Cannot read the nickname file " + quoted(sourcePath) + ": " + std::string(reason);
}

std::string cannotWriteOutput(std::string_view outputPath, std::string_view reason) {
    return "Cannot write the output file " + quoted(outputPath) + ": " + std::string(reason);
}

}  // namespace nickbridge::messages
