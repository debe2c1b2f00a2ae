// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/key_filters.h"

#include "forms/keys.h"

namespace tarvel::calculator {

int FilterDecimalKey(forms::Platform& platform, int keyAscii) {
    if (keyAscii == forms::keys::Backspace || keyAscii == ',' || keyAscii == '.' ||
        (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    platform.beep();
    return 0;
}

int FilterDigitKey(forms::Platform& platform, int keyAscii) {
    if (keyAscii == forms::keys::Backspace || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    platform.beep();
    return 0;
}

} // namespace tarvel::calculator
