// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTextCursor>
#include <QTimer>

#include <cstddef>
#include <memory>

class QIODevice;
class QTextDocument;

namespace tarvel::ui {

// What the bytes of a file are known by without keeping them: their number and a hash taken
// over pieces of TextLoader::kPiece bytes from the start. Equal bytes give equal fingerprints.
struct ContentFingerprint {
    qint64 size = 0;
    std::size_t hash = 0x9e3779b9U; // any start but 0 (which would hash more slowly)

    // The next piece: kPiece bytes, or fewer at the end.
    void add(QByteArrayView piece);
    static ContentFingerprint of(QByteArrayView bytes);
    bool operator==(const ContentFingerprint&) const = default;
};

// Reads a Windows-1250 text with CR LF line ends to the end of a document, on the GUI thread
// a slice at a time so that the window keeps answering while a long file loads: each turn of
// the event loop decodes and appends pieces until about 15 ms have passed. A CR LF split
// between two pieces stays one line end; a lone CR ends a line, as the document reads it.
class TextLoader : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kPiece = 16 * 1024;

    // Starts reading the open device into the document; the loader owns the device.
    TextLoader(std::unique_ptr<QIODevice> source, QTextDocument* document,
               QObject* parent = nullptr);
    ~TextLoader() override;

    // Stops reading; nothing is reported afterwards.
    void cancel();
    // The bytes read so far.
    const ContentFingerprint& fingerprint() const { return read_; }

signals:
    // After each slice: the bytes read so far and the size of the device when reading began.
    void progressed(qint64 done, qint64 total);
    // At the end: the reason the device could not be read, or an empty text when all was read.
    void finished(const QString& failure);

private:
    void readSlice();
    void append(QByteArray bytes, bool last);

    std::unique_ptr<QIODevice> source_;
    QTextCursor end_;
    QTimer timer_;
    qint64 total_ = 0;
    ContentFingerprint read_;
    bool carriedCr_ = false; // the previous piece ended in CR, held back for the next one
};

} // namespace tarvel::ui
