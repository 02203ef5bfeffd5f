// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

TEST(MessageBox, TheRecorderGetsTheProgramTitleAndTheText) {
    MessageRecorder recorder;
    ui::showMessage(nullptr, QStringLiteral("Nothing to do."));
    ui::showMessage(nullptr, std::string("Conversion Complete to ouput file \"/tmp/x.txt\"."));

    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_EQ(recorder.shown[0].caption, QStringLiteral("nickbridge"));
    EXPECT_EQ(recorder.shown[0].text, QStringLiteral("Nothing to do."));
    EXPECT_EQ(recorder.shown[1].text,
              QStringLiteral("Conversion Complete to ouput file \"/tmp/x.txt\"."));
}

// The real box, looked at while it runs and then answered with its one button.
TEST(MessageBox, TheDefaultBoxHasOneOkButtonNoIconAndTheProgramTitle) {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QList<QMessageBox::StandardButton> buttons;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                buttons.push_back(box->standardButton(button));
            }
            box->buttons().front()->click();
        } else if (modal != nullptr) {
            modal->close();
        }
    });
    ui::showMessage(nullptr, QStringLiteral("Nothing to do."));

    EXPECT_EQ(title, QStringLiteral("nickbridge"));
    EXPECT_EQ(text, QStringLiteral("Nothing to do."));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
}

}  // namespace
}  // namespace nickbridge::testing
