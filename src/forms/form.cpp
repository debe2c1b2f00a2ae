// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form.h"

#include "forms/application.h"

namespace tarvel::forms {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Form::~Form() = default;

Platform& Form::platform() const {
    return app_.platform();
}

Control& Form::add(const std::string& name, ControlKind kind, Control* container) {
    owned_.push_back(std::make_unique<Control>(*this, name, kind, container));
    Control& c = *owned_.back();
    order_.push_back(&c);
    byName_[name] = &c;
    return c;
}

Toolbar& Form::addToolbar(const std::string& name, Control* container) {
    auto toolbar = std::make_unique<Toolbar>(*this, name, container);
    Toolbar& t = *toolbar;
    owned_.push_back(std::move(toolbar));
    order_.push_back(&t);
    byName_[name] = &t;
    return t;
}

Control* Form::find(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Form::show() {
    shown_ = true;
}

void Form::showModal() {
    shown_ = true;
    modal_ = true;
    app_.pushModal(*this);
    // A dialog opens with the focus on its first box or button, so that typing goes there.
    if (!focused_) {
        for (Control* c : order_) {
            const ControlKind k = c->kind();
            if ((k == ControlKind::TextBox || k == ControlKind::CommandButton ||
                 k == ControlKind::OptionButton || k == ControlKind::CheckBox) &&
                c->canTakeFocus()) {
                setFocus(*c);
                break;
            }
        }
    }
    platform().runModal(*this);
    app_.popModal(*this);
    modal_ = false;
}

void Form::hide() {
    shown_ = false;
}

void Form::unload() {
    app_.unload(name_);
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> stops;
    for (Control* c : order_) {
        if (c->tabStop() && c->canTakeFocus())
            stops.push_back(c);
    }
    return stops;
}

bool Form::setFocus(Control& control) {
    if (!control.canTakeFocus())
        return false;
    if (focused_ == &control)
        return true;
    Control* previous = focused_;
    focused_ = &control;
    ++focusMoves_;
    if (previous && previous->onLostFocus)
        previous->onLostFocus();
    if (focused_ == &control && control.onGotFocus)
        control.onGotFocus();
    return true;
}

} // namespace tarvel::forms
