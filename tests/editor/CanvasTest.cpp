// Placing, selecting, dragging and deleting components on the canvas with the mouse and keys.
#include <QDockWidget>
#include <QImage>

#include <cmath>

#include "EditorTesting.h"
#include "editor/CCommands.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/CWindowList.h"
#include "editor/document/CZL110Doc.h"
#include "model/CBase.h"

using namespace zl;
using namespace zl::test;

namespace
{

std::string rectText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A bitmap file of the given size.
QString writeBitmap(const QTemporaryDir& dir, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = dir.filePath(QStringLiteral("p%1x%2.bmp").arg(width).arg(height));
    image.save(path, "BMP");
    return path;
}

} // namespace

class CanvasTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> editor;
    CEditorCanvas* canvas = nullptr;

    CMainView& window() const { return *editor->project().CurrentView(); }
    CBase& place(int command, QPoint at) { return editor->place(command, at); }

private slots:
    void init()
    {
        editor = std::make_unique<Editor>();
        editor->newProject();
        canvas = &editor->view().canvas();
    }
    void cleanup() { editor.reset(); }

    void commandsNeedAProject()
    {
        Editor fresh;
        for (int command : {kCmdLed, kCmdSave, kCmdNewWindow, kCmdCut, kCmdPlcSelection})
            QVERIFY(!fresh.frame->action(command)->isEnabled());
        QVERIFY(fresh.frame->action(kCmdOpen)->isEnabled());
        QVERIFY(editor->frame->action(kCmdLed)->isEnabled());
    }

    void armingAndDisarming()
    {
        QAction* led = editor->frame->action(kCmdLed);
        led->trigger();
        QVERIFY(led->isChecked());
        led->trigger();
        QVERIFY(!led->isChecked());
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);

        led->trigger();
        editor->trigger(kCmdRegister);
        QVERIFY(!led->isChecked());
        QVERIFY(editor->frame->action(kCmdRegister)->isChecked());
        QCOMPARE(rectText(canvas->frame()), "0,0,90,36");

        press(canvas, {50, 50}, Qt::RightButton);
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
        QVERIFY(!editor->frame->action(kCmdRegister)->isChecked());

        // A right click on the form around the canvas cancels too.
        editor->trigger(kCmdRegister);
        QWidget* canvasFrame = editor->view().childAt(230, 30);
        QVERIFY(canvasFrame && canvasFrame != canvas);
        QTest::mousePress(canvasFrame, Qt::RightButton, {},
                          canvasFrame->mapFrom(&editor->view(), QPoint(230, 30)));
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
    }

    void ghostSnapsToTheGridAndStaysOnTheCanvas()
    {
        editor->trigger(kCmdText);
        move(canvas, {340, 50});
        QCOMPARE(rectText(canvas->frame()), "323,45,431,81");
        move(canvas, {25, 140});
        QCOMPARE(rectText(canvas->frame()), "18,107,126,143");
    }

    void placingSelectsTheNewComponent()
    {
        QVERIFY(!editor->frame->document().IsModified());
        CBase& text = place(kCmdText, {20, 20});
        QCOMPARE(text.typeCode, kStaticText);
        QCOMPARE(text.rect.left, 18);
        QCOMPARE(text.x, 8);
        QVERIFY(canvas->hasSelection());
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
        QVERIFY(editor->frame->document().IsModified());
        QVERIFY(editor->frame->action(kCmdCut)->isEnabled());
        QVERIFY(editor->frame->deleteComponentAction()->isEnabled());
        QVERIFY(editor->frame->action(kCmdCopy)->isEnabled());
        // The preview shows something besides the dark field and its dots inside the text.
        canvas->Compose();
        const QImage& image = canvas->image();
        bool drawn = false;
        for (int x = 19; x < 120 && !drawn; ++x)
            drawn =
                image.pixelColor(x, 30) != QColor(0x40, 0x40, 0x40) && image.pixelColor(x, 30) != Qt::white;
        QVERIFY(drawn || image.pixelColor(18, 18) != QColor(0x40, 0x40, 0x40));
    }

    void everyComponentCommandPlaces()
    {
        const std::pair<int, int> commands[] = {{kCmdLed, kLed},
                                                {kCmdFunctionKey, kFunctionKey},
                                                {kCmdText, kStaticText},
                                                {kCmdDynamicText, kDynamicText},
                                                {kCmdRegister, kRegister},
                                                {kCmdBarGraph, kBarGraph},
                                                {kCmdTrendLine, kTrendLine}};
        for (const auto& [command, type] : commands)
            QCOMPARE(int(place(command, {100, 30}).typeCode), type);
        QCOMPARE(window().componentCount(), std::size(commands));
    }

    void clickSelectsTheTopmostAndRaisesIt()
    {
        CBase& lower = place(kCmdText, {0, 0});      // 0 … 108
        CBase& upper = place(kCmdRegister, {54, 0}); // 54 … 144, on top
        press(canvas, {60, 10});
        release(canvas, {60, 10});
        QCOMPARE(window().head(), &upper);
        press(canvas, {20, 10});
        release(canvas, {20, 10});
        QCOMPARE(window().head(), &lower);
        press(canvas, {60, 10}); // now the text is on top where they overlap
        release(canvas, {60, 10});
        QCOMPARE(window().head(), &lower);
        // The right edge is outside.
        press(canvas, {lower.rect.right, 10});
        release(canvas, {lower.rect.right, 10});
        QCOMPARE(window().head(), &upper);
        press(canvas, {300, 120});
        QVERIFY(!canvas->hasSelection());
        QVERIFY(!editor->frame->action(kCmdCut)->isEnabled());
    }

    // Shift+click adds, Ctrl+click takes out, a band on empty canvas selects what lies inside (adding with
    // Ctrl), a drag from a member moves them all as one step, and Select all and the Arrange menu act on
    // the whole set.
    void severalComponentsByMouse()
    {
        const auto click = [&](QPoint at, Qt::KeyboardModifiers keys) {
            QMouseEvent down(QEvent::MouseButtonPress, at, canvas->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, keys);
            QApplication::sendEvent(canvas, &down);
            QMouseEvent up(QEvent::MouseButtonRelease, at, canvas->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, keys);
            QApplication::sendEvent(canvas, &up);
        };
        const auto band = [&](QPoint from, QPoint to, Qt::KeyboardModifiers keys) {
            QMouseEvent down(QEvent::MouseButtonPress, from, canvas->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, keys);
            QApplication::sendEvent(canvas, &down);
            move(canvas, to, Qt::LeftButton);
            QVERIFY(canvas->band().has_value());
            release(canvas, to);
            QVERIFY(!canvas->band().has_value());
        };
        CEditorDocument& doc = editor->doc();
        CBase& first = place(kCmdLed, {0, 0});
        CBase& second = place(kCmdLed, {90, 0});
        CBase& text = place(kCmdText, {180, 72});
        click({10, 10}, Qt::NoModifier);
        click({100, 10}, Qt::ShiftModifier);
        QCOMPARE(doc.selection().size(), std::size_t(2));
        QCOMPARE(doc.selectedComponent(), &second);
        band({170, 60}, {300, 130}, Qt::NoModifier);
        QCOMPARE(doc.selection(), std::vector<CBase*>{&text});
        band({430, 140}, {0, 0}, Qt::ControlModifier);
        QCOMPARE(doc.selection().size(), std::size_t(3));
        click({10, 10}, Qt::ControlModifier);
        QCOMPARE(doc.selection().size(), std::size_t(2));
        QVERIFY(!doc.isSelected(&first));

        const int secondX = second.x, textX = text.x;
        const int steps = doc.undoStack().count();
        press(canvas, {190, 80});
        move(canvas, {199, 80}, Qt::LeftButton);
        release(canvas, {199, 80});
        QCOMPARE(doc.selection().size(), std::size_t(2));
        QCOMPARE(int(second.x), secondX + kPanelStep);
        QCOMPARE(int(text.x), textX + kPanelStep);
        QCOMPARE(doc.undoStack().count(), steps + 1);
        QCOMPARE(doc.undoStack().undoText(), QStringLiteral("Move 2 components"));

        const auto menuAction = [&](const QString& text) {
            for (QAction* a : editor->frame->findChildren<QAction*>())
                if (a->text() == text)
                    return a;
            return static_cast<QAction*>(nullptr);
        };
        menuAction(QStringLiteral("Select all"))->trigger();
        QCOMPARE(doc.selection().size(), std::size_t(3));
        QAction* top = menuAction(QStringLiteral("Align top edges"));
        QVERIFY(top->isEnabled());
        top->trigger();
        QCOMPARE(first.y, second.y);
        QCOMPARE(first.y, text.y);
        QAction* bar = menuAction(QStringLiteral("Arrange toolbar"));
        bar->trigger();
        QVERIFY(editor->frame->findChild<QDockWidget*>(QStringLiteral("arrangeToolbar"))->isVisible());
        click({420, 140}, Qt::NoModifier);
        QVERIFY(doc.selection().empty());
        QVERIFY(!top->isEnabled());
    }

    // At every level of the zoom the canvas is the panel's size times the level, a click finds the
    // component under it, a drag moves in the same panel steps, and the picture is the form's own,
    // scaled without smoothing.
    void hitTestingAndDrawingFollowTheZoom()
    {
        CBase& text = place(kCmdText, {90, 36});
        const CPoint centre{(text.rect.left + text.rect.right) / 2, (text.rect.top + text.rect.bottom) / 2};
        for (const double zoom : {1.0, 1.5, 2.0, 2.25, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0}) {
            editor->view().setZoom(zoom);
            QCOMPARE(canvas->zoom(), zoom);
            QCOMPARE(canvas->size(), QSize(int(std::lround(192 * zoom)), int(std::lround(64 * zoom))));
            press(canvas, canvas->toWidget({430, 140}));
            release(canvas, canvas->toWidget({430, 140}));
            QVERIFY(!canvas->hasSelection());
            const QPoint at = canvas->toWidget(centre);
            press(canvas, at);
            release(canvas, at);
            QCOMPARE(canvas->selected(), &text);

            const QImage shown = canvas->grab().toImage();
            const QImage& own = canvas->image();
            // No smoothing: every pixel shown is one of the form's, the one under its centre.
            const double per = CEditorCanvas::kDefaultZoom / zoom;
            for (int y = 0; y < shown.height(); y += 3)
                for (int x = 0; x < shown.width(); x += 5) {
                    const QPoint form(int((x + 0.5) * per), int((y + 0.5) * per));
                    if (shown.pixel(x, y) != own.pixel(form))
                        QFAIL(qPrintable(QStringLiteral("zoom %1: pixel %2,%3").arg(zoom).arg(x).arg(y)));
                }
        }
        // At 8 a panel step is 32 widget pixels.
        const int x = text.x;
        const QPoint at = canvas->toWidget(centre);
        press(canvas, at);
        move(canvas, at + QPoint(32, 0), Qt::LeftButton);
        release(canvas, at + QPoint(32, 0));
        QCOMPARE(int(text.x), x + kPanelStep);
        editor->view().setZoom(CEditorCanvas::kDefaultZoom);
    }

    // With snapping a drag puts the component on the nearest grid point, a group moving with it, and the
    // placement ghost sits on the grid; the grid and its spacing are remembered.
    void snappingToTheGrid()
    {
        CBase& led = place(kCmdLed, {90, 36}); // panel 40, 16
        CBase& text = place(kCmdText, {180, 90});
        editor->view().setGrid(true, true, {8, 8});
        editor->doc().selectAll();
        const int gap = text.x - led.x;
        const QPoint from = canvas->toWidget({led.rect.left + 4, led.rect.top + 4});
        press(canvas, from);
        move(canvas, from + QPoint(25, 3), Qt::LeftButton); // 11 panel pixels right: 51, nearest 48
        release(canvas, from + QPoint(25, 3));
        QCOMPARE(editor->doc().selectedComponent(), &led);
        QCOMPARE(int(led.x), 48);
        QCOMPARE(int(led.y), 16);
        QCOMPARE(text.x - led.x, gap);

        editor->trigger(kCmdLed);
        move(canvas, {130, 60});
        QCOMPARE(canvas->frame().left, panelToCanvas(56));
        QCOMPARE(canvas->frame().top, panelToCanvas(24));
        canvas->CancelPlacement();

        canvas->setGrid(false, false, {3, 3});
        editor->view().restoreCanvasSettings();
        QVERIFY(canvas->gridShown() && canvas->snapping());
        QCOMPARE(canvas->gridSpacing(), QSize(8, 8));
        editor->view().setGrid(false, false, {8, 8});
    }

    void draggingMovesInWholeSteps_data()
    {
        QTest::addColumn<int>("travel");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("panelX");
        QTest::newRow("8 moves nothing") << 8 << 90 << 40;
        QTest::newRow("9 moves one step") << 9 << 99 << 44;
        QTest::newRow("17 moves one step") << 17 << 99 << 44;
        QTest::newRow("-9 moves one step left") << -9 << 81 << 36;
        QTest::newRow("past the right edge is pulled back") << 400 << 360 << 160; // "Text" is 72 wide
    }

    void draggingMovesInWholeSteps()
    {
        QFETCH(int, travel);
        CBase& text = place(kCmdText, {90, 36});
        QCOMPARE(text.rect.left, 90);
        editor->frame->document().SetModifiedFlag(false);
        press(canvas, {100, 40});
        move(canvas, {100 + travel, 40}, Qt::LeftButton);
        release(canvas, {100 + travel, 40});
        QTEST(text.rect.left, "left");
        QTEST(int(text.x), "panelX");
        // A drag that moves nothing leaves the project unmodified.
        QCOMPARE(editor->frame->document().IsModified(), text.rect.left != 90);
    }

    void remainderCarriesOver()
    {
        CBase& text = place(kCmdText, {90, 36});
        press(canvas, {100, 40});
        move(canvas, {117, 40}, Qt::LeftButton); // one step, 8 left over
        move(canvas, {118, 40}, Qt::LeftButton); // 9 with the remainder
        QCOMPARE(text.rect.left, 108);
        release(canvas, {118, 40});
        move(canvas, {200, 40});
        QCOMPARE(text.rect.left, 108); // released: no more dragging
    }

    void deleteKeyAndDeleteCommand()
    {
        place(kCmdLed, {0, 0});
        place(kCmdLed, {100, 0});
        QTest::keyClick(&editor->view().windowList(), Qt::Key_Delete);
        QCOMPARE(window().componentCount(), 1u);
        QVERIFY(!canvas->hasSelection());

        // With nothing selected the key asks to delete the window.
        editor->prompter.okAnswers = {false};
        QTest::keyClick(&editor->view().windowList(), Qt::Key_Delete);
        QCOMPARE(editor->prompter.last(), "Delete current window: Do you want to delete the No. 1 window?");
        QCOMPARE(window().componentCount(), 1u);

        press(canvas, {10, 10});
        editor->frame->deleteComponentAction()->trigger();
        QCOMPARE(window().componentCount(), std::size_t{0});
    }

    void pictures()
    {
        QTemporaryDir dir;
        QFile garbage(dir.filePath("garbage.bmp"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("BM not really");
        garbage.close();
        editor->files.paths = {writeBitmap(dir, 193, 10), garbage.fileName(), QString(),
                               writeBitmap(dir, 192, 64)};

        editor->trigger(kCmdPicture);
        QCOMPARE(editor->files.lastFilter, QStringLiteral("bmp(*.bmp)"));
        QCOMPARE(editor->prompter.last(), "Open picture: picture size error!!!(Max Pixel Sope:192 X 64)");
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
        editor->trigger(kCmdPicture);
        QCOMPARE(editor->prompter.last(), "Open picture: Open the picture error!!!");
        editor->trigger(kCmdPicture); // cancelled file choice
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
        QCOMPARE(editor->prompter.messages.size(), 2u);

        editor->trigger(kCmdPicture);
        QCOMPARE(canvas->pendingType(), int(kPicture));
        QCOMPARE(rectText(canvas->frame()), "0,0,480,160");
        press(canvas, {5, 5});
        const CBase& picture = *window().head();
        QCOMPARE(picture.typeCode, kPicture);
        QVERIFY(picture.InsideCanvas());
        QCOMPARE(picture.rect.width(), 432);
    }

    void aRefusedImageIsNotPlaced()
    {
        canvas->ArmPicture(CRgbImage{20, 10, std::vector<std::uint32_t>(5, 0)}); // fewer pixels than its size
        press(canvas, {5, 5});
        QCOMPARE(window().componentCount(), std::size_t{0});
        QCOMPARE(canvas->pendingType(), CEditorCanvas::kNothingPending);
        QVERIFY(!editor->frame->document().IsModified());
    }

    void controlKeyIsTracked()
    {
        QTest::keyPress(&editor->view().windowList(), Qt::Key_Control);
        QTest::keyRelease(&editor->view().windowList(), Qt::Key_Control);
        QVERIFY(!editor->view().takeControlKey());
        QTest::keyPress(&editor->view().windowList(), Qt::Key_Control);
        QVERIFY(editor->view().takeControlKey());
        QVERIFY(!editor->view().takeControlKey());
    }
};

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
