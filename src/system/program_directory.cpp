// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/program_directory.h"

#include "system/app_identity.h"
#include "system/folder_probe.h"

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

// The folders that multi-configuration generators (Visual Studio, Ninja Multi-Config) put
// between bin/ and the executable.
bool isConfigurationFolder(const QString& name) {
    return name == QLatin1String("Debug") || name == QLatin1String("Release") ||
           name == QLatin1String("RelWithDebInfo") || name == QLatin1String("MinSizeRel");
}

// The folder that holds every application's data folder: AppDataLocation without the
// organisation and application names that Qt appends to it (on Windows the roaming
// %APPDATA%, on Linux ~/.local/share).
QString applicationDataRoot() {
    QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString& name :
         {QCoreApplication::applicationName(), QCoreApplication::organizationName()}) {
        if (!name.isEmpty() && location.endsWith(QLatin1Char('/') + name))
            location.chop(name.size() + 1);
    }
    return location;
}

} // namespace

bool isPortableCopy(const std::string& executableDirectory) {
    if (executableDirectory.empty())
        return false;
    const QDir directory(QString::fromStdString(executableDirectory));
    if (QFileInfo(directory.filePath(QString::fromLatin1(kPortableMarker))).isFile())
        return true;
    if (QFileInfo(directory.filePath(QStringLiteral("../CMakeCache.txt"))).isFile())
        return true;
    // bin/Release/ of a multi-configuration build tree.
    return isConfigurationFolder(directory.dirName()) &&
           QFileInfo(directory.filePath(QStringLiteral("../../CMakeCache.txt"))).isFile();
}

std::string userDataDirectory() {
    // The program's own names, also in a process that set other names (a test executable).
    return native(applicationDataRoot() + QLatin1Char('/') +
                  QString::fromLatin1(kOrganisationName) + QLatin1Char('/') +
                  QString::fromLatin1(kApplicationName));
}

std::string chooseProgramDirectory(const std::string& executableDirectory) {
    if (isPortableCopy(executableDirectory)) {
        const QFileInfo info(QString::fromStdString(executableDirectory));
        if (info.isDir() && folderTakesNewFiles(info.absoluteFilePath()))
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
