#pragma once
// The list of the project's windows on the left of the form: one row per window (" %d" and the
// description). Only a click switches the current window; moving the selection with the keyboard does not.
#include <QTableWidget>

namespace zl
{

class CProject;

class CWindowList : public QTableWidget
{
    Q_OBJECT
public:
    explicit CWindowList(QWidget* parent = nullptr);

    // One row per window of the project, the current one selected.
    void Rebuild(const CProject& project);
    void SetRow(int row, unsigned number, const std::string& gbkDescription);
    void SetDescription(int row, const std::string& gbkDescription);
    void SelectRow(int row);

signals:
    // A left click on a row, or on the empty space below them (row −1).
    void rowClicked(int row);
    // A right click: the window commands' context menu belongs here.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zl
