// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chm_archive.h"

#include <QFile>
#include <QFileInfo>

#include "ui/chm_io.h"

namespace tarvel::ui {

namespace {

using Clock = ChmIo::Clock;

QString lookupKey(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path.toLower();
}

} // namespace

// The open file: the decompressor, the directory it read and the I/O it works through.
struct ChmArchive::Reader {
    Reader(const QString& file, qint64 largestMemory)
        : path(QFile::encodeName(file)), io(largestMemory) {}
    ~Reader() {
        ChmIo::Use use(io);
        if (header)
            decompressor->close(decompressor, header);
        if (decompressor)
            mspack_destroy_chm_decompressor(decompressor);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    const QByteArray path; // the library keeps pointing at it
    ChmIo io;
    mschm_decompressor* decompressor = nullptr;
    mschmd_header* header = nullptr;
};

ChmArchive::ChmArchive(ChmLimits limits) : limits_(limits) {}

ChmArchive::~ChmArchive() = default;

bool ChmArchive::open(const QString& path) {
    reader_.reset();
    entries_.clear();
    compressedReadable_ = false;
    startPage();

    // The library must have been built with this program's size of file offsets. Only a
    // regular file is read: opening a pipe would wait for a writer.
    int compatible = MSPACK_ERR_OK;
    MSPACK_SYS_SELFTEST(compatible);
    if (compatible != MSPACK_ERR_OK || !QFileInfo(path).isFile())
        return false;

    auto reader = std::make_unique<Reader>(path, limits_.largestMemory);
    const Clock::time_point deadline = Clock::now() + limits_.openTime;
    ChmIo::Use use(reader->io);
    reader->io.setDeadline(deadline);
    reader->decompressor = mspack_create_chm_decompressor(&reader->io);
    if (!reader->decompressor)
        return false;
    // The whole directory is read here, chunk after chunk; the index and the links between the
    // chunks (which a damaged file may turn into a loop) are never followed.
    reader->header = reader->decompressor->open(reader->decompressor, reader->path.constData());
    if (!reader->header)
        return false;
    QHash<QString, mschmd_file*> entries;
    for (mschmd_file* entry = reader->header->files; entry; entry = entry->next) {
        if (Clock::now() >= deadline)
            return false;
        const QString name = QString::fromUtf8(entry->filename);
        if (!name.startsWith(QLatin1String("/#")) && !name.startsWith(QLatin1String("/$")))
            entries.insert(lookupKey(name), entry);
    }
    if (entries.isEmpty())
        return false;
    // The decompressor looks up a system file missing from the directory through the index,
    // where a chunk pointing back at itself would keep it searching for ever: without all four
    // the compressed entries are not read.
    const mschmd_sec_mscompressed& compressed = reader->header->sec1;
    compressedReadable_ =
        compressed.content && compressed.control && compressed.rtable && compressed.spaninfo;
    entries_ = std::move(entries);
    reader_ = std::move(reader);
    return true;
}

QString ChmArchive::find(const QString& path) const {
    const mschmd_file* entry = entries_.value(lookupKey(path));
    return entry ? QString::fromUtf8(entry->filename) : QString();
}

QStringList ChmArchive::names() const {
    QStringList names;
    for (const mschmd_file* entry : entries_)
        names.append(QString::fromUtf8(entry->filename));
    return names;
}

void ChmArchive::startPage() {
    pageBytes_ = 0;
    pageTimeLeft_ = limits_.pageTime;
}

bool ChmArchive::readable(const mschmd_file& entry) const {
    if (entry.length < 0 || entry.length > limits_.largestEntry || entry.offset < 0 ||
        entry.length > limits_.largestPage - pageBytes_)
        return false;
    if (entry.section->id == 0)
        return true;
    return compressedReadable_ && entry.offset <= limits_.largestSection - entry.length;
}

std::optional<QByteArray> ChmArchive::read(const QString& name) {
    mschmd_file* entry = reader_ ? entries_.value(lookupKey(name)) : nullptr;
    if (!entry || !readable(*entry))
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(entry->length);
    const Clock::time_point start = Clock::now();
    ChmIo::Use use(reader_->io);
    reader_->io.setDeadline(start + pageTimeLeft_);
    reader_->io.setOutput(&bytes, entry->length);
    static const char kMemory[] = "(memory)"; // the output's name is not used
    const int error = reader_->decompressor->extract(reader_->decompressor, entry, kMemory);
    reader_->io.setOutput(nullptr, 0);
    pageTimeLeft_ -= Clock::now() - start;
    if (error != MSPACK_ERR_OK || bytes.size() != entry->length)
        return std::nullopt;
    pageBytes_ += entry->length;
    return bytes;
}

} // namespace tarvel::ui
