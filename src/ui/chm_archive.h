// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

struct chmFile;

namespace tarvel::ui {

// A compiled HTML help file (.chm) opened for reading its pages and pictures.
//
// Names inside the file are case-sensitive ("/Opce odredbe.htm"), but the pages link to each
// other without minding case ("opce odredbe.htm"), as Windows' file names do; lookups here
// ignore case too.
class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // Opens a file; false when it cannot be read as compiled HTML help.
    bool open(const QString& path);
    bool isOpen() const { return file_ != nullptr; }

    // The name inside the file ("/Poglavlja/Clanak 5.htm") of a path given with any case,
    // with or without the leading "/" and with "\" for "/"; "" when the file has no such entry.
    QString find(const QString& path) const;
    // The contents of an entry found by find(); an empty array when it cannot be read.
    QByteArray read(const QString& name) const;

private:
    chmFile* file_ = nullptr;
    QHash<QString, QString> names_; // lower-case name -> name as stored
};

} // namespace tarvel::ui
