#pragma once
// A tiny master or message generator behind the fake chip: answers each request frame
// the way the device does, with faults to switch on. And the window as the link sees
// it: records every call, with the thread it ran on, and keeps the configuration image
// the way the main window does.

#include "FakeChip.h"
#include "link/FrameCodec.h"
#include "link/LinkObserver.h"
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <QThread>
#include <functional>
#include <string>

namespace q7582::test {

using Bytes = std::vector<Byte>;

inline Bytes reply(Byte command, Byte index, const Byte* payload = nullptr, int count = 0)
{
    Bytes out(Frame::maxFrameLength(count));
    out.resize(Frame::buildReply(out.data(), command, index, payload, count));
    return out;
}

class FakeDevice : public FakeChip {
public:
    enum Kind { Master, Generator };

    Kind kind = Master;
    StatusBlock status;
    GeneratorStatus generator;
    ConfigImage config;
    Bytes legal;
    int busyReplies = 0;          // the next requests answered busy
    int failConfigReadAt = -1;    // this block of an Upload comes back one byte short
    int silentConfigWriteAt = -1; // this block of a Download is stored but not answered

    std::vector<Frame::Request> received()
    {
        std::lock_guard lock(mutex_);
        return requests_;
    }

protected:
    Bytes answer(const Bytes& frame) override
    {
        std::lock_guard lock(mutex_);
        Frame::Request r;
        if (!Frame::decodeRequest(frame.data(), int(frame.size()), r))
            return {};
        requests_.push_back(r);
        if (busyReplies > 0) {
            --busyReplies;
            return reply(Frame::ReplyBusy, r.index);
        }
        const bool master = kind == Master;
        switch (r.command) {
        case Frame::Identify:
            return reply(master ? Frame::ReplyMaster : Frame::ReplyGenerator, 0);
        case Frame::ReadStatus:
            return master ? reply(r.command, r.index, status.page(r.index), StatusBlock::PageSize)
                          : reply(r.command, r.index, generator.data(), GeneratorStatus::Size);
        case Frame::WriteStatus:
            std::copy(r.payload.begin(), r.payload.end(), master ? status.page(r.index) : generator.data());
            return reply(r.command, r.index);
        case Frame::ReadConfig:
            return reply(r.command, r.index, config.block(r.index),
                         ConfigImage::BlockSize - (r.index == failConfigReadAt ? 1 : 0));
        case Frame::WriteConfig:
            if (master)
                std::copy(r.payload.begin(), r.payload.end(), config.block(r.index));
            else
                legal = r.payload;
            if (master && r.index == silentConfigWriteAt)
                return {};
            return reply(r.command, r.index);
        }
        return {};
    }

private:
    std::mutex mutex_;
    std::vector<Frame::Request> requests_;
};

class RecordingObserver : public LinkObserver {
public:
    std::vector<std::string> calls;
    std::vector<QThread*> threads;
    ConfigImage image;
    LegalFileImage legal;
    Byte chime = 0; // the address chime byte the last completed transfer reported
    std::vector<TransferReport> reports;
    // Runs inside every call, after it is recorded, with the call's name.
    std::function<void(const std::string&)> onCall;

    int count(const std::string& name) const { return int(std::count(calls.begin(), calls.end(), name)); }

    void repaintStatusBar() override { note("repaintStatusBar"); }
    void showActivity() override { note("showActivity"); }
    void statusDisplayRefresh() override { note("statusDisplayRefresh"); }
    void generatorPanelRefresh() override { note("generatorPanelRefresh"); }
    void enableMainWindow() override { note("enableMainWindow"); }
    void disableMainWindow() override { note("disableMainWindow"); }
    void captionRefresh() override { note("captionRefresh"); }
    void enterGeneratorMode() override { note("enterGeneratorMode"); }
    void enterMasterMode() override { note("enterMasterMode"); }
    void copyConfigForDownload(ConfigImage& out) override
    {
        note("copyConfigForDownload");
        out = image;
    }
    void copyLegalFileImage(LegalFileImage& out) override
    {
        note("copyLegalFileImage");
        out = legal;
    }
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override
    {
        image = received;
        chime = addressChime;
        note("uploadCompleted"); // onCall sees the image taken
    }
    void downloadCompleted(Byte addressChime) override
    {
        chime = addressChime;
        note("downloadCompleted");
    }
    void transferEnded(const TransferReport& report) override
    {
        reports.push_back(report);
        note("transferEnded");
    }

private:
    void note(const char* name)
    {
        calls.emplace_back(name);
        threads.push_back(QThread::currentThread());
        if (onCall)
            onCall(calls.back());
    }
};

} // namespace q7582::test
