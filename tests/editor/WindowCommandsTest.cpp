// The window list and the New window, Copy window and Delete window commands with their messages.
#include <QLineEdit>
#include <QScrollBar>

#include "EditorTesting.h"
#include "editor/controls/CBoundControls.h"
#include "editor/CCommands.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CWindowDialogs.h"
#include "editor/CWindowList.h"
#include "editor/pages/CWindowPage.h"
#include "editor/document/CZL110Doc.h"

using namespace zl;
using namespace zl::test;

class WindowCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    CWindowList& list() const { return editor->view().windowList(); }
    QString numbers() const
    {
        QStringList rows;
        for (int r = 0; r < list().rowCount(); ++r)
            rows << list().item(r, 0)->text().trimmed();
        return rows.join(',');
    }
    int current() const { return editor->project().currentWindow; }
    void newWindow(int number, const QString& description = {}) { editor->newWindow(number, description); }
    void copyWindow(int target)
    {
        onNextDialog<CCopyWindowDialog>([target](CCopyWindowDialog& d) {
            d.targetEdit()->SetValue(target);
            d.accept();
        });
        editor->trigger(kCmdCopyWindow);
    }
    // Runs `command`, empties the dialog's number edit and presses Ok: the number the dialog then held,
    // and whether it stayed open.
    template <class D>
    std::pair<int, bool> okWithEmptiedNumber(CNumEdit* (D::*edit)() const, std::uint16_t (D::*number)() const,
                                             int command)
    {
        std::pair<int, bool> seen{-1, false};
        onNextDialog<D>([&](D& d) {
            QApplication::setActiveWindow(&d);
            (d.*edit)()->setFocus();
            (d.*edit)()->selectAll();
            QTest::keyClick((d.*edit)(), Qt::Key_Backspace);
            seen.first = (d.*number)();
            d.accept();
            seen.second = d.isVisible();
            d.reject();
        });
        editor->trigger(command);
        return seen;
    }
    void clickRow(int row)
    {
        const QRect cell = row < list().rowCount() ? list().visualItemRect(list().item(row, 0))
                                                   : QRect(5, list().viewport()->height() - 5, 1, 1);
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init()
    {
        editor = std::make_unique<Editor>();
        editor->newProject();
    }
    void cleanup() { editor.reset(); }

    // Without a project the window page takes no typing; the list shows only its two columns.
    void withoutAProjectNothingCanBeTyped()
    {
        editor = std::make_unique<Editor>();
        QVERIFY(!editor->view().windowPage().isEnabled());
        editor->newProject();
        QVERIFY(editor->view().windowPage().isEnabled());
        QVERIFY(list().isColumnHidden(2) && list().isColumnHidden(3));
        QVERIFY(!list().horizontalScrollBar()->isVisible());
    }

    void newWindowsAreInsertedInOrder()
    {
        QCOMPARE(numbers(), QStringLiteral("1"));
        QCOMPARE(list().item(0, 0)->text(), QStringLiteral(" 1"));
        newWindow(5);
        newWindow(3, QStringLiteral("Pumps"));
        newWindow(4);
        QCOMPARE(numbers(), QStringLiteral("1,3,4,5"));
        QCOMPARE(current(), 2);
        const CMainView& w = *editor->project().CurrentView();
        QCOMPARE(w.upJump, 3);
        QCOMPARE(w.downJump, 5);
        QCOMPARE(list().item(1, 1)->text(), QStringLiteral("Pumps"));
        QCOMPARE(editor->view().windowPage().title(), QStringLiteral("window4"));
        QVERIFY(editor->frame->document().IsModified());
    }

    void aTakenNumberIsRefusedAndTheDialogStaysOpen()
    {
        newWindow(2);
        clickRow(0);
        bool stayedOpen = false;
        int proposed = 0;
        onNextDialog<CNewWindowDialog>([&](CNewWindowDialog& d) {
            proposed = d.number();
            d.numberEdit()->SetValue(2);
            d.accept();
            stayedOpen = d.isVisible();
            d.reject();
        });
        editor->trigger(kCmdNewWindow);
        QCOMPARE(proposed, 3); // the first free number after the current window's
        QVERIFY(stayedOpen);
        QCOMPARE(editor->prompter.last(), "window exist: No.2 window exist");
        QCOMPARE(numbers(), QStringLiteral("1,2"));
    }

    void anEmptiedNumberMakesNoWindowZero()
    {
        // An emptied number edit (range from 1) keeps the number it had until the entry completes, and Ok
        // keeps the dialog open while it is empty.
        const auto emptiedNew =
            okWithEmptiedNumber(&CNewWindowDialog::numberEdit, &CNewWindowDialog::number, kCmdNewWindow);
        QVERIFY(emptiedNew.first != 0 && emptiedNew.second);
        const auto emptiedCopy =
            okWithEmptiedNumber(&CCopyWindowDialog::targetEdit, &CCopyWindowDialog::target, kCmdCopyWindow);
        QVERIFY(emptiedCopy.first != 0 && emptiedCopy.second);
        QCOMPARE(numbers(), QStringLiteral("1"));
    }

    void copyWindow()
    {
        newWindow(5, QStringLiteral("Five"));
        editor->project().CurrentView()->upJump = 77;
        // Into a new number before the source.
        copyWindow(2);
        QCOMPARE(numbers(), QStringLiteral("1,2,5"));
        QCOMPARE(current(), 1);
        QCOMPARE(list().item(1, 1)->text(), QStringLiteral("Five"));
        QCOMPARE(int(editor->project().CurrentView()->upJump), 1);

        // Onto an existing one, after the question; its jumps stay.
        clickRow(2);
        editor->prompter.okAnswers = {false, true};
        copyWindow(1);
        QCOMPARE(editor->prompter.last(), "The window exist: No. 1 window exist, do you want to replace it?");
        QCOMPARE(list().item(0, 1)->text(), QString());
        copyWindow(1);
        QCOMPARE(current(), 0);
        QCOMPARE(list().item(0, 1)->text(), QStringLiteral("Five"));
        QCOMPARE(int(editor->project().CurrentView()->downJump), 2);

        copyWindow(1);
        QCOMPARE(editor->prompter.last(),
                 "Window number exist!: The number is same with the current number!!!");
        QCOMPARE(numbers(), QStringLiteral("1,2,5"));
    }

    void deleteWindow()
    {
        newWindow(2);
        newWindow(3);
        editor->prompter.okAnswers = {false};
        editor->trigger(kCmdDeleteWindow);
        QCOMPARE(editor->prompter.last(), "Delete current window: Do you want to delete the No. 3 window?");
        QCOMPARE(numbers(), QStringLiteral("1,2,3"));
        editor->trigger(kCmdDeleteWindow); // the last one: the new last becomes current
        QCOMPARE(numbers(), QStringLiteral("1,2"));
        QCOMPARE(current(), 1);
        clickRow(0);
        editor->trigger(kCmdDeleteWindow); // another: the next one moves up into its place
        QCOMPARE(numbers(), QStringLiteral("2"));
        QCOMPARE(current(), 0);
        editor->trigger(kCmdDeleteWindow); // the only one: a fresh window 1
        QCOMPARE(numbers(), QStringLiteral("1"));
        QCOMPARE(editor->project().CurrentView()->componentCount(), 0u);
    }

    void theHighlightedRowIsAlwaysTheCurrentWindow()
    {
        newWindow(2);
        newWindow(3);
        const auto highlighted = [this] {
            const auto rows = list().selectionModel()->selectedRows();
            return rows.size() == 1 && rows[0].row() == current() && list().currentRow() == current();
        };
        clickRow(0);
        QCOMPARE(current(), 0);
        QCOMPARE(editor->view().windowPage().title(), QStringLiteral("window1"));
        // With no component selected, Up, Down, Home and End step through the windows; other keys
        // that would move a list's highlight leave it where the current window is.
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Down, 1}, {Qt::Key_End, 2},     {Qt::Key_PageUp, 2},
                                                {Qt::Key_Up, 1},   {Qt::Key_Home, 0},    {Qt::Key_Up, 0},
                                                {Qt::Key_3, 0},    {Qt::Key_PageDown, 0}};
        for (const auto& [key, expected] : keys) {
            QTest::keyClick(&list(), key);
            QCOMPARE(current(), expected);
            QVERIFY(highlighted());
        }
        clickRow(99); // below the rows
        QCOMPARE(current(), 0);
        QVERIFY(highlighted());
        clickRow(2);
        QCOMPARE(current(), 2);
        QVERIFY(highlighted());
        // So the Delete key deletes the window the list shows highlighted.
        QTest::keyClick(&list(), Qt::Key_Up);
        QTest::keyClick(&list(), Qt::Key_Delete);
        QCOMPARE(numbers(), QStringLiteral("1,3"));
        QVERIFY(highlighted());
    }

    void rightClickOnTheListOpensTheWindowMenu()
    {
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                for (QAction* a : popup->actions())
                    items << a->text();
                popup->close();
            }
        });
        QTest::mousePress(list().viewport(), Qt::RightButton, {}, {20, 10});
        QCOMPARE(items,
                 (QStringList{QStringLiteral("Delete window(&D)"), QStringLiteral("Copy window(&C)")}));
    }

    void descriptionTypingFollowsInTheList()
    {
        CBoundTextEdit* description = editor->view().windowPage().descriptionEdit();
        description->setFocus();
        QTest::keyClicks(description, "Main");
        QCOMPARE(list().item(0, 1)->text(), QStringLiteral("Main"));
        QCOMPARE(editor->project().CurrentView()->description, "Main");
        CNumEdit* up = editor->view().windowPage().upEdit();
        up->setFocus();
        up->selectAll();
        QTest::keyClicks(up, "42");
        QCOMPARE(int(editor->project().CurrentView()->upJump), 42);
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
