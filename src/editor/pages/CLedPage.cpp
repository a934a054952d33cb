#include "editor/pages/CLedPage.h"

#include <QGridLayout>
#include <QLabel>

#include "components/CLight.h"
#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/help/HelpTopics.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{

CLedPage::CLedPage(QWidget* parent)
    : CComponentPage(tr("LED Property"), parent), m_double(check(QT_TR_NOOP("Double"))),
      m_shape(combo(QT_TR_NOOP("Shape"), {QT_TR_NOOP("Round"), QT_TR_NOOP("Square")})),
      m_logic(combo(QT_TR_NOOP("Logic"), {QT_TR_NOOP("Positive"), QT_TR_NOOP("Negative")})),
      m_operand(makeOperand(QT_TR_NOOP("Station No:"), QT_TR_NOOP("Type:"), QT_TR_NOOP("Address:"),
                            QT_TR_NOOP("Sub Addr:"))),
      m_offset(number(QT_TR_NOOP("Offset")))
{
    help::setHelpTopic(this, help::kLedPage);
    QGridLayout* g = grid();
    addPosition(0);
    g->addWidget(m_double, 0, 4, 1, 2);
    addLabelled(tr("Shape:"), m_shape, 1, 0);
    addLabelled(tr("Logic:"), m_logic, 1, 2);
    const int next = addOperand(m_operand, 2, 0);
    addNumber(tr("Offset:"), m_offset, next, 0, &m_offsetLabel);
    g->setColumnStretch(6, 1);
}

bool CLedPage::Handles(int typeCode) const
{
    return typeCode == kLed;
}

COperandKind CLedPage::operandKind() const
{
    const std::uint16_t last = namedVariables() ? tables().registerMax : tables().coilMax;
    return {kThirdList, kReadBits, last, tables().show.bitNumber != 0};
}

void CLedPage::bindOffset()
{
    auto* c = static_cast<CLight*>(m_component);
    m_offset->Bind(&c->bitOffset, 0, c->BitOffsetMax(tables()));
    const bool shown = tables().show.offset != 0 && !namedVariables();
    m_offset->parentWidget()->setVisible(shown);
    m_offsetLabel->setVisible(shown);
}

void CLedPage::Bind()
{
    auto* c = static_cast<CLight*>(m_component);
    m_double->Bind(&c->doubleSize);
    m_shape->Bind(&c->shapeOrKey);
    m_logic->Bind(&c->reverse);
    BindOperand(m_operand, operandKind());
    bindOffset();
    if (namedVariables())
        c->DeriveVariable();
    BindPosition();
}

void CLedPage::Rules(QObject* source)
{
    auto* c = static_cast<CLight*>(m_component);
    if (source == m_double)
        Refit(true);
    if (IsTypeChange(m_operand, source)) {
        if (source == m_operand.type)
            OperandTypeChanged(m_operand, operandKind());
        bindOffset();
        if (namedVariables())
            c->DeriveVariable();
    }
}

} // namespace zl
