// The editing document's operations without any widget: each is one step that undo and redo turn back
// into exactly the project bytes before and after it, with the modified mark following; a change of one
// component keeps its object; the PLC Selection's undo puts the tool settings file back too.
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>

#include "components/CBarTide.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "compile/CProjectCheck.h"
#include "editor/document/CEditorDocument.h"
#include "file/CProjectFile.h"
#include "operands/COperandReplace.h"
#include "plc/CProtocolCatalogue.h"
#include "plc/CToolSettings.h"
#include "base/CPrompter.h"

using namespace zl;

namespace
{

class CSilentPrompter : public CPrompter
{
public:
    void message(const std::string&, const std::string&) override {}
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

using Operation = std::function<bool(CEditorDocument&)>;

} // namespace

Q_DECLARE_METATYPE(Operation)

class DocumentOperationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    CSilentPrompter prompter;
    std::string inDat() const { return dir.filePath(QStringLiteral("In.dat")).toStdString(); }

    // A project under the catalogue's first protocol: window 1 with an LED (selected, at the head) and a
    // register whose equal limits a compile repairs, and an empty window 5.
    std::unique_ptr<CEditorDocument> document()
    {
        auto doc = std::make_unique<CEditorDocument>();
        CProject& p = doc->project();
        const Status started = p.StartUp(CProtocolCatalogue::cataloguePath(ZL410_BUILD_DATA_DIR), inDat());
        if (!started)
            qWarning("%s", started.error().text.c_str());
        p.SetProtocol(p.entryTypes().front());
        p.ResetForNewProject();
        p.AddWindow(5, "Five");
        p.currentWindow = 0;
        CMainView& w = *p.CurrentView();
        auto reg = std::make_unique<CRegister>(p.protocol(), CPoint{36, 45});
        reg->minInput = reg->maxInput = 5;
        w.AddComponent(std::move(reg), {36, 45});
        w.AddComponent(std::make_unique<CLight>(p.protocol(), CPoint{90, 18}), {90, 18});
        doc->setToolSettingsPath(inDat());
        doc->reset();
        doc->selectHead();
        return doc;
    }

    // The fixture's window 1 with a bar and a trend line added, all four selected (the bar at the head).
    std::unique_ptr<CEditorDocument> selectedFour()
    {
        auto doc = document();
        CMainView& w = *doc->project().CurrentView();
        w.AddComponent(std::make_unique<CTide>(doc->project().protocol(), CPoint{200, 60}), {200, 60});
        w.AddComponent(std::make_unique<CBar>(doc->project().protocol(), CPoint{330, 9}), {330, 9});
        static_cast<CBarTide&>(*w.head()).width = 30;
        w.head()->Replace();
        doc->reset();
        doc->selectAll();
        return doc;
    }

    // Left, top, right and bottom of each component of the selection, in panel pixels, head first.
    static std::vector<std::array<int, 4>> extents(const CEditorDocument& doc)
    {
        std::vector<std::array<int, 4>> out;
        for (const CBase* c : doc.selection())
            out.push_back({c->x, c->y, c->x + kPanelWidth - c->MaxPanelX(), c->y + kPanelHeight - c->MaxPanelY()});
        return out;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void operationsUndoAndRedoToTheBytes_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("step");
        const auto field = [](CEditorDocument& d) {
            return d.setComponentField(*d.selectedComponent(), QStringLiteral("Address"),
                                       [](CBase& c) { c.address += 1; });
        };
        const std::pair<const char*, std::pair<Operation, const char*>> rows[] = {
            {"place",
             {[](CEditorDocument& d) {
                  return d.placeComponent(std::make_unique<CLight>(d.project().protocol(), CPoint{}),
                                          {180, 90});
              },
              "Place LED"}},
            {"paste",
             {[](CEditorDocument& d) { return d.pasteComponent(d.selectedComponent()->Clone()); },
              "Paste LED"}},
            {"duplicate", {[](CEditorDocument& d) { return d.duplicateSelected(); }, "Duplicate LED"}},
            {"delete", {[](CEditorDocument& d) { return d.deleteSelected(); }, "Delete LED"}},
            {"cut", {[](CEditorDocument& d) { return d.cutSelected(); }, "Cut LED"}},
            {"nudge", {[](CEditorDocument& d) { return d.moveSelected(1, 0); }, "Move LED"}},
            {"drag",
             {[](CEditorDocument& d) {
                  CPoint mouse{95, 20};
                  return d.dragSelected(mouse, {125, 40}, QStringLiteral("drag"));
              },
              "Move LED"}},
            {"component field", {field, "Address"}},
            {"window field",
             {[](CEditorDocument& d) {
                  return d.setWindowField(QStringLiteral("Up jump"), [](CMainView& w) { w.upJump = 5; });
              },
              "Up jump"}},
            {"new window", {[](CEditorDocument& d) { return d.newWindow(9, "Nine"); }, "New window"}},
            {"copy window",
             {[this](CEditorDocument& d) { return d.copyWindow(7, prompter); }, "Copy window"}},
            {"delete window", {[](CEditorDocument& d) { return d.deleteCurrentWindow(); }, "Delete window"}},
            {"panel settings",
             {[](CEditorDocument& d) {
                  CPanelSettings s = d.project().panel;
                  s.password = 1234;
                  return d.setPanelSettings(s);
              },
              "Panel settings"}},
            {"alarm list",
             {[](CEditorDocument& d) {
                  CAlarmList a = d.project().alarms;
                  a.texts.push_back("Pump");
                  return d.setAlarmList(a);
              },
              "Alarm list"}},
            {"PLC selection",
             {[](CEditorDocument& d) {
                  CCommSettings comm = d.project().comm;
                  comm.listPosition = 1;
                  return d.selectPlc(comm, d.project().entryTypes()[1]);
              },
              "PLC Selection"}},
            {"replace operands",
             {[](CEditorDocument& d) {
                  // The register's operand moves 50 on, in window 1 alone.
                  const COperandUse use = indexOperands(d.project()).uses.back();
                  return d.replaceOperands({use.typeName, use.address, use.address},
                                           {use.typeName, static_cast<std::uint16_t>(use.address + 50)});
              },
              "Replace operands"}},
            {"compile corrections",
             {[](CEditorDocument& d) {
                  CCompileInputs inputs;
                  inputs.dataDir = ZL410_BUILD_DATA_DIR;
                  return d.takeCompileCorrections(CheckProject(d.project(), inputs));
              },
              "Compile corrections"}},
        };
        for (const auto& [name, row] : rows)
            QTest::newRow(name) << row.first << QString::fromLatin1(row.second);
    }

