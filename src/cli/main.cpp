// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/convert_tool.h"

int main(int argc, char** argv) {
    return nickbridge::cli::runConvertTool(argc, argv, std::cout, std::cerr);
}
