// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <cstdint>

namespace nickbridge::choosers {
class FileList;
class FolderList;
}  // namespace nickbridge::choosers

namespace nickbridge::ui {

// The views read the lists row by row on demand, so a folder of 100,000 entries costs nothing
// until it is painted, and only the visible rows then.
// Each row's whole name is also its tooltip, which the views show only where the name is cut.

// How far a folder row lies below the root; the view indents it by that much.
inline constexpr int kDepthRole = Qt::UserRole + 1;

class FollowingListModel : public QAbstractListModel {
public:
    // Tells the views when the list has changed since the last call.
    void follow();

protected:
    using QAbstractListModel::QAbstractListModel;
    virtual std::uint64_t listGeneration() const = 0;

private:
    std::uint64_t shown_ = 0;
};

class FolderListModel final : public FollowingListModel {
public:
    FolderListModel(const choosers::FolderList& list, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::uint64_t listGeneration() const override;
    const choosers::FolderList& list_;
};

class FileListModel final : public FollowingListModel {
public:
    FileListModel(const choosers::FileList& list, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::uint64_t listGeneration() const override;
    const choosers::FileList& list_;
};

}  // namespace nickbridge::ui
