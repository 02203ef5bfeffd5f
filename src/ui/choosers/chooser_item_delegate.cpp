// SPDX-License-Identifier: MIT
#include "ui/choosers/chooser_item_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

#include "ui/choosers/list_models.h"

namespace nickbridge::ui {
namespace {

int indentOf(const QModelIndex& index) {
    return index.data(kDepthRole).toInt() * ChooserItemDelegate::kIndentPerLevel;
}

}  // namespace

void ChooserItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->rect.setLeft(option->rect.left() + indentOf(index));
}

QSize ChooserItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

QString ChooserItemDelegate::cutTextTip(const QAbstractItemView& view, const QModelIndex& index) {
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.rect = view.visualRect(index);
    option.widget = &view;
    ChooserItemDelegate delegate;
    delegate.initStyleOption(&option, index);
    const QStyle* style = view.style();
    const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &option, &view);
    // The style keeps a margin on either side of the text inside that area.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, &view) + 1;
    const int needed = option.fontMetrics.horizontalAdvance(option.text) + 2 * margin;
    return needed > textArea.width() ? index.data(Qt::ToolTipRole).toString() : QString();
}

bool ChooserItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || view == nullptr) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString tip = cutTextTip(*view, index);
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPos(), tip, view);
    }
    return true;
}

}  // namespace nickbridge::ui
