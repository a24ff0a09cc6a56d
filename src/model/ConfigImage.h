#pragma once
// The master's whole configuration: exactly 32768 bytes in the master's own layout,
// which is also the whole content of a .cfi file. Records are packed byte layouts;
// the views below name their fields so that no consumer repeats an offset.

#include "model/BcdClock.h"
#include "model/Bytes.h"
#include "model/ZoneMask.h"

#include <array>
#include <type_traits>

namespace q7582 {

// OutputEventCode: 0 none, 1..63 out event n, 64 RESET MASTER, 65 RESET SYSTEM.
namespace OutputEventCode {
inline constexpr Byte None = 0;
inline constexpr Byte LastOutEvent = 63;
inline constexpr Byte ResetMaster = 64;
inline constexpr Byte ResetSystem = 65;
inline bool isValid(Byte code) { return code <= ResetSystem; }
} // namespace OutputEventCode

// KeyRecord, MessageEventRecord and VoxRecord share one 32-byte shape:
// ZoneSet at 0x00, a number at 0x1E (message number, or VOX priority), output event at 0x1F.
template <typename B>
class PagingRecordView {
public:
    static constexpr int Size = 0x20;
    static constexpr int Number = 0x1E;
    static constexpr int OutputEvent = 0x1F;

    explicit PagingRecordView(B* p) : p_(p) {}
    ZoneSetView<B> zones() const { return ZoneSetView<B>(p_); }
    Byte messageNumber() const { return p_[Number]; }
    void setMessageNumber(Byte n) const requires(!std::is_const_v<B>) { p_[Number] = n; }
    Byte voxPriority() const { return p_[Number]; }
    void setVoxPriority(Byte n) const requires(!std::is_const_v<B>) { p_[Number] = n; }
    Byte outputEvent() const { return p_[OutputEvent]; }
    void setOutputEvent(Byte code) const requires(!std::is_const_v<B>) { p_[OutputEvent] = code; }
    B* data() const { return p_; }

private:
    B* p_;
};

// Out events 1..63: OutputStateSet at 0x00, two zero bytes, OutputAffectSet at 0x20,
// two uninterpreted bytes at 0x3E.
template <typename B>
class OutEventView {
public:
    static constexpr int Size = 0x40;
    static constexpr int StateSet = 0x00;
    static constexpr int Zero = 0x1E;
    static constexpr int AffectSet = 0x20;

    explicit OutEventView(B* p) : p_(p) {}
    ZoneSetView<B> states() const { return ZoneSetView<B>(p_ + StateSet); }
    ZoneSetView<B> affects() const { return ZoneSetView<B>(p_ + AffectSet); }
    B* data() const { return p_; }

private:
    B* p_;
};

// The RESET out event: OutputStateSet at 0x00 and two zero bytes; every output is affected.
template <typename B>
class ResetOutEventView {
public:
    static constexpr int Size = 0x20;
    explicit ResetOutEventView(B* p) : p_(p) {}
    ZoneSetView<B> states() const { return ZoneSetView<B>(p_); }
    B* data() const { return p_; }

private:
    B* p_;
};

template <typename B>
class TimerEventView {
public:
    static constexpr int Size = 0x20;
    static constexpr int Start = 0x00; // 7 BCD bytes: second, minute, hour, weekday, day, month, year
    static constexpr int RepeatDays = 0x07;
    static constexpr int PeriodSeconds = 0x08;
    static constexpr int DurationSeconds = 0x0A; // not 4-byte aligned
    static constexpr int OutputEvent = 0x0E;
    static constexpr int Flags = 0x0F;
    static constexpr int MessageEvents = 0x10;
    static constexpr int MessageSlots = 16;

    static constexpr Byte Daily = 0x7F;
    static constexpr Byte FlagEnabled = 0x80;
    static constexpr Byte PriorityMask = 0x07;
    static constexpr Byte TransitionMask = 0x30;

    explicit TimerEventView(B* p) : p_(p) {}

    B* start() const { return p_ + Start; }
    ClockTime startTime() const { return Bcd::decodeClock(p_ + Start); }
    // The start weekday is a whole BCD byte 1..7 here, unlike the status clocks that
    // share it with other bits.
    void setStartTime(const ClockTime& t) const requires(!std::is_const_v<B>)
    {
        p_[Start + Bcd::Weekday] = 0;
        Bcd::encodeClock(p_ + Start, t);
    }
    // Seconds after midnight of the start time.
    int startSecondOfDay() const
    {
        const ClockTime t = startTime();
        return 3600 * t.hour + 60 * t.minute + t.second;
    }

