#pragma once
// The list of the project's windows on the left of the form: one row per window (" %d" and the
// description), following the editing document. Its highlighted row is always the current window's: a
// click asks the form to switch, and the keys never move the highlight on their own.
#include <QTableWidget>

namespace zl
{

class CEditorDocument;
class CProject;

class CWindowList : public QTableWidget
{
    Q_OBJECT
public:
    explicit CWindowList(CEditorDocument& document, QWidget* parent = nullptr);

    // One row per window of the project, the current one selected.
    void Rebuild();
    void SelectRow(int row);

signals:
    // A left click on a row, or on the empty space below them (row −1).
    void rowClicked(int row);
    // A right click: the window commands' context menu belongs here.
    void contextMenuWanted(const QPoint& globalPos);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString&) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetRow(int row);

    CEditorDocument& m_doc;
};

} // namespace zl
