// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace nickbridge::ui {

// Where a dialog's client area goes so that the whole framed dialog, title bar included, is
// centred on its owner's frame. Qt's own placement centres the client area and so leaves the
// dialog a title bar's height too high. `frame` is the decoration around the client area.
QPoint clientPositionCentredOn(QRect ownerFrame, QSize clientSize, QMargins frame);

// The decoration the window manager draws around `window`: none until it has been shown.
QMargins frameMargins(const QWidget& window);

}  // namespace nickbridge::ui
