// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

#include "selection/field_selection.h"
#include "vcard_export.h"

namespace nickbridge {

// How the Convert command talks to whoever runs it: the window shows message boxes and
// choosers, the command line prints.
class ConvertReport {
public:
    virtual ~ConvertReport() = default;
    // A refusal or failure the user must see.
    virtual void showProblem(const std::string& text) = 0;
    // The completion message.
    virtual void showCompletion(const std::string& text) = 0;
    // The file was refused: let the user pick another source file.
    virtual void showSourceChooser() = 0;
    // A conversion completed: move the choosers back to their default folders.
    virtual void resetChoosers() = 0;
};

enum class ConvertOutcome { Converted, NothingToDo, Refused, SourceUnreadable, OutputUnwritable };

// Streams the command line reads or writes in place of a file ("-"); the path then only names
// the stream in messages.
struct StandardStreams {
    std::FILE* input = nullptr;
    std::FILE* output = nullptr;
};

// What the command writes: the Palm Desktop address file, or vCard 3.0 for today's contact apps.
enum class OutputFormat { PalmCsv, VCard };

struct OutputChoice {
    OutputFormat format = OutputFormat::PalmCsv;
    VCardOptions vcard;  // for OutputFormat::VCard

    bool operator==(const OutputChoice&) const = default;
};

// One press of "&Convert!": load, check paths, convert every record of the file and write them,
// report, and reset the choosers after a completed conversion. Records are converted one at a time
// as the output is written, so memory stays near the size of the source file.
ConvertOutcome runConvertCommand(const std::string& sourcePath, const std::string& outputPath,
                                 const FieldSelection& selection, ConvertReport& report,
                                 const StandardStreams& streams = {},
                                 const OutputChoice& choice = {});

// The window's "Convert to vCard": the same command, with the same refusals, messages and end
// steps, writing the vCard beside the output file (vcardPathFor); the completion message names
// the vCard.
ConvertOutcome runVCardCommand(const std::string& sourcePath, const std::string& outputPath,
                               const FieldSelection& selection, ConvertReport& report);

// The vCard that goes with an output path: the same folder and name, ".vcf" in place of the
// name's extension ("converted.txt" gives "converted.vcf"); "converted.vcf" when the path names
// only a folder. Empty stays empty, so the command says "Nothing to do.".
std::string vcardPathFor(const std::string& outputPath);

}  // namespace nickbridge
