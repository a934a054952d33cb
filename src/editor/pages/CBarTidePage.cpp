#include "editor/pages/CBarTidePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include <utility>

#include "components/CBarTide.h"
#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

constexpr int kSmallest = CBarTide::kSmallestSide;

} // namespace

CBarTidePage::CBarTidePage(QWidget* parent)
    : CComponentPage(tr("Property"), parent), m_width(number(QT_TR_NOOP("W"))),
      m_height(number(QT_TR_NOOP("H"))), m_operand(makeOperand(QT_TR_NOOP("Station:"), QT_TR_NOOP("Type:"),
                                                               QT_TR_NOOP("Addr:"), QT_TR_NOOP("Sub Addr:"))),
      m_words(number(QT_TR_NOOP("Registers"))), m_signed(check(QT_TR_NOOP("Signed"))),
      m_mode(radios(QT_TR_NOOP("Format"))), m_high(number(QT_TR_NOOP("High"))),
      m_low(number(QT_TR_NOOP("Low"))),
      m_direction(combo(QT_TR_NOOP("Direction"),
                        {QT_TR_NOOP("UP"), QT_TR_NOOP("DOWN"), QT_TR_NOOP("LEFT"), QT_TR_NOOP("RIGHT")})),
      m_trend(new QWidget), m_dots(number(QT_TR_NOOP("Data Sample"))),
      m_interval(number(QT_TR_NOOP("Sample Interval")))
{
    help::setHelpTopic(this, help::kBarTrendPage);
    QGridLayout* g = grid();
    addPosition(0);
    addNumber(tr("W:"), m_width, 1, 0);
    addNumber(tr("H:"), m_height, 1, 2);
    const int next = addOperand(m_operand, 2, 0);
    addNumber(tr("Registers:"), m_words, next, 0, &m_wordsLabel);

    auto* mode = new QHBoxLayout;
    mode->addWidget(m_signed);
    addFormat(m_mode, mode);
    g->addLayout(mode, 0, 5, 1, 2);
    addNumber(tr("High:"), m_high, 1, 5);
    addNumber(tr("Low:"), m_low, 2, 5);
    addLabelled(tr("Direction:"), m_direction, 3, 5, &m_directionLabel);
    auto* trend = new QGridLayout(m_trend);
    trend->setContentsMargins(0, 0, 0, 0);
    trend->addWidget(new QLabel(tr("Data Sample:")), 0, 0);
    trend->addWidget(numberField(m_dots), 0, 1);
    trend->addWidget(new QLabel(tr("Dots")), 0, 2);
    trend->addWidget(new QLabel(tr("Sample Interval:")), 1, 0);
    trend->addWidget(numberField(m_interval), 1, 1);
    trend->addWidget(new QLabel(tr("Sec.")), 1, 2);
    g->addWidget(m_trend, 4, 5, 2, 3);
    m_high->setFixedWidth(84); // ten digits and a sign
    m_low->setFixedWidth(84);
    g->setColumnMinimumWidth(4, 8);
    g->setColumnStretch(8, 1);
    m_direction->Bind(&m_directionShown);
}

bool CBarTidePage::Handles(int typeCode) const
{
    return typeCode == kBarGraph || typeCode == kTrendLine;
}

bool CBarTidePage::isBar() const
{
    return m_component && m_component->typeCode == kBarGraph;
}

void CBarTidePage::Bind()
{
    auto* c = static_cast<CBarTide*>(m_component);
    group()->setTitle(isBar() ? tr("Bar Graph Property") : tr("Trend Line Property"));
    m_direction->setVisible(isBar());
    m_directionLabel->setVisible(isBar());
    m_trend->setVisible(!isBar());
    m_signed->Bind(&c->isSigned);
    m_mode->Bind(&c->format);
    BindOperand(m_operand, WordOperand());
    c->SelectVariable(protocol());
    if (isBar()) {
        m_directionShown = static_cast<CBar*>(c)->direction;
        m_direction->Bind(&m_directionShown);
    } else {
        m_interval->Bind(&static_cast<CTide*>(c)->sampleInterval, 1, 60000);
    }
    ApplyFormat(m_signed);
    BindWordCount(m_words, m_wordsLabel, false);
    bindRange(false);
    BindPosition();
    bindSize();
}

void CBarTidePage::bindSize()
{
    auto* c = static_cast<CBarTide*>(m_component);
    // A bar or trend line cannot grow past the panel's right or bottom edge.
    m_width->Bind(&c->width, kSmallest, kPanelWidth - c->x);
    m_height->Bind(&c->height, kSmallest, kPanelHeight - c->y);
    if (!isBar())
        m_dots->Bind(&static_cast<CTide*>(c)->sampleDots, 2, c->width - 2);
}

void CBarTidePage::PositionShown()
{
    auto* c = static_cast<CBarTide*>(m_component);
    if (!c)
        return;
    m_width->SetRange(kSmallest, kPanelWidth - c->x);
    m_height->SetRange(kSmallest, kPanelHeight - c->y);
}

void CBarTidePage::bindRange(bool fit)
{
    auto* c = static_cast<CBarTide*>(m_component);
    const CValueRange range =
        isBar() ? static_cast<CBar*>(c)->LimitRange(tables()) : static_cast<CTide*>(c)->LimitRange(tables());
    const bool isSigned = c->isSigned != 0;
    const bool wasSigned = m_high->value().isSigned;
    for (auto [edit, field] : {std::pair{m_high, &c->maxValue}, std::pair{m_low, &c->minValue}}) {
        // The stored pattern reads as another number under the other sign: keep the number instead.
        if (fit && wasSigned != isSigned)
            *field = resignedLimit(*field, wasSigned, range);
        edit->Bind(field, static_cast<double>(range.min), static_cast<double>(range.max), false, isSigned);
    }
    const auto lock = tables().descriptor().typeLock(tables().registerTypeName(c->registerType, kWordList));
    const bool fixed = lock && lock->noValueRange;
    m_high->setEnabled(!fixed && m_high->value().Choosable());
    m_low->setEnabled(!fixed && m_low->value().Choosable());
}

void CBarTidePage::Rules(QObject* source)
{
    auto* c = static_cast<CBarTide*>(m_component);
    if (source == m_mode)
        ApplyFormat(m_signed);
    if (IsTypeChange(m_operand, source)) {
        if (source == m_operand.type)
            OperandTypeChanged(m_operand, WordOperand());
        c->SelectVariable(protocol());
        BindWordCount(m_words, m_wordsLabel, false);
    }
    if (source == m_mode || source == m_signed || source == m_words || IsTypeChange(m_operand, source))
        bindRange(true);
    if (source == m_direction && isBar()) {
        static_cast<CBar*>(c)->SetDirection(m_directionShown);
        Refit(true);
        bindSize(); // a turn between upright and lying swaps the size
    }
    if (source == m_width || source == m_height) {
        Refit(true);
        if (!isBar())
            m_dots->SetRange(2, c->width - 2);
    }
}

} // namespace zl
