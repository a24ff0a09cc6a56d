#pragma once
// A fresh temporary folder per test, with whole-file helpers. Also used by tests/settings.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

class FileFixture : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    std::string dir() const { return tmp.path().toStdString(); }
    std::string path(const std::string& name) const { return dir() + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};
