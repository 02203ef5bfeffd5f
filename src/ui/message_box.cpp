// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include <QMessageBox>
#include <utility>

#include "nickbridge/version.h"
#include "ui/path_text.h"

namespace nickbridge::ui {
namespace {

void runMessageBox(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageSink& currentSink() {
    static MessageSink sink = runMessageBox;
    return sink;
}

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    currentSink()(parent, QString::fromLatin1(kProgramTitle), text);
}

void showMessage(QWidget* parent, const std::string& text) { showMessage(parent, pathText(text)); }

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

}  // namespace nickbridge::ui
