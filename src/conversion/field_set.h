// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace nickbridge {

// What one nickname yields: the fields a record text is cut into.
// `username` only feeds the first and last name; it has no column of its own.
struct FieldSet {
    std::string username;
    std::string firstname;
    std::string lastname;
    std::string emailAddr;
    std::string phone;
    std::string FAX;
    std::string address;
    std::string NOTE;

    bool operator==(const FieldSet&) const = default;
};

}  // namespace nickbridge
