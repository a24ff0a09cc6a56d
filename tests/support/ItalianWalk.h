#pragma once
// Builds a window in English and again in Italian and pairs what each shows: every
// text is translated (outside the words kept), keeps its accelerator and fits its place,
// and no menu has two items on one key.

#include "app/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

namespace q7582::test {

// Kept as they are: the device's and the name files' words, those installers say in English,
// the language menu (named in both), the link's activity names (the help quotes them), numbers and arrows.
inline const QRegularExpression KeptInItalian(QStringLiteral(
    R"(^(&Upload|&Download|Upload|Download|Master( %1| \d+)?|VOX|ON|OFF|OK|&OK|&italiano|&english|&Language / Lingua|)"
    R"(TAPE|CD|TUNER|AUX|Remote input|Unit \(\d+\)|(Zone|Out|In|Slave) \d+|None|Status UL|[-\d /:.,%<>]*)$)"));

struct ShownText {
    QString where, text;
    int room = 0, needs = 0; // the width it has (0 where it may wrap) and the width it needs
};

// Menu items, group titles, labels, buttons and tool tips, in the order they were built;
// ST... names hold the device's values.
inline std::vector<ShownText> shownTexts(const QWidget& window)
{
    std::vector<ShownText> out;
    for (const QAction* a : window.findChildren<QAction*>())
        if (!a->text().isEmpty())
            out.push_back({a->objectName(), a->text()});
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString where = w->objectName() + QLatin1Char('/') + QString::number(out.size());
        const auto* label = qobject_cast<QLabel*>(w);
        // A tool bar's button shows its action's picture, not its text.
        const auto* button = w->parent()->inherits("QToolBar") ? nullptr : qobject_cast<QAbstractButton*>(w);
        QString text = label ? label->text() : button ? button->text() : QString();
        if (const auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        if (!text.isEmpty() && !w->objectName().startsWith(QLatin1String("ST")))
            out.push_back({where, text, label && label->wordWrap() ? 0 : w->contentsRect().width(),
                           w->fontMetrics().horizontalAdvance(QString(text).remove(u'&'))});
        if (!w->toolTip().isEmpty())
            out.push_back({where + QLatin1String(" tip"), w->toolTip()});
    }
    return out;
}

// The letter after a single '&', or empty.
inline QString acceleratorOf(const QString& text)
{
    return QString(text).replace(QLatin1String("&&"), QString()).count(u'&') == 1
               ? text.mid(text.indexOf(u'&') + 1, 1).toLower()
               : QString();
}

struct Translation {
    QString source, text, type; // type "unfinished" until translated
};

// What translations/qs7582_it.ts holds; nothing, and a failure, when it cannot be read.
inline std::vector<Translation> italianTranslations()
{
    QFile ts(QStringLiteral(Q7582_SOURCE_DIR "/translations/qs7582_it.ts"));
    if (!ts.open(QIODevice::ReadOnly))
        return ADD_FAILURE() << ts.errorString().toStdString(), std::vector<Translation>{};
    std::vector<Translation> out;
    QXmlStreamReader xml(&ts);
    QString source;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            out.push_back({source, xml.readElementText(), type});
        }
    }
    if (xml.hasError())
        return ADD_FAILURE() << xml.errorString().toStdString(), std::vector<Translation>{};
    return out;
}

// A window shown, so that its layout gives each text its room.
inline const auto shownWindow = [](std::unique_ptr<QWidget> window) { return window->show(), std::move(window); };

// build() makes the window in the language in force.
inline void expectShownInItalian(const std::function<std::unique_ptr<QWidget>()>& build)
{
    const std::vector<ShownText> english = shownTexts(*build()); // gone before the Italian one is built
    useInterfaceLanguage(true);
    const std::unique_ptr<QWidget> window = build();
    const std::vector<ShownText> italian = shownTexts(*window);
    useInterfaceLanguage(false);
    ASSERT_EQ(italian.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::string where = english[i].where.toStdString() + ": " + italian[i].text.toStdString();
        if (!KeptInItalian.match(english[i].text).hasMatch()) {
            EXPECT_NE(italian[i].text, english[i].text) << where;
        }
        EXPECT_EQ(acceleratorOf(italian[i].text).isEmpty(), acceleratorOf(english[i].text).isEmpty()) << where;
        EXPECT_LE(italian[i].needs, italian[i].room ? italian[i].room : INT_MAX) << where;
    }
    for (const QWidget* menu : window->findChildren<QWidget*>()) {
        QStringList keys;
        for (const QAction* a : menu->actions())
            if (const QString key = acceleratorOf(a->text()); !key.isEmpty())
                keys << key;
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size())
            << menu->objectName().toStdString() << ": " << keys.join(u' ').toStdString();
    }
}

} // namespace q7582::test
