// SPDX-License-Identifier: MIT
#include "ui/owner_centre.h"

#include <QEvent>
#include <QWidget>

namespace nickbridge::ui {
namespace {

void centre(QWidget& dialog, QMargins frame) {
    const QWidget* owner = dialog.parentWidget();
    if (owner == nullptr) return;
    dialog.move(framePositionCentredOn(owner->window()->frameGeometry(), dialog.size(), frame));
}

class CentreOnOwner final : public QObject {
public:
    explicit CentreOnOwner(QWidget& dialog) : QObject(&dialog), dialog_(dialog) { centreNow(); }

    bool eventFilter(QObject*, QEvent* event) override {
        // Seen before the dialog's own show handler, which then leaves the place alone.
        if (event->type() == QEvent::Show) centreNow();
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            dialog_.isVisible()) {
            const QMargins own = frameMargins(dialog_);
            if (!own.isNull() && own != used_) {
                used_ = own;
                centre(dialog_, own);
            }
        }
        return false;
    }

private:
    void centreNow() {
        const QMargins own = frameMargins(dialog_);
        const QWidget* owner = dialog_.parentWidget();
        used_ = !own.isNull() || owner == nullptr ? own : frameMargins(*owner->window());
        centre(dialog_, used_);
    }

    QWidget& dialog_;
    QMargins used_;
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
