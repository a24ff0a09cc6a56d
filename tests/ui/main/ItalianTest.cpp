// The program in Italian: every text the main window shows is translated, keeps its
// accelerators and fits its place; every translation keeps its placeholders.
#include "ItalianWalk.h"
#include "WindowFixture.h"

#include <QRegularExpression>

using namespace q7582;
using namespace q7582::test;

using ItalianWindow = WindowTest;

TEST_F(ItalianWindow, EveryTextShownIsTranslatedKeepsItsAcceleratorsAndFits)
{
    expectShownInItalian([this] { return SetUp(), std::unique_ptr<QWidget>(window.release()); });
}

// Every text has its translation, with the same placeholders and one accelerator where the source has one.
TEST(ItalianTexts, CompleteWithTheirPlaceholdersAndAccelerators)
{
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found << m.captured();
        return found.sort(), found;
    };
    for (const auto& [source, text, type] : italianTranslations())
        EXPECT_EQ(std::tuple(type, text.isEmpty(), placeholders(text), acceleratorOf(text).isEmpty()),
                  std::tuple(QString(), false, placeholders(source), acceleratorOf(source).isEmpty()))
            << source.toStdString();
}
