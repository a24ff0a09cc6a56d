#pragma once
// The main window with its worker, against a simulator the test starts, on either
// cable: the tty chip on its pty, or libftdi on the virtual FT232R.

#include "BothCables.h"
#include "WindowFixture.h"
#include "link/Chip.h"
#include "link/FrameCodec.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace q7582::test {

// A chip remembering every request frame the link writes through it. It can hold the
// worker before one request goes out, so that a test acts mid-transfer however loaded
// the machine is.
class RecordingChip : public Chip {
public:
    explicit RecordingChip(std::unique_ptr<Chip> chip) : chip_(std::move(chip)) {}
    int open() override { return chip_->open(); }
    int reset() override { return chip_->reset(); }
    int setTimeouts(unsigned readMs, unsigned writeMs) override { return chip_->setTimeouts(readMs, writeMs); }
    int purge() override { return chip_->purge(); }
    int setLatencyTimer(int ms) override { return chip_->setLatencyTimer(ms); }
    int getStatus(int& receiveQueue) override { return chip_->getStatus(receiveQueue); }
    int read(Byte* buffer, int count, int& got) override { return chip_->read(buffer, count, got); }
    void close() override { chip_->close(); }
    std::string lastError() const override { return chip_->lastError(); }
    OpenFailure openFailure() const override { return chip_->openFailure(); }
    std::string description() const override { return chip_->description(); }
    int write(const Byte* data, int count, int& written) override
    {
        Frame::Request r;
        if (Frame::decodeRequest(data, count, r)) {
            std::unique_lock lock(mutex);
            requests.push_back(r);
            if (r.command == holdCommand_ && r.index == holdBlock_) {
                held_ = true;
                // The bound only keeps a failed test from hanging.
                released_.wait_for(lock, std::chrono::minutes(2), [&] { return holdBlock_ < 0; });
            }
        }
        return chip_->write(data, count, written);
    }
    // The worker stops before it writes that request, until release().
    void holdBefore(Byte command, int block)
    {
        std::lock_guard lock(mutex);
        holdCommand_ = command;
        holdBlock_ = block;
    }
    bool holding()
    {
        std::lock_guard lock(mutex);
        return held_ && holdBlock_ >= 0;
    }
    void release()
    {
        {
            std::lock_guard lock(mutex);
            holdBlock_ = -1;
        }
        released_.notify_all();
    }
    std::mutex mutex;
    std::vector<Frame::Request> requests;

private:
    std::unique_ptr<Chip> chip_;
    std::condition_variable released_;
    Byte holdCommand_ = 0;
    int holdBlock_ = -1;
    bool held_ = false;
};

class SimulatorWindowTest : public WindowTest, public ::testing::WithParamInterface<simtest::Cable> {
protected:
    // A transfer in about four seconds. The link takes a reply after the pause that
    // follows its request, and much shorter pauses leave the simulator too little time.
    static constexpr double Pacing = 1.0; // the device's own: shorter pauses can cut replies short under load
    static constexpr int TransferMs = 30000;

    // The test's cable.
    static simtest::Cable cable() { return GetParam(); }
    // Starts the link on the simulator; for a master, waits until it is found and has
    // told its address.
    bool start(simtest::SimulatorProcess& sim, bool master = true, double pacing = Pacing)
    {
        if (!sim.waitReady())
            return false;
        sim.useFromEnvironment();
        auto recording = std::make_unique<RecordingChip>(makeChipFromEnvironment());
        chip = recording.get();
        window->startLink(std::move(recording), pacing);
        return !master || spinUntil([&] { return window->connectedMasterAddress().has_value(); }, 10000);
    }
    // Runs a transfer command and waits until it has ended, the window enabled again.
    // An Upload that a loaded machine's slow reply fails is restarted; the window is
    // enabled between the attempts, and its request stays raised until the last.
    bool transfer(const char* command)
    {
        trigger(command);
        QWidget* controls = window->centralWidget();
        const auto done = [&] {
            return controls->isEnabled() && !shared.requests.uploadRequest && !shared.requests.downloadRequest;
        };
        return !controls->isEnabled() && spinUntil(done, 4 * TransferMs);
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
