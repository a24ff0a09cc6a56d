#include "EditorFixture.h"

#include "ui/config/TimerRules.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

namespace q7582 {
namespace {

class TimerPageTest : public EditorFixture {
protected:
    TimerEventRecord timer() { return work().timer(form->session().selectedTimer + 1); }

    // A valid timer 1 in the image, periodic when a period is given.
    void prepare(QTime start, std::uint16_t period = 0, std::uint32_t duration = 0)
    {
        TimerEventRecord r = image.timer(1);
        writeStart(r, QDate(2026, 3, 14), start);
        r.setPriority(4);
        r.setPeriodSeconds(period);
        r.setDurationSeconds(duration);
    }
    void showTimers()
    {
        form->prepareShow();
        page(PageTimers);
    }
    void reshow() // without saving
    {
        dialogs.saveAnswers = {SaveAnswer::No};
        form->confirmClose();
        showTimers();
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QString text(const char* name) { return child<QLabel>(name)->text(); }
};

TEST_F(TimerPageTest, ShowingAnAllZeroTimerRepairsDateAndPriorityAndShowsItOneTimeAndOff)
{
    image.timer(1).setFlags(0x80); // enabled, but with nothing to do
    showTimers();
    const Byte* s = timer().start();
    EXPECT_EQ(std::vector<Byte>(s, s + 7), (std::vector<Byte>{0x15, 0x30, 0x08, 0x07, 0x06, 0x12, 0x26}));
    EXPECT_EQ(timer().priority(), 1);
    EXPECT_FALSE(timer().enabled());
    EXPECT_TRUE(modified());
    EXPECT_EQ(child<QTimeEdit>("DTPtime")->time(), QTime(8, 30, 15));
    EXPECT_EQ(text("SToe"), "None");
    EXPECT_TRUE(child<QRadioButton>("RBoneTime")->isChecked());
    EXPECT_EQ(button("SpeedButton9")->text(), "Off");
}

TEST_F(TimerPageTest, BothEdgeBitsShowRisingAndKeepOnlyItsBitAndEdgeButtonsExcludeEachOther)
{
    prepare(QTime(10, 0, 0));
    image.timer(1).setFlags(0x34 | 0x48); // bits 3 and 6 are the device's
    showTimers();
    EXPECT_TRUE(button("SBsuT")->isChecked() && !button("SBgiuT")->isChecked());
    EXPECT_EQ(timer().flags(), 0x14 | 0x48);
    EXPECT_FALSE(modified());
    button("SBgiuT")->click();
    EXPECT_FALSE(button("SBsuT")->isChecked());
    EXPECT_EQ(timer().transition(), 2);
    EXPECT_TRUE(modified());
}

TEST_F(TimerPageTest, PeriodDialogBoundFollowsTheStartTimeAndCancelEndsIt)
{
    prepare(QTime(8, 0, 0), 60, 15 * 3600);
    showTimers();
    EXPECT_TRUE(button("SBrepeat")->isChecked());
    EXPECT_EQ(child<QTimeEdit>("DTPstop")->time(), QTime(23, 0, 0));
    dialogs.answers = {QString("43201"), QString("5"), QString("43200")};
    press(child("STint"));
    EXPECT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[0], "60");
    EXPECT_EQ(timer().periodSeconds(), 43200);

