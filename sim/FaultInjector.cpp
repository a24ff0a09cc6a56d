#include "FaultInjector.h"

namespace q7582::sim {

namespace {

constexpr Byte BadEscapeCode = 0x07; // neither 00 nor 01: the PC drops the pair

bool due(int every, long n) { return every > 0 && n % every == 0; }

std::vector<Byte> encode(Byte command, Byte index, const std::vector<Byte>& payload)
{
    std::vector<Byte> frame(size_t(Frame::maxFrameLength(int(payload.size()))));
    frame.resize(size_t(Frame::buildReply(frame.data(), command, index, payload.data(), int(payload.size()))));
    return frame;
}

} // namespace

const char* faultName(Fault f)
{
    switch (f) {
    case Fault::Busy:
        return "busy";
    case Fault::Silence:
        return "silence";
    case Fault::Truncate:
        return "truncated";
    case Fault::BadEscape:
        return "bad escape";
    case Fault::None:
        break;
    }
    return "none";
}

FaultInjector::FaultInjector(const FaultCounts& every, double rate, std::uint32_t seed)
    : every_(every), rate_(rate), rng_(seed)
{
}

Fault FaultInjector::next()
{
    ++replies_;
    if (forcedCount_ > 0) {
        --forcedCount_;
        return forced_;
    }
    if (due(every_.busyEvery, replies_))
        return Fault::Busy;
    if (due(every_.silentEvery, replies_))
        return Fault::Silence;
    if (due(every_.truncateEvery, replies_))
        return Fault::Truncate;
    if (due(every_.badEscapeEvery, replies_))
        return Fault::BadEscape;
    if (rate_ > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < rate_)
        return Fault(1 + rng_() % 4); // Busy, Silence, Truncate or BadEscape
    return Fault::None;
}

void FaultInjector::force(Fault f, int count)
{
    forced_ = f;
    forcedCount_ = count;
}

std::vector<Byte> spoil(const Reply& reply, Fault fault)
{
    switch (fault) {
    case Fault::Silence:
        return {};
    case Fault::Busy:
        return encode(Frame::ReplyBusy, reply.index, {});
    case Fault::Truncate: {
        std::vector<Byte> frame = encode(reply.command, reply.index, reply.payload);
        frame.resize((frame.size() + 1) / 2);
        return frame;
    }
    case Fault::BadEscape: {
        // B5 07 in place of the first payload byte, or after the header of an empty reply.
        const auto rest = reply.payload.empty() ? reply.payload.begin() : reply.payload.begin() + 1;
        std::vector<Byte> frame = encode(reply.command, reply.index, {rest, reply.payload.end()});
        frame.insert(frame.begin() + 3, {Frame::Escape, BadEscapeCode});
        return frame;
    }
    case Fault::None:
        break;
    }
    return encode(reply.command, reply.index, reply.payload);
}

} // namespace q7582::sim
