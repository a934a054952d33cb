// The property pages in the editor: the page follows the selection and the drag, typing a position
// moves the component, and every kind placed, edited through its page, saved and opened again keeps
// every field.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <algorithm>

#include "EditorTesting.h"
#include "base/CJson.h"
#include "components/CChars.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "editor/pages/CBarTidePage.h"
#include "editor/controls/CBoundControls.h"
#include "editor/CCommands.h"
#include "editor/pages/CDynamicPage.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/pages/CFunctionPage.h"
#include "editor/controls/CGridCtrl.h"
#include "editor/pages/CLedPage.h"
#include "editor/controls/CNumEdit.h"
#include "editor/pages/CPicturePage.h"
#include "editor/pages/CPropertyPages.h"
#include "editor/pages/CRegisterPage.h"
#include "editor/pages/CTextPage.h"
#include "editor/pages/CWindowPage.h"
#include "editor/document/CZL110Doc.h"

using namespace zl;
using namespace zl::test;

namespace
{

void click(QWidget* w, QPoint at)
{
    send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Every field of every component, as the dump command shows them. The files of a static text and of a
// picture hold no operand, so only their own fields count.
std::string describe(const CProject& project)
{
    CJson all = CJson::array();
    for (const auto& w : project.windows())
        for (const auto& c : w->components()) {
            if (c->typeCode == kPicture) {
                const auto& p = static_cast<const CUpLoadPic&>(*c);
                all.push(
                    CJson::object().set("x", p.x).set("y", p.y).set("w", p.Width()).set("h", p.Height()));
                continue;
            }
            if (c->typeCode == kStaticText) {
                const auto& t = static_cast<const CChars&>(*c);
                all.push(CJson::object()
                             .set("x", t.x)
                             .set("y", t.y)
                             .set("text", CJson::text(t.text))
                             .set("double", t.doubleSize)
                             .set("reverse", t.reverse));
                continue;
            }
            CJson o = CJson::object();
            c->Describe(o);
            all.push(std::move(o));
        }
    return all.dump();
}

// The lines of a description without the canvas rectangles, which a reopened project rebuilds from the
// panel position (a canvas position between two panel pixels comes back on the pixel).
QStringList fieldLines(const std::string& description)
{
    QString text = QString::fromStdString(description);
    text.remove(QRegularExpression(QStringLiteral("\"rect\": \\[[^\\]]*\\],?")));
    return text.split(QLatin1Char('\n'));
}

// One user edit on a page: what to place, what to do before it (not counted), the edit, its step's name,
// and the field that shows the edited value.
struct PageEdit {
    const char* name;
    int command;
    std::function<void(CComponentPage&)> prepare;
    std::function<void(CComponentPage&)> edit;
    QString step;
    std::function<QString(CComponentPage&)> shown;
};

template <class Page> Page& as(CComponentPage& p)
{
    return *qobject_cast<Page*>(&p);
}

const std::vector<PageEdit>& pageEdits()
{
    static const std::vector<PageEdit> edits = {
        {"LED address",
         kCmdLed,
         {},
         [](CComponentPage& p) { retype(as<CLedPage>(p).operand().address, "12"); },
         "LED: Address",
         [](CComponentPage& p) { return as<CLedPage>(p).operand().address->text(); }},
        {"function key jump sub-page", kCmdFunctionKey,
         [](CComponentPage& p) { as<CFunctionPage>(p).actionRadios()->button(CFunction::kJumpTo)->click(); },
         [](CComponentPage& p) { retype(as<CFunctionPage>(p).windowEdit(), "7"); }, "Function Key: Jump to",
         [](CComponentPage& p) { return as<CFunctionPage>(p).windowEdit()->text(); }},
        {"function key coil sub-page",
         kCmdFunctionKey,
         {},
         [](CComponentPage& p) { retype(as<CFunctionPage>(p).operand().address, "21"); },
         "Function Key: Addr",
         [](CComponentPage& p) { return as<CFunctionPage>(p).operand().address->text(); }},
        {"function key action",
         kCmdFunctionKey,
         {},
         [](CComponentPage& p) {
             as<CFunctionPage>(p).actionRadios()->button(CFunction::kSetRegister)->click();
         },
         "Function Key: Function Key",
         [](CComponentPage& p) { return QString::number(as<CFunctionPage>(p).actionRadios()->checked()); }},
        {"text",
         kCmdText,
         {},
         [](CComponentPage& p) { retype(as<CTextPage>(p).textField(), "Pump"); },
         "Text: Text String",
         [](CComponentPage& p) { return as<CTextPage>(p).textField()->text(); }},
        {"register digits",
         kCmdRegister,
         {},
         [](CComponentPage& p) { retype(as<CRegisterPage>(p).digitsEdit(), "6"); },
         "Register: Digits",
         [](CComponentPage& p) { return as<CRegisterPage>(p).digitsEdit()->text(); }},
        {"register Set",
         kCmdRegister,
         {},
         [](CComponentPage& p) { as<CRegisterPage>(p).setBox()->click(); },
         "Register: Set",
         [](CComponentPage& p) { return QString::number(as<CRegisterPage>(p).setBox()->isChecked()); }},
        {"dynamic text value cell", kCmdDynamicText,
         [](CComponentPage& p) { emit as<CDynamicPage>(p).grid()->cellClicked(2, 0); },
         [](CComponentPage& p) { QTest::keyClicks(as<CDynamicPage>(p).valueEditor(), "3"); },
         "Dynamic Text: Value",
         [](CComponentPage& p) {
             return as<CDynamicPage>(p).grid()->TextMatrix(2, CDynamicPage::kValueColumn);
         }},
        {"dynamic text content cell", kCmdDynamicText,
         [](CComponentPage& p) {
             emit as<CDynamicPage>(p).grid()->cellClicked(1, 1); // the first row has a value already
         },
         [](CComponentPage& p) { QTest::keyClicks(as<CDynamicPage>(p).contentEditor(), "Stop"); },
         "Dynamic Text: Content",
         [](CComponentPage& p) {
             return as<CDynamicPage>(p).grid()->TextMatrix(1, CDynamicPage::kContentColumn);
         }},
        {"dynamic text format",
         kCmdDynamicText,
         {},
         [](CComponentPage& p) { as<CDynamicPage>(p).modeRadios()->button(0)->click(); },
         "Dynamic Text: Format",
         [](CComponentPage& p) { return QString::number(as<CDynamicPage>(p).modeRadios()->checked()); }},
        {"bar direction",
         kCmdBarGraph,
         {},
         [](CComponentPage& p) { choose(as<CBarTidePage>(p).directionBox(), 3); },
         "Bar Graph: Direction",
         [](CComponentPage& p) { return as<CBarTidePage>(p).directionBox()->currentText(); }},
        {"trend samples",
         kCmdTrendLine,
         {},
         [](CComponentPage& p) { retype(as<CBarTidePage>(p).dotsEdit(), "30"); },
         "Trend Line: Data Sample",
         [](CComponentPage& p) { return as<CBarTidePage>(p).dotsEdit()->text(); }},
        {"picture position",
         kCmdPicture,
         {},
         [](CComponentPage& p) { retype(p.xEdit(), "20"); },
         "Picture: X",
         [](CComponentPage& p) { return p.xEdit()->text(); }},
    };
    return edits;
}

} // namespace

class PagesInEditorTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<Editor> editor;

