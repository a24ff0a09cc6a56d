#pragma once
// The main window with its worker on the tty chip, against a simulator the test starts.

#include "SimHarness.h"
#include "WindowFixture.h"
#include "link/FrameCodec.h"
#include "link/TtyChip.h"

#include <algorithm>
#include <mutex>

namespace q7582::test {

// The tty chip, remembering every request frame the link writes.
class RecordingChip : public TtyChip {
public:
    using TtyChip::TtyChip;
    int write(const Byte* data, int count, int& written) override
    {
        Frame::Request r;
        if (Frame::decodeRequest(data, count, r)) {
            std::lock_guard lock(mutex);
            requests.push_back(r);
        }
        return TtyChip::write(data, count, written);
    }
    std::mutex mutex;
    std::vector<Frame::Request> requests;
};

class WindowWithSimulator : public WindowTest {
protected:
    // A transfer in about four seconds. The link takes a reply after the pause that
    // follows its request, and much shorter pauses leave the simulator too little time.
    static constexpr double Pacing = 1.0; // the device's own: shorter pauses can cut replies short under load
    static constexpr int TransferMs = 30000;

    // Starts the link on the simulator; for a master, waits until it is found.
    bool start(simtest::SimulatorProcess& sim, bool master = true)
    {
        if (!sim.waitReady())
            return false;
        auto recording = std::make_unique<RecordingChip>(sim.link());
        chip = recording.get();
        window->startLink(std::move(recording), Pacing);
        return !master || spinUntil([&] { return shared.connectionState == Connected; }, 10000);
    }
    // Runs a transfer command and waits until the window is enabled again.
    bool transfer(const char* command)
    {
        trigger(command);
        QWidget* controls = window->centralWidget();
        return !controls->isEnabled() && spinUntil([&] { return controls->isEnabled(); }, TransferMs);
    }
    // How many requests of that command the link has written.
    int requestsOf(Byte command)
    {
        std::lock_guard lock(chip->mutex);
        return int(std::count_if(chip->requests.begin(), chip->requests.end(),
                                 [&](const Frame::Request& r) { return r.command == command; }));
    }
    // The block of the last configuration request of that command, -1 before the first.
    int lastBlockOf(Byte command)
    {
        std::lock_guard lock(chip->mutex);
        const auto last = std::find_if(chip->requests.rbegin(), chip->requests.rend(),
                                       [&](const Frame::Request& r) { return r.command == command; });
        return last == chip->requests.rend() ? -1 : last->index;
    }
    RecordingChip* chip = nullptr; // goes with the link: not after stopLink() or close
};

} // namespace q7582::test
