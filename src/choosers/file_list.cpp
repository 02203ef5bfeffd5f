// SPDX-License-Identifier: MIT
#include "choosers/file_list.h"

#include "choosers/folder_path.h"

namespace nickbridge::choosers {

FileList::FileList(const platform::Drives& drives, FolderScanner& scanner,
                   const std::string& folder)
    : drives_(drives),
      scanner_(scanner),
      state_{folder, Listing(scanner, folder), std::nullopt, 1} {}

std::string FileList::fileName() const {
    return state_.selected ? names()[*state_.selected] : std::string();
}

void FileList::setPath(std::string_view text) {
    FolderScanner::Batch batch(scanner_);
    const std::string folder = folderNamedBy(text, drives_);
    if (folder == state_.path) return;
    state_ = State{folder, scanner_.listing(folder), std::nullopt, state_.generation + 1};
}

bool FileList::selectIfListed(std::size_t index) {
    if (index >= names().size()) return false;
    state_.selected = index;
    return true;
}

void FileList::click(std::size_t index) {
    if (selectIfListed(index)) raise(onClick);
}

void FileList::doubleClick(std::size_t index) {
    if (selectIfListed(index)) raise(onDoubleClick);
}

}  // namespace nickbridge::choosers
