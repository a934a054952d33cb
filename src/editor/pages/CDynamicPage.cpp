#include "editor/pages/CDynamicPage.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "components/CDynamic.h"
#include "editor/controls/CBoundControls.h"
#include "editor/controls/CGridCtrl.h"
#include "editor/controls/CNumEdit.h"
#include "editor/help/HelpTopics.h"
#include "base/Gbk.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

constexpr std::size_t kContentLimit = 24; // bytes
constexpr int kGridRows = CDynamic::kEntries + 1;

} // namespace

CDynamicPage::CDynamicPage(QWidget* parent)
    : CComponentPage(tr("Dynamic Text Property"), parent), m_double(check(QT_TR_NOOP("Double"))),
      m_reverse(check(QT_TR_NOOP("Reverse"))), m_mode(radios(QT_TR_NOOP("Format"))),
      m_signed(check(QT_TR_NOOP("Signed"))),
      m_operand(makeOperand(QT_TR_NOOP("Station No.:"), QT_TR_NOOP("Type:"), QT_TR_NOOP("Addr:"),
                            QT_TR_NOOP("Sub Addr:"))),
      m_grid(new CGridCtrl(2)), m_valueEditor(number(QT_TR_NOOP("Value"))),
      m_contentEditor(textEdit(QT_TR_NOOP("Content")))
{
    help::setHelpTopic(this, help::kDynamicTextPage);
    QGridLayout* g = CComponentPage::grid();
    addPosition(0);
    auto* style = new QHBoxLayout;
    style->addWidget(m_double);
    style->addWidget(m_reverse);
    style->addWidget(m_signed);
    g->addLayout(style, 1, 0, 1, 4);
    auto* mode = new QHBoxLayout;
    addFormat(m_mode, mode);
    g->addLayout(mode, 2, 0, 1, 4);
    addOperand(m_operand, 3, 0);

    auto* texts = new QGroupBox(tr("Display Text"));
    auto* box = new QVBoxLayout(texts);
    box->setContentsMargins(2, 2, 2, 2);
    box->addWidget(m_grid);
    g->addWidget(texts, 0, 4, 7, 1);
    g->setColumnStretch(4, 1);

    m_grid->SetColWidth(kValueColumn, 550, QStringLiteral("-32768")); // the widest value of 16 bits
    m_grid->SetColWidth(kContentColumn, 2350);
    m_grid->SetRowHeight(250);
    m_grid->SetRows(kGridRows);
    m_grid->SetTextMatrix(0, kValueColumn, tr("Value"));
    m_grid->SetTextMatrix(0, kContentColumn, tr("Content"));
    // Both columns and the scroll bar beside them, no more: the page area is narrow. What the value column
    // needs beyond its share comes off the content column, which takes the rest.
    QTableWidget* table = m_grid->table();
    table->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(m_grid->PixelsX(550 + 2350) + table->verticalScrollBar()->sizeHint().width() +
                            2 * table->frameWidth());
    for (QWidget* editor : {static_cast<QWidget*>(m_valueEditor), static_cast<QWidget*>(m_contentEditor)}) {
        editor->setParent(m_grid);
        editor->hide();
    }
    m_valueEditor->setMinimumWidth(0);
    m_valueEditor->setMaximumWidth(QWIDGETSIZE_MAX);
    connect(m_grid, &CGridCtrl::cellClicked, this, &CDynamicPage::editCell);
}

bool CDynamicPage::Handles(int typeCode) const
{
    return typeCode == kDynamicText;
}

void CDynamicPage::Bind()
{
    auto* c = static_cast<CDynamic*>(m_component);
    m_grid->HideEditor();
    m_double->Bind(&c->doubleSize);
    m_reverse->Bind(&c->reverse);
    m_mode->Bind(&c->format);
    m_signed->Bind(&c->isSigned);
    BindOperand(m_operand, WordOperand());
    if (namedVariables())
        c->DeriveVariable();
    m_shownMode = c->format;
    ApplyFormat(m_signed);
    const auto [low, high] = c->ValueRange(tables());
    m_valueEditor->Bind(&c->editValue, static_cast<double>(low), static_cast<double>(high), c->format == 0,
                        c->isSigned != 0);
    m_contentEditor->Bind(&c->editText, kContentLimit);
    fillGrid();
    BindPosition();
}

