#include "settings/SettingsFile.h"

#include "settings/NameTables.h"
#include "settings/SettingsRecords.h"

#include <utility>

namespace q7582 {

namespace {

constexpr const char* Italian = "italiano";
constexpr const char* English = "english";

std::string record(const char* key, const std::string& value)
{
    return std::string(key) + " = " + (value.empty() ? "(null)" : value) + "\r\n";
}

} // namespace

SettingsFile::SettingsFile(std::string dir) : dir_(std::move(dir)) {}

std::string SettingsFile::filePath() const { return dir_ + "/" + FileName; }

std::string SettingsFile::helpFile() const
{
    return dir_ + "/" + (helpLanguageItalian() ? ItalianHelpFile : EnglishHelpFile);
}

FileResult SettingsFile::loadSettings()
{
    NameTables::loadLanguageList(dir_, languages);
    if (!fileExists(filePath()))
        return saveSettings();
    std::string text;
    const FileResult r = readFile(filePath(), text, MaxFileBytes);
    if (!r.ok)
        return r;
    for (const SettingsRecord& rec : readSettingsRecords(text, MaxWord)) {
        if (rec.key == "Lingua")
            settings.Lingua = languages.empty() ? "0" : rec.value; // a value read is never empty
        else if (rec.key == "mapfile")
            settings.mapfile = rec.value;
        else if (rec.key == "help")
            settings.help = rec.value;
    }
    return r;
}

FileResult SettingsFile::saveSettings()
{
    return replaceFile(filePath(), record("Lingua", settings.Lingua) + record("mapfile", settings.mapfile)
                                       + record("help", settings.help));
}

FileResult SettingsFile::chooseHelpLanguage(bool italian)
{
    settings.help = italian ? Italian : English;
    return saveSettings();
}

} // namespace q7582
