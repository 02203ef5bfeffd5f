// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

namespace nickbridge::ui {

// A list view that says which of its rows the user acts on, in the terms of the choosers' lists:
// an arrow key that moves the selection selects that row as a click would, Enter opens the row,
// and a double-click is reported even when the click before it has refilled the list.
class ChooserListView final : public QListView {
    Q_OBJECT

public:
    explicit ChooserListView(QWidget* parent);

signals:
    void rowSelectedByKey(int row);
    void rowOpened(int row);         // Enter
    void rowDoubleClicked(int row);  // the row now under the mouse, -1 for none

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace nickbridge::ui
