#pragma once
// The configuration editor's changes kept when the program was ended (a termination
// signal, the session's end) with the editor open: a recovery ".cfi" in the working
// folder, named after the moment, which the main window names at the next start.

#include "model/ConfigImage.h"
#include "model/FileIo.h"

#include <QDateTime>
#include <QStringList>

#include <string>

namespace q7582 {

// "recovered-2026-07-12_09-15-02.cfi": sorted by name, the newest comes last.
QString recoveryFileName(const QDateTime& at);

// Writes the image to the folder under that name, as Save writes a .cfi file.
FileResult saveRecoveryFile(const std::string& folder, const ConfigImage& image, const QDateTime& at);

// The names of the recovery files in the folder, oldest first.
QStringList recoveryFiles(const std::string& folder);

} // namespace q7582
