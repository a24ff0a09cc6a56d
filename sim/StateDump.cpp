#include "StateDump.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace q7582::sim {

StateDump::StateDump(std::string dir) : dir_(std::move(dir))
{
    if (dir_.empty())
        return;
    std::error_code ec;
    std::filesystem::create_directories(dir_, ec);
    if (ec)
        error_ = dir_ + ": " + ec.message();
}

void StateDump::write(const char* name, const Byte* data, int size) const
{
    if (dir_.empty())
        return;
    // Written beside and renamed, so that a reader never sees half a file, but not synced:
    // the device replies after this write, and a disk kept busy must not delay its replies.
    const std::string path = dir_ + "/" + name;
    const std::string beside = path + ".new";
    std::ofstream out(beside, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), size);
    out.close();
    std::error_code ec;
    if (out)
        std::filesystem::rename(beside, path, ec);
    if (!out || ec)
        std::fprintf(stderr, "qs7582-sim: cannot write %s\n", path.c_str());
}

} // namespace q7582::sim
