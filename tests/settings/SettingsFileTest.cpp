#include "settings/SettingsFile.h"
#include "settings/SettingsRecords.h"

#include "FileFixture.h"
#include "WriteFailure.h"

#include <filesystem>

using namespace q7582;

using SettingsFileTest = FileFixture;

namespace {

std::string records(std::string_view text)
{
    std::string out;
    for (const SettingsRecord& r : readSettingsRecords(text, SettingsFile::MaxWord))
        out += "[" + r.key + "|" + r.value + "]";
    return out;
}

} // namespace

TEST(SettingsRecords, MatchKeyEqualsValueWordsWithTheReadersQuirks)
{
    EXPECT_EQ(records("  help\t=english   mapfile  =\n\n x\r\n"), "[help|english][mapfile|x]");
    // No blank before "=": the key swallows it, and the next word becomes a key.
    EXPECT_EQ(records("help=english\nmapfile = m"), "[mapfile|m]");
    EXPECT_EQ(records("help= english = x"), "[english|x]");
    // A key without "=" or without a value is dropped.
    EXPECT_EQ(records("orphan help = = x help ="), "[help|=]");
    // Longer words are cut at 51 characters; their rest is not a word of its own.
    const std::string longWord(80, 'v'), cut(51, 'v');
    EXPECT_EQ(records("help = " + longWord + " " + longWord + " = x"), "[help|" + cut + "][" + cut + "|x]");
    EXPECT_EQ(records(std::string("a\0b = c", 7)), std::string("[a\0b|c]", 7));
}

TEST_F(SettingsFileTest, FirstStartWritesTheStartValuesThenRecordsAreReadInAnyOrder)
{
    const std::string startValues = "Lingua = (null)\r\nmapfile = (null)\r\nhelp = italiano\r\n";
    SettingsFile first(dir());
    ASSERT_TRUE(first.loadSettings().ok);
    EXPECT_EQ(read("QS7582.ini"), startValues);
    EXPECT_EQ(first.helpFile(), dir() + "/help/qs7582_ita.chm");

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
    EXPECT_FALSE(exact.helpLanguageItalian());
    EXPECT_EQ(exact.settings.Lingua, "0"); // no language list

    std::filesystem::create_directory(path("Language"));
    write("Language/Lingue.txt", "italiano english\n");
    SettingsFile withList(dir());
    ASSERT_TRUE(withList.loadSettings().ok);
    EXPECT_EQ(withList.languages, (std::vector<std::string>{"italiano", "english"}));
    EXPECT_EQ(withList.settings.Lingua, "(null)");
}

TEST_F(SettingsFileTest, FailuresKeepTheRecordAndTheOldFile)
{
    write("QS7582.ini", "help = english\r\n");
    SettingsFile init(dir());
    ASSERT_TRUE(init.loadSettings().ok);
    const FileResult saved = [&] {
        WriteFailure diskFull;
        return init.chooseHelpLanguage(true);
    }();
    EXPECT_NE(saved.error.find("QS7582.ini: "), std::string::npos);
    EXPECT_EQ(read("QS7582.ini"), "help = english\r\n");
    EXPECT_TRUE(init.helpLanguageItalian()); // the choice stays in force for this run

    std::filesystem::remove(path("QS7582.ini"));
    std::filesystem::create_directory(path("QS7582.ini"));
    SettingsFile unreadable(dir());
    unreadable.settings.mapfile = "kept";
    EXPECT_FALSE(unreadable.loadSettings().ok);
    EXPECT_EQ(unreadable.settings.mapfile, "kept");
}
