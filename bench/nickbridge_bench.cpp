// SPDX-License-Identifier: MIT
// How fast a conversion is next to copying the same file: nickbridge-convert as a whole process
// against `cp` and against the floor of a durable replacement (mapped read, temp file, fsync,
// rename); the window's Convert command in process; the conversion per byte of an ordinary file
// and of 1 MiB records built to defeat naive scans; and the converter's peak memory. The ratios
// the targets are set in are printed at the end of the run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/convert_command.h"
#include "conversion/nickname_index.h"
#include "conversion/record_conversion.h"
#include "conversion/vcard_export.h"

#ifndef NICKBRIDGE_CONVERT_PROGRAM
#error "NICKBRIDGE_CONVERT_PROGRAM must name the built nickbridge-convert"
#endif

extern char** environ;

namespace {

using namespace nickbridge;
namespace fs = std::filesystem;

constexpr int kNicknameCount = 200'000;
constexpr std::size_t kPathologicalSize = std::size_t{1} << 20;

// One nickname as Eudora 4 writes it: an alias line and a note line with every tag, a code 3
// inside the address and free text after the last tag.
void appendNickname(std::string& out, int index) {
    static constexpr std::array<std::string_view, 8> kFirst = {"Anna", "Bob", "Chris", "Dana",
                                                               "Eli",  "Fay", "Gus",   "Hanna"};
    static constexpr std::array<std::string_view, 8> kLast = {"Smith", "Jones",  "Miller", "Brown",
                                                              "Davis", "Garcia", "Wilson", "Moore"};
    const auto i = static_cast<std::size_t>(index);
    const std::string nick = "nick" + std::to_string(index);
    const std::string name = std::string(kFirst[i % 8]) + " " + std::string(kLast[i / 8 % 8]);
    const std::string phone = "555 " + std::to_string(1000 + i % 9000);

    out += "alias " + nick + " \"" + name + "\" <" + nick + "@example.com>\r\n";
    out += "note " + nick + " <name:" + name + "><phone:" + phone +
           "><address:" + std::to_string(1 + i % 300) + " Main St\x03Springfield><fax:" + phone +
           ">Met at the 1998 conference, prefers e-mail\r\n";
}

std::string makeNicknameFile() {
    std::string text;
    for (int i = 0; i < kNicknameCount; ++i) appendNickname(text, i);
    return text;
}

// A nickname whose note line is 1 MiB of `unit` repeated: no ">" after it, no end of an
// address, or nothing but quotes, so a scan that restarts at every match goes quadratic.
std::string pathologicalFile(std::string_view unit) {
    std::string file = "alias bad \"Bad Record\" <bad@example.com>\r\nnote bad ";
    while (file.size() < kPathologicalSize) file += unit;
    return file + "\r\n";
}

// The same with the 1 MiB in the alias line: a list of that many entries.
std::string pathologicalList(std::string_view unit) {
    std::string file = "alias bad ";
    while (file.size() < kPathologicalSize) file += unit;
    return file + "\r\n";
}

// The files the whole-process benchmarks work on, in the temp folder.
struct Scratch {
    // Written one nickname at a time: a child started later inherits this process's peak
    // memory as the floor of its own, which must stay small for the converter's to mean much.
    Scratch() {
        std::ofstream file(source, std::ios::binary);
        std::string nickname;
        for (int i = 0; i < kNicknameCount; ++i) {
            nickname.clear();
            appendNickname(nickname, i);
            file << nickname;
        }
        file.close();
        sourceSize = fs::file_size(source);
    }
    ~Scratch() {
        std::error_code ignored;
        for (const fs::path& path : {source, output, vcard}) fs::remove(path, ignored);
    }

    static fs::path named(std::string_view what) {
        return fs::temp_directory_path() /
               ("nickbridge-bench-" + std::to_string(getpid()) + "-" + std::string(what));
    }

    fs::path source = named("nicknames.txt");
    fs::path output = named("converted.txt");
    fs::path vcard = named("converted.vcf");
    std::uintmax_t sourceSize = 0;
};

const Scratch& scratch() {
    static const Scratch files;
    return files;
}

struct ProgramUse {
    long peakKiB = -1;  // -1: the program failed
    double cpuSeconds = 0;
};

// Runs a program to its end: its peak memory and the processor time it took, user and system.
ProgramUse runProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return {usage.ru_maxrss, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// Wall time is what the targets are set in; the processor time the program took is printed
// beside it, as it barely moves when other work shares the machine.
void processBenchmark(benchmark::State& state, std::vector<std::string> args) {
    long peak = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const ProgramUse used = runProgram(args);
        if (used.peakKiB < 0) {
            state.SkipWithError(("failed: " + args[0]).c_str());
            break;
        }
        peak = std::max(peak, used.peakKiB);
        cpuSeconds += used.cpuSeconds;
    }
    state.counters["peak_KiB"] = static_cast<double>(peak);
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(scratch().sourceSize));
}

