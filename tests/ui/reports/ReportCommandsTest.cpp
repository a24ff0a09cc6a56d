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

// The first failing check gives its message and what to do next; without a master every
// report is refused and the viewer is left alone. (The menu bar's test takes each refusal
// through the window.)
TEST(ReportCommands, TheFirstFailingCheckRefusesAndSuccessShowsTheReport)
{
    Provenance p;
    p.origin = ConfigOrigin::OriginFile;
    p.modified = true;
    p.uploadedMasterByte = 0x02;
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

    LinkShared link;
    Workspace workspace;
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    ReportCommands commands(link, workspace, viewer, dialogs, nullptr,
                            [] { return QDateTime(QDate(2024, 3, 5), QTime(8, 30, 15)); });
    link.connectionState = Searching;
    commands.showStatusReport({});
    commands.showTimerReport();
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(caption(dialogs.warnings[0].second) + caption(dialogs.warnings[1].second),
              "No master connectedNo master connected");
    EXPECT_FALSE(viewer.isVisible());

    link.connectionState = Connected;
    link.withStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x83; });
    applyUploadCompleted(workspace.provenance(), 0x83, 0);
    commands.showIoCardReport();
    EXPECT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.width(), 800);
    EXPECT_EQ(viewer.richEdit()->document()->toPlainText().split('\n').last(), "NO I/O CARDS CONNECTED TO THE MASTER");
}

} // namespace q7582
