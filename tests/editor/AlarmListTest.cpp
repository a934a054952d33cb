// "Alarm list": editing texts in the grid, the coil controls and their labels, closing, and what a compile
// makes of the result.
#include <QAction>
#include <QTableWidget>

#include "EditorTesting.h"
#include "base/Gbk.h"
#include "compile/CImageCompiler.h"
#include "editor/dialogs/CAlarmListDialog.h"
#include "editor/controls/CBoundControls.h"
#include "editor/CCommands.h"
#include "editor/controls/CGridCtrl.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CPanelSettingsDialog.h"
#include "editor/document/CZL110Doc.h"

using namespace zl;
using namespace zl::test;

namespace
{

// Presses the mouse on the text cell of grid row `row`, as the user starts editing it.
void clickRow(CAlarmListDialog& d, int row)
{
    QTableWidget* table = d.grid()->table();
    const QRect cell = table->visualRect(table->model()->index(row - 1, 1));
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
}

void clearCell(CAlarmListDialog& d)
{
    d.cellEditor()->selectAll();
    QTest::keyClick(d.cellEditor(), Qt::Key_Backspace);
}

void typeInto(CNumEdit* edit, const char* keys)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

void chooseType(CAlarmListDialog& d, int index)
{
    d.typeCombo()->setCurrentIndex(index);
    emit d.typeCombo()->activated(index);
}

QStringList column(CAlarmListDialog& d, int col)
{
    QStringList cells;
    for (int row = 1; row < d.grid()->Rows(); ++row)
        cells << d.grid()->TextMatrix(row, col);
    return cells;
}

std::vector<std::string> gbk(const QStringList& texts)
{
    std::vector<std::string> out;
    for (const QString& t : texts)
        out.push_back(*utf8ToGbk(t.toStdString()));
    return out;
}

} // namespace

class AlarmListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    void start(unsigned protocol, const QStringList& texts = {})
    {
        editor = std::make_unique<Editor>();
        editor->newProject(int(protocol) - 1);
        editor->project().alarms.texts = gbk(texts);
        editor->frame->document().SetModifiedFlag(false);
    }
    // Runs the dialog, lets `act` work in it, then closes it with "Ok" or "Cancel".
    void run(std::function<void(CAlarmListDialog&)> act, bool ok = true)
    {
        onNextDialog<CAlarmListDialog>([act, ok](CAlarmListDialog& d) {
            QApplication::setActiveWindow(&d);
            act(d);
            ok ? d.accept() : d.reject();
        });
        editor->trigger(kCmdAlarmList);
    }
    std::vector<std::string> texts() const { return editor->project().alarms.texts; }
    bool modified() const { return editor->frame->document().IsModified(); }

