#include "MasterLife.h"

#include <algorithm>

namespace q7582::sim {

namespace {

constexpr Byte Connected = 0x20;
constexpr Byte LineB = 0x40;
constexpr Byte IoCardKind = 0x80;
constexpr Byte SlavePresent = 0x80;
constexpr int ZonesOfPresentSlaves = 18; // slaves 0..2

void setBit40(Byte* mask, int bit, bool on)
{
    const std::uint64_t v = readLe40(mask);
    writeLe40(mask, on ? v | (std::uint64_t(1) << bit) : v & ~(std::uint64_t(1) << bit));
}

} // namespace

void MasterLife::setUp(StatusBlock& s, int address)
{
    Byte* b = s.data();
    s.setSpeechLevel(6);
    s.setMusicLevel(10);
    const Byte inputLevels[StatusBlock::SpeechInputCount] = {12, 12, 14, 14, 10};
    const Byte sourceLevels[StatusBlock::MusicSourceCount] = {12, 14, 10, 8, 10};
    std::copy(std::begin(inputLevels), std::end(inputLevels), b + StatusBlock::SpeechInputLevels);
    std::copy(std::begin(sourceLevels), std::end(sourceLevels), b + StatusBlock::MusicSourceLevels);
    s.setVoxThreshold(0, 8);
    s.setVoxThreshold(1, 8);
    s.setMasterAddress(address);
    s.setChimeEnabled(true);
    s.setMusicSelect(1);

    const Byte musicFlags[3] = {0x3F, 0x07, 0x00};
    const Byte groups[3] = {1, 1, 2};
    for (int slave = 0; slave < 3; ++slave) {
        b[StatusBlock::SlaveZones + 2 * slave] = SlavePresent | musicFlags[slave];
        b[StatusBlock::SlaveGroup + 2 * slave] = groups[slave];
    }
    b[StatusBlock::UnitInfo + DeskMicrophones[0]] = Connected | 3;
    b[StatusBlock::UnitInfo + DeskMicrophones[1]] = Connected | LineB | 5;
    b[StatusBlock::UnitInfo + IoCard] = Connected | IoCardKind;

    b[StatusBlock::FirmwareRelease] = 2;
    b[StatusBlock::FirmwareRelease + 1] = 3;
}

void MasterLife::tick(StatusBlock& s)
{
    if (scripted_)
        scriptedTick(s);
    moveMeters(s);
    if (chance(12))
        toggleIoLine(s);
    if (announcementTicks_ > 0) {
        if (--announcementTicks_ == 0)
            endAnnouncement(s);
    } else if (chance(25)) {
        startAnnouncement(s);
    }
}

// About every 10 s an input fires an announcement in its zones; every 30 s line 5 of the
// I/O card flickers for 3 s; every 40 s the desk microphone at address 3 drops off the
// bus for 2 s; every 15 s the speech and music levels move.
void MasterLife::scriptedTick(StatusBlock& s)
{
    ++ticks_;
    Byte* b = s.data();
    if (ticks_ % 67 == 0 && announcementTicks_ == 0) {
        const int line = pick(5);
        setBit40(b + StatusBlock::InputStates, 6 * IoCard + line, true);
        b[StatusBlock::ActiveSource] = Byte(StatusBlock::SourceInput | 3 << 5);
        b[StatusBlock::ActiveSourceNumber] = Byte(6 * IoCard + line);
        b[StatusBlock::ActiveMessage] = Byte(1 + line);
        writeLe40(b + StatusBlock::BusyZones, std::uint64_t(0x3F) << (6 * (line % 3)));
        announcementTicks_ = 20;
    } else if (announcementTicks_ == 1 && s.activeSourceKind() == StatusBlock::SourceInput) {
        setBit40(b + StatusBlock::InputStates, s.activeSourceNumber(), false);
    }
    if (ticks_ % 200 < 20)
        setBit40(b + StatusBlock::InputStates, 6 * IoCard + FlickeringLine, ticks_ % 2);
    Byte& microphone = b[StatusBlock::UnitInfo + DroppingMicrophone];
    microphone = Byte(ticks_ % 270 < 14 ? microphone & ~Connected : microphone | Connected);
    if (ticks_ % 100 == 0) {
        s.setSpeechLevel(Byte(4 + pick(8)));
        s.setMusicLevel(Byte(6 + pick(10)));
    }
}

void MasterLife::moveMeters(StatusBlock& s)
{
    for (int v = 0; v < 2; ++v) {
        Byte& meter = s.bytes[StatusBlock::VoxInputMeters + v];
        // VOX1 carries programme most of the time, VOX2 only now and then.
        const int step = v == 0 ? pick(7) - 3 : pick(9) - 5;
        meter = Byte(std::clamp(int(meter) + step, 0, int(StatusBlock::LevelMax)));
    }
}

// An input of the I/O card changes; its output follows it.
void MasterLife::toggleIoLine(StatusBlock& s)
{
    const int bit = 6 * IoCard + pick(6);
    const bool on = !s.inputActive(IoCard, bit - 6 * IoCard);
    setBit40(s.data() + StatusBlock::InputStates, bit, on);
    setBit40(s.data() + StatusBlock::OutputStates, bit, on);
}

void MasterLife::startAnnouncement(StatusBlock& s)
{
    int kind = StatusBlock::SourceUnit, number = 0, priority = 0, message = 0;
    switch (pick(4)) {
    case 0:
    case 1:
        number = DeskMicrophones[pick(2)];
        priority = s.unitPriority(number);
        break;
    case 2:
        kind = StatusBlock::SourceVox;
        number = 1;
        priority = 5;
        break;
    default:
        kind = StatusBlock::SourceTimer;
        number = 1 + pick(10);
        priority = 4;
        message = number;
        break;
    }
    Byte* b = s.data();
    b[StatusBlock::ActiveSource] = Byte(kind | priority << 5);
    b[StatusBlock::ActiveSourceNumber] = Byte(number);
    b[StatusBlock::ActiveMessage] = Byte(message);
    writeLe40(b + StatusBlock::BusyZones, 1 + rng_() % ((1u << ZonesOfPresentSlaves) - 1));
    announcementTicks_ = 10 + pick(25);
}

void MasterLife::endAnnouncement(StatusBlock& s)
{
    Byte* b = s.data();
    b[StatusBlock::ActiveSource] = 0;
    b[StatusBlock::ActiveSourceNumber] = 0;
    b[StatusBlock::ActiveMessage] = 0;
    writeLe40(b + StatusBlock::BusyZones, 0);
}

} // namespace q7582::sim
