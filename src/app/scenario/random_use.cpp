// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/random_use.h"

#include <memory>
#include <random>
#include <vector>

#include "app/scenario/window_state.h"
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/keys.h"
#include "program/program.h"

namespace tarvel::scenario {
namespace {

using forms::ControlKind;

// Texts that have broken number boxes before, or could: separators in odd places, signs,
// huge and tiny values, letters outside the code page, a byte order mark, long runs.
const std::vector<std::string>& interestingTexts() {
    static const std::vector<std::string> texts = {"0",
                                                   "1",
                                                   "370000",
                                                   "370.000,00",
                                                   "1,5",
                                                   ",",
                                                   ".",
                                                   "-",
                                                   "-5",
                                                   "0,00",
                                                   "3,70",
                                                   "22",
                                                   "100",
                                                   "99",
                                                   "1e308",
                                                   "9999999999999999999999",
                                                   "0,0000001",
                                                   "..5",
                                                   ".370000",
                                                   "č",
                                                   "€12",
                                                   "\xEF\xBB\xBF"
                                                   "12",
                                                   "abc",
                                                   " 5 ",
                                                   "5,5,5",
                                                   "1.2.3",
                                                   "2147483648"};
    return texts;
}

const std::vector<std::string>& keyNames() {
    // With the main window's shortcut keys, the context menu's keys and a Ctrl letter that is
    // no shortcut.
    static const std::vector<std::string> names = {"Enter",        "Escape",       "Tab",
                                                   "Shift+Tab",    "Backspace",    "Delete",
                                                   "Home",         "End",          "Left",
                                                   "Right",        "F1",           "F2",
                                                   "F3",           "F4",           "F5",
                                                   "F6",           "Ctrl+Tab",     "Ctrl+Shift+Tab",
                                                   "Menu",         "Shift+F10",    "Menu",
                                                   "Shift+F10",    "F7",           "F8",
                                                   "Shift+F8",     "F9",           "Ctrl+U",
                                                   "Ctrl+S",       "Ctrl+P",       "Ctrl+Shift+K",
                                                   "Ctrl+Shift+D", "Ctrl+Shift+E", "Ctrl+Shift+N",
                                                   "Ctrl+Shift+M", "Ctrl+Shift+C", "Ctrl+Shift+O",
                                                   "Ctrl+Shift+P", "Ctrl+Shift+V", "Ctrl+Shift+B",
                                                   "Ctrl+Shift+I", "Ctrl+Shift+T", "Ctrl+Shift+R",
                                                   "Ctrl+K"};
    return names;
}

// Where a text of the program directory's path shows (a message naming a file), the trace of
// one run must read as the other's.
void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    if (what.empty())
        return;
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

class RandomUse {
public:
    RandomUse(const RandomUseOptions& options, const std::string& directory,
              const DriverFactory& makeDriver)
        : options_(options), directory_(directory), makeDriver_(makeDriver), random_(options.seed),
          platform_(directory) {
        platform_.answerSource = [this] {
            return randomAnswer();
        };
        // While the picture show runs, the user goes on; after a while a key ends it.
        platform_.eventPump = [this] {
            if (left_ > 0 && random_() % 8 != 0) {
                step();
                return;
            }
            if (calculator_ && !calculator_->ended()) {
                try {
                    calculator_->frmGl().userKeyHere(forms::keys::Escape);
                } catch (const forms::UserActionError&) {
                }
            }
        };
        platform_.modalLoop = [this](forms::Form& form) {
            const std::string name = form.name();
            // A modal window gets its own share of events, then is closed as a user would.
            long budget = 1 + static_cast<long>(random_() % 40);
            while (budget-- > 0 && left_ > 0 && calculator_->loaded(name) == &form &&
                   form.shown() && !calculator_->ended())
                step();
            if (calculator_->loaded(name) == &form && form.shown())
                form.hide();
        };
    }

    ~RandomUse() {
        driver_.reset();
        calculator_.reset();
    }

