// SPDX-License-Identifier: MIT
#include "ui/main_window/field_box.h"

namespace nickbridge::ui {

FieldBox::FieldBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);
    setCheckState(Qt::Checked);
}

BoxState FieldBox::state() const {
    switch (checkState()) {
        case Qt::Unchecked:
            return BoxState::Clear;
        case Qt::PartiallyChecked:
            return BoxState::Greyed;
        case Qt::Checked:
            break;
    }
    return BoxState::Ticked;
}

void FieldBox::setState(BoxState state) {
    switch (state) {
        case BoxState::Clear:
            setCheckState(Qt::Unchecked);
            return;
        case BoxState::Greyed:
            setCheckState(Qt::PartiallyChecked);
            return;
        case BoxState::Ticked:
            setCheckState(Qt::Checked);
            return;
    }
}

void FieldBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace nickbridge::ui
