// The history folder: entry names, what is stored and what is not, and how a folder
// holding anything lists.

#include "FileFixture.h"
#include "history/ConfigFiles.h"
#include "history/HistoryRows.h"
#include "history/MasterHoldings.h"
#include "history/RecentFiles.h"
#include "history/TransferHistory.h"

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {
namespace {

const QDateTime At(QDate(2026, 12, 7), QTime(9, 15, 2, 345));

ConfigImage imageOf(Byte fill)
{
    ConfigImage image;
    image.bytes.fill(fill);
    return image;
}

class History : public FileFixture {
protected:
    ConfigHistory history{dir()};
    std::vector<HistoryEntry> list() const
    {
        std::vector<HistoryEntry> entries;
        EXPECT_TRUE(history.list(entries).ok);
        return entries;
    }
    void put(const std::string& name, const std::string& bytes) const { write("history/" + name, bytes); }
};

TEST(HistoryName, NamesReadBackAndOtherNamesAreUnknown)
{
    for (const char* name : {"2026-12-07_09.15.02_master-1_upload.cfi", "2026-12-07_09.15.02_master-5_download.cfi",
                             "2026-12-07_09.15.02_master-0_download-partial_12.cfi"})
        EXPECT_EQ(historyFileName(parseHistoryFileName(name).value()), name); // throws when not read
    for (const char* name :
         {"2026-02-30_09.15.02_master-1_upload.cfi", "2026-12-07_24.00.00_master-1_upload.cfi",
          "2026-12-07_09.15.02_master-8_upload.cfi", "2026-12-07_09.15.02_master-1_upload-partial.cfi",
          "2026-12-07_09.15.02_master-1_upload_1.cfi", "2026-12-07_09.15.02_master-1_upload_02.cfi",
          "2026-12-07_09.15.02_master-1_upload.CFI", "2026-12-07_09.15.02_master-1_upload.cfi.bak", "site.cfi"})
        EXPECT_FALSE(parseHistoryFileName(name)) << name;
}

// An image like the newest of its master and direction is not stored again; anything
// else is, under a name of its own even within one second.
TEST_F(History, RecordsOnlyWhatTheNewestOfItsMasterAndDirectionDoesNotHold)
{
    using D = HistoryDirection;
    // image fill, master, direction, partial; the name it is kept under and whether it was added
    const std::tuple<Byte, int, D, bool, const char*, bool> steps[] = {
        {1, 1, D::Upload, false, "2026-12-07_09.15.02_master-1_upload_2.cfi", true},
        {1, 1, D::Upload, false, "2026-12-07_09.15.02_master-1_upload_2.cfi", false},
        {1, 2, D::Upload, false, "2026-12-07_09.15.02_master-2_upload_3.cfi", true},
        {1, 1, D::Download, true, "2026-12-07_09.15.02_master-1_download-partial_4.cfi", true},
        {1, 1, D::Download, false, "2026-12-07_09.15.02_master-1_download_5.cfi", true},
        {1, 1, D::Download, false, "2026-12-07_09.15.02_master-1_download_5.cfi", false},
        {2, 1, D::Upload, false, "2026-12-07_09.15.02_master-1_upload_6.cfi", true},
        {1, 1, D::Upload, false, "2026-12-07_09.15.02_master-1_upload_7.cfi", true},
    };
    // A name already there, even a dangling link's, is never written through.
    ASSERT_EQ(::mkdir(path("history").c_str(), 0777), 0);
    std::filesystem::create_symlink(path("elsewhere.cfi"), path("history/2026-12-07_09.15.02_master-1_upload.cfi"));
    for (const auto& [fill, master, direction, partial, kept, added] : steps) {
        const HistoryWrite w = history.record(imageOf(fill), master, direction, partial, At);
        EXPECT_EQ(std::tuple(w.result.ok, w.fileName, w.added), std::tuple(true, kept, added)) << w.result.error;
        EXPECT_EQ(read("history/" + w.fileName), std::string(ConfigImage::Size, char(fill)));
    }
    EXPECT_EQ(std::tuple(list().size(), fileExists(path("elsewhere.cfi"))), std::tuple(7u, false));
}

// Whatever lies in the folder is listed, newest first; only images are read, and the
// differences count from the previous readable entry of the same master.
TEST_F(History, ListsEveryEntryWithItsDifferencesAndNeverLoadsANonImage)
{
    ConfigImage changed = imageOf(0);
    changed.messageEvent(5).setMessageNumber(9);
    changed.messageEvent(6).setMessageNumber(9);
    const auto bytes = [](const ConfigImage& i) { return std::string(i.bytes.begin(), i.bytes.end()); };
    ASSERT_EQ(::mkdir(path("history").c_str(), 0777), 0);
    put("2026-01-01_08.00.00_master-1_upload.cfi", bytes(imageOf(0)));
    put("2026-01-01_09.00.00_master-2_upload.cfi", bytes(changed));
    put("2026-01-02_08.00.00_master-1_download.cfi", std::string(100, '\0'));
    put("2026-01-03_08.00.00_master-1_download-partial.cfi", bytes(changed));
    put("site.cfi", bytes(changed));
    put(".qs7582-123-0", "a write cut short");
    ASSERT_EQ(::mkdir(path("history/2026-01-04_08.00.00_master-1_upload.cfi").c_str(), 0777), 0);
    ASSERT_EQ(::mkfifo(path("history/2026-01-05_08.00.00_master-1_upload.cfi").c_str(), 0666), 0);
    ASSERT_EQ(::symlink("loop.cfi", path("history/loop.cfi").c_str()), 0);

    QStringList lines;
    for (const HistoryEntry& e : list())
        lines << historyLine(historyRow(e));
    const QStringList expected{
        "05/01/2026 08:00.00  1  Upload             unreadable  2026-01-05_08.00.00_master-1_upload.cfi",
        "04/01/2026 08:00.00  1  Upload             unreadable  2026-01-04_08.00.00_master-1_upload.cfi",
        "03/01/2026 08:00.00  1  Download  partial           2  2026-01-03_08.00.00_master-1_download-partial.cfi",
        "02/01/2026 08:00.00  1  Download           unreadable  2026-01-02_08.00.00_master-1_download.cfi",
        "01/01/2026 09:00.00  2  Upload                      -  2026-01-01_09.00.00_master-2_upload.cfi",
        "01/01/2026 08:00.00  1  Upload                      -  2026-01-01_08.00.00_master-1_upload.cfi",
        "unknown              -  -                           -  site.cfi",
        "unknown              -  -                  unreadable  loop.cfi"};
    EXPECT_EQ(lines, expected);
}

// A history that cannot be written is told at the first failure only, until a write
// succeeds again; a Download is kept from its start, as partial when it is cut.
TEST_F(History, AFailingHistoryIsToldOnceAndACutDownloadIsKeptAsPartial)
{
    TransferHistory transfers(history);
    write("history", "a file where the folder should be");
    EXPECT_TRUE(transfers.uploadCompleted(imageOf(1), 1, At).tell);
    EXPECT_FALSE(transfers.uploadCompleted(imageOf(2), 1, At).tell);
    EXPECT_FALSE(transfers.downloadEnded(true, At)); // none running
    ASSERT_EQ(::unlink(path("history").c_str()), 0);

    transfers.downloadStarting(imageOf(3), 4);
    const std::optional<TransferHistory::Recorded> cut = transfers.downloadEnded(false, At);
    ASSERT_TRUE(cut && cut->write.added);
    EXPECT_EQ(cut->write.fileName, "2026-12-07_09.15.02_master-4_download-partial.cfi");
    EXPECT_EQ(read("history/" + cut->write.fileName), std::string(ConfigImage::Size, '\3'));

    ASSERT_EQ(std::filesystem::remove_all(path("history")), 2u);
    write("history", "");
    EXPECT_TRUE(transfers.uploadCompleted(imageOf(1), 1, At).tell); // told again after a success
}

// What the history says each master holds, the Download preview's text and the site's
// overview of masters 0..5.
class Holdings : public History {
protected:
    void record(Byte fill, int master, HistoryDirection direction, bool partial, int day) const
    {
        const QDateTime when(QDate(2026, 10, day), QTime(9, 0));
        ASSERT_TRUE(history.record(imageOf(fill), master, direction, partial, when).added);
    }
};

// The newest entry of the master decides: a complete one is held, a cut Download or an
// unreadable file makes it unknown, and another master's entries never count.
TEST_F(Holdings, TheNewestCompleteEntryOfThatMasterIsWhatItHolds)
{
    using D = HistoryDirection;
    EXPECT_EQ(whatMasterHolds(history, 1).unknownReason, "The history holds nothing of master 1.");

    record(1, 1, D::Download, false, 1);
    record(2, 1, D::Upload, false, 3);
    record(3, 2, D::Upload, false, 4);
    write("history/2026-10-09 notes.cfi", "a name the history did not give: no master's"); // newest by name
    MasterHolds holds = whatMasterHolds(history, 1);
    ASSERT_TRUE(holds.entry);
    EXPECT_EQ(holds.entry->fileName, "2026-10-03_09.00.00_master-1_upload.cfi");
    for (const auto& [count, differences] : {std::pair{4, "4 differences"}, {1, "1 difference"}})
        EXPECT_EQ(downloadPreviewText(1, holds, count),
                  QString("Download: %1 from what master 1 holds (its Upload of 03/10/2026)").arg(differences));
    EXPECT_EQ(downloadPreviewText(1, holds, 0), "The master already holds this configuration");

    record(4, 1, D::Download, true, 5);
    holds = whatMasterHolds(history, 1);
    EXPECT_EQ(std::tuple(bool(holds.entry), holds.unknownReason, downloadPreviewText(1, holds, 0)),
              std::tuple(false, "The last Download to master 1 was cut short: what it holds is unknown.", ""));

    write("history/2026-10-06_09.00.00_master-2_download.cfi", "short");
    holds = whatMasterHolds(history, 2);
    EXPECT_FALSE(holds.entry);
    EXPECT_TRUE(holds.unknownReason.startsWith("The newest history entry of master 2 cannot be read: "))
        << holds.unknownReason.toStdString();

    write("site", "a file where a site's folder belongs");
    EXPECT_TRUE(whatMasterHolds(ConfigHistory(path("site")), 0).unknownReason.startsWith("The history cannot be read"));
}

TEST_F(Holdings, TheOverviewShowsMastersZeroToFiveWithTheirNewestUploadAndDownload)
{
    using D = HistoryDirection;
    record(1, 1, D::Upload, false, 1);
    record(2, 1, D::Download, false, 2);
    record(2, 1, D::Upload, false, 3); // newer, the same bytes as the Download
    record(5, 3, D::Download, true, 4);
    record(6, 3, D::Upload, false, 5);
    record(7, 7, D::Upload, false, 6); // past the six masters of a site
    write("history/2026-10-07_09.00.00_master-4_upload.cfi", "short");
    write("history/2026-10-07_09.00.00_master-4_download.cfi", std::string(ConfigImage::Size, '\0'));

    const std::vector<MasterOverviewRow> rows = siteOverview(history, list());
    ASSERT_EQ(rows.size(), 6u);
    for (int m = 0; m < 6; ++m)
        EXPECT_EQ(rows[std::size_t(m)].master, m);
    EXPECT_FALSE(rows[0].newestUpload || rows[0].newestDownload || rows[0].differences);
    ASSERT_TRUE(rows[1].newestUpload && rows[1].newestDownload);
    EXPECT_EQ(rows[1].newestUpload->fileName, "2026-10-03_09.00.00_master-1_upload.cfi");
    EXPECT_EQ(rows[1].differences, 0);
    ASSERT_TRUE(rows[3].newestDownload);
    EXPECT_TRUE(rows[3].newestDownload->name->partial);
    EXPECT_GT(rows[3].differences.value_or(0), 0);
    EXPECT_FALSE(rows[4].differences); // its Upload cannot be read
}

// The site's recent files and what a drop on the window names.
using Recent = FileFixture;

TEST_F(Recent, NewestFirstOnceEachKeptByteForByteAndCappedAndADropNamesOneLocalRegularFile)
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

    write("site.cfi", std::string(32768, '\0'));
    ASSERT_EQ(mkdir(path("folder.cfi").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo(path("pipe.cfi").c_str(), 0600), 0);
    const QUrl file = QUrl::fromLocalFile(at("site.cfi"));

    EXPECT_EQ(droppedConfigFile({file}).path, path("site.cfi"));
    EXPECT_EQ(droppedConfigFile({file, file}).refusal, "Drop one configuration file at a time: 2 were dropped.");
    EXPECT_TRUE(droppedConfigFile({QUrl("https://example.org/a.cfi")}).refusal.startsWith("Only a file on this"));
    EXPECT_TRUE(droppedConfigFile({QUrl::fromLocalFile(at("folder.cfi"))})
                    .refusal.endsWith("folder.cfi is a folder: drop the configuration file itself."));
    const DroppedFile pipe = droppedConfigFile({QUrl::fromLocalFile(at("pipe.cfi"))});
    EXPECT_TRUE(pipe.path.empty() && pipe.refusal.contains("not a regular file")) << pipe.refusal.toStdString();

    // A name that is not UTF-8 arrives percent-encoded and reaches its own bytes.
    const QUrl encoded =
        QUrl::fromEncoded("file://" + QByteArray::fromStdString(dir()).toPercentEncoding("/") + "/caf%E9.cfi");
    EXPECT_EQ(droppedConfigFile({encoded}).path, dir() + "/caf\xE9.cfi");
}

} // namespace
} // namespace q7582
