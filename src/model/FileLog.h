#pragma once
// Diagnostics of the files the program keeps, category q7582.files: off unless switched
// on with QT_LOGGING_RULES="q7582.*=true" or --verbose.

#include <QLoggingCategory>

namespace q7582 {

Q_DECLARE_LOGGING_CATEGORY(lcFiles)

} // namespace q7582
