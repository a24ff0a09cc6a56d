#include "msgfolder/MessageFolder.h"

#include "model/FilePath.h"
#include "msgfolder/ErrorLog.h"
#include "msgfolder/ListFileWriter.h"
#include "msgfolder/WavFiles.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace q7582 {

namespace {

// Far more than 127 entries, a title and comments take; a bigger file is read this far.
constexpr std::size_t MaxListFileBytes = 1 << 20;

} // namespace

FolderChoice messageFolderFor(QString chosen)
{
    while (chosen.size() > 1 && chosen.endsWith(u'/'))
        chosen.chop(1);
    if (QFileInfo(chosen).fileName() == QLatin1String(MessageFolderName))
        return {{}, chosen};

    const QString folder =
        (chosen == QStringLiteral("/") ? QString() : chosen) + u'/' + QLatin1String(MessageFolderName);
    if (QFileInfo(folder).isDir())
        return {{}, folder};
    // mkdir(2) rather than QDir::mkdir: the user needs the system's reason.
    if (::mkdir(filePath(folder).c_str(), 0777) != 0)
        return {{false, std::strerror(errno)}, {}};
    return {{}, folder};
}

QString MessageFolder::errorLogPath() const { return path_ + u'/' + QLatin1String(ErrorLogName); }

void MessageFolder::open(const QString& folder)
{
    path_ = folder;
    list_ = {};
}

void MessageFolder::close()
{
    path_.clear();
    list_ = {};
}

bool MessageFolder::listFileExists() const { return QFileInfo::exists(path_ + u'/' + QLatin1String(ListFileName)); }

LoadOutcome MessageFolder::LoadMessageList(const QDateTime& now, const QLocale& locale)
{
    LoadOutcome outcome;
    std::string content;
    outcome.list = readFile(filePath(path_ + u'/' + QLatin1String(ListFileName)), content, MaxListFileBytes);
    if (!outcome.list.ok)
        return outcome;
    MessageList loaded;
    loaded.title = list_.title;
    const QString folder = path_;
    outcome.findings = readMessageList(
        QByteArray::fromStdString(content), [&](const QString& number) { return wavLength(folder, number); }, loaded);
    list_ = std::move(loaded);
    outcome.log = writeErrorLog(path_, outcome.findings, now, locale);
    return outcome;
}

FileResult MessageFolder::save() const { return saveMessageList(path_, list_); }

FileResult MessageFolder::commit(MessageList changed)
{
    const FileResult saved = saveMessageList(path_, changed);
    if (saved.ok)
        list_ = std::move(changed);
    return saved;
}

FileResult MessageFolder::setTitle(const QString& title)
{
    MessageList changed = list_;
    changed.title = titleText(title);
    return commit(std::move(changed));
}

FileResult MessageFolder::setDescription(int row, const QString& description)
{
    if (row < 0 || row >= int(list_.rows.size()))
        return {};
    MessageList changed = list_;
    changed.rows[row].description = descriptionText(description);
    return commit(std::move(changed));
}

AddOutcome MessageFolder::addMessage(const QString& source, const QString& number)
{
    AddOutcome outcome;
    MessageList changed = list_;
    outcome.row = changed.insertByNumber({number, descriptionText(QFileInfo(source).fileName())});
    qint64 bytes = 0;
    outcome.copy = copyWav(source, path_, number, bytes);
    if (!outcome.copy.ok) {
        // The row stays without its file; the next load drops it as missing.
        list_ = std::move(changed);
        return outcome;
    }
    changed.setSize(number, bytes);
    outcome.save = commit(std::move(changed));
    if (!outcome.save.ok)
        outcome.row = -1;
    return outcome;
}

FileResult MessageFolder::deleteMessage(int row)
{
    if (row < 0 || row >= int(list_.rows.size()))
        return {};
    const QString number = list_.rows[row].number;
    if (const FileResult removed = deleteWav(path_, number); !removed.ok)
        return removed;
    MessageList changed = list_;
    changed.setSize(number, 0);
    changed.removeRow(row);
    return commit(std::move(changed));
}

} // namespace q7582
