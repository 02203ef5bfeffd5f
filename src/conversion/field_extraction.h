// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "field_set.h"

namespace nickbridge {

// Cuts one record text into its fields by fixed markers. Linear in the record length
// whatever it holds.
FieldSet extractFields(std::string_view recordText);

}  // namespace nickbridge
