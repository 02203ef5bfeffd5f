// SPDX-License-Identifier: MIT
// Throughput of each conversion step on a large ordinary nickname file and on records built to
// defeat naive scans, plus the peak memory of one whole conversion (`--peak-memory`).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/field_extraction.h"
#include "conversion/nickname_loader.h"
#include "conversion/output_line.h"
#include "conversion/output_writer.h"

namespace {

using namespace nickbridge;

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

std::string makeNicknameFile(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) appendNickname(text, i);
    return text;
}

const std::string& nicknameFile() {
    static const std::string text = makeNicknameFile(kNicknameCount);
    return text;
}

const std::vector<std::string>& nicknameRecords() {
    static const std::vector<std::string> records = [] {
        std::vector<std::string> loaded;
        appendRecords(nicknameFile(), loaded);
        return loaded;
    }();
    return records;
}

std::vector<std::string> convertAll(std::vector<std::string> records) {
    for (std::string& record : records) record = formatOutputLine(extractFields(record), {});
    return records;
}

std::int64_t totalSize(const std::vector<std::string>& texts, std::size_t perText = 0) {
    std::size_t total = 0;
    for (const std::string& text : texts) total += text.size() + perText;
    return static_cast<std::int64_t>(total);
}

std::filesystem::path scratchPath(std::string_view what) {
    return std::filesystem::temp_directory_path() /
           ("nickbridge-bench-" + std::to_string(getpid()) + "-" + std::string(what) + ".txt");
}

// A nickname whose note line is 1 MiB of `unit` repeated: no ">" after it, no end of an
// address, or nothing but quotes, so a scan that restarts at every match goes quadratic.
std::string pathologicalRecord(std::string_view unit) {
    std::string file = "alias bad \"Bad Record\" <bad@example.com>\r\nnote bad ";
    while (file.size() < kPathologicalSize) file += unit;
    file += "\r\n";
    std::vector<std::string> records;
    appendRecords(file, records);
    return records.front();
}

void BM_Load(benchmark::State& state) {
    const std::string& text = nicknameFile();
    for (auto _ : state) {
        std::vector<std::string> records;
        appendRecords(text, records);
        benchmark::DoNotOptimize(records.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_ExtractFormat(benchmark::State& state) {
    const std::vector<std::string>& records = nicknameRecords();
    for (auto _ : state) {
        for (const std::string& record : records) {
            std::string line = formatOutputLine(extractFields(record), {});
            benchmark::DoNotOptimize(line.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * totalSize(records));
}

void BM_Write(benchmark::State& state) {
    const std::vector<std::string> lines = convertAll(nicknameRecords());
    const std::string path = scratchPath("write").string();
    for (auto _ : state) {
        if (const WriteResult result = writeOutputFile(path, lines); !result.ok) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * totalSize(lines, 2));
}

void BM_ExtractFormatPathological(benchmark::State& state, std::string_view unit) {
    const std::string record = pathologicalRecord(unit);
    for (auto _ : state) {
        std::string line = formatOutputLine(extractFields(record), {});
        benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(record.size()));
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractFormat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExtractFormatPathological, pho, "<pho")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExtractFormatPathological, at, "@")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExtractFormatPathological, fax_unclosed, "<fax:")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExtractFormatPathological, quotes, "\"")->Unit(benchmark::kMillisecond);

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // kilobytes on Linux
}

// Writes the file one nickname at a time, so the generator never holds it whole and the peak
// below is the conversion's own.
int reportPeakMemory() {
    const std::string source = scratchPath("source").string();
    const std::string output = scratchPath("converted").string();
    {
        std::ofstream file(source, std::ios::binary);
        std::string nickname;
        for (int i = 0; i < kNicknameCount; ++i) {
            nickname.clear();
            appendNickname(nickname, i);
            file << nickname;
        }
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", source.c_str());
            return 1;
        }
    }
    const long baseline = peakResidentKiB();

    std::vector<std::string> records;
    const LoadResult loaded = loadTheStuff(source, records);
    const std::size_t recordCount = records.size();
    for (std::string& record : records) record = formatOutputLine(extractFields(record), {});
    const WriteResult written = writeOutputFile(output, records);
    const long peak = peakResidentKiB();

    const auto sourceSize = std::filesystem::file_size(source);
    const auto outputSize = written.ok ? std::filesystem::file_size(output) : 0;
    std::filesystem::remove(source);
    std::filesystem::remove(output);
    if (loaded.status != LoadStatus::Loaded || !written.ok) {
        std::fprintf(stderr, "conversion failed: %s%s\n", loaded.reason.c_str(),
                     written.reason.c_str());
        return 1;
    }
    std::printf("nickname file: %d nicknames, %ju bytes, %zu records\n", kNicknameCount,
                static_cast<std::uintmax_t>(sourceSize), recordCount);
    std::printf("output file:   %ju bytes\n", static_cast<std::uintmax_t>(outputSize));
    std::printf("peak RSS:      %ld KiB (%ld KiB before loading)\n", peak, baseline);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--peak-memory") return reportPeakMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
