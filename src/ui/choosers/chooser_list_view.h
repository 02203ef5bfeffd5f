// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

namespace nickbridge::ui {

// A list view that says which of its rows the user acts on, in the terms of the choosers' lists:
// a key that moves the highlight (arrows, Home, End, type-ahead) reports the row it reached, Enter
// opens the highlighted row, and a double-click is reported even when the click before it has
// refilled the list.
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
