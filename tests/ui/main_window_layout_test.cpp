// SPDX-License-Identifier: MIT
// The main window against its design: placement in twips, texts, colours, menus, focus order.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/etched_frame.h"
#include "ui/focus_ring.h"
#include "ui/main_window/main_window.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::MainWindow;

struct Placement {
    const char* name;
    int left, top, width, height;  // twips in the client area
};

// Boxes and labels: Frame3's corner (1440, 1320) plus their place inside it.
const Placement kPlacements[] = {
    {"Frame1", 120, 120, 3015, 1095},   {"Text1", 240, 360, 2775, 315},
    {"Browse1", 240, 720, 1215, 375},   {"Frame2", 3240, 120, 3015, 1095},
    {"Text2", 3360, 360, 2775, 315},    {"Browse2", 3360, 720, 1215, 375},
    {"Frame3", 1440, 1320, 3375, 1935}, {"Command1", 2280, 3360, 1815, 375},
    {"FN", 1560, 1680, 255, 255},       {"Label1", 1800, 1680, 1095, 255},
    {"LN", 1560, 2040, 255, 255},       {"Label2", 1800, 2040, 1095, 255},
    {"NN", 1560, 2400, 255, 255},       {"Label5", 1800, 2400, 1095, 255},
    {"EA", 1560, 2760, 255, 255},       {"Label3", 1800, 2760, 1095, 255},
    {"PA", 3240, 1680, 255, 255},       {"Label6", 3480, 1680, 1095, 255},
    {"PN", 3240, 2040, 255, 255},       {"Label4", 3480, 2040, 1095, 255},
    {"FX", 3240, 2400, 255, 255},       {"Label7", 3480, 2400, 1095, 255},
    {"NOTEs", 3240, 2760, 255, 255},    {"Label8", 3480, 2760, 1095, 255},
};

struct Caption {
    const char* name;
    const char* text;
};

const Caption kCaptions[] = {
    {"Frame1", "Eudora Nickname File"},
    {"Frame2", "Output Folder for \"Converted.txt\""},
    {"Frame3", "Import Fields"},
    {"Browse1", "&Browse"},
    {"Browse2", "B&rowse"},
    {"Command1", "&Convert!"},
    {"Label1", "First Name"},
    {"Label2", "Last Name"},
    {"Label3", "Email Address"},
    {"Label4", "Phone Number"},
    {"Label5", "Nickname"},
    {"Label6", "Postal Address"},
    {"Label7", "Fax Number"},
    {"Label8", "Notes"},
};

// What a screen reader calls each unlabelled control.
const Caption kAccessibleNames[] = {
    {"Text1", "Eudora Nickname File"},
    {"Text2", "Output Folder for \"Converted.txt\""},
    {"FN", "First Name"},
    {"LN", "Last Name"},
    {"NN", "Nickname"},
    {"EA", "Email Address"},
    {"PA", "Postal Address"},
    {"PN", "Phone Number"},
    {"FX", "Fax Number"},
    {"NOTEs", "Notes"},
};

const QColor kTeal(0x00, 0x80, 0x80);

// WCAG 2.1 contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QString captionOf(const QWidget* widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    return {};
}

class MainWindowLayout : public InTempCurrentFolder {
protected:
    QWidget* control(const char* name) const {
        auto* widget = window_.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    MainWindow window_{noChoosers(), settingsFile()};
};

TEST_F(MainWindowLayout, TheWindowIsFixedWithTheDesignedClientArea) {
    EXPECT_EQ(window_.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("NickBridge: Nicknames Conversion"));
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));

    EXPECT_EQ(window_.centralWidget()->size(), QSize(6315 / 15, 3825 / 15));
    EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
    EXPECT_EQ(window_.size(), window_.minimumSize());
    EXPECT_GE(window_.centralWidget()->y(), window_.menuBar()->height());  // menu bar is extra

    const Qt::WindowFlags flags = window_.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowLayout, TheWindowIsCentredOnTheScreen) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const QPoint offset =
        window_.frameGeometry().center() - window_.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << ", " << offset.y();
}

