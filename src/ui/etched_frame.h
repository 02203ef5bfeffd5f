// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace nickbridge::ui {

// A group box drawn as the designs' etched 3D frame: a dark line with a white one beside it,
// level with the middle of the title, and nothing filled inside, so the frame shows plainly on a
// coloured window while its inside keeps the window's colour. The styles' own group boxes draw
// faint lines and tint the inside.
class EtchedFrame : public QGroupBox {
    Q_OBJECT

public:
    // The white line stands 4.8:1 against the teal; the dark one (a darker teal) sets it off.
    static inline const QColor kLightLine{0xFF, 0xFF, 0xFF};
    static inline const QColor kDarkLine{0x00, 0x40, 0x40};

    EtchedFrame(const QString& title, QWidget* parent);

    // Where the frame's top line runs, in the box's coordinates: below it the controls are free.
    int topLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect titleRect() const;
};

}  // namespace nickbridge::ui
