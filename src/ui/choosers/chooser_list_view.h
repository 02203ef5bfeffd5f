// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

namespace nickbridge::ui {

// A list view that says which of its rows the user acts on, in the terms of the choosers' lists:
// an arrow key that moves the selection selects that row as a click would, Enter opens the row,
// and a double-click reports the row pressed first, because the click before it may already have
// refilled the list.
class ChooserListView final : public QListView {
    Q_OBJECT

public:
    explicit ChooserListView(QWidget* parent);

signals:
    void rowPressed(int row);
    void rowSelectedByKey(int row);
    void rowOpened(int row);  // Enter
    void rowDoubleClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int pressedRow_ = -1;
};

}  // namespace nickbridge::ui
