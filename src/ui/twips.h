// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

namespace nickbridge::ui {

// Window layouts are drawn in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

}  // namespace nickbridge::ui
