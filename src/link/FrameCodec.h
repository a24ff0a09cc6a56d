#pragma once
// Frames on the wire: 0xC0, a command byte, an index byte and a payload. Index and
// payload are byte-stuffed (C0 -> B5 00, B5 -> B5 01). No length, checksum or end marker.

#include "model/Bytes.h"

#include <vector>

namespace q7582 {

enum [[nodiscard]] TransferResult : int{
    TransferOk = 0,      TransferDeviceError = 1, TransferShort = 2,
    TransferBusy = 3,    TransferBadFrame = 4,    TransferLengthMismatch = 5,
    TransferNoReply = 6, TransferMaster = 253,    TransferGenerator = 254,
};

namespace Frame {
inline constexpr Byte Start = 0xC0;
inline constexpr Byte Escape = 0xB5;
inline constexpr Byte ReplyBusy = 0xFF;
inline constexpr Byte ReplyMaster = 0xFD;
inline constexpr Byte ReplyGenerator = 0xFE;
inline constexpr int BufferSize = 600;
inline constexpr int MaxPayload = 256;

// Commands
inline constexpr Byte ReadStatus = 1;
inline constexpr Byte WriteStatus = 2;
inline constexpr Byte ReadConfig = 3;
inline constexpr Byte WriteConfig = 4; // also the summer-time table to the generator
inline constexpr Byte Identify = 5;

// Longest frame carrying count payload bytes: start, command, escaped index and payload.
constexpr int maxFrameLength(int count) { return 4 + 2 * count; }

// Request frame into out (room for maxFrameLength(count)); returns its length.
// payload may be null when count is 0.
int buildRequest(Byte* out, Byte command, Byte index, const Byte* payload, int count);

// Steps 4 to 6 of taking a reply: the n bytes read are checked and unescaped. The
// payload goes to dest only when it has exactly count bytes (and dest is not null).
TransferResult decodeReply(const Byte* reply, int n, Byte command, Byte index, Byte* dest, int count);

// Device side, for the simulator: a reply frame (index echoed as is) into out.
int buildReply(Byte* out, Byte command, Byte index, const Byte* payload, int count);

struct Request {
    Byte command = 0;
    Byte index = 0;
    std::vector<Byte> payload;
};
// Device side: one whole request frame; false when it is not one.
bool decodeRequest(const Byte* frame, int n, Request& out);
} // namespace Frame

} // namespace q7582
