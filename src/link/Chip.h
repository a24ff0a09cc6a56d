#pragma once
// The USB bridge chip as the link sees it: nine operations, each returning 0 on success.
// Backends: libftdi1 (default), tty (Q7582_PORT names a serial device or pseudo-terminal),
// and a scripted fake for tests.

#include "link/OpenFailure.h"
#include "model/Bytes.h"

#include <memory>
#include <string>

namespace q7582 {

class Chip {
public:
    virtual ~Chip() = default;

    virtual int open() = 0; // the first device that opens
    // The open device did not answer as a master or generator: true when the next open
    // should try another device on the bus first (there is one).
    virtual bool moveToNextDevice() { return false; }
    virtual int reset() = 0;
    virtual int setTimeouts(unsigned readMs, unsigned writeMs) = 0;
    virtual int purge() = 0; // receive and transmit; fails once the device has gone
    virtual int setLatencyTimer(int ms) = 0;
    virtual int write(const Byte* data, int count, int& written) = 0;
    virtual int getStatus(int& receiveQueue) = 0; // bytes waiting to be read
    virtual int read(Byte* buffer, int count, int& got) = 0;
    virtual void close() = 0;

    // Why the last operation failed, for diagnostics.
    virtual std::string lastError() const = 0;
    // The last open found a device but could not have it: no permission, or held by another program.
    virtual OpenFailure openFailure() const { return OpenFailure::None; }
    // The backend and the device it opened last, for diagnostics.
    virtual std::string description() const = 0;
};

// tty when Q7582_PORT is set, libftdi1 otherwise.
std::unique_ptr<Chip> makeChipFromEnvironment();

} // namespace q7582
