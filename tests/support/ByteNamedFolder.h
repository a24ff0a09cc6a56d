#pragma once
// A folder whose name need not be UTF-8, made at once and removed with all it holds at
// the end: QTemporaryDir removes by the names Qt decodes, which reach no such file.

#include <gtest/gtest.h>

#include <cstdio>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace q7582::test {

struct ByteNamedFolder {
    explicit ByteNamedFolder(std::string folder) : path(std::move(folder))
    {
        EXPECT_EQ(::mkdir(path.c_str(), 0777), 0) << path;
    }
    ~ByteNamedFolder() { ::nftw(path.c_str(), removeOne, 16, FTW_DEPTH | FTW_PHYS); }
    ByteNamedFolder(const ByteNamedFolder&) = delete;
    ByteNamedFolder& operator=(const ByteNamedFolder&) = delete;

    const std::string path;

private:
    static int removeOne(const char* name, const struct stat*, int, FTW*) { return std::remove(name); }
};

} // namespace q7582::test
