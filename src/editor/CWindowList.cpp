#include "editor/CWindowList.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "editor/document/CEditorDocument.h"
#include "base/Gbk.h"

namespace zl
{
namespace
{

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CWindowList::CWindowList(CEditorDocument& document, QWidget* parent)
    : QTableWidget(0, 4, parent), m_doc(document)
{
    // Two further columns stand behind the shown ones; nothing is written into them, so they stay
    // hidden, and the description takes the list's remaining width without a horizontal scroll bar.
    setHorizontalHeaderLabels({tr("Window"), tr("Description"), tr("Window"), tr("Description")});
    setColumnWidth(0, 60);
    setColumnHidden(2, true);
    setColumnHidden(3, true);
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);

    connect(&m_doc, &CEditorDocument::projectReset, this, &CWindowList::Rebuild);
    connect(&m_doc, &CEditorDocument::windowAdded, this, [this](int row) {
        insertRow(row);
        SetRow(row);
    });
    connect(&m_doc, &CEditorDocument::windowRemoved, this, &QTableWidget::removeRow);
    connect(&m_doc, &CEditorDocument::windowChanged, this, &CWindowList::SetRow);
    connect(&m_doc, &CEditorDocument::currentWindowChanged, this, &CWindowList::SelectRow);
}

void CWindowList::Rebuild()
{
    setRowCount(0);
    setRowCount(static_cast<int>(m_doc.project().windowCount()));
    for (int i = 0; i < rowCount(); ++i)
        SetRow(i);
    SelectRow(m_doc.currentPosition());
}

void CWindowList::SetRow(int row)
{
    const CMainView* w = m_doc.project().WindowAt(std::size_t(row));
    if (!w || row >= rowCount())
        return;
    setItem(row, 0, cell(QStringLiteral(" %1").arg(w->number)));
    setItem(row, 1, cell(QString::fromStdString(gbkToUtf8(w->description))));
}

void CWindowList::SelectRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(row, 0));
}

QModelIndex CWindowList::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return currentIndex(); // keys do not move the highlight away from the current window
}

void CWindowList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit contextMenuWanted(event->globalPosition().toPoint() + QPoint(0, 1));
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void CWindowList::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QModelIndex at = indexAt(event->position().toPoint());
        emit rowClicked(at.isValid() ? at.row() : -1);
    }
}

void CWindowList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit contextMenuWanted(event->globalPosition().toPoint() + QPoint(0, 1));
    // A double click does nothing else.
}

} // namespace zl
