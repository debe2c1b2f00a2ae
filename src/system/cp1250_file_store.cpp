// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250_file_store.h"

#include "system/cp1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvel::system {

using forms::FileResult;

namespace {

// Qt reports a refused open as a plain open error, so the permissions tell the two apart.
// Replacing a file needs a writable directory for the temporary file as well.
FileResult failureOf(const QFileDevice& file, const QString& path, bool replacing) {
    if (file.error() == QFileDevice::PermissionsError)
        return FileResult::AccessDenied;
    const QFileInfo info(path);
    const QFileInfo directory(info.absolutePath());
    const bool fileDenied = info.exists() && !info.isWritable();
    const bool directoryDenied =
        (replacing || !info.exists()) && directory.isDir() && !directory.isWritable();
    return fileDenied || directoryDenied ? FileResult::AccessDenied : FileResult::Failed;
}

// Writes until everything is written or the system refuses; a short write is followed by
// another, so that a refusal leaves its reason in the file's error string.
bool writeAll(QFileDevice& file, const std::string& text) {
    const QByteArray bytes = QByteArray::fromStdString(encodeCp1250(text));
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

Cp1250FileStore::Cp1250FileStore(const std::string& directory)
    : directory_(QString::fromStdString(directory)) {}

QString Cp1250FileStore::path(const std::string& name) const {
    return QDir(directory_).absoluteFilePath(QString::fromStdString(name));
}

bool Cp1250FileStore::exists(const std::string& name) {
    return QFileInfo(path(name)).isFile();
}

std::optional<long long> Cp1250FileStore::size(const std::string& name) {
    const QFileInfo info(path(name));
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

// The file only ever grows by whole texts: a write that fails part-way (a full disk, a file
// size limit, an I/O error) is cut back to the length the file had before.
forms::WriteResult Cp1250FileStore::append(const std::string& name, const std::string& text) {
    const QString filePath = path(name);
    QFile file(filePath);
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) {
        // A missing file in a directory that may not be written is not a file that someone
        // holds: only an existing file that is refused counts as access denied.
        const FileResult result =
            QFileInfo(filePath).isFile() ? failureOf(file, filePath, false) : FileResult::Failed;
        return {result, file.errorString().toStdString()};
    }
    const qint64 formerSize = file.size();
    if (writeAll(file, text) && file.flush())
        return {FileResult::Ok, {}};
    const std::string reason = file.errorString().toStdString();
    file.resize(formerSize);
    return {FileResult::Failed, reason};
}

FileResult Cp1250FileStore::writeWhole(const std::string& name, const std::string& text) {
    return replaceWhole(name, text).result;
}

// ---- Replacing a file, with the reason of a failure (begin) ----
forms::WriteResult Cp1250FileStore::replaceWhole(const std::string& name, const std::string& text) {
    const QString filePath = path(name);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return {failureOf(file, filePath, true), file.errorString().toStdString()};
    if (!writeAll(file, text)) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return {FileResult::Failed, reason};
    }
    if (!file.commit())
        return {failureOf(file, filePath, true), file.errorString().toStdString()};
    return {FileResult::Ok, {}};
}
// ---- Replacing a file, with the reason of a failure (end) ----

bool Cp1250FileStore::remove(const std::string& name) {
    return QFile::remove(path(name));
}

std::optional<std::vector<std::string>> Cp1250FileStore::readLines(const std::string& name) {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string text = decodeCp1250(file.readAll().toStdString());

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Cp1250FileStore::fullPath(const std::string& name) {
    return QDir::toNativeSeparators(path(name)).toStdString();
}

} // namespace tarvel::system
