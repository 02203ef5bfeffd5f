// SPDX-License-Identifier: MIT
#include "ui/caption_fit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace nickbridge::ui {
namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kPointSizeStep = 0.5;

int captionWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

bool groupBoxTitleFits(const QGroupBox& box, const QFont& font) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.fontMetrics = QFontMetrics(font);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return title.width() <= box.width() - title.left();
}

bool buttonCaptionFits(const QAbstractButton& button, const QFontMetrics& metrics) {
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    return captionWidth(metrics, button.text()) + 2 * margin <= button.width();
}

bool everyCaptionFits(const QWidget& root, const QFont& font) {
    const QFontMetrics metrics(font);
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (captionWidth(metrics, label->text()) > label->contentsRect().width()) return false;
    }
    for (const QGroupBox* box : root.findChildren<QGroupBox*>()) {
        if (!groupBoxTitleFits(*box, font)) return false;
    }
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty() && !buttonCaptionFits(*button, metrics)) return false;
    }
    return true;
}

}  // namespace

void fitCaptions(QWidget* root) {
    QFont font = root->font();
    if (everyCaptionFits(*root, font)) return;
    if (font.pointSizeF() <= 0) return;  // a pixel-sized font: leave it alone
    for (qreal size = font.pointSizeF(); size >= kSmallestPointSize; size -= kPointSizeStep) {
        for (const int stretch : {int{QFont::Unstretched}, int{QFont::SemiCondensed}}) {
            font.setPointSizeF(size);
            font.setStretch(stretch);
            if (everyCaptionFits(*root, font)) {
                root->setFont(font);
                return;
            }
        }
    }
    root->setFont(font);
}

}  // namespace nickbridge::ui