    Byte repeatDays() const { return p_[RepeatDays]; }
    void setRepeatDays(Byte d) const requires(!std::is_const_v<B>) { p_[RepeatDays] = d; }

    std::uint16_t periodSeconds() const { return readLe16(p_ + PeriodSeconds); }
    void setPeriodSeconds(std::uint16_t s) const requires(!std::is_const_v<B>) { writeLe16(p_ + PeriodSeconds, s); }
    std::uint32_t durationSeconds() const { return readLe32(p_ + DurationSeconds); }
    void setDurationSeconds(std::uint32_t s) const requires(!std::is_const_v<B>) { writeLe32(p_ + DurationSeconds, s); }

    Byte outputEvent() const { return p_[OutputEvent]; }
    void setOutputEvent(Byte code) const requires(!std::is_const_v<B>) { p_[OutputEvent] = code; }

    Byte flags() const { return p_[Flags]; }
    void setFlags(Byte f) const requires(!std::is_const_v<B>) { p_[Flags] = f; }
    int priority() const { return p_[Flags] & PriorityMask; }
    void setPriority(int prio) const requires(!std::is_const_v<B>)
    {
        p_[Flags] = Byte((p_[Flags] & ~PriorityMask) | (prio & PriorityMask));
    }
    // 0 level, 1 rising, 2 falling, 3 both edges
    int transition() const { return (p_[Flags] & TransitionMask) >> 4; }
    void setTransition(int t) const requires(!std::is_const_v<B>)
    {
        p_[Flags] = Byte((p_[Flags] & ~TransitionMask) | ((t & 3) << 4));
    }
    bool enabled() const { return p_[Flags] & FlagEnabled; }
    void setEnabled(bool on) const requires(!std::is_const_v<B>)
    {
        p_[Flags] = Byte(on ? (p_[Flags] | FlagEnabled) : (p_[Flags] & ~FlagEnabled));
    }

    Byte messageEvent(int slot) const { return p_[MessageEvents + slot]; }
    void setMessageEvent(int slot, Byte e) const requires(!std::is_const_v<B>) { p_[MessageEvents + slot] = e; }

    // Programmed: the first message slot or the output event is non-zero.
    bool programmed() const { return p_[MessageEvents] != 0 || p_[OutputEvent] != 0; }
    B* data() const { return p_; }

private:
    B* p_;
};

// One I/O line attribute byte: input priority (bits 0-2), input logic (bit 3),
// input transition (bits 4-5), bit 6 preserved, output logic (bit 7).
namespace IoLine {
inline constexpr Byte PriorityMask = 0x07;
inline constexpr Byte InputNegative = 0x08;
inline constexpr Byte TransitionMask = 0x30;
inline constexpr Byte OutputNegative = 0x80;
inline int priority(Byte a) { return a & PriorityMask; }
inline bool inputNegative(Byte a) { return a & InputNegative; }
inline int transition(Byte a) { return (a & TransitionMask) >> 4; }
inline bool outputNegative(Byte a) { return a & OutputNegative; }
} // namespace IoLine

using KeyRecord = PagingRecordView<Byte>;
using ConstKeyRecord = PagingRecordView<const Byte>;
using MessageEventRecord = PagingRecordView<Byte>;
using ConstMessageEventRecord = PagingRecordView<const Byte>;
using VoxRecord = PagingRecordView<Byte>;
using ConstVoxRecord = PagingRecordView<const Byte>;
using OutEventRecord = OutEventView<Byte>;
using ConstOutEventRecord = OutEventView<const Byte>;
using ResetOutEventRecord = ResetOutEventView<Byte>;
using ConstResetOutEventRecord = ResetOutEventView<const Byte>;
using TimerEventRecord = TimerEventView<Byte>;
using ConstTimerEventRecord = TimerEventView<const Byte>;

class ConfigImage {
public:
    static constexpr int Size = 0x8000;
    static constexpr int BlockSize = 256;
    static constexpr int BlockCount = Size / BlockSize;

