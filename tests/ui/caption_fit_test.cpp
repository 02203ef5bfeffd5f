// SPDX-License-Identifier: MIT
#include "ui/caption_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace nickbridge::testing {
namespace {

TEST(CaptionFit, KeepsTheFontWhenEverythingFits) {
    QWidget root;
    auto* label = new QLabel(QStringLiteral("Notes"), &root);
    label->setGeometry(0, 0, 200, 20);
    const QFont before = root.font();

    ui::fitCaptions(&root);

    EXPECT_EQ(root.font(), before);
}

TEST(CaptionFit, ShrinksTheFontUntilLabelsAndGroupBoxTitlesFit) {
    const QString caption = QStringLiteral("Postal Address");
    const int naturalWidth = QFontMetrics(QApplication::font()).horizontalAdvance(caption);
    const int tightWidth = naturalWidth * 3 / 4;

    QWidget root;
    auto* label = new QLabel(caption, &root);
    label->setGeometry(0, 0, tightWidth, 20);
    auto* frame = new QGroupBox(caption, &root);
    frame->setGeometry(0, 30, tightWidth, 60);

    ui::fitCaptions(&root);

    EXPECT_LT(root.font().pointSizeF(), QApplication::font().pointSizeF());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(caption), label->width());
    EXPECT_LE(frame->fontMetrics().horizontalAdvance(caption), frame->width());
}

}  // namespace
}  // namespace nickbridge::testing
