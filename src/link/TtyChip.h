#pragma once
// The chip as a serial device: a /dev/ttyUSB* held by the kernel driver, or the slave
// side of a pseudo-terminal (the simulator). Raw mode, no flow control, non-blocking.
// Held exclusively while open (flock and TIOCEXCL), so a second manager reports
// "in use" instead of stealing replies meant for the first.

#include "link/Chip.h"

namespace q7582 {

class TtyChip : public Chip {
public:
    explicit TtyChip(std::string path) : path_(std::move(path)) {}
    ~TtyChip() override { close(); }

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
    std::string description() const override { return "tty " + path_; }

private:
    int fail(const char* what);
    // Fails the open, keeping errno's reason and what it means for the user.
    int failOpen(const char* what);
    // The line has hung up, or its device node has gone.
    bool lineGone();

    std::string path_;
    int fd_ = -1;
    unsigned writeTimeoutMs_ = 300;
    OpenFailure openFailure_ = OpenFailure::None;
    std::string error_;
};

} // namespace q7582