    child<QTimeEdit>("DTPtime")->setTime(QTime(20, 0, 0)); // still before the 23:00 stop
    EXPECT_EQ(timer().durationSeconds(), 3u * 3600);
    dialogs.answers = {QString("14400"), QString()}; // the pre-filled 43200 is over 14399 now
    press(child("STint"));
    EXPECT_EQ(dialogs.asked.size(), 5u);
    EXPECT_EQ(timer().periodSeconds(), 43200);
    dialogs.answers = {QString("14399")};
    press(child("STint"));
    EXPECT_EQ(timer().periodSeconds(), 14399);
}

TEST_F(TimerPageTest, PeriodicToggleNearMidnightStaysNonPeriodic)
{
    prepare(QTime(23, 59, 30));
    showTimers();
    button("SBrepeat")->click();
    EXPECT_FALSE(button("SBrepeat")->isChecked());
    EXPECT_EQ(timer().periodSeconds(), 0);
    EXPECT_EQ(timer().durationSeconds(), 0u);

    prepare(QTime(12, 0, 0));
    reshow();
    button("SBrepeat")->click();
    EXPECT_EQ(timer().periodSeconds(), 60);
    EXPECT_EQ(child<QTimeEdit>("DTPstop")->time(), QTime(12, 1, 0));
}

TEST_F(TimerPageTest, StartAndStopTimesThatContradictAreRefusedAndPutBack)
{
    prepare(QTime(10, 0, 0), 600, 3600);
    showTimers();
    ASSERT_FALSE(modified());
    auto* start = child<QTimeEdit>("DTPtime");
    auto* stop = child<QTimeEdit>("DTPstop");
    start->setTime(QTime(11, 0, 0));
    EXPECT_EQ(start->time(), QTime(10, 0, 0));
    stop->setTime(QTime(9, 0, 0));
    EXPECT_EQ(stop->time(), QTime(11, 0, 0));
    using Box = test::ScriptedDialogs::Box;
    EXPECT_EQ(dialogs.warnings,
              (std::vector<Box>{{"", "Invalid 'Start event time' (must be lower than 'Stop time')"},
                                {"", "Invalid 'Stop time' (must be higher than 'Start event time')"}}));
    EXPECT_FALSE(modified());

    stop->setTime(QTime(12, 0, 0));
    start->setTime(QTime(10, 30, 0));
    EXPECT_EQ(timer().durationSeconds(), 5400u);
    EXPECT_EQ(startTime(timer()), QTime(10, 30, 0));
    child<QDateEdit>("DTPday")->setDate(QDate(2027, 1, 1)); // a Friday
    EXPECT_EQ(timer().start()[Bcd::Weekday], 0x05);
    EXPECT_EQ(timer().start()[Bcd::Year], 0x27);
    EXPECT_TRUE(modified());
}

TEST_F(TimerPageTest, SlotsAreRewrittenOnlyWhenAnInvalidValueWasFound)
{
    prepare(QTime(10, 0, 0));
    image.timer(1).setMessageEvent(0, 5);
    image.timer(1).setMessageEvent(2, 9);
    showTimers();
    auto* list = child<QListWidget>("ListBox2");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Message event 9");
    EXPECT_EQ(timer().messageEvent(1), 0); // valid: left as it is
    EXPECT_FALSE(modified());

    image.timer(1).setMessageEvent(1, 200);
    reshow();
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(timer().messageEvent(1) * 100 + timer().messageEvent(2), 900);
    EXPECT_TRUE(modified());
}

TEST_F(TimerPageTest, AddingAndRemovingMessageEventsAndTheEnableRule)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    button("SpeedButton9")->click(); // nothing to do: stays off, not an edit
    EXPECT_FALSE(button("SpeedButton9")->isChecked() || timer().enabled() || modified());
    EXPECT_EQ(button("SpeedButton9")->text(), "Off");

    auto* all = child<QListWidget>("ListBox1");
    auto* chosen = child<QListWidget>("ListBox2");
    for (int e : {19, 21})
        all->item(e)->setSelected(true);
    button("Button2")->click();
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(timer().messageEvent(1), 22);
    EXPECT_TRUE(modified());

