#pragma once
// The built-in help topics: plain HTML resources, one folder per help language
// (topics/en, topics/it, the same file names in both), one file per context number
// plus the task topics they link to. No widget.

#include <QString>
#include <QUrl>

namespace q7582::helpTopics {

// The resource folder of a language's topics, ":/help/it" or ":/help/en".
QString folder(bool italian);

// The topic of a context number in that language; the contents for a number without one.
QUrl topicUrl(int context, bool italian);

// Whether the help files hold the number's topic: the history window's is a task topic
// of the built-in help only.
bool inHelpFile(int context);

} // namespace q7582::helpTopics
