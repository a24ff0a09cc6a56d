#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/Lanes.h"
#include "reports/ReportText.h"

#include <QCoreApplication>
#include <QStringList>

#include <limits>

namespace q7582 {

namespace {

constexpr int Cells = 36;

struct Record {
    Q_DECLARE_TR_FUNCTIONS(CommissioningRecord)
};

// The activations that started at the latest input change, while they take responses.
class OpenActivations {
public:
    OpenActivations(std::vector<InputActivation>& done, qint64 settleMs) : done_(done), settleMs_(settleMs) {}

    void start(const RecordedState& state, const std::vector<int>& inputs)
    {
        close();
        const StatusBlock& s = state.master;
        for (int input : inputs) {
            InputActivation a;
            a.timeMs = state.pcTimeMs;
            a.input = input;
            for (int z = 1; z <= Cells; ++z)
                if (s.slavePresent((z - 1) / 6) && s.zoneBusy(z))
                    a.alreadyBusy.push_back(z);
            open_.push_back(std::move(a));
        }
        waiting_.fill(false);
        for (int z = 1; z <= Cells; ++z)
            waiting_[std::size_t(z - 1)] = s.slavePresent((z - 1) / 6) && !s.zoneBusy(z);
    }

    void follow(const RecordedState& state)
    {
        if (open_.empty())
            return;
        const qint64 after = state.pcTimeMs - open_.front().timeMs;
        if (after > settleMs_) {
            close();
            return;
        }
        const StatusBlock& s = state.master;
        for (InputActivation& a : open_) {
            if (a.message == 0 && s.activeMessage() != 0) {
                a.message = s.activeMessage();
                a.messageAfterMs = after;
            }
            if (a.source == 0)
                a.source = activeSourceValue(s);
        }
        const std::uint64_t busy = readLe40(s.data() + StatusBlock::BusyZones);
        for (int z = 1; z <= Cells; ++z) {
            if (waiting_[std::size_t(z - 1)] && (busy >> (z - 1) & 1)) {
                waiting_[std::size_t(z - 1)] = false;
                for (InputActivation& a : open_)
                    a.busy.push_back({z, after});
            }
        }
    }

    void close()
    {
        for (InputActivation& a : open_) {
            for (int z = 1; z <= Cells; ++z)
                if (waiting_[std::size_t(z - 1)])
                    a.silent.push_back(z);
            done_.push_back(std::move(a));
        }
        open_.clear();
    }

private:
    std::vector<InputActivation>& done_;
    std::vector<InputActivation> open_;
    std::array<bool, Cells> waiting_{};
    qint64 settleMs_;
};

QString seconds(qint64 ms) { return QString::number(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s"); }

// Local time; the offset from UTC is looked up once per hour.
QString when(qint64 ms)
{
    thread_local qint64 hour = std::numeric_limits<qint64>::min(), offsetMs = 0;
    if (ms / 3'600'000 != hour) {
        hour = ms / 3'600'000;
        offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc()) * 1000;
    }
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms + offsetMs, Qt::UTC);
    return reportDate(t.date()) + QStringLiteral(" - ") + reportTime(t.time());
}

QString zoneList(const std::vector<int>& zones, const NameTables& names)
{
    QStringList list;
    for (int z : zones)
        list << QString::fromStdString(names.zones.at(std::size_t(z - 1)));
    return list.join(QStringLiteral(", "));
}

} // namespace

std::optional<std::vector<InputActivation>> collectActivations(const RecordedStates& states, qint64 fromMs, qint64 toMs,
                                                               QString* error, qint64 settleMs)
{
    std::vector<InputActivation> done;
    OpenActivations open(done, settleMs);
    std::optional<StatusBlock> previous; // the last master read, while connected
    std::vector<int> rising;
    const bool read = states.forEach(
        fromMs, toMs,
        [&](const RecordedState& state) {
            if (state.link != RecordedLink::Master) {
                open.close();
                previous.reset();
                return true;
            }
            const StatusBlock& s = state.master;
            rising.clear();
            const auto inputsOf = [](const StatusBlock& b) { return readLe40(b.data() + StatusBlock::InputStates); };
            if (previous && inputsOf(s) != inputsOf(*previous))
                for (int c = 0; c < Cells; ++c)
                    if (s.ioRowPresent(c / 6) && s.inputActive(c / 6, c % 6) && !previous->inputActive(c / 6, c % 6))
                        rising.push_back(c);
            if (!rising.empty())
                open.start(state, rising);
            open.follow(state);
            previous = s;
            return true;
        },
        error);
    if (!read)
        return std::nullopt;
    open.close();
    return done;
}

Report commissioningReport(const std::vector<InputActivation>& activations, const NameTables& names, qint64 fromMs,
                           qint64 toMs, const QDateTime& created)
{
    Report r;
    r.caption = Record::tr("Commissioning record");
    r.add(r.caption, ReportStyle::Title);
    r.add(QString(), ReportStyle::Body);
    r.add(Record::tr("From %1 to %2").arg(when(fromMs), when(toMs)), ReportStyle::Body);
    r.add(creationLine(created), ReportStyle::Body);
    r.add(QString(), ReportStyle::Body);
    int incomplete = 0;
    for (const InputActivation& a : activations) {
        r.add(Record::tr("%1  Input %2 (%3)")
                  .arg(when(a.timeMs), QString::fromStdString(names.inputs.at(std::size_t(a.input))),
                       QString::number(a.input + 1)),
              ReportStyle::SubHeading);
        if (a.message)
            r.add(Record::tr("Message %1 after %2").arg(a.message).arg(seconds(a.messageAfterMs)), ReportStyle::Body);
        else
            r.add(Record::tr("No message followed"), ReportStyle::Body);
        r.add(Record::tr("Source: %1").arg(activeSourceText(a.source)), ReportStyle::Body);
        if (!a.busy.empty()) {
            r.add(Record::tr("Zone                  Busy after", "the zone column is 22 characters"),
                  ReportStyle::TableHeading);
            for (const ZoneResponse& z : a.busy)
                r.add(QString::fromStdString(names.zones.at(std::size_t(z.zone - 1))).leftJustified(22)
                          + seconds(z.afterMs),
                      ReportStyle::TableRow);
        }
        if (!a.alreadyBusy.empty())
            r.add(Record::tr("Already busy: %1").arg(zoneList(a.alreadyBusy, names)), ReportStyle::Body);
        if (!a.silent.empty()) {
            ++incomplete;
            r.add(Record::tr("Did not go busy: %1").arg(zoneList(a.silent, names)), ReportStyle::Body);
        }
        r.add(QString(), ReportStyle::Body);
    }
    r.add(
        Record::tr("%1 input activations, %2 with zones that did not go busy").arg(activations.size()).arg(incomplete),
        ReportStyle::Body);
    return r;
}

} // namespace q7582
