#include "msgfolder/ListFileWriter.h"

#include "model/FilePath.h"

namespace q7582 {

QByteArray listFileText(const MessageList& list)
{
    QByteArray text = ';' + titleText(list.title).toLatin1() + "\r\n";
    for (const MessageEntry& row : list.rows) {
        text += row.number.toLatin1() + '|' + descriptionText(row.description).toLatin1() + '|'
                + QByteArray::number(list.size(row.number)) + "\r\n";
    }
    return text;
}

FileResult saveMessageList(const QString& folder, const MessageList& list)
{
    return replaceFile(filePath(folder + u'/' + QLatin1String(ListFileName)), listFileText(list).toStdString());
}

} // namespace q7582
