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
    : CComponentPage(QStringLiteral("Register Property"), parent), m_double(check(QStringLiteral("Double"))),
      m_reverse(check(QStringLiteral("Reverse"))), m_digits(number(QStringLiteral("Digits"))),
      m_decimals(number(QStringLiteral("Decimal"))), m_signed(check(QStringLiteral("Signed"))),
      m_mode(radios(QStringLiteral("Format"))),
      m_operand(makeOperand(QStringLiteral("Station:"), QStringLiteral("Type:"), QStringLiteral("Addr:"),
                            QStringLiteral("Sub Addr:"))),
      m_words(number(QStringLiteral("Register"))), m_set(check(QStringLiteral("Set"))),
      m_password(check(QStringLiteral("Password"))), m_limited(check(QStringLiteral("Limited"))),
      m_scaling(combo(QStringLiteral("Scaling"), {"Original", "Project"})),
      m_limits{number(QStringLiteral("Max Input")), number(QStringLiteral("Min Input")),
               number(QStringLiteral("Eng. Max")), number(QStringLiteral("Eng. Min"))}
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
    addNumber(QStringLiteral("Digits:"), m_digits, 2, 0);
    addNumber(QStringLiteral("Decimal:"), m_decimals, 2, 2);
    auto* mode = new QHBoxLayout;
    addFormat(m_mode, mode);
    g->addLayout(mode, 3, 0, 1, 4);
    const int next = addOperand(m_operand, 4, 0);
    addNumber(QStringLiteral("Register:"), m_words, next, 0, &m_wordsLabel);

    auto* entry = new QHBoxLayout;
    entry->addWidget(m_set);
    entry->addWidget(m_password);
    entry->addWidget(m_limited);
    g->addLayout(entry, 0, 5, 1, 2);
    addNumber(QStringLiteral("Max Input:"), m_limits[0], 1, 5);
    addNumber(QStringLiteral("Min Input:"), m_limits[1], 2, 5);
    g->addWidget(m_scaling, 3, 6);
    addNumber(QStringLiteral("Eng. Max:"), m_limits[2], 4, 5);
    addNumber(QStringLiteral("Eng. Min:"), m_limits[3], 5, 5);
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