    RandomUseResult run() {
        RandomUseResult result;
        left_ = options_.events;
        try {
            while (left_ > 0) {
                if (!calculator_ || calculator_->ended())
                    restart();
                step();
                calculator_->collectGarbage();
            }
        } catch (const StepFailure& f) {
            if (failure_.empty())
                failure_ = "seed " + std::to_string(options_.seed) + ", event " +
                           std::to_string(options_.events - left_) + ": " + last_ + ": " +
                           f.message;
        } catch (const std::exception& e) {
            failure_ = "seed " + std::to_string(options_.seed) + ", event " +
                       std::to_string(options_.events - left_) + ": " + last_ + ": " + e.what();
        }
        result.events = options_.events - left_;
        result.done = done_;
        result.reached = reached_;
        result.passed = failure_.empty();
        result.message = failure_;
        return result;
    }

private:
    void restart() {
        driver_.reset();
        calculator_.reset();
        calculator_ = std::make_unique<program::Program>(platform_);
        driver_ = makeDriver_(*calculator_);
        calculator_->start();
    }

    std::string randomAnswer() {
        static const char* answers[] = {"yes", "no", "", "12", "3,5", "abc", "0"};
        return answers[random_() % std::size(answers)];
    }

    std::string randomText() {
        const auto& texts = interestingTexts();
        switch (random_() % 8) {
        case 0:
            // A long run, as a paste of a whole column would give.
            return std::string(1 + random_() % 3000, "0123456789.,"[random_() % 12]);
        case 1: {
            std::string digits;
            for (int n = 1 + static_cast<int>(random_() % 12); n > 0; --n)
                digits += "0123456789,."[random_() % 12];
            return digits;
        }
        default:
            return texts[random_() % texts.size()];
        }
    }

    // A key by its name in a scenario ("Shift+Tab").
    std::pair<std::string, forms::keys::KeyStroke> randomKey() {
        const std::string& name = keyNames()[random_() % keyNames().size()];
        return {name, *forms::keys::parseKey(name)};
    }

    forms::Form* frontWindow() {
        if (forms::Form* top = calculator_->modalTop())
            return top;
        return &calculator_->frmGl();
    }

    // Mostly a control a user can reach now, so that the events do what a user does; now and
    // then any control, so that what a user cannot do stays refused.
    forms::Control* pickControl(forms::Form& form) {
        const auto& controls = form.controls();
        if (random_() % 10 != 0) {
            std::vector<forms::Control*> reachable;
            for (forms::Control* c : controls) {
                if (!c->separator() && form.userCanReach(*c))
                    reachable.push_back(c);
            }
            if (!reachable.empty())
                return reachable[random_() % reachable.size()];
        }
        return controls.empty() ? nullptr : controls[random_() % controls.size()];
    }

    // One event on a control, of a kind that suits it.
    void act(forms::Form& form, forms::Control& control) {
        const std::string address = form.name() + "." + control.name();
        const unsigned roll = static_cast<unsigned>(random_() % 100);
        const bool reachable = form.userCanReach(control);
        switch (control.kind()) {
        case ControlKind::Toolbar: {
            auto& toolbar = static_cast<forms::Toolbar&>(control);
            std::vector<const forms::ToolbarButton*> buttons;
            for (const auto& b : toolbar.buttons()) {
                if (!b.key.empty() && (b.enabled || roll < 10))
                    buttons.push_back(&b);
            }
            if (buttons.empty())
                return;
            const forms::ToolbarButton& b = *buttons[random_() % buttons.size()];
            last_ = "click " + address + "." + b.key;
            reached_ += reachable && b.enabled ? 1 : 0;
            driver_->clickToolbar(form, toolbar, b.key);
            return;
        }
        case ControlKind::MenuItem:
            last_ = (roll < 95 ? "click " : "dblclick ") + address;
            reached_ += reachable && !control.separator() ? 1 : 0;
            if (roll < 95)
                driver_->click(form, control);
            else
                driver_->dblclick(form, control);
            return;
        case ControlKind::TextBox:
            reached_ += reachable ? 1 : 0;
            if (roll < 15) {
                last_ = "click " + address;
                driver_->click(form, control);
            } else if (roll < 20) {
                last_ = "dblclick " + address;
                driver_->dblclick(form, control);
            } else if (roll < 25) {
                last_ = "focus " + address;
                driver_->focus(form, control);
            } else if (roll < 55) {
                const std::string text = randomText();
                const std::string typed = text.size() > 200 ? text.substr(0, 200) : text;
                last_ = "type " + address + " " + quoted(typed);
                driver_->type(form, control, typed);
            } else if (roll < 75) {
                const auto [name, stroke] = randomKey();
                last_ = "key " + address + " " + name;
                driver_->key(form, &control, stroke.code, stroke.shift);
            } else {
                const std::string text = randomText();
                last_ = "paste " + address + " " + quoted(text);
                driver_->paste(form, control, text);
            }
            return;
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::CommandButton:
        case ControlKind::TabStrip:
            reached_ += reachable ? 1 : 0;
            if (roll < 55) {
                last_ = "click " + address;
                driver_->click(form, control);
            } else if (roll < 65) {
                last_ = "dblclick " + address;
                driver_->dblclick(form, control);
            } else if (roll < 75) {
                last_ = "focus " + address;
                driver_->focus(form, control);
            } else {
                const auto [name, stroke] = randomKey();
                last_ = "key " + address + " " + name;
                driver_->key(form, &control, stroke.code, stroke.shift);
            }
            return;
        default:
            reached_ += reachable ? 1 : 0;
            last_ = (roll < 75 ? "click " : "dblclick ") + address;
            if (roll < 75)
                driver_->click(form, control);
            else
                driver_->dblclick(form, control);
            return;
        }
    }

