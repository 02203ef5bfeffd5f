// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

namespace nickbridge::ui {

// A path text box. Paths are bytes in the 8-bit code page and come back as exactly those bytes,
// edited or not (see pathText). It holds one line: line breaks that the user types, pastes or
// drops are left out, while a path set by the program keeps its own. There is no length limit.
// A double-click asks for the chooser instead of selecting a word. A path too long to lay out
// quickly (megabytes from a settings file) is kept whole but shown cut and read-only, until the
// program sets another.
class PathField : public QLineEdit {
    Q_OBJECT

public:
    explicit PathField(QWidget* parent = nullptr);

    std::string bytes() const;
    void setBytes(const std::string& bytes);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class LineBreakFilter;
    LineBreakFilter* lineBreakFilter_;
    std::optional<std::string> heldBytes_;  // the whole of a path shown cut
};

}  // namespace nickbridge::ui
