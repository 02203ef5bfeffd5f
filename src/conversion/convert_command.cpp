// SPDX-License-Identifier: MIT
#include "convert_command.h"

#include <optional>

#include "field_extraction.h"
#include "messages.h"
#include "nickname_loader.h"
#include "output_line.h"
#include "output_writer.h"

namespace nickbridge {
namespace {

// Loads the source file; an outcome means the command ends here.
std::optional<ConvertOutcome> load(const std::string& sourcePath, std::vector<std::string>& records,
                                   ConvertReport& report) {
    const LoadResult loaded = loadTheStuff(sourcePath, records);
    switch (loaded.status) {
        case LoadStatus::Loaded:
            return std::nullopt;
        case LoadStatus::Refused:
            report.showProblem(std::string(messages::kNotNicknameFile));
            report.showSourceChooser();
            return ConvertOutcome::Refused;
        case LoadStatus::Unreadable:
            report.showProblem(messages::cannotReadSource(sourcePath, loaded.reason));
            return ConvertOutcome::SourceUnreadable;
    }
    return ConvertOutcome::SourceUnreadable;
}

ConvertOutcome convert(const std::string& sourcePath, const std::string& outputPath,
                       const FieldSelection& selection, std::vector<std::string>& records,
                       ConvertReport& report) {
    if (!sourcePath.empty()) {
        // A refused file ends the command: the file the user picks instead is converted by the
        // next press, and the old output file is left alone.
        if (const auto ended = load(sourcePath, records, report)) return *ended;
    }
    if (sourcePath.empty() || outputPath.empty()) {
        report.showProblem(std::string(messages::kNothingToDo));
        return ConvertOutcome::NothingToDo;
    }

    for (std::string& record : records) record = formatOutputLine(extractFields(record), selection);

    if (const WriteResult written = writeOutputFile(outputPath, records); !written.ok) {
        report.showProblem(messages::cannotWriteOutput(outputPath, written.reason));
        return ConvertOutcome::OutputUnwritable;
    }
    report.showCompletion(messages::conversionComplete(outputPath));
    return ConvertOutcome::Converted;
}

}  // namespace

ConvertOutcome runConvertCommand(const std::string& sourcePath, const std::string& outputPath,
                                 const FieldSelection& selection, std::vector<std::string>& records,
                                 ConvertReport& report) {
    const ConvertOutcome outcome = convert(sourcePath, outputPath, selection, records, report);
    // The list only lives for one command, whichever way it ended.
    records.clear();
    if (outcome == ConvertOutcome::Converted) report.resetChoosers();
    return outcome;
}

}  // namespace nickbridge
