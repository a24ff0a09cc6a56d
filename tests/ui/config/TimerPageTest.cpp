#include "EditorFixture.h"

#include "ui/config/TimerPage.h"
#include "ui/config/TimerRules.h"

#include <QDateEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimeEdit>

namespace q7582 {
namespace {

// A pixel inside a widget's frame, clear of its centred text: its background.
QColor background(QWidget* w) { return w->grab().toImage().pixelColor(4, 4); }

int colourDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

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
    void showTimers() // afresh, without saving
    {
        dialogs.saveAnswers = {SaveAnswer::No};
        form->confirmClose();
        form->prepareShow();
        page(PageTimers);
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QTimeEdit* picker(const char* name) { return child<QTimeEdit>(name); }
};

TEST_F(TimerPageTest, ShowingAnAllZeroTimerRepairsDateAndPriorityAndShowsItOneTimeAndOff)
{
    image.timer(1).setFlags(0x80); // enabled, but with nothing to do
    showTimers();
    EXPECT_EQ(std::pair(startDate(timer()), picker("DTPtime")->time()), std::pair(now.date(), QTime(8, 30, 15)));
    // Sunday is 7; priority 1; off; an edit.
    EXPECT_EQ(std::tuple(timer().start()[Bcd::Weekday], timer().priority(), timer().enabled(), modified()),
              std::tuple(Byte(7), 1, false, true));
    EXPECT_EQ(std::tuple(child<QLabel>("SToe")->text(), button("SpeedButton9")->text()), std::tuple("None", "Off"));
}

TEST_F(TimerPageTest, PeriodicSwitchAndAPeriodDialogWhoseBoundFollowsTheStartTime)
{
    prepare(QTime(8, 0, 0));
    showTimers();
    // The period box of a one-time timer is disabled and drawn so, not white.
    CellLabel* period = cell("STint");
    EXPECT_EQ(background(period), period->palette().color(QPalette::Disabled, QPalette::Window));
    button("SBrepeat")->click();
    EXPECT_EQ(background(period), QColor(Qt::white));
    EXPECT_EQ(button("SBrepeat")->text(), "Reset periodic event");
    EXPECT_EQ(picker("DTPstop")->time(), QTime(8, 1, 0));
    picker("DTPstop")->setTime(QTime(23, 0, 0));
    dialogs.answers = {QString("43201"), QString("5"), QString("43200")};
    press(child("STint"));
    EXPECT_EQ(dialogs.asked, (QStringList{"60", "60", "60"}));
    EXPECT_EQ(dialogs.askedPrompts[1], "Seconds 10...43200\n43201 is more than 43200."); // why it came back

    picker("DTPtime")->setTime(QTime(20, 0, 0));     // still before the 23:00 stop
    dialogs.answers = {QString("14400"), QString()}; // the pre-filled 43200 is over 14399 now
    press(child("STint"));
    EXPECT_EQ(std::tuple(dialogs.asked.size(), timer().periodSeconds()), std::tuple(5, 43200)); // cancelled: kept
    EXPECT_TRUE(dialogs.askedPrompts[4].endsWith("14400 is more than 14399. The period must end before midnight."));
    dialogs.answers = {QString("14399")};
    press(child("STint"));
    EXPECT_EQ(timer().periodSeconds(), 14399);
}

TEST_F(TimerPageTest, StartAndStopTimesThatContradictAreRefusedAndPutBack)
{
    prepare(QTime(10, 0, 0), 600, 3600);
    showTimers();
    auto* start = picker("DTPtime");
    auto* stop = picker("DTPstop");
    start->setTime(QTime(11, 0, 0));
    stop->setTime(QTime(9, 0, 0));
    EXPECT_EQ(std::pair(start->time(), stop->time()), std::pair(QTime(10, 0, 0), QTime(11, 0, 0)));
    EXPECT_EQ(dialogs.warnings, (std::vector<test::ScriptedDialogs::Box>{
                                    {"", "Invalid 'Start event time' (must be lower than 'Stop time')"},
                                    {"", "Invalid 'Stop time' (must be higher than 'Start event time')"}}));
    EXPECT_FALSE(modified());

    stop->setTime(QTime(12, 0, 0));
    start->setTime(QTime(10, 30, 0));
    EXPECT_EQ(std::tuple(timer().durationSeconds(), startTime(timer())), std::tuple(5400u, QTime(10, 30, 0)));
    child<QDateEdit>("DTPday")->setDate(QDate(2027, 1, 1)); // a Friday
    EXPECT_EQ(std::tuple(timer().start()[Bcd::Weekday], timer().start()[Bcd::Year], modified()),
              std::tuple(Byte(0x05), Byte(0x27), true));
}

TEST_F(TimerPageTest, MessageEventSlotsTheTwoListsAndTheEnableRule)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    button("SpeedButton9")->click(); // nothing to do: stays off, not an edit, and says why
    EXPECT_EQ(std::tuple(button("SpeedButton9")->isChecked(), timer().enabled(), modified()),
              std::tuple(false, false, false));
    EXPECT_EQ(dialogs.warnings, (std::vector<test::ScriptedDialogs::Box>{{"", TimerWithNothingToDo}}));

