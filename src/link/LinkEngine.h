#pragma once
// The link's state machine: device identification, master status polling with page
// rotation, the six transfers and the recovery after a failed step. It runs one
// LinkOperation per step() and knows nothing of threads: the worker thread calls it
// in a loop, tests call it step by step with the sleeps injected away.

#include "link/Chip.h"
#include "link/FramePort.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "model/ConfigImage.h"
#include "model/LegalFile.h"

#include <array>
#include <functional>
#include <optional>

namespace q7582 {

// The step the link runs next: even codes send a request, odd codes take its reply.
enum LinkOperationCode : int {
    OpStatusWrite = 0,
    OpStatusWriteReply,
    OpStatusRead,
    OpStatusReadReply,
    OpConfigWrite,
    OpConfigWriteReply,
    OpConfigRead,
    OpConfigReadReply,
    OpIdSearch,
    OpIdSearchReply,
    OpGeneratorWrite,
    OpGeneratorWriteReply,
    OpGeneratorRead,
    OpGeneratorReadReply,
    OpLegalWrite,
    OpLegalWriteReply,
};

class LinkEngine {
public:
    using Sleep = std::function<void(int ms)>;
    enum class Outcome { Continue, Suspend };

    static constexpr int TimeoutMs = 300;
    static constexpr int BusyRetryLimit = 3;
    // ID searches in vain before another device on the bus is tried (about 2 s).
    static constexpr int SearchesBeforeNextDevice = 4;

    LinkEngine(Chip& chip, LinkShared& shared, LinkObserver& observer, Sleep sleep);

    // Opens and prepares the chip; false when there is none. A present device that
    // cannot be had sets LinkShared::openFailure; hintChanged says whether it changed.
    bool openDevice(bool* hintChanged = nullptr);
    // The device was opened: start an ID search.
    void startSearch();
    // No device: show it and wait for the reconnect timer.
    void showNoDevice();
    // Runs LinkOperation; a failed step goes through handleLinkFailure.
    Outcome step();
    // True when the device has gone and the link must wait for it.
    bool handleLinkFailure();
    void closeDevice();

    int linkOperation() const { return linkOperation_; }
    int statusPage() const { return statusPage_; }
    int configBlockIndex() const { return configBlockIndex_; }
    int busyRetryCount() const { return busyRetryCount_; }

private:
    // Handlers of each LinkOperation pair: false when the step failed.
    bool idSearch();
    bool statusRead();
    bool statusWrite();
    bool configRead();
    bool configWrite();
    bool generatorRead();
    bool generatorWrite();
    bool legalWrite();

    // Send half of a transfer: the frame, then the pause the device needs.
    bool sendThenSleep(const Byte* payload, int count, Byte command, Byte index, int sleepMs);
    // A busy reply: retry the request (the even code) until the third one fails the step.
    bool retryAfterBusy();
    // Reply half: true when the reply was taken; otherwise stepOk says whether the
    // step goes on (a busy retry) or failed.
    bool replyTaken(TransferResult result, bool& stepOk);
    void finishGeneratorTransfer(TransferKind kind);
    // A transfer starts unless the program is closing; false leaves the link polling.
    bool beginTransfer(TransferKind kind);
    void endTransfer(const TransferReport& report);
    // Its request was withdrawn: back to polling without handing anything over.
    bool cancelUpload();
    // The running transfer failed: dropped, to be restarted, or given up.
    void reportFailedTransfer(bool deviceGone);
    // A request the user withdrew while its transfer waited for a restart starts afresh.
    void forgetWithdrawnRestarts();
    void chooseAfterStatusRead();
    void chooseAfterGeneratorRead();
    void stepProgress();
    void showActivity(Activity activity);
    // The recorder, if one is attached, gets each read and each change of the connection.
    void tapRead(TapStream stream, const Byte* record);
    void tapEvent(TapEvent kind, std::int64_t value = 0, const std::string& detail = {});
    void tapConnection(bool fresh, StatusTap& tap, std::int64_t ms);
    // After a failed step: false when no device is open for the next search.
    bool deviceForNextSearch();

    Chip& chip_;
    LinkShared& shared_;
    LinkObserver& observer_;
    Sleep sleep_;
    FramePort port_;
    bool open_ = false;
    bool generatorMode_ = false;

    int linkOperation_ = OpIdSearch;
    int statusPage_ = 0;
    int page0ReadCount_ = 0;
    int configBlockIndex_ = 0;
    int busyRetryCount_ = 0;
    int tapAddress_ = -1;                          // the master address last told to the recorder
    TapEvent tapConnection_ = TapEvent::Unplugged; // the connection last told to it
    int unansweredSearches_ = 0;                   // since the device was opened or last answered
    TransferResult lastResult_ = TransferOk;       // of the last frame sent or reply taken
    std::optional<TransferKind> running_;
    std::array<int, 4> failedAttempts_{}; // per TransferKind, since it last completed

    // Pages and blocks travel through these, never through the shared blocks directly.
    Byte page_[StatusBlock::PageSize] = {};
    Byte block_[ConfigImage::BlockSize] = {};
    Byte generator_[GeneratorStatus::Size] = {};
    ConfigImage staging_;  // Upload: handed over only when all blocks have arrived
    ConfigImage outgoing_; // Download: the image as it was when the transfer began
    LegalFileImage legal_;
};

} // namespace q7582