void BM_Cp(benchmark::State& state) {
    processBenchmark(state, {"/bin/cp", scratch().source, scratch().output});
}

void BM_ConvertProcess(benchmark::State& state) {
    processBenchmark(state, {NICKBRIDGE_CONVERT_PROGRAM, scratch().source, scratch().output});
}

void BM_VCardProcess(benchmark::State& state) {
    processBenchmark(state, {NICKBRIDGE_CONVERT_PROGRAM, scratch().source, scratch().vcard});
}

// The floor for an atomic, durable replacement: the source mapped, written whole into a new
// temp file beside the target, flushed to disk and renamed over the target.
bool durableCopy(const fs::path& from, const fs::path& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat status {};
    ::fstat(in, &status);
    const auto size = static_cast<std::size_t>(status.st_size);
    void* const mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, in, 0);
    ::close(in);
    if (mapped == MAP_FAILED) return false;
    const fs::path temp = fs::path(to) += ".tmp";
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    bool copied =
        out >= 0 && ::write(out, mapped, size) == static_cast<ssize_t>(size) && ::fsync(out) == 0;
    if (out >= 0) copied = ::close(out) == 0 && copied;
    ::munmap(mapped, size);
    return copied && ::rename(temp.c_str(), to.c_str()) == 0;
}

