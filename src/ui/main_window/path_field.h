// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <string>

namespace nickbridge::ui {

// A path text box. Paths are bytes in the 8-bit code page; one that was set as bytes and not
// edited since comes back as exactly those bytes, even where the text shown could not represent
// them. A double-click asks for the chooser instead of selecting a word.
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
    std::string bytes_;
    QString shownForBytes_;
};

}  // namespace nickbridge::ui
