// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250_file_store.h"

#include "system/cp1250.h"
#include "system/file_writes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel::system {

Cp1250FileStore::Cp1250FileStore(const std::string& directory)
    : directory_(QString::fromStdString(directory)) {}

QString Cp1250FileStore::path(const std::string& name) const {
    return QDir(directory_).absoluteFilePath(QString::fromStdString(name));
}

bool Cp1250FileStore::exists(const std::string& name) {
    return QFileInfo(path(name)).isFile();
}

std::optional<long long> Cp1250FileStore::size(const std::string& name) {
    const QFileInfo info(path(name));
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

forms::WriteResult Cp1250FileStore::append(const std::string& name, const std::string& text) {
    return appendFileBytes(path(name), QByteArray::fromStdString(encodeCp1250(text)));
}

forms::WriteResult Cp1250FileStore::replaceWhole(const std::string& name, const std::string& text) {
    return replaceFileBytes(path(name), QByteArray::fromStdString(encodeCp1250(text)));
}

bool Cp1250FileStore::remove(const std::string& name) {
    return QFile::remove(path(name));
}

std::optional<std::vector<std::string>> Cp1250FileStore::readLines(const std::string& name) {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string text = decodeCp1250(file.readAll().toStdString());

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Cp1250FileStore::fullPath(const std::string& name) {
    return QDir::toNativeSeparators(path(name)).toStdString();
}

} // namespace tarvel::system
