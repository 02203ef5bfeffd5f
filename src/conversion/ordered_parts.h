// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>

#include "output_writer.h"

namespace nickbridge {

// How a large output is shared out among threads: the input is cut into parts of about
// `partBytes` each, made on up to `threads` threads at once.
struct WorkSplit {
    static constexpr std::size_t kDefaultPartBytes = std::size_t{1} << 19;

    std::size_t partBytes = kDefaultPartBytes;
    unsigned threads = 0;  // 0: as many as the processor runs at once, at most four
};

// Writes every line of part `part` into the writer it was made for; false when the writer failed.
using PartProducer = std::function<bool(std::size_t part)>;
// Makes the producer of one thread, for its own writer: what a thread needs is made once, then
// reused for every part it makes. Called on each thread.
using ProducerFactory = std::function<PartProducer(LineWriter& out)>;

// Makes `count` parts, numbered from zero, on up to `threads` threads at once, this one among
// them, and passes their lines on to `out` in part order: the same bytes as making them one after
// another here. A thread that runs ahead holds 2 MiB of its part at most, then waits for its turn.
// False when a part failed, with errno as the writer left it; an exception on any thread comes
// out here.
bool writePartsInOrder(std::size_t count, unsigned threads, const ProducerFactory& producerFor,
                       LineWriter& out);

}  // namespace nickbridge
