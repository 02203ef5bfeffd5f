// SPDX-License-Identifier: MIT
#include "ui/main_window/box_caption.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <utility>

namespace nickbridge::ui {

BoxCaption::BoxCaption(const QString& text, QAbstractButton* box, QWidget* parent)
    : QLabel(text, parent), box_(box) {
    // Screen readers read the caption as the box's label, and the focus ring takes it in.
    setBuddy(box);
}

void BoxCaption::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    pressed_ = true;
    box_->setFocus(Qt::MouseFocusReason);
}

void BoxCaption::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    // As on a button, a press that is dragged off the caption before release does nothing.
    if (std::exchange(pressed_, false) && rect().contains(event->position().toPoint())) {
        box_->click();
    }
}

}  // namespace nickbridge::ui
