// SPDX-License-Identifier: GPL-3.0-or-later
// Damage done to a compiled help file at the bytes that hold one field, for the tests of its
// reader. The fields are found through the file's own headers and its first directory chunk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <string_view>
#include <vector>

namespace tarvel::ui::chm_damage {

inline const QByteArray kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
inline const QByteArray kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

// A help file's bytes with the places of its fields.
class ChmImage {
public:
    explicit ChmImage(const QString& path) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray read = file.readAll();
            data.assign(read.begin(), read.end());
        }
        if (data.size() < 0x100)
            return;
        directoryHeader = qsizetype(number(0x48, 8)); // header section 1 ("ITSP")
        content = qsizetype(number(0x58, 8));         // section 0, where the system files lie
        firstChunk = directoryHeader + qsizetype(number(directoryHeader + 0x08, 4));
        chunkSize = qsizetype(number(directoryHeader + 0x10, 4));
        // The entries of the first directory chunk ("PMGL"): name, section, offset, length.
        qsizetype at = firstChunk + 0x14;
        for (auto count = number(firstChunk + chunkSize - 2, 2); count > 0; --count) {
            const qsizetype length = qsizetype(encint(at));
            Entry entry{at, QByteArray(&data[size_t(at)], length), 0};
            at += length;
            encint(at);
            entry.offset = qsizetype(encint(at));
            encint(at);
            entries.insert(entry.name, entry);
        }
    }

    QByteArray bytes() const { return QByteArray(data.data(), qsizetype(data.size())); }

    // Where the data of a system file (section 0) begins.
    qsizetype systemFile(const QByteArray& name) const {
        return content + entries.value(name).offset;
    }

    // Sets a little-endian number of `size` bytes.
    void set(qsizetype at, quint64 value, int size) {
        for (int i = 0; i < size; ++i, value >>= 8)
            data.at(size_t(at + i)) = char(value & 0xFFu);
    }
    void put(qsizetype at, std::string_view text) {
        std::copy(text.begin(), text.end(), data.begin() + at);
    }

    std::vector<char> data;
    qsizetype directoryHeader = 0;
    qsizetype firstChunk = 0;
    qsizetype chunkSize = 0;
    qsizetype content = 0;
    struct Entry {
        qsizetype namePlace;
        QByteArray name;
        qsizetype offset;
    };
    QHash<QByteArray, Entry> entries;

private:
    quint64 number(qsizetype at, int size) const {
        quint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(data.at(size_t(at + i)));
        return value;
    }
    // A directory number: seven bits a byte, the high bit set on all but the last.
    quint64 encint(qsizetype& at) const {
        quint64 value = 0;
        quint8 byte = 0;
        do {
            byte = quint8(data.at(size_t(at++)));
            value = (value << 7) | (byte & 0x7Fu);
        } while (byte & 0x80u);
        return value;
    }
};

// The version of the LZX control data (1 or 2 in a sound file).
inline void setControlDataVersion(ChmImage& chm, quint32 version) {
    chm.set(chm.systemFile(kControlData) + 0x08, version, 4);
}

// The LZX window size (32 KiB to 2 MiB in a sound file).
inline void setWindowSize(ChmImage& chm, quint32 size) {
    chm.set(chm.systemFile(kControlData) + 0x10, size, 4);
}

// The reset table's block (frame) length, 32 KiB in a sound file.
inline void setResetTableBlockLength(ChmImage& chm, quint64 length) {
    chm.set(chm.systemFile(kResetTable) + 0x20, length, 8);
}

// The first directory chunk's link to the next one (-1 for none).
inline void linkFirstChunkToItself(ChmImage& chm) {
    chm.set(chm.firstChunk + 0x10, 0, 4);
}

// A second directory chunk, made the root of the index, whose only entry points at itself;
// the control data's name is altered so that the directory lacks it, and a reader has to look
// for it through the index.
inline void linkIndexChunkToItself(ChmImage& chm) {
    chm.set(chm.directoryHeader + 0x1C, 1, 4); // index root
    chm.set(chm.directoryHeader + 0x2C, 2, 4); // number of chunks
    const qsizetype index = chm.firstChunk + chm.chunkSize;
    // Signature, room left (none), one entry: name "/", chunk 1; the count of entries.
    chm.put(index, std::string_view("PMGI\x02\0\0\0\x01/\x01", 11));
    chm.put(index + chm.chunkSize - 2, std::string_view("\x01\0", 2));
    const ChmImage::Entry control = chm.entries.value(kControlData);
    chm.put(control.namePlace + control.name.size() - 1, "X");
}

} // namespace tarvel::ui::chm_damage
