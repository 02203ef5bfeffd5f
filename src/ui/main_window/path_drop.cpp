// SPDX-License-Identifier: MIT
#include "ui/main_window/path_drop.h"

#include <QDir>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "choosers/folder_path.h"
#include "choosers/output_chooser.h"
#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::ui {
namespace {

std::optional<std::string> localPathOf(const QUrl& url) {
    const QString host = url.host();
    if (!url.isLocalFile() || !(host.isEmpty() || host == QLatin1String("localhost"))) {
        return std::nullopt;
    }
#ifdef _WIN32
    const QByteArray bytes = QDir::toNativeSeparators(url.toLocalFile()).toLocal8Bit();
#else
    // The address carries the name's bytes percent-encoded; decoding them directly keeps a name
    // that is not valid UTF-8 as it is on the disk.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
#endif
    if (bytes.isEmpty()) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

std::optional<std::string> droppedLocalPath(const QMimeData& data) {
    if (!data.hasUrls()) return std::nullopt;
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1) return std::nullopt;
    return localPathOf(urls.front());
}

std::optional<std::string> sourcePathFromDrop(const std::string& localPath) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(platform::nativePath(localPath), error)) {
        return std::nullopt;
    }
    return localPath;
}

std::optional<std::string> outputPathFromDrop(const std::string& localPath) {
    std::filesystem::path folder = platform::nativePath(localPath);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
    // Only a root keeps its closing separator, as in the chooser's folder paths.
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder != folder.root_path()) folder = folder.parent_path();
    return choosers::inFolder(platform::pathBytes(folder), choosers::kOutputFileName);
}

}  // namespace nickbridge::ui
