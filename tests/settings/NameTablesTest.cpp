#include "settings/NameTables.h"

#include "FileFixture.h"

#include <filesystem>
#include <sys/stat.h>

using namespace q7582;

using NameTablesTest = FileFixture;

namespace {

std::string lines(const std::string& prefix, int count, const std::string& suffix = "")
{
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += prefix + (suffix.empty() ? std::to_string(n) : suffix) + "\r\n";
    return text;
}

} // namespace

// The first start creates the five files with the defaults; what the user writes there
// becomes the names.
TEST_F(NameTablesTest, DefaultsFirstThenLinesBecomeNamesWithoutSpillingOrLosingCharacters)
{
    NameTables names(dir());
    ASSERT_TRUE(names.loadNames().ok);
    EXPECT_EQ(read("unit.txt"), lines("", 16, "Unit"));
    EXPECT_EQ(read("zone.txt"), lines("Zone ", 36));
    EXPECT_EQ(read("uscite.txt"), lines("Out ", 36));
    EXPECT_EQ(read("input.txt"), lines("In ", 36));
    EXPECT_EQ(read("musica.txt"), "TAPE\r\nCD\r\nTUNER\r\nAUX\r\nRemote input\r\n");
    EXPECT_EQ(names.unitCaption(1) + names.unitCaption(16), "Unit (1)Unit (16)");

    const std::string longName(60, 'L');
    write("unit.txt", "Desk 1\nSecond\r\nFront desk\n" + longName + "\nAfter long\n" + std::string("Nul\0tail\n", 9)
                          + "Mid\rCR\r\nLast");
    write("zone.txt", lines("Z", 40));
    ASSERT_TRUE(names.loadNames().ok);
    EXPECT_EQ(names.unitCaption(3), "Front desk (3)");
    // "Last" has no line end and loses nothing; fewer lines than entries: the rest keep their names.
    EXPECT_EQ(std::vector(names.units.begin() + 3, names.units.begin() + 9),
              (std::vector<std::string>{longName.substr(0, 48), "After long", "Nul", "Mid\rCR", "Last", "Unit"}));
    EXPECT_EQ(names.zones[35], "Z36");

    names.units[8] = "Trailing   ";
    names.units[9] = "   ";
    names.zones[0] = "Two\nlines";
    ASSERT_TRUE(names.saveUnitNames().ok);
    ASSERT_TRUE(names.saveZoneNames().ok);
    EXPECT_EQ(read("unit.txt").substr(0, 28), "Desk 1\r\nSecond\r\nFront desk\r\n");
    EXPECT_NE(read("unit.txt").find("\r\nLast\r\nTrailing\r\n\r\nUnit\r\n"), std::string::npos);
    EXPECT_EQ(read("zone.txt"), "Two lines\r\n" + lines("Z", 36).substr(4)); // the extra lines are gone
    EXPECT_EQ(names.unitCaption(9), "Trailing    (9)");                      // in force until the next start
}

TEST_F(NameTablesTest, FailuresKeepTheNamesInForceAndSayWhich)
{
    std::filesystem::create_directory(path("zone.txt"));
    write("input.txt", "Door\n");
    NameTables names(dir());
    const FileResult r = names.loadNames();
    EXPECT_NE(r.error.find("zone.txt: "), std::string::npos) << r.error;
    EXPECT_EQ(names.zones[0], "Zone 1");
    EXPECT_EQ(names.inputs[0], "Door"); // the other tables still load

    // A pipe is refused at once, never waited on, and stays a pipe.
    std::filesystem::remove(path("unit.txt"));
    ASSERT_EQ(::mkfifo(path("unit.txt").c_str(), 0666), 0);
    EXPECT_EQ(names.loadUnitNames().error, path("unit.txt") + ": not a regular file");
    EXPECT_EQ(names.units[0], "Unit");
    EXPECT_TRUE(std::filesystem::is_fifo(path("unit.txt")));

    // A huge file costs no more than the table's lines.
    write("uscite.txt", "Bell\n");
    std::filesystem::resize_file(path("uscite.txt"), std::uintmax_t(1) << 30);
    ASSERT_TRUE(names.loadOutputNames().ok);
    EXPECT_EQ(names.outputs[0], "Bell");

    NameTables nowhere(path("missing-folder"));
    EXPECT_FALSE(nowhere.loadUnitNames().ok);
    EXPECT_EQ(nowhere.units[0], "Unit");
}

TEST_F(NameTablesTest, LanguageListHoldsUpToTenWords)
{
    std::vector<std::string> languages{"stale"};
    EXPECT_EQ(NameTables::loadLanguageList(dir(), languages), 0);
    EXPECT_TRUE(languages.empty());

    std::filesystem::create_directory(path("Language"));
    write("Language/Lingue.txt", "italiano english\r\n" + std::string(70, 'w') + "\n a b c d e f g h i j");
    EXPECT_EQ(NameTables::loadLanguageList(dir(), languages), 10);
    EXPECT_EQ(languages[1], "english");
    EXPECT_EQ(languages[2], std::string(51, 'w'));
    EXPECT_EQ(languages[9], "g");
}
