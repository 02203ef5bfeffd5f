// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace nickbridge::ui {

// A path text box. Paths are bytes in the 8-bit code page and come back as exactly those bytes,
// edited or not (see pathText). It holds one line: line breaks that the user types, pastes or
// drops are left out, while a path set by the program keeps its own. There is no length limit.
// A double-click asks for the chooser instead of selecting a word. A file or folder dropped from
// a file manager replaces the path as its drop rule says; dropped text is put in as typed text. A
// path too long to lay out quickly (megabytes from a settings file) is kept whole but shown cut
// and read-only, until the program sets another.
class PathField : public QLineEdit {
    Q_OBJECT

public:
    // The path a dropped local path puts in the field; none leaves the field as it is.
    using DropRule = std::function<std::optional<std::string>(const std::string& localPath)>;

    explicit PathField(QWidget* parent = nullptr);

    std::string bytes() const;
    void setBytes(const std::string& bytes);
    void setDropRule(DropRule rule) { dropRule_ = std::move(rule); }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<std::string> droppedPath(const QDropEvent& event) const;

    DropRule dropRule_;
    class LineBreakFilter;
    LineBreakFilter* lineBreakFilter_;
    std::optional<std::string> heldBytes_;  // the whole of a path shown cut
};

}  // namespace nickbridge::ui
