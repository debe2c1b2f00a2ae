// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>

#include <mspack.h>

namespace tarvel::ui {

// What libmspack's decompressor reads, writes and allocates through: the help file read with
// QFile, the entry being extracted written into memory, and its allocations counted. Every call
// fails once the deadline has passed or a limit is reached, and the library then gives up with
// an error: that bounds its time and memory on any file, damaged or not, as long as it keeps
// reading or writing (its loops over the data do).
class ChmIo : public mspack_system {
public:
    using Clock = std::chrono::steady_clock;

    explicit ChmIo(qint64 largestMemory);
    ChmIo(const ChmIo&) = delete;
    ChmIo& operator=(const ChmIo&) = delete;

    // Makes `io` the one the library's calls use while this object lives. The library hands a
    // copy of the structure to its decompressor, so the calls find their state through here
    // and not through the pointer they are given.
    class Use {
    public:
        explicit Use(ChmIo& io);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        ChmIo* previous_;
    };

    void setDeadline(Clock::time_point deadline) { deadline_ = deadline; }
    // Where an entry opened for writing goes, and how many bytes it may have; `output` has
    // room for them already.
    void setOutput(QByteArray* output, qint64 largest);

private:
    bool expired() const { return Clock::now() >= deadline_; }

    static mspack_file* openFile(mspack_system* self, const char* name, int mode) noexcept;
    static void closeFile(mspack_file* file) noexcept;
    static int readFile(mspack_file* file, void* buffer, int bytes) noexcept;
    static int writeFile(mspack_file* file, void* buffer, int bytes) noexcept;
    static int seekFile(mspack_file* file, off_t offset, int mode) noexcept;
    static off_t tellFile(mspack_file* file) noexcept;
    static void ignoreMessage(mspack_file* file, const char* format, ...) noexcept;
    static void* allocate(mspack_system* self, size_t bytes) noexcept;
    static void release(void* memory) noexcept;
    static void copyBytes(void* from, void* to, size_t bytes) noexcept;

    Clock::time_point deadline_{};
    QByteArray* output_ = nullptr;
    qint64 outputLargest_ = 0;
    qint64 memoryLargest_;
    qint64 memoryUsed_ = 0;
};

} // namespace tarvel::ui
