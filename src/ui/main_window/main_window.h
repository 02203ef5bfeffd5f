// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "conversion/field_selection.h"
#include "ui/chooser_seam.h"

class QPushButton;

namespace nickbridge::ui {

class FieldBox;
class PathField;

// The main window. It owns the window state that the choosers, the settings file and the
// Convert command read and write, and it ends the program when it is closed.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window state.
    std::vector<std::string> records;  // filled and emptied within one conversion
    std::string firstFile;
    std::string firstDir;
    std::string firstDrive;
    std::string secondDir;
    std::string secondDrive;

    // The two path fields, as bytes in the 8-bit code page.
    std::string sourcePath() const;
    void setSourcePath(const std::string& path);
    std::string outputPath() const;
    void setOutputPath(const std::string& path);

    FieldSelection fieldSelection() const;

    // Writes nbr.ini from the window state; a failure is shown, never thrown.
    void saveSettings();
    // Applies what nbr.ini holds; whatever cannot be read keeps its current value.
    void restoreSettings();

    void setChoosers(std::unique_ptr<ChooserSeam> choosers);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onConvertClicked();
    void onExitTriggered();
    void onAboutTriggered();

private:
    void buildControls();
    void buildMenus();
    void setFocusOrder();
    void loadStartupSettings();
    void saveOnClose();

    std::unique_ptr<ChooserSeam> choosers_;
    PathField* sourcePathField_ = nullptr;
    PathField* outputPathField_ = nullptr;
    QPushButton* browseSourceButton_ = nullptr;
    QPushButton* browseOutputButton_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    // In the order of the settings file: FN, LN, NN, EA, PA, PN, FX, NOTEs.
    std::array<FieldBox*, 8> boxes_{};
};

}  // namespace nickbridge::ui
