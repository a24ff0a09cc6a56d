#pragma once
// Whole-file writes that never leave half a file behind: the new content goes to a
// temporary file in the same folder and then replaces the old one, so a card pulled
// out in the middle keeps the previous version.

#include "model/LegalFile.h" // FileResult

#include <QByteArray>
#include <QString>

namespace q7582 {

FileResult replaceFile(const QString& path, const QByteArray& content);

// Copies source to target the same way; bytes gets the length written.
FileResult replaceFileWithCopy(const QString& source, const QString& target, qint64& bytes);

} // namespace q7582
