// The live controls: buttons, the address and name dialogs, clock alignment.

#include "WindowFixture.h"
#include "ui/main/ClickLabel.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>

namespace q7582::test {
namespace {

using LiveControls = WindowTest;

// A names file's lines.
QStringList lines(const std::string& content)
{
    QStringList out = QString::fromStdString(content).split("\r\n");
    if (!out.isEmpty() && out.back().isEmpty())
        out.removeLast();
    return out;
}

TEST_F(LiveControls, MusicOnRemoteStaysOffWhileTheRemoteInputIsTheSource)
{
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::MusicSelect] = 0x80 | 4; }); // remote input, MoR on
    connectMaster();
    auto* mor = find<QPushButton>("SPMoR");
    EXPECT_EQ(mor->text(), "ON");
    mor->click(); // up
    mor->click(); // and down again: refused
    EXPECT_FALSE(mor->isChecked());
    EXPECT_EQ(mor->text(), "OFF");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(status().bytes[StatusBlock::MusicSelect], 4); // turned off on the master

    // With another source it switches on.
    setStatus([](StatusBlock& s) { s.setMusicSelect(1); });
    refresh();
    mor->click();
    EXPECT_EQ(mor->text(), "ON");
    EXPECT_TRUE(refreshWrites());
    EXPECT_TRUE(status().musicOnRemote());
}

TEST_F(LiveControls, ChimeAndSummerTimeFoldIntoTheirPages)
{
    connectMaster();
    find<QPushButton>("SPChime")->click();
    EXPECT_EQ(text("SPChime"), "ON");
    EXPECT_TRUE(refreshWrites());
    EXPECT_FALSE(takeClockWrite());
    EXPECT_TRUE(status().chimeEnabled());

    setStatus([](StatusBlock& s) {
        s.setMasterClock({2026, 12, 6, 8, 0, 0, 7});
        s.bytes[StatusBlock::WeekdaySummer] |= 0x40; // a bit the PC never changes
    });
    refresh();
    auto* legal = find<QPushButton>("SPLegalTime");
    EXPECT_EQ(legal->text(), "Disable summer legal time");
    legal->click();
    EXPECT_EQ(legal->text(), "Enable summer legal time");
    EXPECT_FALSE(refreshWrites());
    EXPECT_TRUE(takeClockWrite());
    EXPECT_EQ(status().bytes[StatusBlock::WeekdaySummer], 0x80 | 0x40 | 7);
}

TEST_F(LiveControls, AddressDialogAcceptsOnlyZeroToFive)
{
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x80 | 2; });
    connectMaster();
    dialogs.answers = {"6", "05", "a", "4"};
    doubleClick(find("STAddr"));
    EXPECT_EQ(dialogs.asked, QStringList(4, "2"));
    EXPECT_EQ(text("STAddr"), "4");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(status().addressChime(), 0x80 | 4);

    // The same address again, or a cancel, sends nothing.
    dialogs.answers = {"4"};
    doubleClick(find("STAddr"));
    doubleClick(find("STAddr"));
    EXPECT_FALSE(refreshWrites());

    // A cancel keeps even an address the dialog would refuse, and asks once.
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 7; });
    refresh();
    dialogs.asked.clear();
    doubleClick(find("STAddr"));
    EXPECT_EQ(dialogs.asked, QStringList{"7"});
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(status().addressChime(), 7);
}

TEST_F(LiveControls, ClockAlignmentWritesThePcTimeWithSundayAsSeven)
{
    setStatus([](StatusBlock& s) {
        s.setMasterClock({2026, 12, 6, 8, 0, 0, 7});
        s.setSummerTimeOff(true);
        s.bytes[StatusBlock::WeekdaySummer] |= 0x08; // cleared when the weekday is written
    });
    connectMaster();
    find<QPushButton>("SPTime")->click();
    EXPECT_FALSE(refreshWrites());
    EXPECT_TRUE(takeClockWrite());
    const StatusBlock sb = status();
    // second, minute, hour, summer-time bit and weekday, day, month, year
    const std::vector<Byte> expected{0x07, 0x08, 0x09, 0x80 | 7, 0x15, 0x03, 0x26};
    EXPECT_EQ(std::vector<Byte>(&sb.bytes[StatusBlock::MasterClock], &sb.bytes[StatusBlock::MasterClock + 7]),
              expected);
}

TEST_F(LiveControls, NamesAreAskedAgainUntilShortEnoughAndSaved)
{
    dialogs.answers = {QString(21, QLatin1Char('x')), "Reception desk"};
    doubleClick(find("UnitName3"));
    EXPECT_EQ(dialogs.asked, QStringList({"Unit", "Unit"})); // back with the old name
    EXPECT_EQ(text("UnitName3"), "Reception desk (3)");
    EXPECT_EQ(lines(read("unit.txt")).at(2), "Reception desk");

    // A zone rename rewrites the three grid files together.
    QFile::remove(dir.filePath("uscite.txt"));
    dialogs.answers = {"Hall"};
    doubleClick(find("ZoneCell5"));
    EXPECT_EQ(find("ZoneCell5")->toolTip(), "Hall");
    EXPECT_EQ(lines(read("zone.txt")).at(4), "Hall");
    EXPECT_EQ(lines(read("uscite.txt")).size(), 36);

    dialogs.answers = {"Garden"};
    doubleClick(find("InCell36"));
    EXPECT_EQ(find("InCell36")->toolTip(), "Garden");
    EXPECT_EQ(find("OutCell36")->toolTip(), "Out 36");

    // Cancel keeps the name.
    dialogs.answers = {};
    doubleClick(find("ZoneCell5"));
    EXPECT_EQ(find("ZoneCell5")->toolTip(), "Hall");

    // A music source renamed refills the selector; the remote input keeps its name.
    dialogs.answers = {"Radio"};
    doubleClick(find("LabelMusic3"));
    EXPECT_EQ(text("LabelMusic3"), "Radio");
    auto* combo = find<QComboBox>("CbMusicAtt");
    EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(2), "Radio");
    EXPECT_EQ(lines(read("musica.txt")).at(2), "Radio");
    dialogs.asked.clear();
    doubleClick(find("LabelMusic5"));
    EXPECT_TRUE(dialogs.asked.empty());
}

} // namespace
} // namespace q7582::test
