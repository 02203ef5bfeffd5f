// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <unistd.h>

#include "support/other_user.h"
#endif

namespace nickbridge {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

namespace fs = std::filesystem;

constexpr auto T = BoxState::Ticked;
constexpr auto C = BoxState::Clear;
constexpr auto G = BoxState::Greyed;

SettingsValues sampleValues() {
    SettingsValues values;
    values.sourcePath = "c:\\eudora\\nndbase.txt";
    values.outputPath = "c:\\palm\\converted.txt";
    values.sourceFileListFolder = "c:\\eudora";
    values.sourceFolder = "c:\\eudora";
    values.sourceDrive = "c: [system]";
    values.outputFolder = "c:\\palm";
    values.outputDrive = "c: [system]";
    values.boxes = {C, T, G, T, C, G, T, C};
    return values;
}

// What reading a file holding `values` gives.
RestoredValues restoredFrom(const SettingsValues& values) {
    RestoredValues restored{
        values.sourcePath,  values.outputPath,   values.sourceFileListFolder, values.sourceFolder,
        values.sourceDrive, values.outputFolder, values.outputDrive,          {}};
    for (std::size_t i = 0; i < kBoxOrder.size(); ++i)
        restored.boxes[i] = values.boxes.*kBoxOrder[i];
    return restored;
}

void expectRestored(const RestoredValues& actual, const RestoredValues& expected) {
    EXPECT_EQ(actual.sourcePath, expected.sourcePath);
    EXPECT_EQ(actual.outputPath, expected.outputPath);
    EXPECT_EQ(actual.sourceFileListFolder, expected.sourceFileListFolder);
    EXPECT_EQ(actual.sourceFolder, expected.sourceFolder);
    EXPECT_EQ(actual.sourceDrive, expected.sourceDrive);
    EXPECT_EQ(actual.outputFolder, expected.outputFolder);
    EXPECT_EQ(actual.outputDrive, expected.outputDrive);
    EXPECT_EQ(actual.boxes, expected.boxes);
}

std::size_t countCrLf(const std::string& bytes) {
    std::size_t count = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

class SettingsFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file(kSettingsFileName);
    SettingsFile settings{path};
};

TEST_F(SettingsFileTest, FirstStartCreatesTheDefaultBlockAndReadsItsValues) {
    settings.appendDefaultBlock();
    const std::string bytes = readBytes(path);
    EXPECT_EQ(countCrLf(bytes), 37u);
    EXPECT_EQ(bytes.size(), 2 * 2 + 5 * 3 + 30 * 3u);
    expectRestored(settings.read(), {"", "", "c", "c", "c", "c", "c", {T, T, T, T, T, T, T, T}});
}

TEST_F(SettingsFileTest, EveryStartAppendsAnotherBlockAndTheFirstStillDecides) {
    settings.appendDefaultBlock();
    settings.appendDefaultBlock();
    EXPECT_EQ(countCrLf(readBytes(path)), 74u);
    expectRestored(settings.read(), {"", "", "c", "c", "c", "c", "c", {T, T, T, T, T, T, T, T}});
}

TEST_F(SettingsFileTest, SavedValuesSurviveADefaultBlockAppendedAfterThem) {
    const SettingsValues values = sampleValues();
    ASSERT_TRUE(settings.save(values).ok);
    settings.appendDefaultBlock();
    EXPECT_EQ(countCrLf(readBytes(path)), 15u + 37u);
    expectRestored(settings.read(), restoredFrom(values));
}

TEST_F(SettingsFileTest, ASaveShrinksAGrownFileToFifteenLines) {
    for (int start = 0; start < 3; ++start) settings.appendDefaultBlock();
    ASSERT_TRUE(settings.save(sampleValues()).ok);
    EXPECT_EQ(countCrLf(readBytes(path)), 15u);
}

// Missing lines are filled by the default block by position, not by meaning.
TEST_F(SettingsFileTest, ShortFileTakesTheDefaultBlocksLinesByPosition) {
    writeBytes(path, "src\r\nout\r\nf\r\nd\r\nc:\r\nd2\r\ne:\r\n");
    settings.appendDefaultBlock();
    expectRestored(settings.read(), {"src",
                                     "out",
                                     "f",
                                     "d",
                                     "c:",
                                     "d2",
                                     "e:",
                                     {std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                      std::nullopt, std::nullopt, std::nullopt, T}});
}

TEST_F(SettingsFileTest, LinesBeyondTheEndOfAShortFileAreMissing) {
    writeBytes(path, "src\r\nout\r\nf");
    expectRestored(settings.read(), {"src",
                                     "out",
                                     "f",
                                     std::nullopt,
                                     std::nullopt,
                                     std::nullopt,
                                     std::nullopt,
                                     {std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                      std::nullopt, std::nullopt, std::nullopt, std::nullopt}});
}

TEST_F(SettingsFileTest, EachBoxLineGoesToItsOwnBoxInFileOrder) {
    writeBytes(path,
               "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n"
               " 0 \r\n1\r\n 2 \r\n3\r\nword\r\n\r\n 1 \r\n2\r\n");
    expectRestored(settings.read(), {"a",
                                     "b",
                                     "c",
                                     "d",
                                     "e",
                                     "f",
                                     "g",
                                     {C, T, G, std::nullopt, std::nullopt, std::nullopt, T, G}});
}

struct LineEndCase {
    const char* name;
    const char* end;
};

class SettingsLineEnds : public SettingsFileTest,
                         public ::testing::WithParamInterface<LineEndCase> {};

// A file edited on another system must not pour all its values into line 1.
TEST_P(SettingsLineEnds, EveryLineEndSplitsTheValues) {
    const std::string end = GetParam().end;
    std::string bytes;
    for (const char* line : {"src", "out", "f", "d", "c:", "d2", "e:", " 1 ", " 0 ", " 2 ", "1",
                             "0", "2", " 1 ", " 0 "}) {
        bytes += line + end;
    }
    writeBytes(path, bytes);
    expectRestored(settings.read(),
                   {"src", "out", "f", "d", "c:", "d2", "e:", {T, C, G, T, C, G, T, C}});
}

INSTANTIATE_TEST_SUITE_P(Ends, SettingsLineEnds,
                         ::testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"LoneLf", "\n"},
                                           LineEndCase{"CrOnly", "\r"}),
                         [](const auto& test) { return test.param.name; });

