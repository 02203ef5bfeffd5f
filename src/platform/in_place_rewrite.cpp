// SPDX-License-Identifier: MIT
#include "platform/in_place_rewrite.h"

#include <cerrno>
#include <cstdint>
#include <memory>
#include <random>
#include <system_error>
#include <vector>

#include "platform/file_access.h"

namespace nickbridge::platform {
namespace {

using Stream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The errno of the failure just seen, never 0.
int lastError() { return errno != 0 ? errno : EIO; }

// A file of our own in the system's temporary folder, gone once closed.
std::FILE* temporaryFile() {
#ifdef _WIN32
    // The C library's tmpfile would use the root of the current drive, which users may not write.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        errno = error.value();
        return nullptr;
    }
    std::random_device random;
    // "T": kept in memory where it fits, "D": deleted when closed.
    return _wfopen((folder / (L"nbr-" + std::to_wstring(random()))).c_str(), L"w+bTD");
#else
    return std::tmpfile();
#endif
}

// Copies what is left of `from` to `to`; 0 or the errno of the failure.
int copyRest(std::FILE* from, std::FILE* to) {
    std::vector<char> piece(std::size_t{1} << 18);
    errno = 0;
    while (true) {
        const std::size_t got = std::fread(piece.data(), 1, piece.size(), from);
        if (got > 0 && std::fwrite(piece.data(), 1, got, to) != got) return lastError();
        if (got < piece.size()) return std::ferror(from) ? lastError() : 0;
    }
}

// The length of what was written to `file` so far, its position rewound to the start.
std::optional<std::uint64_t> rewoundLength(std::FILE* file) {
    if (std::fflush(file) != 0 || std::fseek(file, 0, SEEK_END) != 0) return std::nullopt;
#ifdef _WIN32
    const auto length = _ftelli64(file);
#else
    const auto length = ::ftello(file);
#endif
    if (length < 0) return std::nullopt;
    std::rewind(file);
    return static_cast<std::uint64_t>(length);
}

// Writes all of `content` over `file` from its start, cuts the file to its length and pushes it
// to the disk; 0 or the errno of the failure.
int writeOver(std::FILE* file, std::FILE* content, std::uint64_t length) {
    std::rewind(content);
    std::rewind(file);
    if (const int error = copyRest(content, file)) return error;
    if (const int error = setFileSize(file, length)) return error;
    return flushToDisk(file) ? 0 : lastError();
}

}  // namespace

std::optional<std::string> rewriteInPlace(const std::filesystem::path& target,
                                          const ContentWriter& write) {
    errno = 0;
    const Stream newContent(temporaryFile(), &std::fclose);
    if (!newContent) return systemErrorText(lastError());
    errno = 0;
    if (!write(newContent.get())) return systemErrorText(lastError());
    const auto newLength = rewoundLength(newContent.get());
    if (!newLength) return systemErrorText(lastError());

    const Stream file(openFile(target, "r+b"), &std::fclose);
    if (!file) return systemErrorText(lastError());
    const Stream oldContent(temporaryFile(), &std::fclose);
    if (!oldContent) return systemErrorText(lastError());
    if (const int error = copyRest(file.get(), oldContent.get())) return systemErrorText(error);
    const auto oldLength = rewoundLength(oldContent.get());
    if (!oldLength) return systemErrorText(lastError());

    if (const int error = reserveFileSpace(file.get(), *newLength)) {
        // A reservation that ran out part way may have lengthened the file; its content is
        // untouched.
        static_cast<void>(setFileSize(file.get(), *oldLength));
        return systemErrorText(error);
    }
    if (const int error = writeOver(file.get(), newContent.get(), *newLength)) {
        static_cast<void>(writeOver(file.get(), oldContent.get(), *oldLength));
        return systemErrorText(error);
    }
    return std::nullopt;
}

}  // namespace nickbridge::platform
