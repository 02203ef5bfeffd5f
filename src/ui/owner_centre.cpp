// SPDX-License-Identifier: MIT
#include "ui/owner_centre.h"

#include <QEvent>
#include <QWidget>

namespace nickbridge::ui {
namespace {

QPoint centredFramePosition(const QWidget& dialog, QMargins frame) {
    return framePositionCentredOn(dialog.parentWidget()->window()->frameGeometry(), dialog.size(),
                                  frame);
}

// Shown or not, a window places its frame where move() says, except one that already exists on
// the screen but has never been framed: that one places its client area there.
void moveFrameTo(QWidget& dialog, QPoint frameTopLeft, QMargins frame) {
    const bool placesClientArea =
        dialog.testAttribute(Qt::WA_WState_Created) && frameMargins(dialog).isNull();
    dialog.move(placesClientArea ? frameTopLeft + QPoint(frame.left(), frame.top()) : frameTopLeft);
}

class CentreOnOwner final : public QObject {
public:
    explicit CentreOnOwner(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {
        if (dialog.parentWidget() != nullptr) centreNow();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (dialog_.parentWidget() == nullptr) return false;
        // Seen before the dialog's own show handler, which then leaves the place alone.
        if (event->type() == QEvent::Show) {
            centreNow();
            checkWhenFramed_ = true;
        }
        // The window manager may frame the dialog otherwise than guessed, or place it itself:
        // once per showing, as soon as the frame is known, it is put right.
        if (event->type() == QEvent::Move && checkWhenFramed_ && dialog_.isVisible()) {
            const QMargins own = frameMargins(dialog_);
            if (!own.isNull()) {
                checkWhenFramed_ = false;
                const QPoint wanted = centredFramePosition(dialog_, own);
                if (dialog_.frameGeometry().topLeft() != wanted) moveFrameTo(dialog_, wanted, own);
            }
        }
        return false;
    }

private:
    void centreNow() {
        // Until it is framed, the dialog is taken to get the same decoration as its owner.
        QMargins frame = frameMargins(dialog_);
        if (frame.isNull()) frame = frameMargins(*dialog_.parentWidget()->window());
        moveFrameTo(dialog_, centredFramePosition(dialog_, frame), frame);
    }

    QWidget& dialog_;
    bool checkWhenFramed_ = false;
};

}  // namespace

QPoint framePositionCentredOn(QRect ownerFrame, QSize clientSize, QMargins frame) {
    const QSize framed = clientSize.grownBy(frame);
    // Rounded down either way, so a dialog larger than its owner sits as close as a smaller one.
    const auto half = [](int length) { return length >= 0 ? length / 2 : -((1 - length) / 2); };
    return {ownerFrame.x() + half(ownerFrame.width() - framed.width()),
            ownerFrame.y() + half(ownerFrame.height() - framed.height())};
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void centreOnOwnerAtEveryShowing(QWidget& dialog) {
    dialog.installEventFilter(new CentreOnOwner(dialog));
}

}  // namespace nickbridge::ui
