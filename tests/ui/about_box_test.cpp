// SPDX-License-Identifier: MIT
// Help > About: the About box shown from the main window, and where it is placed.
#include "ui/about/about_box.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include "ui/about/about_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/modal.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

class HelpAbout : public InTempCurrentFolder {
protected:
    HelpAbout() : previous_(ui::setModalSink([this](QDialog& d) { run(d); })) {}
    ~HelpAbout() override { ui::setModalSink(std::move(previous_)); }

    void run(QDialog& dialog) {
        ++showings_;
        EXPECT_NE(qobject_cast<ui::AboutDialog*>(&dialog), nullptr);
        EXPECT_EQ(dialog.parentWidget(), &window_);
        EXPECT_TRUE(dialog.isModal());
        auto* title = dialog.findChild<QLabel*>(QStringLiteral("lblTitle"));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), QStringLiteral("nickbridge")) << "showing " << showings_;
        title->setText(QStringLiteral("changed while shown"));
        // The whole framed box, title bar included, is centred on the framed window.
        dialog.show();
        const QPoint offset = dialog.frameGeometry().center() - window_.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << ", " << offset.y();
        dialog.hide();
    }

    ui::MainWindow window_{noChoosers(), settingsFile()};
    int showings_ = 0;

private:
    ui::ModalSink previous_;
};

// Every showing is a new dialog with its texts loaded afresh, centred on the window.
TEST_F(HelpAbout, ShowsAFreshlyLoadedModalAboutBoxOverTheWindow) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    auto* about = window_.findChild<QAction*>(QStringLiteral("about"));
    ASSERT_NE(about, nullptr);
    about->trigger();
    about->trigger();
    EXPECT_EQ(showings_, 2);
}

}  // namespace
}  // namespace nickbridge::testing
