// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTranslator;

namespace tarvel::system {

// Loads Qt's own Croatian texts (the buttons of message boxes, the command line's headings)
// into `translator` and installs it, whatever the locale of the machine: the program speaks
// only Croatian. A copy deployed beside the executable (translations/) is preferred to the one
// of the Qt installation. Needs the application object; false when no translation was found.
bool installQtCroatian(QTranslator& translator);

} // namespace tarvel::system
