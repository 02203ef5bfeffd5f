// SPDX-License-Identifier: MIT
#include "ui/focus_ring.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace nickbridge::ui {
namespace {

// Where `widget` lies in `area`'s coordinates.
QRect inArea(const QWidget& widget, const QWidget& area) {
    return {widget.mapTo(&area, QPoint(0, 0)), widget.size()};
}

// A control and the text of every label that names it (its buddy), the way a check box's focus
// mark takes in its text: a ring around a small box alone would cover the caption beside it.
QRect markedArea(QWidget& control, const QWidget& area) {
    QRect marked = inArea(control, area);
    for (const QLabel* label : area.findChildren<QLabel*>()) {
        if (label->buddy() != &control) continue;
        QRect text = inArea(*label, area);
        text.setWidth(std::min(label->sizeHint().width(), label->width()));
        marked |= text;
    }
    return marked;
}

}  // namespace

FocusRing::FocusRing(QWidget* area) : QWidget(area), area_(area) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onFocusChanged(now); });
}

void FocusRing::onFocusChanged(QWidget* now) {
    // Focus that leaves the window (to a modal window, another program) leaves the ring where
    // it was, as the focus returns there.
    if (now != nullptr && now != this && area_->isAncestorOf(now)) surround(now);
}

void FocusRing::surround(QWidget* control) {
    target_ = control;
    constexpr int margin = kGap + kWidth;
    setGeometry(markedArea(*control, *area_).adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(kColour, kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace nickbridge::ui