TEST_F(MainWindowLayout, EveryControlSitsWhereTheDesignPutsIt) {
    const QWidget* client = window_.centralWidget();
    for (const Placement& p : kPlacements) {
        const QWidget* widget = control(p.name);
        if (widget == nullptr) continue;
        const QRect actual(widget->mapTo(client, QPoint(0, 0)), widget->size());
        EXPECT_EQ(actual, QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15)) << p.name;
    }
}

TEST_F(MainWindowLayout, CaptionsAndAccessibleNamesAreTheDesignTexts) {
    for (const Caption& c : kCaptions) {
        if (const QWidget* widget = control(c.name)) {
            EXPECT_EQ(captionOf(widget), QLatin1String(c.text)) << c.name;
        }
    }
    for (const Caption& c : kAccessibleNames) {
        if (const QWidget* widget = control(c.name)) {
            EXPECT_EQ(widget->accessibleName(), QLatin1String(c.text)) << c.name;
            EXPECT_TRUE(captionOf(widget).isEmpty()) << c.name << " shows no text of its own";
        }
    }
}

// Screen readers tell every control apart; the two "Browse" buttons say what they browse for.
TEST_F(MainWindowLayout, EveryControlHasAnAccessibleNameOfItsOwn) {
    const Caption browseButtons[] = {{"Browse1", "Browse for the nickname file"},
                                     {"Browse2", "Browse for the output folder"}};
    for (const Caption& c : browseButtons) {
        if (const QWidget* widget = control(c.name)) {
            EXPECT_EQ(widget->accessibleName(), QLatin1String(c.text)) << c.name;
        }
    }
    QSet<QString> names;
    for (QWidget* widget : window_.centralWidget()->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 13);
}

// What a greyed box means is not in its name, and differs between the name boxes and the others.
TEST_F(MainWindowLayout, PathFieldsAndBoxesDescribeWhatTheirNameLeavesOut) {
    for (const char* name : {"Text1", "Text2", "NN"}) {
        if (const QWidget* widget = control(name)) {
            EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << name;
        }
    }
    for (const char* nameBox : {"FN", "LN"}) {
        for (const char* otherBox : {"EA", "PA", "PN", "FX", "NOTEs"}) {
            EXPECT_FALSE(control(otherBox)->accessibleDescription().isEmpty()) << otherBox;
            EXPECT_NE(control(nameBox)->accessibleDescription(),
                      control(otherBox)->accessibleDescription())
                << nameBox << " and " << otherBox;
        }
    }
}

TEST_F(MainWindowLayout, EveryCaptionFitsItsControl) {
    for (const QLabel* label : window_.findChildren<QLabel*>()) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
    }
    for (const QGroupBox* frame : window_.findChildren<QGroupBox*>()) {
        EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width())
            << frame->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, ColoursAreTealGreyAndHighlightText) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const QImage client = window_.centralWidget()->grab().toImage();
    EXPECT_EQ(client.pixelColor(2, 2), QColor(0x00, 0x80, 0x80));  // background
    EXPECT_EQ(client.pixelColor(2, 250), QColor(0x00, 0x80, 0x80));
    const QPoint insideText1 = control("Text1")->mapTo(window_.centralWidget(), QPoint(150, 10));
    EXPECT_EQ(client.pixelColor(insideText1), QColor(0xE0, 0xE0, 0xE0));
    const QPoint insideText2 = control("Text2")->mapTo(window_.centralWidget(), QPoint(150, 10));
    EXPECT_EQ(client.pixelColor(insideText2), QColor(0xE0, 0xE0, 0xE0));

    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Label1", "Label8"}) {
        if (const QWidget* widget = control(name)) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), highlightText) << name;
        }
    }
    const QColor systemButtonText = QApplication::palette().color(QPalette::ButtonText);
    EXPECT_EQ(control("Command1")->palette().color(QPalette::ButtonText), systemButtonText);
    EXPECT_EQ(control("Text1")->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::Text));
}

