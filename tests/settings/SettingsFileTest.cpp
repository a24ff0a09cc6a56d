#include "settings/SettingsFile.h"
#include "settings/NameTables.h"
#include "settings/SettingsRecords.h"

#include "FileFixture.h"
#include "WriteFailure.h"

#include <filesystem>

using namespace q7582;

using SettingsFolder = FileFixture;

namespace {

std::string lines(const std::string& prefix, int count, const std::string& suffix = "")
{
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += prefix + (suffix.empty() ? std::to_string(n) : suffix) + "\r\n";
    return text;
}

std::string records(std::string_view text)
{
    std::string out;
    for (const SettingsRecord& r : readSettingsRecords(text, SettingsFile::MaxWord))
        out += "[" + r.key + "|" + r.value + "]";
    return out;
}

} // namespace

// The first start creates the five files with the defaults; what the user writes there
// becomes the names.
TEST_F(SettingsFolder, NameTablesDefaultsFirstThenLinesBecomeNamesWithoutSpillingOrLosingCharacters)
{
    NameTables names(dir());
    ASSERT_TRUE(names.loadNames().ok);
    EXPECT_EQ(read("unit.txt"), lines("", 16, "Unit"));
    for (const auto& [file, prefix] : {std::pair{"zone.txt", "Zone "}, {"uscite.txt", "Out "}, {"input.txt", "In "}})
        EXPECT_EQ(read(file), lines(prefix, 36)) << file;
    EXPECT_EQ(read("musica.txt"), "TAPE\r\nCD\r\nTUNER\r\nAUX\r\nRemote input\r\n");

    const std::string longName(60, 'L');
    write("unit.txt", "Desk 1\nSecond\r\nFront desk\n" + longName + "\nAfter long\n" + std::string("Nul\0tail\n", 9)
                          + "Mid\rCR\r\nLast");
    write("zone.txt", lines("Z", 40));
    ASSERT_TRUE(names.loadNames().ok);
    // "Last" has no line end and loses nothing; fewer lines than entries: the rest keep their names.
    EXPECT_EQ(std::vector(names.units.begin(), names.units.begin() + 9),
              (std::vector<std::string>{"Desk 1", "Second", "Front desk", longName.substr(0, 48), "After long", "Nul",
                                        "Mid\rCR", "Last", "Unit"}));

    names.units[8] = "Trailing   ";
    names.units[9] = "   ";
    names.zones[0] = "Two\nlines";
    ASSERT_TRUE(names.saveUnitNames().ok && names.saveZoneNames().ok);
    EXPECT_NE(read("unit.txt").find("\r\nLast\r\nTrailing\r\n\r\nUnit\r\n"), std::string::npos);
    EXPECT_EQ(read("zone.txt"), "Two lines\r\n" + lines("Z", 36).substr(4)); // the extra lines are gone
    EXPECT_EQ(names.unitCaption(9), "Trailing    (9)");                      // in force until the next start
}

TEST_F(SettingsFolder, FirstStartWritesTheStartValuesThenRecordsAreReadInAnyOrderMatchingKeyEqualsValueWords)
{
    const std::string startValues = "Lingua = (null)\r\nmapfile = (null)\r\nhelp = italiano\r\n";
    SettingsFile first(dir());
    ASSERT_TRUE(first.loadSettings().ok);
    EXPECT_EQ(std::pair(read("QS7582.ini"), first.helpFile()), std::pair(startValues, dir() + "/help/qs7582_ita.chm"));

    write("QS7582.ini", "x = 1\nhelp = italiano\nmapfile = (null)\nhelp = english\n");
    SettingsFile init(dir());
    ASSERT_TRUE(init.loadSettings().ok);
    EXPECT_EQ(init.helpFile(), dir() + "/help/qs7582_eng.chm");
    EXPECT_EQ(read("QS7582.ini").substr(0, 5), "x = 1"); // not rewritten on load
    ASSERT_TRUE(init.chooseHelpLanguage(true).ok);       // written back on a choice
    EXPECT_EQ(read("QS7582.ini"), startValues);

    write("QS7582.ini", "help = Italiano\nLingua = (null)");
    SettingsFile exact(dir());
    ASSERT_TRUE(exact.loadSettings().ok);
    EXPECT_EQ(std::tuple(exact.helpLanguageItalian(), exact.settings.Lingua), std::tuple(false, "0")); // no list

    std::vector<std::string> stale{"stale"}; // no list: no languages, not the last list's
    EXPECT_TRUE(NameTables::loadLanguageList(dir(), stale) == 0 && stale.empty());
    // Up to ten words, each cut at 51 characters.
    std::filesystem::create_directory(path("Language"));
    write("Language/Lingue.txt", "italiano english\n");
    EXPECT_EQ(NameTables::loadLanguageList(dir(), stale), 2);
    write("Language/Lingue.txt", "italiano english\r\n" + std::string(70, 'w') + "\n a b c d e f g h i j");
    SettingsFile withList(dir());
    ASSERT_TRUE(withList.loadSettings().ok);
    EXPECT_EQ(withList.languages, (std::vector<std::string>{"italiano", "english", std::string(51, 'w'), "a", "b", "c",
                                                            "d", "e", "f", "g"}));
    EXPECT_EQ(withList.settings.Lingua, "(null)");

    // Records match key = value words, with the reader's quirks.
    EXPECT_EQ(records("  help\t=english   mapfile  =\n\n x\r\n"), "[help|english][mapfile|x]");
    // No blank before "=": the key swallows it and the record is dropped.
    EXPECT_EQ(records("help=english\nmapfile = m"), "[mapfile|m]");
    // A key without "=" or without a value is dropped.
    EXPECT_EQ(records("orphan help = = x help ="), "[help|=]");
    // Longer words are cut at 51 characters; their rest is not a word of its own.
    const std::string longWord(80, 'v'), cut(51, 'v');
    EXPECT_EQ(records("help = " + longWord + " " + longWord + " = x"), "[help|" + cut + "][" + cut + "|x]");
    EXPECT_EQ(records(std::string("a\0b = c", 7)), std::string("[a\0b|c]", 7));
}

// A failure keeps the names and the settings in force and says which file failed.
TEST_F(SettingsFolder, FailuresKeepTheNamesTheRecordAndTheOldFile)
{
    std::filesystem::create_directory(path("zone.txt"));
    write("input.txt", "Door\n");
    NameTables names(dir());
    EXPECT_NE(names.loadNames().error.find("zone.txt: "), std::string::npos);
    EXPECT_EQ(std::tuple(names.zones[0], names.inputs[0]), std::tuple("Zone 1", "Door")); // the others still load

    NameTables nowhere(path("missing-folder"));
    EXPECT_TRUE(!nowhere.loadUnitNames().ok && nowhere.units[0] == "Unit");

    write("QS7582.ini", "help = english\r\n");
    SettingsFile init(dir());
    ASSERT_TRUE(init.loadSettings().ok);
    const FileResult saved = [&] {
        WriteFailure diskFull;
        return init.chooseHelpLanguage(true);
    }();
    EXPECT_NE(saved.error.find("QS7582.ini: "), std::string::npos);
    // The old file stays; the choice stays in force for this run.
    EXPECT_EQ(std::tuple(read("QS7582.ini"), init.helpLanguageItalian()), std::tuple("help = english\r\n", true));

    std::filesystem::remove(path("QS7582.ini"));
    std::filesystem::create_directory(path("QS7582.ini"));
    SettingsFile unreadable(dir());
    unreadable.settings.mapfile = "kept";
    EXPECT_TRUE(!unreadable.loadSettings().ok && unreadable.settings.mapfile == "kept");
}
