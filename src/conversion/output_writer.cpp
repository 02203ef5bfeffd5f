// SPDX-License-Identifier: MIT
#include "output_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <utility>

#include "platform/file_access.h"
#include "platform/file_replace.h"

namespace nickbridge {
namespace {

// Large enough that writes cost little next to the conversion, small enough that its memory is
// touched once and stays cheap.
constexpr std::size_t kPieceSize = std::size_t{1} << 18;

// How much of a file that ends flushed to disk is written before its writing to the disk is
// started, again and again: the disk then works while later lines are made, and the final flush
// waits only for the last of them.
constexpr std::uint64_t kWriteBackStep = std::uint64_t{1} << 22;

// Writes all lines to `file`, started on their way to the disk as they go when `toDisk`; false
// with errno set when a write failed or memory ran out.
bool writeLines(std::FILE* file, const LineProducer& produce, bool toDisk) {
    try {
        std::uint64_t written = 0;
        std::uint64_t started = 0;  // where the part not yet started on its way begins
        LineWriter writer([&](std::string_view piece) {
            if (std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) return false;
            written += piece.size();
            if (!toDisk || written - started < kWriteBackStep) return true;
            const bool pushed = platform::startWriteBack(file, started);
            started = written;
            return pushed;
        });
        return produce(writer) && writer.finish();
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
}

}  // namespace

LineWriter::LineWriter(Sink sink) : sink_(std::move(sink)), pieceSize_(kPieceSize) {
    buffer_.reserve(kPieceSize + 1024);
}

bool LineWriter::endLine() {
    // Two bytes one by one: a call to copy them would cost more, once per line.
    buffer_.push_back('\r');
    buffer_.push_back('\n');
    lineStart_ = buffer_.size();
    return buffer_.size() < pieceSize_ || finish();
}

bool LineWriter::finish() {
    if (buffer_.empty()) return true;
    const bool written = sink_(buffer_);
    buffer_.clear();
    lineStart_ = 0;
    return written;
}

void LineWriter::collectUpTo(std::size_t bytes) { pieceSize_ = std::max(bytes, kPieceSize); }

bool LineWriter::passOn(std::string_view lines) {
    return finish() && (lines.empty() || sink_(lines));
}

WriteResult writeOutputFile(const std::string& outputPath, const LineProducer& produce) {
    const auto failure = platform::replaceFile(
        outputPath, [&produce](std::FILE* file) { return writeLines(file, produce, true); });
    if (failure) return {false, *failure};
    return {};
}

WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines) {
    return writeOutputFile(outputPath, [&lines](LineWriter& writer) {
        for (const std::string& line : lines) {
            writer.line() += line;
            if (!writer.endLine()) return false;
        }
        return true;
    });
}

WriteResult writeOutputStream(std::FILE* stream, const LineProducer& produce) {
    errno = 0;
    if (writeLines(stream, produce, false) && std::fflush(stream) == 0) return {};
    return {false, platform::systemErrorText(errno != 0 ? errno : EIO)};
}

}  // namespace nickbridge
