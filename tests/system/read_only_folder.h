// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

// A folder in which no new file can be made while this lives, holding the files that `fill`
// makes first: its permissions say so for a user, and for root, whom permissions do not stop,
// it is a read-only mount. `why` tells why the system cannot give one here.
class ReadOnlyFolder {
public:
    ReadOnlyFolder(const QString& path, const std::function<void()>& fill) : path_(path) {
#ifdef Q_OS_UNIX
        if (geteuid() != 0) {
            fill();
            made_ = QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
#endif
#ifdef Q_OS_LINUX
        const QByteArray at = QFile::encodeName(path_);
        if (::mount("tarvel-test", at.constData(), "tmpfs", 0, "size=64k") != 0) {
            why = "a tmpfs cannot be mounted here (needs CAP_SYS_ADMIN)";
            return;
        }
        mounted_ = true;
        fill();
        made_ =
            ::mount("tarvel-test", at.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
        (void)fill;
        why = "read-only folders come from access lists here, which the tests do not set up";
#endif
    }
    ~ReadOnlyFolder() {
#ifdef Q_OS_LINUX
        if (mounted_) {
            ::umount(QFile::encodeName(path_).constData());
            return;
        }
#endif
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool made() const {
        return made_;
    }
    const char* why = "the folder's permissions could not be changed";

private:
    QString path_;
    bool made_ = false;
    bool mounted_ = false;
};
