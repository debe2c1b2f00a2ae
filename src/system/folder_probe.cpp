// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/folder_probe.h"

#include <QTemporaryFile>

namespace tarvel::system {

bool folderTakesNewFiles(const QString& folder) {
    if (folder.isEmpty())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.tarvel-proba-XXXXXX"));
    return probe.open();
}

} // namespace tarvel::system
