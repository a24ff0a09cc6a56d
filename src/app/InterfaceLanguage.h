#pragma once
// The language of the windows: English (the texts as written) or Italian. A site keeps
// its installer's choice in its own file, "language.ini", one record "interface = X"
// with X "automatic", "italiano" or "english"; QS7582.ini and its Lingua record are
// left to their own rules. Automatic follows the desktop (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG).

#include "model/FileIo.h"

#include <QLocale>

namespace q7582 {

enum class LanguageChoice { Automatic, Italian, English };

inline constexpr const char* LanguageFileName = "language.ini";

// The choice of the site whose files lie in folder, beside its QS7582.ini.
inline std::string languageFileIn(const std::string& folder) { return folder + '/' + LanguageFileName; }

// A missing or unreadable file, or an unknown value, reads as Automatic.
LanguageChoice readLanguageChoice(const std::string& path = LanguageFileName);
FileResult writeLanguageChoice(LanguageChoice choice, const std::string& path = LanguageFileName);

bool isItalian(LanguageChoice choice, const QLocale& desktop = QLocale::system());

// Installs the program's Italian texts and Qt's own (its dialogs and buttons), or
// takes them away for English. Needs the application object.
void useInterfaceLanguage(bool italian);
bool interfaceIsItalian();

} // namespace q7582
