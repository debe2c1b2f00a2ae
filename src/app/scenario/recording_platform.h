// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace tarvel::scenario {

// A failed step: the runner reports it with its line. Not a std::exception, so that the
// window models' handlers, which end quietly on their own failures, let it through.
struct StepFailure {
    std::string message;
};

// A text in double quotes as a scenario writes it, with line ends escaped.
std::string quoted(const std::string& s);

// Something a user would notice: a message box, the text viewer, help, a print job, an
// opened address. Each must be checked by a step.
struct Effect {
    std::string kind; // "message", "viewer", "help", "printed", "opened"
    std::vector<std::string> fields;
    std::string describe() const;
};

// A platform that records what the program shows instead of showing it, answers questions
// from a queue, keeps the settings in memory and the files in a real directory.
class RecordingPlatform : public forms::Platform {
public:
    explicit RecordingPlatform(const std::string& directory);
    ~RecordingPlatform() override;

    forms::MsgAnswer messageBox(forms::MsgIcon icon, forms::MsgButtons buttons,
                                const std::string& title, const std::string& text) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void beep() override { ++beeps; }
    forms::SettingsStore& settings() override { return *settings_; }
    forms::FileStore& files() override { return *files_; }
    bool openTextViewer(const std::string& fileName) override;
    void showHtmlHelp(const std::string& file, const std::string& page,
                      const std::string& window) override;
    void showClassicHelp(const std::string& file, int command) override;
    void showClassicHelpTopic(const std::string& file, int topic) override;
    // Fails as a machine without a printer does once `printerOff` is set.
    std::optional<std::string> printDocument(const std::string& title, forms::PrintTarget target,
                                             const forms::PrintRender& render) override;
    // A client document is a print job with the pages its pagination gives, whether it was
    // printed, shown in its preview (from which it is printed) or saved as a PDF file.
    std::optional<std::string> printClientDocument(const forms::ClientDocument& document,
                                                   forms::PrintTarget target) override;
    std::optional<std::string> openAddress(const std::string& address) override;
    void setBusy(bool) override {}
    forms::ScreenSize screenSize() override { return {19200, 14400}; }
    forms::Version version() override;
    std::string programDirectory() override { return directory_; }
    void runModal(forms::Form& form) override;

    // Queued answers for question boxes and input boxes.
    std::deque<std::string> answers;
    std::deque<Effect> effects;
    int beeps = 0;
    // Files that another program holds open: writing them is refused.
    std::set<std::string> locked;
    // No printer is installed: printing fails.
    bool printerOff = false;
    // Answers a question or input box when no answer is queued (random use); unset, such a
    // box fails the scenario.
    std::function<std::string()> answerSource;
    // Runs pending user events while a long-running handler lets them (the picture show).
    std::function<void()> eventPump;
    void processEvents() override {
        if (eventPump)
            eventPump();
    }
    // Runs the further steps of the scenario while a modal window is shown.
    std::function<void(forms::Form&)> modalLoop;

private:
    std::string directory_;
    std::unique_ptr<forms::SettingsStore> settings_;
    std::unique_ptr<forms::FileStore> files_;
};

} // namespace tarvel::scenario
