#pragma once
// A tiny master or message generator behind the fake chip: answers each request frame
// the way the device does, with faults to switch on.

#include "link/FakeChip.h"
#include "link/FrameCodec.h"
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace q7582::test {

using Bytes = std::vector<Byte>;

inline Bytes reply(Byte command, Byte index, const Byte* payload = nullptr, int count = 0)
{
    Bytes out(Frame::maxFrameLength(count));
    out.resize(Frame::buildReply(out.data(), command, index, payload, count));
    return out;
}

class FakeDevice {
public:
    enum Kind { Master, Generator };

    Kind kind = Master;
    StatusBlock status;
    GeneratorStatus generator;
    ConfigImage config;
    Bytes legal;
    int busyReplies = 0;   // the next requests answered busy
    bool silent = false;   // answers nothing
    int failConfigReadAt = -1; // this block of an Upload comes back one byte short
    std::vector<Frame::Request> requests;
    std::atomic<int> configBlocksServed{0};

    void attach(FakeChip& chip)
    {
        chip.setDevice([this](const Bytes& frame) { return answer(frame); });
    }

    std::vector<Frame::Request> received()
    {
        std::lock_guard lock(mutex_);
        return requests;
    }

    Bytes answer(const Bytes& frame)
    {
        std::lock_guard lock(mutex_);
        Frame::Request r;
        if (!Frame::decodeRequest(frame.data(), int(frame.size()), r) || silent)
            return {};
        requests.push_back(r);
        if (busyReplies > 0) {
            --busyReplies;
            return reply(Frame::ReplyBusy, r.index);
        }
        switch (r.command) {
        case Frame::Identify:
            return reply(kind == Master ? Frame::ReplyMaster : Frame::ReplyGenerator, 0);
        case Frame::ReadStatus:
            if (kind == Generator)
                return reply(r.command, r.index, generator.data(), GeneratorStatus::Size);
            return reply(r.command, r.index, status.page(r.index), StatusBlock::PageSize);
        case Frame::WriteStatus:
            if (kind == Generator)
                std::copy(r.payload.begin(), r.payload.end(), generator.data());
            else
                std::copy(r.payload.begin(), r.payload.end(), status.page(r.index));
            return reply(r.command, r.index);
        case Frame::ReadConfig:
            ++configBlocksServed;
            return reply(r.command, r.index, config.block(r.index),
                         ConfigImage::BlockSize - (r.index == failConfigReadAt ? 1 : 0));
        case Frame::WriteConfig:
            if (kind == Generator)
                legal = r.payload;
            else
                std::copy(r.payload.begin(), r.payload.end(), config.block(r.index));
            ++configBlocksServed;
            return reply(r.command, r.index);
        }
        return {};
    }

private:
    std::mutex mutex_;
};

} // namespace q7582::test
