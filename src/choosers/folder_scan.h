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

class FolderScanner;

// A list's folder contents, read at the latest when first looked at.
class Listing {
public:
    Listing(FolderScanner& scanner, std::string folder,
            std::shared_ptr<const FolderContents> read = nullptr);
    // A folder that can no longer be read then shows as empty.
    const FolderContents* operator->() const;

private:
    FolderScanner* scanner_;
    std::string folder_;
    mutable std::shared_ptr<const FolderContents> read_;
};

// Lists folders for the folder and file lists. One user action or one settings restore assigns
// the same folder to several lists (the folder list, then the file list that follows it, in both
// choosers and in nested restores); within such a batch each folder is read once, so a folder of
// 100,000 entries costs one pass over it, not one per list.
class FolderScanner {
public:
    explicit FolderScanner(std::string filePattern);

    // When the lists' folders are read: at once, or (for choosers that are hidden, as during the
    // start-up's restores) when the lists are first looked at; an assignment then only checks
    // that the folder is there.
    enum class Reading { Now, WhenLookedAt };

    // While any Batch lives, listings are kept and reused; the last one to end forgets them.
    class [[nodiscard]] Batch {
    public:
        explicit Batch(FolderScanner& scanner, Reading reading = Reading::Now);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        FolderScanner& scanner_;
        Reading reading_;
    };

    // The listing a list takes on an assignment. Throws ListRefusal when the folder cannot be
    // listed (missing, not a folder, no access), also while reading is deferred.
    Listing listing(const std::string& folder);

    // Throws ListRefusal when the folder cannot be listed (missing, not a folder, no access).
    std::shared_ptr<const FolderContents> scan(const std::string& folder);

    // The same, but a folder that cannot be listed shows as empty: where a new list starts.
    std::shared_ptr<const FolderContents> scanOrEmpty(const std::string& folder);

private:
    std::string filePattern_;
    int openBatches_ = 0;
    int deferringBatches_ = 0;
    std::map<std::string, std::shared_ptr<const FolderContents>> kept_;
};

}  // namespace nickbridge::choosers
