// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace tarvel::forms {

class Form;

// The windows of the program: each is created on first use (its load handler runs), kept
// while hidden and destroyed on unload.
class Application {
public:
    explicit Application(Platform& platform);
    virtual ~Application();

    Platform& platform() const { return platform_; }

    using Factory = std::function<std::unique_ptr<Form>(Application&)>;
    void registerForm(const std::string& name, Factory factory);

    // The loaded window, or nullptr.
    Form* loaded(const std::string& name) const;
    // The window, loading it first when needed.
    Form& load(const std::string& name);
    // Unloads a loaded window: runs its unload handler and destroys it.
    void unload(const std::string& name);
    bool knows(const std::string& name) const { return factories_.count(name) != 0; }
    // The names of every registered window, in alphabetical order.
    std::vector<std::string> formNames() const;

    // The top of the stack of modal windows, or nullptr.
    Form* modalTop() const { return modal_.empty() ? nullptr : modal_.back(); }
    void pushModal(Form& form) { modal_.push_back(&form); }
    void popModal(Form& form);

    // The program ends when its main window closes.
    bool ended() const { return ended_; }
    void end();

    // Windows that were unloaded during a handler wait here until it has returned.
    void collectGarbage();

private:
    Platform& platform_;
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Form>> forms_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    std::vector<Form*> modal_;
    bool ended_ = false;
};

} // namespace tarvel::forms
