// SPDX-License-Identifier: MIT
#include "platform/standard_streams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace nickbridge::platform {
namespace {

std::FILE* binary(std::FILE* stream) {
#ifdef _WIN32
    // It fails only for a descriptor that is not open, and then the read or write that follows
    // fails and says so.
    static_cast<void>(_setmode(_fileno(stream), _O_BINARY));
#endif
    return stream;
}

}  // namespace

std::FILE* binaryStandardInput() { return binary(stdin); }

std::FILE* binaryStandardOutput() { return binary(stdout); }

}  // namespace nickbridge::platform