private slots:
    void cleanup() { editor.reset(); }

    void appendingGrowsTheGrid()
    {
        start(3, {"a", "b", "c"});
        int rows = 0, grown = 0;
        run([&](CAlarmListDialog& d) {
            rows = d.grid()->Rows();
            QCOMPARE(d.grid()->TextMatrix(0, 0), QStringLiteral("Coil"));
            QCOMPARE(d.grid()->TextMatrix(0, 1), QStringLiteral("Alarm description"));
            clickRow(d, 4);
            QVERIFY(d.cellEditor()->isVisible());
            typeText(d.cellEditor(), QStringLiteral("报警d"));
            grown = d.grid()->Rows();
        });
        QCOMPARE(rows, 5); // header, three texts, the empty row for a new one
        QCOMPARE(grown, 6);
        QCOMPARE(texts(), gbk({"a", "b", "c", "报警d"}));
        QVERIFY(modified());
    }

    void clearingTexts()
    {
        start(3, {"a", "b", "c", "d"});
        run([](CAlarmListDialog& d) {
            clickRow(d, 2); // the middle keeps its place
            clearCell(d);
            QVERIFY(!d.cellEditor()->isVisible());
            QCOMPARE(column(d, 1), (QStringList{"a", "", "c", "d", ""}));
            clickRow(d, 3);
            clearCell(d);
            clickRow(d, 4); // the last goes, and the empty texts before it
            clearCell(d);
            QCOMPARE(column(d, 1), (QStringList{"a", ""}));
        });
        QCOMPARE(texts(), gbk({"a"}));
    }

    void okDropsTrailingEmptyTexts()
    {
        start(3, {"a", "", ""});
        run([](CAlarmListDialog& d) { QCOMPARE(d.grid()->Rows(), 5); });
        QCOMPARE(texts(), gbk({"a"}));
        QVERIFY(modified());
    }

    void textsAreGbkWithinTheLimit()
    {
        start(3);
        QString shown;
        run([&](CAlarmListDialog& d) {
            clickRow(d, 1);
            typeText(d.cellEditor(), QStringLiteral("温度한")); // Hangul has no GBK code
            QTest::qWait(0);                                    // the refused key's queue is dropped
            typeText(d.cellEditor(), QStringLiteral("高"));
            QTest::keyClicks(d.cellEditor(), QString(30, 'x'));
            shown = d.cellEditor()->text();
        });
        QCOMPARE(shown, QStringLiteral("温度高") + QString(18, 'x')); // 24 GBK bytes
        QCOMPARE(texts(), gbk({QStringLiteral("温度高") + QString(18, 'x')}));
    }

    // A text stored longer than the 24-byte limit keeps its length until the user shortens it.
    void longerLoadedTextsAreNeverCut()
    {
        start(3, {QString(30, 'y')});
        QString shown;
        run([&](CAlarmListDialog& d) {
            clickRow(d, 1);
            d.cellEditor()->end(false);
            QTest::keyClick(d.cellEditor(), Qt::Key_Backspace);
            QTest::keyClicks(d.cellEditor(), "z"); // longer than the text was: refused
            shown = d.cellEditor()->text();
        });
        QCOMPARE(shown, QString(29, 'y'));
        QCOMPARE(texts(), gbk({QString(29, 'y')}));
    }

    void cancelRestoresTheTextsButNotTheCoil()
    {
        start(3, {"a", "b"});
        run(
            [](CAlarmListDialog& d) {
                clickRow(d, 1);
                QTest::keyClicks(d.cellEditor(), "x");
                clickRow(d, 3);
                QTest::keyClicks(d.cellEditor(), "c");
                typeInto(d.addressEdit(), "12");
            },
            false);
        QCOMPARE(texts(), gbk({"a", "b"}));
        QCOMPARE(int(editor->project().alarms.address), 12);
        QVERIFY(modified());
    }

    void escapeRestoresTheTexts()
    {
        start(2, {"a"}); // a protocol whose new coil lies in the controls' ranges
        run(
            [](CAlarmListDialog& d) {
                clickRow(d, 1);
                QTest::keyClicks(d.cellEditor(), "x");
                QTest::keyClick(d.cellEditor(), Qt::Key_Escape);
                QVERIFY(!d.isVisible());
            },
            false);
        QCOMPARE(texts(), gbk({"a"}));
        QVERIFY(!modified());
    }

    void offsetPastTheRegisterRemovesTexts()
    {
        start(1, {"a", "b", "c"});
        int rows = 0;
        run([&](CAlarmListDialog& d) {
            QVERIFY(d.offsetEdit()->isVisible());
            chooseType(d, 1); // "W": 16 bits
            typeInto(d.offsetEdit(), "e");
            rows = d.grid()->Rows();
        });
        QCOMPARE(rows, 4);
        QCOMPARE(texts(), gbk({"a", "b"}));
        QCOMPARE(int(editor->project().alarms.offset), 14);
    }

    void typeChangeTrimsToTheRegister()
    {
        QStringList many;
        for (int i = 0; i < 20; ++i)
            many << QString::number(i);
        start(1, many);
        editor->project().alarms.registerType = 2; // "D": 32 bits
        int rows = 0;
        run([&](CAlarmListDialog& d) {
            QCOMPARE(d.grid()->Rows(), 22);
            chooseType(d, 0); // "B": 8 bits
            rows = d.grid()->Rows();
        });
        QCOMPARE(rows, 9); // eight texts and no empty row
        QCOMPARE(int(texts().size()), 8);
    }

    void enterWalksDown()
    {
        QStringList many;
        for (int i = 1; i <= 20; ++i)
            many << QString::number(i);
        start(3, many);
        run([](CAlarmListDialog& d) {
            clickRow(d, 3);
            QTest::keyClick(d.cellEditor(), Qt::Key_Return);
            QCOMPARE(d.editedRow(), 4);
            QCOMPARE(d.cellEditor()->text(), QStringLiteral("4"));
            clickRow(d, 16);
            QVERIFY(d.cellEditor()->isVisible());
            QTest::keyClick(d.cellEditor(), Qt::Key_Return);
            QVERIFY(!d.cellEditor()->isVisible()); // no further down than row 16
            QVERIFY(d.isVisible());
        });
        QCOMPARE(int(texts().size()), 20);
    }

    void enterAtTheLimitGoesBackToTheFirstRow()
    {
        start(1, {"1", "2", "3", "4", "5", "6", "7", "8"});
        run([](CAlarmListDialog& d) {
            QCOMPARE(d.grid()->Rows(), 9); // "B" holds 8 bits: no empty row
            clickRow(d, 8);
            QTest::keyClick(d.cellEditor(), Qt::Key_Return);
            QCOMPARE(d.editedRow(), 1);
            QCOMPARE(d.cellEditor()->text(), QStringLiteral("1"));
        });
    }

    void coilLabels_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("address");    // typed
        QTest::addColumn<QString>("subAddress"); // typed when the edit is shown
        QTest::addColumn<bool>("subShown");
        QTest::addColumn<QString>("labels");
        QTest::newRow("1: offset, hexadecimal") << 1 << 1 << "12"
                                                << "3" << true << "0012 03 00|0012 03 01|0012 03 02";
        QTest::newRow("2: bytes of eight bits") << 2 << 0 << "10"
                                                << "6" << true << "M10.6|M10.7|M11.0";
        QTest::newRow("3") << 3 << 1 << "1"
                           << "" << false << "1x/1|1x/2|1x/3";
        QTest::newRow("7: octal") << 7 << 0 << "7"
                                  << "" << false << "M7|M10|M11";
        QTest::newRow("11: sub-address fixed at 0") << 11 << 0 << "5"
                                                    << "" << true << "M50|M51|M52";
        QTest::newRow("15") << 15 << 2 << "4"
                            << "e" << true << "B10:4/e|B10:4/f|B10:5/0";
        QTest::newRow("19 0x") << 19 << 0 << "100"
                               << "" << false << "0x100|0x101|0x102";
        QTest::newRow("19 4x") << 19 << 1 << "100"
                               << "f" << true << "4x100.f|4x101.0|4x101.1";
        QTest::newRow("20") << 20 << 1 << "100"
                            << "" << false << "SM100|SM101|SM102";
        QTest::newRow("29") << 29 << 1 << "3"
                            << "7" << true << "Q3.7|Q4.0|Q4.1";
    }

    void coilLabels()
    {
        QFETCH(int, protocol);
        QFETCH(int, type);
        QFETCH(QString, address);
        QFETCH(QString, subAddress);
        start(unsigned(protocol), {"a", "b", "c"});
        bool subShown = false;
        QStringList labels;
        run([&](CAlarmListDialog& d) {
            chooseType(d, type);
            typeInto(d.addressEdit(), address.toLatin1().constData());
            subShown = d.subAddressEdit()->isVisible();
            if (subShown)
                typeInto(d.subAddressEdit(), subAddress.toLatin1().constData());
            labels = column(d, 0).mid(0, 3);
        });
        QTEST(subShown, "subShown");
        QTEST(labels.join('|'), "labels");
    }

    void closingUnchangedAddsNothing()
    {
        start(2, {"a"}); // a protocol whose new coil lies in the controls' ranges
        run([](CAlarmListDialog& d) {
            clickRow(d, 1);
            QTest::keyClick(d.cellEditor(), Qt::Key_End); // the placed editor selects its text
            QTest::keyClicks(d.cellEditor(), "b");
            QTest::keyClick(d.cellEditor(), Qt::Key_Backspace);
        });
        QVERIFY(!modified());
        run([](CAlarmListDialog&) {}, false);
        QVERIFY(!modified());
    }

    // Both dialogs edited, then compiled: the image carries what was typed.
    void compiledImageCarriesWhatWasEntered()
    {
        start(3, {"a"});
        onNextDialog<CPanelSettingsDialog>([](CPanelSettingsDialog& d) {
            typeInto(d.passwordEdit(), "1234");
            d.saverDelayCombo()->setCurrentIndex(5);
            emit d.saverDelayCombo()->activated(5);
            QTest::mouseClick(d.statusBox(0), Qt::LeftButton);
            QTest::mouseClick(d.statusBox(2), Qt::LeftButton);
            typeInto(d.addressEdit(), "300");
            typeInto(d.stationEdit(), "9");
            d.accept();
        });
        editor->trigger(kCmdPanelConfig);
        run([](CAlarmListDialog& d) {
            typeInto(d.stationEdit(), "5");
            chooseType(d, 1); // "1x"
            typeInto(d.addressEdit(), "100");
            clickRow(d, 2);
            typeText(d.cellEditor(), QStringLiteral("高温"));
        });

        auto compiled = CImageCompiler::Compile(
            editor->project(),
            {ZL410_BUILD_DATA_DIR, editor->configFile(QStringLiteral("In.dat")).toStdString()});
        QVERIFY(compiled);
        const Bytes& image = compiled->image;
        QCOMPARE(int(image[22]), 10);                 // minutes of "10Min"
        QCOMPARE(int(image[23]), 9);                  // control block station
        QCOMPARE(int(image[24]), 0x02);               // "4x"
        QCOMPARE(image[25] << 8 | image[26], 300);    // control register address
        QCOMPARE(int(image[29]), 5);                  // "Auto change window" and "Use RTC module"
        QCOMPARE(int(image[34]), 1);                  // there are alarms
        QCOMPARE(image[36] << 8 | image[37], 0x1234); // the password in BCD
        const std::size_t at = compiled->map.alarmList - CImageCompiler::kImageAddress;
        QCOMPARE(image[at + 0], 2);    // texts
        QCOMPARE(image[at + 3], 5);    // station
        QCOMPARE(image[at + 4], 0x80); // "1x"
        QCOMPARE(image[at + 5], 0x00); // address 100 as the driver takes it
        QCOMPARE(image[at + 6], 0x03);
        QCOMPARE(image[at + 8], 100 & 0x1F);
        const std::size_t second =
            (image[at + 10 + 3 + 1] << 8 | image[at + 10 + 3 + 2]) - CImageCompiler::kImageAddress;
        QCOMPARE(image[second], 4); // "高温": four GBK bytes, two double-byte codes
        QVERIFY(image[second + 18] & 0x80);
        QVERIFY(image[second + 20] & 0x80);
    }

    void protocol31HasNoAlarmList()
    {
        start(31);
        bool opened = false;
        QTimer::singleShot(50, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                opened = true, dialog->reject();
        });
        editor->trigger(kCmdAlarmList);
        QTest::qWait(100);
        QVERIFY(!opened);
        // The command is off and says why.
        QAction* command = editor->frame->action(kCmdAlarmList);
        QVERIFY(!command->isEnabled());
        QVERIFY(command->toolTip().contains(QStringLiteral("no alarm list")));
        editor->newProject(2);
        QVERIFY(command->isEnabled());
    }

    void closingIsOneUndoStep()
    {
        start(2, {"a"});
        run([](CAlarmListDialog& d) {
            clickRow(d, 2);
            QTest::keyClicks(d.cellEditor(), "b");
            typeInto(d.addressEdit(), "7");
        });
        QUndoStack& history = editor->doc().undoStack();
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.undoText(), QStringLiteral("Alarm list"));
        history.undo();
        QCOMPARE(texts(), gbk({"a"}));
        QCOMPARE(int(editor->project().alarms.address), 0);
        QVERIFY(!modified());
        history.redo();
        QCOMPARE(texts(), gbk({"a", "b"}));
        QCOMPARE(int(editor->project().alarms.address), 7);
    }
};

QTEST_MAIN(AlarmListTest)
#include "AlarmListTest.moc"
