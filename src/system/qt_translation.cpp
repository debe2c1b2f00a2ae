// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace tarvel::system {

namespace {

// Loads the catalogue from the first folder that has it and installs it.
bool install(QTranslator& translator, const QString& catalogue) {
    const QLocale croatian(QLocale::Croatian, QLocale::Croatia);
    const QStringList folders = {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator.load(croatian, catalogue, QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(&translator);
    }
    return false;
}

} // namespace

QtCroatianTexts::QtCroatianTexts() {
    if (!QCoreApplication::instance())
        return;
    // Installed last, looked at first: qtbase_hr before qt_hr.
    if (install(qt_, QStringLiteral("qt")))
        files_ << qt_.filePath();
    if (install(qtbase_, QStringLiteral("qtbase")))
        files_ << qtbase_.filePath();
}

QtCroatianTexts::~QtCroatianTexts() {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&qtbase_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace tarvel::system
