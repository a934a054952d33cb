#include "editor/pages/CFunctionPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "components/CFunction.h"
#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/help/HelpTopics.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

constexpr std::uint8_t kNoCoilAction = 4; // checks none of the four coil buttons
constexpr double kLastWindow = 65535;

} // namespace

CFunctionPage::CFunctionPage(QWidget* parent)
    : CComponentPage(tr("Function Key Property"), parent), m_reverse(check(QT_TR_NOOP("Reverse"))),
      m_double(check(QT_TR_NOOP("Double"))), m_key(combo(QT_TR_NOOP("Key"), CFunction::KeyNames())),
      m_hand(check(QT_TR_NOOP("Hand"))), m_invisible(check(QT_TR_NOOP("Invisible"))),
      m_password(check(QT_TR_NOOP("Password"))), m_action(radios(QT_TR_NOOP("Function Key"))),
      m_jumpPage(new QGroupBox(tr("Window"))), m_jump(radios(QT_TR_NOOP("Jump to"))),
      m_window(number(QT_TR_NOOP("Jump to"))), m_coilPage(new QGroupBox(tr("Coil"))),
      m_operand(makeOperand(QT_TR_NOOP("Sta.:"), QT_TR_NOOP("Type"), QT_TR_NOOP("Addr"), QT_TR_NOOP("Sub:"))),
      m_format(combo(QT_TR_NOOP("Value format"),
                     {QT_TR_NOOP("Unsigned"), QT_TR_NOOP("HEX"), QT_TR_NOOP("Signed")})),
      m_value(number(QT_TR_NOOP("parameter"))), m_coil(radios(QT_TR_NOOP("Coil action"))),
      m_coilButtons(new QWidget)
{
    help::setHelpTopic(this, help::kFunctionKeyPage);
    QGridLayout* g = grid();
    addPosition(0);
    auto* style = new QHBoxLayout;
    style->addWidget(m_reverse);
    style->addWidget(m_double);
    g->addLayout(style, 1, 0, 1, 4);
    addLabelled(tr("Key:"), m_key, 2, 0);
    auto* flags = new QHBoxLayout;
    flags->addWidget(m_hand);
    flags->addWidget(m_invisible);
    flags->addWidget(m_password);
    g->addLayout(flags, 3, 0, 1, 4);
    auto* actions = new QGroupBox(tr("Function Key"));
    // Two rows, so that the page keeps within the page area's height.
    auto* actionRow = new QGridLayout(actions);
    actionRow->addWidget(m_action->add(tr("Set Coil"), CFunction::kSetCoil), 0, 0);
    actionRow->addWidget(m_action->add(tr("Jump to"), CFunction::kJumpTo), 0, 1);
    actionRow->addWidget(m_action->add(tr("Set Register"), CFunction::kSetRegister), 1, 0, 1, 2);
    g->addWidget(actions, 4, 0, 3, 4);

    // Jump sub-page.
    auto* jump = new QGridLayout(m_jumpPage);
    jump->addWidget(m_jump->add(tr("Window"), 0), 0, 0, 1, 2);
    jump->addWidget(m_jump->add(tr("Alarm List"), 1), 1, 0, 1, 2);
    QRadioButton* timeDate = m_jump->add(tr("Time/Date"), 2);
    jump->addWidget(timeDate, 2, 0, 1, 2);
    timeDate->hide();
    addNumber(tr("Jump to:"), m_window, 3, 0, nullptr, jump);
    jump->setRowStretch(4, 1);
    jump->setColumnStretch(2, 1);

    // Coil sub-page.
    auto* coil = new QGridLayout(m_coilPage);
    coil->setVerticalSpacing(3);
    coil->setHorizontalSpacing(4);
    coil->setContentsMargins(6, 4, 6, 4); // the operand, the variable and two rows of buttons fill the height
    // Narrower than the other pages' operand fields: station and address share the first row.
    COperandFields& f = m_operand;
    addNumber(f.stationText, f.station, 0, 0, &f.stationLabel, coil);
    addNumber(f.addressText, f.address, 0, 2, &f.addressLabel, coil);
    addLabelled(f.typeText, f.type, 1, 0, &f.typeLabel, coil);
    addNumber(f.subText, f.sub, 1, 2, &f.subLabel, coil);
    addLabelled(QStringLiteral("SubType"), f.subType, 2, 0, &f.subTypeLabel, coil);
    coil->addWidget(f.subType, 2, 1, 1, 3);
    const int next = 3;
    auto* buttons = new QGridLayout(m_coilButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setVerticalSpacing(0);
    buttons->addWidget(m_coil->add(QStringLiteral("ON"), 0), 0, 0);
    buttons->addWidget(m_coil->add(QStringLiteral("OFF"), 1), 0, 1);
    buttons->addWidget(m_coil->add(tr("Reverse", "coil action"), 2), 1, 0);
    buttons->addWidget(m_coil->add(tr("Instant on"), 3), 1, 1);
    coil->addWidget(m_coilButtons, next, 0, 1, 4);
    // The value's labels in a grid of their own: they would widen the operand's label column.
    auto* value = new QGridLayout;
    addLabelled(tr("Format:"), m_format, 0, 0, &m_formatLabel, value);
    addNumber(tr("parameter"), m_value, 1, 0, &m_valueLabel, value);
    value->setColumnStretch(2, 1);
    coil->addLayout(value, next + 1, 0, 1, 4);
    m_value->setFixedWidth(100);
    coil->setRowStretch(next + 2, 1);

    g->addWidget(m_jumpPage, 0, 5, 7, 1);
    g->addWidget(m_coilPage, 0, 5, 7, 1);
    g->setColumnMinimumWidth(4, 6);
    g->setColumnStretch(5, 1);
}

bool CFunctionPage::Handles(int typeCode) const
{
    return typeCode == kFunctionKey;
}

COperandKind CFunctionPage::operandKind() const
{
    auto* c = static_cast<CFunction*>(m_component);
    // The coil sub-page takes its sub-address in hexadecimal, for a coil and a register alike.
    if (c->action == CFunction::kSetRegister)
        return {kWordList, kWriteWords, tables().registerMax, tables().show.subAddress != 0, true};
    const std::uint16_t last = namedVariables() ? tables().registerMax : tables().coilMax;
    return {kBitList, kWriteBits, last, tables().show.bitNumber != 0, true};
}

void CFunctionPage::Bind()
{
    auto* c = static_cast<CFunction*>(m_component);
    const bool noCoils = tables().descriptor().functionKeyJumps;
    if (noCoils) {
        // No coils to set: a coil key becomes a jump, and the time/date screen is not offered.
        if (c->action == CFunction::kSetCoil)
            c->action = CFunction::kJumpTo;
        c->coilAction = kNoCoilAction;
        if (c->jumpTarget == 2)
            c->jumpTarget = 0;
    }
    m_action->button(CFunction::kSetCoil)->setEnabled(!noCoils);
    m_jump->button(2)->setEnabled(!noCoils);
    m_reverse->Bind(&c->reverse);
    m_double->Bind(&c->doubleSize);
    m_key->Bind(&c->shapeOrKey);
    m_hand->Bind(&c->hand);
    m_invisible->Bind(&c->invisible);
    m_password->Bind(&c->password);
    m_action->Bind(&c->action);
    m_jump->Bind(&c->jumpTarget);
    m_window->Bind(&c->windowNumber, 1, kLastWindow);
    m_coil->Bind(&c->coilAction);
    m_format->Bind(&c->keyByteB);
    showAction();
    BindPosition();
}

void CFunctionPage::showAction()
{
    auto* c = static_cast<CFunction*>(m_component);
    const bool jump = c->action == CFunction::kJumpTo;
    const bool setRegister = c->action == CFunction::kSetRegister;
    m_jumpPage->setVisible(jump);
    m_coilPage->setVisible(!jump);
    m_window->setEnabled(c->jumpTarget != 1);
    // Once the shown sub-page is laid out, its fields join the tab order.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            OrderTabs();
    });
    if (jump)
        return;
    BindOperand(m_operand, operandKind());
    m_coilButtons->setVisible(!setRegister && tables().show.coilActions != 0);
    for (QWidget* w : {static_cast<QWidget*>(m_formatLabel), static_cast<QWidget*>(m_format),
                       static_cast<QWidget*>(m_valueLabel), m_value->parentWidget()})
        w->setVisible(setRegister);
    if (namedVariables())
        c->DeriveVariable();
    bindValue();
}

void CFunctionPage::bindValue()
{
    auto* c = static_cast<CFunction*>(m_component);
    c->SetValueFormat(c->keyByteB);
    const auto [low, high] = c->ValueRange(tables());
    m_value->Bind(&c->value, static_cast<double>(low), static_cast<double>(high),
                  c->keyByteB == CFunction::kHex, c->keyByteB == CFunction::kSigned);
}

void CFunctionPage::Rules(QObject* source)
{
    auto* c = static_cast<CFunction*>(m_component);
    if (source == m_double || source == m_hand)
        Refit(true);
    if (source == m_action)
        showAction();
    if (source == m_jump)
        m_window->setEnabled(c->jumpTarget != 1);
    if (IsTypeChange(m_operand, source)) {
        if (source == m_operand.type)
            OperandTypeChanged(m_operand, operandKind());
        bindValue();
    }
    if (source == m_format)
        bindValue();
    // The protocol-31 address carries the variable group and the address's low byte.
    if (namedVariables() && (IsTypeChange(m_operand, source) || source == m_operand.address))
        c->DeriveVariable();
}

} // namespace zl
