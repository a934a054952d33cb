#pragma once
// The list of the project check: the image size as a bar "N of 32,768 bytes", then one row per problem
// with its window, component and text. A double-click shows the window and selects the component.
// The dialog is not modal, so the user can fix the project while it is open.
#include <QDialog>

#include <cstddef>
#include <cstdint>

class QLabel;
class QProgressBar;
class QTreeWidget;

namespace zl
{

struct CCheckReport;

class CCheckDialog : public QDialog
{
    Q_OBJECT
public:
    // The row data of a finding without a component.
    static constexpr qulonglong kNoComponent = ~0ull;

    explicit CCheckDialog(QWidget* parent = nullptr);

    // Fills the list from `report` and shows the dialog.
    void ShowReport(const CCheckReport& report);

    QTreeWidget* list() const { return m_list; }
    QProgressBar* sizeBar() const { return m_size; }
    QLabel* summary() const { return m_summary; }

signals:
    // A row was double-clicked: its window and, unless kNoComponent, the component's list position.
    void componentWanted(quint16 window, qulonglong position);

private:
    QProgressBar* m_size;
    QLabel* m_summary;
    QTreeWidget* m_list;
};

} // namespace zl
