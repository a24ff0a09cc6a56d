// What the history says each master holds, the Download preview's text and the site's
// overview of masters 0..5.

#include "history/MasterHoldings.h"
#include "FileFixture.h"

namespace q7582 {
namespace {

ConfigImage imageWith(Byte at100)
{
    ConfigImage image;
    image.bytes.fill(0);
    image.bytes[100] = at100;
    return image;
}

class Holdings : public FileFixture {
protected:
    ConfigHistory history{dir()};
    void record(Byte fill, int master, HistoryDirection direction, bool partial, int day) const
    {
        const QDateTime at(QDate(2026, 10, day), QTime(9, 0));
        ASSERT_TRUE(history.record(imageWith(fill), master, direction, partial, at).added);
    }
    std::vector<HistoryEntry> list() const
    {
        std::vector<HistoryEntry> entries;
        EXPECT_TRUE(history.list(entries).ok);
        return entries;
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
    EXPECT_EQ(downloadPreviewText(1, holds, 4),
              "Download: 4 differences from what master 1 holds (its Upload of 03/10/2026)");
    EXPECT_EQ(downloadPreviewText(1, holds, 1),
              "Download: 1 difference from what master 1 holds (its Upload of 03/10/2026)");
    EXPECT_EQ(downloadPreviewText(1, holds, 0), "The master already holds this configuration");

    record(4, 1, D::Download, true, 5);
    holds = whatMasterHolds(history, 1);
    EXPECT_FALSE(holds.entry);
    EXPECT_EQ(holds.unknownReason, "The last Download to master 1 was cut short: what it holds is unknown.");
    EXPECT_EQ(downloadPreviewText(1, holds, 0), "");

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

} // namespace
} // namespace q7582
