#pragma once
// The PC-side names of units, zones, outputs, inputs and music sources, their files,
// and the language list. No widget: the main window shows what these tables hold.

#include "model/FileIo.h"

#include <string>
#include <vector>

namespace q7582 {

class NameTables {
public:
    static constexpr int Units = 16, Zones = 36, Outputs = 36, Inputs = 36, MusicSources = 5;
    static constexpr int MaxFileName = 48;                 // longest name kept from a file
    static constexpr int MaxUserName = 20;                 // longest name a user may enter
    static constexpr std::size_t NameLineBytes = 50;       // one line of a name file, as read
    static constexpr std::size_t LanguageListBytes = 4096; // ten short words and their blanks
    static constexpr const char* LanguageList = "Language/Lingue.txt";

    explicit NameTables(std::string dir = ".");

    // Index 0 = entry 1. Entry n of a 36-entry table = 6 x group + line + 1.
    std::vector<std::string> units, zones, outputs, inputs, music;

    // "name (n)", n = 1..16
    std::string unitCaption(int n) const;
    // n = 1..5
    const std::string& musicName(int n) const { return music.at(n - 1); }

    // Each load creates its file from the names in force when it is missing. A file that
    // cannot be read or written leaves the names in memory as they are and is reported.
    // A file with fewer lines than entries leaves the other entries' names in force.
    FileResult loadNames(); // units, zones, outputs, inputs, music, in that order
    // Reads the name files that exist and creates none, for a command that writes nothing.
    FileResult readExistingNames();
    FileResult loadUnitNames();
    bool unitFileExists() const;
    FileResult saveUnitNames();
    FileResult loadZoneNames();
    FileResult saveZoneNames();
    FileResult loadOutputNames();
    FileResult saveOutputNames();
    FileResult loadInputNames();
    FileResult saveInputNames();
    FileResult loadMusicNames();
    FileResult saveMusicNames();

    // The names in force as text, a line each: "unit 3=Desk", "zone 12=Bar", "output n=",
    // "input n=", "music n=" (a recording keeps them so).
    std::string asText() const;

    // Reads up to 10 white-space separated names of dir/Language/Lingue.txt; 0 when missing.
    static int loadLanguageList(const std::string& dir, std::vector<std::string>& names);

private:
    std::string path(const char* file) const;
    FileResult loadTable(const char* file, std::vector<std::string>& names);
    FileResult readTable(const char* file, std::vector<std::string>& names);
    FileResult saveTable(const char* file, const std::vector<std::string>& names) const;

    std::string dir_;
};

} // namespace q7582
