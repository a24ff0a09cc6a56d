#include "settings/NameTables.h"

#include "settings/NameFile.h"
#include "settings/WordScanner.h"

namespace q7582 {

namespace {

constexpr const char* UnitFile = "unit.txt";
constexpr const char* ZoneFile = "zone.txt";
constexpr const char* OutputFile = "uscite.txt";
constexpr const char* InputFile = "input.txt";
constexpr const char* MusicFile = "musica.txt";

constexpr int MaxLanguages = 10;
constexpr std::size_t MaxLanguageName = 51;

std::vector<std::string> numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n)
        names.push_back(prefix + std::to_string(n));
    return names;
}

// A unit name is saved as its caption reads without the number suffix: blanks at its
// end go with the suffix.
std::string withoutTrailingBlanks(const std::string& name)
{
    const std::size_t end = name.find_last_not_of(" \t");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

} // namespace

NameTables::NameTables(std::string dir)
    : units(Units, "Unit"), zones(numbered("Zone ", Zones)), outputs(numbered("Out ", Outputs)),
      inputs(numbered("In ", Inputs)), music{"TAPE", "CD", "TUNER", "AUX", "Remote input"}, dir_(std::move(dir))
{
}

std::string NameTables::unitCaption(int n) const { return units.at(n - 1) + " (" + std::to_string(n) + ")"; }

std::string NameTables::path(const char* file) const { return dir_ + "/" + file; }

FileResult NameTables::loadTable(const char* file, std::vector<std::string>& names)
{
    if (!fileExists(path(file)))
        return saveTable(file, names);
    return readTable(file, names);
}

FileResult NameTables::readTable(const char* file, std::vector<std::string>& names)
{
    const std::string p = path(file);
    std::string text;
    const FileResult r = readFile(p, text, names.size() * NameLineBytes);
    if (r.ok)
        readNameLines(text, names, MaxFileName);
    return r;
}

FileResult NameTables::saveTable(const char* file, const std::vector<std::string>& names) const
{
    return replaceFile(path(file), nameFileText(names));
}

FileResult NameTables::loadNames()
{
    FileResult r = loadUnitNames();
    r.add(loadZoneNames());
    r.add(loadOutputNames());
    r.add(loadInputNames());
    r.add(loadMusicNames());
    return r;
}

std::string NameTables::asText() const
{
    std::string text;
    for (auto [table, names] : {std::pair{"unit", &units}, std::pair{"zone", &zones}, std::pair{"output", &outputs},
                                std::pair{"input", &inputs}, std::pair{"music", &music}})
        for (std::size_t i = 0; i < names->size(); ++i)
            text += std::string(table) + ' ' + std::to_string(i + 1) + '=' + (*names)[i] + '\n';
    return text;
}

FileResult NameTables::readExistingNames()
{
    FileResult r;
    for (auto [file, names] :
         {std::pair{UnitFile, &units}, std::pair{ZoneFile, &zones}, std::pair{OutputFile, &outputs},
          std::pair{InputFile, &inputs}, std::pair{MusicFile, &music}})
        if (fileExists(path(file)))
            r.add(readTable(file, *names));
    return r;
}

FileResult NameTables::loadUnitNames() { return loadTable(UnitFile, units); }
bool NameTables::unitFileExists() const { return fileExists(path(UnitFile)); }
FileResult NameTables::loadZoneNames() { return loadTable(ZoneFile, zones); }
FileResult NameTables::loadOutputNames() { return loadTable(OutputFile, outputs); }
FileResult NameTables::loadInputNames() { return loadTable(InputFile, inputs); }
FileResult NameTables::loadMusicNames() { return loadTable(MusicFile, music); }

FileResult NameTables::saveUnitNames()
{
    std::vector<std::string> saved;
    for (const std::string& name : units)
        saved.push_back(withoutTrailingBlanks(name));
    return saveTable(UnitFile, saved);
}
FileResult NameTables::saveZoneNames() { return saveTable(ZoneFile, zones); }
FileResult NameTables::saveOutputNames() { return saveTable(OutputFile, outputs); }
FileResult NameTables::saveInputNames() { return saveTable(InputFile, inputs); }
FileResult NameTables::saveMusicNames() { return saveTable(MusicFile, music); }

int NameTables::loadLanguageList(const std::string& dir, std::vector<std::string>& names)
{
    names.clear();
    std::string text;
    if (!readFile(dir + "/" + LanguageList, text, LanguageListBytes).ok)
        return 0;
    WordScanner in(text);
    for (in.skipSpace(); !in.atEnd() && int(names.size()) < MaxLanguages; in.skipSpace())
        names.push_back(in.word(MaxLanguageName));
    return int(names.size());
}

} // namespace q7582
