#pragma once
// A busy site's recording, generated through the recorder as the link would feed it:
// a master read ten times a second (page 1 every tenth read), VOX meters moving on every
// read, the clock ticking, an input or an announcement every 2 s (alternately), the speech
// level moved every 30 s from the PC (a LiveChange event). Times are synthetic, so a day
// is written in seconds.

#include "model/StatusBlock.h"
#include "recorder/RecordingWriter.h"

#include <thread>

namespace q7582::bench {

inline constexpr std::int64_t BusyStartMs = 1'700'000'000'000;

// Writes hours of it into path; the reads written, or -1 with the reason on stderr.
inline std::int64_t writeBusyRecording(const QString& path, double hours)
{
    QString error;
    auto writer = RecordingWriter::create(path, {"Bench site", "zone 1=Entrance\n"}, &error);
    if (!writer) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return -1;
    }
    StatusBlock s;
    const auto reads = std::int64_t(hours * 36'000);
    writer->event(TapEvent::ConnectedMaster, 0, {}, BusyStartMs);
    std::int64_t pushed = 0;
    for (std::int64_t i = 0; i < reads; ++i) {
        const std::int64_t ms = BusyStartMs + 100 * i;
        const std::int64_t second = i / 10;
        s.bytes[StatusBlock::VoxInputMeters] = Byte(i * 7 % 21);
        s.bytes[StatusBlock::VoxInputMeters + 1] = Byte(i * 3 % 21);
        if (i % 20 == 0) { // every 2 s: an input, or an announcement in zones with its source and message
            const bool announcement = i % 40 == 0;
            s.bytes[StatusBlock::InputStates + second % 5] ^= Byte(1u << (second % 8));
            s.bytes[StatusBlock::BusyZones + second % 5] = announcement ? Byte(second) : 0;
            s.bytes[StatusBlock::ActiveSource] = announcement ? Byte(StatusBlock::SourceInput) : 0;
            s.bytes[StatusBlock::ActiveMessage] = announcement ? Byte(1 + second % 10) : 0;
        }
        if (i % 300 == 0) {
            s.setSpeechLevel(Byte(second / 30 % 21));
            writer->event(TapEvent::LiveChange, 0, {}, ms);
        }
        const bool page1 = i % 10 == 9;
        if (page1)
            s.bytes[StatusBlock::MasterClock] = Byte(second % 60);
        writer->read(page1 ? TapStream::MasterPage1 : TapStream::MasterPage0, s.page(page1), ms);
        // The writer is fed faster than any link could: keep within its queue.
        if (++pushed % (RecordingWriter::QueueLimit / 2) == 0)
            while (writer->readsWritten() + RecordingWriter::QueueLimit / 4 < pushed && !writer->failed())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    writer->stop();
    if (writer->failed() || writer->readsLost() > 0) {
        std::fprintf(stderr, "%s (%lld lost)\n", writer->failure().toLocal8Bit().constData(),
                     static_cast<long long>(writer->readsLost()));
        return -1;
    }
    return writer->readsWritten();
}

} // namespace q7582::bench
