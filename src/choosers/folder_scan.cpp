// SPDX-License-Identifier: MIT
#include "choosers/folder_scan.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "choosers/list_refusal.h"
#include "choosers/wildcard.h"
#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::choosers {
namespace {

using NativeView = std::basic_string_view<std::filesystem::path::value_type>;

// The entry's own name, without copying its full path.
NativeView nameOf(const std::filesystem::path& path) {
    const NativeView full = path.native();
    const auto separator = full.find_last_of(std::filesystem::path::preferred_separator);
    return separator == NativeView::npos ? full : full.substr(separator + 1);
}

std::string bytesOf(NativeView name) {
#ifdef _WIN32
    return platform::pathBytes(std::filesystem::path(name));
#else
    return std::string(name);
#endif
}

// Names starting with a dot are hidden on POSIX systems; their file managers do not list them.
bool isHidden(NativeView name) {
#ifdef _WIN32
    (void)name;
    return false;
#else
    return !name.empty() && name.front() == '.';
#endif
}

bool beforeIgnoringCase(const std::string& a, const std::string& b) {
    const auto folded = [](char x, char y) { return foldCase(x) < foldCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
    return a < b;
}

std::shared_ptr<const FolderContents> list(const std::string& folder, std::string_view pattern) {
    std::error_code error;
    std::filesystem::directory_iterator entries(platform::nativePath(folder), error);
    auto contents = std::make_shared<FolderContents>();
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const NativeView name = nameOf(entries->path());
        if (isHidden(name)) continue;
        std::error_code ignored;
        if (entries->is_directory(ignored)) {
            contents->folders.push_back(bytesOf(name));
        } else if (matchesWildcard(name, pattern) && entries->is_regular_file(ignored)) {
            contents->files.push_back(bytesOf(name));
        }
    }
    if (error) throw cannotOpenFolder(folder, error.message());
    std::sort(contents->folders.begin(), contents->folders.end(), beforeIgnoringCase);
    std::sort(contents->files.begin(), contents->files.end(), beforeIgnoringCase);
    return contents;
}

}  // namespace

FolderScanner::FolderScanner(std::string filePattern) : filePattern_(std::move(filePattern)) {}

Listing::Listing(FolderScanner& scanner, std::string folder,
                 std::shared_ptr<const FolderContents> read)
    : scanner_(&scanner), folder_(std::move(folder)), read_(std::move(read)) {}

const FolderContents* Listing::operator->() const {
    if (!read_) read_ = scanner_->scanOrEmpty(folder_);
    return read_.get();
}

FolderScanner::Batch::Batch(FolderScanner& scanner, Reading reading)
    : scanner_(scanner), reading_(reading) {
    ++scanner_.openBatches_;
    if (reading_ == Reading::WhenLookedAt) ++scanner_.deferringBatches_;
}

FolderScanner::Batch::~Batch() {
    if (reading_ == Reading::WhenLookedAt) --scanner_.deferringBatches_;
    if (--scanner_.openBatches_ == 0) scanner_.kept_.clear();
}

Listing FolderScanner::listing(const std::string& folder) {
    if (deferringBatches_ == 0) return Listing(*this, folder, scan(folder));
    // Opening the folder, without reading it through, tells a folder we may not list (mode 000)
    // from one we may: a list must not take a folder it would then show empty.
    std::error_code error;
    const std::filesystem::directory_iterator opened(platform::nativePath(folder), error);
    if (error) throw cannotOpenFolder(folder, error.message());
    return Listing(*this, folder);
}

std::shared_ptr<const FolderContents> FolderScanner::scan(const std::string& folder) {
    if (openBatches_ == 0) return list(folder, filePattern_);
    auto& kept = kept_[folder];
    if (!kept) kept = list(folder, filePattern_);
    return kept;
}

std::shared_ptr<const FolderContents> FolderScanner::scanOrEmpty(const std::string& folder) {
    try {
        return scan(folder);
    } catch (const ListRefusal&) {
        return std::make_shared<const FolderContents>();
    }
}

}  // namespace nickbridge::choosers
