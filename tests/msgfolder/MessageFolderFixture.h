#pragma once
// A real message folder in a temporary directory, with real WAV files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace q7582::test {

// A mono 8 kHz 16-bit RIFF/WAVE file with the given number of samples: 44 + 2 * samples bytes.
inline QByteArray wavBytes(int samples)
{
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const qint16 sample = qint16((i % 32) * 1000 - 16000);
        data.append(char(sample & 0xFF)).append(char((sample >> 8) & 0xFF));
    }
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    return "RIFF" + le32(quint32(36 + data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1)
           + le32(8000) + le32(16000) + le16(2) + le16(16) + "data" + le32(quint32(data.size()))
           + data;
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
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("MSGVELA")));
    }

    QString folder() const { return root.filePath(QStringLiteral("MSGVELA")); }
    QString inFolder(const QString& name) const { return folder() + u'/' + name; }

    // A WAV of 44 + 2 * samples bytes in the message folder.
    void addWav(const QString& name, int samples) { writeFile(inFolder(name), wavBytes(samples)); }
    void writeList(const QByteArray& content) { writeFile(inFolder("MSGLIST.TXT"), content); }

    QTemporaryDir root;
};

} // namespace q7582::test
