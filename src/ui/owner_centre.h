// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace nickbridge::ui {

// Where a dialog's frame goes (what QWidget::move takes for a window) so that the whole framed
// dialog, title bar included, is centred on its owner's frame. Qt's own placement centres the
// client area instead and so leaves the dialog half a title bar too high. `frame` is the
// decoration around the client area.
QPoint framePositionCentredOn(QRect ownerFrame, QSize clientSize, QMargins frame);

// The decoration the window manager draws around `window`: none until it has been framed.
QMargins frameMargins(const QWidget& window);

// Centres `dialog` on its owner's window now and each time it is shown, wherever the owner has
// moved since. Until the window manager has framed the dialog, its frame is taken to be the
// owner's; once it is framed, it is centred again with its own frame if that differs.
void centreOnOwnerAtEveryShowing(QWidget& dialog);

}  // namespace nickbridge::ui
