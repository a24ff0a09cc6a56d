#pragma once
// What the link hands to a recorder as it happens: every status page or generator block
// it read, every change of the connection and everything this program wrote. The link
// calls it on its worker thread; an implementation copies what it needs and returns at
// once, it never blocks.

#include "model/Bytes.h"

#include <cstdint>
#include <string>

namespace q7582 {

// Reads come in 64-byte records: the master's two status pages, the generator's block.
enum class TapStream : int { MasterPage0 = 0, MasterPage1 = 1, Generator = 2 };
inline constexpr int TapStreams = 3;
inline constexpr int TapRecordSize = 64;

enum class TapEvent : int {
    Unplugged = 0,      // no device, or the device was lost
    IdSearch,           // searching for a device
    ConnectedMaster,    // a master answered; MasterAddress follows with its first page 0
    ConnectedGenerator, // the other kind of device
    MasterAddress,      // the connected master's address, first read or changed; value: it
    LiveChange,         // this program wrote status page 0; detail: the 64 bytes in hex
    ClockWrite,         // this program set the clock (master page 1 or generator)
    GeneratorWrite,     // this program wrote the generator's block
    TransferStart,      // value: TransferKind; detail: its name
    TransferEnd,        // value: TransferKind; detail: its outcome
    ReadsLost,          // value: reads the recorder could not keep
    RecordingStopped,   // detail: why, when it stopped on a fault
};

// Milliseconds since the epoch, from the PC's clock.
std::int64_t tapNowMs();

class StatusTap {
public:
    virtual ~StatusTap() = default;
    virtual void read(TapStream stream, const Byte* record, std::int64_t ms) = 0;
    virtual void event(TapEvent kind, std::int64_t value, const std::string& detail, std::int64_t ms) = 0;
};

} // namespace q7582