    void step() {
        ++depth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        --left_;
        const long number = options_.events - left_;
        last_ = "nothing";
        bool done = false;
        if (!calculator_->ended()) {
            forms::Form& form = *frontWindow();
            try {
                const auto& menu = form.contextMenu();
                if (!menu.empty() && random_() % 4 != 0) {
                    // Mostly a choice from a context menu on view, else anything else, which
                    // closes it.
                    const std::string caption = menu[random_() % menu.size()].caption;
                    last_ = "choose " + quoted(caption);
                    ++reached_;
                    driver_->choose(form, caption);
                } else if (random_() % 50 == 0) {
                    last_ = "close " + form.name();
                    ++reached_;
                    driver_->close(form);
                } else if (forms::Control* control = pickControl(form)) {
                    act(form, *control);
                }
                done = true;
            } catch (const forms::UserActionError&) {
                // Not something a user could do now: the next event.
            }
        }
        done_ += done ? 1 : 0;
        if (options_.onEvent && failure_.empty()) {
            std::string message = options_.onEvent(number, trace(done));
            if (!message.empty()) {
                failure_ = "seed " + std::to_string(options_.seed) + ", event " +
                           std::to_string(number) + " (" + last_ + "): " + message;
                left_ = 0;
            }
        }
        // Nobody reads the effects; keep them from piling up.
        platform_.effects.clear();
        platform_.beeps = 0;
        platform_.answers.clear();
        if (driver_)
            driver_->afterStep(depth_ == 1);
    }

    // The event and what it left: its effects and the window in front.
    std::string trace(bool done) {
        std::string out = last_ + (done ? "\n" : " (refused)\n");
        for (const Effect& e : platform_.effects)
            out += e.describe() + "\n";
        out += "beeps " + std::to_string(platform_.beeps) + "\n";
        if (calculator_->ended()) {
            out += "program ended\n";
        } else {
            forms::Form& front = *frontWindow();
            out += windowState(front);
            out += driver_->differencesFromModel(front);
        }
        replaceAll(out, directory_, "<program directory>");
        return out;
    }

    RandomUseOptions options_;
    std::string directory_;
    DriverFactory makeDriver_;
    std::mt19937_64 random_;
    RecordingPlatform platform_;
    std::unique_ptr<calculator::Calculator> calculator_;
    std::unique_ptr<Driver> driver_;
    long left_ = 0;
    long done_ = 0;
    long reached_ = 0;
    int depth_ = 0;
    std::string last_;
    std::string failure_;
};

} // namespace

RandomUseResult runRandomUse(const RandomUseOptions& options, const std::string& directory,
                             const DriverFactory& makeDriver) {
    RandomUse use(options, directory, makeDriver);
    return use.run();
}

} // namespace tarvel::scenario
