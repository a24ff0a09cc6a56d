#pragma once
// File names as the windows and the command line hold them (QString) and as the system
// takes them (bytes). A Linux name is any bytes, which a QString holds only when they are
// UTF-8: Qt decodes other bytes to U+FFFD, and that name reaches another file or none.
// So every name becomes a path through filePath, and a name from the system that must
// reach its file again (a command-line operand) is decoded by fileNameFromPath.

#include <QString>
#include <QUrl>

#include <string>
#include <string_view>

namespace q7582 {

// The path a name stands for: its UTF-8 bytes, and each byte fileNameFromPath kept
// as it was.
std::string filePath(const QString& name);

// The name of a path, losslessly: filePath gives the same bytes back. Each byte that is
// not part of well-formed UTF-8 becomes one of the lone surrogates U+DC80..U+DCFF, which
// no UTF-8 text decodes to (shown, it reads as U+FFFD).
QString fileNameFromPath(std::string_view path);

// Qt's file dialogs resolve "." through the working folder's absolute name; when that is
// not UTF-8 they reach no folder and fall back to its parent. They are then given the
// link /proc/<pid>/cwd, whose ASCII name reaches the working folder as long as the
// program runs. Empty when the folder's own name serves.
QString workingFolderLink();
// A name the dialog gave under that link, named relative to the working folder as the
// program names its own files ("x.cfi", "." for the folder itself); any other name as given.
QString relativeToWorkingFolder(const QString& name, const QString& link);

// The file URL of a path, its bytes percent-encoded, for the desktop to open: a relative
// path is taken from the working folder.
QUrl fileUrl(const std::string& path);

} // namespace q7582