    static constexpr int Units = 16;
    static constexpr int KeysPerUnit = 39; // 36 keys, PTT/Lock, ALL Esp. 1, ALL Esp. 2
    static constexpr int PttLockKey = 36;
    static constexpr int AllEsp1Key = 37;
    static constexpr int AllEsp2Key = 38;
    static constexpr int MessageEvents = 127;
    static constexpr int OutEvents = 63;
    static constexpr int TimerEvents = 127;
    static constexpr int Voxes = 2;
    static constexpr int IoCards = 6;
    static constexpr int IoLines = 6;

    // Memory map.
    static constexpr int UnitBlocksAt = 0x0000;
    static constexpr int UnitBlockSize = 0x4E0;
    static constexpr int MessageEventsAt = 0x4E00;
    static constexpr int OutEventsAt = 0x5DE0;
    static constexpr int ResetOutEventAt = 0x6DA0;
    static constexpr int TimerEventsAt = 0x6DC0;
    static constexpr int VoxAt = 0x7DA0;
    static constexpr int Uninterpreted1At = 0x7DE0;
    static constexpr int Uninterpreted1Size = 0x160;
    static constexpr int IoLineAttributesAt = 0x7F40;
    static constexpr int Uninterpreted2At = 0x7F64;
    static constexpr int Uninterpreted2Size = 0x9C;

    static constexpr int keyOffset(int unit, int key) { return UnitBlocksAt + UnitBlockSize * unit + 0x20 * key; }
    static constexpr int messageEventOffset(int e) { return MessageEventsAt + 0x20 * (e - 1); }
    static constexpr int outEventOffset(int o) { return OutEventsAt + 0x40 * (o - 1); }
    static constexpr int timerOffset(int t) { return TimerEventsAt + 0x20 * (t - 1); }
    static constexpr int voxOffset(int v) { return VoxAt + 0x20 * (v - 1); }
    // Reports index by unit address (6 * address + line); addresses above 5 fall into
    // the uninterpreted area after the table.
    static constexpr int ioLineOffset(int card, int line) { return IoLineAttributesAt + 6 * card + line; }

    std::array<Byte, Size> bytes{};

    Byte* data() { return bytes.data(); }
    const Byte* data() const { return bytes.data(); }
    Byte* block(int b) { return bytes.data() + BlockSize * b; }
    const Byte* block(int b) const { return bytes.data() + BlockSize * b; }
    void clear() { bytes.fill(0); }
    bool operator==(const ConfigImage&) const = default;

    // unit 0..15, key 0..38 (record k = key k+1; 36..38 the special keys)
    KeyRecord key(int unit, int key) { return KeyRecord(at(keyOffset(unit, key))); }
    ConstKeyRecord key(int unit, int key) const { return ConstKeyRecord(at(keyOffset(unit, key))); }
    // e 1..127
    MessageEventRecord messageEvent(int e) { return MessageEventRecord(at(messageEventOffset(e))); }
    ConstMessageEventRecord messageEvent(int e) const { return ConstMessageEventRecord(at(messageEventOffset(e))); }
    // o 1..63
    OutEventRecord outEvent(int o) { return OutEventRecord(at(outEventOffset(o))); }
    ConstOutEventRecord outEvent(int o) const { return ConstOutEventRecord(at(outEventOffset(o))); }
    ResetOutEventRecord resetOutEvent() { return ResetOutEventRecord(at(ResetOutEventAt)); }
    ConstResetOutEventRecord resetOutEvent() const { return ConstResetOutEventRecord(at(ResetOutEventAt)); }
    // t 1..127
    TimerEventRecord timer(int t) { return TimerEventRecord(at(timerOffset(t))); }
    ConstTimerEventRecord timer(int t) const { return ConstTimerEventRecord(at(timerOffset(t))); }
    // v 1..2
    VoxRecord vox(int v) { return VoxRecord(at(voxOffset(v))); }
    ConstVoxRecord vox(int v) const { return ConstVoxRecord(at(voxOffset(v))); }
    Byte& ioLineAttribute(int card, int line) { return bytes[ioLineOffset(card, line)]; }
    Byte ioLineAttribute(int card, int line) const { return bytes[ioLineOffset(card, line)]; }

private:
    Byte* at(int offset) { return bytes.data() + offset; }
    const Byte* at(int offset) const { return bytes.data() + offset; }
};

} // namespace q7582
