#include "editor/pages/CRegisterPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "components/CRegister.h"
#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/help/HelpTopics.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

constexpr std::int64_t kWideSignedLimit = 2147483647;

} // namespace

CRegisterPage::CRegisterPage(QWidget* parent)
    : CComponentPage(tr("Register Property"), parent), m_double(check(QT_TR_NOOP("Double"))),
      m_reverse(check(QT_TR_NOOP("Reverse"))), m_digits(number(QT_TR_NOOP("Digits"))),
      m_decimals(number(QT_TR_NOOP("Decimal"))), m_signed(check(QT_TR_NOOP("Signed"))),
      m_mode(radios(QT_TR_NOOP("Format"))),
      m_operand(makeOperand(QT_TR_NOOP("Station:"), QT_TR_NOOP("Type:"), QT_TR_NOOP("Addr:"),
                            QT_TR_NOOP("Sub Addr:"))),
      m_words(number(QT_TR_NOOP("Register"))), m_set(check(QT_TR_NOOP("Set"))),
      m_password(check(QT_TR_NOOP("Password"))), m_limited(check(QT_TR_NOOP("Limited"))),
      m_scaling(combo(QT_TR_NOOP("Scaling"), {QT_TR_NOOP("Original"), QT_TR_NOOP("Project")})),
      m_limits{number(QT_TR_NOOP("Max Input")), number(QT_TR_NOOP("Min Input")),
               number(QT_TR_NOOP("Eng. Max")), number(QT_TR_NOOP("Eng. Min"))}
{
    help::setHelpTopic(this, help::kRegisterPage);
    QGridLayout* g = grid();
    // Left half: position, format and the operand; right half: value entry.
    addPosition(0);
    auto* style = new QHBoxLayout;
    style->addWidget(m_double);
    style->addWidget(m_reverse);
    style->addWidget(m_signed);
    g->addLayout(style, 1, 0, 1, 4);
    addNumber(tr("Digits:"), m_digits, 2, 0);
    addNumber(tr("Decimal:"), m_decimals, 2, 2);
    auto* mode = new QHBoxLayout;
    addFormat(m_mode, mode);
    g->addLayout(mode, 3, 0, 1, 4);
    const int next = addOperand(m_operand, 4, 0);
    addNumber(tr("Register:"), m_words, next, 0, &m_wordsLabel);

    auto* entry = new QHBoxLayout;
    entry->addWidget(m_set);
    entry->addWidget(m_password);
    entry->addWidget(m_limited);
    g->addLayout(entry, 0, 5, 1, 2);
    addNumber(tr("Max Input:"), m_limits[0], 1, 5);
    addNumber(tr("Min Input:"), m_limits[1], 2, 5);
    g->addWidget(m_scaling, 3, 6);
    addNumber(tr("Eng. Max:"), m_limits[2], 4, 5);
    addNumber(tr("Eng. Min:"), m_limits[3], 5, 5);
    for (CNumEdit* limit : m_limits)
        limit->setFixedWidth(84); // ten digits and a sign
    g->setColumnMinimumWidth(4, 8);
    g->setColumnStretch(7, 1);
}

bool CRegisterPage::Handles(int typeCode) const
{
    return typeCode == kRegister;
}

void CRegisterPage::Bind()
{
    auto* c = static_cast<CRegister*>(m_component);
    m_double->Bind(&c->doubleSize);
    m_reverse->Bind(&c->reverse);
    m_signed->Bind(&c->isSigned);
    m_mode->Bind(&c->format);
    m_set->Bind(&c->set);
    m_password->Bind(&c->password);
    m_limited->Bind(&c->limited);
    m_scaling->Bind(&c->engineeringUnits);
    m_digits->Bind(&c->digits, 1, 10);
    m_decimals->Bind(&c->decimals, 0, 10);
    BindOperand(m_operand, WordOperand());
    c->SelectVariable(protocol());
    ApplyFormat(m_signed);
    applyTypeLocks(false);
    bindLimits(false);
    enableEntry(false);
    BindPosition();
}

void CRegisterPage::applyTypeLocks(bool fit)
{
    auto* c = static_cast<CRegister*>(m_component);
    const std::string& type = tables().registerTypeName(c->registerType, kWordList);
    // Input registers are read-only: a value cannot be entered into them.
    const auto lock = tables().descriptor().typeLock(type);
    const bool readOnly = lock && lock->setLocked;
    if (readOnly && fit)
        c->set = 0;
    m_set->setChecked(c->set != 0);
    m_set->setEnabled(!readOnly);
    BindWordCount(m_words, m_wordsLabel, true);
}

void CRegisterPage::bindLimits(bool fit)
{
    auto* c = static_cast<CRegister*>(m_component);
    CValueRange range = c->LimitRange(tables());
    const bool isSigned = c->isSigned != 0;
    // Limits of operands wider than a word are 32-bit numbers; a signed one stops short of −2^31.
    if (isSigned)
        range.min = std::max(range.min, -kWideSignedLimit);
    const bool wasSigned = m_limits[0]->value().isSigned;
    std::uint32_t* fields[4] = {&c->maxInput, &c->minInput, &c->engineeringMax, &c->engineeringMin};
    for (int i = 0; i < 4; ++i) {
        // The stored pattern reads as another number under the other sign: keep the number instead.
        if (fit && wasSigned != isSigned)
            *fields[i] = resignedLimit(*fields[i], wasSigned, range);
        m_limits[i]->Bind(fields[i], static_cast<double>(range.min), static_cast<double>(range.max), false,
                          isSigned);
    }
}

void CRegisterPage::enableEntry(bool fit)
{
    auto* c = static_cast<CRegister*>(m_component);
    if (!c->set && fit)
        c->password = 0;
    m_password->setChecked(c->password != 0);
    m_password->setEnabled(c->set != 0);
    const bool limited = c->limited != 0;
    for (int i = 0; i < 2; ++i)
        m_limits[i]->setEnabled(limited && m_limits[i]->value().Choosable());
    m_scaling->setEnabled(limited);
    for (int i = 2; i < 4; ++i)
        m_limits[i]->setEnabled(limited && c->engineeringUnits == 1 && m_limits[i]->value().Choosable());
}

void CRegisterPage::Rules(QObject* source)
{
    auto* c = static_cast<CRegister*>(m_component);
    if (source == m_digits && c->digits < c->decimals)
        m_decimals->SetValue(c->digits);
    if (source == m_decimals && c->decimals > c->digits)
        m_digits->SetValue(c->decimals);
    if (source == m_mode)
        ApplyFormat(m_signed);
    if (IsTypeChange(m_operand, source)) {
        if (source == m_operand.type)
            OperandTypeChanged(m_operand, WordOperand());
        c->SelectVariable(protocol());
        applyTypeLocks(true);
    }
    if (source == m_mode || source == m_signed || source == m_words || IsTypeChange(m_operand, source))
        bindLimits(true);
    if (source == m_double)
        Refit(true);
    else if (source == m_digits || source == m_decimals || source == m_mode || source == m_signed)
        Refit(false);
    enableEntry(true);
}

} // namespace zl
