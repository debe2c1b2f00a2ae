// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTranslator>

namespace tarvel::system {

// Qt's own Croatian texts (the buttons of message boxes, the command line's headings), loaded
// and installed whatever the locale of the machine: the program speaks only Croatian. Two
// catalogues: qt_hr, which brings the catalogues of Qt's modules (in a copy deployed with the
// program it holds them merged), and then qtbase_hr, whose texts come first where both have one.
// A copy deployed beside the executable (translations/) is preferred to the one of the Qt
// installation. Needs the application object; removed again when this goes.
class QtCroatianTexts {
public:
    QtCroatianTexts();
    ~QtCroatianTexts();
    QtCroatianTexts(const QtCroatianTexts&) = delete;
    QtCroatianTexts& operator=(const QtCroatianTexts&) = delete;

    // The files that were loaded and installed; empty when none was found.
    QStringList files() const { return files_; }

private:
    QTranslator qt_;
    QTranslator qtbase_;
    QStringList files_;
};

} // namespace tarvel::system
