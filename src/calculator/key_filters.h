// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

namespace tarvel::calculator {

// Key filters of the numeric boxes: each returns the character code when it passes, and
// otherwise beeps and returns 0 so that the box ignores the key.
// Decimal: Backspace, ",", "." and the digits.
int FilterDecimalKey(forms::Platform& platform, int keyAscii);
// Digits: Backspace and the digits.
int FilterDigitKey(forms::Platform& platform, int keyAscii);

} // namespace tarvel::calculator
