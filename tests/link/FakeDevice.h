#pragma once
// A tiny master or message generator behind the fake chip: answers each request frame
// the way the device does, with faults to switch on.

#include "FakeChip.h"
#include "link/FrameCodec.h"
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

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
    int busyReplies = 0;          // the next requests answered busy
    int failConfigReadAt = -1;    // this block of an Upload comes back one byte short
    int silentConfigWriteAt = -1; // this block of a Download is stored but not answered

    void attach(FakeChip& chip)
    {
        chip.setDevice([this](const Bytes& frame) { return answer(frame); });
    }

    std::vector<Frame::Request> received()
    {
        std::lock_guard lock(mutex_);
        return requests_;
    }

    Bytes answer(const Bytes& frame)
    {
        std::lock_guard lock(mutex_);
        Frame::Request r;
        if (!Frame::decodeRequest(frame.data(), int(frame.size()), r))
            return {};
        requests_.push_back(r);
        if (busyReplies > 0) {
            --busyReplies;
            return reply(Frame::ReplyBusy, r.index);
        }
        const bool master = kind == Master;
        switch (r.command) {
        case Frame::Identify:
            return reply(master ? Frame::ReplyMaster : Frame::ReplyGenerator, 0);
        case Frame::ReadStatus:
            return master ? reply(r.command, r.index, status.page(r.index), StatusBlock::PageSize)
                          : reply(r.command, r.index, generator.data(), GeneratorStatus::Size);
        case Frame::WriteStatus:
            std::copy(r.payload.begin(), r.payload.end(), master ? status.page(r.index) : generator.data());
            return reply(r.command, r.index);
        case Frame::ReadConfig:
            return reply(r.command, r.index, config.block(r.index),
                         ConfigImage::BlockSize - (r.index == failConfigReadAt ? 1 : 0));
        case Frame::WriteConfig:
            if (master)
                std::copy(r.payload.begin(), r.payload.end(), config.block(r.index));
            else
                legal = r.payload;
            if (master && r.index == silentConfigWriteAt)
                return {};
            return reply(r.command, r.index);
        }
        return {};
    }

private:
    std::mutex mutex_;
    std::vector<Frame::Request> requests_;
};

} // namespace q7582::test