    button("SpeedButton9")->click();
    EXPECT_TRUE(timer().enabled());
    chosen->selectAll();
    button("Button1")->click();
    EXPECT_EQ(chosen->count(), 0);
    EXPECT_EQ(timer().messageEvent(0), 0);
    EXPECT_FALSE(timer().enabled());
}

TEST_F(TimerPageTest, RepeatKindsDayButtonsAndPriority)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    EXPECT_EQ(child<QComboBox>("CBpty")->currentText(), "4");
    child<QComboBox>("CBpty")->setCurrentIndex(6);
    EXPECT_EQ(timer().priority(), 7);
    child<QRadioButton>("RBweekly")->click();
    EXPECT_EQ(timer().repeatDays(), 1);
    button("SpeedButton3")->click();
    EXPECT_EQ(timer().repeatDays(), 0x05);
    button("SpeedButton1")->click();
    button("SpeedButton3")->click();
    EXPECT_EQ(timer().repeatDays(), 0);
    EXPECT_TRUE(child<QRadioButton>("RBweekly")->isChecked()); // until shown again
    child<QRadioButton>("RBdaily")->click();
    EXPECT_EQ(timer().repeatDays(), 0x7F);
}

void setStart(TimerEventRecord r, int h, int m, int s) { writeStart(r, QDate(2026, 3, 14), QTime(h, m, s)); }

TEST(TimerStart, InvalidFieldsAreReplacedByNowWithWeekdayAndBcd)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(1);
    const QDateTime now(QDate(2031, 12, 7), QTime(21, 5, 9)); // a Sunday
    EXPECT_TRUE(repairStart(r, now));                         // all zero: day, month and weekday 0
    const Byte* s = r.start();
    EXPECT_EQ(std::vector<Byte>(s, s + 7), (std::vector<Byte>{0x09, 0x05, 0x21, 0x07, 0x07, 0x12, 0x31}));
    EXPECT_FALSE(repairStart(r, now.addDays(1))); // valid now: left alone

    // 31 February passes every field check but is no date: treated as invalid.
    r.start()[Bcd::Day] = 0x31;
    r.start()[Bcd::Month] = 0x02;
    EXPECT_TRUE(repairStart(r, now));
    // A nibble above 9 is no BCD digit even when tens*10+units is in range.
    r.start()[Bcd::Second] = 0x1A;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    r.start()[Bcd::Second] = 0x59;
    r.start()[Bcd::Weekday] = 0x08;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
}

TEST(TimerPeriod, SettlingForcesSixtySecondsOrMakesTheTimerNonPeriodic)
{
    EXPECT_EQ(periodUpperBound(8 * 3600), 43200);
    EXPECT_EQ(periodUpperBound(20 * 3600), 14399);
    ConfigImage image;
    TimerEventRecord r = image.timer(5);
    setStart(r, 10, 0, 0);
    r.setPeriodSeconds(600);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 60u);
    r.setDurationSeconds(7200);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 7200u);
    r.setPeriodSeconds(5);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 0u);

    // 23:59:10 allows a 20 s period, but the forced minute would pass midnight.
    setStart(r, 23, 59, 10);
    r.setPeriodSeconds(20);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.periodSeconds(), 0);
    EXPECT_EQ(r.durationSeconds(), 0u);
}

TEST(TimerFlags, RepeatDaysAndPriorityAreRepaired)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(2);
    r.setRepeatDays(0xFF);
    EXPECT_EQ(settleRepeatDays(r), 0x7F);
    EXPECT_TRUE(repairTimerPriority(r) && !repairTimerPriority(r));
}

TEST(TimerSlots, ScanSkipsZerosRemembersInvalidAndRewritePacks)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(127);
    r.setMessageEvent(0, 5);
    r.setMessageEvent(2, 9);
    r.setMessageEvent(1, 200);
    const SlotScan scan = scanSlots(r);
    EXPECT_TRUE(scan.hadInvalid);
    rewriteSlots(r, scan.events);
    const Byte* slot = r.data() + TimerEventRecord::MessageEvents;
    EXPECT_EQ(std::vector<Byte>(slot, slot + 16), (std::vector<Byte>{5, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(image.bytes[ConfigImage::VoxAt], 0); // nothing past the last record

    const std::vector<int> added = addToSelection(std::vector<int>(15, 1), {3, 4, 5});
    EXPECT_EQ(added.size(), 16u);
    EXPECT_EQ(added.back(), 3);
    EXPECT_EQ(addToSelection({7}, {7}), (std::vector<int>{7, 7})); // a repeat is added again
}

} // namespace
} // namespace q7582
