// SPDX-License-Identifier: MIT
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <exception>
#include <iostream>
#include <optional>
#include <utility>

#include "conversion/convert_command.h"
#include "platform/path_conventions.h"
#include "settings/settings_file.h"
#include "ui/about/about_box.h"
#include "ui/busy_pointer.h"
#include "ui/caption_fit.h"
#include "ui/centre_on_screen.h"
#include "ui/design_colours.h"
#include "ui/etched_frame.h"
#include "ui/focus_ring.h"
#include "ui/main_window/box_caption.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/path_drop.h"
#include "ui/main_window/path_field.h"
#include "ui/message_box.h"
#include "ui/program_icon.h"
#include "ui/twips.h"

namespace nickbridge::ui {
namespace {

constexpr int kClientWidth = 6315;
constexpr int kClientHeight = 3825;

// The eight field boxes in kBoxOrder, the order of the settings file; positions are from
// the field frame's corner. Only the settings file greys a box, and a greyed box means something
// different for the two name boxes than for the others: the description tells a screen reader's
// user.
struct BoxDesign {
    const char* name;
    const char* label;
    const char* caption;
    int left;
    int top;
    const char* description;
};

constexpr const char* kGreyedKeeps = "Greyed: the field is still written, as when ticked.";
constexpr const char* kGreyedBlanks = "Greyed: the field is written empty, as when clear.";

const std::array<BoxDesign, 8> kBoxDesigns{{
    {"FN", "Label1", "First Name", 120, 360, kGreyedKeeps},
    {"LN", "Label2", "Last Name", 120, 720, kGreyedKeeps},
    {"NN", "Label5", "Nickname", 120, 1080, "Remembered only: changes nothing in the output."},
    {"EA", "Label3", "Email Address", 120, 1440, kGreyedBlanks},
    {"PA", "Label6", "Postal Address", 1800, 360, kGreyedBlanks},
    {"PN", "Label4", "Phone Number", 1800, 720, kGreyedBlanks},
    {"FX", "Label7", "Fax Number", 1800, 1080, kGreyedBlanks},
    {"NOTEs", "Label8", "Notes", 1800, 1440, kGreyedBlanks},
}};
constexpr int kBoxSide = 255;
constexpr int kLabelOffset = 240;
constexpr int kLabelWidth = 1095;

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* frame = new EtchedFrame(title, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

// The design places framed controls in client-area coordinates; Qt wants them in the frame's.
QRect inFrame(const QGroupBox* frame, QRect clientGeometry) {
    return clientGeometry.translated(-frame->pos());
}

PathField* makePathField(QGroupBox* frame, const char* name, QRect geometry,
                         const QString& description) {
    auto* field = new PathField(frame);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    useSystemColours(field);
    QPalette grey = field->palette();
    grey.setColor(QPalette::Base, kTextBoxGrey);
    field->setPalette(grey);
    field->setAccessibleName(frame->title());
    field->setAccessibleDescription(description);
    return field;
}

// A screen reader reads `accessibleName` where the caption alone would be ambiguous.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        const QString& accessibleName = {}) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    if (!accessibleName.isEmpty()) button->setAccessibleName(accessibleName);
    useSystemColours(button);
    // Enter presses the focused button, as in dialogs; no button becomes the window's default.
    button->setAutoDefault(true);
    return button;
}

template <typename Value>
void assignIfRead(Value& target, const std::optional<Value>& value) {
    if (value) target = *value;
}

// How the Convert command reaches the user from this window. The busy pointer shows until the
// command first shows something the user has to answer.
class WindowReport final : public ConvertReport {
public:
    WindowReport(QWidget& window, ChooserSeam& choosers) : window_(window), choosers_(choosers) {}

    void showProblem(const std::string& text) override { show(text); }
    void showCompletion(const std::string& text) override { show(text); }
    void showSourceChooser() override {
        busy_.lift();
        choosers_.showSourceChooser();
    }
    void resetChoosers() override { choosers_.resetChoosers(); }

private:
    void show(const std::string& text) {
        busy_.lift();
        showMessage(&window_, text);
    }

