// The transfers run between two polls: status page write, configuration Upload and
// Download, generator status read and write, and the summer-time table.

#include "link/LinkEngine.h"

#include <algorithm>

namespace q7582 {

namespace {
constexpr int StatusWriteSleepMs = 100;
constexpr int ConfigRequestSleepMs = 60;
constexpr int ConfigWriteReplySleepMs = 5;
constexpr int ConfigReadReplySleepMs = 2;
constexpr int GeneratorWriteSleepMs = 500;
constexpr int GeneratorWriteReplySleepMs = 100;
constexpr int GeneratorReadSleepMs = 100;
constexpr int GeneratorReadReplySleepMs = 2;
constexpr int LegalWriteSleepMs = 1000;
constexpr int LegalWriteReplySleepMs = 100;
constexpr int BlocksPerProgressStep = 8;

Byte addressChimeOf(LinkShared& shared)
{
    return shared.withStatus([](const StatusBlock& status) { return status.addressChime(); });
}

std::string hexOf(const Byte* bytes, int count)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (int i = 0; i < count; ++i) {
        hex += Digits[bytes[i] >> 4];
        hex += Digits[bytes[i] & 15];
    }
    return hex;
}

TransferReport completed(TransferKind kind)
{
    TransferReport report;
    report.kind = kind;
    return report;
}
} // namespace

bool LinkEngine::statusWrite()
{
    if (linkOperation_ == OpStatusWrite) {
        shared_.withStatus(
            [this](const StatusBlock& status) { std::copy_n(status.page(statusPage_), StatusBlock::PageSize, page_); });
        return sendThenSleep(page_, StatusBlock::PageSize, Frame::WriteStatus, Byte(statusPage_), StatusWriteSleepMs);
    }
    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(0, nullptr, Frame::WriteStatus, Byte(statusPage_)), stepOk))
        return stepOk;
    // statusPage_ still names the page just written: the next poll reads it back.
    (statusPage_ == 0 ? shared_.requests.statusWriteRequest : shared_.requests.clockWriteRequest) = false;
    if (statusPage_ == 0)
        tapEvent(TapEvent::LiveChange, 0, hexOf(page_, StatusBlock::PageSize));
    else
        tapEvent(TapEvent::ClockWrite, 1, hexOf(page_, StatusBlock::PageSize));
    busyRetryCount_ = 0;
    linkOperation_ = OpStatusRead;
    stepProgress();
    showActivity(Activity::StatusUL);
    sleep_(StatusWriteSleepMs);
    return true;
}

bool LinkEngine::configWrite()
{
    const Byte block = Byte(configBlockIndex_);
    if (linkOperation_ == OpConfigWrite)
        return sendThenSleep(outgoing_.block(block), ConfigImage::BlockSize, Frame::WriteConfig, block,
                             ConfigRequestSleepMs);

    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(0, nullptr, Frame::WriteConfig, block), stepOk))
        return stepOk;
    if (++configBlockIndex_ < ConfigImage::BlockCount) {
        linkOperation_ = OpConfigWrite;
        shared_.progressPosition = configBlockIndex_ / BlocksPerProgressStep;
        showActivity(Activity::ConfigDL);
    } else {
        shared_.requests.downloadRequest = false;
        linkOperation_ = OpStatusRead;
        shared_.progressPosition = 0;
        observer_.downloadCompleted(addressChimeOf(shared_));
        observer_.enableMainWindow();
        observer_.captionRefresh();
        showActivity(Activity::StatusUL);
        endTransfer(completed(TransferKind::Download));
    }
    busyRetryCount_ = 0;
    sleep_(ConfigWriteReplySleepMs);
    return true;
}

