#include "system/cp1250.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <stdexcept>

namespace tarvel::system {

namespace {

constexpr const char* kCodecName = "windows-1250";

void requireValid(const QStringConverter& converter) {
    if (!converter.isValid())
        throw std::runtime_error("this Qt build has no windows-1250 codec");
}

} // namespace

std::string encodeCp1250(const std::string& utf8) {
    // Qt's converter writes an unmappable character as a NUL byte with this flag.
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::ConvertInvalidToNull);
    requireValid(encoder);
    QString text = QString::fromStdString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QByteArray bytes = encoder.encode(text);

    // A single-byte code page gives one byte per code point: walk both together, so that a
    // NUL of the text itself stays a NUL and only the unmappable ones become "?".
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size() && out < bytes.size(); ++i, ++out) {
        const bool nulInText = text[i].isNull();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        if (bytes[out] == '\0' && !nulInText)
            bytes[out] = '?';
    }
    return bytes.toStdString();
}

std::string decodeCp1250(const std::string& bytes) {
    QStringDecoder decoder(kCodecName);
    requireValid(decoder);
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
}

} // namespace tarvel::system
