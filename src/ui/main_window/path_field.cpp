// SPDX-License-Identifier: MIT
#include "ui/main_window/path_field.h"

#include <QMouseEvent>

namespace nickbridge::ui {

PathField::PathField(QWidget* parent) : QLineEdit(parent) {}

std::string PathField::bytes() const {
    if (text() == shownForBytes_) return bytes_;
    return text().toLocal8Bit().toStdString();
}

void PathField::setBytes(const std::string& bytes) {
    bytes_ = bytes;
    shownForBytes_ = QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
    setText(shownForBytes_);
}

void PathField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

}  // namespace nickbridge::ui