TEST_F(SettingsFileTest, SaveWritesExactlyFifteenCrLfLines) {
    ASSERT_TRUE(settings.save(sampleValues()).ok);
    EXPECT_EQ(readBytes(path),
              "c:\\eudora\\nndbase.txt\r\n"
              "c:\\palm\\converted.txt\r\n"
              "c:\\eudora\r\n"
              "c:\\eudora\r\n"
              "c: [system]\r\n"
              "c:\\palm\r\n"
              "c: [system]\r\n"
              " 0 \r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n");
}

TEST_F(SettingsFileTest, ATickedBoxIsTheFiveBytesBlankOneBlankCrLf) {
    SettingsValues values;  // every box ticked, every text empty
    ASSERT_TRUE(settings.save(values).ok);
    std::string expected = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    for (int box = 0; box < 8; ++box) expected += "\x20\x31\x20\x0d\x0a";
    EXPECT_EQ(readBytes(path), expected);
}

struct RoundTripCase {
    const char* name;
    std::string value;
    std::string readBack;
};

class SettingsRoundTrip : public SettingsFileTest,
                          public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(SettingsRoundTrip, EveryTextLineKeepsItsValue) {
    SettingsValues values;
    values.boxes = {G, C, T, G, C, T, G, C};
    for (std::string* text :
         {&values.sourcePath, &values.outputPath, &values.sourceFileListFolder,
          &values.sourceFolder, &values.sourceDrive, &values.outputFolder, &values.outputDrive}) {
        *text = GetParam().value;
    }
    ASSERT_TRUE(settings.save(values).ok);
    const std::string& v = GetParam().readBack;
    expectRestored(settings.read(), {v, v, v, v, v, v, v, {G, C, T, G, C, T, G, C}});
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRoundTrip,
    ::testing::Values(RoundTripCase{"Plain", "c:\\temp\\converted.txt", "c:\\temp\\converted.txt"},
                      RoundTripCase{"Commas", "c:\\a,b\\c, d", "c:\\a,b\\c, d"},
                      RoundTripCase{"DoubleQuotes", "\"c:\\my \"files\"\"", "\"c:\\my \"files\"\""},
                      RoundTripCase{"TrailingBlanks", "c:\\temp  ", "c:\\temp  "},
                      RoundTripCase{"EightBitBytes", "c:\\r\xe9sum\xe9\\\xff",
                                    "c:\\r\xe9sum\xe9\\\xff"},
                      RoundTripCase{"Empty", "", ""},
                      // Blanks before a value are skipped when it is read back.
                      RoundTripCase{"LeadingBlanks", "  c:\\temp", "c:\\temp"}),
    [](const auto& test) { return test.param.name; });

