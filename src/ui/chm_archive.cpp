// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chm_archive.h"

#include <QFile>

#include <chm_lib.h>

namespace tarvel::ui {

namespace {

QString lookupKey(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path.toLower();
}

int collectName(chmFile*, chmUnitInfo* unit, void* context) {
    auto& names = *static_cast<QHash<QString, QString>*>(context);
    const QString name = QString::fromUtf8(unit->path);
    names.insert(lookupKey(name), name);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

ChmArchive::~ChmArchive() {
    if (file_)
        chm_close(file_);
}

bool ChmArchive::open(const QString& path) {
    if (file_) {
        chm_close(file_);
        file_ = nullptr;
    }
    names_.clear();
    file_ = chm_open(QFile::encodeName(path).constData());
    if (!file_)
        return false;
    chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectName, &names_);
    return true;
}

QString ChmArchive::find(const QString& path) const {
    return names_.value(lookupKey(path));
}

QByteArray ChmArchive::read(const QString& name) const {
    if (!file_ || name.isEmpty())
        return {};
    const QByteArray stored = name.toUtf8();
    chmUnitInfo unit{};
    if (chm_resolve_object(file_, stored.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return {};
    // A damaged file may claim any length: an entry beyond any real help page is not read.
    constexpr LONGUINT64 kLargest = 64u * 1024u * 1024u;
    if (unit.length == 0 || unit.length > kLargest)
        return {};
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got =
        chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got <= 0)
        return {};
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

} // namespace tarvel::ui
