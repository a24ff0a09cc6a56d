#pragma once
// Writing MSGLIST.TXT from the title, the rows and the size table.

#include "model/FileIo.h"
#include "msgfolder/MessageList.h"

#include <QByteArray>
#include <QString>

namespace q7582 {

inline constexpr const char* ListFileName = "MSGLIST.TXT";

// ";title", then "NNN|description|size" per row in list order; CR LF line ends, Latin-1.
QByteArray listFileText(const MessageList& list);

// Replaces folder/MSGLIST.TXT; the old list stays whole when writing fails.
FileResult saveMessageList(const QString& folder, const MessageList& list);

} // namespace q7582
