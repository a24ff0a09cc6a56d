#pragma once
// Files that let a test or an installer look into the device: each is rewritten
// whole through a temporary file and a rename, so a reader never sees half of one.

#include "model/Bytes.h"

#include <string>

namespace q7582::sim {

class StateDump {
public:
    // An empty folder disables the dump; a missing one is created with its parents.
    explicit StateDump(std::string dir);
    // Why the folder could not be created; empty when it is there.
    const std::string& error() const { return error_; }
    void write(const char* name, const Byte* data, int size) const;

private:
    std::string dir_;
    std::string error_;
};

} // namespace q7582::sim
