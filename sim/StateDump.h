#pragma once
// Files that let a test or an installer look into the device: each is rewritten
// whole through a temporary file and a rename, so a reader never sees half of one.
// Written after the reply that changed them (flush()), so that a busy disk never holds
// a reply up for longer than the manager waits for it.

#include "model/Bytes.h"

#include <map>
#include <string>
#include <vector>

namespace q7582::sim {

class StateDump {
public:
    // An empty folder disables the dump; a missing one is created with its parents.
    explicit StateDump(std::string dir);
    // Why the folder could not be created; empty when it is there.
    const std::string& error() const { return error_; }
    // Keeps the newest content of that file until the next flush().
    void write(const char* name, const Byte* data, int size) const;
    // Writes the files changed since the last flush.
    void flush() const;

private:
    std::string dir_;
    std::string error_;
    mutable std::map<std::string, std::vector<Byte>> pending_;
};

} // namespace q7582::sim
