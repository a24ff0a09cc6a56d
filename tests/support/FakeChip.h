#pragma once
// A chip without hardware, for tests: bytes the test queues (or a device behind it
// answers each write with) wait in the receive queue.
// Safe to script from one thread while the worker uses it from another.

#include "link/Chip.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <vector>

namespace q7582 {

class FakeChip : public Chip {
public:
    using Bytes = std::vector<Byte>;
    void setPresent(bool present) { present_ = present; } // absent: open fails, every operation after it fails
    void setOpenFailure(OpenFailure failure) { openFailure_.store(failure); } // a present device that open fails on
    void setShortReads(bool shortReads) { shortReads_ = shortReads; } // read hands out one byte fewer than it took
    void queueReply(const Bytes& bytes)
    {
        std::lock_guard lock(mutex_);
        received_.insert(received_.end(), bytes.begin(), bytes.end());
    }
    bool isOpen() const { return open_; }

    int open() override
    {
        if (!present_ || openFailure() != OpenFailure::None)
            return fail(present_ ? openFailureName(openFailure_) : "no device");
        open_ = true;
        return purge();
    }
    int reset() override { return usable() ? 0 : fail("reset failed"); }
    int setTimeouts(unsigned, unsigned) override { return 0; }
    int purge() override
    {
        if (!usable())
            return fail("device gone");
        std::lock_guard lock(mutex_);
        received_.clear();
        return 0;
    }
    int setLatencyTimer(int) override { return 0; }
    int write(const Byte* data, int count, int& written) override
    {
        written = 0;
        if (!usable())
            return fail("write failed");
        written = count;
        queueReply(answer(Bytes(data, data + count)));
        return 0;
    }
    int getStatus(int& receiveQueue) override
    {
        receiveQueue = 0;
        if (!usable())
            return fail("status failed");
        std::lock_guard lock(mutex_);
        receiveQueue = int(received_.size());
        return 0;
    }
    int read(Byte* buffer, int count, int& got) override
    {
        got = 0;
        if (!usable())
            return fail("read failed");
        std::lock_guard lock(mutex_);
        got = std::min(count, int(received_.size()));
        std::copy_n(received_.begin(), got, buffer);
        received_.erase(received_.begin(), received_.begin() + got);
        if (shortReads_ && got > 0)
            --got;
        return 0;
    }
    void close() override { open_ = false; }
    std::string lastError() const override { return error_.load(); }
    OpenFailure openFailure() const override { return present_ ? openFailure_.load() : OpenFailure::None; }
    std::string description() const override { return "fake"; }

protected:
    // The device behind the chip: answers a written frame, outside the chip's lock so
    // that it may script the chip itself; the returned bytes join the receive queue.
    virtual Bytes answer(const Bytes&) { return {}; }

private:
    bool usable() const { return open_ && present_; }
    int fail(const char* why)
    {
        error_ = why;
        return -1;
    }

    std::atomic<bool> present_ = true;
    std::atomic<OpenFailure> openFailure_ = OpenFailure::None;
    std::atomic<bool> open_ = false;
    std::atomic<bool> shortReads_ = false;
    std::atomic<const char*> error_ = "";
    mutable std::mutex mutex_; // guards the receive queue
    std::deque<Byte> received_;
};

} // namespace q7582
