#include "EditorFixture.h"

#include <QAction>
#include <QRandomGenerator>

#include <tuple>

namespace q7582 {
namespace {

using EditorUndo = EditorFixture;

struct Seen {
    ConfigImage image;
    bool modified;
};

// Records the pages repair on showing them, so that the walk meets repairs as well as edits.
void plantRepairs(ConfigImage& image, QRandomGenerator& random)
{
    for (int i = 0; i < 12; ++i) {
        image.key(int(random.bounded(16)), int(random.bounded(39))).setMessageNumber(200);
        image.messageEvent(int(random.bounded(1, 128))).setOutputEvent(99);
        image.outEvent(int(random.bounded(1, 64))).data()[0x1E] = 0x55;
    }
    image.vox(2).setVoxPriority(0);
}

// A seeded walk of clicks, row toggles and selections over every page; after each undo and
// redo the working copy and the modified flag are those seen at that point of the walk, and
// showing the page again changes nothing.
TEST_F(EditorUndo, RandomWalkUndoesAndRedoesEveryStepByteForByte)
{
    QRandomGenerator random(7582);
    plantRepairs(image, random);
    form->prepareShow();
    std::vector<Seen> seen{{work(), modified()}};
    // The lists of each page, as only those of the page shown can be used.
    const std::vector<std::vector<const char*>> lists{{"CBUnit", "CBKey"}, {"CBVox"},   {"CBMsg1"},
                                                      {"CBOut"},           {"CBTimer"}, {}};
    for (int action = 0; action < 260; ++action) {
        const int shownPage = child<QTabWidget>("Page")->currentIndex();
        const auto& shown = lists[std::size_t(shownPage)];
        const int what = int(random.bounded(8));
        if (what == 0)
            page(int(random.bounded(6)));
        else if (what == 1 && !shown.empty()) {
            auto* list = child<QComboBox>(shown[random.bounded(int(shown.size()))]);
            list->setCurrentIndex(int(random.bounded(list->count())));
        } else if (what == 2)
            press(cell(QStringLiteral("ZoneRow%1").arg(random.bounded(6))));
        else if (what == 3 && shownPage == PageInOut)
            press(cell(QStringLiteral("InCell%1").arg(random.bounded(36))));
        else if (what > 3 && shownPage <= PageOutEvents)
            press(cell(QStringLiteral("ZoneCell%1_%2").arg(random.bounded(6)).arg(random.bounded(36))));
        QCoreApplication::processEvents();
        if (!(work() == seen.back().image))
            seen.push_back({work(), modified()});
        ASSERT_EQ(form->history().undoDepth(), int(seen.size()) - 1) << "action " << action;
    }
    const int steps = int(seen.size()) - 1;
    ASSERT_GE(steps, 100);
    ASSERT_LE(steps, EditHistory::Depth);

    const auto expectShown = [&](int at, const char* how) {
        ASSERT_TRUE(work() == seen[std::size_t(at)].image) << how << " to step " << at;
        EXPECT_EQ(modified(), seen[std::size_t(at)].modified) << how << " to step " << at;
        form->pageChanged(child<QTabWidget>("Page")->currentIndex());
        QCoreApplication::processEvents();
        ASSERT_TRUE(work() == seen[std::size_t(at)].image) << "showing the page again repaired at step " << at;
    };
    for (int at = steps - 1; at >= 0; --at) {
        form->undo();
        expectShown(at, "undo");
    }
    EXPECT_FALSE(child<QPushButton>("UndoButton")->isEnabled());
    form->showModifiedState();
    EXPECT_EQ(child<QLabel>("StatusPanel0")->text(), "Original configuration");
    for (int at = 1; at <= steps; ++at) {
        form->redo();
        expectShown(at, "redo");
    }
    EXPECT_FALSE(child<QPushButton>("RedoButton")->isEnabled());
}

TEST_F(EditorUndo, ButtonsNameTheStepAndUndoingToTheStartAsksNothing)
{
    form->prepareShow();
    child<QComboBox>("CBKey")->setCurrentIndex(2);
    press(cell("ZoneCell1_13"));
    QCoreApplication::processEvents();
    const QString step = QString::fromStdString(workspace.names().unitCaption(1)) + ", Key/input 3: Master 1 zones ";
    EXPECT_EQ(child<QPushButton>("UndoButton")->toolTip().toStdString(),
              ("Undo: " + step + "+14 (Ctrl+Z)").toStdString());

    page(PageVox);
    press(cell("ZoneRow0")); // a whole row is one step
    QCoreApplication::processEvents();
    QString cleared = "Undo: VOX1: Master 0 zones";
    for (int z = 1; z <= 36; ++z)
        cleared += QStringLiteral(" −%1").arg(z);
    EXPECT_EQ(child<QPushButton>("UndoButton")->toolTip().toStdString(), (cleared + " (Ctrl+Z)").toStdString())
        << "the row of a default VOX1, which pages every zone";

    child<QAction>("UndoKey")->trigger();
    child<QAction>("UndoKey")->trigger();
    EXPECT_EQ(std::tuple(child<QTabWidget>("Page")->currentIndex(), child<QComboBox>("CBKey")->currentIndex()),
              std::tuple(int(PageUnits), 2))
        << "the undone zone's page and key come back into view";
    EXPECT_TRUE(work() == image && !modified());
    EXPECT_TRUE(form->confirmClose());
    EXPECT_EQ(dialogs.saveQuestions, 0);
    EXPECT_EQ(child<QPushButton>("RedoButton")->toolTip().toStdString(),
              ("Redo: " + step + "+14 (Ctrl+Shift+Z, Ctrl+Y)").toStdString());

    child<QAction>("RedoKey")->trigger();
    press(cell("ZoneCell0_0")); // a new edit drops what could be redone
    QCoreApplication::processEvents();
    EXPECT_FALSE(child<QPushButton>("RedoButton")->isEnabled());
    EXPECT_TRUE(modified());
}

} // namespace
} // namespace q7582
