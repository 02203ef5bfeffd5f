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

// Replacing the nickname file by its own conversion would lose it, and standard output aimed at
// it (`>> s.txt`, `1<> s.txt`) would add to it or write over it.
bool outputIsSource(const std::string& sourcePath, const std::string& outputPath,
                    const StandardStreams& streams) {
    if (streams.output != nullptr) {
        return streams.input != nullptr
                   ? platform::isSameRegularFile(streams.input, streams.output)
                   : platform::isSameFile(streams.output, platform::nativePath(sourcePath));
    }
    const auto output = platform::nativePath(outputPath);
    return streams.input != nullptr
               ? platform::isSameFile(streams.input, output)
               : platform::isSameFile(platform::nativePath(sourcePath), output);
}

// Where a folder ends in a path: "/" everywhere, also "\\" and a drive's ":" on Windows.
bool isFolderSeparator(char c) {
#if defined(_WIN32)
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

// Every line of the chosen output, straight into the writer.
LineProducer producerFor(const OutputChoice& choice, const NicknameFile& file,
                         const FieldSelection& selection) {
    if (choice.format == OutputFormat::VCard) {
        return [&file, &selection, &choice](LineWriter& out) {
            return writeVCards(file.text(), selection, choice.vcard, out);
        };
    }
    return [&file, &selection](LineWriter& out) {
        return convertRecords(file.text(), selection, out);
    };
}

ConvertOutcome convert(const std::string& sourcePath, const std::string& outputPath,
                       const FieldSelection& selection, ConvertReport& report,
                       const StandardStreams& streams, const OutputChoice& choice) {
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

    const LineProducer produce = producerFor(choice, file, selection);
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
                                 const StandardStreams& streams, const OutputChoice& choice) {
    ConvertOutcome outcome = ConvertOutcome::OutputUnwritable;
    try {
        outcome = convert(sourcePath, outputPath, selection, report, streams, choice);
    } catch (const std::bad_alloc&) {
        // Loading and writing say so themselves; this is what little is left around them.
        report.showProblem(
            messages::cannotWriteOutput(outputPath, platform::systemErrorText(ENOMEM)));
    }
    if (outcome == ConvertOutcome::Converted) report.resetChoosers();
    return outcome;
}

ConvertOutcome runVCardCommand(const std::string& sourcePath, const std::string& outputPath,
                               const FieldSelection& selection, ConvertReport& report) {
    return runConvertCommand(sourcePath, vcardPathFor(outputPath), selection, report, {},
                             {OutputFormat::VCard, {}});
}

std::string vcardPathFor(const std::string& outputPath) {
    if (outputPath.empty()) return {};
    std::size_t nameStart = outputPath.size();
    while (nameStart > 0 && !isFolderSeparator(outputPath[nameStart - 1])) --nameStart;
    const std::string_view name = std::string_view(outputPath).substr(nameStart);
    if (name.empty()) return outputPath + "converted.vcf";
    const std::size_t dot = name.rfind('.');
    const std::size_t stemLength = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
    return outputPath.substr(0, nameStart + stemLength) + ".vcf";
}

}  // namespace nickbridge