bool LinkEngine::configRead()
{
    const Byte block = Byte(configBlockIndex_);
    if (linkOperation_ == OpConfigRead) {
        if (!shared_.requests.uploadRequest)
            return cancelUpload(); // withdrawn by the user: the image stays as it was
        return sendThenSleep(nullptr, 0, Frame::ReadConfig, block, ConfigRequestSleepMs);
    }

    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(ConfigImage::BlockSize, staging_.block(block), Frame::ReadConfig, block),
                    stepOk))
        return stepOk;
    if (++configBlockIndex_ < ConfigImage::BlockCount) {
        linkOperation_ = OpConfigRead;
        shared_.progressPosition = configBlockIndex_ / BlocksPerProgressStep;
        showActivity(Activity::ConfigUL);
    } else if (!shared_.requests.uploadRequest.exchange(false)) {
        return cancelUpload(); // withdrawn while the last block travelled
    } else {
        linkOperation_ = OpStatusRead;
        shared_.progressPosition = 0;
        observer_.uploadCompleted(staging_, addressChimeOf(shared_));
        observer_.enableMainWindow();
        observer_.captionRefresh();
        showActivity(Activity::StatusUL);
        endTransfer(completed(TransferKind::Upload));
    }
    busyRetryCount_ = 0;
    sleep_(ConfigReadReplySleepMs);
    return true;
}

bool LinkEngine::generatorRead()
{
    if (linkOperation_ == OpGeneratorRead)
        return sendThenSleep(nullptr, 0, Frame::ReadStatus, 0, GeneratorReadSleepMs);

    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(GeneratorStatus::Size, generator_, Frame::ReadStatus, 0), stepOk))
        return stepOk;
    shared_.withGenerator(
        [this](GeneratorStatus& status) { std::copy_n(generator_, GeneratorStatus::Size, status.data()); });
    tapRead(TapStream::Generator, generator_);
    observer_.generatorPanelRefresh();
    chooseAfterGeneratorRead();
    busyRetryCount_ = 0;
    sleep_(GeneratorReadReplySleepMs);
    return true;
}

// Generator-side requests, first match wins.
void LinkEngine::chooseAfterGeneratorRead()
{
    forgetWithdrawnRestarts();
    Activity activity = Activity::GeneratorUL;
    if (shared_.requests.generatorWriteRequest && beginTransfer(TransferKind::GeneratorWrite)) {
        linkOperation_ = OpGeneratorWrite;
        activity = Activity::GeneratorDL;
    } else if (shared_.requests.legalFileWriteRequest && beginTransfer(TransferKind::LegalTable)) {
        observer_.copyLegalFileImage(legal_);
        linkOperation_ = OpLegalWrite;
        activity = Activity::LegalDL;
    } else {
        linkOperation_ = OpGeneratorRead;
    }
    stepProgress();
    showActivity(activity);
}

bool LinkEngine::generatorWrite()
{
    if (linkOperation_ == OpGeneratorWrite) {
        shared_.withGenerator(
            [this](const GeneratorStatus& status) { std::copy_n(status.data(), GeneratorStatus::Size, generator_); });
        return sendThenSleep(generator_, GeneratorStatus::Size, Frame::WriteStatus, 0, GeneratorWriteSleepMs);
    }
    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(0, nullptr, Frame::WriteStatus, 0), stepOk))
        return stepOk;
    shared_.requests.generatorWriteRequest = false;
    tapEvent(generator_[GeneratorStatus::Command] & GeneratorStatus::CmdSetClock ? TapEvent::ClockWrite
                                                                                 : TapEvent::GeneratorWrite,
             generator_[GeneratorStatus::Command], hexOf(generator_, GeneratorStatus::Size));
    finishGeneratorTransfer(TransferKind::GeneratorWrite);
    sleep_(GeneratorWriteReplySleepMs);
    return true;
}

bool LinkEngine::legalWrite()
{
    if (linkOperation_ == OpLegalWrite)
        return sendThenSleep(legal_.data(), LegalFileSize, Frame::WriteConfig, 0, LegalWriteSleepMs);

    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(0, nullptr, Frame::WriteConfig, 0), stepOk))
        return stepOk;
    shared_.requests.legalFileWriteRequest = false;
    finishGeneratorTransfer(TransferKind::LegalTable);
    sleep_(LegalWriteReplySleepMs);
    return true;
}

void LinkEngine::finishGeneratorTransfer(TransferKind kind)
{
    busyRetryCount_ = 0;
    linkOperation_ = OpGeneratorRead;
    stepProgress();
    showActivity(Activity::GeneratorUL);
    endTransfer(completed(kind));
}

} // namespace q7582
