// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "forms/control.h"

// Texts between the window models (UTF-8) and Qt.
namespace tarvel::ui {

// Every character as the model holds it: QString::fromUtf8 and QString::fromUcs4 would both
// drop a leading U+FEFF as a byte order mark.
inline QString toQString(const std::string& s) {
    QString text;
    for (char32_t c : forms::toU32(s))
        text.append(QStringView(QChar::fromUcs4(c)));
    return text;
}

// Whether a key or an input method gave printable characters (not a control character).
inline bool isCharacterText(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

} // namespace tarvel::ui
