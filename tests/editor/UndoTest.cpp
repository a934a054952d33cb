// Undo and redo of every editing command: undo gives the project's bytes back as they were before the
// command, redo the bytes after it; merged steps; the clean state as the modified flag and the title mark.
#include <QComboBox>
#include <QTest>

#include "EditorTesting.h"
#include "editor/CCommands.h"
#include "editor/controls/CNumEdit.h"
#include "editor/pages/CPropertyPages.h"
#include "editor/pages/CTextPage.h"
#include "editor/CWindowList.h"
#include "editor/pages/CWindowPage.h"
#include "editor/document/CZL110Doc.h"
#include "model/CBase.h"

using namespace zl;
using namespace zl::test;

namespace
{

enum Kind {
    Place,
    Drag,
    Delete,
    Cut,
    Paste,
    Duplicate,
    ArrowKey,
    NewWindow,
    CopyWindow,
    DeleteWindow,
    DeleteOnlyWindow,
    Description,
    PlcSelection,
    PanelSettings,
    PageTyping,
    PageClick
};

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;
    QWidget* canvas() const { return &e->view().canvas(); }
    QUndoStack& history() const { return e->doc().undoStack(); }
    CTextPage* textPage() const { return qobject_cast<CTextPage*>(e->view().pages().current()); }

    // What the command of `kind` needs to find in place.
    void prepare(Kind kind)
    {
        if (kind != NewWindow && kind != Description && kind != PlcSelection && kind != PanelSettings) {
            e->place(kCmdLed, {100, 50});
            e->place(kCmdText, {200, 90});
        }
        if (kind == Paste)
            e->trigger(kCmdCopy);
        if (kind == CopyWindow || kind == DeleteWindow)
            e->newWindow(5, QStringLiteral("Five"));
        if (kind == Drag)
            press(canvas(), {105, 55}); // the LED comes to the head: a selection, not an edit
    }
    void act(Kind kind)
    {
        switch (kind) {
        case Place:
            e->place(kCmdRegister, {300, 20});
            break;
        case Drag:
            move(canvas(), {105 + 30, 55 + 9}, Qt::LeftButton);
            move(canvas(), {105 + 40, 55 + 20}, Qt::LeftButton);
            release(canvas(), {145, 75});
            break;
        case Delete:
            e->frame->deleteComponentAction()->trigger();
            break;
        case Cut:
            e->trigger(kCmdCut);
            break;
        case Paste:
            e->trigger(kCmdPaste);
            break;
        case Duplicate:
            e->trigger(kCmdDuplicate);
            break;
        case ArrowKey:
            QTest::keyClick(&e->view().windowList(), Qt::Key_Left, Qt::ShiftModifier);
            break;
        case NewWindow:
            e->newWindow(9, QStringLiteral("Nine"));
            break;
        case CopyWindow:
            onNextDialog<CCopyWindowDialog>([](CCopyWindowDialog& d) {
                d.targetEdit()->SetValue(1); // onto window 1, replacing it
                d.accept();
            });
            e->trigger(kCmdCopyWindow);
            break;
        case DeleteWindow:
        case DeleteOnlyWindow:
            e->trigger(kCmdDeleteWindow);
            break;
        case Description: {
            CBoundTextEdit* edit = e->view().windowPage().descriptionEdit();
            edit->setFocus();
            QTest::keyClicks(edit, "Main");
            break;
        }
        case PlcSelection:
            onNextDialog<QDialog>([](QDialog& d) {
                auto* combo = d.findChild<QComboBox*>();
                combo->setCurrentIndex(5);
                emit combo->activated(5);
                d.accept();
            });
            e->trigger(kCmdPlcSelection);
            break;
        case PageTyping:
            retype(textPage()->xEdit(), QStringLiteral("150"));
            break;
        case PageClick: // doubling the size also fits the position: one step
            textPage()->doubleBox()->click();
            break;
        case PanelSettings: {
            CPanelSettings settings = e->project().panel;
            settings.password = 1234;
            settings.statusFlags = 3;
            e->view().ApplyPanelSettings(settings);
            break;
        }
        }
    }

private slots:
    void init()
    {
        e = std::make_unique<Editor>();
        e->newProject();
    }
    void cleanup() { e.reset(); }

