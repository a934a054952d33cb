// PLC Selection and COM Selection: what the dialogs show, limit and store.
#include <QFile>
#include <QLabel>

#include "EditorTesting.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "platform/CSerialPort.h"
#include "plc/CProtocolTables.h"
#include "editor/controls/CBoundControls.h"
#include "editor/CCommands.h"
#include "editor/CEditorSettings.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CComSelectionDialog.h"
#include "editor/dialogs/CPlcSelectionDialog.h"
#include "editor/document/CZL110Doc.h"

using namespace zl;
using namespace zl::test;

namespace
{

// The generated catalogue lists protocols 1 … 34 in order.
int positionOf(unsigned protocol)
{
    return int(protocol) - 1;
}

void choose(CPlcSelectionDialog& d, unsigned protocol)
{
    d.plcTypeCombo()->setCurrentIndex(positionOf(protocol));
    emit d.plcTypeCombo()->activated(positionOf(protocol));
}

void typeStation(CPlcSelectionDialog& d, const char* keys)
{
    QApplication::setActiveWindow(&d);
    d.stationEdit()->setFocus();
    d.stationEdit()->selectAll();
    QTest::keyClicks(d.stationEdit(), keys);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PlcSelectionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> editor;

    // Runs PLC Selection, lets `act` work in the dialog, then closes it with OK or Cancel.
    void plcSelection(std::function<void(CPlcSelectionDialog&)> act, bool ok)
    {
        onNextDialog<CPlcSelectionDialog>([act, ok](CPlcSelectionDialog& d) {
            act(d);
            ok ? d.accept() : d.reject();
        });
        editor->trigger(kCmdPlcSelection);
    }

private slots:
    void init()
    {
        editor = std::make_unique<Editor>();
        editor->newProject(positionOf(3));
        editor->frame->document().SetModifiedFlag(false);
    }
    void cleanup() { editor.reset(); }

    void stationIsLimitedWhileTyped_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("21: 0 becomes 1") << 21 << "0"
                                         << "1";
        QTest::newRow("21: 300 becomes 247") << 21 << "300"
                                             << "247";
        QTest::newRow("21: 200 stays") << 21 << "200"
                                       << "200";
        QTest::newRow("14: 300 becomes 255") << 14 << "300"
                                             << "255";
        QTest::newRow("14: 0 stays") << 14 << "0"
                                     << "0";
    }

    void stationIsLimitedWhileTyped()
    {
        QFETCH(int, protocol);
        QFETCH(QString, typed);
        QString shown;
        plcSelection(
            [&](CPlcSelectionDialog& d) {
                choose(d, unsigned(protocol));
                typeStation(d, typed.toLatin1().constData());
                shown = d.stationEdit()->text();
            },
            true);
        QTEST(shown, "shown");
        QCOMPARE(QString::number(editor->project().comm.plcStation), shown);
    }

