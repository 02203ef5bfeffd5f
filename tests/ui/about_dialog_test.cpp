// SPDX-License-Identifier: MIT
// The About box: its design, its texts once loaded, closing, System Information and the web site.
#include "ui/about/about_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "platform/program_launcher.h"
#include "support/fake_registry.h"
#include "ui/about/about_texts.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::AboutDialog;

class RecordingLauncher final : public platform::ProgramLauncher {
public:
    bool start(const std::string& commandLine) override {
        started.push_back(commandLine);
        return answer;
    }
    bool answer = true;
    std::vector<std::string> started;
};

class AboutDialogTest : public ::testing::Test {
protected:
    template <typename Widget = QWidget>
    Widget* control(const char* name) {
        auto* widget = dialog_.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString textOf(const char* name) { return control<QLabel>(name)->text(); }

    FakeRegistry registry_;
    RecordingLauncher launcher_;
    MessageRecorder messages_;
    AboutDialog dialog_{nullptr, registry_, launcher_};
};

struct Placement {
    const char* name;
    int left, top, width, height;  // twips
};

TEST_F(AboutDialogTest, EveryControlSitsWhereTheDesignPutsIt) {
    EXPECT_EQ(dialog_.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(dialog_.size(), QSize(5730 / 15, 5010 / 15));
    EXPECT_EQ(dialog_.minimumSize(), dialog_.maximumSize());
    EXPECT_FALSE(dialog_.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog_.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const Placement placements[] = {
        {"cmdOK", 4365, 3945, 1260, 345},        {"picIcon", 240, 240, 540, 540},
        {"cmdSysInfo", 4380, 4395, 1245, 345},   {"abtDes", 1050, 1320, 3975, 1650},
        {"lblDisclaimer", 255, 3960, 3870, 825}, {"lblTitle", 1050, 240, 3885, 480},
        {"lblVersion", 1050, 780, 3885, 225},    {"lblSite", 1080, 3120, 3975, 255},
        {"Line1(0)", 105, 3600, 5654 - 105, 30}, {"Line1(1)", 120, 3600, 5684 - 120, 15},
    };
    for (const Placement& p : placements) {
        if (const QWidget* widget = control(p.name)) {
            EXPECT_EQ(widget->geometry(),
                      QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15))
                << p.name;
        }
    }
}

TEST_F(AboutDialogTest, LoadingSetsTheSixTextsWithLineBreaksForCarriageReturns) {
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("About NickBridge"));
    EXPECT_EQ(textOf("lblTitle"), QStringLiteral("nickbridge"));
    EXPECT_EQ(textOf("lblVersion"), QStringLiteral("Version 1.0.2"));
    EXPECT_EQ(textOf("lblSite"), ui::siteLine());
    EXPECT_EQ(textOf("abtDes"), ui::descriptionText().replace('\r', '\n'));
    EXPECT_EQ(textOf("lblDisclaimer"), ui::disclaimerText().replace('\r', '\n'));
    EXPECT_EQ(control<QPushButton>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

TEST_F(AboutDialogTest, ColoursFontsAndThePointerOverTheSite) {
    dialog_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
    EXPECT_EQ(dialog_.grab().toImage().pixelColor(5, 100), QColor(0x00, 0x80, 0x80));
    EXPECT_EQ(control("lblDisclaimer")->palette().color(QPalette::WindowText), QColor(Qt::white));
    const QWidget* site = control("lblSite");
    EXPECT_EQ(site->palette().color(QPalette::WindowText), QColor(0x80, 0xFF, 0xFF));
    EXPECT_TRUE(site->font().underline());
    EXPECT_EQ(site->cursor().shape(), Qt::PointingHandCursor);
    const QFont title = control("lblTitle")->font();
    EXPECT_EQ(title.families().value(0), QStringLiteral("Lucida Handwriting"));
    EXPECT_EQ(title.pointSize(), 18);
    EXPECT_TRUE(title.bold());
}

// Wrapped texts must fit in height, the others in width and height.
TEST_F(AboutDialogTest, EveryTextFitsItsLabel) {
    for (const QLabel* label : dialog_.findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        } else {
            EXPECT_LE(label->sizeHint().width(), label->width()) << name;
            EXPECT_LE(label->sizeHint().height(), label->height()) << name;
        }
    }
}

TEST_F(AboutDialogTest, OkEnterAndEscapeClose) {
    const std::function<void(AboutDialog&)> closers[] = {
        [](AboutDialog& d) {
            QTest::mouseClick(d.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        [](AboutDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
        [](AboutDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
    };
    for (std::size_t i = 0; i < std::size(closers); ++i) {
        dialog_.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));
        closers[i](dialog_);
        EXPECT_FALSE(dialog_.isVisible()) << "closer " << i;
    }
    EXPECT_TRUE(launcher_.started.empty());
}

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// The dialog stays open in every case; only a started command spares the message.
TEST_F(AboutDialogTest, SystemInfoStartsTheRegisteredCommandOrSaysItIsUnavailable) {
    const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
    dialog_.show();
    dialog_.startSystemInformation();
    EXPECT_TRUE(launcher_.started.empty());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, unavailable);

    registry_.setText(kPathKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    QTest::mouseClick(control<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(launcher_.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_EQ(messages_.shown.size(), 1u);

    launcher_.answer = false;
    dialog_.startSystemInformation();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text, unavailable);
    EXPECT_TRUE(dialog_.isVisible());
}

// Stands in for the desktop's browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(AboutDialogTest, ClickingTheSiteOrTheIconOpensTheWebSite) {
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    for (const char* name : {"lblSite", "picIcon", "lblVersion"}) {
        QTest::mouseClick(control(name), Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    const QUrl site(QStringLiteral("https://nickbridge.example.org/"));
    EXPECT_EQ(browser.opened, (std::vector<QUrl>{site, site}));
}

}  // namespace
}  // namespace nickbridge::testing

#include "about_dialog_test.moc"
