// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

#include "selection/field_selection.h"

namespace nickbridge::ui {

// One of the eight field boxes: three states, but only the settings file can grey it; a click or
// the space bar switches between clear and ticked (a greyed box becomes ticked).
class FieldBox : public QCheckBox {
    Q_OBJECT

public:
    explicit FieldBox(QWidget* parent = nullptr);

    BoxState state() const;
    void setState(BoxState state);

protected:
    void nextCheckState() override;
};

}  // namespace nickbridge::ui
