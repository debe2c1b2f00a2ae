// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform of the Qt layer's tests: settings in memory, files in the test's directory;
// beeps and message boxes are counted instead of sounded and shown, and every refresh and
// event pass of a running model can be looked at.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "system/memory_settings_store.h"
#include "ui/qt_platform.h"

namespace tarvel::ui {

class TestPlatform : public QtPlatform {
public:
    explicit TestPlatform(const std::string& directory)
        : QtPlatform(std::make_unique<system::MemorySettingsStore>(), directory) {}
    void beep() override { ++beeps; }
    forms::MsgAnswer messageBox(forms::MsgIcon, forms::MsgButtons, const std::string& title,
                                const std::string& text) override {
        messages.push_back(title + ": " + text);
        return forms::MsgAnswer::Ok;
    }
    void refresh() override {
        QtPlatform::refresh();
        if (onRefresh)
            onRefresh();
    }
    void processEvents() override {
        QtPlatform::processEvents();
        if (onEvents)
            onEvents();
    }

    int beeps = 0;
    std::vector<std::string> messages;
    std::function<void()> onRefresh;
    std::function<void()> onEvents;
};

} // namespace tarvel::ui
