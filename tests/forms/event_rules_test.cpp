// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/keys.h"

#include "../support/fake_platform.h"

using namespace tarvel::forms;

namespace {

struct Window : Form {
    explicit Window(Application& app) : Form(app, "frmTest") {
        frame = &add("fraA", ControlKind::Frame);
        box = &add("txtA", ControlKind::TextBox, frame);
        other = &add("txtB", ControlKind::TextBox);
        check = &add("chkA", ControlKind::CheckBox);
        opt1 = &add("optA", ControlKind::OptionButton, frame);
        opt2 = &add("optB", ControlKind::OptionButton, frame);
        label = &add("lblA", ControlKind::Label);
        for (Control* c : {box, other, check, opt1, opt2, label}) {
            Control* self = c;
            c->onChange = [this, self] {
                log.push_back("change " + self->name());
            };
            c->onClick = [this, self] {
                log.push_back("click " + self->name());
            };
            c->onGotFocus = [this, self] {
                log.push_back("got " + self->name());
            };
            c->onLostFocus = [this, self] {
                log.push_back("lost " + self->name());
            };
        }
        box->onKeyPress = [this](int k) {
            if (k == keys::Backspace || (k >= '0' && k <= '9'))
                return k;
            platform().beep();
            return 0;
        };
        show();
    }
    Control *frame, *box, *other, *check, *opt1, *opt2, *label;
    std::vector<std::string> log;
};

struct EventRules : ::testing::Test {
    tarvel::fakes::FakePlatform platform;
    Application app{platform};
    Window* w = nullptr;
    void SetUp() override {
        // Stands in for the user closing a dialog from inside its loop.
        platform.user = [](Form& form) {
            form.hide();
        };
        app.registerForm("frmTest", [](Application& a) { return std::make_unique<Window>(a); });
        w = static_cast<Window*>(&app.load("frmTest"));
        w->show();
        w->log.clear();
    }
};

} // namespace

TEST_F(EventRules, HandlersRunOnlyOnARealChange) {
    w->label->setCaption("a");
    w->label->setCaption("a");
    w->check->setValue(1);
    w->check->setValue(1);
    w->check->setValue(0);
    EXPECT_EQ(w->log, (std::vector<std::string>{"change lblA", "click chkA", "click chkA"}));
}

TEST_F(EventRules, AnOptionClicksWheneverItIsSelectedAndClearsItsGroup) {
    w->opt1->setValue(1);
    w->opt1->setValue(1);
    w->opt2->setValue(1);
    EXPECT_EQ(w->opt1->value(), 0);
    w->opt2->setValue(0);
    EXPECT_EQ(w->log, (std::vector<std::string>{"click optA", "click optA", "click optB"}));
}

TEST_F(EventRules, FocusRunsLostThenGotAndNeverReachesAHiddenFrame) {
    EXPECT_TRUE(w->setFocus(*w->box));
    EXPECT_TRUE(w->setFocus(*w->other));
    EXPECT_TRUE(w->setFocus(*w->other));
    w->frame->setVisible(false);
    EXPECT_FALSE(w->setFocus(*w->box));
    EXPECT_EQ(w->focused(), w->other);
    EXPECT_FALSE(w->setFocus(*w->label));
    EXPECT_EQ(w->log, (std::vector<std::string>{"got txtA", "lost txtA", "got txtB"}));
}

TEST_F(EventRules, TypingGoesThroughTheFilterAndEditsAtTheCaret) {
    w->userType(*w->box, "1x2");
    EXPECT_EQ(w->box->text(), "12");
    EXPECT_EQ(platform.beeps, 1);
    w->userKey(*w->box, keys::Home);
    w->userType(*w->box, "9");
    EXPECT_EQ(w->box->text(), "912");
    w->box->setSelection(1, 2);
    w->userKey(*w->box, keys::Backspace);
    EXPECT_EQ(w->box->text(), "9");
    w->userKey(*w->box, keys::Home);
    w->userKey(*w->box, keys::Delete);
    EXPECT_EQ(w->box->text(), "");
    // One change per edit; the focus came once.
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "got txtA"), 1);
    EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "change txtA"), 5);
}

