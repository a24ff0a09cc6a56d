#include "MasterDevice.h"

#include "model/DefaultConfiguration.h"

#include <algorithm>

namespace q7582::sim {

namespace {

constexpr Byte PcChangedFlag = 0x40; // bit 6 of a slaveZones byte

Reply replyWith(const Frame::Request& r, const Byte* payload = nullptr, int count = 0)
{
    return Reply{r.command, r.index, std::vector<Byte>(payload, payload + count)};
}

} // namespace

MasterDevice::MasterDevice(int address, std::uint32_t seed, const StateDump& dump, bool scripted)
    : life_(seed, scripted), dump_(dump)
{
    buildDefaultConfiguration(config_, address);
    MasterLife::setUp(status_, address);
    showClock();
    dump_.write("config.bin", config_.data(), ConfigImage::Size);
    dump_.write("status.bin", status_.data(), StatusBlock::Size);
}

std::optional<Reply> MasterDevice::answer(const Frame::Request& r)
{
    switch (r.command) {
    case Frame::Identify:
        return Reply{Frame::ReplyMaster, r.index, {}};
    case Frame::ReadStatus:
        if (r.index > 1)
            return std::nullopt;
        return replyWith(r, status_.page(r.index), StatusBlock::PageSize);
    case Frame::WriteStatus:
        return writeStatus(r);
    case Frame::ReadConfig:
        if (r.index >= ConfigImage::BlockCount)
            return std::nullopt;
        return replyWith(r, config_.block(r.index), ConfigImage::BlockSize);
    case Frame::WriteConfig:
        return writeBlock(r);
    default:
        return std::nullopt;
    }
}

// The master keeps the page as sent, except what is its own: the PC's change marks
// on the slave bytes, and on page 1 the clock (set from the page) and the release.
std::optional<Reply> MasterDevice::writeStatus(const Frame::Request& r)
{
    if (r.index > 1 || int(r.payload.size()) != StatusBlock::PageSize)
        return std::nullopt;
    Byte release[2] = {Byte(status_.firmwareRelease(0)), Byte(status_.firmwareRelease(1))};
    std::copy(r.payload.begin(), r.payload.end(), status_.page(r.index));
    if (r.index == 0) {
        for (int s = 0; s < StatusBlock::Slaves; ++s)
            status_.bytes[StatusBlock::SlaveZones + 2 * s] &= Byte(~PcChangedFlag);
    } else {
        std::copy(release, release + 2, status_.data() + StatusBlock::FirmwareRelease);
        clock_.set(status_.masterClock());
        showClock();
    }
    dump_.write("status.bin", status_.data(), StatusBlock::Size);
    return replyWith(r);
}

std::optional<Reply> MasterDevice::writeBlock(const Frame::Request& r)
{
    if (r.index >= ConfigImage::BlockCount || int(r.payload.size()) != ConfigImage::BlockSize)
        return std::nullopt;
    std::copy(r.payload.begin(), r.payload.end(), config_.block(r.index));
    dump_.write("config.bin", config_.data(), ConfigImage::Size);
    return replyWith(r);
}

void MasterDevice::showClock() { status_.setMasterClock(clock_.now()); }

void MasterDevice::tick()
{
    showClock();
    if (lifeRunning_)
        life_.tick(status_);
}

void MasterDevice::setLifeRunning(bool running)
{
    lifeRunning_ = running;
    clock_.setRunning(running);
}

} // namespace q7582::sim
