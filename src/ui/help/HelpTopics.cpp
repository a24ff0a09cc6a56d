#include "ui/help/HelpTopics.h"

#include "ui/common/HelpContexts.h"

#include <QFile>

// Resources in a static library are pulled in only when referenced.
static void initHelpTopics() { Q_INIT_RESOURCE(helptopics); }

namespace q7582::helpTopics {

QString folder(bool italian)
{
    static const bool registered = (initHelpTopics(), true);
    Q_UNUSED(registered);
    return italian ? QStringLiteral(":/help/it") : QStringLiteral(":/help/en");
}

bool inHelpFile(int context) { return context != HelpContext::HistoryWindow && context != HelpContext::TimelineWindow; }

QUrl topicUrl(int context, bool italian)
{
    const QString dir = folder(italian);
    const QString name = inHelpFile(context)                     ? QString::number(context)
                         : context == HelpContext::HistoryWindow ? QStringLiteral("history")
                                                                 : QStringLiteral("timeline");
    QString path = QStringLiteral("%1/%2.html").arg(dir, name);
    if (!QFile::exists(path))
        path = QStringLiteral("%1/%2.html").arg(dir).arg(HelpContext::Contents);
    return QUrl(QStringLiteral("qrc") + path);
}

} // namespace q7582::helpTopics
