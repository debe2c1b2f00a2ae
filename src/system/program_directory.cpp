#include "system/program_directory.h"

#include "system/app_identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvel::system {

namespace {

QString executableDirectory() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return executable.isEmpty() ? QDir::currentPath() : QFileInfo(executable).absolutePath();
}

QString userDataDirectory() {
    // Without the application's names Qt would answer the bare data directory.
    if (QCoreApplication::applicationName().isEmpty()) {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return base + '/' + kOrganisationName + '/' + kApplicationName;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

std::string chooseProgramDirectory(const std::string& executableDirectory) {
    const QString directory = QString::fromStdString(executableDirectory);
    const QFileInfo info(directory);
    if (info.isDir() && info.isWritable())
        return QDir::toNativeSeparators(info.absoluteFilePath()).toStdString();

    const QString data = userDataDirectory();
    QDir().mkpath(data);
    return QDir::toNativeSeparators(data).toStdString();
}

std::string programDirectory() {
    return chooseProgramDirectory(executableDirectory().toStdString());
}

} // namespace tarvel::system
