#pragma once
// The chip through libftdi1: the first FTDI device on the USB bus. libftdi has no
// "bytes waiting" call, so what the chip has is drained into a buffer of this layer,
// whose size is the receive-queue count and from which reads are served.

#include "link/Chip.h"

#include <vector>

struct ftdi_context;

namespace q7582 {

class FtdiChip : public Chip {
public:
    FtdiChip();
    ~FtdiChip() override;
    FtdiChip(const FtdiChip&) = delete;
    FtdiChip& operator=(const FtdiChip&) = delete;

    int open() override;
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

    ftdi_context* ctx_ = nullptr;
    bool open_ = false;
    OpenFailure openFailure_ = OpenFailure::None;
    std::string device_ = "libftdi";
    std::vector<Byte> received_;
    std::string error_;
};

} // namespace q7582
