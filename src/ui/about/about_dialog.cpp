// SPDX-License-Identifier: MIT
#include "ui/about/about_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "nickbridge/version.h"
#include "platform/program_launcher.h"
#include "platform/system_information.h"
#include "ui/about/about_texts.h"
#include "ui/about/about_values.h"
#include "ui/design_colours.h"
#include "ui/design_font.h"
#include "ui/focus_ring.h"
#include "ui/message_box.h"
#include "ui/owner_centre.h"
#include "ui/program_icon.h"
#include "ui/twips.h"

namespace nickbridge::ui {
namespace {

const QColor kSiteCyan(0x80, 0xFF, 0xFF);
const QColor kLineGrey(0x80, 0x80, 0x80);
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 5010;

// "Lucida Handwriting" ships with Windows; Dancing Script (Debian's fonts-dancingscript) is the
// free connected script closest to it, and any cursive face will do after that.
QFont titleFont() {
    QFont font(QStringLiteral("Lucida Handwriting"), 18, QFont::Bold);
    font.setFamilies({QStringLiteral("Lucida Handwriting"), QStringLiteral("Dancing Script")});
    font.setStyleHint(QFont::Cursive);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QColor& textColour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    label->setPalette(palette);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setPalette(QApplication::palette(button));
    return button;
}

QWidget* makeLine(QWidget* parent, const char* name, QRect geometry, const QColor& colour) {
    auto* line = new QWidget(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

// Labels show the carriage returns of their texts as line breaks.
void setLines(QLabel* label, QString text) {
    label->setText(text.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* owner, platform::RawRegistry& registry,
                         platform::ProgramLauncher& launcher)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      registry_(registry),
      launcher_(launcher) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(programIcon());
    setModal(true);
    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    setFont(designFont());
    QPalette teal = palette();
    teal.setColor(QPalette::Window, kTeal);
    setPalette(teal);
    setAutoFillBackground(true);
    buildControls();
    loadTexts();
    centreOnOwnerAtEveryShowing(*this);
    okButton_->setFocus();
    (new FocusRing(this))->surround(okButton_);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::buildControls() {
    // In tab order; OK is both the default and the cancel button (Esc rejects the dialog).
    okButton_ = makeButton(this, "cmdOK", QStringLiteral("OK"), twipsRect(4365, 3945, 1260, 345));
    okButton_->setDefault(true);
    iconLabel_ = makeLabel(this, "picIcon", twipsRect(240, 240, 540, 540), Qt::white);
    iconLabel_->setPixmap(programIcon().pixmap(32, 32));
    iconLabel_->setAlignment(Qt::AlignCenter);
    sysInfoButton_ = makeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                                twipsRect(4380, 4395, 1245, 345));

    const QColor highlightText = QApplication::palette().color(QPalette::HighlightedText);
    descriptionLabel_ = makeLabel(this, "abtDes", twipsRect(1050, 1320, 3975, 1650), highlightText);
    descriptionLabel_->setWordWrap(true);
    disclaimerLabel_ = makeLabel(this, "lblDisclaimer", twipsRect(255, 3960, 3870, 825), Qt::white);
    disclaimerLabel_->setWordWrap(true);
    titleLabel_ = makeLabel(this, "lblTitle", twipsRect(1050, 240, 3885, 480), Qt::white);
    titleLabel_->setFont(titleFont());
    versionLabel_ = makeLabel(this, "lblVersion", twipsRect(1050, 780, 3885, 225), highlightText);
    siteLabel_ = makeLabel(this, "lblSite", twipsRect(1080, 3120, 3975, 255), kSiteCyan);
    QFont siteFont = designFont();
    siteFont.setUnderline(true);
    siteLabel_->setFont(siteFont);
    // The desktop's own pointing hand, in the user's cursor theme and size, rather than a
    // picture that would look foreign next to every other link pointer.
    siteLabel_->setCursor(Qt::PointingHandCursor);

    // Line1: an etched separator, the grey line over the upper half of the white one.
    makeLine(this, "Line1(0)", QRect(pixels(105), pixels(3600), pixels(5654 - 105), 2), Qt::white);
    makeLine(this, "Line1(1)", QRect(pixels(120), pixels(3600), pixels(5684 - 120), 1), kLineGrey);

    setTabOrder(okButton_, sysInfoButton_);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfoButton_, &QPushButton::clicked, this, &AboutDialog::startSystemInformation);
    siteLabel_->installEventFilter(this);
    iconLabel_->installEventFilter(this);
}

void AboutDialog::loadTexts() {
    siteLabel_->setText(siteLine());
    setWindowTitle(QStringLiteral("About NickBridge"));
    setLines(descriptionLabel_, descriptionText());
    versionLabel_->setText(versionText(kVersionMajor, kVersionMinor, kVersionRevision));
    titleLabel_->setText(QLatin1String(kProgramTitle));
    setLines(disclaimerLabel_, disclaimerText());
}

void AboutDialog::startSystemInformation() {
    const auto command = platform::systemInformationCommand(registry_);
    if (!command || !launcher_.start(*command)) {
        showMessage(this, QStringLiteral("System Information Is Unavailable At This Time"));
    }
}

void AboutDialog::openWebSite() {
    // Without a browser nothing opens and nothing needs saying: the address is on show.
    QDesktopServices::openUrl(QUrl(QLatin1String(about_values::kWebSite)));
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == siteLabel_ || watched == iconLabel_) &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openWebSite();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nickbridge::ui
