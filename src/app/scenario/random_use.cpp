// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/random_use.h"

#include <memory>
#include <random>
#include <vector>

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
    static const std::vector<std::string> names = {
        "Enter", "Escape", "Tab",  "Shift+Tab", "Backspace", "Delete",
        "Home",  "End",    "Left", "Right",     "F1",        "F2",
        "F3",    "F4",     "F5",   "F6",        "Ctrl+Tab",  "Ctrl+Shift+Tab"};
    return names;
}

class RandomUse {
public:
    RandomUse(const RandomUseOptions& options, const std::string& directory,
              const DriverFactory& makeDriver)
        : options_(options), makeDriver_(makeDriver), random_(options.seed), platform_(directory) {
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

    Outcome run() {
        left_ = options_.events;
        try {
            while (left_ > 0) {
                if (!calculator_ || calculator_->ended())
                    restart();
                step();
                calculator_->collectGarbage();
            }
        } catch (const StepFailure& f) {
            return {false, static_cast<int>(options_.events - left_), f.message};
        } catch (const std::exception& e) {
            return {false, static_cast<int>(options_.events - left_),
                    "seed " + std::to_string(options_.seed) + ", event " +
                        std::to_string(options_.events - left_) + ": " + last_ + ": " + e.what()};
        }
        return {true, static_cast<int>(done_), {}};
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

    forms::Form* frontWindow() {
        if (forms::Form* top = calculator_->modalTop())
            return top;
        return &calculator_->frmGl();
    }

    void step() {
        ++depth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        --left_;
        forms::Form& form = *frontWindow();
        const auto& controls = form.controls();
        if (controls.empty())
            return;
        forms::Control& control = *controls[random_() % controls.size()];
        const unsigned action = static_cast<unsigned>(random_() % 100);
        try {
            if (action < 2) {
                last_ = "close " + form.name();
                driver_->close(form);
            } else if (control.kind() == ControlKind::Toolbar) {
                auto& toolbar = static_cast<forms::Toolbar&>(control);
                const auto& buttons = toolbar.buttons();
                const auto& b = buttons[random_() % buttons.size()];
                if (b.key.empty() || !b.enabled)
                    return;
                last_ = "click " + form.name() + "." + toolbar.name() + "." + b.key;
                driver_->clickToolbar(form, toolbar, b.key);
            } else if (action < 45) {
                last_ = "click " + form.name() + "." + control.name();
                driver_->click(form, control);
            } else if (action < 55) {
                last_ = "dblclick " + form.name() + "." + control.name();
                driver_->dblclick(form, control);
            } else if (control.kind() != ControlKind::TextBox) {
                last_ = "focus " + form.name() + "." + control.name();
                driver_->focus(form, control);
            } else if (action < 75) {
                const std::string text = randomText();
                last_ = "type " + form.name() + "." + control.name() + " " + quoted(text);
                driver_->type(form, control, text.size() > 200 ? text.substr(0, 200) : text);
            } else if (action < 88) {
                const auto stroke =
                    forms::keys::parseKey(keyNames()[random_() % keyNames().size()]);
                last_ = "key " + form.name() + "." + control.name();
                driver_->key(form, &control, stroke->code, stroke->shift);
            } else {
                const std::string text = randomText();
                last_ = "paste " + form.name() + "." + control.name() + " " + quoted(text);
                driver_->paste(form, control, text);
            }
            ++done_;
        } catch (const forms::UserActionError&) {
            // Not something a user could do now: the next event.
        }
        // Nobody reads the effects; keep them from piling up.
        platform_.effects.clear();
        platform_.answers.clear();
        if (driver_)
            driver_->afterStep(depth_ == 1);
    }

    RandomUseOptions options_;
    DriverFactory makeDriver_;
    std::mt19937_64 random_;
    RecordingPlatform platform_;
    std::unique_ptr<calculator::Calculator> calculator_;
    std::unique_ptr<Driver> driver_;
    long left_ = 0;
    long done_ = 0;
    int depth_ = 0;
    std::string last_;
};

} // namespace

Outcome runRandomUse(const RandomUseOptions& options, const std::string& directory,
                     const DriverFactory& makeDriver) {
    RandomUse use(options, directory, makeDriver);
    return use.run();
}

} // namespace tarvel::scenario
