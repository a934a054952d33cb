#include "editor/CWindowList.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "model/CProject.h"
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

CWindowList::CWindowList(QWidget* parent) : QTableWidget(0, 4, parent)
{
    // Two further columns stand behind the English ones; nothing is written into them.
    setHorizontalHeaderLabels({QStringLiteral("Window"), QStringLiteral("Description"),
                               QStringLiteral("画面"), QStringLiteral("描述")});
    const int widths[] = {60, 200, 40, 200};
    for (int i = 0; i < 4; ++i)
        setColumnWidth(i, widths[i]);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
}

void CWindowList::Rebuild(const CProject& project)
{
    setRowCount(0);
    setRowCount(static_cast<int>(project.windowCount()));
    for (std::size_t i = 0; i < project.windowCount(); ++i)
        SetRow(static_cast<int>(i), project.WindowAt(i)->number, project.WindowAt(i)->description);
    if (project.windowCount() > 0)
        SelectRow(project.currentWindow);
}

void CWindowList::SetRow(int row, unsigned number, const std::string& gbkDescription)
{
    setItem(row, 0, cell(QStringLiteral(" %1").arg(number)));
    SetDescription(row, gbkDescription);
}

void CWindowList::SetDescription(int row, const std::string& gbkDescription)
{
    setItem(row, 1, cell(QString::fromStdString(gbkToUtf8(gbkDescription))));
}

void CWindowList::SelectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(row, 0));
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
