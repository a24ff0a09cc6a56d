#include "FakeChip.h"

#include <algorithm>

namespace q7582 {

void FakeChip::setDevice(Device device)
{
    std::lock_guard lock(mutex_);
    device_ = std::move(device);
}

void FakeChip::setPresent(bool present)
{
    std::lock_guard lock(mutex_);
    present_ = present;
}

void FakeChip::setOpenFailure(OpenFailure failure)
{
    std::lock_guard lock(mutex_);
    openFailure_ = failure;
}

void FakeChip::queueReply(const Bytes& bytes)
{
    std::lock_guard lock(mutex_);
    received_.insert(received_.end(), bytes.begin(), bytes.end());
}

bool FakeChip::isOpen() const
{
    std::lock_guard lock(mutex_);
    return open_;
}

int FakeChip::fail(const char* why)
{
    error_ = why;
    return -1;
}

int FakeChip::open()
{
    std::lock_guard lock(mutex_);
    if (!present_)
        return fail("no device");
    if (openFailure_ != OpenFailure::None)
        return fail(openFailureName(openFailure_));
    open_ = true;
    received_.clear();
    return 0;
}

int FakeChip::reset()
{
    std::lock_guard lock(mutex_);
    return open_ && present_ ? 0 : fail("reset failed");
}

int FakeChip::purge()
{
    std::lock_guard lock(mutex_);
    if (!open_ || !present_)
        return fail("device gone");
    received_.clear();
    return 0;
}

int FakeChip::write(const Byte* data, int count, int& written)
{
    written = 0;
    Device device;
    Bytes frame(data, data + count);
    {
        std::lock_guard lock(mutex_);
        if (!open_ || !present_)
            return fail("write failed");
        written = count;
        device = device_;
    }
    // The device runs outside the lock so that it may script the chip itself.
    if (device) {
        const Bytes reply = device(frame);
        queueReply(reply);
    }
    return 0;
}

int FakeChip::getStatus(int& receiveQueue)
{
    std::lock_guard lock(mutex_);
    receiveQueue = 0;
    if (!open_ || !present_)
        return fail("status failed");
    receiveQueue = int(received_.size());
    return 0;
}

int FakeChip::read(Byte* buffer, int count, int& got)
{
    std::lock_guard lock(mutex_);
    got = 0;
    if (!open_ || !present_)
        return fail("read failed");
    got = std::min(count, int(received_.size()));
    std::copy_n(received_.begin(), got, buffer);
    received_.erase(received_.begin(), received_.begin() + got);
    return 0;
}

void FakeChip::close()
{
    std::lock_guard lock(mutex_);
    open_ = false;
}

std::string FakeChip::lastError() const
{
    std::lock_guard lock(mutex_);
    return error_;
}

OpenFailure FakeChip::openFailure() const
{
    std::lock_guard lock(mutex_);
    return present_ ? openFailure_ : OpenFailure::None;
}

} // namespace q7582
