// SPDX-License-Identifier: MIT
#pragma once

#include <QMimeData>
#include <optional>
#include <string>

namespace nickbridge::ui {

// The local path, as bytes, of the one file or folder a file manager drops (offered as a file://
// address); none for several items, another kind of address or no address at all.
std::optional<std::string> droppedLocalPath(const QMimeData& data);

// What a drop puts in the source path field: an existing file, as it is; none for a folder or a
// missing file.
std::optional<std::string> sourcePathFromDrop(const std::string& localPath);

// What a drop puts in the output path field: an existing folder plus the output file's name, as
// the output chooser's OK gives it; none for a file or a missing folder.
std::optional<std::string> outputPathFromDrop(const std::string& localPath);

}  // namespace nickbridge::ui
