// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "choosers/main_window_link.h"
#include "selection/field_selection.h"
#include "settings/settings_file.h"
#include "ui/chooser_seam.h"

class QPushButton;

namespace nickbridge::ui {

class FieldBox;
class PathField;

// The main window. It holds the paths, the field boxes and where the choosers last stood, which
// the choosers reach through MainWindowLink and the settings file keeps; closing it ends the
// program. Its choosers and settings file are given to it, so tests can put their own in place.
class MainWindow : public QMainWindow, public choosers::MainWindowLink {
    Q_OBJECT

public:
    MainWindow(const ChooserFactory& makeChoosers, SettingsFile settings,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The two path fields, as bytes in the 8-bit code page.
    std::string sourcePath() const;
    void setSourcePath(const std::string& path) override;
    std::string outputPath() const;
    void setOutputPath(const std::string& path) override;

    FieldSelection fieldSelection() const;

    choosers::SourceEntries sourceEntries() const override { return entries_.source; }
    void setSourceEntries(const choosers::SourceEntries& entries) override;
    choosers::OutputEntries outputEntries() const override { return entries_.output; }
    void setOutputEntries(const choosers::OutputEntries& entries) override;

    // Closes the window because the program was told to end (SIGTERM, SIGHUP): nobody may be
    // there to answer a message box, so a failed save goes to standard error instead. False when
    // the save failed.
    bool closeForTermination();

    // Writes the settings file from the window state; a failure is shown, never thrown.
    void saveSettings() override;
    // Applies what the settings file holds; whatever cannot be read keeps its current value.
    void restoreSettings() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onConvertClicked();
    void onConvertToVCardTriggered();
    void onExitTriggered();
    void onAboutTriggered();

private:
    void buildControls();
    void buildSourceFrame(QWidget* client);
    void buildOutputFrame(QWidget* client);
    void buildFieldsFrame(QWidget* client);
    void connectCommands();
    void buildMenus();
    void setFocusOrder();
    void loadStartupSettings();
    void saveOnClose();

    const SettingsFile settings_;
    choosers::ChooserEntries entries_;
    std::unique_ptr<ChooserSeam> choosers_;
    bool saveFailuresToStandardError_ = false;
    bool lastSaveFailed_ = false;
    PathField* sourcePathField_ = nullptr;
    PathField* outputPathField_ = nullptr;
    QPushButton* browseSourceButton_ = nullptr;
    QPushButton* browseOutputButton_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    // In the order of the settings file: FN, LN, NN, EA, PA, PN, FX, NOTEs.
    std::array<FieldBox*, 8> boxes_{};
};

}  // namespace nickbridge::ui
