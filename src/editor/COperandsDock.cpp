#include "editor/COperandsDock.h"

#include <QBrush>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

#include "base/ComponentKind.h"
#include "base/Gbk.h"
#include "model/CProject.h"
#include "qt/CMessages.h"

namespace zl
{
namespace
{

QString utf8(const std::string& s) { return QString::fromStdString(s); }

QString windowText(const COperandUse& u)
{
    if (u.windowPosition < 0)
        return {};
    const QString name = utf8(gbkToUtf8(u.windowName));
    return name.isEmpty() ? QString::number(u.windowNumber) : QStringLiteral("%1 %2").arg(u.windowNumber).arg(name);
}

QString componentText(const COperandUse& u)
{
    if (u.field == COperandField::kAlarmCoil)
        return COperandTableModel::tr("Alarm list");
    if (u.field == COperandField::kControlBlock)
        return COperandTableModel::tr("Panel settings");
    return COperandTableModel::tr("%1 %2 at (%3, %4)")
        .arg(componentKindText(u.componentType))
        .arg(u.componentPosition + 1)
        .arg(u.x)
        .arg(u.y);
}

} // namespace

void COperandTableModel::setIndex(COperandIndex index)
{
    beginResetModel();
    m_index = std::move(index);
    m_reasons.assign(m_index.uses.size(), QString());
    auto add = [this](std::size_t use, const std::string& reason) {
        QString& r = m_reasons[use];
        r += (r.isEmpty() ? QString() : QStringLiteral("\n")) + utf8(translateMessage(reason));
    };
    for (std::size_t i = 0; i < m_index.uses.size(); ++i)
        for (const std::string& problem : m_index.uses[i].problems)
            add(i, problem);
    for (const COperandConflict& c : m_index.conflicts)
        for (std::size_t use : c.uses)
            add(use, c.reason);
    endResetModel();
}

int COperandTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_index.uses.size());
}

int COperandTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant COperandTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const COperandUse& u = m_index.uses[row];
    if (role == Qt::BackgroundRole)
        return m_index.marked[row] ? QBrush(QColor(255, 220, 200)) : QVariant();
    if (role == Qt::ToolTipRole)
        return m_reasons[row].isEmpty() ? QVariant() : QVariant(m_reasons[row]);
    if (role == kSortRole) {
        switch (index.column()) {
        case kWindow:
            return u.windowPosition < 0 ? 0x10000 : int{u.windowNumber};
        case kComponent:
            return u.componentPosition;
        case kOperand: // by area, then address
            return QStringLiteral("%1 %2").arg(utf8(u.typeName)).arg(u.address, 5, 10, QLatin1Char('0'));
        case kStation:
            return int{u.station};
        case kWords:
            return int{u.wordCount};
        default:
            break;
        }
    }
    if (role != Qt::DisplayRole && role != kSortRole)
        return {};
    switch (index.column()) {
    case kWindow:
        return windowText(u);
    case kComponent:
        return componentText(u);
    case kField:
        return operandFieldText(u.field);
    case kAccess:
        return accessText(u.access);
    case kOperand:
        return utf8(u.text);
    case kStation:
        return int{u.station};
    case kWords:
        return int{u.wordCount};
    case kProblems:
        return QString(m_reasons[row]).replace(QLatin1Char('\n'), QStringLiteral("; "));
    default:
        return {};
    }
}

QVariant COperandTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString names[] = {tr("Window"), tr("Component"), tr("Field"),    tr("Access"),
                             tr("Operand"), tr("Station"),  tr("Words"),    tr("Problems")};
    return section >= 0 && section < kColumns ? names[section] : QVariant();
}

void COperandFilter::setFilters(const QString& text, const QString& type, const QString& window)
{
    m_text = text;
    m_type = type;
    m_window = window;
    invalidateFilter();
}

