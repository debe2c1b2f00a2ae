// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/key_filters.h"

#include "forms/keys.h"

#include <algorithm>

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

int FilterCommaKey(forms::Platform& platform, int keyAscii) {
    const int key = FilterDecimalKey(platform, keyAscii);
    if (key != '.')
        return key;
    platform.beep();
    return 0;
}

bool DropLeadingDots(forms::Control& box) {
    const std::string text = box.text();
    if (!text.starts_with("."))
        return false;
    const size_t dots = std::min(text.find_first_not_of('.'), text.size());
    const int caret = std::max(0, box.selStart() - static_cast<int>(dots));
    box.setText(text.substr(dots));
    box.setSelection(caret, 0);
    return true;
}

} // namespace tarvel::calculator
