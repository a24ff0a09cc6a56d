#include "ui/help/HelpTopics.h"
#include "ui/common/HelpContexts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace q7582;

namespace {

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList hrefs(const QString& html)
{
    QStringList found;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : href.globalMatch(html))
        found << m.captured(1);
    return found;
}

bool hasAnchor(const QString& html, const QString& anchor)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor))
           || html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

QStringList topicFiles(bool italian)
{
    return QDir(helpTopics::folder(italian)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace

TEST(HelpTopics, EveryContextHasATopicInBothLanguagesAndTheSameFilesInEach)
{
    for (const bool italian : {true, false})
        for (const int context : HelpContext::All)
            EXPECT_TRUE(QFile::exists(QStringLiteral("%1/%2.html").arg(helpTopics::folder(italian)).arg(context)))
                << context << (italian ? " it" : " en");
    EXPECT_GE(topicFiles(true).size(), std::size(HelpContext::All));
    EXPECT_EQ(topicFiles(true), topicFiles(false));

    // The two languages are not one text twice.
    EXPECT_NE(read(QStringLiteral(":/help/it/connecting.html")), read(QStringLiteral(":/help/en/connecting.html")));
    EXPECT_EQ(helpTopics::topicUrl(HelpContext::ZonePanel, true), QUrl("qrc:/help/it/3006.html"));
    EXPECT_EQ(helpTopics::topicUrl(HelpContext::ZonePanel, false), QUrl("qrc:/help/en/3006.html"));
    EXPECT_EQ(helpTopics::topicUrl(1234, true), QUrl("qrc:/help/it/1000.html")); // no topic: the contents
}

TEST(HelpTopics, EveryLinkResolvesAndTheContentsReachEveryTopic)
{
    for (const bool italian : {true, false}) {
        const QString dir = helpTopics::folder(italian);
        for (const QString& name : topicFiles(italian)) {
            const QString html = read(dir + u'/' + name);
            EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << name.toStdString();
            for (const QString& link : hrefs(html)) {
                if (link.startsWith(QStringLiteral("http://")) || link.startsWith(QStringLiteral("https://")))
                    continue;
                const QString file = link.section(u'#', 0, 0);
                const QString anchor = link.section(u'#', 1);
                const QString target = file.isEmpty() ? html : read(dir + u'/' + file);
                EXPECT_FALSE(target.isEmpty()) << name.toStdString() << " -> " << link.toStdString();
                if (!anchor.isEmpty()) {
                    EXPECT_TRUE(hasAnchor(target, anchor)) << name.toStdString() << " -> " << link.toStdString();
                }
            }
        }
        QStringList fromContents = hrefs(read(dir + QStringLiteral("/1000.html")));
        for (const QString& name : topicFiles(italian))
            EXPECT_TRUE(name == QStringLiteral("1000.html") || fromContents.contains(name))
                << name.toStdString() << " is not in the contents";
    }
}
