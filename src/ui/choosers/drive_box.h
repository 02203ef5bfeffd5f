// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace nickbridge::ui {

// A chooser's drive list. Screen readers hear it by its accessible name ("Drives") with the drive
// shown as its value: on Unix Qt's own combo box gives its current entry as its name instead.
// Before its entries drop down it says so, so that they can be read again first.
class DriveBox final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveBox(QWidget* parent);

    void showPopup() override;

signals:
    void aboutToOpen();
};

}  // namespace nickbridge::ui
