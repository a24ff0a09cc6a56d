#pragma once
// A real message folder in a temporary directory, with real WAV files.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }

namespace q7582::test {

// A mono 8 kHz 16-bit RIFF/WAVE file: 44 + 2 * samples bytes.
inline QByteArray wavBytes(int samples)
{
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (int i = 0; i < samples; ++i)
        out << qint16((i % 32) * 1000 - 16000);
    return wav;
}

inline void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class MessageFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid() && QDir(root.path()).mkdir("MSGVELA")); }

    QString folder() const { return root.filePath("MSGVELA"); }
    QString inFolder(const QString& name) const { return folder() + u'/' + name; }
    void addWav(const QString& name, int samples) { writeFile(inFolder(name), wavBytes(samples)); }
    void writeList(const QByteArray& content) { writeFile(inFolder("MSGLIST.TXT"), content); }
    QByteArray list() const { return readFile(inFolder("MSGLIST.TXT")); }

    QTemporaryDir root;
};

} // namespace q7582::test
