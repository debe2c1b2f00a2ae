// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::ui {

// A widget of a window that shows something of the window's model other than a control (a
// drawing): the binder finds it among the window's children and hands it the model after
// every refresh of the controls.
class ModelView {
public:
    virtual ~ModelView() = default;
    virtual void showModel(const forms::Form& form) = 0;

protected:
    ModelView() = default;
    ModelView(const ModelView&) = default;
    ModelView& operator=(const ModelView&) = default;
};

} // namespace tarvel::ui
