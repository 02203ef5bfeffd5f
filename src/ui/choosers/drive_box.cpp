// SPDX-License-Identifier: MIT
#include "ui/choosers/drive_box.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace nickbridge::ui {
namespace {

class DriveBoxAccessible final : public QAccessibleWidget {
public:
    explicit DriveBoxAccessible(DriveBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    DriveBox* box() const { return static_cast<DriveBox*>(widget()); }
};

QAccessibleInterface* accessibleDriveBox(const QString& className, QObject* object) {
    if (className != QLatin1String(DriveBox::staticMetaObject.className())) return nullptr;
    auto* box = qobject_cast<DriveBox*>(object);
    return box != nullptr ? new DriveBoxAccessible(box) : nullptr;
}

}  // namespace

DriveBox::DriveBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleDriveBox);
        return true;
    }();
    static_cast<void>(installed);
}

void DriveBox::showPopup() {
    emit aboutToOpen();
    QComboBox::showPopup();
}

}  // namespace nickbridge::ui
