// SPDX-License-Identifier: MIT
#include "ui/main_window/path_field.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <string_view>

#include "ui/main_window/path_drop.h"
#include "ui/path_text.h"

namespace nickbridge::ui {
namespace {

bool isLineBreak(QChar c) { return c == u'\n' || c == u'\r'; }

// Laying out one line takes time in its length on every change and paint: twice the longest path
// any system takes is still quick, and beyond it a field shows only the start.
constexpr std::size_t kLongestShown = 65'536;

}  // namespace

// QLineEdit runs its validator after every change, whatever its source (keys, paste, drop, input
// method), and takes the text the validator returns. This one drops the line breaks from the part
// that the change put in: the text between what it kept at the start and at the end.
class PathField::LineBreakFilter final : public QValidator {
public:
    using QValidator::QValidator;

    // While set, the program is setting the text and nothing is filtered.
    bool programSetting = false;

    void accept(const QString& text) { accepted_ = text; }

    State validate(QString& text, int& cursor) const override {
        if (programSetting) return Acceptable;
        const qsizetype common = std::min(text.size(), accepted_.size());
        qsizetype head = 0;
        while (head < common && text[head] == accepted_[head]) ++head;
        qsizetype tail = 0;
        while (tail < common - head &&
               text[text.size() - 1 - tail] == accepted_[accepted_.size() - 1 - tail]) {
            ++tail;
        }
        QString inserted = text.sliced(head, text.size() - head - tail);
        const qsizetype before = inserted.size();
        inserted.removeIf(isLineBreak);
        if (inserted.size() == before) return Acceptable;
        text = text.first(head) + inserted + text.last(tail);
        // The cursor stands at the end of what was put in.
        cursor = static_cast<int>(head + inserted.size());
        return Acceptable;
    }

private:
    QString accepted_;
};

PathField::PathField(QWidget* parent)
    : QLineEdit(parent), lineBreakFilter_(new LineBreakFilter(this)) {
    // QLineEdit's default keeps 32,767 characters and silently cuts the rest.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(lineBreakFilter_);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { lineBreakFilter_->accept(text); });
}

std::string PathField::bytes() const { return heldBytes_ ? *heldBytes_ : pathBytes(text()); }

void PathField::setBytes(const std::string& bytes) {
    const bool tooLong = bytes.size() > kLongestShown;
    heldBytes_.reset();
    if (tooLong) heldBytes_ = bytes;
    setReadOnly(tooLong);
    setToolTip(tooLong ? QStringLiteral("Too long to edit here: choose another path.") : QString());
    lineBreakFilter_->programSetting = true;
    if (tooLong) {
        setText(pathText(std::string_view(bytes).substr(0, kLongestShown)) + QChar(0x2026));
    } else {
        setText(pathText(bytes));
    }
    lineBreakFilter_->programSetting = false;
}

void PathField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

std::optional<std::string> PathField::droppedPath(const QDropEvent& event) const {
    const auto path = droppedLocalPath(*event.mimeData());
    if (!path || !dropRule_) return std::nullopt;
    return dropRule_(*path);
}

// A drop that carries addresses is never put in as text: file managers offer the address or the
// path as text too, which would land in the middle of the path already there.
void PathField::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls()) return QLineEdit::dragEnterEvent(event);
    if (droppedPath(*event)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void PathField::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasUrls()) return QLineEdit::dragMoveEvent(event);
    // Only a drop this field takes got past the entry.
    event->acceptProposedAction();
}

void PathField::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) return QLineEdit::dropEvent(event);
    const auto path = droppedPath(*event);
    if (!path) return event->ignore();
    setBytes(*path);
    event->acceptProposedAction();
}

}  // namespace nickbridge::ui