    void undoGivesTheBytesBackAndRedoTheEdit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("step");
        QTest::newRow("place") << int(Place) << "Place Register";
        QTest::newRow("drag") << int(Drag) << "Move LED";
        QTest::newRow("delete") << int(Delete) << "Delete Text";
        QTest::newRow("cut") << int(Cut) << "Cut Text";
        QTest::newRow("paste") << int(Paste) << "Paste Text";
        QTest::newRow("duplicate") << int(Duplicate) << "Duplicate Text";
        QTest::newRow("arrow key") << int(ArrowKey) << "Move Text";
        QTest::newRow("new window") << int(NewWindow) << "New window";
        QTest::newRow("copy window") << int(CopyWindow) << "Copy window";
        QTest::newRow("delete window") << int(DeleteWindow) << "Delete window";
        QTest::newRow("delete the only window") << int(DeleteOnlyWindow) << "Delete window";
        QTest::newRow("window page typing") << int(Description) << "Window description";
        QTest::newRow("PLC Selection") << int(PlcSelection) << "PLC Selection";
        QTest::newRow("panel settings") << int(PanelSettings) << "Panel settings";
        QTest::newRow("page typing") << int(PageTyping) << "Text: X";
        QTest::newRow("page click") << int(PageClick) << "Text: Double";
    }
    void undoGivesTheBytesBackAndRedoTheEdit()
    {
        QFETCH(int, kind);
        QFETCH(QString, step);
        prepare(Kind(kind));
        e->frame->document().SetModifiedFlag(false); // as after a save
        const Bytes saved = e->bytes();
        const int current = e->doc().currentPosition();
        const bool selected = e->doc().hasSelection();
        const QString protocolPane = e->frame->protocolText();
        const int steps = history().count();

        act(Kind(kind));
        const Bytes edited = e->bytes();
        QVERIFY(edited != saved);
        QVERIFY(e->frame->document().IsModified());
        QCOMPARE(history().count(), steps + 1); // one step, however many events it took
        QCOMPARE(e->frame->action(kCmdUndo)->text(), QStringLiteral("Undo ") + step);
        const int editedCurrent = e->doc().currentPosition();
        const bool editedSelected = e->doc().hasSelection();

        e->trigger(kCmdUndo);
        QVERIFY(e->bytes() == saved);
        QVERIFY(!e->frame->document().IsModified());
        QCOMPARE(e->doc().currentPosition(), current);
        if (kind != Place) // arming the placement itself clears the selection
            QCOMPARE(e->doc().hasSelection(), selected);
        QCOMPARE(e->view().windowList().currentRow(), current);
        QCOMPARE(e->view().windowList().rowCount(), int(e->project().windowCount()));
        QCOMPARE(e->frame->protocolText(), protocolPane);
        QCOMPARE(e->frame->action(kCmdRedo)->text(), QStringLiteral("Redo ") + step);

        e->trigger(kCmdRedo);
        QVERIFY(e->bytes() == edited);
        QVERIFY(e->frame->document().IsModified());
        QCOMPARE(e->doc().currentPosition(), editedCurrent);
        QCOMPARE(e->doc().hasSelection(), editedSelected);
        QCOMPARE(e->view().windowList().currentRow(), editedCurrent);
    }

    void typingInOneFieldIsOneStep()
    {
        CWindowPage& page = e->view().windowPage();
        page.descriptionEdit()->setFocus();
        QTest::keyClicks(page.descriptionEdit(), "Pumps");
        QCOMPARE(e->view().windowList().item(0, 1)->text(), QStringLiteral("Pumps"));
        page.upEdit()->setFocus();
        page.upEdit()->selectAll();
        QTest::keyClicks(page.upEdit(), "42");
        QCOMPARE(history().count(), 2);
        e->trigger(kCmdUndo);
        QCOMPARE(int(e->project().CurrentView()->upJump), 0);
        QCOMPARE(page.upEdit()->text(), QStringLiteral("0")); // the page shows what undo put back
        e->trigger(kCmdUndo);
        QCOMPARE(e->project().CurrentView()->description, std::string());
        QCOMPARE(page.descriptionEdit()->text(), QString());
        QCOMPARE(e->view().windowList().item(0, 1)->text(), QString());
    }

    // Ctrl+Z typed in a page's field is the document's undo, not the field's own.
    void undoKeysInAFieldUndoTheStep()
    {
        e->place(kCmdText, {200, 90});
        e->frame->document().SetModifiedFlag(false);
        const Bytes saved = e->bytes();
        QApplication::setActiveWindow(e->frame.get()); // shortcuts work in the active window
        CNumEdit* x = textPage()->xEdit();
        retype(x, QStringLiteral("20"));
        QVERIFY(e->frame->document().IsModified());
        QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(e->bytes() == saved);
        QVERIFY(!e->frame->document().IsModified());
        QCOMPARE(textPage()->xEdit()->text().toInt(), int(e->project().CurrentView()->head()->x));
        QTest::keyClick(textPage()->xEdit(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(int(e->project().CurrentView()->head()->x), 20);
    }

    void oneDragIsOneStepAndAStillClickNone()
    {
        CBase& led = e->place(kCmdLed, {100, 50});
        QCOMPARE(history().count(), 1);
        for (int from : {105, 159}) {
            press(canvas(), {from, 55});
            for (int x = from; x <= from + 54; x += 3)
                move(canvas(), {x, 55}, Qt::LeftButton);
            release(canvas(), {from + 54, 55});
        }
        QCOMPARE(history().count(), 3); // two drags, two steps
        QCOMPARE(led.rect.left, 99 + 2 * 54);
        e->trigger(kCmdUndo);
        QCOMPARE(e->project().CurrentView()->head()->rect.left, 99 + 54);
        e->trigger(kCmdRedo);
        // A click with a wobble under one grid step moves nothing and records nothing.
        e->frame->document().SetModifiedFlag(false);
        press(canvas(), {215, 55});
        move(canvas(), {218, 57}, Qt::LeftButton);
        release(canvas(), {218, 57});
        QCOMPARE(history().count(), 3);
        QVERIFY(!e->frame->document().IsModified());
    }

    void modifiedFlagIsTheCleanStateAndTheTitleShowsIt()
    {
        const QString title = e->frame->windowTitle();
        QCOMPARE(title, QStringLiteral("New file - ZL410 software"));
        e->place(kCmdLed, {100, 50});
        QCOMPARE(e->frame->windowTitle(), QStringLiteral("New file* - ZL410 software"));
        e->trigger(kCmdUndo);
        QCOMPARE(e->frame->windowTitle(), title);
        QVERIFY(!e->frame->document().IsModified());

        // Saving marks the clean point and keeps the history.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("undo.pjz"));
        e->trigger(kCmdRedo);
        e->files.paths = {file};
        e->trigger(kCmdSave);
        QVERIFY(!e->frame->document().IsModified());
        QCOMPARE(e->frame->windowTitle(), file + QStringLiteral(" - ZL410 software"));
        QVERIFY(history().canUndo());
        e->trigger(kCmdUndo);
        QCOMPARE(e->frame->windowTitle(), file + QStringLiteral("* - ZL410 software"));
        e->trigger(kCmdRedo);
        QVERIFY(!e->frame->document().IsModified());

        // Open and New start a fresh history.
        e->files.paths = {file};
        e->trigger(kCmdOpen);
        QVERIFY(!history().canUndo() && !history().canRedo());
        e->place(kCmdLed, {10, 10});
        e->prompter.yesNoAnswers = {CPrompter::Answer::No};
        e->newProject();
        QVERIFY(!history().canUndo());
        QVERIFY(!e->frame->document().IsModified());
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
