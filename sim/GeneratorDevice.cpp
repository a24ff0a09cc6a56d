#include "GeneratorDevice.h"

#include "model/LegalFile.h"

#include <algorithm>
#include <cstdio>

namespace q7582::sim {

namespace {

// One version behind the manager's built-in table, so that its update offer shows.
constexpr Byte InitialLegalId[3] = {8, 10, 13};
constexpr Byte Release[2] = {1, 4};
constexpr Byte SummerTimeOffBit = 0x01;
constexpr int CarriedBytes = GeneratorStatus::LegalId + 3; // 0x29..0x3F, sent back as read

} // namespace

GeneratorDevice::GeneratorDevice(bool cardInserted, const StateDump& dump) : dump_(dump)
{
    Byte* b = status_.data();
    if (cardInserted) {
        for (int n : CardMessages)
            b[GeneratorStatus::MessageMap + (n - 1) / 8] |= Byte(1u << ((n - 1) % 8));
        b[GeneratorStatus::MediaFlags] = GeneratorStatus::MediaCardInserted | GeneratorStatus::MediaFolderFound;
    }
    std::copy(std::begin(Release), std::end(Release), b + GeneratorStatus::FirmwareRelease);
    std::copy(std::begin(InitialLegalId), std::end(InitialLegalId), b + GeneratorStatus::LegalId);
    showClock();
    dumpStatus();
}

std::optional<Reply> GeneratorDevice::answer(const Frame::Request& r)
{
    if (r.command == Frame::Identify)
        return Reply{Frame::ReplyGenerator, r.index, {}};
    if (r.index != 0)
        return std::nullopt;
    switch (r.command) {
    case Frame::ReadStatus:
        return Reply{r.command, r.index, {status_.bytes.begin(), status_.bytes.end()}};
    case Frame::WriteStatus:
        return writeBlock(r);
    case Frame::WriteConfig:
        return takeLegalTable(r);
    default:
        return std::nullopt;
    }
}

// The PC sends the whole block back; the generator takes from it only the fields
// that carry a request (clock to set, message to play) and the carried bytes.
std::optional<Reply> GeneratorDevice::writeBlock(const Frame::Request& r)
{
    if (int(r.payload.size()) != GeneratorStatus::Size)
        return std::nullopt;
    const Byte* sent = r.payload.data();
    Byte* b = status_.data();
    std::copy(sent + GeneratorStatus::ClockSet, sent + GeneratorStatus::SummerTime, b + GeneratorStatus::ClockSet);
    std::copy(sent + CarriedBytes, sent + GeneratorStatus::Size, b + CarriedBytes);
    obey(sent[GeneratorStatus::Command], sent);
    status_.setGenCommand(0);
    dumpStatus();
    return Reply{r.command, r.index, {}};
}

void GeneratorDevice::obey(Byte command, const Byte* sent)
{
    if (command & GeneratorStatus::CmdSetClock) {
        if (clock_.set(Bcd::decodeClock(sent + GeneratorStatus::ClockSet)))
            showClock();
        else
            std::fprintf(stderr, "qs7582-sim: clock to set is no real date; kept the old time\n");
    }
    if (command & GeneratorStatus::CmdSummerTime)
        status_.setSummerTimeOff(sent[GeneratorStatus::SummerTime] & SummerTimeOffBit);
    if (command & GeneratorStatus::CmdStop)
        stop();
    if (command & (GeneratorStatus::CmdPlayHeadphone | GeneratorStatus::CmdPlayChannels))
        play(status_.genPlayMessage());
}

void GeneratorDevice::play(int message)
{
    if (!status_.cardInserted() || message < 1 || message > GeneratorStatus::Messages
        || !status_.messagePresent(message)) {
        std::fprintf(stderr, "qs7582-sim: message %d is not on the card; nothing played\n", message);
        return;
    }
    status_.bytes[GeneratorStatus::MediaFlags] |= GeneratorStatus::MediaPlaying;
    playingUntil_ = std::chrono::steady_clock::now() + PlayTime;
}

void GeneratorDevice::stop() { status_.bytes[GeneratorStatus::MediaFlags] &= Byte(~GeneratorStatus::MediaPlaying); }

std::optional<Reply> GeneratorDevice::takeLegalTable(const Frame::Request& r)
{
    if (int(r.payload.size()) != LegalFileSize)
        return std::nullopt;
    Byte* id = status_.data() + GeneratorStatus::LegalId;
    id[0] = r.payload[0xFF];
    id[1] = r.payload[0xFE];
    id[2] = r.payload[0xFD];
    dump_.write("legal.bin", r.payload.data(), LegalFileSize);
    dumpStatus();
    return Reply{r.command, r.index, {}};
}

void GeneratorDevice::tick()
{
    showClock();
    if (status_.playing() && std::chrono::steady_clock::now() >= playingUntil_) {
        stop();
        dumpStatus();
    }
}

void GeneratorDevice::dumpStatus() const { dump_.write("generator.bin", status_.data(), GeneratorStatus::Size); }

} // namespace q7582::sim
