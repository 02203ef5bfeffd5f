// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace nickbridge::ui {

// A ring drawn around whichever control below `area` has the keyboard focus (with the text of the
// labels whose buddy it is), from the moment it is shown: the styles' own focus marks are faint on
// a coloured background, or appear only once a key has been pressed. It sits on top of every
// control and lets the mouse through.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    // White: 4.8:1 against the teal background, where 3:1 is what a focus mark needs.
    static inline const QColor kColour{0xFF, 0xFF, 0xFF};
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;  // between the control and the ring

    explicit FocusRing(QWidget* area);

    // The control the ring is around, or nullptr.
    QWidget* target() const { return target_; }
    // Puts the ring around `control`, which lies below the area.
    void surround(QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onFocusChanged(QWidget* now);

    QWidget* area_;
    QPointer<QWidget> target_;
};

}  // namespace nickbridge::ui
