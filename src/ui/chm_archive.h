// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

struct mschmd_file;

namespace tarvel::ui {

// What reading one help file may cost. A damaged file may claim any size and any place for an
// entry, and the decompressor decodes everything before an entry to reach it: whatever goes
// beyond these limits is not read.
struct ChmLimits {
    qint64 largestEntry = 16 * 1024 * 1024; // one page, picture or style sheet
    qint64 largestPage = 64 * 1024 * 1024;  // everything read for one page
    // How far into the compressed data an entry may end (what is decoded to reach it).
    qint64 largestSection = qint64(1) << 30;
    // The reader's own tables and buffers (the directory, the decompressor's window).
    qint64 largestMemory = 64 * 1024 * 1024;
    // Reading the directory when the file is opened, and all reading for one page.
    std::chrono::milliseconds openTime{400};
    std::chrono::milliseconds pageTime{500};
};

// A compiled HTML help file (.chm) opened for reading its pages and pictures, through
// libmspack's CHM decompressor. A damaged file ends in a refusal within the limits above, never
// in a crash or an endless loop.
//
// Names inside the file are case-sensitive ("/Opce odredbe.htm"), but the pages link to each
// other without minding case ("opce odredbe.htm"), as Windows' file names do; lookups here
// ignore case too.
class ChmArchive {
public:
    explicit ChmArchive(ChmLimits limits = {});
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // Opens a file; false when it cannot be read as compiled HTML help or lists no entries.
    bool open(const QString& path);
    bool isOpen() const { return reader_ != nullptr; }

    // The name inside the file ("/Poglavlja/Clanak 5.htm") of a path given with any case,
    // with or without the leading "/" and with "\" for "/"; "" when the file has no such entry.
    QString find(const QString& path) const;
    // Every entry's name as stored (the compiler's own "/#" and "/$" tables left out).
    QStringList names() const;
    // The contents of an entry found by find(); nothing when it cannot be read (damaged, or
    // beyond the limits).
    std::optional<QByteArray> read(const QString& name);
    // A new page is being shown: its reading starts with the whole time and size of a page.
    void startPage();

private:
    struct Reader;
    bool readable(const mschmd_file& entry) const;

    ChmLimits limits_;
    std::unique_ptr<Reader> reader_;
    QHash<QString, mschmd_file*> entries_; // lower-case name -> the entry in the directory
    bool compressedReadable_ = false;
    qint64 pageBytes_ = 0;
    std::chrono::nanoseconds pageTimeLeft_{};
};

} // namespace tarvel::ui
