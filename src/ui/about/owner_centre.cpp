// SPDX-License-Identifier: MIT
#include "ui/about/owner_centre.h"

#include <QWidget>

namespace nickbridge::ui {

QPoint clientPositionCentredOn(QRect ownerFrame, QSize clientSize, QMargins frame) {
    const QSize framed = clientSize.grownBy(frame);
    const QPoint frameTopLeft(ownerFrame.x() + (ownerFrame.width() - framed.width()) / 2,
                              ownerFrame.y() + (ownerFrame.height() - framed.height()) / 2);
    return frameTopLeft + QPoint(frame.left(), frame.top());
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace nickbridge::ui