TEST_F(MainWindowLayout, TheMenusHoldTheirCommandsWithTheirAccessKeys) {
    const struct {
        const char* menu;
        const char* menuTitle;
        std::vector<std::pair<const char*, const char*>> items;  // object name, text
    } menus[] = {{"file", "&File", {{"vcard", "Convert to &vCard"}, {"exit", "E&xit"}}},
                 {"help", "&Help", {{"about", "&About"}}}};
    for (const auto& m : menus) {
        const auto* menu = window_.findChild<QMenu*>(QLatin1String(m.menu));
        ASSERT_NE(menu, nullptr) << m.menu;
        EXPECT_EQ(menu->title(), QLatin1String(m.menuTitle));
        std::vector<std::pair<QString, QString>> items;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) items.emplace_back(action->objectName(), action->text());
        }
        ASSERT_EQ(items.size(), m.items.size()) << m.menu;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].first, QLatin1String(m.items[i].first));
            EXPECT_EQ(items[i].second, QLatin1String(m.items[i].second));
        }
    }
}

TEST_F(MainWindowLayout, TheWindowCarriesTheProgramIconIn16And32Pixels) {
    const QIcon icon = window_.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

TEST_F(MainWindowLayout, FocusStartsOnConvertAndTabFollowsTheDesignOrder) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    const std::array<const char*, 14> order{"Command1", "Text1", "Text2", "Browse1", "Browse2",
                                            "FN",       "FX",    "PN",    "EA",      "NN",
                                            "LN",       "PA",    "NOTEs", "Command1"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "step " << i;
        EXPECT_EQ(focus->objectName(), QLatin1String(order[i])) << "step " << i;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// From the start, before any key is pressed, and at every stop of the Tab key, the focused control
// has a ring around it that stands at least 3:1 against the teal.
TEST_F(MainWindowLayout, TheFocusedControlHasAPlainRingFromTheStart) {
    ASSERT_GE(contrast(ui::FocusRing::kColour, kTeal), 3.0);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    QWidget* client = window_.centralWidget();
    const auto* ring = client->findChild<ui::FocusRing*>();
    ASSERT_NE(ring, nullptr);
    for (int stop = 0; stop < 13; ++stop) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        SCOPED_TRACE(focus->objectName().toStdString());
        EXPECT_EQ(ring->target(), focus);
        // The middle of the ring's left side, just left of the control.
        const QPoint leftOfControl = focus->mapTo(client, QPoint(0, focus->height() / 2)) -
                                     QPoint(ui::FocusRing::kGap + 1, 0);
        EXPECT_EQ(client->grab().toImage().pixelColor(leftOfControl), ui::FocusRing::kColour);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// Each frame shows an etched line standing out from the teal, leaves its inside teal, and no
// control inside it reaches its lines.
TEST_F(MainWindowLayout, FramesShowPlainlyWithNothingOverTheirLines) {
    ASSERT_GE(contrast(ui::EtchedFrame::kLightLine, kTeal), 3.0);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        SCOPED_TRACE(name);
        auto* frame = qobject_cast<ui::EtchedFrame*>(control(name));
        ASSERT_NE(frame, nullptr);
        const QImage image = frame->grab().toImage();
        const int middle = frame->height() / 2;
        EXPECT_EQ(image.pixelColor(1, middle), ui::EtchedFrame::kLightLine);  // left side
        EXPECT_EQ(image.pixelColor(frame->width() - 1, middle), ui::EtchedFrame::kLightLine);
        EXPECT_EQ(image.pixelColor(frame->width() / 2, frame->height() - 1),
                  ui::EtchedFrame::kLightLine);  // bottom
        EXPECT_EQ(image.pixelColor(frame->width() - 4, frame->topLine() + 1),
                  ui::EtchedFrame::kLightLine);                      // top, right of the title
        EXPECT_EQ(image.pixelColor(4, frame->height() - 4), kTeal);  // inside

        const QRect insideLines(2, frame->topLine() + 2, frame->width() - 4,
                                frame->height() - frame->topLine() - 4);
        for (const QWidget* child : frame->findChildren<QWidget*>()) {
            EXPECT_TRUE(insideLines.contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace nickbridge::testing
