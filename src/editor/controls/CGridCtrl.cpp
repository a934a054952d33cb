#include "editor/controls/CGridCtrl.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zl
{
namespace
{

constexpr int kTwipsPerInch = 1440;
constexpr Qt::Alignment kCellAlignment = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

int TwipsToPixelsX(const QWidget* widget, int twips)
{
    return twips * widget->logicalDpiX() / kTwipsPerInch;
}

int TwipsToPixelsY(const QWidget* widget, int twips)
{
    return twips * widget->logicalDpiY() / kTwipsPerInch;
}

CGridCtrl::CGridCtrl(int columns, QWidget* parent) : QWidget(parent), m_table(new QTableWidget(0, columns))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(kCellAlignment);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < columns; ++c)
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem);

    connect(m_table, &QTableWidget::cellPressed, this, [this](int row, int col) {
        m_row = row + 1;
        m_col = col;
        emit cellClicked(m_row, m_col);
    });
    for (QScrollBar* bar : {m_table->verticalScrollBar(), m_table->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            HideEditor();
            emit scrolled();
        });
}

int CGridCtrl::Rows() const
{
    return m_table->rowCount() + 1;
}

void CGridCtrl::SetRows(int rows)
{
    const int old = m_table->rowCount();
    m_table->setRowCount(std::max(rows, 1) - 1);
    for (int r = old; r < m_table->rowCount(); ++r)
        for (int c = 0; c < m_table->columnCount(); ++c)
            if (QTableWidgetItem* item = m_table->item(r, c))
                item->setText(QString());
}

int CGridCtrl::Cols() const
{
    return m_table->columnCount();
}

QString CGridCtrl::TextMatrix(int row, int col) const
{
    if (col < 0 || col >= Cols() || row < 0 || row >= Rows())
        return {};
    const QTableWidgetItem* item =
        row == 0 ? m_table->horizontalHeaderItem(col) : m_table->item(row - 1, col);
    return item ? item->text() : QString();
}

void CGridCtrl::SetTextMatrix(int row, int col, const QString& text)
{
    if (col < 0 || col >= Cols() || row < 0 || row >= Rows())
        return;
    if (row == 0) {
        m_table->horizontalHeaderItem(col)->setText(text);
        return;
    }
    QTableWidgetItem* item = m_table->item(row - 1, col);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(kCellAlignment);
        m_table->setItem(row - 1, col, item);
    }
    item->setText(text);
}

void CGridCtrl::SetColWidth(int col, int twips, const QString& widest)
{
    // A cell's text keeps the focus frame's margin and one pixel on either side, and the grid line.
    const int margin = m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1;
    const int needed =
        widest.isEmpty() ? 0 : m_table->fontMetrics().horizontalAdvance(widest) + 2 * margin + 1;
    m_table->setColumnWidth(col, std::max(TwipsToPixelsX(this, twips), needed));
}

int CGridCtrl::PixelsX(int twips) const
{
    return TwipsToPixelsX(this, twips);
}

void CGridCtrl::SetRowHeight(int twips)
{
    const int pixels = TwipsToPixelsY(this, twips);
    m_table->verticalHeader()->setMinimumSectionSize(1);
    m_table->verticalHeader()->setDefaultSectionSize(pixels);
    m_table->horizontalHeader()->setFixedHeight(pixels);
}

QRect CGridCtrl::CellRect(int row, int col) const
{
    if (col < 0 || col >= Cols() || row < 0 || row >= Rows())
        return {};
    if (row == 0) {
        const QHeaderView* header = m_table->horizontalHeader();
        const QRect r(header->sectionViewportPosition(col), 0, header->sectionSize(col), header->height());
        return r.translated(header->mapTo(this, QPoint(0, 0)));
    }
    // The whole cell, its grid line included, as the rows and columns measure it.
    const QRect r(m_table->columnViewportPosition(col), m_table->rowViewportPosition(row - 1),
                  m_table->columnWidth(col), m_table->rowHeight(row - 1));
    if (!m_table->viewport()->rect().intersects(r))
        return {};
    return r.translated(m_table->viewport()->mapTo(this, QPoint(0, 0)));
}

void CGridCtrl::PlaceEditor(QWidget* editor, int row, int col)
{
    if (m_editor && m_editor != editor)
        m_editor->hide();
    m_editor = editor;
    m_row = row;
    m_col = col;
    if (editor->parentWidget() != this)
        editor->setParent(this);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setFrame(false); // the cell's own lines frame it
        line->selectAll();
    }
    editor->setGeometry(CellRect(row, col));
    editor->show();
    editor->raise();
    editor->setFocus();
}

void CGridCtrl::HideEditor()
{
    if (!m_editor || !m_editor->isVisible())
        return;
    const bool hadFocus = m_editor->hasFocus();
    m_editor->hide();
    if (hadFocus)
        m_table->setFocus();
}

void CGridCtrl::ScrollToRow(int row)
{
    if (row >= 1 && row < Rows())
        m_table->scrollTo(m_table->model()->index(row - 1, 0), QAbstractItemView::PositionAtTop);
}

} // namespace zl
