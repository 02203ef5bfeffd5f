// SPDX-License-Identifier: MIT
#include "ui/choosers/list_models.h"

#include <algorithm>
#include <climits>

#include "choosers/file_list.h"
#include "choosers/folder_list.h"
#include "ui/choosers/folder_icons.h"
#include "ui/path_text.h"

namespace nickbridge::ui {
namespace {

int rowsOf(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, INT_MAX)); }

}  // namespace

void FollowingListModel::follow() {
    if (shown_ == listGeneration()) return;
    beginResetModel();
    shown_ = listGeneration();
    endResetModel();
}

FolderListModel::FolderListModel(const choosers::FolderList& list, QObject* parent)
    : FollowingListModel(parent), list_(list) {}

std::uint64_t FolderListModel::listGeneration() const { return list_.generation(); }

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowsOf(list_.rowCount());
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const choosers::FolderRow row = list_.row(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return pathText(row.name);
        case Qt::DecorationRole:
            return folderIcon(row.open);
        case kDepthRole:
            return static_cast<int>(row.depth);
        default:
            return {};
    }
}

FileListModel::FileListModel(const choosers::FileList& list, QObject* parent)
    : FollowingListModel(parent), list_(list) {}

std::uint64_t FileListModel::listGeneration() const { return list_.generation(); }

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowsOf(list_.names().size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return pathText(list_.names()[static_cast<std::size_t>(index.row())]);
}

}  // namespace nickbridge::ui
