#include "editor/dialogs/CReplaceOperandsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/document/CEditorDocument.h"
#include "editor/help/HelpTopics.h"
#include "operands/COperandReplace.h"
#include "qt/CMessages.h"

namespace zl
{

CReplaceOperandsDialog::CReplaceOperandsDialog(CEditorDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_from(new QLineEdit), m_to(new QLineEdit), m_preview(new QTreeWidget),
      m_summary(new QLabel), m_replace(nullptr)
{
    help::setHelpTopic(this, help::kReplaceOperands);
    setWindowTitle(tr("Replace operands"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_from->setPlaceholderText(tr("D100-D199"));
    m_to->setPlaceholderText(tr("D300"));
    form->addRow(tr("Replace:"), m_from);
    form->addRow(tr("With (start):"), m_to);
    layout->addLayout(form);
    m_preview->setColumnCount(2);
    m_preview->setHeaderLabels({tr("Change"), tr("Where")});
    m_preview->setRootIsDecorated(false);
    m_preview->header()->setStretchLastSection(true);
    m_preview->setColumnWidth(0, 200);
    layout->addWidget(m_preview, 1);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_replace = buttons->addButton(tr("Replace"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 380);

    connect(m_from, &QLineEdit::textChanged, this, &CReplaceOperandsDialog::updatePreview);
    connect(m_to, &QLineEdit::textChanged, this, &CReplaceOperandsDialog::updatePreview);
    updatePreview();
}

void CReplaceOperandsDialog::updatePreview()
{
    m_preview->clear();
    m_replace->setEnabled(false);
    const CProject& project = m_document.project();
    if (m_from->text().isEmpty() || m_to->text().isEmpty()) {
        m_summary->setText(tr("Name a range of one type and the start it moves to."));
        return;
    }
    const auto from = parseOperandRange(project.tables(), m_from->text().trimmed().toStdString());
    const auto to = parseOperandRange(project.tables(), m_to->text().trimmed().toStdString());
    if (!from || !to) {
        m_summary->setText(
            QString::fromStdString(translateMessage((!from ? from.error() : to.error()).text)));
        return;
    }
    const CReplacePlan plan = planReplace(project, *from, *to);
    for (const COperandChange& c : plan.changes)
        new QTreeWidgetItem(m_preview, {QString::fromStdString(c.from + " → " + c.to),
                                        operandUseText(plan.index.uses[c.use])});
    for (const std::string& refusal : plan.refusals) {
        auto* item = new QTreeWidgetItem(m_preview,
                                         {tr("refused"), QString::fromStdString(translateMessage(refusal))});
        item->setForeground(0, Qt::red);
        item->setForeground(1, Qt::red);
    }
    if (!plan.refusals.empty())
        m_summary->setText(tr("%n use(s) cannot move: nothing will be replaced.", nullptr,
                              static_cast<int>(plan.refusals.size())));
    else if (plan.changes.empty())
        m_summary->setText(tr("No operand uses this range."));
    else
        m_summary->setText(tr("%n use(s) will move.", nullptr, static_cast<int>(plan.changes.size())));
    m_replace->setEnabled(plan.refusals.empty() && !plan.changes.empty());
}

void CReplaceOperandsDialog::accept()
{
    if (!m_replace->isEnabled())
        return;
    const CProject& project = m_document.project();
    const auto from = parseOperandRange(project.tables(), m_from->text().trimmed().toStdString());
    const auto to = parseOperandRange(project.tables(), m_to->text().trimmed().toStdString());
    if (from && to)
        m_document.replaceOperands(*from, *to);
    QDialog::accept();
}

} // namespace zl
