// SPDX-License-Identifier: MIT
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <random>
#include <system_error>

namespace nickbridge::testing {

TempFolder::TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "nickbridge-";
    if (info != nullptr) {
        name += std::string(info->test_suite_name()) + "-" + info->name() + "-";
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    name += std::to_string(std::random_device{}());
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Read-only files inside must not keep the folder alive on Windows.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace nickbridge::testing
