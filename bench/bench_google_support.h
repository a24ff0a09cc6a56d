#pragma once
// What the Google Benchmark programs with windows share: the medians as the console
// reporter prints them, and an offscreen platform kept quiet about raise().

#include <QString>
#include <QtGlobal>
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace q7582::bench {

// Keeps the medians, in seconds, as the console reporter prints them.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime() / 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }
};

// The offscreen platform warns about every raise(); nothing else is filtered.
inline void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        qt_message_output(type, context, message);
}

} // namespace q7582::bench
