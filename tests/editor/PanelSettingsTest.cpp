// "VT306 config": what the dialog enables and shows, what "Ok" and "Cancel" leave in the project.
#include <QButtonGroup>
#include <QLabel>

#include "EditorTesting.h"
#include "editor/controls/CBoundControls.h"
#include "editor/CCommands.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CPanelSettingsDialog.h"
#include "editor/document/CZL110Doc.h"

using namespace zl;
using namespace zl::test;

namespace
{

void typeInto(CNumEdit* edit, const char* keys)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

// The label beside each status box: its text, or "-" while it is hidden.
QString labels(CPanelSettingsDialog& d)
{
    QStringList shown;
    for (int bit = 0; bit < 3; ++bit)
        shown << (d.addressLabel(bit)->isHidden() ? QStringLiteral("-") : d.addressLabel(bit)->text());
    return shown.join('|');
}

} // namespace

class PanelSettingsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    void start(unsigned protocol)
    {
        editor = std::make_unique<Editor>();
        editor->newProject(int(protocol) - 1);
        editor->frame->document().SetModifiedFlag(false);
    }
    // Runs the dialog, lets `act` work in it, then closes it with "Ok" or "Cancel".
    void run(std::function<void(CPanelSettingsDialog&)> act, bool ok)
    {
        onNextDialog<CPanelSettingsDialog>([act, ok](CPanelSettingsDialog& d) {
            QApplication::setActiveWindow(&d);
            act(d);
            ok ? d.accept() : d.reject();
        });
        editor->trigger(kCmdPanelConfig);
    }
    bool modified() const { return editor->frame->document().IsModified(); }