TEST_F(EventRules, TextEditsCountCharactersNotBytes) {
    w->other->setText("ČŽ");
    w->userKey(*w->other, keys::Backspace);
    EXPECT_EQ(w->other->text(), "Č");
    w->userType(*w->other, "đ");
    EXPECT_EQ(w->other->text(), "Čđ");
}

TEST_F(EventRules, AUserCannotReachHiddenOrDisabledControls) {
    w->frame->setEnabled(false);
    EXPECT_THROW(w->userClick(*w->opt1), UserActionError);
    EXPECT_THROW(w->userType(*w->box, "1"), UserActionError);
    w->frame->setEnabled(true);
    w->label->setVisible(false);
    EXPECT_THROW(w->userClick(*w->label), UserActionError);
    w->hide();
    EXPECT_THROW(w->userClick(*w->check), UserActionError);
}

TEST_F(EventRules, AModalWindowBlocksUntilItIsHiddenAndBlocksTheOthers) {
    struct Dialog : Form {
        explicit Dialog(Application& a) : Form(a, "frmDlg") {
            btn = &add("cmdA", ControlKind::CommandButton);
        }
        Control* btn;
    };
    app.registerForm("frmDlg", [](Application& a) { return std::make_unique<Dialog>(a); });
    Form& dialog = app.load("frmDlg");
    bool after = false;
    w->check->onClick = [&] {
        dialog.showModal();
        after = true;
    };
    w->userClick(*w->check);
    EXPECT_TRUE(after);
    EXPECT_EQ(platform.inModal, std::vector<std::string>{"frmDlg"});
    EXPECT_FALSE(dialog.shown());
    EXPECT_EQ(app.modalTop(), nullptr);
    app.pushModal(dialog);
    dialog.show();
    EXPECT_THROW(w->userClick(*w->check), UserActionError);
}

TEST_F(EventRules, AClickOnACaptionIsAClickOnItsButtonWhenAUserCouldClickIt) {
    w->label->setBuddy(w->check);
    w->userClick(*w->label);
    EXPECT_EQ(w->check->value(), 1);
    w->check->setEnabled(false);
    w->userClick(*w->label);
    EXPECT_EQ(w->check->value(), 1);
    w->label->setBuddy(w->opt2);
    w->userClick(*w->label);
    EXPECT_EQ(w->opt2->value(), 1);
    // The caption of a box only names it.
    w->label->setBuddy(w->box);
    w->userClick(*w->label);
    EXPECT_EQ(w->focused(), w->opt2);
    EXPECT_EQ(w->log, (std::vector<std::string>{"click lblA", "got chkA", "click chkA",
                                                "click lblA", "click lblA", "lost chkA", "got optB",
                                                "click optB", "click lblA"}));
}

TEST_F(EventRules, TabVisitsTheTabStopsInTheWindowsOrderBothWays) {
    w->other->setTabStop(false);
    std::vector<std::string> order;
    for (const Control* c : w->tabOrder())
        order.push_back(c->name());
    EXPECT_EQ(order, (std::vector<std::string>{"txtA", "chkA", "optA", "optB"}));
    w->userFocus(*w->box);
    w->userKeyHere(keys::Tab);
    EXPECT_EQ(w->focused(), w->check);
    w->userKeyHere(keys::Tab, keys::ShiftMask);
    EXPECT_EQ(w->focused(), w->box);
    w->userKeyHere(keys::Tab, keys::ShiftMask);
    EXPECT_EQ(w->focused(), w->opt2);
    // A box that is no tab stop still takes a click; Tab goes on from it.
    w->userClick(*w->other);
    w->userKeyHere(keys::Tab);
    EXPECT_EQ(w->focused(), w->check);
}

TEST_F(EventRules, APasteLeavesTheCaretAtTheEndWithNothingSelected) {
    for (const std::string before : {"12", "1", ""}) {
        w->box->setText(before);
        w->setFocus(*w->box);
        w->box->selectAll();
        w->userPaste(*w->box, "12");
        EXPECT_EQ(w->box->text(), "12");
        EXPECT_EQ(w->box->selStart(), 2) << before;
        EXPECT_EQ(w->box->selLength(), 0) << before;
    }
}
