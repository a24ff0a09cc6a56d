#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>

namespace q7582 {
namespace {

constexpr std::array<const char*, 3> ChoiceNames = {"automatic", "italiano", "english"};

// The program's own, built into it, then Qt's from the system's translations.
struct Translators {
    QTranslator program;
    QTranslator qt;
    bool installed = false;

    Translators()
    {
        // A missing file of Qt's leaves its own dialogs in English; the program's texts are built in.
        (void)program.load(QStringLiteral(":/i18n/qs7582_it.qm"));
        (void)qt.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
};

Translators& translators()
{
    static Translators t;
    return t;
}

} // namespace

LanguageChoice readLanguageChoice(const std::string& path)
{
    std::string text; // a missing file, a folder or a device is refused by readFile
    if (!readFile(path, text, 256).ok)
        return LanguageChoice::Automatic;
    const QString record = QString::fromStdString(text);
    if (record.section(u'=', 0, 0).trimmed() != QLatin1String("interface"))
        return LanguageChoice::Automatic;
    const QString value = record.section(u'=', 1).trimmed();
    for (std::size_t i = 0; i < ChoiceNames.size(); ++i)
        if (value == QLatin1String(ChoiceNames[i]))
            return LanguageChoice(i);
    return LanguageChoice::Automatic;
}

FileResult writeLanguageChoice(LanguageChoice choice, const std::string& path)
{
    return replaceFile(path, std::string("interface = ") + ChoiceNames[std::size_t(choice)] + "\n");
}

bool isItalian(LanguageChoice choice, const QLocale& desktop)
{
    if (choice != LanguageChoice::Automatic)
        return choice == LanguageChoice::Italian;
    return desktop.uiLanguages().value(0).startsWith(QLatin1String("it"));
}

void useInterfaceLanguage(bool italian)
{
    Translators& t = translators();
    if (italian == t.installed)
        return;
    if (italian) {
        QCoreApplication::installTranslator(&t.qt);
        QCoreApplication::installTranslator(&t.program);
    } else {
        QCoreApplication::removeTranslator(&t.program);
        QCoreApplication::removeTranslator(&t.qt);
    }
    t.installed = italian;
}

bool interfaceIsItalian() { return translators().installed; }

} // namespace q7582
