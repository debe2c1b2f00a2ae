// SPDX-License-Identifier: GPL-3.0-or-later
// Every toolbar command of the main window has a key of its own, and none takes a key the
// program or a box already gives a meaning.
#include <gtest/gtest.h>

#include "calculator/frm_gl.h"
#include "forms/keys.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::calculator {
namespace {

namespace keys = forms::keys;

TEST(Shortcuts, EveryToolbarCommandHasAFreeKey) {
    fakes::FakePlatform platform;
    program::Program calc{platform};
    for (const forms::ToolbarButton& b : calc.frmGl().tlb1->buttons()) {
        if (b.kind != forms::ToolbarItemKind::Button)
            continue;
        const keys::KeyStroke k = b.shortcut;
        ASSERT_NE(k.code, 0) << b.key;
        EXPECT_NE(b.toolTip.find("(" + keys::keyName(k) + ")"), std::string::npos) << b.key;
        // Help keys, Enter, Tab and the boxes' editing keys stay theirs.
        EXPECT_FALSE(k.code >= keys::F1 && k.code < keys::F1 + 6) << b.key;
        for (int taken : {keys::Enter, keys::Tab, keys::Escape, keys::Backspace, keys::Delete,
                          keys::Menu, int('C'), int('V'), int('X'), int('A'), int('Z'), int('Y')})
            EXPECT_FALSE(k.code == taken && (k.shift & keys::ShiftMask) == 0) << b.key;
        EXPECT_FALSE(k.code == keys::F10 && k.shift == keys::ShiftMask) << b.key;
        // A letter without Ctrl would type.
        EXPECT_TRUE(k.code < keys::A || k.code > keys::Z || (k.shift & keys::CtrlMask)) << b.key;
    }
}

} // namespace
} // namespace tarvel::calculator
