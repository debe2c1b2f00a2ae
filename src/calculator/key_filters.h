// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/control.h"
#include "forms/platform.h"

namespace tarvel::calculator {

// Key filters of the numeric boxes: each returns the character code when it passes, and
// otherwise beeps and returns 0 so that the box ignores the key.
// Decimal: Backspace, ",", "." and the digits.
int FilterDecimalKey(forms::Platform& platform, int keyAscii);
// Digits: Backspace and the digits.
int FilterDigitKey(forms::Platform& platform, int keyAscii);
// Percentages and rates: as the decimal filter, but a "." (which would group thousands) is
// refused too.
int FilterCommaKey(forms::Platform& platform, int keyAscii);

// A number box's change handler begins with this: leading "." are dropped in one edit, with the
// caret kept on its character. True when the text was changed; the handler has then already
// run again for the shortened text and has nothing left to do.
bool DropLeadingDots(forms::Control& box);

} // namespace tarvel::calculator
