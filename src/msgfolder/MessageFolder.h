#pragma once
// The open message folder and its list. Every change is written to the folder at
// once; a change whose list cannot be saved is taken back, so that the list held
// here is always the one in MSGLIST.TXT (or the repaired one of the last load).

#include "model/FileIo.h"
#include "msgfolder/ListFileReader.h"
#include "msgfolder/MessageList.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace q7582 {

inline constexpr const char* MessageFolderName = "MSGVELA";

struct [[nodiscard]] FolderChoice {
    FileResult result;
    QString folder;
};

// The message folder for a folder the user chose: the folder itself when it is
// named "MSGVELA", otherwise its "MSGVELA" subfolder, created when missing.
FolderChoice messageFolderFor(QString chosen);

struct [[nodiscard]] LoadOutcome {
    FileResult list; // reading MSGLIST.TXT; nothing is loaded when it fails
    FileResult log;  // writing error.log
    std::vector<LoadFinding> findings;
};

struct [[nodiscard]] AddOutcome {
    int row = -1;    // the new row, -1 when it is not in the list
    FileResult copy; // copying the WAV file; the row stays when it fails
    FileResult save;
};

class MessageFolder {
public:
    bool isOpen() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    const MessageList& list() const { return list_; }
    QString errorLogPath() const;

    void open(const QString& folder);
    void close();

    bool listFileExists() const;
    // Reads MSGLIST.TXT into an empty list and writes error.log.
    LoadOutcome LoadMessageList(const QDateTime& now = QDateTime::currentDateTime(),
                                const QLocale& locale = QLocale::system());
    FileResult save() const;

    // Also creates a missing list file, holding only the title line.
    FileResult setTitle(const QString& title);
    FileResult setDescription(int row, const QString& description);
    // number must be free; description is the source's file name.
    AddOutcome addMessage(const QString& source, const QString& number);
    FileResult deleteMessage(int row);

private:
    FileResult commit(MessageList changed);

    QString path_;
    MessageList list_;
};

} // namespace q7582
