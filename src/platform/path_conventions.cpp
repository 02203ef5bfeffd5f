#include "platform/path_conventions.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace nickbridge::platform {

std::string defaultOutputPath() {
#ifdef _WIN32
    return "c:\\temp\\converted.txt";
#else
    // No drive letters here: the Windows temp folder becomes the POSIX one.
    return "/tmp/converted.txt";
#endif
}

#ifdef _WIN32

std::filesystem::path nativePath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int wideSize = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), wideSize);
    return std::filesystem::path(wide);
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    const std::string narrowMode(mode);
    return _wfopen(path.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
}

#else

std::filesystem::path nativePath(const std::string& path) { return std::filesystem::path(path); }

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

#endif

}  // namespace nickbridge::platform
