// SPDX-License-Identifier: MIT
#include "ui/modal.h"

#include <QDialog>
#include <utility>

namespace nickbridge::ui {
namespace {

ModalSink& currentSink() {
    static ModalSink sink = [](QDialog& dialog) { dialog.exec(); };
    return sink;
}

}  // namespace

void showModal(QDialog& dialog) { currentSink()(dialog); }

ModalSink setModalSink(ModalSink sink) { return std::exchange(currentSink(), std::move(sink)); }

}  // namespace nickbridge::ui