    CEditorCanvas& canvas() const { return editor->view().canvas(); }
    CPropertyPages& pages() const { return editor->view().pages(); }
    template <class Page> Page* place(int command, QPoint at)
    {
        editor->trigger(command);
        click(&canvas(), at);
        auto* page = qobject_cast<Page*>(pages().current());
        return page && page->isVisible() ? page : nullptr;
    }

private slots:
    void init()
    {
        editor = std::make_unique<Editor>();
        editor->newProject();
    }
    void cleanup() { editor.reset(); }

    void pageFollowsSelectionAndDrag()
    {
        auto* led = place<CLedPage>(kCmdLed, {20, 20});
        QVERIFY(led);
        auto* text = place<CTextPage>(kCmdText, {200, 90});
        QVERIFY(text);
        CBase* head = editor->project().CurrentView()->head();
        // A press on the LED selects it and shows its page; one on empty canvas shows the window page.
        click(&canvas(), {25, 25});
        QCOMPARE(pages().current(), led);
        click(&canvas(), {420, 10});
        QVERIFY(!pages().current());
        QVERIFY(editor->view().windowPage().isVisible());
        // Dragging shows every step's position.
        send(&canvas(), QEvent::MouseButtonPress, {205, 95}, Qt::LeftButton, Qt::LeftButton);
        send(&canvas(), QEvent::MouseMove, {205 + 40, 95 + 20}, Qt::NoButton, Qt::LeftButton);
        send(&canvas(), QEvent::MouseButtonRelease, {245, 115}, Qt::LeftButton, Qt::NoButton);
        head = editor->project().CurrentView()->head();
        QCOMPARE(pages().current(), text);
        QCOMPARE(text->xEdit()->text().toInt(), head->x);
        QCOMPARE(text->yEdit()->text().toInt(), head->y);
        // Typing a position moves the component at once.
        retype(text->xEdit(), "10");
        QCOMPARE(head->x, 10);
        QCOMPARE(head->rect.left, 23);
        // Deleting it leaves the page bound to nothing.
        editor->view().DeleteComponent();
        QVERIFY(!pages().current());
        QVERIFY(!text->component());
    }

