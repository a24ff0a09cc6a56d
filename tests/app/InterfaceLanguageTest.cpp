#include "app/InterfaceLanguage.h"
#include "FileFixture.h"

#include <gtest/gtest.h>

using namespace q7582;
using InterfaceLanguage = FileFixture;

// The site's choice decides; automatic follows the desktop, Italian only for Italian.
TEST_F(InterfaceLanguage, TheSitesChoiceOrElseTheDesktopDecides)
{
    const QLocale italian(QLocale::Italian, QLocale::Switzerland), german(QLocale::German);
    EXPECT_EQ(std::tuple(isItalian(LanguageChoice::Automatic, italian), isItalian(LanguageChoice::Automatic, german),
                         isItalian(LanguageChoice::Italian, german), isItalian(LanguageChoice::English, italian)),
              std::tuple(true, false, true, false));

    ASSERT_TRUE(tmp.isValid());
    const std::string file = path("language.ini");
    EXPECT_EQ(readLanguageChoice(file), LanguageChoice::Automatic); // none yet
    const std::pair<std::string, LanguageChoice> written[] = {
        {"interface = english\n", LanguageChoice::English},    {"interface=italiano", LanguageChoice::Italian},
        {"interface = ITALIANO\n", LanguageChoice::Automatic}, {"Lingua = italiano\n", LanguageChoice::Automatic},
        {"interface = \n", LanguageChoice::Automatic},
    };
    for (const auto& [text, choice] : written) {
        write("language.ini", text);
        EXPECT_EQ(readLanguageChoice(file), choice) << text;
    }
    ASSERT_TRUE(writeLanguageChoice(LanguageChoice::Italian, file).ok);
    EXPECT_EQ(readLanguageChoice(file), LanguageChoice::Italian);
}
