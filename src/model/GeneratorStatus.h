#pragma once
// The message generator's 64-byte status and command block, read and written whole.

#include "model/BcdClock.h"
#include "model/Bytes.h"

#include <array>
#include <cstdint>
#include <string>

namespace q7582 {

class GeneratorStatus {
public:
    static constexpr int Size = 64;
    static constexpr int Messages = 128;

    static constexpr int Clock = 0x00; // 7 bytes, see BcdClock.h
    static constexpr int ClockExtra = 0x07;
    static constexpr int Command = 0x08;
    static constexpr int ClockSet = 0x09; // 7 bytes
    static constexpr int ClockSetExtra = 0x10;
    static constexpr int PlayMessage = 0x11;
    static constexpr int SummerTime = 0x12;
    static constexpr int MessageMap = 0x13; // 16 bytes
    static constexpr int MediaFlags = 0x23;
    static constexpr int FirmwareRelease = 0x24;
    static constexpr int LegalId = 0x26; // 3 bytes, most significant first

    // genCommand bits
    static constexpr Byte CmdSetClock = 0x01;
    static constexpr Byte CmdPlayHeadphone = 0x02;
    static constexpr Byte CmdStop = 0x04;
    static constexpr Byte CmdSummerTime = 0x08;
    static constexpr Byte CmdPlayChannels = 0x10;

    // genMediaFlags bits
    static constexpr Byte MediaCardInserted = 0x01;
    static constexpr Byte MediaFolderFound = 0x02;
    static constexpr Byte MediaPlaying = 0x04;

    std::array<Byte, Size> bytes{};

    Byte* data() { return bytes.data(); }
    const Byte* data() const { return bytes.data(); }

    ClockTime genClock() const { return Bcd::decodeClock(bytes.data() + Clock); }
    // Sets genClockSet from t, copies byte 0x07 into 0x10 and asks for the clock to be set.
    void setClockFromPc(const ClockTime& t)
    {
        Bcd::encodeClock(bytes.data() + ClockSet, t);
        bytes[ClockSetExtra] = bytes[ClockExtra];
        bytes[Command] |= CmdSetClock;
    }

    Byte genCommand() const { return bytes[Command]; }
    void setGenCommand(Byte v) { bytes[Command] = v; }
    void addCommand(Byte bits) { bytes[Command] |= bits; }

    int genPlayMessage() const { return bytes[PlayMessage]; }
    void setGenPlayMessage(int n) { bytes[PlayMessage] = Byte(n); }

    bool summerTimeOff() const { return bytes[SummerTime] & 0x01; }
    void setSummerTimeOff(bool off) { bytes[SummerTime] = Byte((bytes[SummerTime] & ~0x01) | (off ? 1 : 0)); }

    // message 1..128
    bool messagePresent(int n) const { return (bytes[MessageMap + (n - 1) / 8] >> ((n - 1) % 8)) & 1; }
    const Byte* messageMap() const { return bytes.data() + MessageMap; }

    Byte mediaFlags() const { return bytes[MediaFlags]; }
    bool cardInserted() const { return bytes[MediaFlags] & MediaCardInserted; }
    bool folderFound() const { return bytes[MediaFlags] & MediaFolderFound; }
    bool playing() const { return bytes[MediaFlags] & MediaPlaying; }

    int firmwareRelease(int i) const { return bytes[FirmwareRelease + i]; }

    // (0x26 << 24) + (0x27 << 16) + (0x28 << 8), comparable with LegalFileId.
    std::uint32_t genLegalId() const
    {
        return std::uint32_t(bytes[LegalId]) << 24 | std::uint32_t(bytes[LegalId + 1]) << 16
               | std::uint32_t(bytes[LegalId + 2]) << 8;
    }
};

// "001.WAV" .. "128.WAV"
std::string messageFileName(int n);

// "8.10.14": the three significant bytes of a table identifier, most significant first.
std::string legalIdText(std::uint32_t id);

} // namespace q7582
