// SPDX-License-Identifier: MIT
#include "convert_command.h"

#include <cerrno>
#include <new>
#include <optional>

#include "messages.h"
#include "nickname_loader.h"
#include "output_writer.h"
#include "platform/file_access.h"
#include "platform/same_file.h"
#include "record_conversion.h"

namespace nickbridge {
namespace {

// Loads the source file; an outcome means the command ends here.
std::optional<ConvertOutcome> load(const std::string& sourcePath, std::FILE* input,
                                   NicknameFile& file, ConvertReport& report) {
    const LoadResult loaded = input != nullptr ? file.read(input) : file.open(sourcePath);
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

// Replacing the nickname file by its own conversion would lose it.
bool outputIsSource(const std::string& sourcePath, const std::string& outputPath,
                    const StandardStreams& streams) {
    if (streams.output != nullptr) return false;
    const auto output = platform::nativePath(outputPath);
    return streams.input != nullptr
               ? platform::isSameFile(streams.input, output)
               : platform::isSameFile(platform::nativePath(sourcePath), output);
}

ConvertOutcome convert(const std::string& sourcePath, const std::string& outputPath,
                       const FieldSelection& selection, ConvertReport& report,
                       const StandardStreams& streams) {
    NicknameFile file;
    if (!sourcePath.empty()) {
        // A refused file ends the command: the file the user picks instead is converted by the
        // next press, and the old output file is left alone.
        if (const auto ended = load(sourcePath, streams.input, file, report)) return *ended;
    }
    if (sourcePath.empty() || outputPath.empty()) {
        report.showProblem(std::string(messages::kNothingToDo));
        return ConvertOutcome::NothingToDo;
    }
    if (outputIsSource(sourcePath, outputPath, streams)) {
        report.showProblem(messages::cannotWriteOutput(outputPath, messages::kOutputIsSource));
        return ConvertOutcome::OutputUnwritable;
    }

    const LineProducer produce = [&](LineWriter& out) {
        return convertRecords(file.text(), selection, out);
    };
    const WriteResult written = streams.output != nullptr
                                    ? writeOutputStream(streams.output, produce)
                                    : writeOutputFile(outputPath, produce);
    if (!written.ok) {
        report.showProblem(messages::cannotWriteOutput(outputPath, written.reason));
        return ConvertOutcome::OutputUnwritable;
    }
    report.showCompletion(messages::conversionComplete(outputPath));
    return ConvertOutcome::Converted;
}

}  // namespace

ConvertOutcome runConvertCommand(const std::string& sourcePath, const std::string& outputPath,
                                 const FieldSelection& selection, ConvertReport& report,
                                 const StandardStreams& streams) {
    ConvertOutcome outcome = ConvertOutcome::OutputUnwritable;
    try {
        outcome = convert(sourcePath, outputPath, selection, report, streams);
    } catch (const std::bad_alloc&) {
        // Loading and writing say so themselves; this is what little is left around them.
        report.showProblem(
            messages::cannotWriteOutput(outputPath, platform::systemErrorText(ENOMEM)));
    }
    if (outcome == ConvertOutcome::Converted) report.resetChoosers();
    return outcome;
}

}  // namespace nickbridge
