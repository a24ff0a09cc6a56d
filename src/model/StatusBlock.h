#pragma once
// The master's 128-byte live status, read and written in two pages of 64 bytes.
// Page 0: levels, zones, units, inputs and outputs, active source, music selection.
// Page 1: clock, summer-time switch and firmware release; the rest is carried unchanged.

#include "model/BcdClock.h"
#include "model/Bytes.h"

#include <array>

namespace q7582 {

class StatusBlock {
public:
    static constexpr int Size = 128;
    static constexpr int PageSize = 64;
    static constexpr int Slaves = 6;
    static constexpr int Units = 16;
    static constexpr int LevelMax = 20;

    // Offsets, written once.
    static constexpr int SpeechLevel = 0x00;
    static constexpr int MusicLevel = 0x01;
    static constexpr int SpeechInputLevels = 0x02; // VOX1, VOX2, Message, Unit, Remote
    static constexpr int MusicSourceLevels = 0x07; // music sources 0..4
    static constexpr int VoxThresholds = 0x0C;     // VOX1, VOX2
    static constexpr int AddressChime = 0x0E;
    static constexpr int SlaveZones = 0x0F; // + 2s
    static constexpr int SlaveGroup = 0x10; // + 2s
    static constexpr int UnitInfo = 0x1B;   // + u
    static constexpr int BusyZones = 0x2B;
    static constexpr int OutputStates = 0x30;
    static constexpr int ActiveSource = 0x35;
    static constexpr int ActiveSourceNumber = 0x36;
    static constexpr int ActiveMessage = 0x37;
    static constexpr int MusicSelect = 0x38;
    static constexpr int VoxInputMeters = 0x39; // VOX1, VOX2
    static constexpr int InputStates = 0x3B;
    static constexpr int MasterClock = 0x64; // 7 bytes, see BcdClock.h
    static constexpr int WeekdaySummer = 0x67;
    static constexpr int FirmwareRelease = 0x6B;

    static constexpr int SpeechInputCount = 5;
    static constexpr int MusicSourceCount = 5;

    enum ActiveKind { SourceUnit = 1, SourceInput = 2, SourceVox = 3, SourceTimer = 4, SourceRemote = 5 };

    std::array<Byte, Size> bytes{};

    Byte* data() { return bytes.data(); }
    const Byte* data() const { return bytes.data(); }
    Byte* page(int p) { return bytes.data() + PageSize * p; }
    const Byte* page(int p) const { return bytes.data() + PageSize * p; }

    // Levels 0..20, as the master holds them (speech and music are 20 - slider).
    Byte speechLevel() const { return bytes[SpeechLevel]; }
    void setSpeechLevel(Byte v) { bytes[SpeechLevel] = v; }
    Byte musicLevel() const { return bytes[MusicLevel]; }
    void setMusicLevel(Byte v) { bytes[MusicLevel] = v; }
    Byte speechInputLevel(int i) const { return bytes[SpeechInputLevels + i]; }
    void setSpeechInputLevel(int i, Byte v) { bytes[SpeechInputLevels + i] = v; }
    Byte musicSourceLevel(int s) const { return bytes[MusicSourceLevels + s]; }
    void setMusicSourceLevel(int s, Byte v) { bytes[MusicSourceLevels + s] = v; }
    Byte voxThreshold(int v) const { return bytes[VoxThresholds + v]; }
    void setVoxThreshold(int v, Byte value) { bytes[VoxThresholds + v] = value; }

    Byte addressChime() const { return bytes[AddressChime]; }
    // The master address is the low three bits of the address and chime byte.
    static constexpr int masterAddressOf(Byte addressChime) { return addressChime & 0x07; }
    int masterAddress() const { return masterAddressOf(bytes[AddressChime]); }
    void setMasterAddress(int a) { bytes[AddressChime] = Byte((bytes[AddressChime] & ~0x07) | (a & 0x07)); }
    bool chimeEnabled() const { return bytes[AddressChime] & 0x80; }
    void setChimeEnabled(bool on) { setBit(AddressChime, 7, on); }

    Byte slaveZones(int s) const { return bytes[SlaveZones + 2 * s]; }
    bool slavePresent(int s) const { return slaveZones(s) & 0x80; }
    bool zoneMusic(int s, int k) const { return (slaveZones(s) >> k) & 1; }
    // Toggles the music flag of zone 6s+k+1 and marks the byte as changed by the PC (bit 6).
    void setZoneMusic(int s, int k, bool on)
    {
        setBit(SlaveZones + 2 * s, k, on);
        setBit(SlaveZones + 2 * s, 6, true);
    }
    int slaveGroup(int s) const { return bytes[SlaveGroup + 2 * s] & 0x7F; }

    Byte unitInfo(int u) const { return bytes[UnitInfo + u]; }
    bool unitConnected(int u) const { return unitInfo(u) & 0x20; }
    bool unitIsIoCard(int u) const { return unitInfo(u) & 0x80; }
    bool unitOnLineB(int u) const { return unitInfo(u) & 0x40; }
    int unitPriority(int u) const { return unitInfo(u) & 0x07; }

    // zone 1..36
    bool zoneBusy(int zone) const { return bitOf40(BusyZones, zone - 1); }
    // card 0..5, line 0..5
    bool outputActive(int card, int line) const { return bitOf40(OutputStates, 6 * card + line); }
    bool inputActive(int card, int line) const { return bitOf40(InputStates, 6 * card + line); }
    // I/O rows exist for addresses 0..5 only.
    bool ioRowPresent(int card) const { return card >= 0 && card < 6 && unitIsIoCard(card); }

    int activeSourceKind() const { return bytes[ActiveSource] & 0x1F; }
    int activeSourcePriority() const { return bytes[ActiveSource] >> 5; }
    int activeSourceNumber() const { return bytes[ActiveSourceNumber]; }
    int activeMessage() const { return bytes[ActiveMessage] & 0x7F; }

    int musicSelect() const { return bytes[MusicSelect] & 0x07; }
    void setMusicSelect(int source) { bytes[MusicSelect] = Byte((bytes[MusicSelect] & ~0x07) | (source & 0x07)); }
    bool musicOnRemote() const { return bytes[MusicSelect] & 0x80; }
    void setMusicOnRemote(bool on) { setBit(MusicSelect, 7, on); }

    Byte voxInputMeter(int v) const { return bytes[VoxInputMeters + v]; }

    ClockTime masterClock() const { return Bcd::decodeClock(bytes.data() + MasterClock); }
    void setMasterClock(const ClockTime& t) { Bcd::encodeClock(bytes.data() + MasterClock, t); }
    bool summerTimeOff() const { return bytes[WeekdaySummer] & 0x80; }
    void setSummerTimeOff(bool off) { setBit(WeekdaySummer, 7, off); }

    int firmwareRelease(int i) const { return bytes[FirmwareRelease + i]; }

private:
    void setBit(int offset, int bit, bool on)
    {
        if (on)
            bytes[offset] = Byte(bytes[offset] | (1u << bit));
        else
            bytes[offset] = Byte(bytes[offset] & ~(1u << bit));
    }
    bool bitOf40(int offset, int bit) const { return (readLe40(bytes.data() + offset) >> bit) & 1; }
};

} // namespace q7582
