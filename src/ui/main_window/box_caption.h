// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

class QAbstractButton;

namespace nickbridge::ui {

// The caption beside a field box, a control of its own: a click on it acts as a click on the box,
// as a check box's own text would.
class BoxCaption : public QLabel {
    Q_OBJECT

public:
    BoxCaption(const QString& text, QAbstractButton* box, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QAbstractButton* box_;
    bool pressed_ = false;
};

}  // namespace nickbridge::ui
