// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "forms/platform.h"

namespace tarvel::ui {

class Windows;

// The machine as the program's window models see it when they run with real windows.
class QtPlatform : public forms::Platform {
public:
    // Files live in the program directory; settings in the per-user store of QSettings.
    QtPlatform();
    // For tests: other stores and another program directory.
    QtPlatform(std::unique_ptr<forms::SettingsStore> settings, const std::string& directory);
    ~QtPlatform() override;

    // The windows that show the models (for modal windows and for showing the models before
    // a message box); may be set after construction.
    void setWindows(Windows* windows) { windows_ = windows; }

    forms::MsgAnswer messageBox(forms::MsgIcon icon, forms::MsgButtons buttons,
                                const std::string& title, const std::string& text) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void beep() override;
    forms::SettingsStore& settings() override { return *settings_; }
    forms::FileStore& files() override { return *files_; }
    bool openTextViewer(const std::string& fileName) override;
    bool helpFileExists(const std::string& name) override;
    void showHtmlHelp(const std::string& file, const std::string& page,
                      const std::string& window) override;
    void showClassicHelp(const std::string& file, int command) override;
    // Printing a laid-out document on the default printer, in a print preview or into a PDF
    // file, all through the same page surface.
    std::optional<std::string> printDocument(const std::string& title, forms::PrintTarget target,
                                             const forms::PrintRender& render) override;
    // A client document typeset with Qt's text document: the preview has a command of its own
    // that saves it as a PDF file.
    std::optional<std::string> printClientDocument(const forms::ClientDocument& document,
                                                   forms::PrintTarget target) override;
    std::optional<std::string> openAddress(const std::string& address) override;
    void setBusy(bool busy) override;
    forms::ScreenSize screenSize() override;
    forms::Version version() override;
    std::string programDirectory() override { return directory_; }
    void runModal(forms::Form& form) override;
    void processEvents() override;
    void refresh() override;

private:
    std::string directory_;
    std::unique_ptr<forms::SettingsStore> settings_;
    std::unique_ptr<forms::FileStore> files_;
    Windows* windows_ = nullptr;
    bool busy_ = false;
};

} // namespace tarvel::ui
