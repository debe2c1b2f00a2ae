// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_loader.h"

#include <QElapsedTimer>
#include <QHash>
#include <QIODevice>
#include <QTextDocument>

#include <algorithm>

#include "system/cp1250.h"

namespace tarvel::ui {

namespace {

// Long enough for many pieces, short enough that a click or a repaint waits unnoticed.
constexpr qint64 kSliceMs = 15;

} // namespace

void ContentFingerprint::add(QByteArrayView piece) {
    hash = qHash(piece, hash);
    size += piece.size();
}

ContentFingerprint ContentFingerprint::of(QByteArrayView bytes) {
    ContentFingerprint fingerprint;
    for (qsizetype at = 0; at < bytes.size(); at += TextLoader::kPiece)
        fingerprint.add(
            bytes.sliced(at, std::min<qsizetype>(TextLoader::kPiece, bytes.size() - at)));
    return fingerprint;
}

TextLoader::TextLoader(std::unique_ptr<QIODevice> source, QTextDocument* document, QObject* parent)
    : QObject(parent), source_(std::move(source)), end_(document), total_(source_->size()) {
    end_.movePosition(QTextCursor::End);
    connect(&timer_, &QTimer::timeout, this, &TextLoader::readSlice);
    timer_.start(0);
}

TextLoader::~TextLoader() = default;

void TextLoader::cancel() {
    timer_.stop();
    source_.reset();
}

void TextLoader::readSlice() {
    QElapsedTimer slice;
    slice.start();
    QByteArray piece(kPiece, Qt::Uninitialized);
    qint64 got = 0;
    // One edit block a slice: the view follows the document once, not after every piece.
    end_.beginEditBlock();
    do {
        // A regular file gives whole pieces up to its end, as the fingerprint counts them.
        got = source_->read(piece.data(), kPiece);
        if (got > 0)
            read_.add(QByteArrayView(piece).first(got));
        if (got >= 0)
            append(piece.first(got), got == 0);
    } while (got > 0 && slice.elapsed() < kSliceMs);
    end_.endEditBlock();
    if (got > 0) {
        emit progressed(read_.size, total_);
        return;
    }
    const QString failure = got < 0 ? source_->errorString() : QString();
    cancel();
    emit progressed(read_.size, total_);
    emit finished(failure);
}

void TextLoader::append(QByteArray bytes, bool last) {
    if (carriedCr_)
        bytes.prepend('\r');
    carriedCr_ = !last && bytes.endsWith('\r');
    if (carriedCr_)
        bytes.chop(1);
    if (!bytes.isEmpty())
        end_.insertText(QString::fromStdString(system::decodeCp1250(bytes.toStdString())));
}

} // namespace tarvel::ui
