#include "terminal/TerminalRecord.h"

#include "recorder/RecordingFiles.h"
#include "recorder/RecordingWriter.h"
#include "settings/NameTables.h"
#include "terminal/TerminalOutput.h"

namespace q7582 {

int runRecord(TerminalLink& link, const ManagerOptions& options, const OpenSite& site)
{
    QString error;
    const QString path = options.output.isEmpty() ? newRecordingPath(&error) : options.output;
    if (path.isEmpty()) {
        say(error);
        return TerminalExit::BadUsageOrFile;
    }
    NameTables names;
    if (const FileResult read = names.readExistingNames(); !read.ok)
        say(QString::fromStdString(read.error));
    const auto writer = RecordingWriter::create(path, {site.name, QString::fromStdString(names.asText())}, &error);
    if (!writer) {
        say(error);
        return TerminalExit::BadUsageOrFile;
    }
    link.shared().tap.attach(writer.get());
    link.start(makeChipFromEnvironment());
    say(TerminalText::tr("Recording into %1; Ctrl-C stops.").arg(path));
    std::optional<TerminalLink::Clock::time_point> deadline;
    if (options.recordForMs)
        deadline = TerminalLink::Clock::now() + std::chrono::milliseconds(*options.recordForMs);
    link.waitUntil([&] { return link.signalCount() > 0 || writer->failed(); }, deadline);
    link.stop();
    link.shared().tap.attach(nullptr);
    writer->stop();
    const QString lost = writer->readsLost() > 0 ? TerminalText::tr(", %1 lost").arg(writer->readsLost()) : QString();
    printResult(TerminalText::tr("%1: %2 reads%3").arg(path).arg(writer->readsWritten()).arg(lost));
    if (writer->failed()) {
        say(writer->failure());
        return TerminalExit::TransferFailed;
    }
    return TerminalExit::Done;
}

} // namespace q7582
