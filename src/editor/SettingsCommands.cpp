// The commands of the project's settings blocks: the panel settings.
#include "editor/CPanelSettingsDialog.h"
#include "editor/CZL110View.h"

namespace zl
{

void CZL110View::RunPanelSettings()
{
    if (!m_projectActive)
        return;
    CPanelSettingsDialog dialog(m_project, this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyPanelSettings(dialog.settings());
}

void CZL110View::ApplyPanelSettings(const CPanelSettings& settings)
{
    if (settings == m_project.panel)
        return;
    m_project.panel = settings;
    emit modified();
}

} // namespace zl
