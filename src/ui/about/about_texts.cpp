// SPDX-License-Identifier: MIT
#include "ui/about/about_texts.h"

#include <QStringList>

#include "ui/about/about_values.h"

namespace nickbridge::ui {

namespace values = about_values;

QString siteLine() { return QStringLiteral("WebSite:  ") + QLatin1String(values::kWebSite); }

QString descriptionText() {
    const QStringList lines{
        QLatin1String(values::kAuthorCredit),
        QStringLiteral("Email:  ") + QLatin1String(values::kAuthorEmail),
        QString(),
        QStringLiteral("If you find this program useful, please contribute any amount to:"),
        QStringLiteral("NickBridge"),
        QLatin1String(values::kStreetLine),
        QLatin1String(values::kTownLine),
    };
    return lines.join(QLatin1Char('\r'));
}

QString versionText(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString disclaimerText() {
    return QStringLiteral(
        "Warning, \rThis software has not been tested for any platform other than Windows 95, 98 "
        "and NT 4.0; Palm OS 3.0 and 3.0.2; and Eudora 4x.");
}

}  // namespace nickbridge::ui
