#pragma once
// The .cfi file commands without widgets: the extension rule and what Save, Open and the
// editor do to the provenance state (the raw image is read and written by model/ConfigFile).

#include "model/ConfigFile.h"
#include "model/ConfigImage.h"
#include "model/FileIo.h"
#include "model/Provenance.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>
#include <string>

namespace q7582 {

// Dialog titles and filters of the two commands (Qt's ";;" separates the entries), in the
// interface language.
enum class ConfigDialogText { OpenTitle, OpenFilter, SaveTitle, SaveFilter, CompareTitle };
QString configDialogText(ConfigDialogText which);

// A name without "." after its last "/" gets ".cfi"; any other name is kept as chosen.
std::string withCfiExtension(const std::string& name);

// The question before applying a file that is not exactly one image long.
QString partialFileWarning(const std::string& path, std::uint64_t fileSize);

// What was dropped on the main window: the one local file's path as the system spells it
// (a name that is not UTF-8 kept byte for byte), or why it is not opened (several files,
// a remote one, a folder, a pipe or a device). A missing file is left to the read to tell.
struct DroppedFile {
    std::string path;
    QString refusal;
};
DroppedFile droppedConfigFile(const QList<QUrl>& urls);

// Where the configuration in memory came from, for the comparison's header: "uploaded
// from master 3 at 07/12/2026 09:15.02", the file's name or "default configuration of
// master 0", followed by ", modified" once edited.
QString configurationDescription(const Provenance& p);

// Open: the file's bytes replace the image from offset 0 (a short file only its length).
// A history entry's name tells which master the configuration belongs to.
void applyOpenedFile(ConfigImage& image, Provenance& p, const std::string& path, const ConfigFileContent& content);
// Save: only saving the opened file under its own name makes the image unmodified.
void applySaved(Provenance& p, const std::string& savedPath);

} // namespace q7582
