#include "StateDump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace q7582::sim {

namespace {

// Writes the whole file; on failure returns errno of the step that failed.
int writeFile(const std::string& path, const Byte* data, int size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return errno;
    int error = std::fwrite(data, 1, size_t(size), f) == size_t(size) ? 0 : errno;
    if (std::fclose(f) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

void StateDump::write(const char* name, const Byte* data, int size) const
{
    if (dir_.empty())
        return;
    const std::string path = dir_ + "/" + name;
    const std::string temp = path + ".tmp";
    int error = writeFile(temp, data, size);
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error == 0)
        return;
    std::fprintf(stderr, "qs7582-sim: cannot write %s: %s\n", path.c_str(), std::strerror(error));
    std::remove(temp.c_str());
}

} // namespace q7582::sim
