// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvel::system {

bool installQtCroatian(QTranslator& translator) {
    if (!QCoreApplication::instance())
        return false;
    const QLocale croatian(QLocale::Croatian, QLocale::Croatia);
    const QStringList folders = {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator.load(croatian, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(&translator);
    }
    return false;
}

} // namespace tarvel::system