struct LineBreakCase {
    const char* name;
    std::string SettingsValues::*field;
    const char* value;
};

class SettingsLineBreakRefused : public SettingsFileTest,
                                 public ::testing::WithParamInterface<LineBreakCase> {};

TEST_P(SettingsLineBreakRefused, SaveFailsAndLeavesTheFileAsItWas) {
    const std::string before = "old\r\nfile\r\n";
    writeBytes(path, before);
    SettingsValues values = sampleValues();
    values.*GetParam().field = GetParam().value;
    const SaveResult result = settings.save(values);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "a value holds a line break");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsLineBreakRefused,
    ::testing::Values(LineBreakCase{"CrInSource", &SettingsValues::sourcePath, "c:\\a\rb"},
                      LineBreakCase{"LfInOutput", &SettingsValues::outputPath, "c:\\a\nb"},
                      LineBreakCase{"CrLfInFirstDir", &SettingsValues::sourceFolder, "c:\\a\r\n"},
                      LineBreakCase{"LfAtStartOfSecondDrive", &SettingsValues::outputDrive,
                                    "\nc:"}),
    [](const auto& test) { return test.param.name; });

TEST_F(SettingsFileTest, ReadOnlyFileIsNeitherAppendedToNorReplaced) {
    const std::string before = "src\r\nout\r\n";
    writeBytes(path, before);
    testing::makeReadOnly(path);

    settings.appendDefaultBlock();
    EXPECT_EQ(readBytes(path), before);

    const SaveResult result = settings.save(sampleValues());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "the file is read-only");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    // What the file holds is still read; what lies beyond its end stays missing.
    const RestoredValues restored = settings.read();
    EXPECT_EQ(restored.outputPath, "out");
    EXPECT_EQ(restored.sourceFileListFolder, std::nullopt);
    EXPECT_EQ(restored.boxes.back(), std::nullopt);
}

TEST_F(SettingsFileTest, AMissingFolderFailsEveryStepQuietlyButTheSaveGivesAReason) {
    const SettingsFile elsewhere((folder.path() / "missing" / kSettingsFileName).string());
    elsewhere.appendDefaultBlock();
    expectRestored(elsewhere.read(), {});
    const SaveResult result = elsewhere.save(sampleValues());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));
}

TEST_F(SettingsFileTest, AFolderInTheFilesPlaceReadsAsMissingValuesAndIsNotReplaced) {
    fs::create_directory(path);
    settings.appendDefaultBlock();
    expectRestored(settings.read(), {});
    EXPECT_FALSE(settings.save(sampleValues()).ok);
    EXPECT_TRUE(fs::is_directory(path));
}

