// SPDX-License-Identifier: MIT
#include "ui/about/about_texts.h"

#include <gtest/gtest.h>

namespace nickbridge::testing {
namespace {

TEST(AboutTexts, DescriptionHasSevenLinesAndOneEmptyLineJoinedByCarriageReturnsAlone) {
    EXPECT_EQ(ui::descriptionText(),
              QStringLiteral("Written by the NickBridge developers\r"
                             "Email:  nickbridge@example.org\r"
                             "\r"
                             "If you find this program useful, please contribute any amount to:\r"
                             "NickBridge\r"
                             "1 Example Street\r"
                             "Exampleton, EX 00000"));
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
