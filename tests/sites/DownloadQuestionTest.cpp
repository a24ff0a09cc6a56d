// The Download's one box beyond what the window's tests click through: both objections
// at once, a master that holds it already, an entry that cannot be read.

#include "sites/DownloadQuestion.h"
#include "FileFixture.h"

namespace q7582 {
namespace {

using DownloadQuestions = FileFixture;
using A = DownloadAnswer;

TEST_F(DownloadQuestions, OneBoxNamesEveryFactAndAnObjectionMakesNoTheDefault)
{
    const ConfigHistory history(dir());
    ConfigImage image;
    ASSERT_TRUE(
        history.record(image, 1, HistoryDirection::Download, false, QDateTime(QDate(2026, 10, 1), QTime(9, 0))).added);
    write("history/2026-10-03_09.00.00_master-4_download.cfi", "short");
    Provenance p;
    p.origin = ConfigOrigin::OriginFile;
    p.fileMaster = 2;
    p.originSiteFolder = "/sites/spa";
    p.originSiteName = "Spa";
    p.originSiteMaster = 2;
    const NameTables names;
    DownloadQuestion q = downloadQuestion({image, p, 1, "Hotel"}, history, names);
    EXPECT_EQ(q.text, "The master already holds this configuration\n\nThis configuration was read from master 2; the "
                      "connected master is 1. This configuration belongs to site Spa (master 2); the open site is "
                      "Hotel. Download anyway?");
    EXPECT_EQ(std::tuple(q.answers, q.defaultAnswer, answerText(A::No, q)),
              std::tuple(std::vector<A>{A::Download, A::No}, A::No, QString("No")));
    q = downloadQuestion({image, Provenance{}, 4, "Hotel"}, history, names);
    EXPECT_TRUE(q.text.startsWith("The newest history entry of master 4 cannot be read: ")) << q.text.toStdString();
    EXPECT_EQ(q.answers, (std::vector<A>{A::Download, A::ReadMasterFirst, A::No}));
}

} // namespace
} // namespace q7582
