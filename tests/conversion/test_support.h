// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "conversion/field_set.h"

namespace nickbridge {

// Readable failure output for field sets (gtest would otherwise dump raw bytes).
inline void PrintTo(const FieldSet& f, std::ostream* os) {
    *os << "{fullName=\"" << f.fullName << "\" firstName=\"" << f.firstName << "\" lastName=\""
        << f.lastName << "\" email=\"" << f.email << "\" phone=\"" << f.phone << "\" fax=\""
        << f.fax << "\" address=\"" << f.address << "\" notes=\"" << f.notes << "\"}";
}

}  // namespace nickbridge

namespace nickbridge::test {

// Names each parameterised case after the `name` member of its table row.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& row) const {
        return row.param.name;
    }
};

inline std::string repeat(std::string_view unit, std::size_t times) {
    std::string out;
    out.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

}  // namespace nickbridge::test
