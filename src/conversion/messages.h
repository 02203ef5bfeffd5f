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
// Why a nickname file that another program shortened or lengthened while we read it is not
// converted: what we read is no copy the file ever had.
inline constexpr std::string_view kSourceChanged = "the file changed while it was read";

std::string conversionComplete(std::string_view outputPath);
std::string cannotReadSource(std::string_view sourcePath, std::string_view reason);
std::string cannotWriteOutput(std::string_view outputPath, std::string_view reason);

}  // namespace nickbridge::messages