    void stationSpinKeepsTheSameLimits_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("stored");
        QTest::newRow("14: up from 255") << 14 << "254" << 3 << 255;
        QTest::newRow("21: up from 247") << 21 << "246" << 3 << 247;
        QTest::newRow("21: down to 1") << 21 << "2" << -3 << 1;
        QTest::newRow("31: down to 0") << 31 << "1" << -3 << 0;
    }

    // The spin steps within the limits that typing keeps to, so OK never stores a value modulo 256.
    void stationSpinKeepsTheSameLimits()
    {
        QFETCH(int, protocol);
        QFETCH(QString, typed);
        QFETCH(int, clicks);
        plcSelection(
            [&](CPlcSelectionDialog& d) {
                choose(d, unsigned(protocol));
                typeStation(d, typed.toLatin1().constData());
                for (CNumSpinCtrl* spin : d.findChildren<CNumSpinCtrl*>())
                    if (spin->GetBuddy() == d.stationEdit())
                        for (int i = 0; i < std::abs(clicks); ++i)
                            spin->Click(clicks > 0 ? 1 : -1);
            },
            true);
        QTEST(int(editor->project().comm.plcStation), "stored");
    }

    void fieldsFollowTheProtocol_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("station");
        QTest::addColumn<bool>("delay");
        QTest::addColumn<QString>("bauds");
        QTest::addColumn<QString>("line"); // baud, data bits, stop bits, parity, interface as shown
        QTest::newRow("2") << 2 << false << true << "9600,19200"
                           << "9600 8 1 EVEN 485";
        QTest::newRow("4") << 4 << false << false << "1200,2400,4800,9600,19200,38400,115200"
                           << "9600 7 1 EVEN 232";
        QTest::newRow("5") << 5 << false << false << "1200,2400,4800,9600,19200"
                           << "9600 7 2 EVEN 232";
        QTest::newRow("14") << 14 << true << false << "1200,2400,4800,9600,19200,38400,115200"
                            << "19200 8 1 NONE 232";
        QTest::newRow("31") << 31 << true << false << "1200,2400,4800,9600,19200,38400,115200"
                            << "9600 8 1 NONE 232";
        QTest::newRow("34") << 34 << false << true << "1200,2400,4800,9600,19200,38400,115200"
                            << "19200 8 1 EVEN 232";
    }

    void fieldsFollowTheProtocol()
    {
        QFETCH(int, protocol);
        bool station = false, delay = false;
        QStringList bauds, line;
        plcSelection(
            [&](CPlcSelectionDialog& d) {
                choose(d, unsigned(protocol));
                station = d.stationShown();
                delay = d.delayShown();
                const auto combos = d.findChildren<CBoundComboBox*>();
                auto* baud = combos.at(1);
                for (int i = 0; i < baud->count(); ++i)
                    bauds << baud->itemText(i);
                for (int i = 1; i < combos.size(); ++i)
                    line << combos.at(i)->currentText();
            },
            false);
        QTEST(station, "station");
        QTEST(delay, "delay");
        QTEST(bauds.join(','), "bauds");
        QTEST(line.join(' '), "line");
    }

    void cancelKeepsEverything()
    {
        const CCommSettings before = editor->project().comm;
        const auto bitList = editor->project().tables().bitList;
        plcSelection([](CPlcSelectionDialog& d) { choose(d, 20); }, false);
        QCOMPARE(editor->project().protocol(), 3u);
        QCOMPARE(editor->project().comm.baud, before.baud);
        QCOMPARE(editor->project().comm.listPosition, before.listPosition);
        QVERIFY(editor->project().tables().bitList == bitList);
        QVERIFY(!editor->frame->document().IsModified());
    }

    void okStoresRebuildsAndWritesTheSettingsFile()
    {
        plcSelection([](CPlcSelectionDialog& d) { choose(d, 20); }, true);
        QCOMPARE(editor->project().protocol(), 20u);
        QCOMPARE(editor->project().tables().bitList,
                 (std::vector<std::string>{"M", "SM", "Y", "X", "S", "T", "C"}));
        QCOMPARE(editor->project().tables().alarmBitList, (std::vector<std::string>{"M", "SM"}));
        QCOMPARE(int(editor->project().comm.dataBits), 1); // the dialog's 8 data bits for protocol 20
        QVERIFY(editor->frame->protocolText().startsWith(QStringLiteral("Emerson EC20.")));
        const QByteArray inDat = readFile(editor->configFile(QStringLiteral("In.dat")));
        QCOMPARE(inDat.size(), 2);
        QCOMPARE(int(inDat[0]), positionOf(20));
        QCOMPARE(int(inDat[1]), int(editor->project().comm.portIndex));
        QVERIFY(editor->frame->document().IsModified());
    }

    // The pane names the protocol with its driver's version after OK, undo and redo; a driver that
    // cannot be loaded is told once and the pane names the protocol without a version.
    void protocolPaneAndAMissingDriver()
    {
        QTemporaryDir data;
        const QDir built(QStringLiteral(ZL410_BUILD_DATA_DIR));
        for (const QString& name : built.entryList({QStringLiteral("Zentu_*")}))
            QFile::copy(built.filePath(name), QDir(data.path()).filePath(name));
        editor = std::make_unique<Editor>(data.path().toStdString());
        editor->newProject(positionOf(3));
        const QString modbus = editor->frame->protocolText();
        QVERIFY(modbus.startsWith(QStringLiteral("Modbus RTU.")));
        plcSelection([](CPlcSelectionDialog& d) { choose(d, 20); }, true);
        const QString emerson = editor->frame->protocolText();
        QVERIFY(emerson.startsWith(QStringLiteral("Emerson EC20.")));
        editor->trigger(kCmdUndo);
        QCOMPARE(editor->frame->protocolText(), modbus);
        editor->trigger(kCmdRedo);
        QCOMPARE(editor->frame->protocolText(), emerson);

        QVERIFY(QFile::remove(QDir(data.path()).filePath(QStringLiteral("Zentu_Ptc.dat"))));
        editor->prompter.messages.clear();
        plcSelection([](CPlcSelectionDialog& d) { choose(d, 5); }, true);
        QCOMPARE(editor->prompter.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(editor->prompter.last()).endsWith(QStringLiteral(" does not exist!")));
        QCOMPARE(editor->frame->protocolText(), QString::fromStdString(protocolDisplayName(5)));
        editor->trigger(kCmdUndo);
        QCOMPARE(editor->prompter.messages.size(), std::size_t{1});
        QCOMPARE(editor->frame->protocolText(), QString::fromStdString(protocolDisplayName(20)));
        editor.reset();
    }

    void comSelection()
    {
        auto settings = editorSettings();
        settings->setValue(QStringLiteral("serial/COM4"), QStringLiteral("/dev/ttyUSB0"));
        settings->sync();
        QString device3, device4;
        onNextDialog<CComSelectionDialog>([&](CComSelectionDialog& d) {
            d.portCombo()->setCurrentIndex(3);
            emit d.portCombo()->activated(3);
            device4 = d.deviceText();
            d.portCombo()->setCurrentIndex(2);
            emit d.portCombo()->activated(2);
            device3 = d.deviceText();
            d.accept();
        });
        editor->trigger(kCmdComSelection);
        QCOMPARE(device4, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(device3, QString::fromStdString(defaultSerialDevicePath(2))); // the system's own name
        QCOMPARE(int(readFile(editor->configFile(QStringLiteral("In.dat")))[1]), 2);

        onNextDialog<CComSelectionDialog>([](CComSelectionDialog& d) {
            d.portCombo()->setCurrentIndex(0);
            emit d.portCombo()->activated(0);
            d.reject();
        });
        editor->trigger(kCmdComSelection);
        QCOMPARE(int(editor->project().comm.portIndex), 2);
    }

    // The machine's ports beside the COM entries: choosing one maps the entry in the settings file, the
    // standard device undoes the mapping, and Cancel stores nothing.
    void comSelectionMapsEntriesToTheMachinesPorts()
    {
        const std::vector<CPortInfo> ports{{"/dev/ttyACM0", "USB serial adapter, ttyACM0"},
                                           {"/dev/ttyUSB0", "USB serial adapter FTDI FT232R, ttyUSB0"}};
        const auto chooseDevice = [](CComSelectionDialog& d, const QString& device) {
            const int row = d.deviceCombo()->findData(device);
            QVERIFY(row >= 0);
            d.deviceCombo()->setCurrentIndex(row);
            emit d.deviceCombo()->activated(row);
        };
        {
            CComSelectionDialog d(1, ports);
            QCOMPARE(d.deviceCombo()->count(), 3); // the standard COM2 device and the two adapters
            QVERIFY(
                d.deviceCombo()->itemText(2).startsWith(QStringLiteral("USB serial adapter FTDI FT232R")));
            chooseDevice(d, QStringLiteral("/dev/ttyUSB0"));
            d.accept();
        }
        QCOMPARE(comDevicePath(1), QStringLiteral("/dev/ttyUSB0"));
        {
            CComSelectionDialog d(1, ports);
            QCOMPARE(d.deviceText(), QStringLiteral("/dev/ttyUSB0"));
            chooseDevice(d, QStringLiteral("/dev/ttyACM0"));
            d.reject();
        }
        QCOMPARE(comDevicePath(1), QStringLiteral("/dev/ttyUSB0"));
        {
            CComSelectionDialog d(
                1, std::vector<CPortInfo>{}); // the adapter is unplugged: still offered, marked
            QVERIFY(d.deviceCombo()->currentText().contains(QStringLiteral("not found now")));
            chooseDevice(d, QString::fromStdString(defaultSerialDevicePath(1)));
            d.accept();
        }
        QCOMPARE(comDevicePath(1), QString::fromStdString(defaultSerialDevicePath(1)));
        QVERIFY(!editorSettings()->contains(QStringLiteral("serial/COM2")));

        // A device the machine's list leaves out is typed; one that is there is not marked missing.
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("usb-FTDI_FT232R-if00-port0"));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), link));
        {
            CComSelectionDialog d(2, ports);
            retype(d.deviceCombo()->lineEdit(), QStringLiteral(" ") + link);
            QCOMPARE(d.deviceText(), link);
            d.accept();
        }
        QCOMPARE(comDevicePath(2), link);
        {
            CComSelectionDialog d(2, ports);
            QCOMPARE(d.deviceCombo()->currentText(), link);
            QVERIFY(QFile::remove(link));
        }
        {
            CComSelectionDialog d(2, ports);
            QCOMPARE(d.deviceCombo()->currentText(), link + QStringLiteral(" (not found now)"));
            d.deviceCombo()->lineEdit()->selectAll();
            QTest::keyClick(d.deviceCombo()->lineEdit(), Qt::Key_Backspace); // emptied: the standard device
#ifdef _WIN32
            QCOMPARE(d.deviceText(), QStringLiteral("\\\\.\\COM3"));
#else
            QCOMPARE(d.deviceText(), QStringLiteral("/dev/ttyS2"));
#endif
        }
    }
};

QTEST_MAIN(PlcSelectionTest)
#include "PlcSelectionTest.moc"
