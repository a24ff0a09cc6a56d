#include "link/LinkEngine.h"

#include "link/LinkLog.h"

#include <algorithm>

namespace q7582 {

namespace {
constexpr int IdSearchSleepMs = 500;
constexpr int GeneratorFoundSleepMs = 100;
constexpr int StatusRequestSleepMs = 100;
constexpr int StatusReplySleepMs = 2;
// After the first page 0 read, page 0 is read this many more times before page 1.
constexpr int Page0ReadsBeforePage1 = 5;
} // namespace

LinkEngine::LinkEngine(Chip& chip, LinkShared& shared, LinkObserver& observer, Sleep sleep)
    : chip_(chip), shared_(shared), observer_(observer), sleep_(std::move(sleep)), port_(chip)
{
}

bool LinkEngine::openDevice(bool* hintChanged)
{
    const OpenFailure before = shared_.openFailure.load();
    bool ok = chip_.open() == 0;
    if (ok && chip_.reset() != 0) {
        chip_.close();
        ok = false;
    }
    const OpenFailure failure = ok ? OpenFailure::None : chip_.openFailure();
    shared_.openFailure.store(failure);
    if (hintChanged)
        *hintChanged = failure != before;
    logDeviceOpen(chip_, ok, failure != before);
    if (!ok)
        return false;
    chip_.setTimeouts(TimeoutMs, TimeoutMs);
    chip_.purge();
    chip_.setLatencyTimer(1);
    open_ = true;
    unansweredSearches_ = 0;
    return true;
}

void LinkEngine::startSearch()
{
    shared_.connectionState = ConnectionState::Searching;
    observer_.repaintStatusBar();
    tapEvent(TapEvent::IdSearch);
    linkOperation_ = OpIdSearch;
    shared_.progressPosition = 0;
    showActivity(Activity::IdSearch);
}

void LinkEngine::showNoDevice()
{
    shared_.connectionState = ConnectionState::NotConnected;
    observer_.repaintStatusBar();
    tapEvent(TapEvent::Unplugged);
    shared_.progressPosition = 0;
    showActivity(Activity::None);
}

LinkEngine::Outcome LinkEngine::step()
{
    bool ok = false;
    switch (linkOperation_ & ~1) {
    case OpStatusWrite:
        ok = statusWrite();
        break;
    case OpStatusRead:
        ok = statusRead();
        break;
    case OpConfigWrite:
        ok = configWrite();
        break;
    case OpConfigRead:
        ok = configRead();
        break;
    case OpIdSearch:
        ok = idSearch();
        break;
    case OpGeneratorWrite:
        ok = generatorWrite();
        break;
    case OpGeneratorRead:
        ok = generatorRead();
        break;
    case OpLegalWrite:
        ok = legalWrite();
        break;
    }
    if (ok)
        return Outcome::Continue;
    return handleLinkFailure() ? Outcome::Suspend : Outcome::Continue;
}

bool LinkEngine::handleLinkFailure()
{
    // Cleared before the window is enabled: a Download asked for in between stays
    // pending and disables the window again when it starts. Enabled whatever the step
    // was, since a Download may fail before its first block, and enabling an enabled
    // window changes nothing.
    shared_.requests.statusWriteRequest = false;
    shared_.requests.downloadRequest = false;
    observer_.enableMainWindow();
    if (generatorMode_) {
        generatorMode_ = false;
        observer_.enterMasterMode();
    }
    // A new search starts with a fresh count, so that a device that stays busy fails
    // every search at its third busy reply instead of retrying forever.
    busyRetryCount_ = 0;
    const bool deviceGone = chip_.purge() != 0;
    if (running_)
        reportFailedTransfer(deviceGone);
    if (deviceGone || !deviceForNextSearch()) {
        closeDevice();
        showNoDevice();
        return true;
    }
    startSearch();
    return false;
}

// A silent device may be another FTDI device on the bus (a USB serial adapter, say)
// listed before the master's: after a few searches in vain, the chip tries the next.
bool LinkEngine::deviceForNextSearch()
{
    if ((linkOperation_ & ~1) != OpIdSearch || ++unansweredSearches_ < SearchesBeforeNextDevice
        || !chip_.moveToNextDevice())
        return true;
    closeDevice();
    return openDevice();
}

void LinkEngine::closeDevice()
{
    if (open_) {
        chip_.close();
        qCInfo(lcLink).noquote() << "closed" << QString::fromStdString(chip_.description());
    }
    open_ = false;
}

bool LinkEngine::sendThenSleep(const Byte* payload, int count, Byte command, Byte index, int sleepMs)
{
    lastResult_ = port_.sendFrame(payload, count, command, index);
    if (lastResult_ != TransferOk)
        return false;
    linkOperation_ |= 1;
    sleep_(sleepMs);
    return true;
}

bool LinkEngine::retryAfterBusy()
{
    if (++busyRetryCount_ >= BusyRetryLimit)
        return false;
    linkOperation_ &= ~1;
    return true;
}

bool LinkEngine::replyTaken(TransferResult result, bool& stepOk)
{
    lastResult_ = result;
    if (result == TransferOk)
        return true;
    stepOk = result == TransferBusy && retryAfterBusy();
    return false;
}

void LinkEngine::stepProgress() { shared_.progressPosition = (shared_.progressPosition + 1) % 16; }

void LinkEngine::showActivity(Activity activity)
{
    shared_.activityIndex = activity;
    observer_.showActivity();
}

void LinkEngine::tapConnection(bool fresh, StatusTap& tap, std::int64_t ms)
{
    if (!fresh)
        return;
    const auto state = shared_.connectionState.load();
    tapConnection_ = state == ConnectionState::NotConnected ? TapEvent::Unplugged
                     : state == ConnectionState::Searching  ? TapEvent::IdSearch
                     : generatorMode_                       ? TapEvent::ConnectedGenerator
                                                            : TapEvent::ConnectedMaster;
    tap.event(tapConnection_, 0, {}, ms);
    tapAddress_ = -1;
}

void LinkEngine::tapRead(TapStream stream, const Byte* record)
{
    shared_.tap.call([&](StatusTap& tap, bool fresh) {
        const auto ms = tapNowMs();
        tapConnection(fresh, tap, ms);
        if (stream == TapStream::MasterPage0) {
            const int address = StatusBlock::masterAddressOf(record[StatusBlock::AddressChime]);
            if (address != std::exchange(tapAddress_, address))
                tap.event(TapEvent::MasterAddress, address, {}, ms);
        }
        tap.read(stream, record, ms);
    });
}

void LinkEngine::tapEvent(TapEvent kind, std::int64_t value, const std::string& detail)
{
    shared_.tap.call([&](StatusTap& tap, bool fresh) {
        const auto ms = tapNowMs();
        if (kind > TapEvent::ConnectedGenerator) {
            tapConnection(fresh, tap, ms);
        } else {
            // A search that starts again, silent device after silent device, is no change.
            if (!fresh && kind == tapConnection_)
                return;
            tapConnection_ = kind;
            tapAddress_ = -1;
        }
        tap.event(kind, value, detail, ms);
    });
}

bool LinkEngine::idSearch()
{
    if (linkOperation_ == OpIdSearch)
        return sendThenSleep(nullptr, 0, Frame::Identify, 0, IdSearchSleepMs);

    switch (port_.receiveFrame(0, nullptr, Frame::Identify, 0)) {
    case TransferOk: // a plain echo: read again
        return true;
    case TransferBusy:
        return retryAfterBusy();
    case TransferMaster:
        unansweredSearches_ = 0;
        linkOperation_ = OpStatusRead;
        shared_.progressPosition = 0;
        shared_.connectionState = ConnectionState::Connected;
        showActivity(Activity::StatusUL);
        observer_.repaintStatusBar();
        tapEvent(TapEvent::ConnectedMaster);
        statusPage_ = 1;
        page0ReadCount_ = 0;
        shared_.justConnected = true;
        return true;
    case TransferGenerator:
        unansweredSearches_ = 0;
        linkOperation_ = OpGeneratorRead;
        shared_.progressPosition = 0;
        shared_.connectionState = ConnectionState::Connected;
        showActivity(Activity::GeneratorUL);
        observer_.repaintStatusBar();
        generatorMode_ = true;
        tapEvent(TapEvent::ConnectedGenerator);
        observer_.enterGeneratorMode();
        sleep_(GeneratorFoundSleepMs);
        return true;
    default:
        return false;
    }
}

bool LinkEngine::statusRead()
{
    if (linkOperation_ == OpStatusRead)
        return sendThenSleep(nullptr, 0, Frame::ReadStatus, Byte(statusPage_), StatusRequestSleepMs);

    bool stepOk = false;
    if (!replyTaken(port_.receiveFrame(StatusBlock::PageSize, page_, Frame::ReadStatus, Byte(statusPage_)), stepOk))
        return stepOk;
    shared_.withStatus(
        [this](StatusBlock& status) { std::copy_n(page_, StatusBlock::PageSize, status.page(statusPage_)); });
    tapRead(TapStream(statusPage_), page_);

    if (statusPage_ == 1) {
        statusPage_ = 0;
        page0ReadCount_ = 0;
    } else if (page0ReadCount_++ > Page0ReadsBeforePage1) {
        statusPage_ = 1;
    }
    busyRetryCount_ = 0;
    observer_.statusDisplayRefresh();
    chooseAfterStatusRead();
    sleep_(StatusReplySleepMs);
    return true;
}

// Master-side requests, first match wins. Both page writes pending: page 0 goes first
// and the clock write stays pending for the next choice, so it is never lost.
void LinkEngine::chooseAfterStatusRead()
{
    forgetWithdrawnRestarts();
    RequestFlags& requests = shared_.requests;
    Activity activity = Activity::StatusUL;
    if (requests.statusWriteRequest || requests.clockWriteRequest) {
        statusPage_ = requests.statusWriteRequest ? 0 : 1;
        linkOperation_ = OpStatusWrite;
        activity = Activity::StatusDL;
        stepProgress();
    } else if (requests.downloadRequest && beginTransfer(TransferKind::Download)) {
        // The window is disabled for the whole transfer, whoever enabled it meanwhile.
        observer_.disableMainWindow();
        observer_.copyConfigForDownload(outgoing_);
        linkOperation_ = OpConfigWrite;
        activity = Activity::ConfigDL;
        configBlockIndex_ = 0;
        shared_.progressPosition = 0;
    } else if (requests.uploadRequest && beginTransfer(TransferKind::Upload)) {
        // Also after an interrupted Upload, whose failure enabled the window again.
        observer_.disableMainWindow();
        linkOperation_ = OpConfigRead;
        activity = Activity::ConfigUL;
        configBlockIndex_ = 0;
        shared_.progressPosition = 0;
    } else {
        linkOperation_ = OpStatusRead;
        stepProgress();
    }
    showActivity(activity);
}

} // namespace q7582
