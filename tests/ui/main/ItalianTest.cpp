// The program in Italian: every text the main window shows is translated, keeps its
// accelerators and fits its place; every translation keeps its placeholders.
#include "WindowFixture.h"
#include "app/InterfaceLanguage.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace q7582;
using namespace q7582::test;

namespace {

// Kept as they are: the device's and the name files' words, those installers say in English,
// the language menu (named in both), the link's activity names (the help quotes them) and numbers.
const QRegularExpression Kept(QStringLiteral(
    R"(^(&Upload|&Download|Master( %1| \d+)?|VOX|ON|OFF|&italiano|&english|&Language / Lingua|TAPE|CD|TUNER|AUX|)"
    R"(Remote input|Unit \(\d+\)|(Zone|Out|In|Slave) \d+|None|Status UL|[-\d /:.,]*)$)"));
// Still English: where the configuration came from, as the history keeps it.
const QStringList NotYet = {QStringLiteral("StatusBar1Panel3")};

struct Shown {
    QString where, text;
    int room = 0, needs = 0; // the width it has (0 where it may wrap) and the width it needs
};

// Menu items, panel titles, labels, buttons and tool tips, in the order they were built.
std::vector<Shown> shownTexts(const QWidget& window)
{
    std::vector<Shown> out;
    for (const QAction* a : window.findChildren<QAction*>())
        if (!a->text().isEmpty())
            out.push_back({a->objectName(), a->text()});
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString where = w->objectName() + QLatin1Char('/') + QString::number(out.size());
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        QString text = label ? label->text() : button ? button->text() : QString();
        if (const auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        if (!text.isEmpty() && !w->objectName().startsWith(QLatin1String("ST"))) // ST...: the device's values
            out.push_back({where, text, label && label->wordWrap() ? 0 : w->contentsRect().width(),
                           w->fontMetrics().horizontalAdvance(QString(text).remove(u'&'))});
        if (!w->toolTip().isEmpty())
            out.push_back({where + QLatin1String(" tip"), w->toolTip()});
    }
    return out;
}

QString accelerators(const QString& text)
{
    return QString(text).replace(QLatin1String("&&"), QString()).count(u'&') == 1
               ? text.mid(text.indexOf(u'&') + 1, 1).toLower()
               : QString();
}

using ItalianWindow = WindowTest;

} // namespace

TEST_F(ItalianWindow, EveryTextShownIsTranslatedKeepsItsAcceleratorsAndFits)
{
    const std::vector<Shown> english = shownTexts(*window);
    useInterfaceLanguage(true);
    SetUp();
    const std::vector<Shown> italian = shownTexts(*window);
    useInterfaceLanguage(false);
    ASSERT_EQ(italian.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::string where = english[i].where.toStdString() + ": " + italian[i].text.toStdString();
        if (!Kept.match(english[i].text).hasMatch() && !NotYet.contains(english[i].where.section(u'/', 0, 0))) {
            EXPECT_NE(italian[i].text, english[i].text) << where;
        }
        EXPECT_EQ(accelerators(italian[i].text).isEmpty(), accelerators(english[i].text).isEmpty()) << where;
        EXPECT_LE(italian[i].needs, italian[i].room ? italian[i].room : INT_MAX) << where;
    }
    // One key opens one menu, in every menu.
    for (const QWidget* menu : window->findChildren<QWidget*>()) {
        QStringList keys;
        for (const QAction* a : menu->actions())
            if (const QString key = accelerators(a->text()); !key.isEmpty())
                keys << key;
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size())
            << menu->objectName().toStdString() << ": " << keys.join(u' ').toStdString();
    }
}

// Every text has its translation, with the same placeholders and one accelerator where the source has one.
TEST(ItalianTexts, CompleteWithTheirPlaceholdersAndAccelerators)
{
    QFile ts(QStringLiteral(Q7582_SOURCE_DIR "/translations/qs7582_it.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly)) << ts.errorString().toStdString();
    QXmlStreamReader xml(&ts);
    QString source;
    int messages = 0;
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found << m.captured();
        return found.sort(), found;
    };
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString(), text = xml.readElementText();
            EXPECT_EQ(std::tuple(type, text.isEmpty(), placeholders(text), accelerators(text).isEmpty()),
                      std::tuple(QString(), false, placeholders(source), accelerators(source).isEmpty()))
                << source.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 80);
}