void CDynamicPage::bindValueRange(std::int64_t minimum, std::int64_t maximum)
{
    auto* c = static_cast<CDynamic*>(m_component);
    m_grid->HideEditor();
    m_valueEditor->Bind(&c->editValue, static_cast<double>(minimum), static_cast<double>(maximum),
                        c->format == 0, c->isSigned != 0);
    c->ReformatValues(c->format == 0 ? 0 : 1, maximum, minimum);
    fillGrid();
}

void CDynamicPage::fillGrid()
{
    auto* c = static_cast<CDynamic*>(m_component);
    for (int row = 1; row < kGridRows; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        const std::string value = i < c->valueTexts.size() ? c->valueTexts[i] : std::string();
        const std::string content = i < c->contents.size() ? c->contents[i] : std::string();
        m_grid->SetTextMatrix(row, kValueColumn, QString::fromStdString(value));
        m_grid->SetTextMatrix(row, kContentColumn, QString::fromStdString(gbkToUtf8(content)));
    }
}

void CDynamicPage::editCell(int row, int col)
{
    auto* c = static_cast<CDynamic*>(m_component);
    if (!c || row < 1 || row >= kGridRows)
        return;
    // A row without a value gets its value first.
    if (m_grid->TextMatrix(row, kValueColumn).isEmpty())
        col = kValueColumn;
    const auto i = static_cast<std::size_t>(row - 1);
    quietly([&] {
        if (col == kValueColumn) {
            m_contentEditor->hide();
            if (m_grid->TextMatrix(row, kValueColumn).isEmpty())
                m_valueEditor->setText(QString());
            else if (i < c->values.size())
                m_valueEditor->SetValue(c->values[i]);
            m_grid->PlaceEditor(m_valueEditor, row, col);
        } else {
            m_valueEditor->hide();
            c->editText = i < c->contents.size() ? c->contents[i] : std::string();
            m_contentEditor->Bind(&c->editText, kContentLimit);
            m_grid->PlaceEditor(m_contentEditor, row, col);
        }
    });
}

void CDynamicPage::commitCell(int column)
{
    auto* c = static_cast<CDynamic*>(m_component);
    const int row = m_grid->RowSel();
    const bool value = column == kValueColumn;
    const std::string text =
        c->CommitGridEdit(row, value ? CDynamic::CColumn::Value : CDynamic::CColumn::Content,
                          m_valueEditor->text().toStdString());
    m_grid->SetTextMatrix(row, column, QString::fromStdString(value ? text : gbkToUtf8(text)));
    if (value && text.empty())
        m_grid->SetTextMatrix(row, kContentColumn, QString());
    Refit(true);
}

void CDynamicPage::Rules(QObject* source)
{
    auto* c = static_cast<CDynamic*>(m_component);
    if (source == m_valueEditor)
        commitCell(kValueColumn);
    else if (source == m_contentEditor)
        commitCell(kContentColumn);
    if (source == m_mode && c->format != m_shownMode) {
        m_shownMode = c->format;
        ApplyFormat(m_signed);
        const auto [low, high] = c->ValueRange(tables()); // the type's range, whatever the base
        bindValueRange(low, high);
    }
    if (IsTypeChange(m_operand, source)) {
        if (source == m_operand.type)
            OperandTypeChanged(m_operand, WordOperand());
        if (namedVariables())
            c->DeriveVariable();
    }
    if (source == m_signed || source == m_operand.type) {
        const auto [low, high] = c->ValueRange(tables());
        bindValueRange(low, high);
    }
    if (source == m_double)
        Refit(true);
}

void CDynamicPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    CComponentPage::keyPressEvent(event);
}

} // namespace zl
