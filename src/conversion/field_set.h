// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace nickbridge {

// What one nickname yields: the fields a record text is cut into.
// `fullName` only feeds the first and last name; it has no column of its own.
template <typename Text>
struct BasicFieldSet {
    Text fullName;
    Text firstName;
    Text lastName;
    Text email;
    Text phone;
    Text fax;
    Text address;
    Text notes;

    bool operator==(const BasicFieldSet&) const = default;
};

// Fields holding their own text.
using FieldSet = BasicFieldSet<std::string>;
// Fields as views into the record they were cut from: the conversion copies nothing per field.
using FieldViews = BasicFieldSet<std::string_view>;

template <typename To, typename From>
BasicFieldSet<To> convertFieldSet(const BasicFieldSet<From>& f) {
    return {To(f.fullName), To(f.firstName), To(f.lastName), To(f.email),
            To(f.phone),    To(f.fax),       To(f.address),  To(f.notes)};
}

}  // namespace nickbridge
