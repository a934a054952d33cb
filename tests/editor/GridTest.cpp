// The grid: header row, cell texts, clicks, an editor laid over the clicked cell and scrolling.
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "editor/controls/CGridCtrl.h"

using namespace zl;

class GridTest : public QObject
{
    Q_OBJECT

    QWidget window;
    CGridCtrl* grid = nullptr;

    // Presses the mouse on a data cell as a user would.
    void press(int row, int col)
    {
        QTableWidget* t = grid->table();
        const QRect r = t->visualRect(t->model()->index(row - 1, col));
        QTest::mousePress(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void init()
    {
        delete grid;
        grid = new CGridCtrl(2, &window);
        grid->setGeometry(0, 0, 260, 160);
        grid->SetColWidth(0, 550);
        grid->SetColWidth(1, 2350);
        grid->SetRowHeight(250);
        grid->SetRows(33);
        grid->SetTextMatrix(0, 0, "Value");
        grid->SetTextMatrix(0, 1, "Content");
        window.resize(300, 200);
        window.show();
        grid->show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void cellsAndHeader()
    {
        QCOMPARE(grid->Rows(), 33);
        QCOMPARE(grid->Cols(), 2);
        QCOMPARE(grid->TextMatrix(0, 1), QString("Content"));
        grid->SetTextMatrix(32, 1, "last");
        grid->SetTextMatrix(1, 0, "7");
        QCOMPARE(grid->TextMatrix(32, 1), QString("last"));
        QCOMPARE(grid->TextMatrix(1, 0), QString("7"));
        QCOMPARE(grid->TextMatrix(2, 0), QString());
        // Cells outside the grid read empty and writing them changes nothing.
        grid->SetTextMatrix(33, 0, "x");
        grid->SetTextMatrix(1, 2, "x");
        grid->SetTextMatrix(-1, 0, "x");
        QCOMPARE(grid->TextMatrix(33, 0), QString());
        QCOMPARE(grid->TextMatrix(1, -1), QString());
        QCOMPARE(grid->Rows(), 33);
        // Rows that come back after a shrink are empty; the header stays.
        grid->SetRows(2);
        grid->SetRows(33);
        QCOMPARE(grid->TextMatrix(32, 1), QString());
        QCOMPARE(grid->TextMatrix(1, 0), QString("7"));
        grid->SetRows(0);
        QCOMPARE(grid->Rows(), 1);
        QCOMPARE(grid->TextMatrix(0, 0), QString("Value"));
    }

    void sizesInTwips()
    {
        const int dpi = grid->logicalDpiX();
        QCOMPARE(grid->table()->columnWidth(1), 2350 * dpi / 1440);
        QCOMPARE(grid->CellRect(1, 0).height(), 250 * grid->logicalDpiY() / 1440);
        QCOMPARE(grid->CellRect(0, 1).width(), 2350 * dpi / 1440);
        QVERIFY(grid->CellRect(0, 0).bottom() < grid->CellRect(1, 0).top());
        QVERIFY(grid->CellRect(40, 0).isNull());
    }

    void clickPlacesEditorOverTheCell()
    {
        QSignalSpy clicks(grid, &CGridCtrl::cellClicked);
        auto* editor = new QLineEdit;
        connect(grid, &CGridCtrl::cellClicked, this, [this, editor](int row, int col) {
            editor->setText(grid->TextMatrix(row, col));
            grid->PlaceEditor(editor, row, col);
        });
        grid->SetTextMatrix(3, 1, "three");
        press(3, 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 3);
        QCOMPARE(clicks.at(0).at(1).toInt(), 1);
        QCOMPARE(grid->RowSel(), 3);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(editor->geometry(), grid->CellRect(3, 1));
        QVERIFY(editor->isVisible());
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->selectedText(), QString("three"));
        // Typing goes into the caller's editor, not into the grid.
        QTest::keyClicks(editor, "x");
        QCOMPARE(editor->text(), QString("x"));
        QCOMPARE(grid->TextMatrix(3, 1), QString("three"));
        QCOMPARE(grid->placedEditor(), editor);
    }

    void scrollingHidesTheEditor()
    {
        auto* editor = new QLineEdit;
        grid->PlaceEditor(editor, 2, 0);
        QVERIFY(editor->isVisible());
        QSignalSpy scrolls(grid, &CGridCtrl::scrolled);
        grid->ScrollToRow(20);
        QVERIFY(scrolls.count() >= 1);
        QVERIFY(!editor->isVisible());
        QVERIFY(grid->table()->hasFocus());
        // A row scrolled out of view has no rectangle; a row in view has one.
        QVERIFY(grid->CellRect(1, 0).isNull());
        QVERIFY(!grid->CellRect(20, 0).isNull());
        grid->HideEditor(); // hiding twice is harmless
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
