// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

#include "conversion/convert_command.h"

namespace nickbridge::cli {

// The Convert command's report on a terminal: problems to the error stream, the completion
// message to the output stream, one line each. There is no chooser to show or reset.
class ConsoleReport : public ConvertReport {
public:
    ConsoleReport(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void showProblem(const std::string& text) override;
    void showCompletion(const std::string& text) override;
    void showSourceChooser() override {}
    void resetChoosers() override {}

private:
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace nickbridge::cli