    void everyPageEditIsOneUndoableStep_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < pageEdits().size(); ++i)
            QTest::newRow(pageEdits()[i].name) << int(i);
    }
    void everyPageEditIsOneUndoableStep()
    {
        QFETCH(int, row);
        const PageEdit& t = pageEdits()[static_cast<std::size_t>(row)];
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString bmp = dir.filePath("undo.bmp");
        QVERIFY(image.save(bmp, "BMP"));
        editor->files.paths = {bmp};
        auto* page = place<CComponentPage>(t.command, {120, 40});
        QVERIFY(page);
        if (t.prepare)
            t.prepare(*page);
        QUndoStack& history = editor->doc().undoStack();
        const int steps = history.count();
        const Bytes before = editor->bytes();
        const QString shownBefore = t.shown(*page);

        t.edit(*page);
        const Bytes edited = editor->bytes();
        QVERIFY(edited != before);
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(history.undoText(), t.step);
        QVERIFY(editor->frame->document().IsModified());
        const QString shownEdited = t.shown(*page);
        QVERIFY(shownEdited != shownBefore);

        editor->trigger(kCmdUndo);
        QVERIFY(editor->bytes() == before);
        QCOMPARE(pages().current(), page);
        QCOMPARE(t.shown(*page), shownBefore);
        editor->trigger(kCmdRedo);
        QVERIFY(editor->bytes() == edited);
        QCOMPARE(t.shown(*page), shownEdited);
    }

    // Showing a component never changes it: stored values a page would refuse stay as they are, shown as
    // stored, until the user edits them.
    void selectingNeverChangesTheProject()
    {
        editor->newProject(15); // Modbus ASCII: word types 4x and 3x (an input register, read only)
        CMainView& w = *editor->project().CurrentView();
        auto input = std::make_unique<CRegister>(16, CPoint{panelToCanvas(0), panelToCanvas(0)});
        input->registerType = 1; // 3x
        input->set = 1;
        input->password = 1;
        input->doubleSize = 2; // a flag byte other than 0 or 1
        w.AppendComponent(std::move(input));
        auto led = std::make_unique<CLight>(16, CPoint{panelToCanvas(100), panelToCanvas(40)});
        led->registerType = 9; // past the protocol's bit types
        w.AppendComponent(std::move(led));
        editor->doc().reset();
        // Selecting moves the component to the head of the list: compare the components, not their order.
        const auto components = [&w] {
            std::vector<Bytes> all;
            for (const auto& c : w.components())
                all.push_back(WriteComponent(*c));
            std::sort(all.begin(), all.end());
            return all;
        };
        const auto before = components();
        for (QPoint at : {QPoint{panelToCanvas(100) + 4, panelToCanvas(40) + 4}, QPoint{4, 4}}) {
            click(&canvas(), at);
            QVERIFY(pages().current());
            QVERIFY(components() == before);
            QVERIFY(!editor->frame->document().IsModified());
            QCOMPARE(editor->doc().undoStack().count(), 0);
        }
        auto* reg = qobject_cast<CRegisterPage*>(pages().current());
        QVERIFY(reg);
        QVERIFY(reg->setBox()->isChecked());
        QVERIFY(!reg->setBox()->isEnabled());
        QVERIFY(reg->passwordBox()->isChecked());
    }

    // "€" has only a one-byte code, "ő" none: the panel cannot show either. Typed or pasted, they are not
    // taken, and the status bar says why.
    void charactersThePanelCannotShowAreRefusedAndTold()
    {
        auto* text = place<CTextPage>(kCmdText, {10, 10});
        QVERIFY(text);
        retype(text->textField(), "Pump");
        const Bytes before = editor->bytes();
        text->textField()->setFocus();
        text->textField()->end(false);
        typeText(text->textField(), QStringLiteral("\u20AC"));
        QCOMPARE(text->textField()->text(), QStringLiteral("Pump"));
        QVERIFY(editor->bytes() == before);
        QVERIFY(
            editor->frame->statusBar()->currentMessage().contains(QStringLiteral("cannot show \"\u20AC\"")));
        text->textField()->insert(QStringLiteral("\u0151 \u6E29"));
        QCOMPARE(text->textField()->text(), QStringLiteral("Pump \u6E29"));
        QVERIFY(
            editor->frame->statusBar()->currentMessage().contains(QStringLiteral("cannot show \"\u0151\"")));
    }

    void everyKindRoundTrips()
    {
        auto* text = place<CTextPage>(kCmdText, {10, 10});
        QVERIFY(text);
        retype(text->textField(), "Pump");
        text->doubleBox()->click();

        auto* led = place<CLedPage>(kCmdLed, {300, 10});
        QVERIFY(led);
        choose(const_cast<CBoundComboBox*>(led->operand().type), led->operand().type->count() - 1);
        retype(led->operand().address, "12");
        retype(led->operand().station, "3");

        auto* key = place<CFunctionPage>(kCmdFunctionKey, {360, 10});
        QVERIFY(key);
        key->actionRadios()->button(CFunction::kJumpTo)->click();
        retype(key->windowEdit(), "7");
        key->handBox()->click();

        auto* reg = place<CRegisterPage>(kCmdRegister, {10, 90});
        QVERIFY(reg);
        retype(reg->digitsEdit(), "6");
        retype(reg->decimalsEdit(), "2");
        reg->setBox()->click();
        reg->limitedBox()->click();
        retype(reg->limitEdit(0), "900");

        auto* dyn = place<CDynamicPage>(kCmdDynamicText, {150, 90});
        QVERIFY(dyn);
        emit dyn->grid()->cellClicked(2, 0);
        QTest::keyClicks(dyn->valueEditor(), "3");
        emit dyn->grid()->cellClicked(2, 1);
        QTest::keyClicks(dyn->contentEditor(), "Stop");

        auto* bar = place<CBarTidePage>(kCmdBarGraph, {250, 60});
        QVERIFY(bar);
        choose(bar->directionBox(), 3);
        retype(bar->highEdit(), "500");

        auto* trend = place<CBarTidePage>(kCmdTrendLine, {10, 40});
        QVERIFY(trend);
        retype(trend->dotsEdit(), "30");

        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString bmp = dir.filePath("p.bmp");
        QVERIFY(image.save(bmp, "BMP"));
        editor->files.paths = {bmp};
        auto* picture = place<CPicturePage>(kCmdPicture, {400, 100});
        QVERIFY(picture);
        QCOMPARE(picture->widthEdit()->text(), QString("24"));

        const std::string before = describe(editor->project());
        for (const char* expected : {"\"Pump\"", "\"Stop\"", "\"windowNumber\": 7", "\"maxInput\": 900",
                                     "\"direction\": 3", "\"sampleDots\": 30", "\"address\": 12"})
            QVERIFY2(before.find(expected) != std::string::npos, expected);

        const QString file = dir.filePath("all.pjz");
        editor->files.paths = {file};
        editor->trigger(kCmdSaveAs);
        Editor other;
        other.files.paths = {file};
        other.trigger(kCmdOpen);
        // Line by line, so that a failure names the field.
        const QStringList want = fieldLines(before);
        const QStringList got = fieldLines(describe(other.project()));
        for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i) {
            QCOMPARE(QString::number(i) + got[i], QString::number(i) + want[i]);
        }
        QCOMPARE(got.size(), want.size());
    }
};

QTEST_MAIN(PagesInEditorTest)
#include "PagesInEditorTest.moc"
