// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nickbridge::choosers {

// What one listing of a folder found, as bytes, each part sorted without regard to case.
struct FolderContents {
    std::vector<std::string> folders;
    std::vector<std::string> files;  // only those matching the scanner's pattern
};

// Lists folders for the folder and file lists. One user action or one settings restore assigns
// the same folder to several lists (the folder list, then the file list that follows it, in both
// choosers and in nested restores); within such a batch each folder is read once, so a folder of
// 100,000 entries costs one pass over it, not one per list.
class FolderScanner {
public:
    explicit FolderScanner(std::string filePattern);

    // While any Batch lives, listings are kept and reused; the last one to end forgets them.
    class [[nodiscard]] Batch {
    public:
        explicit Batch(FolderScanner& scanner);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        FolderScanner& scanner_;
    };

    // Throws ListRefusal when the folder cannot be listed (missing, not a folder, no access).
    std::shared_ptr<const FolderContents> scan(const std::string& folder);

    // The same, but a folder that cannot be listed shows as empty: where a new list starts.
    std::shared_ptr<const FolderContents> scanOrEmpty(const std::string& folder);

private:
    std::string filePattern_;
    int openBatches_ = 0;
    std::map<std::string, std::shared_ptr<const FolderContents>> kept_;
};

}  // namespace nickbridge::choosers
