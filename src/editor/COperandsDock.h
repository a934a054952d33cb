#pragma once
// The operands of the project, docked to the frame: one row per use (window, component, field, access,
// operand, station, words, problems and conflicts), sortable by any column and filtered by text, type
// and window. A row with a problem or a conflict is marked. Choosing a row asks for its component to be
// shown selected; the list itself never changes the project.
#include <QAbstractTableModel>
#include <QDockWidget>
#include <QSortFilterProxyModel>

#include <vector>

#include "operands/COperandIndex.h"

class QComboBox;
class QLineEdit;
class QTableView;

namespace zl
{

class CProject;

class COperandTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { kWindow, kComponent, kField, kAccess, kOperand, kStation, kWords, kProblems, kColumns };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;
    void setIndex(COperandIndex index);
    const COperandIndex& operandIndex() const { return m_index; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    COperandIndex m_index;
    std::vector<QString> m_reasons; // per use: its problems and conflicts, one per line
};

// Rows whose texts hold the filter text, of the chosen type and window (empty: any).
class COperandFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setFilters(const QString& text, const QString& type, const QString& window);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString m_text, m_type, m_window;
};

class COperandsDock : public QDockWidget
{
    Q_OBJECT
public:
    explicit COperandsDock(QWidget* parent = nullptr);

    // Lists the operands of `project` again, keeping the filters.
    void Refresh(const CProject& project);
    // Marks the first row of the component at `position` in window `window` as the current row, quietly.
    void ShowComponent(quint16 window, qulonglong position);

    COperandTableModel& model() const { return *m_model; }
    COperandFilter& filter() const { return *m_filter; }
    QTableView* table() const { return m_table; }
    QLineEdit* textFilter() const { return m_text; }
    QComboBox* typeFilter() const { return m_type; }
    QComboBox* windowFilter() const { return m_window; }

signals:
    // A row was chosen: the window number and the component's list position.
    void componentWanted(quint16 window, qulonglong position);

private:
    void applyFilters();
    static void refill(QComboBox* box, const QStringList& items);

    COperandTableModel* m_model;
    COperandFilter* m_filter;
    QLineEdit* m_text;
    QComboBox* m_type;
    QComboBox* m_window;
    QTableView* m_table;
};

} // namespace zl
