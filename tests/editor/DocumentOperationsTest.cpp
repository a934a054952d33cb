// The editing document's operations without any widget: each is one step that undo and redo turn back
// into exactly the project bytes before and after it, with the modified mark following; a change of one
// component keeps its object; the PLC Selection's undo puts the tool settings file back too.
#include <QTemporaryDir>
#include <QTest>

#include <functional>

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
