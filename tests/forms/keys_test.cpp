// SPDX-License-Identifier: GPL-3.0-or-later
// Key names as the scenarios and the tooltips write them, and the toolbar's table of keys.
#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/keys.h"

#include "../support/fake_platform.h"

using namespace tarvel::forms;

TEST(Keys, NamesReadAndWrittenAlike) {
    const struct {
        const char* name;
        int code;
        int shift;
    } cases[] = {
        {"Enter", keys::Enter, 0},
        {"Shift+Tab", keys::Tab, keys::ShiftMask},
        {"Ctrl+Shift+K", 'K', keys::CtrlMask | keys::ShiftMask},
        {"Ctrl+U", 'U', keys::CtrlMask},
        {"F9", keys::F1 + 8, 0},
        {"F12", keys::F12, 0},
        {"Shift+F10", keys::F10, keys::ShiftMask},
        {"Menu", keys::Menu, 0},
    };
    for (const auto& c : cases) {
        const auto stroke = keys::parseKey(c.name);
        ASSERT_TRUE(stroke) << c.name;
        EXPECT_EQ(*stroke, (keys::KeyStroke{c.code, c.shift})) << c.name;
        EXPECT_EQ(keys::keyName(*stroke), c.name);
    }
    // A letter without Ctrl types; there are twelve function keys.
    for (const char* refused : {"K", "Shift+K", "F0", "F13", "F1x", "Ctrl+", "Ctrl+KK"})
        EXPECT_FALSE(keys::parseKey(refused)) << refused;
}

TEST(Keys, ToolbarShortcutsNamedInTooltipsAndUnique) {
    tarvel::fakes::FakePlatform platform;
    Application app(platform);
    Form form(app, "frmTest");
    Toolbar& bar = form.addToolbar("tlb1");
    bar.addButton("Min", "Minimalna cijena", "Ctrl+Shift+N");
    bar.addButton("Dokument", "Dokument (F7)");
    bar.setShortcut("Dokument", "F7");
    EXPECT_EQ(bar.button("Min")->toolTip, "Minimalna cijena (Ctrl+Shift+N)");
    EXPECT_EQ(bar.button("Dokument")->toolTip, "Dokument (F7)");
    EXPECT_EQ(bar.buttonOfShortcut('N', keys::CtrlMask | keys::ShiftMask), bar.button("Min"));
    EXPECT_EQ(bar.buttonOfShortcut('N', keys::CtrlMask), nullptr);
    EXPECT_THROW(bar.addButton("Max", "Maksimalna", "Ctrl+Shift+N"), std::logic_error);
    EXPECT_THROW(bar.setShortcut("Nema", "F8"), std::logic_error);
}
