#pragma once
// The chip through libftdi1: the first FTDI device on the USB bus that opens, or, when
// the link found the open one silent, the next one after it. libftdi has no "bytes
// waiting" call, so what the chip has is drained into a buffer of this layer, whose
// size is the receive-queue count and from which reads are served.

#include "link/Chip.h"

#include <vector>

struct ftdi_context;
struct libusb_device;

namespace q7582 {

class FtdiChip : public Chip {
public:
    FtdiChip();
    ~FtdiChip() override;
    FtdiChip(const FtdiChip&) = delete;
    FtdiChip& operator=(const FtdiChip&) = delete;

    int open() override;
    bool moveToNextDevice() override;
    int reset() override;
    int setTimeouts(unsigned readMs, unsigned writeMs) override;
    int purge() override;
    int setLatencyTimer(int ms) override;
    int write(const Byte* data, int count, int& written) override;
    int getStatus(int& receiveQueue) override;
    int read(Byte* buffer, int count, int& got) override;
    void close() override;
    std::string lastError() const override { return error_; }
    OpenFailure openFailure() const override { return openFailure_; }
    std::string description() const override { return device_; }

private:
    int fail(int rc);
    // Opens that device; its failure is kept where it says more than one seen before.
    int openOne(libusb_device* device);

    ftdi_context* ctx_ = nullptr;
    bool open_ = false;
    std::string node_;            // the device node of the device opened last
    int devicesFound_ = 0;        // FTDI devices on the bus at the last open
    bool startAfterNode_ = false; // the next open begins after node_
    OpenFailure openFailure_ = OpenFailure::None;
    std::string device_ = "libftdi";
    std::vector<Byte> received_;
    std::string error_;
};

} // namespace q7582
