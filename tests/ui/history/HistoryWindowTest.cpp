// The history window on entries laid in the folder: listed with their differences,
// compared in the report viewer, opened as the configuration in memory.

#include "ui/history/HistoryWindow.h"
#include "../main/WindowFixture.h"
#include "ByteNamedFolder.h"
#include "ItalianWalk.h"
#include "program/SecondaryWindows.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/reports/ReportViewer.h"

#include <QTableWidget>
#include <QTextEdit>

namespace q7582::test {
namespace {

TEST_F(WindowTest, TheHistoryWindowListsComparesAndOpensEntries)
{
    ConfigImage older, newer;
    older.messageEvent(1).setMessageNumber(3);
    newer.messageEvent(1).setMessageNumber(4);
    ASSERT_TRUE(QDir(tmp.path()).mkdir("history"));
    write("history/2026-01-01_08.00.00_master-2_upload.cfi", bytesOf(older));
    write("history/2026-01-02_08.00.00_master-2_download.cfi", bytesOf(newer));
    write("history/2026-01-03_08.00.00_master-2_download.cfi", "not an image");
    HistoryWindow& history = *createSecondaryWindows(*window, *workspace).history;
    history.reload();
    auto* list = child<QTableWidget>(history, "HistoryList");
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(0, 4)->text() + ", " + list->item(1, 4)->text(), "unreadable, 1");
    const auto click = [&history](const char* name) { child<QAbstractButton>(history, name)->click(); };
    const auto shown = [this] { return window->reportViewer().richEdit()->toPlainText(); };

    list->selectAll(); // the unreadable entry cannot be chosen
    EXPECT_FALSE(child<QAbstractButton>(history, "HistoryOpen")->isEnabled());
    click("HistoryCompareEntries");
    EXPECT_TRUE(shown().contains("From: 2026-01-01_08.00.00_master-2_upload.cfi\nTo: 2026-01-02_08.00.00_master-2_"
                                 "download.cfi\n"))
        << shown().toStdString();
    EXPECT_TRUE(shown().contains(QString::fromUtf8("Message event 1: message 3 → 4")));

    list->selectRow(1);
    click("HistoryCompareMemory");
    EXPECT_TRUE(shown().contains("To: default configuration of master 0")) << shown().toStdString();
    acceptEdited(ConfigImage{}); // changed and not saved: Open asks first, and No keeps it
    click("HistoryOpen");
    EXPECT_EQ(dialogs.questions, QStringList{UnsavedReplaceQuestion});
    EXPECT_EQ(workspace->config(), ConfigImage{});
    dialogs.yeses = 1;
    click("HistoryOpen");
    EXPECT_EQ(workspace->config(), newer);
    EXPECT_EQ(workspace->provenance().currentFileName, path("history/2026-01-02_08.00.00_master-2_download.cfi"));
    EXPECT_EQ(std::tuple(configurationMaster(workspace->provenance()), caption(), history.result()),
              std::tuple(2, "Configuration from File", QDialog::Accepted));

    // The folder is made and shown by its bytes, also where they are not UTF-8.
    const ByteNamedFolder site(path("site\xff"));
    for (const std::string& folder : {tmp.path().toStdString(), site.path}) {
        Workspace there(folder);
        std::vector<QUrl> opened;
        HistoryWindow shown(there, window->reportViewer(), dialogs, window.get(), [&](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        child<QAbstractButton>(shown, "HistoryFolder")->click();
        ASSERT_EQ(opened.size(), 1u);
        const QByteArray opens = QByteArray::fromPercentEncoding(opened[0].toEncoded());
        EXPECT_EQ(opens.toStdString(), "file://" + folder + "/history");
        EXPECT_TRUE(isDirectory(folder + "/history"));
    }
    // A desktop that cannot show it is told.
    HistoryWindow refused(*workspace, window->reportViewer(), dialogs, window.get(), [](const QUrl&) { return false; });
    child<QAbstractButton>(refused, "HistoryFolder")->click();
    ASSERT_FALSE(dialogs.warnings.empty());
    EXPECT_TRUE(dialogs.warnings.back().second.startsWith("The file manager could not open "));
    expectShownInItalian(
        [&] { return shownWindow(std::make_unique<HistoryWindow>(*workspace, window->reportViewer(), dialogs)); });
}

} // namespace
} // namespace q7582::test
