#include "editor/dialogs/CWindowDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include <cstdio>

#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"
#include "model/CProject.h"
#include "base/CPrompter.h"

namespace zl
{
namespace
{

QDialogButtonBox* buttons(QDialog* dialog, const QString& okText)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(okText);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

std::string format(const char* pattern, unsigned number)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

// An emptied edit holds 0, which is no window number: the dialog stays open for one.
bool holdsNumber(CNumEdit* edit)
{
    if (edit->Validate() == CNumValue::kValid)
        return true;
    edit->setFocus();
    return false;
}

// The first number after the current window's that no window has (the current number + 1 when every
// later number is taken, which Ok then refuses).
std::uint16_t proposedNumber(const CProject& project)
{
    const unsigned current = project.CurrentView() ? project.CurrentView()->number : 0;
    unsigned n = current + 1;
    for (const auto& w : project.windows()) // sorted by number
        if (w->number == n)
            ++n;
    return static_cast<std::uint16_t>(n <= 65535 ? n : current + 1);
}

} // namespace

CNewWindowDialog::CNewWindowDialog(const CProject& project, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_project(project), m_prompter(prompter), m_number(proposedNumber(project))
{
    help::setHelpTopic(this, help::kWindowDialogs);
    setWindowTitle(tr("New window"));
    auto* form = new QFormLayout(this);
    m_numberEdit = new CNumEdit;
    form->addRow(tr("Window No.:"), numberField(m_numberEdit, this));
    m_numberEdit->Bind(&m_number, 1, 65535);
    m_descriptionEdit = new CBoundTextEdit(this);
    m_descriptionEdit->Bind(&m_description, 65535);
    form->addRow(tr("Window description:"), m_descriptionEdit);
    form->addRow(buttons(this, tr("Ok")));
}

void CNewWindowDialog::accept()
{
    if (!holdsNumber(m_numberEdit))
        return;
    if (m_project.FindWindowPosition(m_number) >= 0) {
        m_prompter.message(format("No.%d window exist", m_number),
                           QT_TRANSLATE_NOOP("Message", "window exist"));
        return;
    }
    QDialog::accept();
}

CCopyWindowDialog::CCopyWindowDialog(std::uint16_t source, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_source(source), m_prompter(prompter),
      m_target(static_cast<std::uint16_t>(source + 1))
{
    help::setHelpTopic(this, help::kWindowDialogs);
    setWindowTitle(tr("Copy window"));
    auto* form = new QFormLayout(this);
    m_targetEdit = new CNumEdit;
    form->addRow(tr("Copy window %1 to window:").arg(source), numberField(m_targetEdit, this));
    m_targetEdit->Bind(&m_target, 1, 65535);
    form->addRow(buttons(this, tr("OK")));
}

void CCopyWindowDialog::accept()
{
    if (!holdsNumber(m_targetEdit))
        return;
    if (m_target == m_source)
        m_prompter.message(QT_TRANSLATE_NOOP("Message", "The number is same with the current number!!!"),
                           QT_TRANSLATE_NOOP("Message", "Window number exist!"));
    QDialog::accept();
}

} // namespace zl
