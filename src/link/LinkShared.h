#pragma once
// State shared by the worker and the main thread. Flags are atomics; the two live
// blocks are touched only under their mutex, so the worker never copies a page
// while a control handler changes a field of it.

#include "link/OpenFailure.h"
#include "link/TransferReport.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"
#include "model/StatusTap.h"

#include <array>
#include <atomic>
#include <mutex>
#include <utility>

namespace q7582 {

enum class ConnectionState : int { NotConnected = 0, Searching = 1, Connected = 2 };

// What the link is doing, as status bar panel 2 names it.
enum class Activity : int {
    None = 0,
    StatusDL,
    StatusUL,
    ConfigDL,
    ConfigUL,
    IdSearch,
    GeneratorDL,
    GeneratorUL,
    LegalDL,
    LegalUL,
};

struct ActivityName {
    Activity activity;
    const char* name;
};

inline constexpr std::array<ActivityName, 10> ActivityNames{{
    {Activity::None, "None"},
    {Activity::StatusDL, "Status DL"},
    {Activity::StatusUL, "Status UL"},
    {Activity::ConfigDL, "Config DL"},
    {Activity::ConfigUL, "Config UL"},
    {Activity::IdSearch, "ID search"},
    {Activity::GeneratorDL, "RKDV7582 DL"},
    {Activity::GeneratorUL, "RKDV7582 UL"},
    {Activity::LegalDL, "Legal DL"},
    {Activity::LegalUL, "Legal UL"},
}};

// Each activity's entry sits at its own value, so a name is found by index.
static_assert([] {
    for (std::size_t i = 0; i < ActivityNames.size(); ++i)
        if (ActivityNames[i].activity != Activity(i))
            return false;
    return true;
}());

constexpr const char* activityName(Activity activity)
{
    const auto index = std::size_t(activity);
    return index < ActivityNames.size() ? ActivityNames[index].name : "";
}

// Set by the main thread, cleared by the worker.
struct RequestFlags {
    std::atomic<bool> statusWriteRequest{false};
    std::atomic<bool> clockWriteRequest{false};
    std::atomic<bool> uploadRequest{false};
    std::atomic<bool> downloadRequest{false};
    std::atomic<bool> generatorWriteRequest{false};
    std::atomic<bool> legalFileWriteRequest{false};

    std::atomic<bool>& of(TransferKind kind)
    {
        switch (kind) {
        case TransferKind::Upload:
            return uploadRequest;
        case TransferKind::Download:
            return downloadRequest;
        case TransferKind::GeneratorWrite:
            return generatorWriteRequest;
        case TransferKind::LegalTable:
            break;
        }
        return legalFileWriteRequest;
    }
};

// The recorder listening to the worker, if any. The worker calls it under the slot's
// mutex, and the main thread attaches and detaches it under the same mutex, so a detached
// tap is never called again. A tap returns at once (it copies), so the lock is brief.
class TapSlot {
public:
    void attach(StatusTap* tap)
    {
        std::lock_guard lock(mutex_);
        tap_ = tap;
        fresh_ = tap != nullptr;
    }
    // Calls f(tap, fresh) when a tap is attached; fresh is true on the first call after
    // it was attached, when the worker tells it where the connection stands.
    template <typename F>
    void call(F&& f)
    {
        std::lock_guard lock(mutex_);
        if (tap_)
            f(*tap_, std::exchange(fresh_, false));
    }

private:
    std::mutex mutex_;
    StatusTap* tap_ = nullptr;
    bool fresh_ = false;
};

class LinkShared {
public:
    std::atomic<ConnectionState> connectionState{ConnectionState::NotConnected};
    std::atomic<Activity> activityIndex{Activity::None};
    std::atomic<int> progressPosition{0};
    // Set when a master is found; the next status display refresh clears it.
    std::atomic<bool> justConnected{false};
    // Why the present device could not be opened, None once it opens.
    std::atomic<OpenFailure> openFailure{OpenFailure::None};
    RequestFlags requests;
    // The worker runs an Upload, a Download, a generator block write or the summer-time
    // table: cutting it would leave the device or the request half-served.
    std::atomic<bool> transferRunning{false};
    // The program is closing (main thread): no new transfer starts. Paired with
    // transferRunning (each side sets its own flag, then reads the other's), so that
    // either the window sees the transfer or the worker sees the closing.
    std::atomic<bool> closing{false};
    TapSlot tap;

    template <typename F>
    decltype(auto) withStatus(F&& f)
    {
        std::lock_guard lock(blocks_);
        return f(status_);
    }
    template <typename F>
    decltype(auto) withGenerator(F&& f)
    {
        std::lock_guard lock(blocks_);
        return f(generator_);
    }

private:
    std::mutex blocks_;
    StatusBlock status_;
    GeneratorStatus generator_;
};

} // namespace q7582
