// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace nickbridge::choosers {

// Where the source chooser stood when a file was last chosen, as the settings file keeps it.
struct SourceEntries {
    std::string fileListFolder;  // the folder the file list shows
    std::string dir;
    std::string drive;
};

// Where the output chooser stood when a folder was last chosen.
struct OutputEntries {
    std::string dir;
    std::string drive;
};

// The main window's state besides its controls: where each chooser last stood.
struct ChooserEntries {
    SourceEntries source;
    OutputEntries output;
};

// What the choosers reach in the main window.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    virtual void setSourcePath(const std::string& path) = 0;
    virtual void setOutputPath(const std::string& path) = 0;
    virtual SourceEntries sourceEntries() const = 0;
    virtual void setSourceEntries(const SourceEntries& entries) = 0;
    virtual OutputEntries outputEntries() const = 0;
    virtual void setOutputEntries(const OutputEntries& entries) = 0;
    // The main window's own operations; a failed save is shown by the main window.
    virtual void saveSettings() = 0;
    virtual void restoreSettings() = 0;
};

// What a chooser's reactions reach in its own window.
class ChooserWindow {
public:
    virtual ~ChooserWindow() = default;
    // The chooser's text box: the file name box or the folder box.
    virtual void setNameBox(const std::string& text) = 0;
    virtual bool nameBoxIsEmpty() const = 0;
    // Ends the modal showing; the chooser keeps its state.
    virtual void hideChooser() = 0;
    // A message box over the chooser.
    virtual void tell(const std::string& message) = 0;
};

}  // namespace nickbridge::choosers
