#pragma once
// A chip without hardware, for tests: bytes the test queues (or a device function
// answers each write with) wait in the receive queue.
// Safe to script from one thread while the worker uses it from another.

#include "link/Chip.h"

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace q7582 {

class FakeChip : public Chip {
public:
    using Bytes = std::vector<Byte>;
    // Answers a written frame; the returned bytes join the receive queue.
    using Device = std::function<Bytes(const Bytes& frame)>;

    void setDevice(Device device);
    void setPresent(bool present);            // absent: open fails, every operation after it fails
    void setOpenFailure(OpenFailure failure); // a present device that open fails on
    void queueReply(const Bytes& bytes);

    bool isOpen() const;

    int open() override;
    int reset() override;
    int setTimeouts(unsigned, unsigned) override { return 0; }
    int purge() override;
    int setLatencyTimer(int) override { return 0; }
    int write(const Byte* data, int count, int& written) override;
    int getStatus(int& receiveQueue) override;
    int read(Byte* buffer, int count, int& got) override;
    void close() override;
    std::string lastError() const override;
    OpenFailure openFailure() const override;
    std::string description() const override { return "fake"; }

private:
    int fail(const char* why);

    mutable std::mutex mutex_;
    Device device_;
    bool present_ = true;
    OpenFailure openFailure_ = OpenFailure::None;
    bool open_ = false;
    std::deque<Byte> received_;
    std::string error_;
};

} // namespace q7582
