#include "recordingreports/ReaderStates.h"

#include <QStringList>

namespace q7582 {

namespace {

RecordedLink linkAfter(TapEvent kind, RecordedLink link)
{
    switch (kind) {
    case TapEvent::Unplugged:
        return RecordedLink::Unplugged;
    case TapEvent::IdSearch:
        return RecordedLink::Searching;
    case TapEvent::ConnectedMaster:
        return RecordedLink::Master;
    case TapEvent::ConnectedGenerator:
        return RecordedLink::Generator;
    default:
        return link;
    }
}

using NameTable = std::vector<std::string> NameTables::*;
const std::pair<const char*, NameTable> Tables[] = {{"unit", &NameTables::units},
                                                    {"zone", &NameTables::zones},
                                                    {"output", &NameTables::outputs},
                                                    {"input", &NameTables::inputs},
                                                    {"music", &NameTables::music}};

} // namespace

RecordedState stateOf(const RecordedStatus& status, qint64 ms)
{
    RecordedState state;
    state.pcTimeMs = ms;
    state.master = status.master;
    state.link = status.device == RecordedDevice::Master      ? RecordedLink::Master
                 : status.device == RecordedDevice::Generator ? RecordedLink::Generator
                                                              : RecordedLink::Unplugged;
    return state;
}

bool ReaderStates::forEach(qint64 fromMs, qint64 toMs, const std::function<bool(const RecordedState&)>& visit,
                           QString* error) const
{
    const std::int64_t damageBefore = reader_.damageMet();
    RecordedState state = stateOf(reader_.statusAt(fromMs), fromMs);
    if (!visit(state))
        return true;
    const std::vector<RecordedEvent> events = reader_.events(fromMs + 1, toMs - 1);
    auto event = events.begin();
    // Connection changes up to ms, each a state of its own.
    const auto eventsUpTo = [&](qint64 ms) {
        for (; event != events.end() && event->ms <= ms; ++event) {
            const RecordedLink link = linkAfter(event->kind, state.link);
            if (link == state.link)
                continue;
            state.link = link;
            state.pcTimeMs = event->ms;
            if (!visit(state))
                return false;
        }
        return true;
    };
    bool more = true;
    reader_.forEachRead(fromMs + 1, toMs - 1, [&](const RecordedRead& read) {
        if (!(more = eventsUpTo(read.ms)))
            return false;
        if (read.stream == TapStream::Generator)
            return true;
        std::copy(read.bytes.begin(), read.bytes.end(), state.master.page(int(read.stream)));
        state.link = RecordedLink::Master;
        state.pcTimeMs = read.ms;
        return more = visit(state);
    });
    if (more)
        eventsUpTo(toMs - 1);
    if (reader_.damageMet() == damageBefore)
        return true;
    if (error)
        *error = reader_.damage();
    return false;
}

NameTables namesFromText(const QString& text)
{
    NameTables names;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype space = line.indexOf(QLatin1Char(' ')), equals = line.indexOf(QLatin1Char('='));
        if (space < 0 || equals < space)
            continue;
        bool ok = false;
        const int n = line.mid(space + 1, equals - space - 1).toInt(&ok);
        for (const auto& [kind, table] : Tables)
            if (ok && line.left(space) == QLatin1String(kind) && n >= 1 && n <= int((names.*table).size()))
                (names.*table)[std::size_t(n - 1)] = line.mid(equals + 1).toStdString();
    }
    return names;
}

} // namespace q7582
