// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace nickbridge::ui {

// The texts the About box sets each time it loads. Line breaks are carriage returns alone.

// "WebSite:  " and the web-site address.
QString siteLine();
// Credit, e-mail, one empty line, the request for contributions and the postal address.
QString descriptionText();
// "Version 1.0.2": each number in plain decimal.
QString versionText(int major, int minor, int revision);
QString disclaimerText();

}  // namespace nickbridge::ui
