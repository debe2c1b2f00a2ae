// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/window_state.h"

#include "app/scenario/recording_platform.h"
#include "forms/toolbar.h"

namespace tarvel::scenario {
namespace {

std::string colour(forms::Color c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

} // namespace

std::string windowState(const forms::Form& form) {
    const forms::Control* focused = form.focused();
    std::string out = form.name() + " " + quoted(form.caption()) +
                      (form.shown() ? " shown" : " hidden") + (form.modal() ? " modal" : "") +
                      " focus=" + (focused ? focused->name() : std::string("-")) + "\n";
    if (!form.contextMenu().empty()) {
        out += "context menu:";
        for (const forms::ContextMenuItem& item : form.contextMenu())
            out += " " + quoted(item.caption);
        out += "\n";
    }
    for (const forms::Control* c : form.controls()) {
        out += c->name() + " " + quoted(c->text());
        out += " v=" + std::to_string(c->value());
        out += c->visible() ? " visible" : " hidden";
        out += c->enabled() ? " enabled" : " disabled";
        if (c->kind() == forms::ControlKind::TextBox) {
            out += c->readOnly() ? " readonly" : " editable";
            out += " sel=" + std::to_string(c->selStart()) + "+" + std::to_string(c->selLength());
        }
        out += " fore=" + colour(c->foreColor()) + " back=" + colour(c->backColor());
        if (const auto* toolbar = dynamic_cast<const forms::Toolbar*>(c)) {
            out += " buttons=";
            for (const forms::ToolbarButton& b : toolbar->buttons())
                out += b.enabled ? '1' : '0';
            out += " style=" + std::to_string(toolbar->style());
        }
        out += "\n";
    }
    return out;
}

} // namespace tarvel::scenario