    void operationsUndoAndRedoToTheBytes()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, step);
        auto doc = document();
        const Bytes before = WriteProject(doc->project());
        QVERIFY(!doc->isModified());
        QVERIFY(operation(*doc));
        const Bytes after = WriteProject(doc->project());
        QVERIFY(after != before);
        QVERIFY(doc->isModified());
        QCOMPARE(doc->undoStack().count(), 1);
        QCOMPARE(doc->undoStack().undoText(), step);
        doc->undoStack().undo();
        QVERIFY(WriteProject(doc->project()) == before);
        QVERIFY(!doc->isModified());
        doc->undoStack().redo();
        QVERIFY(WriteProject(doc->project()) == after);
        QVERIFY(doc->isModified());
    }

    // A field edit keeps the component object through undo and redo, even when a window-level step in
    // between replaced the window's objects; an edit that changes nothing records no step.
    void componentStepsKeepTheObject()
    {
        auto doc = document();
        CBase& led = *doc->selectedComponent();
        const Bytes original = WriteProject(doc->project());
        QVERIFY(!doc->setComponentField(led, QStringLiteral("X"), [](CBase&) {}));
        QCOMPARE(doc->undoStack().count(), 0);

        QVERIFY(doc->setComponentField(led, QStringLiteral("X"), [](CBase& c) { c.address += 1; }));
        const Bytes edited = WriteProject(doc->project());
        doc->undoStack().undo();
        QCOMPARE(doc->selectedComponent(), &led);
        QVERIFY(WriteProject(doc->project()) == original);
        doc->undoStack().redo();
        QCOMPARE(doc->selectedComponent(), &led);
        QVERIFY(WriteProject(doc->project()) == edited);

        // A place and its undo read window 1 back into new objects: the field step still finds its own.
        QVERIFY(
            doc->placeComponent(std::make_unique<CLight>(doc->project().protocol(), CPoint{}), {270, 90}));
        doc->undoStack().undo();
        QVERIFY(WriteProject(doc->project()) == edited);
        doc->undoStack().undo();
        QVERIFY(WriteProject(doc->project()) == original);
        doc->undoStack().redo();
        QVERIFY(WriteProject(doc->project()) == edited);
    }

    // Key-repeat nudges with one key merge into one step; undoing it gives the start back.
    void mergedNudgesAreOneStep()
    {
        auto doc = document();
        const Bytes original = WriteProject(doc->project());
        for (int i = 0; i < 3; ++i)
            QVERIFY(doc->moveSelected(1, 0, QStringLiteral("key#1")));
        QCOMPARE(doc->undoStack().count(), 1);
        doc->undoStack().undo();
        QVERIFY(WriteProject(doc->project()) == original);
    }

    // Every operation on a selection of several is one step named with their number; undo gives back the
    // bytes and the selection, redo the bytes after.
    void selectionStepsUndoToTheBytesAndTheSet_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("step");
        using A = CEditorDocument::Align;
        const std::pair<const char*, std::pair<Operation, const char*>> rows[] = {
            {"nudge", {[](CEditorDocument& d) { return d.moveSelected(-4, 0); }, "Move 4 components"}},
            {"drag",
             {[](CEditorDocument& d) {
                  CPoint mouse{340, 20};
                  const bool moved = d.dragSelected(mouse, {322, 38}, QStringLiteral("drag"));
                  return moved && mouse == CPoint{322, 38};
              },
              "Move 4 components"}},
            {"delete", {[](CEditorDocument& d) { return d.deleteSelected(); }, "Delete 4 components"}},
            {"cut", {[](CEditorDocument& d) { return d.cutSelected(); }, "Cut 4 components"}},
            {"duplicate", {[](CEditorDocument& d) { return d.duplicateSelected(); }, "Duplicate 4 components"}},
            {"align left", {[](CEditorDocument& d) { return d.alignSelection(A::Left); }, "Align 4 components"}},
            {"align right", {[](CEditorDocument& d) { return d.alignSelection(A::Right); }, "Align 4 components"}},
            {"align top", {[](CEditorDocument& d) { return d.alignSelection(A::Top); }, "Align 4 components"}},
            {"align bottom", {[](CEditorDocument& d) { return d.alignSelection(A::Bottom); }, "Align 4 components"}},
            {"align centre", {[](CEditorDocument& d) { return d.alignSelection(A::HorizontalCentre); },
                              "Align 4 components"}},
            {"align middle", {[](CEditorDocument& d) { return d.alignSelection(A::VerticalCentre); },
                              "Align 4 components"}},
            {"distribute across",
             {[](CEditorDocument& d) { return d.distributeSelection(true); }, "Distribute 4 components"}},
            {"distribute down",
             {[](CEditorDocument& d) { return d.distributeSelection(false); }, "Distribute 4 components"}},
            {"same size", {[](CEditorDocument& d) { return d.sameSizeSelection(true, true); }, "Resize 4 components"}},
        };
        for (const auto& [name, row] : rows)
            QTest::newRow(name) << row.first << QString::fromLatin1(row.second);
    }

    void selectionStepsUndoToTheBytesAndTheSet()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, step);
        auto doc = selectedFour();
        QCOMPARE(doc->selection().size(), std::size_t(4));
        const Bytes before = WriteProject(doc->project());
        QVERIFY(operation(*doc));
        const Bytes after = WriteProject(doc->project());
        QVERIFY(after != before);
        QCOMPARE(doc->undoStack().count(), 1);
        QCOMPARE(doc->undoStack().undoText(), step);
        doc->undoStack().undo();
        QVERIFY(WriteProject(doc->project()) == before);
        QCOMPARE(doc->selection().size(), std::size_t(4));
        doc->undoStack().redo();
        QVERIFY(WriteProject(doc->project()) == after);
    }

    // What the arrangements do, in panel pixels: edges and centres line up, a group pushed off the panel
    // stops whole at its edge, gaps come out even, and sizes follow the head within the panel.
    void arrangingLinesUpAndKeepsThePanel()
    {
        auto doc = selectedFour();
        using A = CEditorDocument::Align;
        const auto all = [&](int side, auto expect) {
            for (const auto& e : extents(*doc))
                if (e[side] != expect(e))
                    return false;
            return true;
        };
        // Each edge of the selection's bounding box as it is at the time.
        const auto outermost = [&](int side, bool most) {
            int edge = most ? 0 : kPanelWidth;
            for (const auto& e : extents(*doc))
                edge = most ? std::max(edge, e[side]) : std::min(edge, e[side]);
            return edge;
        };
        const int left = outermost(0, false);
        QVERIFY(doc->alignSelection(A::Left));
        QVERIFY(all(0, [&](const auto&) { return left; }));
        const int right = outermost(2, true);
        QVERIFY(doc->alignSelection(A::Right));
        QVERIFY(all(2, [&](const auto&) { return right; }));
        QVERIFY(!doc->alignSelection(A::Right)); // already so: no step

        // Far up and left: the group stops where its topmost and leftmost members meet the edges.
        const auto lined = extents(*doc);
        QVERIFY(doc->moveSelected(-500, -500));
        const auto moved = extents(*doc);
        int top = kPanelHeight;
        for (std::size_t i = 0; i < moved.size(); ++i) {
            QCOMPARE(moved[i][0] - lined[i][0], moved[0][0] - lined[0][0]);
            QCOMPARE(moved[i][1] - lined[i][1], moved[0][1] - lined[0][1]);
            top = std::min(top, moved[i][1]);
        }
        QCOMPARE(top, 0);
        QCOMPARE(std::min_element(moved.begin(), moved.end(), [](auto& a, auto& b) { return a[0] < b[0]; })->at(0), 0);

        doc->undoStack().undo();
        doc->undoStack().undo();
        doc->undoStack().undo();
        QVERIFY(doc->distributeSelection(true));
        auto spaced = extents(*doc);
        std::sort(spaced.begin(), spaced.end());
        for (std::size_t i = 2; i < spaced.size(); ++i)
            QVERIFY(std::abs((spaced[i][0] - spaced[i - 1][2]) - (spaced[1][0] - spaced[0][2])) <= 1);

        // The head is the bar 30 wide; the trend line takes its width, the LED and register keep theirs.
        QVERIFY(doc->sameSizeSelection(true, false));
        const auto sized = doc->selection();
        QCOMPARE(int(static_cast<CBarTide*>(sized[0])->width), 30);
        const auto tide = std::find_if(sized.begin(), sized.end(), [](CBase* c) { return dynamic_cast<CTide*>(c); });
        QCOMPARE(int(static_cast<CTide*>(*tide)->width), 30);
        QVERIFY(static_cast<CTide*>(*tide)->sampleDots <= 28);
    }

    // Shift+click adds and moves the head, Ctrl+click takes out (the head too), a plain click on a member
    // keeps the set, elsewhere it ends; the band takes what lies wholly inside; another window ends the set.
    void clicksAndTheBandMakeTheSet()
    {
        auto doc = selectedFour();
        const std::vector<CBase*> four = doc->selection();
        const auto centre = [](const CBase* c) { return CPoint{(c->rect.left + c->rect.right) / 2, (c->rect.top + c->rect.bottom) / 2}; };
        QVERIFY(doc->selectAt(centre(four[2])));
        QCOMPARE(doc->selection().size(), std::size_t(4));
        QCOMPARE(doc->selectedComponent(), four[2]);

        QVERIFY(doc->extendSelectionAt(centre(four[2]), true)); // the head leaves
        QCOMPARE(doc->selection().size(), std::size_t(3));
        QVERIFY(!doc->isSelected(four[2]));
        QVERIFY(doc->extendSelectionAt(centre(four[2]), false)); // and comes back as the head
        QCOMPARE(doc->selectedComponent(), four[2]);
        QCOMPARE(doc->selection().size(), std::size_t(4));
        QVERIFY(doc->extendSelectionAt(centre(four[1]), true));
        QCOMPARE(doc->selection().size(), std::size_t(3));
        QCOMPARE(doc->selectedComponent(), four[2]);

        QVERIFY(!doc->selectAt({431, 143}));
        QVERIFY(doc->selection().empty());
        QVERIFY(doc->extendSelectionAt(centre(four[3]), false));
        QCOMPARE(doc->selection().size(), std::size_t(1));

        doc->selectInside(four[0]->rect.united(four[1]->rect), false);
        QCOMPARE(doc->selection().size(), std::size_t(2));
        QVERIFY(doc->isSelected(four[0]) && doc->isSelected(four[1]));
        doc->selectInside(four[3]->rect, true);
        QCOMPARE(doc->selection().size(), std::size_t(3));
        doc->selectInside({0, 0, 1, 1}, false);
        QVERIFY(doc->selection().empty());

        doc->selectAll();
        doc->setCurrentWindow(1);
        doc->setCurrentWindow(0);
        QVERIFY(doc->selection().empty());
        QCOMPARE(doc->undoStack().count(), 0); // none of it was an edit
    }

    // The PLC Selection writes the new protocol's list position into In.dat (the dialog does); undoing
    // the step puts the old position back, keeping the port byte, and redoing it sets the new one again.
    void plcSelectionUndoPutsTheToolSettingsBack()
    {
        auto doc = document();
        QVERIFY(doc->project().entryTypes().size() >= 2);
        CCommSettings comm = doc->project().comm;
        comm.listPosition = 1;
        QVERIFY((CToolSettings{1, 5}.Write(inDat())));
        QVERIFY(doc->selectPlc(comm, doc->project().entryTypes()[1]));
        const auto stored = [&] {
            const Result<CToolSettings> s = CToolSettings::Read(inDat());
            return s ? std::pair<int, int>{s->listPosition, s->portIndex} : std::pair<int, int>{-1, -1};
        };
        doc->undoStack().undo();
        QCOMPARE(doc->project().protocol(), unsigned(doc->project().entryTypes()[0]));
        QCOMPARE(int(doc->project().comm.listPosition), 0);
        QCOMPARE(stored(), (std::pair<int, int>{0, 5}));
        doc->undoStack().redo();
        QCOMPARE(int(doc->project().comm.listPosition), 1);
        QCOMPARE(stored(), (std::pair<int, int>{1, 5}));
    }
};

QTEST_MAIN(DocumentOperationsTest)
#include "DocumentOperationsTest.moc"
