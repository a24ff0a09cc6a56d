// The program in Italian: every text the main window shows is translated, keeps its
// accelerators and fits its place; every translation keeps its placeholders.
#include "ItalianWalk.h"
#include "WindowFixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace q7582;
using namespace q7582::test;

namespace {

using ItalianWindow = WindowTest;

} // namespace

TEST_F(ItalianWindow, EveryTextShownIsTranslatedKeepsItsAcceleratorsAndFits)
{
    expectShownInItalian([this] { return SetUp(), std::unique_ptr<QWidget>(window.release()); });
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
            EXPECT_EQ(std::tuple(type, text.isEmpty(), placeholders(text), acceleratorOf(text).isEmpty()),
                      std::tuple(QString(), false, placeholders(source), acceleratorOf(source).isEmpty()))
                << source.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 80);
}
