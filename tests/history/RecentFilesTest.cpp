// The site's recent files and what a drop on the window names.

#include "history/RecentFiles.h"
#include "FileFixture.h"
#include "history/ConfigFiles.h"

#include <sys/stat.h>

namespace q7582 {
namespace {

using Recent = FileFixture;

TEST_F(Recent, NewestFirstOnceEachKeptByteForByteAndCapped)
{
    RecentFiles recent(dir());
    EXPECT_TRUE(recent.names().empty());                   // no file yet
    const std::string latin1 = "/media/stick/caf\xE9.cfi"; // not UTF-8
    for (const std::string& name : {std::string("a.cfi"), latin1, std::string("/abs/b.cfi"), std::string("a.cfi")})
        ASSERT_TRUE(recent.add(name).ok);
    EXPECT_EQ(recent.names(), (std::vector<std::string>{"a.cfi", "/abs/b.cfi", latin1}));
    EXPECT_EQ(read(RecentFilesName), "a.cfi\r\n/abs/b.cfi\r\n" + latin1 + "\r\n");

    ASSERT_TRUE(recent.add("line\nbreak.cfi").ok); // cannot be a line: left out
    ASSERT_TRUE(recent.remove("/abs/b.cfi").ok);
    EXPECT_EQ(recent.names(), (std::vector<std::string>{"a.cfi", latin1}));

    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(recent.add("f" + std::to_string(i) + ".cfi").ok);
    const std::vector<std::string> names = recent.names();
    EXPECT_EQ(std::tuple(names.size(), names.front(), names.back()),
              std::tuple(RecentFiles::Kept, "f11.cfi", "f2.cfi"));

    // A list edited by hand: LF alone, blank lines, a repeated name and no last line end read
    // as one list, of the first names kept; no name is no entry.
    std::string edited = "x.cfi\n\ny.cfi\r\nx.cfi\n";
    for (int i = 0; i < 12; ++i)
        edited += "\ng" + std::to_string(i) + ".cfi";
    write(RecentFilesName, edited);
    ASSERT_TRUE(recent.add("").ok);
    const std::vector<std::string> read = recent.names();
    EXPECT_EQ(std::tuple(read.size(), read[0], read[1], read.back()),
              std::tuple(RecentFiles::Kept, "x.cfi", "y.cfi", "g" + std::to_string(RecentFiles::Kept - 3) + ".cfi"));
}

TEST_F(Recent, ADropNamesOneLocalRegularFileAndRefusesTheRest)
{
    write("site.cfi", std::string(32768, '\0'));
    ASSERT_EQ(mkdir(path("folder.cfi").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo(path("pipe.cfi").c_str(), 0600), 0);
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(path("site.cfi")));

    EXPECT_EQ(droppedConfigFile({file}).path, path("site.cfi"));
    EXPECT_EQ(droppedConfigFile({file, file}).refusal, "Drop one configuration file at a time: 2 were dropped.");
    EXPECT_TRUE(droppedConfigFile({QUrl("https://example.org/a.cfi")}).refusal.startsWith("Only a file on this"));
    EXPECT_TRUE(droppedConfigFile({QUrl::fromLocalFile(QString::fromStdString(path("folder.cfi")))})
                    .refusal.endsWith("folder.cfi is a folder: drop the configuration file itself."));
    const DroppedFile pipe = droppedConfigFile({QUrl::fromLocalFile(QString::fromStdString(path("pipe.cfi")))});
    EXPECT_TRUE(pipe.path.empty() && pipe.refusal.contains("not a regular file")) << pipe.refusal.toStdString();

    // A name that is not UTF-8 arrives percent-encoded and reaches its own bytes.
    const QUrl latin1 =
        QUrl::fromEncoded("file://" + QByteArray::fromStdString(dir()).toPercentEncoding("/") + "/caf%E9.cfi");
    EXPECT_EQ(droppedConfigFile({latin1}).path, dir() + "/caf\xE9.cfi");
}

} // namespace
} // namespace q7582
