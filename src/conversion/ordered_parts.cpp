// SPDX-License-Identifier: MIT
#include "ordered_parts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace nickbridge {
namespace {

// What a thread that runs ahead of its turn may hold before it waits: a part of an ordinary file
// fits, so the threads seldom wait for each other.
constexpr std::size_t kHeldLimit = std::size_t{2} << 20;

// The state the threads share: which part comes next, and whose turn it is to pass lines on.
class PartQueue {
public:
    PartQueue(std::size_t count, const ProducerFactory& producerFor, LineWriter& out)
        : count_(count), producerFor_(producerFor), out_(out) {}

    // Makes and passes on parts until none is left or one failed.
    void work() {
        try {
            std::size_t part = 0;
            // A part made ahead of its turn collects in the writer, and is passed on once the
            // turn comes; the lines of a part whose turn it is go on piece by piece.
            LineWriter writer([&](std::string_view lines) {
                if (!waitForTurn(part)) return false;
                writer.collectUpTo(0);
                if (out_.passOn(lines)) return true;
                fail(errno, nullptr);
                return false;
            });
            const PartProducer make = producerFor_(writer);
            while ((part = next_.fetch_add(1)) < count_) {
                writer.collectUpTo(isTurn(part) ? 0 : kHeldLimit);
                if (!(make(part) && writer.finish() && waitForTurn(part))) {
                    fail(0, nullptr);
                    return;
                }
                std::lock_guard lock(mutex_);
                turn_.store(part + 1, std::memory_order_release);
                turnChanged_.notify_all();
            }
        } catch (...) {
            fail(ENOMEM, std::current_exception());
        }
    }

    // True when every part was passed on; throws what a thread threw.
    bool finished() {
        if (exception_) std::rethrow_exception(exception_);
        if (failed_) errno = error_;
        return !failed_;
    }

private:
    bool isTurn(std::size_t part) const { return turn_.load(std::memory_order_acquire) == part; }

    // False when another thread failed first.
    bool waitForTurn(std::size_t part) {
        if (isTurn(part)) return true;
        std::unique_lock lock(mutex_);
        turnChanged_.wait(lock, [&] { return failed_ || turn_.load() == part; });
        return !failed_;
    }

    // Ends the work of every thread; the first failure's errno and exception are kept.
    void fail(int error, std::exception_ptr exception) {
        std::lock_guard lock(mutex_);
        if (!failed_) {
            failed_ = true;
            error_ = error;
            exception_ = std::move(exception);
        }
        next_.store(count_);
        turnChanged_.notify_all();
    }

    const std::size_t count_;
    const ProducerFactory& producerFor_;
    LineWriter& out_;  // only the thread whose turn it is touches it
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> turn_{0};
    std::mutex mutex_;
    std::condition_variable turnChanged_;
    bool failed_ = false;
    int error_ = 0;
    std::exception_ptr exception_;
};

}  // namespace

bool writePartsInOrder(std::size_t count, unsigned threads, const ProducerFactory& producerFor,
                       LineWriter& out) {
    if (threads == 0) threads = std::min(std::max(std::thread::hardware_concurrency(), 1u), 4u);
    if (count <= 1 || threads <= 1) {
        const PartProducer make = producerFor(out);
        for (std::size_t part = 0; part < count; ++part) {
            if (!make(part)) return false;
        }
        return true;
    }
    PartQueue queue(count, producerFor, out);
    std::vector<std::thread> helpers;
    try {
        helpers.reserve(threads - 1);
        for (unsigned i = 1; i < threads && i < count; ++i)
            helpers.emplace_back([&] { queue.work(); });
    } catch (const std::exception&) {
        // Fewer threads do the same work.
    }
    queue.work();
    for (std::thread& helper : helpers) helper.join();
    return queue.finished();
}

}  // namespace nickbridge
