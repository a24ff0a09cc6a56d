#pragma once
// Before Open (a file or a history entry), Load Default or Upload replaces a configuration
// that was changed and not saved, the user is asked; No, the default, keeps it.

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace q7582 {

class DialogProvider;
struct Provenance;

inline constexpr const char* UnsavedReplaceQuestion =
    QT_TRANSLATE_NOOP("ReplaceQuestion", "The configuration was changed and not saved. Replace it anyway?");

// True when nothing unsaved would be lost, or the user answered Yes to the question
// titled after the command.
bool mayReplaceConfiguration(DialogProvider& dialogs, QWidget* parent, const Provenance& provenance,
                             const QString& command);

} // namespace q7582
