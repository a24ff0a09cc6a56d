#pragma once
// The settings record and its file QS7582.ini, and the choice of help file.
// No widget: the windows bind their help-language menu to helpLanguageItalian().

#include "model/FileIo.h"

#include <string>
#include <vector>

namespace q7582 {

struct Settings {
    std::string Lingua;            // empty at start; written as "(null)"
    std::string mapfile;           // kept and written back unchanged
    std::string help = "italiano"; // "italiano" selects the Italian help file
};

class SettingsFile {
public:
    static constexpr const char* FileName = "QS7582.ini";
    static constexpr const char* ItalianHelpFile = "help/qs7582_ita.chm";
    static constexpr const char* EnglishHelpFile = "help/qs7582_eng.chm";
    static constexpr int MaxWord = 51;
    static constexpr std::size_t MaxFileBytes = 4096; // three short records, with room to spare

    // dir: the folder the relative names are taken from (the working directory).
    explicit SettingsFile(std::string dir = ".");

    Settings settings;
    std::vector<std::string> languages; // the language table, at most 10 names

    // Reads the language list, then the settings file; creates the file when missing.
    // A file that cannot be read leaves the record as it was and is reported.
    FileResult loadSettings();
    // Rewrites the whole file from the record (CR LF line ends); on failure the old file stays.
    FileResult saveSettings();
    // Menu choice: sets help to "italiano" or "english" and saves.
    FileResult chooseHelpLanguage(bool italian);

    // The help-file rule: exact "italiano" selects Italian.
    bool helpLanguageItalian() const { return settings.help == "italiano"; }
    std::string helpFile() const; // dir + "/help/qs7582_ita.chm" or "..._eng.chm"

    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
    std::string filePath() const;
};

} // namespace q7582
