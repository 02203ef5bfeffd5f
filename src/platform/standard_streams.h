// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

namespace nickbridge::platform {

// Standard input and output set up to carry file content: in binary mode on Windows, so that no
// CR is added or lost on the way.
std::FILE* binaryStandardInput();
std::FILE* binaryStandardOutput();

}  // namespace nickbridge::platform
