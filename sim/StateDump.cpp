#include "StateDump.h"

#include "model/FileIo.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
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
    const FileResult r =
        replaceFile(dir_ + "/" + name, std::string_view(reinterpret_cast<const char*>(data), size_t(size)));
    if (!r.ok)
        std::fprintf(stderr, "qs7582-sim: cannot write %s\n", r.error.c_str());
}

} // namespace q7582::sim
