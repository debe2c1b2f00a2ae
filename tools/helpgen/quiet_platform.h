// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/platform.h"

// The machine as the help generator shows it to the window models: nothing is shown, messages
// are written down, settings and files live in memory, and a modal window runs what `user`
// does in it.
namespace tarvel::helpgen {

class QuietPlatform : public forms::Platform, forms::SettingsStore, forms::FileStore {
public:
    forms::MsgAnswer messageBox(forms::MsgIcon, forms::MsgButtons, const std::string& title,
                                const std::string& text) override;
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void beep() override {}
    forms::SettingsStore& settings() override { return *this; }
    forms::FileStore& files() override { return *this; }
    bool openTextViewer(const std::string&) override { return true; }
    void showHtmlHelp(const std::string&, const std::string&, const std::string&) override {}
    void showClassicHelp(const std::string&, int) override {}
    std::optional<std::string> printDocument(const std::string&, forms::PrintTarget,
                                             const forms::PrintRender&) override {
        return std::nullopt;
    }
    std::optional<std::string> openAddress(const std::string&) override { return std::nullopt; }
    void setBusy(bool) override {}
    forms::ScreenSize screenSize() override { return {19200, 14400}; }
    forms::Version version() override { return {}; }
    std::string programDirectory() override { return "/tarvel"; }
    void runModal(forms::Form& form) override;

    // Settings.
    std::string get(const std::string& key, const std::string& fallback) override;
    void set(const std::string& key, const std::string& value) override { stored_[key] = value; }

    // Files.
    bool exists(const std::string& name) override { return files_.count(name) != 0; }
    std::optional<long long> size(const std::string& name) override;
    forms::WriteResult append(const std::string& name, const std::string& text) override;
    forms::WriteResult replaceWhole(const std::string& name, const std::string& text) override;
    bool remove(const std::string& name) override { return files_.erase(name) != 0; }
    std::optional<std::vector<std::string>> readLines(const std::string&) override {
        return std::nullopt;
    }
    std::string fullPath(const std::string& name) override { return "/tarvel/" + name; }

    // The messages shown since the last call, as "title: text".
    std::vector<std::string> takeMessages();
    // What the user does in a window shown modally; without it the window is closed at once.
    std::function<void(forms::Form&)> user;

private:
    std::map<std::string, std::string> stored_;
    std::map<std::string, std::string> files_;
    std::vector<std::string> messages_;
};

} // namespace tarvel::helpgen
