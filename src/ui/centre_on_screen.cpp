// SPDX-License-Identifier: MIT
#include "ui/centre_on_screen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace nickbridge::ui {
namespace {

void centreFrame(QWidget& window) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
}

// Centres again whenever the frame's size differs from the one last centred, until the window
// has a frame of its own.
class CentreWhenFramed final : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window)
        : QObject(&window), window_(window), centredFrame_(window.frameGeometry().size()) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Show && event->type() != QEvent::Move) return false;
        const QSize frame = window_.frameGeometry().size();
        if (frame != centredFrame_) {
            centredFrame_ = frame;
            centreFrame(window_);
        }
        if (frame != window_.size()) deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QSize centredFrame_;
};

}  // namespace

void centreOnScreen(QWidget& window) {
    centreFrame(window);
    window.installEventFilter(new CentreWhenFramed(window));
}

}  // namespace nickbridge::ui
