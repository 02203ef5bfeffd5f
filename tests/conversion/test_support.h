#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "conversion/field_set.h"

namespace nickbridge {

// Readable failure output for field sets (gtest would otherwise dump raw bytes).
inline void PrintTo(const FieldSet& f, std::ostream* os) {
    *os << "{username=\"" << f.username << "\" firstname=\"" << f.firstname << "\" lastname=\""
        << f.lastname << "\" emailAddr=\"" << f.emailAddr << "\" phone=\"" << f.phone << "\" FAX=\""
        << f.FAX << "\" address=\"" << f.address << "\" NOTE=\"" << f.NOTE << "\"}";
}

}  // namespace nickbridge

namespace nickbridge::test {

// A fresh folder under the system temp folder, removed with everything in it at scope end.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("nickbridge-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directory(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
