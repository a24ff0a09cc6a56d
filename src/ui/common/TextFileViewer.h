#pragma once
// A modal read-only view of a text file (the error log): the caller waits until
// the user closes it.

#include "model/FileIo.h"

#include <QString>

class QWidget;

namespace q7582 {

// Fails with the system's reason, before showing anything, when the file cannot be read.
FileResult showTextFileModal(QWidget* owner, const QString& path);

} // namespace q7582
