#pragma once
// How a transfer between two polls ended, as the worker tells the window.

#include <QtGlobal>

namespace q7582 {

enum class TransferKind { Upload, Download, GeneratorWrite, LegalTable };

// The master's configuration, as opposed to a message generator's block or table.
constexpr bool isConfigurationTransfer(TransferKind kind)
{
    return kind == TransferKind::Upload || kind == TransferKind::Download;
}

enum class TransferEnd {
    Completed,
    Restarting, // failed; its request stays pending and it starts again from the beginning
    Failed,     // failed for good: a Download at once, the others after MaxRestarts restarts
    Cancelled,  // its request was withdrawn by the user while it ran
};

enum class TransferFault {
    None,
    NoReply,   // nothing came back
    Busy,      // busy replies until the retries ran out
    BadReply,  // a garbled or wrong-length reply, or another device's
    LinkError, // the frame could not be written or read whole
    LinkLost,  // the device was unplugged
};

// As a recording names them; the window shows them translated.
constexpr const char* transferName(TransferKind kind)
{
    constexpr const char* names[] = {"Upload", "Download", QT_TRANSLATE_NOOP("TransferMessages", "Generator command"),
                                     QT_TRANSLATE_NOOP("TransferMessages", "Summer-time table")};
    return names[int(kind)];
}
constexpr const char* transferEndName(TransferEnd end)
{
    constexpr const char* names[] = {"completed", "restarting", "failed", "cancelled"};
    return names[int(end)];
}

struct TransferReport {
    static constexpr int MaxRestarts = 3;

    TransferKind kind = TransferKind::Upload;
    TransferEnd end = TransferEnd::Completed;
    TransferFault fault = TransferFault::None;
    int block = 0;    // configuration block being exchanged when it failed (0..127)
    int restarts = 0; // Restarting: this restart's number, 1..MaxRestarts
};

} // namespace q7582
