// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/program_directory.h"

#include "system/app_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvel::system {

namespace {

// The running executable's folder as Qt reports it; "" before the application object exists,
// which makes the program behave as installed.
QString runningExecutableDirectory() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

std::string native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// A help document's name as the models give it ("\Tarvel.chm"), without its leading
// separator; "" for anything but a plain file name.
QString plainFileName(const std::string& name) {
    QString file = QString::fromStdString(name);
    while (file.startsWith(QLatin1Char('\\')) || file.startsWith(QLatin1Char('/')))
        file.remove(0, 1);
    if (file.isEmpty() || file == QLatin1String(".") || file == QLatin1String("..") ||
        file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')) ||
        file.contains(QLatin1Char(':')))
        return {};
    return file;
}

} // namespace

bool isPortableCopy(const std::string& executableDirectory) {
    if (executableDirectory.empty())
        return false;
    const QDir directory(QString::fromStdString(executableDirectory));
    if (QFileInfo(directory.filePath(QString::fromLatin1(kPortableMarker))).isFile())
        return true;
    return QFileInfo(directory.filePath(QStringLiteral("../CMakeCache.txt"))).isFile();
}

std::string userDataDirectory() {
    // Qt derives the folder from the application's names; a process that set other names (a
    // test executable) still gets the program's folder.
    const QString organisation = QString::fromLatin1(kOrganisationName);
    const QString application = QString::fromLatin1(kApplicationName);
    if (QCoreApplication::organizationName() == organisation &&
        QCoreApplication::applicationName() == application)
        return native(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return native(base + QLatin1Char('/') + organisation + QLatin1Char('/') + application);
}

std::string chooseProgramDirectory(const std::string& executableDirectory) {
    if (isPortableCopy(executableDirectory)) {
        const QFileInfo info(QString::fromStdString(executableDirectory));
        if (info.isDir() && info.isWritable())
            return native(info.absoluteFilePath());
    }
    const std::string data = userDataDirectory();
    QDir().mkpath(QString::fromStdString(data));
    return data;
}

std::string programDirectory() {
    return chooseProgramDirectory(runningExecutableDirectory().toStdString());
}

std::string findHelpFile(const std::string& executableDirectory, const std::string& name) {
    const QString file = plainFileName(name);
    if (file.isEmpty())
        return {};
    QStringList folders;
    if (!executableDirectory.empty()) {
        const QString executable = QString::fromStdString(executableDirectory);
        folders << executable << QString::fromStdString(userDataDirectory())
                << QDir::cleanPath(executable + QStringLiteral("/../share/tarvel"));
    } else {
        folders << QString::fromStdString(userDataDirectory());
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(file));
        if (candidate.isFile())
            return native(candidate.absoluteFilePath());
    }
    return {};
}

std::string findHelpFile(const std::string& name) {
    return findHelpFile(runningExecutableDirectory().toStdString(), name);
}

} // namespace tarvel::system
