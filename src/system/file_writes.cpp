// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/file_writes.h"

#include "forms/write_failure.h"
#include "system/folder_probe.h"
#include "system/native/file_hold.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace tarvel::system {

using forms::FileResult;
using forms::SystemError;
using forms::WriteFailure;
using forms::WriteResult;

namespace {

// The error of the system call that just failed inside Qt, read before anything else runs.
SystemError lastSystemError() {
#ifdef Q_OS_WIN
    return {SystemError::Windows, static_cast<long>(GetLastError())};
#else
    return {SystemError::Posix, errno};
#endif
}

void clearSystemError() {
#ifdef Q_OS_WIN
    SetLastError(0);
#else
    errno = 0;
#endif
}

forms::PathFacts factsOf(const QString& path) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    forms::PathFacts facts;
    facts.isFolder = info.isDir();
    facts.fileExists = info.isFile();
    facts.fileReadOnly = facts.fileExists && !info.isWritable();
    facts.folderExists = folder.isDir();
    facts.folderWritable = facts.folderExists && folderTakesNewFiles(folder.absoluteFilePath());
    return facts;
}

// The error is read right after the failed call, but on Windows the library's own clean-up may
// have overwritten it, and a replace of a held file says only "access denied": there, whether
// another program holds the file is asked of the system itself. The program's own handle to the
// file must be closed by then, or the program would find itself holding it.
WriteResult failed(const SystemError& error, const QString& path, bool replacing) {
    const forms::PathFacts facts = factsOf(path);
    const FileHold hold = facts.fileExists
                              ? probeFileHold(QFileInfo(path).absoluteFilePath().toStdString())
                              : FileHold::Unknown;
    const WriteFailure failure = judgeWriteFailure(error, facts, replacing, hold);
    const FileResult result =
        failure == WriteFailure::InUse ? FileResult::InUse : FileResult::Failed;
    return {result, forms::writeFailureReason(failure, error)};
}

// Writes until everything is written; a short write is followed by another, so that a
// refusal is seen with its own error. Returns the error of a refusal.
std::optional<SystemError> writeAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        clearSystemError();
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return lastSystemError();
        done += n;
    }
    return std::nullopt;
}

// Forces the written bytes to the disk, where a file system that allocates late (a network
// share, a compressed or quota-bound disk) reports that it has no room.
std::optional<SystemError> syncToDisk(QFileDevice& file) {
#ifdef Q_OS_WIN
    (void)file; // QSaveFile::commit flushes the file buffers itself on Windows.
#else
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return lastSystemError();
#endif
    return std::nullopt;
}

} // namespace

WriteResult replaceFileBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    clearSystemError();
    // Unbuffered: a buffered write that fails in the final flush is not seen by commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(lastSystemError(), path, true);
    std::optional<SystemError> error = writeAll(file, bytes);
    if (!error)
        error = syncToDisk(file);
    if (error) {
        file.cancelWriting(); // the temporary file goes; the old file stays as it was
        return failed(*error, path, true);
    }
    clearSystemError();
    if (!file.commit())
        return failed(lastSystemError(), path, true);
    return {};
}

WriteResult appendFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    clearSystemError();
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return failed(lastSystemError(), path, false);
    const qint64 formerSize = file.size();
    std::optional<SystemError> error = writeAll(file, bytes);
    if (!error)
        error = syncToDisk(file);
    if (!error)
        return {};
    file.resize(formerSize);
    file.close();
    return failed(*error, path, false);
}

void prepareFileWrites() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void removeLeftoverTemporaryFiles(const QString& directory, const QStringList& fileNames) {
    const QDir folder(directory);
    const QDateTime oneMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QString& name : fileNames) {
        // QSaveFile names its temporary file after the file and six letters or digits.
        const QRegularExpression own(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
        const QStringList candidates =
            folder.entryList({name + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
        for (const QString& candidate : candidates) {
            const QFileInfo info(folder.filePath(candidate));
            if (own.match(candidate).hasMatch() && info.lastModified().toUTC() < oneMinuteAgo)
                QFile::remove(info.filePath());
        }
    }
}

} // namespace tarvel::system
