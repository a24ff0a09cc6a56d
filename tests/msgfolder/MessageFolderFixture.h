#pragma once
// A real message folder in a temporary directory, with real WAV files.

#include "FileFixture.h"

#include <QDataStream>
#include <QDir>

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
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (int i = 0; i < samples; ++i)
        out << qint16((i % 32) * 1000 - 16000);
    return wav;
}

// A real MSGVELA folder in the test's temporary folder.
class MessageFolderTest : public FileFixture {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid() && QDir(tmp.path()).mkdir("MSGVELA")); }

    QString folder() const { return tmp.filePath("MSGVELA"); }
    QString inFolder(const QString& name) const { return folder() + u'/' + name; }
    void put(const QString& name, const QByteArray& bytes) const { write(name.toStdString(), bytes.toStdString()); }
    QByteArray fileBytes(const QString& name) const { return QByteArray::fromStdString(read(name.toStdString())); }
    void addWav(const QString& name, int samples) const { put("MSGVELA/" + name, wavBytes(samples)); }
    void writeList(const QByteArray& content) const { put("MSGVELA/MSGLIST.TXT", content); }
    QByteArray list() const { return fileBytes("MSGVELA/MSGLIST.TXT"); }
};

} // namespace q7582::test
