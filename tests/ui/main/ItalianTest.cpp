// The program in Italian: every text the main window shows is translated, keeps its
// accelerators and fits its place; every translation keeps its placeholders.
#include "ItalianWalk.h"
#include "WindowFixture.h"

#include <QRegularExpression>

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
    QString error;
    const std::vector<Translation> translations = italianTranslations(error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found << m.captured();
        return found.sort(), found;
    };
    for (const auto& [source, text, type] : translations)
        EXPECT_EQ(std::tuple(type, text.isEmpty(), placeholders(text), acceleratorOf(text).isEmpty()),
                  std::tuple(QString(), false, placeholders(source), acceleratorOf(source).isEmpty()))
            << source.toStdString();
    EXPECT_GT(translations.size(), 80u);
}