#ifndef _WIN32
struct LinkCase {
    const char* name;
    fs::perms folderPermissions;
    bool linkOfAnotherUser;
    bool followed;
};

class SettingsLinks : public ::testing::TestWithParam<LinkCase> {};

// A link named nbr.ini that another user placed where others may write (sticky or not) could
// aim the start's default block and the close's save at any file of ours: it is never followed.
// A link of our own, or one in a folder only its owner writes, still is.
TEST_P(SettingsLinks, ALinkAnotherUserPlacedWhereOthersMayWriteIsNeverFollowed) {
    const LinkCase& test = GetParam();
    TempFolder temp;
    const fs::path target = temp.path() / "private.txt";
    const std::string privateText = "line 1\r\nline 2\r\nline 3\r\n";
    writeBytes(target, privateText);
    const fs::path shared = temp.path() / "shared";
    fs::create_directory(shared);
    const fs::path link = shared / kSettingsFileName;
    fs::create_symlink(target, link);
    if (test.linkOfAnotherUser) {
        if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
        ASSERT_EQ(::lchown(link.c_str(), testing::nobody().uid, testing::nobody().gid), 0);
    }
    fs::permissions(shared, test.folderPermissions);
    const SettingsFile settings(link.string());

    settings.appendDefaultBlock();
    const RestoredValues restored = settings.read();
    const SaveResult saved = settings.save(sampleValues());

    EXPECT_TRUE(fs::is_symlink(link));
    if (test.followed) {
        EXPECT_TRUE(saved.ok) << saved.reason;
        EXPECT_EQ(restored.sourcePath, "line 1");
        EXPECT_EQ(countCrLf(readBytes(target)), 15u);
    } else {
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.reason, kPlantedLinkReason);
        expectRestored(restored, {});
        EXPECT_EQ(readBytes(target), privateText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsLinks,
    ::testing::Values(
        LinkCase{"AnotherUsersInAFolderAnyoneMayWrite", fs::perms(0777), true, false},
        LinkCase{"AnotherUsersInAStickyFolder", fs::perms(01777), true, false},
        LinkCase{"AnotherUsersInAFolderItsGroupMayWrite", fs::perms(0775), true, false},
        LinkCase{"OwnInAFolderAnyoneMayWrite", fs::perms(0777), false, true},
        LinkCase{"AnotherUsersInAFolderOnlyItsOwnerMayWrite", fs::perms(0755), true, true}),
    [](const auto& test) { return test.param.name; });
#endif

TEST_F(SettingsFileTest, ReadNeverCreatesTheFile) {
    expectRestored(settings.read(), {});
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsFileTest, SaveLeavesOnlyTheSettingsFileBehind) {
    settings.appendDefaultBlock();
    ASSERT_TRUE(settings.save(sampleValues()).ok);
    ASSERT_TRUE(settings.save(sampleValues()).ok);
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename());
    }
    EXPECT_EQ(names, std::vector<fs::path>{kSettingsFileName});
}

// Runs started from different folders keep different settings.
TEST_F(SettingsFileTest, TheBareNameFollowsTheCurrentFolderAtEachAccess) {
    const fs::path before = fs::current_path();
    const fs::path first = folder.path() / "first";
    const fs::path second = folder.path() / "second";
    fs::create_directory(first);
    fs::create_directory(second);
    const SettingsFile bare;
    fs::current_path(first);
    const bool saved = bare.save(sampleValues()).ok;
    fs::current_path(second);
    const RestoredValues inSecond = bare.read();
    fs::current_path(before);

    EXPECT_TRUE(saved);
    EXPECT_TRUE(fs::exists(first / kSettingsFileName));
    expectRestored(inSecond, {});
}

TEST(CannotSaveSettings, NamesTheFileAndGivesTheReason) {
    EXPECT_EQ(cannotSaveSettings("the file is read-only"),
              "Cannot save the settings file \"nbr.ini\": the file is read-only");
}

}  // namespace
}  // namespace nickbridge
