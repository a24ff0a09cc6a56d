#include "model/FileLog.h"

namespace q7582 {

// Info and debug are off until a rule switches the category on.
Q_LOGGING_CATEGORY(lcFiles, "q7582.files", QtWarningMsg)

} // namespace q7582
