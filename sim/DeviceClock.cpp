#include "DeviceClock.h"

namespace q7582::sim {

// Wall-clock time kept as UTC so that it runs on evenly: the device knows nothing
// of the PC's summer-time jumps.
DeviceClock::DeviceClock()
{
    const QDateTime local = QDateTime::currentDateTime();
    base_ = QDateTime(local.date(), local.time(), Qt::UTC);
    since_.start();
}

bool DeviceClock::set(const ClockTime& t)
{
    if (!t.isValid())
        return false;
    base_ = QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
    since_.restart();
    return true;
}

void DeviceClock::setRunning(bool running)
{
    if (running == running_)
        return;
    if (!running)
        base_ = base_.addMSecs(since_.elapsed());
    since_.restart();
    running_ = running;
}

ClockTime DeviceClock::now() const
{
    const QDateTime t = running_ ? base_.addMSecs(since_.elapsed()) : base_;
    ClockTime c;
    c.year = t.date().year();
    c.month = t.date().month();
    c.day = t.date().day();
    c.hour = t.time().hour();
    c.minute = t.time().minute();
    c.second = t.time().second();
    c.weekday = t.date().dayOfWeek(); // 1 = Monday .. 7 = Sunday, as on the device
    return c;
}

} // namespace q7582::sim
