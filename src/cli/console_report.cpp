// SPDX-License-Identifier: MIT
#include "cli/console_report.h"

namespace nickbridge::cli {

void ConsoleReport::showProblem(const std::string& text) { err_ << text << '\n' << std::flush; }

void ConsoleReport::showCompletion(const std::string& text) { out_ << text << '\n' << std::flush; }

}  // namespace nickbridge::cli
