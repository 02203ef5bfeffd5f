// SPDX-License-Identifier: MIT
#include "ui/design_font.h"

#include <QApplication>

namespace nickbridge::ui {

QFont designFont() {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), font.family()});
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace nickbridge::ui
