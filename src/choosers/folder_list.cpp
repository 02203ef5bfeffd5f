// SPDX-License-Identifier: MIT
#include "choosers/folder_list.h"

#include <filesystem>

#include "choosers/folder_path.h"
#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::choosers {
namespace {

// The open folder and every folder above it up to its drive's root, root first.
std::vector<std::string> foldersDownTo(const std::string& folder, const std::string& root) {
    const std::filesystem::path path = platform::nativePath(folder);
    std::filesystem::path walked = platform::nativePath(root);
    std::filesystem::path below = path.lexically_relative(walked);
    if (below.empty() || *below.begin() == "..") {
        walked = path.root_path();
        below = path.relative_path();
    }
    std::vector<std::string> above{platform::pathBytes(walked)};
    for (const auto& part : below) {
        if (part.empty() || part == ".") continue;
        walked /= part;
        above.push_back(platform::pathBytes(walked));
    }
    return above;
}

}  // namespace

FolderList::FolderList(const platform::Drives& drives, FolderScanner& scanner,
                       const std::string& folder)
    : drives_(drives), scanner_(scanner), state_(started(folder)) {}

FolderList::State FolderList::opened(const std::string& folder, std::uint64_t generation) const {
    return State{folder, foldersDownTo(folder, drives_.rootHolding(folder)),
                 scanner_.listing(folder), std::nullopt, generation};
}

FolderList::State FolderList::started(const std::string& folder) const {
    return State{folder, foldersDownTo(folder, drives_.rootHolding(folder)),
                 Listing(scanner_, folder), std::nullopt, 1};
}

std::size_t FolderList::rowCount() const {
    return state_.above.size() + state_.contents->folders.size();
}

FolderRow FolderList::row(std::size_t index) const {
    const std::size_t aboveCount = state_.above.size();
    if (index < aboveCount) {
        const std::string& full = state_.above[index];
        std::string name =
            index == 0 ? full : platform::pathBytes(platform::nativePath(full).filename());
        return {std::move(name), index, true};
    }
    return {state_.contents->folders[index - aboveCount], aboveCount, false};
}

std::string FolderList::rowPath(std::size_t index) const {
    const std::size_t aboveCount = state_.above.size();
    if (index < aboveCount) return state_.above[index];
    return inFolder(state_.path, state_.contents->folders[index - aboveCount]);
}

void FolderList::setPath(std::string_view text) {
    FolderScanner::Batch batch(scanner_);
    const std::string folder = folderNamedBy(text, drives_);
    if (folder == state_.path) return;
    changeAndRaise(state_, opened(folder, state_.generation + 1), onChange);
}

void FolderList::open(std::size_t index) {
    if (index < rowCount()) setPath(rowPath(index));
}

void FolderList::click(std::size_t index) {
    if (index >= rowCount()) return;
    state_.clickedRow = index;
    raise(onClick);
}

}  // namespace nickbridge::choosers
