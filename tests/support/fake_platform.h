// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/form.h"
#include "forms/platform.h"
#include "forms/text_pages.h"

// The machine as the model tests see it: settings in memory, everything shown written down,
// and a modal loop that runs what the test's user does in the window.
namespace tarvel::fakes {

// Files in memory; a replacing write can be made to fail the way a full disk does.
class MemoryFiles : public forms::FileStore {
public:
    bool exists(const std::string& name) override { return files.count(name) != 0; }
    std::optional<long long> size(const std::string& name) override {
        return exists(name) ? std::optional<long long>(files[name].size()) : std::nullopt;
    }
    forms::WriteResult append(const std::string& name, const std::string& text) override {
        files[name] += text;
        return {};
    }
    forms::WriteResult replaceWhole(const std::string& name, const std::string& text) override {
        if (failWrites > 0) {
            --failWrites;
            return {forms::FileResult::Failed, "disk je pun"};
        }
        files[name] = text;
        ++writes;
        return {};
    }
    bool remove(const std::string& name) override { return files.erase(name) != 0; }
    std::optional<std::vector<std::string>> readLines(const std::string&) override {
        return std::nullopt;
    }
    std::string fullPath(const std::string& name) override { return "/prog/" + name; }

    std::map<std::string, std::string> files;
    int failWrites = 0;
    int writes = 0;
};

class FakePlatform : public forms::Platform, forms::SettingsStore {
public:
    struct Message {
        forms::MsgIcon icon;
        forms::MsgButtons buttons;
        std::string title;
        std::string text;
    };

    forms::MsgAnswer messageBox(forms::MsgIcon icon, forms::MsgButtons buttons,
                                const std::string& title, const std::string& text) override {
        messages.push_back({icon, buttons, title, text});
        shown.push_back("message" + title + ": " + text);
        return forms::MsgAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return answer;
    }
    void beep() override { ++beeps; }
    SettingsStore& settings() override { return *this; }
    forms::FileStore& files() override {
        if (!fileStore)
            throw std::logic_error("no files expected");
        return *fileStore;
    }
    bool openTextViewer(const std::string& name) override {
        viewed.push_back(name);
        return true;
    }
    void showHtmlHelp(const std::string& file, const std::string& page,
                      const std::string& window) override {
        shown.push_back("html " + file + " " + page + " " + window);
    }
    void showClassicHelp(const std::string& file, int command) override {
        shown.push_back("classic " + file + " " + std::to_string(command));
    }
    void showClassicHelpTopic(const std::string& file, int topic) override {
        shown.push_back("classic " + file + " topic " + std::to_string(topic));
    }
    std::optional<std::string> printDocument(const std::string& title, forms::PrintTarget target,
                                             const forms::PrintRender& render) override {
        forms::PrintJob job;
        const std::optional<std::string> failure = forms::collectPages(title, render, job);
        if (!failure && target == forms::PrintTarget::Printer)
            printed.push_back(job);
        return failure;
    }
    std::optional<std::string> openAddress(const std::string& address) override {
        opened.push_back(address);
        busyWhileOpening = busy;
        return openError;
    }
    void setBusy(bool b) override { busy = b; }
    forms::ScreenSize screenSize() override { return screen; }
    forms::Version version() override { return ver; }
    std::string programDirectory() override { return "/prog"; }
    void runModal(forms::Form& form) override {
        inModal.push_back(form.name());
        if (user)
            user(form);
    }

    std::string get(const std::string& key, const std::string& fallback) override {
        const auto it = stored.find(key);
        return it == stored.end() ? fallback : it->second;
    }
    void set(const std::string& key, const std::string& value) override { stored[key] = value; }

    // The messages as "title: text".
    std::vector<std::string> said() const {
        std::vector<std::string> out;
        for (const Message& m : messages)
            out.push_back(m.title + ": " + m.text);
        return out;
    }
    // Messages and help shown since the last call.
    std::vector<std::string> take() { return std::exchange(shown, {}); }

    forms::FileStore* fileStore = nullptr;
    std::map<std::string, std::string> stored;
    std::function<void(forms::Form&)> user;
    std::vector<Message> messages;
    std::vector<std::string> shown;
    std::vector<std::string> viewed;
    std::vector<std::string> opened;
    std::vector<std::string> inModal;
    std::vector<forms::PrintJob> printed;
    std::optional<std::string> openError;
    std::string answer;
    forms::ScreenSize screen{19200, 14400};
    forms::Version ver{2, 0, 0};
    int beeps = 0;
    bool busy = false;
    bool busyWhileOpening = false;
};

} // namespace tarvel::fakes
