// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace nickbridge::platform {
class ProgramLauncher;
class RawRegistry;
}  // namespace nickbridge::platform

namespace nickbridge::ui {

// frmAbout: title, version, credits and disclaimer, the web site, and a button that starts the
// operating system's System Information tool. It keeps nothing: each one is loaded afresh.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(QWidget* owner, platform::RawRegistry& registry,
                platform::ProgramLauncher& launcher);
    ~AboutDialog() override;

    // Starts the System Information tool the registry names, or says it is unavailable.
    void startSystemInformation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadTexts();
    void openWebSite();

    platform::RawRegistry& registry_;
    platform::ProgramLauncher& launcher_;
    QPushButton* okButton_ = nullptr;
    QPushButton* sysInfoButton_ = nullptr;
    QLabel* iconLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* siteLabel_ = nullptr;
};

}  // namespace nickbridge::ui
