#pragma once
// The program's working data in one place: the configuration image and where it came
// from, the settings, the PC-side names, the summer-time table and the history of the
// configurations transferred. The windows share it
// by reference, and hear from it when the editor replaces the configuration.

#include "history/ConfigHistory.h"
#include "model/ConfigImage.h"
#include "model/LegalFile.h"
#include "model/Provenance.h"
#include "settings/NameTables.h"
#include "settings/SettingsFile.h"

#include <QObject>

#include <string>

namespace q7582 {

class Workspace : public QObject {
    Q_OBJECT
public:
    // dir: the working folder, where the settings and name files and the history lie.
    // Nothing is read here.
    explicit Workspace(const std::string& dir = ".");

    ConfigImage& config() { return config_; }
    Provenance& provenance() { return provenance_; }
    SettingsFile& settings() { return settings_; }
    NameTables& names() { return names_; }
    LegalFileImage& legalFile() { return legalFile_; }
    const ConfigHistory& history() const { return history_; }

    // The editor's changes were accepted ("Yes" to its close question): they become the
    // configuration, which is now modified and unsaved.
    void acceptEdited(const ConfigImage& edited);

signals:
    // A window other than the main one replaced the configuration (the editor's "Yes",
    // an entry opened from the history); a pending Upload must not overwrite it.
    void configurationChanged();

private:
    ConfigImage config_;
    Provenance provenance_;
    SettingsFile settings_;
    NameTables names_;
    LegalFileImage legalFile_;
    ConfigHistory history_;
};

} // namespace q7582
