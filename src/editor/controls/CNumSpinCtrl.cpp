#include "editor/controls/CNumSpinCtrl.h"

#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/controls/CNumEdit.h"

namespace zl
{

CNumSpinCtrl::CNumSpinCtrl(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, direction] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
        button->setObjectName(direction > 0 ? QStringLiteral("up") : QStringLiteral("down"));
        connect(button, &QToolButton::clicked, this, [this, d = direction] { Click(d); });
        layout->addWidget(button);
    }
    setFixedSize(16, 22);
}

CNumSpinCtrl::~CNumSpinCtrl()
{
    if (m_buddy)
        m_buddy->setSpin(nullptr);
}

void CNumSpinCtrl::SetBuddy(CNumEdit* edit)
{
    if (m_buddy && m_buddy != edit)
        m_buddy->setSpin(nullptr);
    m_buddy = edit;
    if (m_buddy) {
        m_buddy->setSpin(this);
        setEnabled(m_buddy->isEnabled());
    }
}

void CNumSpinCtrl::SetStep(std::uint8_t step)
{
    if (m_buddy)
        m_buddy->SetStep(step);
}

void CNumSpinCtrl::SetRange(double minimum, double maximum)
{
    if (m_buddy)
        m_buddy->SetRange(minimum, maximum);
}

std::int64_t CNumSpinCtrl::GetPos() const
{
    return m_buddy ? m_buddy->GetValue() : 0;
}

void CNumSpinCtrl::SetPos(std::int64_t value)
{
    if (m_buddy)
        m_buddy->SetValue(value);
}

void CNumSpinCtrl::Click(int direction)
{
    if (m_buddy && m_buddy->isEnabled())
        m_buddy->ChangeBy(direction);
}

QWidget* numberField(CNumEdit* edit, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* spin = new CNumSpinCtrl(box);
    spin->SetBuddy(edit);
    row->addWidget(edit);
    row->addWidget(spin);
    row->addStretch();
    return box;
}

} // namespace zl