    QWidget& window_;
    ChooserSeam& choosers_;
    BusyPointer busy_;
};

}  // namespace

MainWindow::MainWindow(const ChooserFactory& makeChoosers, SettingsFile settings, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      settings_(std::move(settings)),
      choosers_(makeChoosers(*this, *this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("NickBridge: Nicknames Conversion"));
    setWindowIcon(programIcon());
    buildControls();
    fitCaptions(centralWidget());
    buildMenus();
    setFocusOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(*this);
    convertButton_->setFocus();
    (new FocusRing(centralWidget()))->surround(convertButton_);
    loadStartupSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    QPalette teal = client->palette();
    teal.setColor(QPalette::Window, kTeal);
    teal.setColor(QPalette::WindowText, teal.color(QPalette::HighlightedText));
    client->setPalette(teal);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    buildSourceFrame(client);
    buildOutputFrame(client);
    buildFieldsFrame(client);
    convertButton_ = makeButton(client, "Command1", QStringLiteral("&Convert!"),
                                twipsRect(2280, 3360, 1815, 375));
    connectCommands();
}

void MainWindow::buildSourceFrame(QWidget* client) {
    QGroupBox* sourceFrame = makeFrame(client, "Frame1", QStringLiteral("Eudora Nickname File"),
                                       twipsRect(120, 120, 3015, 1095));
    sourcePathField_ = makePathField(
        sourceFrame, "Text1", inFrame(sourceFrame, twipsRect(240, 360, 2775, 315)),
        QStringLiteral("Full path of the nickname file to convert. Double-click to choose it."));
    sourcePathField_->setDropRule(sourcePathFromDrop);
    browseSourceButton_ = makeButton(sourceFrame, "Browse1", QStringLiteral("&Browse"),
                                     inFrame(sourceFrame, twipsRect(240, 720, 1215, 375)),
                                     QStringLiteral("Browse for the nickname file"));
}

void MainWindow::buildOutputFrame(QWidget* client) {
    QGroupBox* outputFrame =
        makeFrame(client, "Frame2", QStringLiteral("Output Folder for \"Converted.txt\""),
                  twipsRect(3240, 120, 3015, 1095));
    outputPathField_ = makePathField(
        outputFrame, "Text2", inFrame(outputFrame, twipsRect(3360, 360, 2775, 315)),
        QStringLiteral("Full path of the output file. Double-click to choose its folder."));
    outputPathField_->setBytes(platform::defaultOutputPath());
    outputPathField_->setDropRule(outputPathFromDrop);
    browseOutputButton_ = makeButton(outputFrame, "Browse2", QStringLiteral("B&rowse"),
                                     inFrame(outputFrame, twipsRect(3360, 720, 1215, 375)),
                                     QStringLiteral("Browse for the output folder"));
}

void MainWindow::buildFieldsFrame(QWidget* client) {
    QGroupBox* fieldsFrame = makeFrame(client, "Frame3", QStringLiteral("Import Fields"),
                                       twipsRect(1440, 1320, 3375, 1935));
    for (std::size_t i = 0; i < kBoxDesigns.size(); ++i) {
        const BoxDesign& design = kBoxDesigns[i];
        const QString caption = QLatin1String(design.caption);
        auto* box = new FieldBox(fieldsFrame);
        box->setObjectName(QLatin1String(design.name));
        box->setGeometry(twipsRect(design.left, design.top, kBoxSide, kBoxSide));
        box->setAccessibleName(caption);
        box->setAccessibleDescription(QLatin1String(design.description));
        auto* label = new BoxCaption(caption, box, fieldsFrame);
        label->setObjectName(QLatin1String(design.label));
        label->setGeometry(
            twipsRect(design.left + kLabelOffset, design.top, kLabelWidth, kBoxSide));
        // The box it touches stays on top of it.
        label->stackUnder(box);
        boxes_[i] = box;
    }
}

void MainWindow::connectCommands() {
    connect(convertButton_, &QPushButton::clicked, this, &MainWindow::onConvertClicked);
    connect(browseSourceButton_, &QPushButton::clicked, this,
            [this] { choosers_->showSourceChooser(); });
    connect(sourcePathField_, &PathField::doubleClicked, this,
            [this] { choosers_->showSourceChooser(); });
    connect(browseOutputButton_, &QPushButton::clicked, this,
            [this] { choosers_->showOutputChooser(); });
    connect(outputPathField_, &PathField::doubleClicked, this,
            [this] { choosers_->showOutputChooser(); });
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    QAction* vcard = file->addAction(QStringLiteral("Convert to &vCard"), this,
                                     &MainWindow::onConvertToVCardTriggered);
    vcard->setObjectName(QStringLiteral("vcard"));
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &MainWindow::onExitTriggered);
    exit->setObjectName(QStringLiteral("exit"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("help"));
    QAction* about = help->addAction(QStringLiteral("&About"), this, &MainWindow::onAboutTriggered);
    about->setObjectName(QStringLiteral("about"));
}

void MainWindow::setFocusOrder() {
    auto box = [this](const char* name) { return findChild<FieldBox*>(QLatin1String(name)); };
    const std::array<QWidget*, 13> order{convertButton_,      sourcePathField_,    outputPathField_,
                                         browseSourceButton_, browseOutputButton_, box("FN"),
                                         box("FX"),           box("PN"),           box("EA"),
                                         box("NN"),           box("LN"),           box("PA"),
                                         box("NOTEs")};
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

std::string MainWindow::sourcePath() const { return sourcePathField_->bytes(); }
void MainWindow::setSourcePath(const std::string& path) { sourcePathField_->setBytes(path); }
std::string MainWindow::outputPath() const { return outputPathField_->bytes(); }
void MainWindow::setOutputPath(const std::string& path) { outputPathField_->setBytes(path); }

FieldSelection MainWindow::fieldSelection() const {
    FieldSelection selection;
    for (std::size_t i = 0; i < kBoxDesigns.size(); ++i) {
        selection.*kBoxOrder[i] = boxes_[i]->state();
    }
    return selection;
}

void MainWindow::setSourceEntries(const choosers::SourceEntries& entries) {
    entries_.source = entries;
}

void MainWindow::setOutputEntries(const choosers::OutputEntries& entries) {
    entries_.output = entries;
}

void MainWindow::saveSettings() {
    const choosers::SourceEntries& source = entries_.source;
    const choosers::OutputEntries& output = entries_.output;
    const SettingsValues values{sourcePath(), outputPath(),    source.fileListFolder,
                                source.dir,   source.drive,    output.dir,
                                output.drive, fieldSelection()};
    const SaveResult result = settings_.save(values);
    lastSaveFailed_ = !result.ok;
    if (result.ok) return;
    if (saveFailuresToStandardError_) {
        std::cerr << cannotSaveSettings(result.reason) << '\n' << std::flush;
    } else {
        showMessage(this, cannotSaveSettings(result.reason));
    }
}

bool MainWindow::closeForTermination() {
    saveFailuresToStandardError_ = true;
    lastSaveFailed_ = false;
    close();
    return !lastSaveFailed_;
}

void MainWindow::restoreSettings() {
    const RestoredValues values = settings_.read();
    if (values.sourcePath) sourcePathField_->setBytes(*values.sourcePath);
    if (values.outputPath) outputPathField_->setBytes(*values.outputPath);
    assignIfRead(entries_.source.fileListFolder, values.sourceFileListFolder);
    assignIfRead(entries_.source.dir, values.sourceFolder);
    assignIfRead(entries_.source.drive, values.sourceDrive);
    assignIfRead(entries_.output.dir, values.outputFolder);
    assignIfRead(entries_.output.drive, values.outputDrive);
    // The first of these to reach a chooser makes it, and its start-up restores again inside this
    // restore; every run applies all its values.
    choosers_->applyRestoredEntries(values);
    for (std::size_t i = 0; i < kBoxDesigns.size(); ++i) {
        if (const auto& state = values.boxes[i]) boxes_[i]->setState(*state);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveOnClose();
    // The program ends whether or not the save worked.
    event->accept();
}

void MainWindow::loadStartupSettings() {
    // Start-up tries each step on its own and goes on past a failure: whatever could not be read
    // keeps its value from the design.
    try {
        settings_.appendDefaultBlock();
    } catch (const std::exception&) {
    }
    try {
        restoreSettings();
    } catch (const std::exception&) {
    }
}

void MainWindow::saveOnClose() { saveSettings(); }

void MainWindow::onConvertClicked() {
    WindowReport report(*this, *choosers_);
    runConvertCommand(sourcePath(), outputPath(), fieldSelection(), report);
}

void MainWindow::onConvertToVCardTriggered() {
    WindowReport report(*this, *choosers_);
    runVCardCommand(sourcePath(), outputPath(), fieldSelection(), report);
}

void MainWindow::onExitTriggered() {
    // exit(), unlike quit(), does not close the windows first, so no close handler saves.
    QCoreApplication::exit(0);
}

void MainWindow::onAboutTriggered() { showAboutBox(this); }

}  // namespace nickbridge::ui
