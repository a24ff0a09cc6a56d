#pragma once
// Runs the simulator binary on a temporary link and dump folder,
// and talks to it through the pty the way the manager's tty backend does.
// The simulator is spawned with posix_spawn, not QProcess: ThreadSanitizer's clone()
// interceptor (clang 14) aborts the child that QProcess forks.

#include "link/FrameCodec.h"
#include "link/TtyChip.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <string>
#include <sys/types.h>
#include <vector>

namespace q7582::simtest {

// How the manager reaches the simulator: its tty backend on the pty (Q7582_PORT), or
// the default libftdi path on the virtual FT232R (Q7582_VIRTUAL_USB).
enum class Cable { Tty, Usb };

class SimulatorProcess {
public:
    // Starts a quiet (deterministic) simulator with a control FIFO named "control"
    // in its folder, and the extra arguments.
    explicit SimulatorProcess(const QStringList& extra = {}, Cable cable = Cable::Tty);
    ~SimulatorProcess(); // kills it if it still runs
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Waits for the next "ready" line (one per plug-in); false on timeout.
    bool waitReady(int ms = 3000);
    // Why the simulator is not there, for failure messages.
    std::string problem() const;
    std::string link() const { return (dir_.path() + "/link").toStdString(); }
    // Points makeChipFromEnvironment() at this simulator through its cable.
    void useFromEnvironment() const;
    // A dump file once the simulator has written what its replies so far changed.
    QByteArray dump(const QString& name);
    // Writes one run-time command (see the simulator's README) to its control FIFO and
    // waits until the simulator says it took effect; false (problem() says why) when
    // the FIFO cannot be written or the command was refused or not acknowledged.
    bool control(const char* line);
    // Sends SIGTERM and waits; true when the simulator exited with code 0.
    bool stop();

private:
    // Waits up to ms for the simulator to exit; its wait status, or -1 if it runs on.
    int reap(int ms);
    // The next line of the simulator's stdout; false at the deadline or its exit.
    bool nextLine(std::string& line, const QDeadlineTimer& deadline);

    QTemporaryDir dir_;
    Cable cable_;
    std::string program_;
    pid_t pid_ = -1;
    int stdout_ = -1;                    // read end of the simulator's standard output
    std::string pending_;                // output read but not yet taken as lines
    std::deque<std::string> readyLines_; // read while waiting for an acknowledgement
    std::string error_;
};

std::vector<Byte> requestFrame(Byte command, Byte index, const std::vector<Byte>& payload = {});

// The manager's side of the simulator's pty, through the tty backend.
class SimLink {
public:
    explicit SimLink(const std::string& path) : chip_(path) { chip_.open(); }

    bool send(const std::vector<Byte>& bytes);
    // What has arrived once the line stays quiet for a moment; nothing after waitMs.
    std::vector<Byte> receive(int waitMs = 1000);
    // True once the line has hung up, within waitMs.
    bool hungUp(int waitMs);
    // Sends a request frame and receives the reply.
    std::vector<Byte> exchange(Byte command, Byte index, const std::vector<Byte>& payload = {}, int waitMs = 1000);
    // exchange() checked as the manager checks a reply; its count payload bytes land in dest.
    TransferResult transfer(Byte command, Byte index, const std::vector<Byte>& payload = {}, Byte* dest = nullptr,
                            int count = 0, int waitMs = 1000);

private:
    TtyChip chip_;
};

} // namespace q7582::simtest
