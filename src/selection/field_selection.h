// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace nickbridge {

// The state of one field check box; the numbers are what nbr.ini stores.
enum class BoxState { Clear = 0, Ticked = 1, Greyed = 2 };

// The eight field boxes of the main window, named after their controls.
// NN (Nickname) is shown and remembered but never changes the output.
struct FieldSelection {
    BoxState firstName = BoxState::Ticked;
    BoxState lastName = BoxState::Ticked;
    BoxState nickname = BoxState::Ticked;
    BoxState email = BoxState::Ticked;
    BoxState postalAddress = BoxState::Ticked;
    BoxState phone = BoxState::Ticked;
    BoxState fax = BoxState::Ticked;
    BoxState notes = BoxState::Ticked;

    bool operator==(const FieldSelection&) const = default;
};

// The name boxes leave their field out only when clear; the others keep theirs only when ticked.
constexpr bool keepsName(BoxState box) { return box != BoxState::Clear; }
constexpr bool keepsField(BoxState box) { return box == BoxState::Ticked; }

// The boxes in the order nbr.ini keeps them: neither the screen nor the focus order.
inline constexpr std::array<BoxState FieldSelection::*, 8> kBoxOrder{
    &FieldSelection::firstName, &FieldSelection::lastName,      &FieldSelection::nickname,
    &FieldSelection::email,     &FieldSelection::postalAddress, &FieldSelection::phone,
    &FieldSelection::fax,       &FieldSelection::notes,
};

}  // namespace nickbridge
