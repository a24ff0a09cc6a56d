#include "RequestReader.h"

#include "link/FrameCodec.h"
#include "model/ConfigImage.h"
#include "model/StatusBlock.h"

namespace q7582::sim {

int requestPayloadSize(Byte command)
{
    switch (command) {
    case Frame::WriteStatus:
        return StatusBlock::PageSize;
    case Frame::WriteConfig:
        return ConfigImage::BlockSize;
    default:
        return 0;
    }
}

bool RequestReader::feed(Byte b)
{
    if (complete_) {
        frame_.clear();
        complete_ = false;
    }
    if (b == Frame::Start) {
        frame_.assign(1, b);
        yielded_ = 0;
        escape_ = false;
        return false;
    }
    if (frame_.empty())
        return false; // noise between frames
    if (int(frame_.size()) >= Frame::BufferSize) {
        frame_.clear(); // runaway escapes: wait for the next start
        return false;
    }
    frame_.push_back(b);
    if (frame_.size() == 2) {
        needed_ = 1 + requestPayloadSize(b);
        return false;
    }
    if (escape_) {
        escape_ = false;
        if (b == 0x00 || b == 0x01)
            ++yielded_; // any other byte after B5 yields nothing, as on the PC side
    } else if (b == Frame::Escape) {
        escape_ = true;
    } else {
        ++yielded_;
    }
    complete_ = yielded_ == needed_;
    return complete_;
}

} // namespace q7582::sim
