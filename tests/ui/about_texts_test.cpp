// SPDX-License-Identifier: MIT
#include "ui/about/about_texts.h"

#include <gtest/gtest.h>

#include "ui/about/about_values.h"

namespace nickbridge::testing {
namespace {

namespace values = ui::about_values;

TEST(AboutTexts, DescriptionHasSevenLinesAndOneEmptyLineJoinedByCarriageReturnsAlone) {
    const QString expected =
        QLatin1String(values::kAuthorCredit) + "\rEmail:  " + QLatin1String(values::kAuthorEmail) +
        "\r\rIf you find this program useful, please contribute any amount "
        "to:\rNickBridge\r" +
        QLatin1String(values::kStreetLine) + "\r" + QLatin1String(values::kTownLine);
    EXPECT_EQ(ui::descriptionText(), expected);
}

TEST(AboutTexts, SiteVersionAndDisclaimer) {
    EXPECT_EQ(ui::siteLine(), QStringLiteral("WebSite:  https://nickbridge.example.org/"));
    EXPECT_EQ(ui::versionText(1, 0, 2), QStringLiteral("Version 1.0.2"));
    EXPECT_EQ(ui::disclaimerText(),
              QStringLiteral("Warning, \rThis software has not been tested for any platform other "
                             "than Windows 95, 98 and NT 4.0; Palm OS 3.0 and 3.0.2; and Eudora "
                             "4x."));
}

}  // namespace
}  // namespace nickbridge::testing
