#pragma once
// The list of the project check, docked to the frame: the image size as a bar "N of 32,768 bytes", then
// one row per problem with its window, component and text. It stays open while the user fixes the
// project; the frame rechecks it a moment after each change and on Refresh. A double-click shows the
// window and selects the component.
#include <QDockWidget>

#include <cstddef>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace zl
{

struct CCheckReport;

class CCheckView : public QDockWidget
{
    Q_OBJECT
public:
    // The row data of a finding without a component.
    static constexpr qulonglong kNoComponent = ~0ull;
    // How long the project must stay unchanged before a recheck: typing is not checked key by key.
    static constexpr int kRecheckDelayMs = 300;

    explicit CCheckView(QWidget* parent = nullptr);

    // Fills the list from `report`.
    void ShowReport(const CCheckReport& report);
    // No project to check: an empty list that says so.
    void ShowNoProject();
    // The project changed: a recheck is wanted once it has been left alone for a moment, if the view is
    // open at all.
    void ScheduleRecheck();

    QTreeWidget* list() const { return m_list; }
    QProgressBar* sizeBar() const { return m_size; }
    QLabel* summary() const { return m_summary; }
    QPushButton* refreshButton() const { return m_refresh; }
    bool recheckPending() const;

signals:
    // A row was double-clicked: its window and, unless kNoComponent, the component's list position.
    void componentWanted(quint16 window, qulonglong position);
    // Refresh was pressed, or a scheduled recheck is due.
    void recheckWanted();

private:
    QProgressBar* m_size;
    QLabel* m_summary;
    QPushButton* m_refresh;
    QTreeWidget* m_list;
    QTimer* m_recheck;
};

} // namespace zl
