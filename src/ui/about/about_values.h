// SPDX-License-Identifier: MIT
#pragma once

// The project's own credit, contact and web-site values that the About box shows. They name no
// real person, company or address: the domain is one reserved for examples.
namespace nickbridge::ui::about_values {

inline constexpr const char* kAuthorCredit = "Written by the NickBridge developers";
inline constexpr const char* kAuthorEmail = "nickbridge@example.org";
inline constexpr const char* kStreetLine = "1 Example Street";
inline constexpr const char* kTownLine = "Exampleton, EX 00000";
inline constexpr const char* kWebSite = "https://nickbridge.example.org/";

}  // namespace nickbridge::ui::about_values
