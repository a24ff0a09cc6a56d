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
    TimerEventRecord timer() { return work().timer(form->session().SelectedTimer + 1); }

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
        form->FormShow();
        page(PageTimers);
    }
    // Closes without saving and shows the image again.
    void reshow()
    {
        dialogs->saveAnswers = {SaveAnswer::No};
        form->FormClose();
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
    EXPECT_EQ(child<QDateEdit>("DTPday")->date(), QDate(2026, 12, 6));
    EXPECT_EQ(child<QTimeEdit>("DTPtime")->time(), QTime(8, 30, 15));
    EXPECT_EQ(text("SToe"), "None");
    EXPECT_EQ(button("SBrepeat")->text(), "Set periodic event");
    EXPECT_FALSE(child("DTPstop")->isEnabled());
    EXPECT_EQ(text("STdateT"), "Event date");
    EXPECT_TRUE(child<QRadioButton>("RBoneTime")->isChecked());
    EXPECT_TRUE(child("Panel2")->isHidden());
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

TEST_F(TimerPageTest, PeriodDialogBoundDependsOnTheStartTime)
{
    prepare(QTime(8, 0, 0), 60, 3600);
    showTimers();
    EXPECT_TRUE(button("SBrepeat")->isChecked());
    EXPECT_EQ(text("STtimeT"), "Start event time");
    EXPECT_EQ(child<QTimeEdit>("DTPstop")->time(), QTime(9, 0, 0));
    dialogs->answers = {QString("43201"), QString("5"), QString("43200")};
    press(child("STint"));
    EXPECT_EQ(dialogs->asked.size(), 3u);
    EXPECT_EQ(dialogs->asked[0].title, "Change interval time");
    EXPECT_EQ(dialogs->asked[0].text, "60");
    EXPECT_EQ(timer().periodSeconds(), 43200);
}

TEST_F(TimerPageTest, AfterALaterStartTheBoundShrinksAndCancelEndsTheDialog)
{
    prepare(QTime(8, 0, 0), 43200, 15 * 3600);
    showTimers();
    child<QTimeEdit>("DTPtime")->setTime(QTime(20, 0, 0)); // still before the 23:00 stop
    EXPECT_EQ(timer().durationSeconds(), 3u * 3600);
    dialogs->asked.clear();
    dialogs->answers = {QString("14400"), std::nullopt}; // the pre-filled 43200 is over 14399 now
    press(child("STint"));
    EXPECT_EQ(dialogs->asked.size(), 2u);
    EXPECT_EQ(timer().periodSeconds(), 43200);
    dialogs->answers = {QString("14399")};
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
    EXPECT_EQ(timer().durationSeconds(), 60u);
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
    EXPECT_EQ(dialogs->messages.value(0), "|Invalid 'Start event time' (must be lower than 'Stop time')");
    EXPECT_EQ(start->time(), QTime(10, 0, 0));
    stop->setTime(QTime(9, 0, 0));
    EXPECT_EQ(dialogs->messages.value(1), "|Invalid 'Stop time' (must be higher than 'Start event time')");
    EXPECT_EQ(stop->time(), QTime(11, 0, 0));
    EXPECT_FALSE(modified());
    EXPECT_EQ(startTime(timer()), QTime(10, 0, 0));

    stop->setTime(QTime(12, 0, 0));
    EXPECT_EQ(timer().durationSeconds(), 7200u);
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
    EXPECT_EQ(timer().messageEvent(1), 0);
    EXPECT_EQ(timer().messageEvent(2), 9);
    EXPECT_FALSE(modified());

    image.timer(1).setMessageEvent(1, 200);
    reshow();
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(timer().messageEvent(1), 9);
    EXPECT_EQ(timer().messageEvent(2), 0);
    EXPECT_TRUE(modified());
}

TEST_F(TimerPageTest, AddingAndRemovingMessageEventsAndTheEnableRule)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    button("SpeedButton9")->click(); // nothing to do: stays off, not an edit
    EXPECT_FALSE(button("SpeedButton9")->isChecked());
    EXPECT_EQ(button("SpeedButton9")->text(), "Off");
    EXPECT_FALSE(timer().enabled());
    EXPECT_FALSE(modified());

    auto* all = child<QListWidget>("ListBox1");
    auto* chosen = child<QListWidget>("ListBox2");
    for (int e = 0; e < 15; ++e)
        all->item(e)->setSelected(true);
    button("Button2")->click();
    all->clearSelection();
    for (int e : {19, 20, 21})
        all->item(e)->setSelected(true);
    button("Button2")->click();
    ASSERT_EQ(chosen->count(), 16);
    EXPECT_EQ(timer().messageEvent(15), 20);
    EXPECT_TRUE(modified());

    button("SpeedButton9")->click();
    EXPECT_TRUE(timer().enabled());
    chosen->selectAll();
    button("Button1")->click();
    EXPECT_EQ(chosen->count(), 0);
    EXPECT_EQ(timer().messageEvent(0), 0);
    EXPECT_FALSE(timer().enabled());
    EXPECT_EQ(button("SpeedButton9")->text(), "Off");
}

TEST_F(TimerPageTest, RepeatKindsDayButtonsAndPriority)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    EXPECT_EQ(child<QComboBox>("CBpty")->currentText(), "4");
    child<QComboBox>("CBpty")->setCurrentIndex(6);
    EXPECT_EQ(timer().priority(), 7);
    EXPECT_TRUE(modified());
    child<QRadioButton>("RBweekly")->click();
    EXPECT_EQ(timer().repeatDays(), 1);
    EXPECT_FALSE(child("Panel2")->isHidden());
    EXPECT_TRUE(button("SpeedButton1")->isChecked());
    button("SpeedButton3")->click();
    EXPECT_EQ(timer().repeatDays(), 0x05);
    button("SpeedButton1")->click();
    button("SpeedButton3")->click();
    EXPECT_EQ(timer().repeatDays(), 0);
    EXPECT_TRUE(child<QRadioButton>("RBweekly")->isChecked()); // until shown again
    child<QRadioButton>("RBdaily")->click();
    EXPECT_EQ(timer().repeatDays(), 0x7F);
    EXPECT_TRUE(child("Panel2")->isHidden());
}

} // namespace
} // namespace q7582
