#pragma once
// The WAV files of a message folder. Names are matched whatever their case, as the
// card's FAT file system does: "007.wav" and "007.WAV" name message 7.

#include "model/FileIo.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace q7582 {

// Every file of folder that names the message, the upper-case "NNN.WAV" first.
QStringList wavFilesOf(const QString& folder, const QString& number);

// Length of the message's WAV file; none when the folder has none.
std::optional<qint64> wavLength(const QString& folder, const QString& number);

// Copies source into the folder as "NNN.WAV", replacing the message's old file
// whatever the case of its name; bytes gets the copied length.
FileResult copyWav(const QString& source, const QString& folder, const QString& number, qint64& bytes);

// Removes the message's file; a message without a file is already deleted.
FileResult deleteWav(const QString& folder, const QString& number);

} // namespace q7582
