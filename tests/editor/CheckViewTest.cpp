// The check view: docked below the form, it follows the project (edits, undo, New) a moment after each
// change and on Refresh, closes and opens again, and a double-click only selects.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>

#include "EditorTesting.h"
#include "components/CRegister.h"
#include "editor/CCheckView.h"
#include "editor/CCommands.h"

using namespace zl;
using namespace zl::test;

class CheckViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;

    CCheckView& check() const { return e->frame->checkView(); }
    int rows() const { return check().list()->topLevelItemCount(); }
    // A register whose limits the compile must repair, placed in the current window as one step.
    void addFaultyRegister(int panelY)
    {
        auto reg = std::make_unique<CRegister>(e->project().protocol(), CPoint{0, 0});
        reg->maxInput = 1;
        reg->minInput = 2;
        e->doc().placeComponent(std::move(reg), CPoint{0, panelToCanvas(panelY)});
        e->doc().clearSelection();
    }

private slots:
    void init()
    {
        e = std::make_unique<Editor>();
        e->newProject();
    }
    void cleanup() { e.reset(); }

    void opensDockedBelowTheFormWhichKeepsItsSize()
    {
        QVERIFY(check().isHidden());
        const QSize form = e->view().size();
        e->trigger(kCmdCheckProject);
        QVERIFY(check().isVisible());
        QVERIFY(!check().isFloating());
        QCOMPARE(e->frame->dockWidgetArea(&check()), Qt::BottomDockWidgetArea);
        QCOMPARE(e->view().size(), form);
        QCOMPARE(rows(), 0);
        QCOMPARE(check().summary()->text(), QStringLiteral("No problems found."));

        check().close();
        QVERIFY(check().isHidden());
        QCOMPARE(e->frame->size(), CMainFrame::kSize);
        e->trigger(kCmdCheckProject);
        QVERIFY(check().isVisible());
        QCOMPARE(e->view().size(), form);
    }

    void followsEditsUndoAndNewProjectAfterAPause()
    {
        e->trigger(kCmdCheckProject);
        addFaultyRegister(0);
        QVERIFY(check().recheckPending());
        QCOMPARE(rows(), 0); // not key by key
        addFaultyRegister(16);
        QTRY_COMPARE(rows(), 2);
        QVERIFY(!check().recheckPending());

        e->trigger(kCmdUndo);
        QTRY_COMPARE(rows(), 1);

        e->prompter.yesNoAnswers = {CPrompter::Answer::No}; // do not save
        e->newProject();
        QTRY_COMPARE(rows(), 0);
    }

    void refreshRechecksAtOnce()
    {
        e->trigger(kCmdCheckProject);
        // A change no signal announces (as a download's own repair might make): only Refresh shows it.
        auto reg = std::make_unique<CRegister>(e->project().protocol(), CPoint{0, 0});
        reg->maxInput = 1;
        reg->minInput = 2;
        e->project().CurrentView()->AppendComponent(std::move(reg));
        QCOMPARE(rows(), 0);
        QTest::mouseClick(check().refreshButton(), Qt::LeftButton);
        QCOMPARE(rows(), 1);
    }

    void aClosedViewIsNotRechecked()
    {
        e->trigger(kCmdCheckProject);
        check().close();
        addFaultyRegister(0);
        QVERIFY(!check().recheckPending());
        QTest::qWait(CCheckView::kRecheckDelayMs + 50);
        QCOMPARE(rows(), 0);
        e->trigger(kCmdCheckProject); // opens with a fresh check
        QCOMPARE(rows(), 1);
    }

    void doubleClickSelectsWithoutAnEdit()
    {
        addFaultyRegister(0);
        e->place(kCmdLed, QPoint(300, 300));
        e->doc().clearSelection();
        e->trigger(kCmdCheckProject);
        QCOMPARE(rows(), 1);
        const int steps = e->doc().undoStack().count();
        const int index = e->doc().undoStack().index();
        QTreeWidgetItem* row = check().list()->topLevelItem(0);
        QCOMPARE(row->data(0, Qt::UserRole + 1).toULongLong(), 1ull);
        emit check().list()->itemDoubleClicked(row, 0);
        QVERIFY(e->doc().hasSelection());
        QCOMPARE(int(e->doc().selectedComponent()->typeCode), int(kRegister));
        QCOMPARE(e->doc().undoStack().count(), steps);
        QCOMPARE(e->doc().undoStack().index(), index);
        QCOMPARE(check().list()->topLevelItem(0)->data(0, Qt::UserRole + 1).toULongLong(), 0ull);
    }
};

QTEST_MAIN(CheckViewTest)
#include "CheckViewTest.moc"
