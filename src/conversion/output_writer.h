// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nickbridge {

// Collects output lines and passes them on in large pieces: the output is written in a few large
// writes and never held whole in memory.
class LineWriter {
public:
    // Takes each piece on; false when it could not (errno tells why).
    using Sink = std::function<bool(std::string_view)>;

    explicit LineWriter(Sink sink);

    // The text of the line being built, after the lines not yet passed on: append to it, then
    // end the line or drop it.
    std::string& line() { return buffer_; }
    // What the line being built holds so far.
    std::string_view lineSoFar() const { return std::string_view(buffer_).substr(lineStart_); }
    // Forgets the line being built.
    void dropLine() { buffer_.resize(lineStart_); }
    // Ends the line with CR LF; passes the lines on once they fill a piece.
    bool endLine();
    // Passes on what is left.
    bool finish();
    // Passes whole lines straight on, after those collected so far.
    bool passOn(std::string_view lines);
    // Lets the lines collect up to `bytes` before they are passed on; 0, or anything less than
    // the usual piece, for the usual piece.
    void collectUpTo(std::size_t bytes);

private:
    Sink sink_;
    std::string buffer_;
    std::size_t lineStart_ = 0;  // where in the buffer the line being built starts
    std::size_t pieceSize_;      // how much collects before it is passed on
};

// Gives the writer every line of the output; false when the writer failed.
using LineProducer = std::function<bool(LineWriter&)>;

struct WriteResult {
    bool ok = true;
    std::string reason;  // why the file could not be written
};

// Writes the lines through platform::replaceFile: a failure, running out of memory included,
// leaves the old file exactly as it was, and a read-only file is never replaced.
WriteResult writeOutputFile(const std::string& outputPath, const LineProducer& produce);
WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines);

// Writes the lines to a stream that is already open, such as standard output.
WriteResult writeOutputStream(std::FILE* stream, const LineProducer& produce);

}  // namespace nickbridge
