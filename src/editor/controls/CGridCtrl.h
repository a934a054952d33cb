#pragma once
// A two-dimensional text grid whose cells are edited by an editor of the caller laid over the clicked cell.
//
// Rows and columns are counted as the panel tools always counted them: row 0 is the fixed header row (its
// cells hold the column titles and stay in view while the rows scroll), rows 1 … Rows() − 1 are the data
// rows. The grid never edits a cell by itself; a caller does it like this:
//
//     CGridCtrl grid(2);
//     grid.SetColWidth(0, 550);                       // widths and heights in twips (1/1440 inch)
//     grid.SetRowHeight(250);
//     grid.SetRows(33);                               // header + 32 data rows, all cells empty
//     grid.SetTextMatrix(0, 0, "Value");              // header titles
//     connect(&grid, &CGridCtrl::cellClicked, [&](int row, int col) {
//         editor->setText(grid.TextMatrix(row, col));
//         grid.PlaceEditor(editor, row, col);         // over the cell, text selected, focused
//     });
//     // as the editor changes: grid.SetTextMatrix(grid.RowSel(), col, newText);
//
// Scrolling the rows hides the placed editor (it would cover another cell) and emits `scrolled`, so a
// caller can end the edit. `CellRect` gives the cell's rectangle in the grid's own pixels for callers that
// place or check something themselves.
#include <QWidget>

class QTableWidget;

namespace zl
{

class CGridCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CGridCtrl(int columns, QWidget* parent = nullptr);

    // Number of rows, the header row included (at least 1). New rows are empty.
    int Rows() const;
    void SetRows(int rows);
    int Cols() const;

    // The text of one cell; row 0 is the header. Out-of-range cells read as empty and are not written.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    // Sizes in twips, turned into pixels with the screen's dots per inch. A column is never narrower than
    // `widest`, the longest text it is meant to hold, needs in the grid's font.
    void SetColWidth(int col, int twips, const QString& widest = {});
    void SetRowHeight(int twips);
    // Twips in the screen's pixels across.
    int PixelsX(int twips) const;

    // The row and column last clicked (RowSel: the clicked row; 0 before any click).
    int RowSel() const { return m_row; }
    int Col() const { return m_col; }

    // The cell's rectangle in the grid's pixels; empty for a cell outside the grid or scrolled out of view.
    QRect CellRect(int row, int col) const;
    // Lays `editor` over the cell (it becomes the grid's child), selects its text when it is a line edit,
    // shows it and gives it the focus. The row and column become RowSel/Col.
    void PlaceEditor(QWidget* editor, int row, int col);
    // Hides the placed editor, if any (the grid takes the focus when the editor had it).
    void HideEditor();
    QWidget* placedEditor() const { return m_editor; }
    // Scrolls so that data row `row` is the first one shown (for tests and callers that follow a cursor).
    void ScrollToRow(int row);

    QTableWidget* table() const { return m_table; }

signals:
    // A data cell was pressed (row ≥ 1).
    void cellClicked(int row, int col);
    // The rows scrolled; the placed editor has been hidden.
    void scrolled();

private:
    QTableWidget* m_table;
    QWidget* m_editor = nullptr;
    int m_row = 0;
    int m_col = 0;
};

// Twips (1/1440 inch) in pixels of `widget`'s screen, horizontally or vertically.
int TwipsToPixelsX(const QWidget* widget, int twips);
int TwipsToPixelsY(const QWidget* widget, int twips);

} // namespace zl
