// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvel::system {

// Whether a new file can be made in the folder, found by making one (and removing it at once):
// the only test that holds for access lists, read-only media and mounted shares alike. A folder's
// permissions as QFileInfo reports them are no answer on Windows, where they show only the
// read-only attribute.
bool folderTakesNewFiles(const QString& folder);

} // namespace tarvel::system
