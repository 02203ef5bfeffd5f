// SPDX-License-Identifier: MIT
#include "ui/choosers/chooser_list_view.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace nickbridge::ui {

ChooserListView::ChooserListView(QWidget* parent) : QListView(parent) {
    // Rows of one height let the view lay out 100,000 rows without measuring each.
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
}

void ChooserListView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The base view would take the second press for a new click when the rows have changed.
    if (event->button() == Qt::LeftButton) {
        emit rowDoubleClicked(indexAt(event->position().toPoint()).row());
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void ChooserListView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        emit rowOpened(currentIndex().row());
        return;
    }
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before) {
        emit rowSelectedByKey(currentIndex().row());
    }
}

}  // namespace nickbridge::ui
