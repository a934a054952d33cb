// The window commands of the form: switching by a click in the list, New window, Copy window and Delete
// window, each but the switch an undoable edit of the window list.
#include <QDialog>

#include <cstdio>

#include "editor/canvas/CEditorCanvas.h"
#include "editor/dialogs/CWindowDialogs.h"
#include "editor/CWindowList.h"
#include "editor/CZL110View.h"
#include "base/CPrompter.h"

namespace zl
{

void CZL110View::SwitchToRow(int row)
{
    if (project().windowCount() == 0)
        return;
    if (row < 0 || row >= static_cast<int>(project().windowCount()))
        m_list->SelectRow(m_doc.currentPosition());
    else
        m_doc.setCurrentWindow(row);
    m_list->setFocus();
}

bool CZL110View::SelectComponent(std::uint16_t number, std::size_t position)
{
    const int row = project().FindWindowPosition(number);
    if (row < 0)
        return false;
    if (row != m_doc.currentPosition())
        SwitchToRow(row);
    return m_doc.selectPosition(position);
}

void CZL110View::NewWindow()
{
    if (!m_projectActive)
        return; // a project loaded without windows can make its first
    CNewWindowDialog dialog(project(), m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.newWindow(dialog.number(), dialog.description());
}

void CZL110View::CopyWindow()
{
    const CMainView* source = m_doc.currentWindow();
    if (!source)
        return;
    CCopyWindowDialog dialog(source->number, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.copyWindow(dialog.target(), m_prompter);
}

void CZL110View::DeleteWindow()
{
    const CMainView* current = m_doc.currentWindow();
    if (!current)
        return;
    char text[80];
    std::snprintf(text, sizeof text, "Do you want to delete the No. %d window?", int(current->number));
    if (!m_prompter.askOkCancel(text, QT_TRANSLATE_NOOP("Message", "Delete current window")))
        return;
    m_doc.deleteCurrentWindow();
}

} // namespace zl
