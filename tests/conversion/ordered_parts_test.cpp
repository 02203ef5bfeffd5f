// SPDX-License-Identifier: MIT
#include "conversion/ordered_parts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <string>
#include <vector>

namespace nickbridge {
namespace {

// Part `part`'s lines: a few parts are far larger than a thread may hold ahead of its turn, so
// threads that run ahead must wait.
std::size_t linesOf(std::size_t part) { return part % 5 == 3 ? 60'000 : part % 4; }

std::string lineOf(std::size_t part, std::size_t line) {
    return std::to_string(part) + ":" + std::to_string(line) + std::string(line % 150, 'x');
}

constexpr std::size_t kParts = 24;

std::string expectedOutput() {
    std::string expected;
    for (std::size_t part = 0; part < kParts; ++part) {
        for (std::size_t line = 0; line < linesOf(part); ++line) {
            expected += lineOf(part, line) + "\r\n";
        }
    }
    return expected;
}

ProducerFactory numberedLines() {
    return [](LineWriter& out) -> PartProducer {
        return [&out](std::size_t part) {
            for (std::size_t line = 0; line < linesOf(part); ++line) {
                out.line() += lineOf(part, line);
                if (!out.endLine()) return false;
            }
            return true;
        };
    };
}

TEST(WritePartsInOrder, GivesThePartsInOrderOnAnyNumberOfThreads) {
    const std::string expected = expectedOutput();
    ASSERT_GT(expected.size(), std::size_t{5} << 20);
    for (const unsigned threads : {1u, 2u, 4u}) {
        SCOPED_TRACE(threads);
        std::string written;
        LineWriter out([&](std::string_view piece) {
            written += piece;
            return true;
        });
        ASSERT_TRUE(writePartsInOrder(kParts, threads, numberedLines(), out) && out.finish());
        EXPECT_TRUE(written == expected);
    }
}

// A writer that fails part way ends every thread: what it took is the start of the output, and
// its errno comes out on the calling thread.
TEST(WritePartsInOrder, AFailedWriteEndsTheWorkWithItsErrno) {
    const std::string expected = expectedOutput();
    for (const std::size_t room : {std::size_t{0}, std::size_t{3} << 20}) {
        SCOPED_TRACE(room);
        std::string written;
        LineWriter out([&](std::string_view piece) {
            if (written.size() + piece.size() > room) {
                errno = ENOSPC;
                return false;
            }
            written += piece;
            return true;
        });
        errno = 0;
        EXPECT_FALSE(writePartsInOrder(kParts, 2, numberedLines(), out));
        EXPECT_EQ(errno, ENOSPC);
        EXPECT_TRUE(expected.starts_with(written));
    }
}

TEST(WritePartsInOrder, AnExceptionOnAnyThreadComesOutOnTheCallingOne) {
    for (const std::size_t throwing : {std::size_t{0}, std::size_t{1}, kParts - 1}) {
        SCOPED_TRACE(throwing);
        LineWriter out([](std::string_view) { return true; });
        const ProducerFactory producerFor = [throwing](LineWriter&) -> PartProducer {
            return [throwing](std::size_t part) {
                if (part == throwing) throw std::bad_alloc();
                return true;
            };
        };
        EXPECT_THROW(writePartsInOrder(kParts, 2, producerFor, out), std::bad_alloc);
    }
}

}  // namespace
}  // namespace nickbridge
