// The window commands of the form: switching by a click in the list, New window, Copy window and Delete
// window.
#include <QDialog>

#include <cstdio>

#include "editor/CEditorCanvas.h"
#include "editor/CWindowDialogs.h"
#include "editor/CWindowList.h"
#include "editor/CZL110View.h"
#include "base/CPrompter.h"

namespace zl
{

void CZL110View::SwitchToRow(int row)
{
    if (m_project.windowCount() == 0)
        return;
    if (row < 0 || row >= static_cast<int>(m_project.windowCount())) {
        m_list->SelectRow(m_project.currentWindow);
        return;
    }
    m_project.currentWindow = static_cast<std::uint16_t>(row);
    AfterWindowChange();
    m_list->setFocus();
}

bool CZL110View::SelectComponent(std::uint16_t number, std::size_t position)
{
    const int row = m_project.FindWindowPosition(number);
    if (row < 0)
        return false;
    if (row != m_project.currentWindow)
        SwitchToRow(row);
    return m_canvas->SelectComponent(position);
}

void CZL110View::NewWindow()
{
    if (!m_project.CurrentWindow())
        return;
    CNewWindowDialog dialog(m_project, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::size_t at = m_project.AddWindow(dialog.number(), dialog.description());
    m_list->insertRow(static_cast<int>(at));
    m_list->SetRow(static_cast<int>(at), dialog.number(), dialog.description());
    AfterWindowChange();
    emit modified();
}

void CZL110View::CopyWindow()
{
    CMainView* source = m_project.CurrentWindow();
    if (!source)
        return;
    CCopyWindowDialog dialog(source->number, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_project.CopyWindow(dialog.target(), m_prompter))
        return;
    m_list->Rebuild(m_project);
    AfterWindowChange();
    emit modified(); // a copied window is work to keep
}

void CZL110View::DeleteWindow()
{
    CMainView* current = m_project.CurrentWindow();
    if (!current)
        return;
    char text[80];
    std::snprintf(text, sizeof text, "Do you want to delete the No. %d window?", int(current->number));
    if (!m_prompter.askOkCancel(text, "Delete current window"))
        return;
    m_project.DeleteCurrentWindow();
    m_list->Rebuild(m_project);
    AfterWindowChange();
    emit modified(); // so is a deletion
}

} // namespace zl
