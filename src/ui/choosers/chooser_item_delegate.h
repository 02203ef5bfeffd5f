// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace nickbridge::ui {

// Draws a chooser list's rows: a folder row indented by its depth in the drawing (the text stays
// the bare name, for screen readers too), and a name cut short with "…" gets its whole name as a
// tooltip; a name that fits gets none.
class ChooserItemDelegate final : public QStyledItemDelegate {
public:
    static constexpr int kIndentPerLevel = 8;  // pixels

    using QStyledItemDelegate::QStyledItemDelegate;

    // The whole name where `view` cuts the row's text, otherwise empty.
    static QString cutTextTip(const QAbstractItemView& view, const QModelIndex& index);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    // Every drawing and measuring of a row passes through here.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace nickbridge::ui
