// A rewrite of a file the manager keeps replaces it through a temporary file: the
// permission bits the user gave the old file must survive the rename.

#include "history/ConfigFiles.h"
#include "settings/NameTables.h"
#include "settings/SettingsFile.h"

#include "FileFixture.h"

#include <sys/stat.h>

using namespace q7582;

using KeptPermissions = FileFixture;

namespace {

unsigned modeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

TEST_F(KeptPermissions, SettingsNamesAndConfigurationFilesKeepTheirModeOnARewrite)
{
    SettingsFile settings(dir());
    ASSERT_TRUE(settings.loadSettings().ok); // creates the file
    NameTables names(dir());
    ASSERT_TRUE(names.loadNames().ok);
    ConfigImage image;
    ASSERT_TRUE(writeConfigFile(path("plan.cfi"), image).ok);
    for (const char* file : {SettingsFile::FileName, "unit.txt", "plan.cfi"})
        ASSERT_EQ(::chmod(path(file).c_str(), 0640), 0) << file;

    ASSERT_TRUE(settings.chooseHelpLanguage(true).ok);
    names.units[0] = "Desk";
    ASSERT_TRUE(names.saveUnitNames().ok);
    image.bytes[0] = 1;
    ASSERT_TRUE(writeConfigFile(path("plan.cfi"), image).ok);

    for (const char* file : {SettingsFile::FileName, "unit.txt", "plan.cfi"})
        EXPECT_EQ(modeOf(path(file)), 0640u) << file;
    EXPECT_EQ(read("unit.txt").substr(0, 6), "Desk\r\n"); // rewritten, not left alone
}
