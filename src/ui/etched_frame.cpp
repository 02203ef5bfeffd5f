// SPDX-License-Identifier: MIT
#include "ui/etched_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace nickbridge::ui {
namespace {

constexpr int kTitleGap = 2;  // frame line stops this far from the title

}  // namespace

EtchedFrame::EtchedFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QRect EtchedFrame::titleRect() const {
    // The style places the title (and measures whether it fits), the frame follows it.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

int EtchedFrame::topLine() const { return titleRect().center().y(); }

void EtchedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect title = titleRect();
    const QRect outer(0, title.center().y(), width() - 1, height() - 1 - title.center().y());
    // Etched: the dark rectangle, then the white one one pixel in and down, each a pixel short.
    painter.setPen(kDarkLine);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(kLightLine);
    painter.drawRect(outer.adjusted(1, 1, 0, 0));
    // The title interrupts the top lines.
    painter.fillRect(title.adjusted(-kTitleGap, 0, kTitleGap, 0), palette().window());
    style()->drawItemText(&painter, title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          palette(), isEnabled(), this->title(), QPalette::WindowText);
}

}  // namespace nickbridge::ui
