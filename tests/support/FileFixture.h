#pragma once
// A fresh temporary folder per test, with whole-file helpers. Also used by tests/settings.

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

// Failures print Qt's strings as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }

class FileFixture : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    std::string dir() const { return tmp.path().toStdString(); }
    std::string path(const std::string& name) const { return dir() + "/" + name; }
    QString at(const std::string& name) const { return QString::fromStdString(path(name)); }
    // What a folder under the fixture's holds, hidden and special files too (a temporary file left behind).
    QStringList entries(const std::string& folder = ".") const
    {
        return QDir(at(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

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
