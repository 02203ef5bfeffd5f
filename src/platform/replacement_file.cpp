// SPDX-License-Identifier: MIT
#include "platform/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

#include "platform/file_access.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

// The same length whatever the target is called, so a target name near the system's limit still
// leaves room for it.
fs::path randomNameIn(const fs::path& folder) {
    if (ReplacementFile::nextNameForTests != nullptr) {
        return folder / ReplacementFile::nextNameForTests();
    }
    static constexpr char kCharacters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::size_t kRandomLength = 10;
    std::random_device random;
    std::string name = ".nbr-";
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        name.push_back(kCharacters[random() % (sizeof kCharacters - 1)]);
    }
    return folder / name;
}

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

#ifdef _WIN32

int openExclusive(const fs::path& name, bool /*privateFile: Windows has no such bits*/) {
    return _wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int openUnnamed(const fs::path& /*folder*/, bool /*privateFile*/) {
    errno = EOPNOTSUPP;
    return -1;
}

#else

// While it is written, a file that will replace an existing one is for our eyes only; a new
// target gets what any new file gets (0666 less the umask).
mode_t creationMode(bool privateFile) { return privateFile ? 0600 : 0666; }

int openExclusive(const fs::path& name, bool privateFile) {
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode(privateFile));
}

#ifdef O_TMPFILE
// Whether the system lets this process link its unnamed file `fd` straight from the descriptor
// (with CAP_DAC_READ_SEARCH, or as its opener on newer kernels). Asked by linking it to a name that
// exists: EEXIST comes only once the right to link is granted, ENOENT where it is not.
bool linksFromDescriptor(int fd, const fs::path& existing) {
    return ::linkat(fd, "", AT_FDCWD, existing.c_str(), AT_EMPTY_PATH) != 0 && errno == EEXIST;
}
#endif

// Opens an unnamed file only where it can later be given a name: straight from its descriptor,
// or through /proc. Elsewhere a killed program would lose it, and a named file is used instead.
int openUnnamed(const fs::path& folder, bool privateFile) {
#ifdef O_TMPFILE
    const int fd =
        ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, creationMode(privateFile));
    if (fd < 0 || linksFromDescriptor(fd, folder) || ::access("/proc/self/fd", X_OK) == 0) {
        return fd;
    }
    ::close(fd);
#endif
    static_cast<void>(folder);
    static_cast<void>(privateFile);
    errno = EOPNOTSUPP;
    return -1;
}

#endif

// What a kernel or file system without unnamed files answers; anything else is the folder's
// own refusal, which a named file would get as well.
bool lacksUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

}  // namespace

ReplacementFile::ReplacementFile(std::FILE* stream, fs::path target, fs::path name)
    : stream_(stream), target_(std::move(target)), name_(std::move(name)) {}

ReplacementFile::~ReplacementFile() {
    // A replacement given up: nothing written to it matters any more.
    if (stream_ != nullptr) static_cast<void>(std::fclose(stream_));
    std::error_code ignored;
    if (!name_.empty()) fs::remove(name_, ignored);
}

std::unique_ptr<ReplacementFile> ReplacementFile::create(const fs::path& target) {
    std::error_code ignored;
    const bool privateFile = fs::exists(target, ignored);
    const fs::path folder = folderOf(target);
    const bool namesChosen = nextNameForTests != nullptr;
    const int unnamed = namesChosen ? -1 : openUnnamed(folder, privateFile);
    if (unnamed >= 0 || (!namesChosen && !lacksUnnamedFiles(errno))) {
        std::FILE* stream = writeStreamOver(unnamed);
        if (stream == nullptr) return nullptr;
        return std::unique_ptr<ReplacementFile>(new ReplacementFile(stream, target, {}));
    }
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path name = randomNameIn(folder);
        if (std::FILE* stream = writeStreamOver(openExclusive(name, privateFile))) {
            return std::unique_ptr<ReplacementFile>(
                new ReplacementFile(stream, target, std::move(name)));
        }
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

#ifdef _WIN32

std::optional<std::string> ReplacementFile::commit() {
    int error = flushToDisk(stream_) ? 0 : errno;
    if (std::fclose(std::exchange(stream_, nullptr)) != 0 && error == 0) error = errno;
    if (error != 0) return systemErrorText(error);
    std::error_code renameError;
    fs::rename(name_, target_, renameError);
    if (renameError) return renameError.message();
    name_.clear();
    return std::nullopt;
}

#else

namespace {

// Root keeps the target's owner and group, a user its group where they are in it; then the mode,
// since a change of owner clears set-id bits. Where that is refused the file stays private.
void takeOwnershipAndMode(int fd, const struct stat& old) {
    // Each refusal is an answer here, not a failure: the file then keeps what it has.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // The group stays the user's own.
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        // The file stays private (0600).
    }
}

// Links the unnamed file as `name`: from its descriptor where the system allows it, which needs
// no /proc, else through /proc/self/fd.
bool linkUnnamed(int fd, const char* name) {
    if (::linkat(fd, "", AT_FDCWD, name, AT_EMPTY_PATH) == 0) return true;
    if (errno != ENOENT) return false;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
}

// A name in the target's folder for an unnamed file, which needs one to be renamed.
int linkUnderNewName(int fd, const fs::path& folder, fs::path& name) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = randomNameIn(folder);
        if (linkUnnamed(fd, name.c_str())) return 0;
        if (errno != EEXIST) break;
    }
    const int error = errno;
    name.clear();
    return error;
}

// The folder's new entry must reach the disk too, or a power loss can bring the old file back.
// File systems that cannot sync a folder answer EINVAL; nothing more can be done there.
int syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

}  // namespace

std::optional<std::string> ReplacementFile::commit() {
    const int fd = ::fileno(stream_);
    if (std::fflush(stream_) != 0) return systemErrorText(errno);
    if (struct stat old{}; ::stat(target_.c_str(), &old) == 0) takeOwnershipAndMode(fd, old);
    if (::fsync(fd) != 0) return systemErrorText(errno);
    const fs::path folder = folderOf(target_);
    if (name_.empty()) {
        if (const int error = linkUnderNewName(fd, folder, name_)) return systemErrorText(error);
    }
    if (std::fclose(std::exchange(stream_, nullptr)) != 0) return systemErrorText(errno);
    if (::rename(name_.c_str(), target_.c_str()) != 0) return systemErrorText(errno);
    name_.clear();
    if (const int error = syncFolder(folder)) return systemErrorText(error);
    return std::nullopt;
}

#endif

}  // namespace nickbridge::platform
