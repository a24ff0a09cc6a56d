#include "ui/common/Workspace.h"

namespace q7582 {

Workspace::Workspace(const std::string& dir) : settings_(dir), names_(dir), history_(dir) {}

void Workspace::acceptEdited(const ConfigImage& edited)
{
    applyEditorAccepted(config_, provenance_, edited);
    emit configurationChanged();
}

} // namespace q7582
