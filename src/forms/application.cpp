// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/application.h"

#include <algorithm>

#include "forms/form.h"

namespace tarvel::forms {

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::registerForm(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

std::vector<std::string> Application::formNames() const {
    std::vector<std::string> names;
    for (const auto& [name, factory] : factories_)
        names.push_back(name);
    return names;
}

Form* Application::loaded(const std::string& name) const {
    const auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->second.get();
}

Form& Application::load(const std::string& name) {
    if (Form* f = loaded(name))
        return *f;
    auto form = factories_.at(name)(*this);
    Form& f = *form;
    forms_[name] = std::move(form);
    f.Form_Load();
    return f;
}

void Application::unload(const std::string& name) {
    const auto it = forms_.find(name);
    if (it == forms_.end())
        return;
    std::unique_ptr<Form> form = std::move(it->second);
    forms_.erase(it);
    form->Form_Unload();
    form->hide();
    // The window may be in the middle of one of its own handlers: it is destroyed later.
    graveyard_.push_back(std::move(form));
}

void Application::popModal(Form& form) {
    const auto it = std::find(modal_.begin(), modal_.end(), &form);
    if (it != modal_.end())
        modal_.erase(it);
}

void Application::end() {
    ended_ = true;
    std::vector<std::string> names;
    for (const auto& [name, form] : forms_)
        names.push_back(name);
    for (const auto& name : names)
        unload(name);
}

void Application::collectGarbage() {
    if (modal_.empty())
        graveyard_.clear();
}

} // namespace tarvel::forms
