// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chm_io.h"

#include <QFile>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace tarvel::ui {

namespace {

thread_local ChmIo* current = nullptr;

struct File : mspack_file {
    std::unique_ptr<QFile> input; // null for the entry being written into memory
};

// An allocation remembers its size and the count it is in.
struct alignas(std::max_align_t) Block {
    size_t size;
    qint64* used;
};

// The header's second GUID, {7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC}, follows the first, which
// differs from it only in its first byte (0x10). Free Pascal's chmcmd writes the first one
// twice; Windows reads such files, libmspack refuses them, so the copy is read as meant.
void repairHeader(unsigned char* header, qint64 length) {
    constexpr qsizetype kFirst = 0x18;
    constexpr qsizetype kSecond = 0x28;
    constexpr unsigned char kGuid[16] = {0x10, 0xFD, 0x01, 0x7C, 0xAA, 0x7B, 0xD0, 0x11,
                                         0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};
    if (length >= kSecond + qsizetype(sizeof kGuid) &&
        std::memcmp(header + kFirst, kGuid, sizeof kGuid) == 0 &&
        std::memcmp(header + kSecond, kGuid, sizeof kGuid) == 0)
        header[kSecond] = 0x11;
}

} // namespace

ChmIo::ChmIo(qint64 largestMemory) : mspack_system{}, memoryLargest_(largestMemory) {
    open = &openFile;
    close = &closeFile;
    read = &readFile;
    write = &writeFile;
    seek = &seekFile;
    tell = &tellFile;
    message = &ignoreMessage;
    alloc = &allocate;
    free = &release;
    copy = &copyBytes;
    null_ptr = nullptr;
}

ChmIo::Use::Use(ChmIo& io) : previous_(current) {
    current = &io;
}

ChmIo::Use::~Use() {
    current = previous_;
}

void ChmIo::setOutput(QByteArray* output, qint64 largest) {
    output_ = output;
    outputLargest_ = largest;
}

mspack_file* ChmIo::openFile(mspack_system*, const char* name, int mode) noexcept {
    const ChmIo* io = current;
    if (!io || io->expired())
        return nullptr;
    if (mode == MSPACK_SYS_OPEN_WRITE)
        return io->output_ ? new (std::nothrow) File : nullptr;
    if (mode != MSPACK_SYS_OPEN_READ)
        return nullptr;
    auto file = std::make_unique<File>();
    file->input = std::make_unique<QFile>(QFile::decodeName(name));
    if (!file->input->open(QIODevice::ReadOnly))
        return nullptr;
    return file.release();
}

void ChmIo::closeFile(mspack_file* file) noexcept {
    delete static_cast<File*>(file);
}

int ChmIo::readFile(mspack_file* handle, void* buffer, int bytes) noexcept {
    QFile* input = static_cast<File*>(handle)->input.get();
    const ChmIo* io = current;
    if (!io || !input || bytes < 0 || io->expired())
        return -1;
    const qint64 at = input->pos();
    const qint64 got = input->read(static_cast<char*>(buffer), bytes);
    if (got < 0)
        return -1;
    if (at == 0)
        repairHeader(static_cast<unsigned char*>(buffer), got);
    return static_cast<int>(got);
}

int ChmIo::writeFile(mspack_file* handle, void* buffer, int bytes) noexcept {
    ChmIo* io = current;
    if (!io || static_cast<File*>(handle)->input || !io->output_ || bytes < 0 || io->expired())
        return -1;
    // Never more than the entry's length, for which the array has room: nothing is allocated.
    if (bytes > io->outputLargest_ - io->output_->size())
        return -1;
    io->output_->append(static_cast<const char*>(buffer), bytes);
    return bytes;
}

int ChmIo::seekFile(mspack_file* handle, off_t offset, int mode) noexcept {
    QFile* input = static_cast<File*>(handle)->input.get();
    if (!input)
        return -1;
    const qint64 size = input->size();
    qint64 from = 0;
    switch (mode) {
    case MSPACK_SYS_SEEK_START:
        break;
    case MSPACK_SYS_SEEK_CUR:
        from = input->pos();
        break;
    case MSPACK_SYS_SEEK_END:
        from = size;
        break;
    default:
        return -1;
    }
    // Only within the file; `from` lies in it, so nothing overflows.
    if (offset < -from || offset > size - from)
        return -1;
    return input->seek(from + offset) ? 0 : -1;
}

off_t ChmIo::tellFile(mspack_file* handle) noexcept {
    const QFile* input = static_cast<File*>(handle)->input.get();
    return input ? static_cast<off_t>(input->pos()) : 0;
}

void ChmIo::ignoreMessage(mspack_file*, const char*, ...) noexcept {}

void* ChmIo::allocate(mspack_system*, size_t bytes) noexcept {
    ChmIo* io = current;
    qint64* used = io ? &io->memoryUsed_ : nullptr;
    if (io && (bytes > size_t(io->memoryLargest_) ||
               qint64(bytes) > io->memoryLargest_ - io->memoryUsed_))
        return nullptr;
    void* memory = std::malloc(sizeof(Block) + bytes);
    if (!memory)
        return nullptr;
    Block* block = new (memory) Block{bytes, used};
    if (used)
        *used += qint64(bytes);
    return block + 1;
}

void ChmIo::release(void* memory) noexcept {
    if (!memory)
        return;
    Block* block = static_cast<Block*>(memory) - 1;
    if (block->used)
        *block->used -= qint64(block->size);
    std::free(block);
}

void ChmIo::copyBytes(void* from, void* to, size_t bytes) noexcept {
    std::memmove(to, from, bytes);
}

} // namespace tarvel::ui