private slots:
    void cleanup() { editor.reset(); }

    void addressLabels_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("address"); // typed into the control address
        QTest::addColumn<int>("ticked");      // status bits clicked on
        QTest::addColumn<QString>("labels");
        QTest::newRow("step 2, all three") << 2 << "100" << 7 << " VW100| VW102| VW104";
        QTest::newRow("step 1, all three") << 3 << "100" << 7 << " 4x100| 4x101| 4x102";
        QTest::newRow("only the RTC module") << 2 << "100" << 4 << "-|-| VW100";
        QTest::newRow("report and RTC") << 2 << "100" << 6 << "-| VW100| VW102";
        QTest::newRow("protocol 15's colon") << 15 << "20" << 3 << " N7:20| N7:21|-";
        QTest::newRow("16-bit wrap") << 3 << "65535" << 7 << " 4x65535| 4x0| 4x1";
        QTest::newRow("none") << 2 << "100" << 0 << "-|-|-";
    }

    void addressLabels()
    {
        QFETCH(int, protocol);
        QFETCH(QString, address);
        QFETCH(int, ticked);
        start(unsigned(protocol));
        QString shown;
        run(
            [&](CPanelSettingsDialog& d) {
                for (int bit = 0; bit < 3; ++bit) {
                    if (ticked & (1 << bit))
                        QTest::mouseClick(d.statusBox(bit), Qt::LeftButton);
                }
                if (ticked)
                    typeInto(d.addressEdit(), address.toLatin1().constData());
                shown = labels(d);
            },
            true);
        QTEST(shown, "labels");
        QCOMPARE(int(editor->project().panel.statusFlags), ticked);
    }

    void enablingFollowsTheBoxesAndTheAction()
    {
        start(3);
        run(
            [](CPanelSettingsDialog& d) {
                // Nothing ticked: the control block is unused.
                QVERIFY(!d.addressEdit()->isEnabled());
                QVERIFY(!d.stationEdit()->isEnabled());
                QVERIFY(!d.typeCombo()->isEnabled());
                QVERIFY(!d.directionLabel(0)->isEnabled());
                QTest::mouseClick(d.statusBox(1), Qt::LeftButton);
                QVERIFY(d.addressEdit()->isEnabled());
                QVERIFY(d.stationEdit()->isEnabled());
                QVERIFY(!d.typeCombo()->isEnabled()); // protocol 3 has one control area
                QVERIFY(d.directionLabel(1)->isEnabled());
                QVERIFY(!d.directionLabel(0)->isEnabled());
                QTest::mouseClick(d.statusBox(1), Qt::LeftButton);
                QVERIFY(!d.addressEdit()->isEnabled());

                // "Backlight Off" keeps the window number but disables its edit.
                d.saverActionGroup()->button(1)->click();
                QVERIFY(d.saverWindowEdit()->isEnabled());
                typeInto(d.saverWindowEdit(), "12");
                d.saverActionGroup()->button(0)->click();
                QVERIFY(!d.saverWindowEdit()->isEnabled());
            },
            true);
        QCOMPARE(int(editor->project().panel.screenSaverWindow), 12);
        QCOMPARE(int(editor->project().panel.screenSaverAction), 0);
    }

    void protocolRules_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("boxes");   // status boxes enabled
        QTest::addColumn<bool>("type");    // type combo enabled once a box is ticked
        QTest::addColumn<bool>("station"); // station enabled once a box is ticked
        QTest::addColumn<QString>("types");
        QTest::newRow("1: no status flags") << 1 << false << false << false << "B,W,D";
        QTest::newRow("2: no control block") << 2 << true << false << true << "VW,VD";
        QTest::newRow("15: no station") << 15 << true << true << false << "N7,N9,N10,N11,N12,N13,N14,N15";
        QTest::newRow("19") << 19 << true << true << true << "3x,4x,5x,6x";
        QTest::newRow("20: one area") << 20 << true << false << true << "D,SD,Z,T,C,C_double";
    }

    void protocolRules()
    {
        QFETCH(int, protocol);
        start(unsigned(protocol));
        bool boxes = false, type = false, station = false;
        QStringList types;
        run(
            [&](CPanelSettingsDialog& d) {
                boxes = d.statusBox(0)->isEnabled();
                d.statusBox(2)->click();
                type = d.typeCombo()->isEnabled();
                station = d.stationEdit()->isEnabled();
                for (int i = 0; i < d.typeCombo()->count(); ++i)
                    types << d.typeCombo()->itemText(i);
            },
            false);
        QTEST(boxes, "boxes");
        QTEST(type, "type");
        QTEST(station, "station");
        QTEST(types.join(','), "types");
    }

    void rangesRefuseKeystrokes()
    {
        start(3);
        QString password, address;
        run(
            [&](CPanelSettingsDialog& d) {
                typeInto(d.passwordEdit(), "10001");
                password = d.passwordEdit()->text();
                QTest::mouseClick(d.statusBox(0), Qt::LeftButton);
                // Protocol 3 counts its registers from 1: a 0 is brought to 1 as the focus moves on.
                typeInto(d.addressEdit(), "0");
                d.passwordEdit()->setFocus();
                address = d.addressEdit()->text();
            },
            true);
        QCOMPARE(password, QStringLiteral("1000"));
        QCOMPARE(int(editor->project().panel.password), 1000);
        QCOMPARE(address, QStringLiteral("1"));
    }

    void okWritesEverything()
    {
        start(19);
        run(
            [](CPanelSettingsDialog& d) {
                typeInto(d.initialWindowEdit(), "7");
                typeInto(d.passwordEdit(), "1234");
                d.saverDelayCombo()->setCurrentIndex(10);
                emit d.saverDelayCombo()->activated(10);
                d.saverActionGroup()->button(1)->click();
                typeInto(d.saverWindowEdit(), "9");
                QTest::mouseClick(d.statusBox(0), Qt::LeftButton);
                QTest::mouseClick(d.statusBox(2), Qt::LeftButton);
                d.typeCombo()->setCurrentIndex(2);
                emit d.typeCombo()->activated(2);
                typeInto(d.addressEdit(), "300");
                typeInto(d.stationEdit(), "17");
            },
            true);
        const CPanelSettings& p = editor->project().panel;
        QCOMPARE(int(p.initialWindow), 7);
        QCOMPARE(int(p.password), 1234);
        QCOMPARE(int(p.screenSaverDelay), 10);
        QCOMPARE(int(p.screenSaverAction), 1);
        QCOMPARE(int(p.screenSaverWindow), 9);
        QCOMPARE(int(p.statusFlags), 5);
        QCOMPARE(int(p.controlRegisterType), 2);
        QCOMPARE(int(p.controlRegisterAddress), 300);
        QCOMPARE(int(p.controlStation), 17);
        QVERIFY(modified());
    }

    void cancelAndUnchangedOkLeaveTheProject()
    {
        start(2);
        const CPanelSettings before = editor->project().panel;
        run(
            [](CPanelSettingsDialog& d) {
                typeInto(d.passwordEdit(), "55");
                QTest::mouseClick(d.statusBox(0), Qt::LeftButton);
            },
            false);
        QVERIFY(editor->project().panel == before);
        QVERIFY(!modified());
        run([](CPanelSettingsDialog&) {}, true);
        QVERIFY(editor->project().panel == before);
        QVERIFY(!modified());
    }

    void commandFollowsTheProject()
    {
        editor = std::make_unique<Editor>();
        QVERIFY(!editor->frame->action(kCmdPanelConfig)->isEnabled());
        editor->newProject(2);
        QVERIFY(editor->frame->action(kCmdPanelConfig)->isEnabled());
    }

    void okIsOneUndoStep()
    {
        start(2);
        const CPanelSettings before = editor->project().panel;
        run(
            [](CPanelSettingsDialog& d) {
                typeInto(d.passwordEdit(), "77");
                QTest::mouseClick(d.statusBox(2), Qt::LeftButton);
            },
            true);
        QUndoStack& history = editor->doc().undoStack();
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), QStringLiteral("Panel settings"));
        history.undo();
        QVERIFY(editor->project().panel == before);
        QVERIFY(!modified());
        history.redo();
        QCOMPARE(int(editor->project().panel.password), 77);
        QCOMPARE(int(editor->project().panel.statusFlags), 4);
    }
};

QTEST_MAIN(PanelSettingsTest)
#include "PanelSettingsTest.moc"
