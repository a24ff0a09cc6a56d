#include "ui/common/ReplaceQuestion.h"

#include "model/Provenance.h"
#include "ui/common/DialogProvider.h"

namespace q7582 {

bool mayReplaceConfiguration(DialogProvider& dialogs, QWidget* parent, const Provenance& provenance,
                             const QString& command)
{
    return !provenance.unsaved
           || dialogs.yesNo(parent, command, QCoreApplication::translate("ReplaceQuestion", UnsavedReplaceQuestion));
}

} // namespace q7582
