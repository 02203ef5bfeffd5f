// SPDX-License-Identifier: MIT
// Opening a folder of 100,000 files (3,000 of them matching "*.txt*") in the source chooser,
// against one bare std::filesystem::directory_iterator pass over the same folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "choosers/source_chooser.h"
#include "choosers/wildcard.h"
#include "platform/drives.h"

namespace {

using namespace nickbridge;

constexpr int kFileCount = 100'000;
constexpr int kMatchingEvery = 33;  // about 3,000 nickname files among them

const std::filesystem::path& bigFolder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "nickbridge-bench-100k";
        if (!std::filesystem::exists(path / "done")) {
            std::filesystem::create_directories(path);
            for (int i = 0; i < kFileCount; ++i) {
                const std::string name =
                    "file" + std::to_string(i) + (i % kMatchingEvery == 0 ? ".txt" : ".dat");
                std::fclose(std::fopen((path / name).c_str(), "w"));
            }
            std::fclose(std::fopen((path / "done").c_str(), "w"));
        }
        return path;
    }();
    return folder;
}

class NoMainWindow final : public choosers::MainWindowLink {
public:
    void setSourcePath(const std::string&) override {}
    void setOutputPath(const std::string&) override {}
    choosers::SourceEntries sourceEntries() const override { return {}; }
    void setSourceEntries(const choosers::SourceEntries&) override {}
    choosers::OutputEntries outputEntries() const override { return {}; }
    void setOutputEntries(const choosers::OutputEntries&) override {}
    void saveSettings() override {}
    void restoreSettings() override {}
};

class NoWindow final : public choosers::ChooserWindow {
public:
    void setNameBox(const std::string&) override {}
    bool nameBoxIsEmpty() const override { return true; }
    void hideChooser() override {}
    void tell(const std::string&) override {}
};

void BM_BareDirectoryIterator(benchmark::State& state) {
    const auto& folder = bigFolder();
    for (auto _ : state) {
        std::size_t entries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            benchmark::DoNotOptimize(entry);
            ++entries;
        }
        benchmark::DoNotOptimize(entries);
    }
}

// The user opens the folder: the folder list reads it, the file list follows (one pass for both).
void BM_SourceChooserOpensFolder(benchmark::State& state) {
    const std::string folder = bigFolder().native();
    const std::string elsewhere = std::filesystem::temp_directory_path().native();
    choosers::FolderScanner scanner{std::string(choosers::kNicknameFilePattern)};
    NoMainWindow mainWindow;
    NoWindow window;
    choosers::SourceChooser chooser(platform::systemDrives(), scanner, window, mainWindow);
    for (auto _ : state) {
        state.PauseTiming();
        chooser.openFolder(elsewhere);
        state.ResumeTiming();
        chooser.openFolder(folder);
        benchmark::DoNotOptimize(chooser.fileList().names().size());
    }
}

BENCHMARK(BM_BareDirectoryIterator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SourceChooserOpensFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
