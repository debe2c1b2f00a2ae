// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/form.h"

namespace tarvel::scenario {

// What a window holds, as text to compare two runs by: one line for the window (caption,
// shown, modal, focus) and one per control (caption or text, value, visible, enabled,
// read-only, caret and selection of a box, colours, toolbar buttons).
std::string windowState(const forms::Form& form);

} // namespace tarvel::scenario