    image.timer(1).setMessageEvent(0, 5);
    image.timer(1).setMessageEvent(2, 9);
    showTimers();
    auto* chosen = child<QListWidget>("ListBox2");
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(chosen->item(1)->text(), "Message event 9");
    EXPECT_EQ(std::tuple(timer().messageEvent(1), modified()), std::tuple(0, false)); // valid: left as it is
    image.timer(1).setMessageEvent(1, 200);
    showTimers();
    EXPECT_EQ(std::tuple(chosen->count(), timer().messageEvent(1), timer().messageEvent(2), modified()),
              std::tuple(2, 9, 0, true));

    for (int e : {19, 21})
        child<QListWidget>("ListBox1")->item(e)->setSelected(true);
    button("Button2")->click();
    EXPECT_EQ(timer().messageEvent(3), 22);
    button("SpeedButton9")->click();
    EXPECT_TRUE(timer().enabled());
    chosen->selectAll();
    button("Button1")->click();
    EXPECT_EQ(std::tuple(chosen->count(), timer().messageEvent(0), timer().enabled()), std::tuple(0, 0, false));
}

TEST_F(TimerPageTest, RepeatKindsDayButtonsEdgesAndPriority)
{
    prepare(QTime(10, 0, 0));
    image.timer(1).setRepeatDays(0x80 | 0x05); // bit 7 unused: dropped
    image.timer(1).setFlags(0x34 | 0x48);      // both edges: rising wins; bits 3 and 6 are the device's
    showTimers();
    EXPECT_EQ(std::tuple(timer().repeatDays(), timer().flags(), modified()),
              std::tuple(Byte(0x05), Byte(0x14 | 0x48), false));
    EXPECT_EQ(std::tuple(child<QRadioButton>("RBweekly")->isChecked(), button("SpeedButton3")->isChecked(),
                         button("SpeedButton2")->isChecked(), button("SBsuT")->isChecked(),
                         button("SBgiuT")->isChecked()),
              std::tuple(true, true, false, true, false));
    button("SBgiuT")->click();
    EXPECT_EQ(std::tuple(button("SBsuT")->isChecked(), timer().transition(), child<QComboBox>("CBpty")->currentText()),
              std::tuple(false, 2, QString("4")));
    child<QComboBox>("CBpty")->setCurrentIndex(6);
    EXPECT_EQ(timer().priority(), 7);

    child<QRadioButton>("RBoneTime")->click();
    EXPECT_FALSE(child("Panel2")->isVisibleTo(child("TStimer")));
    child<QRadioButton>("RBweekly")->click();
    EXPECT_EQ(timer().repeatDays(), 1);
    button("SpeedButton3")->click();
    button("SpeedButton1")->click();
    button("SpeedButton3")->click();
    EXPECT_EQ(timer().repeatDays(), 0);
    EXPECT_TRUE(child<QRadioButton>("RBweekly")->isChecked()); // until shown again
    child<QRadioButton>("RBdaily")->click();
    EXPECT_EQ(timer().repeatDays(), 0x7F);

    // A pressed toggle is told from a released one at a glance.
    QPushButton* toggle = button("SpeedButton9");
    const QColor released = background(toggle);
    toggle->setChecked(true);
    EXPECT_GT(colourDistance(background(toggle), released), 120);
}

void setStart(TimerEventRecord r, int h, int m, int s) { writeStart(r, QDate(2026, 3, 14), QTime(h, m, s)); }

// 31 February passes every field check but is no date; a nibble above 9 is no BCD digit
// even when tens*10+units is in range; weekdays run 1..7. An invalid period, or a forced
// minute past midnight, makes a timer non-periodic. The slots stay sixteen.
TEST(TimerRules, InvalidStartsPeriodsAndSlotsAreRefusedOrCut)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(5);
    const std::vector<std::pair<int, Byte>> broken[] = {
        {{Bcd::Day, 0x31}, {Bcd::Month, 0x02}}, {{Bcd::Second, 0x1A}}, {{Bcd::Weekday, 0x08}}};
    for (const auto& changes : broken) {
        setStart(r, 10, 0, 0);
        ASSERT_TRUE(startFieldsValid(asConst(r)));
        for (const auto& [at, value] : changes)
            r.start()[at] = value;
        EXPECT_FALSE(startFieldsValid(asConst(r))) << int(changes[0].second);
    }

    setStart(r, 10, 0, 0);
    r.setPeriodSeconds(5);
    r.setDurationSeconds(600);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 0u);
    // 23:59:10 allows a 20 s period, but the forced minute would pass midnight.
    setStart(r, 23, 59, 10);
    r.setPeriodSeconds(20);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(std::tuple(r.periodSeconds(), r.durationSeconds()), std::tuple(0u, 0u));

    TimerEventRecord last = image.timer(127);
    rewriteSlots(last, std::vector<int>(20, 127));
    EXPECT_EQ(scanSlots(last).events, std::vector<int>(16, 127));
    EXPECT_EQ(image.bytes[ConfigImage::VoxAt], 0); // nothing past the last record
    const std::vector<int> added = addToSelection(std::vector<int>(15, 1), {3, 4, 5});
    EXPECT_EQ(std::tuple(added.size(), added.back()), std::tuple(16u, 3));
    EXPECT_EQ(addToSelection({7}, {7}), (std::vector<int>{7, 7})); // a repeat is added again
}

} // namespace
} // namespace q7582