bool COperandFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    const auto* m = static_cast<const COperandTableModel*>(sourceModel());
    const COperandUse& u = m->operandIndex().uses[static_cast<std::size_t>(row)];
    if (!m_type.isEmpty() && utf8(u.typeName) != m_type)
        return false;
    if (!m_window.isEmpty() && windowText(u) != m_window)
        return false;
    if (m_text.isEmpty())
        return true;
    for (int column = 0; column < COperandTableModel::kColumns; ++column)
        if (m->data(m->index(row, column), Qt::DisplayRole).toString().contains(m_text, Qt::CaseInsensitive))
            return true;
    return false;
}

COperandsDock::COperandsDock(QWidget* parent)
    : QDockWidget(tr("Operands"), parent), m_model(new COperandTableModel(this)), m_filter(new COperandFilter(this)),
      m_text(new QLineEdit), m_type(new QComboBox), m_window(new QComboBox), m_table(new QTableView)
{
    setObjectName(QStringLiteral("operandsDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    m_filter->setSourceModel(m_model);
    m_filter->setSortRole(COperandTableModel::kSortRole);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    auto* filters = new QHBoxLayout;
    m_text->setPlaceholderText(tr("Filter"));
    m_text->setClearButtonEnabled(true);
    filters->addWidget(m_text, 1);
    filters->addWidget(new QLabel(tr("Type:")));
    filters->addWidget(m_type);
    filters->addWidget(new QLabel(tr("Window:")));
    filters->addWidget(m_window);
    layout->addLayout(filters);
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(COperandTableModel::kWindow, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);
    setWidget(content);

    connect(m_text, &QLineEdit::textChanged, this, &COperandsDock::applyFilters);
    connect(m_type, &QComboBox::currentTextChanged, this, &COperandsDock::applyFilters);
    connect(m_window, &QComboBox::currentTextChanged, this, &COperandsDock::applyFilters);
    // A row the user picks (a click, or Enter on it) shows its component.
    const auto picked = [this](const QModelIndex& index) {
        const COperandUse& u = m_model->operandIndex().uses[static_cast<std::size_t>(m_filter->mapToSource(index).row())];
        if (u.componentPosition >= 0)
            emit componentWanted(u.windowNumber, static_cast<qulonglong>(u.componentPosition));
    };
    connect(m_table, &QTableView::clicked, this, picked);
    connect(m_table, &QTableView::activated, this, picked);
}

void COperandsDock::ShowComponent(quint16 window, qulonglong position)
{
    const auto& uses = m_model->operandIndex().uses;
    for (std::size_t i = 0; i < uses.size(); ++i) {
        if (uses[i].windowPosition < 0 || uses[i].windowNumber != window ||
            uses[i].componentPosition != static_cast<int>(position))
            continue;
        const QModelIndex row = m_filter->mapFromSource(m_model->index(static_cast<int>(i), 0));
        if (row.isValid())
            m_table->setCurrentIndex(row);
        return;
    }
}

void COperandsDock::refill(QComboBox* box, const QStringList& items)
{
    const QString current = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(QString()); // any
    box->addItems(items);
    box->setCurrentIndex(std::max(0, box->findText(current)));
}

void COperandsDock::Refresh(const CProject& project)
{
    COperandIndex index = indexOperands(project);
    std::set<std::string> types;
    QStringList windows;
    for (const COperandUse& u : index.uses) {
        types.insert(u.typeName);
        if (u.windowPosition >= 0 && (windows.isEmpty() || windows.back() != windowText(u)))
            windows << windowText(u);
    }
    QStringList typeNames;
    for (const std::string& t : types)
        typeNames << utf8(t);
    refill(m_type, typeNames);
    refill(m_window, windows);
    m_model->setIndex(std::move(index));
    applyFilters();
}

void COperandsDock::applyFilters()
{
    m_filter->setFilters(m_text->text(), m_type->currentText(), m_window->currentText());
}

} // namespace zl
