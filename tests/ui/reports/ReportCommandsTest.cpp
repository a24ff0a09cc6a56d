#include "ui/reports/ReportCommands.h"
#include "ScriptedDialogs.h"
#include "link/LinkShared.h"
#include "reports/ReportGuards.h"
#include "ui/common/Workspace.h"
#include "ui/reports/ReportViewer.h"

#include <QTextEdit>
#include <gtest/gtest.h>

namespace q7582 {

using enum ConnectionState;

// The first line of a refusal: the check's caption.
QString caption(const std::optional<QString>& refusal) { return refusal ? refusal->section('\n', 0, 0) : "none"; }

// Without a master every report is refused: see the commands' test below.
TEST(ReportGuards, FirstFailingCheckGivesItsMessageAndWhatToDoNext)
{
    Provenance p;
    p.origin = ConfigOrigin::OriginFile;
    p.modified = true;
    p.uploadedMasterByte = 0x02;
    EXPECT_EQ(caption(statusReportRefusal(Searching)), "No master connected");
    EXPECT_EQ(statusReportRefusal(Connected), std::nullopt);

    EXPECT_EQ(configurationReportRefusal(Connected, p, 0x82),
              "Configuration not Uploaded\nA configuration report shows what the connected master holds: Upload "
              "its configuration (Config / Upload), then choose the report again.");
    p.origin = ConfigOrigin::OriginMaster;
    EXPECT_EQ(caption(configurationReportRefusal(Connected, p, 0x82)), "Configuration modified");
    p.modified = false;
    // The chime bit counts: switching the chime on makes the image another master's.
    EXPECT_EQ(caption(configurationReportRefusal(Connected, p, 0x82)),
              "Configuration is not uploaded from the connected master");
    EXPECT_EQ(configurationReportRefusal(Connected, p, 0x02), std::nullopt);
}

TEST(ReportCommands, RefusalLeavesTheViewerAloneAndSuccessShowsTheReport)
{
    LinkShared link;
    Workspace workspace;
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    const std::vector<test::ScriptedDialogs::Box>& boxes = dialogs.warnings;
    ReportCommands commands(link, workspace, viewer, dialogs, nullptr,
                            [] { return QDateTime(QDate(2024, 3, 5), QTime(8, 30, 15)); });

    commands.showStatusReport({});
    commands.showTimerReport();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].first + ": " + caption(boxes[0].second), "Status Report: No master connected");
    EXPECT_EQ(boxes[1].first + ": " + caption(boxes[1].second), "Configuration Report: No master connected");
    EXPECT_FALSE(viewer.isVisible());

    link.connectionState = Connected;
    link.withStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x83; });
    applyUploadCompleted(workspace.provenance(), 0x83, 0);
    commands.showIoCardReport();
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.width(), 800);
    EXPECT_EQ(viewer.richEdit()->document()->toPlainText().split('\n').last(), "NO I/O CARDS CONNECTED TO THE MASTER");
}

} // namespace q7582
