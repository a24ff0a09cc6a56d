// The history folder: entry names, what is stored and what is not, and how a folder
// holding anything lists.

#include "FileFixture.h"
#include "history/HistoryRows.h"
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
    EXPECT_EQ(list().size(), 7u);
    EXPECT_FALSE(fileExists(path("elsewhere.cfi")));
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

} // namespace
} // namespace q7582
