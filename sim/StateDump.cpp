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
    if (!dir_.empty())
        pending_[name].assign(data, data + size);
}

void StateDump::flush() const
{
    // Not synced to the disk either; the rename alone keeps a reader from half a file.
    for (const auto& [name, bytes] : pending_) {
        const std::string path = dir_ + "/" + name, temporary = path + ".new";
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        std::error_code ec;
        if (out.fail() || (std::filesystem::rename(temporary, path, ec), ec))
            std::fprintf(stderr, "qs7582-sim: cannot write %s\n", path.c_str());
    }
    pending_.clear();
}

} // namespace q7582::sim
