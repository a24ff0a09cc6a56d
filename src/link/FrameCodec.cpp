#include "link/FrameCodec.h"

namespace q7582::Frame {

namespace {

int putEscaped(Byte* out, int at, Byte b)
{
    if (b == Start || b == Escape) {
        out[at++] = Escape;
        out[at++] = b == Start ? 0x00 : 0x01;
    } else {
        out[at++] = b;
    }
    return at;
}

// Unescapes in[0..n) into out (when not null); returns how many bytes it yields.
// B5 followed by a byte other than 00 or 01 yields nothing; both bytes are consumed.
int unescape(const Byte* in, int n, Byte* out, int room)
{
    int yielded = 0;
    for (int i = 0; i < n; ++i) {
        Byte b = in[i];
        if (b == Escape) {
            if (++i >= n)
                break;
            if (in[i] == 0x00)
                b = Start;
            else if (in[i] == 0x01)
                b = Escape;
            else
                continue;
        }
        if (out && yielded < room)
            out[yielded] = b;
        ++yielded;
    }
    return yielded;
}

int buildFrame(Byte* out, Byte command, Byte index, bool escapeIndex, const Byte* payload, int count)
{
    int at = 0;
    out[at++] = Start;
    out[at++] = command;
    at = escapeIndex ? putEscaped(out, at, index) : (out[at] = index, at + 1);
    for (int i = 0; payload && i < count; ++i)
        at = putEscaped(out, at, payload[i]);
    return at;
}

} // namespace

int buildRequest(Byte* out, Byte command, Byte index, const Byte* payload, int count)
{
    return buildFrame(out, command, index, true, payload, count);
}

int buildReply(Byte* out, Byte command, Byte index, const Byte* payload, int count)
{
    return buildFrame(out, command, index, false, payload, count);
}

TransferResult decodeReply(const Byte* reply, int n, Byte command, Byte index, Byte* dest, int count)
{
    if (n < 1 || reply[0] != Start)
        return TransferBadFrame;
    if (n < 2)
        return TransferBadFrame;
    if (reply[1] == ReplyBusy)
        return TransferBusy;
    if (reply[1] == ReplyMaster)
        return TransferMaster;
    if (reply[1] == ReplyGenerator)
        return TransferGenerator;
    if (n < 3 || reply[1] != command || reply[2] != index)
        return TransferBadFrame;
    // Without a destination nothing is counted: only a reply without payload passes.
    if (!dest)
        return count == 0 ? TransferOk : TransferLengthMismatch;
    Byte payload[BufferSize];
    if (unescape(reply + 3, n - 3, payload, BufferSize) != count)
        return TransferLengthMismatch;
    for (int i = 0; i < count; ++i)
        dest[i] = payload[i];
    return TransferOk;
}

bool decodeRequest(const Byte* frame, int n, Request& out)
{
    if (n < 3 || frame[0] != Start)
        return false;
    out.command = frame[1];
    Byte rest[BufferSize];
    const int len = unescape(frame + 2, n - 2, rest, BufferSize);
    if (len < 1 || len > BufferSize)
        return false;
    out.index = rest[0];
    out.payload.assign(rest + 1, rest + len);
    return true;
}

} // namespace q7582::Frame
