// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the help file reader: every input is written to a file, opened, and
// every entry it lists is read. Built with -DTARVEL_FUZZ_CHM=ON by Clang; seed it with
// tests/ui/data/help/pomoc.chm.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

#include "ui/chm_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("tarvel-chm-fuzz-%1.chm").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    tarvel::ui::ChmArchive archive;
    if (archive.open(path)) {
        for (const QString& name : archive.names())
            archive.read(name);
    }
    return 0;
}
