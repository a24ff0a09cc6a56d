#include "terminal/TerminalEvents.h"
#include "model/FilePath.h"
#include "recordingreports/EventCsv.h"
#include "recordingreports/ReaderStates.h"
#include "terminal/TerminalOutput.h"

#include <QFile>

#include <cstdio>

namespace q7582 {

int runEvents(const ManagerOptions& options)
{
    QString error;
    const auto reader = RecordingReader::open(options.file, &error);
    if (!reader) {
        say(options.file + QStringLiteral(": ") + error);
        return TerminalExit::BadUsageOrFile;
    }
    const TimeSpan span = reader->span();
    const qint64 from = options.fromMs.value_or(span.firstMs);
    const qint64 to = options.toMs.value_or(span.lastMs + 1);
    const NameTables names = namesFromText(reader->meta().names);
    const std::vector<Lane> lanes = recordingLanes(names);
    const ReaderStates states(*reader);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        say(out.errorString());
        return TerminalExit::TransferFailed;
    }
    bool written = true;
    if (options.csv) {
        written = writeEventsCsv(states, lanes, lanesOf(lanes), from, to, out, &error);
    } else {
        forEachChange(
            states, lanes, lanesOf(lanes), from, to,
            [&](const LaneChange& change) {
                const ChangeRow r = changeRow(lanes, change);
                const QString line = r.time + QStringLiteral("  ") + r.group + QStringLiteral(": ") + r.what
                                     + QStringLiteral("  ") + r.from + QStringLiteral(" -> ") + r.to
                                     + QLatin1Char('\n');
                return written = out.write(line.toUtf8()) >= 0;
            },
            &error);
        if (!written)
            error = out.errorString();
    }
    out.flush();
    if (!reader->damage().isEmpty()) { // what came before it was printed
        say(reader->damage());
        return TerminalExit::BadUsageOrFile;
    }
    if (!written) {
        say(TerminalText::tr("Standard output: ") + error);
        return TerminalExit::TransferFailed;
    }
    return TerminalExit::Done;
}

} // namespace q7582
