// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nickbridge::testing {

// Whole-file bytes, without any line end translation.
inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Throws when the file cannot be written, so a test never runs on a file it did not make.
inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write the test file " + file.string());
}

// Takes every write permission away: on Windows this sets the read-only attribute.
inline void makeReadOnly(const std::filesystem::path& file) {
    using std::filesystem::perms;
    std::filesystem::permissions(file,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

}  // namespace nickbridge::testing
