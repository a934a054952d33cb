// The keyboard on the form: Escape, arrows moving the selected component (one undo step per key-repeat
// burst, kept inside the panel), Tab and Shift+Tab, and the menus' shortcuts.
#include <QKeyEvent>

#include "EditorTesting.h"
#include "editor/CCommands.h"
#include "editor/CWindowList.h"
#include "model/CBase.h"

using namespace zl;
using namespace zl::test;

class KeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;
    QWidget* list() const { return &e->view().windowList(); }
    QUndoStack& history() const { return e->doc().undoStack(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}, bool repeated = false) const
    {
        QKeyEvent press(QEvent::KeyPress, k, modifiers, QString(), repeated);
        QApplication::sendEvent(list(), &press);
    }

private slots:
    void init()
    {
        e = std::make_unique<Editor>();
        e->newProject();
    }
    void cleanup() { e.reset(); }

    void escapeCancelsAPlacement()
    {
        e->trigger(kCmdLed);
        QVERIFY(e->frame->action(kCmdLed)->isChecked());
        key(Qt::Key_Escape);
        QCOMPARE(e->view().pendingType(), CEditorCanvas::kNothingPending);
        QVERIFY(!e->frame->action(kCmdLed)->isChecked());
        // With a selection, Escape lets go of it.
        e->place(kCmdLed, {0, 0});
        key(Qt::Key_Escape);
        QVERIFY(!e->doc().hasSelection());
    }

    void arrowsMoveTheSelectionInsideThePanel_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // The LED is 16 × 16 panel pixels, so it stops at 176, 48.
        QTest::newRow("right") << int(Qt::Key_Right) << false << 1 << 21 << 20;
        QTest::newRow("shift right") << int(Qt::Key_Right) << true << 1 << 28 << 20;
        QTest::newRow("left") << int(Qt::Key_Left) << false << 3 << 17 << 20;
        QTest::newRow("shift up to the top") << int(Qt::Key_Up) << true << 5 << 20 << 0;
        QTest::newRow("shift down to the bottom") << int(Qt::Key_Down) << true << 9 << 20 << 48;
        QTest::newRow("shift right to the edge") << int(Qt::Key_Right) << true << 30 << 176 << 20;
        QTest::newRow("left to the edge") << int(Qt::Key_Left) << false << 30 << 0 << 20;
    }
    void arrowsMoveTheSelectionInsideThePanel()
    {
        QFETCH(int, keyCode);
        QFETCH(bool, shift);
        QFETCH(int, presses);
        CBase& led = e->place(kCmdLed, {45, 45});
        QCOMPARE(int(led.x), 20);
        const int steps = history().count();
        const Bytes before = e->bytes();
        // Held down: the first press and its repeats are one burst.
        for (int i = 0; i < presses; ++i)
            key(Qt::Key(keyCode), shift ? Qt::ShiftModifier : Qt::NoModifier, i > 0);
        QTEST(int(led.x), "x");
        QTEST(int(led.y), "y");
        QCOMPARE(led.rect.left, panelToCanvas(led.x));
        QVERIFY(led.rect.right <= kCanvasWidth && led.rect.bottom <= kCanvasHeight);
        QCOMPARE(history().count(), steps + 1);
        e->trigger(kCmdUndo);
        QVERIFY(e->bytes() == before);
    }

    void eachPressIsAStepAndAnEdgeNone()
    {
        CBase& led = e->place(kCmdLed, {0, 0});
        const int steps = history().count();
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        QCOMPARE(history().count(), steps + 2);
        QCOMPARE(int(led.x), 2);
        key(Qt::Key_Up); // already at the top: nothing moves, nothing is recorded
        QCOMPARE(history().count(), steps + 2);
    }

    void tabStepsThroughTheComponents()
    {
        e->place(kCmdLed, {0, 0});
        e->place(kCmdRegister, {100, 0});
        e->place(kCmdText, {200, 0});
        key(Qt::Key_Escape);
        const int steps = history().count();
        const auto selectedType = [this] { return int(e->doc().selectedComponent()->typeCode); };
        QList<int> forward, backward;
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Tab);
            forward << selectedType();
        }
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Backtab, Qt::ShiftModifier);
            backward << selectedType();
        }
        QCOMPARE(forward, (QList<int>{kStaticText, kLed, kRegister, kStaticText}));
        QCOMPARE(backward, (QList<int>{kRegister, kLed, kStaticText, kRegister}));
        QCOMPARE(history().count(), steps); // selecting is no edit
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("keys");
        QTest::newRow("new") << int(kCmdNewProject) << "Ctrl+N";
        QTest::newRow("open") << int(kCmdOpen) << "Ctrl+O";
        QTest::newRow("save") << int(kCmdSave) << "Ctrl+S";
        QTest::newRow("save as") << int(kCmdSaveAs) << "Ctrl+Shift+S";
        QTest::newRow("undo") << int(kCmdUndo) << "Ctrl+Z";
        QTest::newRow("redo") << int(kCmdRedo) << "Ctrl+Y, Ctrl+Shift+Z";
        QTest::newRow("cut") << int(kCmdCut) << "Ctrl+X, Shift+Del";
        QTest::newRow("copy") << int(kCmdCopy) << "Ctrl+C, Ctrl+Ins";
        QTest::newRow("paste") << int(kCmdPaste) << "Ctrl+V, Shift+Ins";
        QTest::newRow("duplicate") << int(kCmdDuplicate) << "Ctrl+D";
    }
    void shortcuts()
    {
        QFETCH(int, command);
        QStringList keys;
        for (const QKeySequence& k : e->frame->action(command)->shortcuts())
            keys << k.toString();
        QTEST(keys.join(QStringLiteral(", ")), "keys");
    }

    void undoByShortcutNamesTheStep()
    {
        e->place(kCmdLed, {45, 45});
        key(Qt::Key_Right);
        QCOMPARE(e->frame->action(kCmdUndo)->text(), QStringLiteral("Undo Move LED"));
        QApplication::setActiveWindow(e->frame.get());
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->frame->action(kCmdUndo)->text(), QStringLiteral("Undo Place LED"));
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e->frame->action(kCmdUndo)->text(), QStringLiteral("Undo Move LED"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
