// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

#include <QByteArray>
#include <QString>

// Writing bytes to a file so that a write either completes or leaves the file as it was, and
// a failure carries its true reason. Every file the program writes goes through here: the
// record, the offer, the estimate and its print copy, and the text editor's saves.
namespace tarvel::system {

// Replaces the file atomically: the bytes go to a temporary file beside it (named after it,
// "Ponuda.txt.XXXXXX"), written unbuffered so that a full disk or a size limit is seen at the
// write, forced to the disk, and only then renamed over the old file.
forms::WriteResult replaceFileBytes(const QString& path, const QByteArray& bytes);

// Appends the bytes; a write that fails part-way is cut back to the former length.
forms::WriteResult appendFileBytes(const QString& path, const QByteArray& bytes);

// Makes a size limit a failed write instead of a signal that ends the process, and removes the
// temporary files that a replace interrupted by a crash or a kill left in the folder (those
// of the given file names, older than a minute, so that another running copy's save in
// progress is left alone).
void prepareFileWrites();
void removeLeftoverTemporaryFiles(const QString& directory, const QStringList& fileNames);

} // namespace tarvel::system
