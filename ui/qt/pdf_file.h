// The PDF file the pupil keeps when the page did not reach paper: where the
// save dialog proposes it, and writing it so that a failure is always seen.
#pragma once

#include <QByteArray>
#include <QString>

namespace zemlox::qt {

// The folder a save dialog proposes, one that exists and can be written:
// the documents folder, else the home folder, else the temporary folder.
QString saveFolder();
// The PDF file of a document of that name, in saveFolder().
QString defaultPdfPath(const QString& name);

// Writes PDF bytes to a file, whole or not at all: into a temporary file
// beside it first, every write and the close checked, then renamed into
// place. On failure nothing new is left and an existing file is kept.
bool writePdfBytes(const QString& path, const QByteArray& pdf);

}  // namespace zemlox::qt
