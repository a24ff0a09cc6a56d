#pragma once
// Files that let a test or an installer look into the device: each is rewritten
// whole through a temporary file and a rename, so a reader never sees half of one.
// A thread of their own writes them: a disk held up by another program's fsync never
// holds up a reply for longer than the manager waits for it.

#include "model/Bytes.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace q7582::sim {

class StateDump {
public:
    // An empty folder disables the dump; a missing one is created with its parents.
    explicit StateDump(std::string dir);
    // Writes what is still pending, then ends the writer.
    ~StateDump();
    StateDump(const StateDump&) = delete;
    StateDump& operator=(const StateDump&) = delete;

    // Why the folder could not be created; empty when it is there.
    const std::string& error() const { return error_; }
    // Keeps the newest content of that file until the next flush().
    void write(const char* name, const Byte* data, int size) const;
    // Hands the files changed since the last flush to the writer, without waiting.
    void flush() const;
    // flush(), then waits until the files show everything written before.
    void settle() const;

private:
    void writeFiles();

    std::string dir_;
    std::string error_;
    mutable std::map<std::string, std::vector<Byte>> pending_; // the serving thread's only
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable std::map<std::string, std::vector<Byte>> handed_; // under mutex_
    mutable unsigned long long handedCount_ = 0;              // under mutex_
    unsigned long long writtenCount_ = 0;                     // under mutex_
    bool ending_ = false;                                     // under mutex_
    std::thread writer_;
};

} // namespace q7582::sim
