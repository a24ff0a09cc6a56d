#pragma once
// A real message folder in a temporary directory, with WAV files of the right lengths.

#include "FileFixture.h"

namespace q7582::test {

// A 16-bit mono WAV file's 44 + 2 * samples bytes: the folder goes by lengths, never by
// contents; the samples differ so that a copy shows it moved every byte.
inline QByteArray wavBytes(int samples)
{
    QByteArray wav = "RIFF" + QByteArray(40, '\0');
    for (int i = 0; i < 2 * samples; ++i)
        wav += char(i % 251);
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
