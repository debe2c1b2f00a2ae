// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/runner.h"

#include <fstream>
#include <sstream>
#include <utility>

#include "calculator/frm_gl.h"
#include "forms/keys.h"
#include "forms/utf8_path.h"
#include "program/program.h"
#include "system/cp1250.h"

namespace tarvel::scenario {
namespace {

using forms::Color;
using forms::ControlKind;

[[noreturn]] void fail(const std::string& message) {
    throw StepFailure{message};
}

void requireWords(const Step& step, size_t count) {
    if (step.words.size() != count)
        fail("step " + step.words[0] + " takes " + std::to_string(count - 1) + " arguments");
}

Color parseColor(const std::string& text) {
    Color c;
    char comma1 = 0, comma2 = 0;
    std::istringstream in(text);
    if (!(in >> c.r >> comma1 >> c.g >> comma2 >> c.b) || comma1 != ',' || comma2 != ',')
        fail("a colour is written R,G,B: " + text);
    return c;
}

std::string colorText(Color c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string blockBytes(const std::vector<std::string>& block) {
    std::string text;
    for (const auto& line : block)
        text += line + "\n";
    return system::encodeCp1250(text);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(forms::utf8Path(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The first difference between two byte strings, for the failure message.
std::string firstDifference(const std::string& expected, const std::string& found) {
    size_t i = 0;
    while (i < expected.size() && i < found.size() && expected[i] == found[i])
        ++i;
    size_t lineStart = found.rfind('\n', i == 0 ? 0 : i - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    size_t lineEnd = found.find('\r', i);
    const std::string foundLine =
        system::decodeCp1250(found.substr(lineStart, lineEnd - lineStart));
    size_t eLineEnd = expected.find('\r', i);
    const std::string expectedLine =
        system::decodeCp1250(expected.substr(lineStart, eLineEnd - lineStart));
    return "bytes differ at offset " + std::to_string(i) + ": expected line " +
           quoted(expectedLine) + ", found " + quoted(foundLine) + " (expected " +
           std::to_string(expected.size()) + " bytes, found " + std::to_string(found.size()) + ")";
}

} // namespace

Runner::Runner(const Script& script, const std::string& directory, DriverFactory makeDriver)
    : script_(script), directory_(directory), makeDriver_(std::move(makeDriver)),
      platform_(directory) {
    // A handler that lets pending events run (the picture show) runs the next step; with no
    // step left it would wait for the user forever.
    platform_.eventPump = [this] {
        if (next_ >= script_.steps.size())
            fail("the program waits for the user (a key ends the picture show), and the "
                 "scenario has no more steps");
        bool ran = false;
        runSteps([&ran] { return !std::exchange(ran, true); });
    };
    platform_.modalLoop = [this](forms::Form& form) {
        const std::string name = form.name();
        runSteps([this, &form, name] {
            return calculator_->loaded(name) == &form && form.shown() && !calculator_->ended();
        });
    };
}

Runner::~Runner() {
    // The windows go before the platform they use.
    driver_.reset();
    calculator_.reset();
}

Outcome Runner::run() {
    try {
        runSteps([] { return true; });
        line_ = 0;
        checkNoEffectsLeft();
    } catch (const StepFailure& f) {
        return {false, line_, f.message};
    } catch (const std::exception& e) {
        // A fault that left a handler fails the scenario where it happened.
        return {false, line_, std::string("a handler failed: ") + e.what()};
    }
    return {};
}

void Runner::runSteps(const std::function<bool()>& goOn) {
    ++depth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};
    while (next_ < script_.steps.size() && goOn()) {
        const Step& step = script_.steps[next_++];
        line_ = step.line;
        execute(step);
        // Windows unloaded during a step go only when no handler is running any more: steps
        // also run inside modal windows and between the picture show's cycles.
        if (calculator_ && depth_ == 1)
            calculator_->collectGarbage();
        if (driver_)
            driver_->afterStep(depth_ == 1);
    }
}

void Runner::execute(const Step& step) {
    const std::string& verb = step.words[0];
    if (verb == "setting" || verb == "file" || verb == "start" || verb == "locked" ||
        verb == "printer") {
        beforeStart(step);
    } else if (!calculator_) {
        fail("step " + verb + " before start");
    } else if (verb == "expect") {
        expect(step);
    } else {
        act(step);
    }
}

void Runner::writeFile(const std::string& name, const std::vector<std::string>& block) {
    std::ofstream out(forms::utf8Path(directory_ + "/" + name), std::ios::binary | std::ios::trunc);
    out << blockBytes(block);
    if (!out)
        fail("cannot write file " + name);
}

void Runner::beforeStart(const Step& step) {
    const std::string& verb = step.words[0];
    if (verb == "start") {
        if (calculator_)
            fail("the program has started already");
        calculator_ = std::make_unique<program::Program>(platform_);
        driver_ = makeDriver_(*calculator_);
        calculator_->start();
        return;
    }
    if (verb == "setting") {
        requireWords(step, 3);
        if (calculator_)
            fail("settings are given before start");
        platform_.settings().set(step.words[1], step.words[2]);
    } else if (verb == "file") {
        requireWords(step, 2);
        if (calculator_)
            fail("files are given before start");
        writeFile(step.words[1], step.block);
    } else if (verb == "locked") {
        requireWords(step, 2);
        if (!platform_.files().exists(step.words[1]))
            writeFile(step.words[1], {});
        platform_.locked.insert(step.words[1]);
    } else if (verb == "printer") {
        requireWords(step, 2);
        if (step.words[1] != "off")
            fail("the printer can only be turned off");
        platform_.printerOff = true;
    }
}

forms::Form& Runner::requireForm(const std::string& name) {
    forms::Form* form = calculator_->loaded(name);
    if (!form) {
        if (!calculator_->knows(name))
            fail("there is no window " + name);
        fail("window " + name + " is not loaded");
    }
    return *form;
}

Runner::Target Runner::resolve(const std::string& address, bool mustBeLoaded) {
    Target t;
    const auto dot = address.find('.');
    const std::string formName = address.substr(0, dot);
    if (!mustBeLoaded && !calculator_->loaded(formName)) {
        if (!calculator_->knows(formName))
            fail("there is no window " + formName);
        return t;
    }
    t.form = &requireForm(formName);
    if (dot == std::string::npos)
        return t;
    std::string name = address.substr(dot + 1);
    const auto second = name.find('.');
    if (second != std::string::npos) {
        t.toolbarKey = name.substr(second + 1);
        name = name.substr(0, second);
    }
    t.control = t.form->find(name);
    if (!t.control)
        fail("window " + formName + " has no control " + name);
    if (!t.toolbarKey.empty()) {
        t.toolbar = dynamic_cast<forms::Toolbar*>(t.control);
        if (!t.toolbar)
            fail(name + " is not a toolbar");
        if (!t.toolbar->button(t.toolbarKey))
            fail("toolbar " + name + " has no button " + t.toolbarKey);
    }
    return t;
}

void Runner::act(const Step& step) {
    const std::string& verb = step.words[0];
    try {
        if (verb == "answer") {
            requireWords(step, 2);
            const std::string& a = step.words[1];
            platform_.answers.push_back(a == "cancel" ? "" : a);
            return;
        }
        if (verb == "close") {
            requireWords(step, 2);
            driver_->close(requireForm(step.words[1]));
            return;
        }
        if (verb == "choose") {
            requireWords(step, 2);
            forms::Form* form = calculator_->modalTop();
            driver_->choose(form ? *form : calculator_->frmGl(), step.words[1]);
            return;
        }
        if (verb == "key" && step.words.size() == 2) {
            const auto stroke = forms::keys::parseKey(step.words[1]);
            if (!stroke)
                fail("unknown key " + step.words[1]);
            forms::Form* form = calculator_->modalTop();
            if (!form)
                form = &calculator_->frmGl();
            driver_->key(*form, nullptr, stroke->code, stroke->shift);
            return;
        }
        if (step.words.size() < 2)
            fail("step " + verb + " needs an address");
        Target t = resolve(step.words[1]);
        if (!t.control)
            fail(verb + " needs a control, not a window");
        if (verb == "click") {
            requireWords(step, 2);
            if (t.toolbar)
                driver_->clickToolbar(*t.form, *t.toolbar, t.toolbarKey);
            else
                driver_->click(*t.form, *t.control);
        } else if (verb == "dblclick") {
            requireWords(step, 2);
            driver_->dblclick(*t.form, *t.control);
        } else if (verb == "focus") {
            requireWords(step, 2);
            driver_->focus(*t.form, *t.control);
        } else if (verb == "type") {
            requireWords(step, 3);
            driver_->type(*t.form, *t.control, step.words[2]);
        } else if (verb == "key") {
            requireWords(step, 3);
            const auto stroke = forms::keys::parseKey(step.words[2]);
            if (!stroke)
                fail("unknown key " + step.words[2]);
            driver_->key(*t.form, t.control, stroke->code, stroke->shift);
        } else if (verb == "clear") {
            requireWords(step, 2);
            driver_->focus(*t.form, *t.control);
            t.control->selectAll();
            driver_->key(*t.form, t.control, forms::keys::Backspace, 0);
        } else if (verb == "paste") {
            requireWords(step, 3);
            driver_->paste(*t.form, *t.control, step.words[2]);
        } else {
            fail("unknown step " + verb);
        }
    } catch (const forms::UserActionError& e) {
        fail(std::string("a user could not do this: ") + e.what());
    }
}

void Runner::expect(const Step& step) {
    if (step.words.size() < 2)
        fail("expect what?");
    const std::string& what = step.words[1];
    if (what == "message") {
        requireWords(step, 5);
        if (platform_.effects.empty() || platform_.effects.front().kind != "message")
            fail("expected a message " + quoted(step.words[4]) + ", found " +
                 (platform_.effects.empty() ? std::string("none")
                                            : platform_.effects.front().describe()));
        const Effect e = platform_.effects.front();
        platform_.effects.pop_front();
        if (e.fields[0] != step.words[2] || e.fields[1] != step.words[3] ||
            e.fields[2] != step.words[4])
            fail("expected message " + step.words[2] + " " + quoted(step.words[3]) + " " +
                 quoted(step.words[4]) + ", found " + e.describe());
        return;
    }
    if (what == "no-message") {
        requireWords(step, 2);
        for (const Effect& e : platform_.effects) {
            if (e.kind == "message")
                fail("expected no message, found " + e.describe());
        }
        return;
    }
    if (what == "menu") {
        // The open context menu of the window in front, item by item; none without items.
        forms::Form* form = calculator_->modalTop();
        const std::vector<std::string> shown =
            driver_->shownMenu(form ? *form : calculator_->frmGl());
        const std::vector<std::string> expected(step.words.begin() + 2, step.words.end());
        if (shown != expected) {
            std::string found;
            for (const std::string& item : shown)
                found += " " + quoted(item);
            fail("expected the menu" + (expected.empty() ? std::string(" closed") : "") +
                 ", found" + (shown.empty() ? std::string(" none") : found));
        }
        return;
    }
    if (what == "beeps") {
        requireWords(step, 3);
        const int expected = std::stoi(step.words[2]);
        const int found = platform_.beeps;
        platform_.beeps = 0;
        if (expected != found)
            fail("expected " + std::to_string(expected) + " beeps, found " + std::to_string(found));
        return;
    }
    if (what == "viewer" || what == "help" || what == "printed" || what == "opened") {
        const std::vector<std::string> fields(step.words.begin() + 2, step.words.end());
        const Effect wanted{what, fields};
        auto it = platform_.effects.begin();
        while (it != platform_.effects.end() && it->kind != what)
            ++it;
        if (it == platform_.effects.end())
            fail("expected " + wanted.describe() + ", found none");
        const Effect found = *it;
        platform_.effects.erase(it);
        // Help shown with a window definition is written without it in the step.
        std::vector<std::string> got = found.fields;
        if (what == "help" && got.size() == 3 && fields.size() == 2 && got[2] == "Glavni")
            got.pop_back();
        if (got != fields)
            fail("expected " + wanted.describe() + ", found " + found.describe());
        return;
    }
    if (what == "file") {
        requireWords(step, 3);
        const std::string path = directory_ + "/" + step.words[2];
        if (!platform_.files().exists(step.words[2]))
            fail("expected file " + step.words[2] + ", there is none");
        const std::string expected = blockBytes(step.block);
        const std::string found = readBytes(path);
        if (expected != found)
            fail("file " + step.words[2] + ": " + firstDifference(expected, found));
        return;
    }
    if (what == "no-file") {
        requireWords(step, 3);
        if (platform_.files().exists(step.words[2]))
            fail("expected no file " + step.words[2] + ", there is one");
        return;
    }
    if (what == "setting") {
        requireWords(step, 4);
        const std::string found = platform_.settings().get(step.words[2], "\x01");
        if (found != step.words[3])
            fail("expected setting " + step.words[2] + " " + quoted(step.words[3]) + ", found " +
                 (found == "\x01" ? std::string("none") : quoted(found)));
        return;
    }
    if (what == "var") {
        requireWords(step, 4);
        const auto found = calculator_->state().text(step.words[2]);
        if (!found)
            fail("there is no state variable " + step.words[2]);
        if (*found != step.words[3])
            fail("expected " + step.words[2] + " " + quoted(step.words[3]) + ", found " +
                 quoted(*found));
        return;
    }
    // expect ADDR "value" | expect ADDR is STATE | expect ADDR color|backcolor R,G,B
    if (step.words.size() == 4 && step.words[2] == "is") {
        expectState(step, what, step.words[3]);
        return;
    }
    if (step.words.size() == 4 && (step.words[2] == "color" || step.words[2] == "backcolor")) {
        Target t = resolve(what);
        if (!t.control)
            fail("a window has no colour");
        const Color expected = parseColor(step.words[3]);
        const Color found =
            step.words[2] == "color" ? t.control->foreColor() : t.control->backColor();
        if (!(expected == found))
            fail("expected " + what + " " + step.words[2] + " " + step.words[3] + ", found " +
                 colorText(found));
        return;
    }
    requireWords(step, 3);
    Target t = resolve(what);
    const std::string found =
        t.control ? driver_->shownText(*t.control) : driver_->shownCaption(*t.form);
    if (t.toolbar)
        fail("a toolbar button shows no text");
    if (found != step.words[2])
        fail("expected " + what + " " + quoted(step.words[2]) + ", found " + quoted(found));
}

void Runner::expectState(const Step&, const std::string& address, const std::string& state) {
    if (address.find('.') == std::string::npos) {
        Target t = resolve(address, false);
        const std::string found = !t.form ? "unloaded" : t.form->shown() ? "shown" : "hidden";
        if (state != "shown" && state != "hidden" && state != "unloaded")
            fail("a window is shown, hidden or unloaded");
        if (found != state)
            fail("expected " + address + " " + state + ", found " + found);
        return;
    }
    Target t = resolve(address);
    forms::Control& c = *t.control;
    if (state == "focused") {
        const forms::Control* focused = t.form->focused();
        if (focused != &c)
            fail("expected " + address + " focused, found " +
                 (focused ? focused->name() + " focused" : std::string("no focus")));
        return;
    }
    // Each state and its opposite, with what the control has of it.
    struct Pair {
        const char* yes;
        const char* no;
        bool value;
    };
    const Pair pairs[] = {
        {"enabled", "disabled", t.toolbar ? t.toolbar->isEnabled(t.toolbarKey) : c.enabled()},
        {"visible", "hidden", c.visible()},
        {"ticked", "unticked", c.checked()},
        {"selected", "unselected", c.checked()},
        {"readonly", "editable", c.readOnly()},
    };
    for (const Pair& p : pairs) {
        if (state != p.yes && state != p.no)
            continue;
        if (t.toolbar && std::string(p.yes) != "enabled")
            fail("a toolbar button is enabled or disabled");
        const std::string found = p.value ? p.yes : p.no;
        if (found != state)
            fail("expected " + address + " " + state + ", found " + found);
        return;
    }
    fail("unknown state " + state);
}

void Runner::checkNoEffectsLeft() {
    if (!platform_.effects.empty())
        fail("not checked: " + platform_.effects.front().describe());
}

} // namespace tarvel::scenario
