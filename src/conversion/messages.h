// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace nickbridge::messages {

// The program's own texts, word for word (typos included): users and their scripts know them.
inline constexpr std::string_view kNotNicknameFile =
    "This does not appear to be a Eudora Nicknames file.";
inline constexpr std::string_view kNothingToDo = "Nothing to do.";
// Why an output path that names the nickname file itself is refused.
inline constexpr std::string_view kOutputIsSource = "it is the nickname file itself";

std::string conversionComplete(std::string_view outputPath);
std::string cannotReadSource(std::string_view sourcePath, std::string_view reason);
std::string cannotWriteOutput(std::string_view outputPath, std::string_view reason);

}  // namespace nickbridge::messages