void BM_DurableCopy(benchmark::State& state) {
    for (auto _ : state) {
        if (!durableCopy(scratch().source, scratch().output)) {
            state.SkipWithError("durable copy failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(scratch().sourceSize));
}

// What the window's "&Convert!" runs, with a report that shows nothing.
struct SilentReport : ConvertReport {
    void showProblem(const std::string& text) override { problem = text; }
    void showCompletion(const std::string&) override {}
    void showSourceChooser() override {}
    void resetChoosers() override {}
    std::string problem;
};

void BM_WindowConvert(benchmark::State& state) {
    SilentReport report;
    for (auto _ : state) {
        if (runConvertCommand(scratch().source, scratch().output, {}, report) !=
            ConvertOutcome::Converted) {
            state.SkipWithError(report.problem.c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(scratch().sourceSize));
}

enum class Format { PalmCsv, VCard };

// One thread for the vCard, whatever the file: a 1 MiB record is made on one, so the time per
// byte of a pathological file is measured against the ordinary file's on one thread too.
constexpr WorkSplit kOneThread{NicknameIndex::kWholeFile, 1};

// The conversion alone, in memory, its output thrown away piece by piece.
void convertText(benchmark::State& state, const std::string& text, Format format) {
    LineWriter out([](std::string_view piece) {
        benchmark::DoNotOptimize(piece.data());
        return true;
    });
    for (auto _ : state) {
        if (format == Format::VCard) {
            writeVCards(text, {}, {}, out, kOneThread);
        } else {
            convertRecords(text, {}, out);
        }
        out.finish();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

const std::string& nicknameText() {
    static const std::string text = makeNicknameFile();
    return text;
}

void BM_ConvertText(benchmark::State& state) {
    convertText(state, nicknameText(), Format::PalmCsv);
}

void BM_ConvertPathological(benchmark::State& state, std::string_view unit) {
    convertText(state, pathologicalFile(unit), Format::PalmCsv);
}

void BM_VCardText(benchmark::State& state) { convertText(state, nicknameText(), Format::VCard); }

void BM_VCardPathological(benchmark::State& state, std::string_view unit) {
    convertText(state, pathologicalFile(unit), Format::VCard);
}

void BM_VCardPathologicalList(benchmark::State& state, std::string_view unit) {
    convertText(state, pathologicalList(unit), Format::VCard);
}

constexpr std::array<std::string_view, 5> kPathologicalNames{"pho", "at", "fax_unclosed", "quotes",
                                                             "name"};
// For the vCard besides those: tags left open, nested "<…>", characters to escape, line breaks,
// two-byte characters, blanks where a fold would go; and lists of unknown words or addresses.
constexpr std::array<std::string_view, 8> kVCardPathologicalNames{
    "tags_unclosed", "nested", "escapes", "code3", "accents", "blanks", "list_words", "list_mail"};

BENCHMARK(BM_Cp)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_DurableCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_VCardProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_WindowConvert)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ConvertText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConvertPathological, pho, "<pho")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConvertPathological, at, "@")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConvertPathological, fax_unclosed, "<fax:")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConvertPathological, quotes, "\"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConvertPathological, name, "<name")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VCardText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, pho, "<pho")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, at, "@")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, fax_unclosed, "<fax:")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, quotes, "\"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, name, "<name")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, tags_unclosed, "<a:")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, nested, "<x:<")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, escapes, "\\,;")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, code3, "\x03")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, accents, "\xe9")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathological, blanks, "x                    ")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathologicalList, list_words, "bad,")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VCardPathologicalList, list_mail, "a@b,")->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration and per byte, and its peak memory, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            Result& result = results_[run.run_name.function_name];
            result.seconds = run.GetAdjustedRealTime() / 1e3;  // the benchmarks report ms
            result.cpuSeconds = run.GetAdjustedCPUTime() / 1e3;
            const auto childCpu = run.counters.find("child_cpu_ms");
            if (childCpu != run.counters.end()) result.cpuSeconds = childCpu->second / 1e3;
            const auto bytes = run.counters.find("bytes_per_second");
            if (bytes != run.counters.end()) result.bytesPerSecond = bytes->second;
            const auto peak = run.counters.find("peak_KiB");
            if (peak != run.counters.end()) result.peakKiB = peak->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios(double sourceBytes) const {
        const auto ratio = [this](const std::string& name, const std::string& base) {
            return std::pair{at(name).seconds / at(base).seconds,
                             at(name).cpuSeconds / at(base).cpuSeconds};
        };
        std::printf("\nnickbridge-convert on %.1f MB (%d nicknames), wall time (processor time):\n",
                    sourceBytes / 1e6, kNicknameCount);
        const auto [cpWall, cpCpu] = ratio("BM_ConvertProcess", "BM_Cp");
        std::printf("  against cp:            %5.2fx (%.2fx) (target <= 5)\n", cpWall, cpCpu);
        const auto [copyWall, copyCpu] = ratio("BM_ConvertProcess", "BM_DurableCopy");
        std::printf("  against durable copy:  %5.2fx (%.2fx) (target <= 2.5)\n", copyWall, copyCpu);
        const double peakMiB = at("BM_ConvertProcess").peakKiB / 1024;
        std::printf(
            "  peak memory:           %.1f MiB, %.2fx the source (target <= %.1f MiB;"
            " cp's %.1f MiB is the floor a started program inherits)\n",
            peakMiB, peakMiB * 1024 * 1024 / sourceBytes,
            (1.5 * sourceBytes + 10e6) / (1024 * 1024), at("BM_Cp").peakKiB / 1024);
        std::printf("the window's Convert:    %.0f ms (%.0f ms) (target < 200)\n",
                    at("BM_WindowConvert").seconds * 1e3, at("BM_WindowConvert").cpuSeconds * 1e3);
        std::printf(
            "time per byte of each 1 MiB record against the ordinary file (target <= 2):\n");
        printPerByte("BM_ConvertText", "BM_ConvertPathological/", kPathologicalNames);

        std::printf("\nnickbridge-convert writing vCard, wall time (processor time):\n");
        const auto [vcardWall, vcardCpu] = ratio("BM_VCardProcess", "BM_DurableCopy");
        std::printf("  against durable copy:  %5.2fx (%.2fx) (target <= 2.5)\n", vcardWall,
                    vcardCpu);
        const double vcardPeakMiB = at("BM_VCardProcess").peakKiB / 1024;
        std::printf("  peak memory:           %.1f MiB, %.2fx the source (target <= %.1f MiB)\n",
                    vcardPeakMiB, vcardPeakMiB * 1024 * 1024 / sourceBytes,
                    (1.5 * sourceBytes + 10e6) / (1024 * 1024));
        std::printf(
            "vCard time per byte of each 1 MiB record against the ordinary file "
            "(target <= 2):\n");
        printPerByte("BM_VCardText", "BM_VCardPathological/", kPathologicalNames);
        printPerByte("BM_VCardText", "BM_VCardPathological/", kVCardPathologicalNames);
        printPerByte("BM_VCardText", "BM_VCardPathologicalList/", kVCardPathologicalNames);
    }

private:
    // Per byte, each of `names` that ran under `prefix` against the ordinary file.
    template <std::size_t N>
    void printPerByte(const std::string& ordinaryRun, const std::string& prefix,
                      const std::array<std::string_view, N>& names) const {
        const double ordinary = at(ordinaryRun).bytesPerSecond;
        for (const std::string_view name : names) {
            const auto found = results_.find(prefix + std::string(name));
            if (found == results_.end()) continue;
            std::printf("  %-14s %5.2fx\n", std::string(name).c_str(),
                        ordinary / found->second.bytesPerSecond);
        }
    }

    struct Result {
        double seconds = 0;
        double cpuSeconds = 0;
        double bytesPerSecond = 0;
        double peakKiB = 0;
    };
    // A benchmark filtered out or failed counts as nothing, so its ratio reads inf or nan.
    Result at(const std::string& name) const {
        const auto found = results_.find(name);
        return found == results_.end() ? Result{} : found->second;
    }

    std::map<std::string, Result> results_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios(static_cast<double>(scratch().sourceSize));
    benchmark::Shutdown();
    return 0;
}
