// The commands of the project's settings blocks: the panel settings and the alarm list.
#include "editor/dialogs/CAlarmListDialog.h"
#include "editor/dialogs/CPanelSettingsDialog.h"
#include "editor/CZL110View.h"

namespace zl
{

void CZL110View::RunPanelSettings()
{
    if (!m_projectActive)
        return;
    CPanelSettingsDialog dialog(project(), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyPanelSettings(dialog.settings());
}

void CZL110View::ApplyPanelSettings(const CPanelSettings& settings)
{
    // One undoable step; settings equal to the project's record none.
    m_doc.setPanelSettings(settings);
}

void CZL110View::RunAlarmList()
{
    if (!m_projectActive || !project().tables().descriptor().alarmListOffered)
        return;
    CAlarmListDialog dialog(project(), this);
    dialog.exec();
    ApplyAlarmList(dialog.alarms()); // "Cancel" keeps a changed coil too
}

void CZL110View::ApplyAlarmList(const CAlarmList& edited)
{
    // One undoable step; a list equal to the project's records none.
    m_doc.setAlarmList(edited);
}

} // namespace zl
