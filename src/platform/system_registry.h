// SPDX-License-Identifier: MIT
#pragma once

#include "platform/registry.h"

namespace nickbridge::platform {

// The operating system's registry: Windows' own; elsewhere there is none and every key is missing.
RawRegistry& systemRegistry();

}  // namespace nickbridge::platform
