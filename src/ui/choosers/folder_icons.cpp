// SPDX-License-Identifier: MIT
#include "ui/choosers/folder_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace nickbridge::ui {
namespace {

const QColor kOutline(0x80, 0x80, 0x00);
const QColor kBack(0xC0, 0xC0, 0x00);
const QColor kFront(0xFF, 0xFF, 0x80);

// A 16-pixel folder: the back with its tab, and a front that stands up when closed and leans
// forward, showing the inside, when open.
QPixmap folderPicture(bool open) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kBack);
    painter.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 4.5}, {13.5, 4.5}, {13.5, 13.5}, {1.5, 13.5}}));
    painter.setBrush(kFront);
    if (open) {
        painter.drawPolygon(QPolygonF({{4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}, {1.5, 13.5}}));
    } else {
        painter.drawRect(QRectF(1.5, 6.5, 12, 7));
    }
    return picture;
}

}  // namespace

QIcon folderIcon(bool open) {
    static const QIcon closedIcon(folderPicture(false));
    static const QIcon openIcon(folderPicture(true));
    return open ? openIcon : closedIcon;
}

}  // namespace nickbridge::ui
