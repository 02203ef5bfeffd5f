// SPDX-License-Identifier: MIT
#include "platform/path_bytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace nickbridge::platform {

#ifdef _WIN32

std::string pathBytes(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int narrowSize =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowSize), '\0');
    // Every UTF-16 text converts, a character outside the code page to its default character;
    // only a failure of the call itself gives nothing.
    if (narrowSize == 0 || WideCharToMultiByte(CP_ACP, 0, wide.data(), size, narrow.data(),
                                               narrowSize, nullptr, nullptr) != narrowSize) {
        return {};
    }
    return narrow;
}

char nativeSeparator() { return '\\'; }

#else

std::string pathBytes(const std::filesystem::path& path) { return path.native(); }

char nativeSeparator() { return '/'; }

#endif

}  // namespace nickbridge::platform
