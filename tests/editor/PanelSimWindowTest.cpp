// The simulator window driven as a user would: keypad buttons and the computer keyboard, the operand
// table read and edited, writes by keys marked, a restart after the project changed, a compile failure.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "compile/CImageCompiler.h"
#include "components/CFunction.h"
#include "components/CRegister.h"
#include "EditorTesting.h"
#include "editor/simulator/CPanelSimWindow.h"
#include "model/CProject.h"
#ifdef ZL410_ONLINE
#include "online/ModbusTestServer.h"
#endif

using namespace zl;

class PanelSimWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<CProject> project;
    QTemporaryDir settings;
    bool failCompile = false;

    CPanelSimWindow::Compiler compiler()
    {
        return [this]() -> Result<Bytes> {
            if (failCompile)
                return makeError("Register Limit error, cancel?");
            auto r = CImageCompiler::Compile(
                *project,
                {ZL410_BUILD_DATA_DIR, settings.filePath(QStringLiteral("In.dat")).toStdString(), nullptr});
            if (!r)
                return r.error();
            return std::move(r->image);
        };
    }

    // The row of the operand named `name`, or -1.
    static int row(QTableWidget* table, const QString& name)
    {
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == name)
                return r;
        return -1;
    }

private slots:
    void init()
    {
        project = std::make_unique<CProject>();
        project->SetProtocol(3);
        CMainView& w = *project->WindowAt(project->AddWindow(1));
        auto reg = std::make_unique<CRegister>(3, CPoint{});
        reg->address = 10;
        reg->set = 1;
        w.AppendComponent(std::move(reg));
        auto key = std::make_unique<CFunction>(3, CPoint{90, 0});
        key->SetAttribute(CFunction::kSetRegister, CFunction::kActionSelector);
        key->address = 20;
        key->value = 7;
        w.AppendComponent(std::move(key));
        failCompile = false;
    }

    void keysWriteAndTheTableFollows()
    {
        CPanelSimWindow window(compiler(), ZL410_BUILD_DATA_DIR);
        window.show();
        QVERIFY(window.panel());
        QTableWidget* table = window.operandTable();
        QCOMPARE(table->rowCount(), 2);
        const int reg = row(table, QStringLiteral("4x10"));
        const int target = row(table, QStringLiteral("4x20"));
        QVERIFY(reg >= 0 && target >= 0);

        // The keypad's SET, then digits and Enter from the keyboard.
        window.findChild<QPushButton*>(QStringLiteral("key SET"))->click();
        QTest::keyClicks(&window, QStringLiteral("42"));
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(table->item(reg, 2)->text(), QStringLiteral("42"));
        QVERIFY(table->item(reg, 0)->background() != QBrush());
        QCOMPARE(table->item(target, 2)->text(), QStringLiteral("0"));

        QTest::keyClick(&window, Qt::Key_Right); // the "Set Register" key
        QCOMPARE(table->item(target, 2)->text(), QStringLiteral("7"));
        QVERIFY(table->item(target, 0)->background() != QBrush());

        // A value typed into the table reaches the PLC and the screen.
        table->item(reg, 2)->setText(QStringLiteral("0x10"));
        CImageOperand op =
            std::get<CImageRegister>(window.panel()->image().windows[0].components[1].record).operand;
        QCOMPARE(window.panel()->plc().Read(op), 16u);
        window.tick();
        window.grab().save(
            qEnvironmentVariable("ZL410_SIM_SCREENSHOT", settings.filePath(QStringLiteral("sim.png"))));
    }

    // Connected to a Modbus server, the table and the screen show its values and the keys write into it;
    // disconnected, the simulated PLC is back; a project of another protocol cannot go online.
    void runsOnARealPlcAndBack()
    {
#ifdef ZL410_ONLINE
        test::ModbusTestServer server;
        server.setRegister(9, 321); // 4x10
        CPanelSimWindow window(compiler(), ZL410_BUILD_DATA_DIR);
        window.show();
        QTableWidget* table = window.operandTable();
        const int reg = row(table, QStringLiteral("4x10"));
        QVERIFY(window.connectTo(QStringLiteral("tcp:127.0.0.1:%1").arg(server.port())));
        QTRY_COMPARE(table->item(reg, 2)->text(), QStringLiteral("321"));
        QTRY_VERIFY(window.linkLabel()->text().contains(QStringLiteral("connected")));

        window.findChild<QPushButton*>(QStringLiteral("key SET"))->click();
        QTest::keyClicks(&window, QStringLiteral("55"));
        QTest::keyClick(&window, Qt::Key_Return);
        QTRY_COMPARE(server.holding(9), std::uint16_t(55));

        window.findChild<QPushButton*>(QStringLiteral("connect"))->click(); // "Disconnect"
        QVERIFY(!window.online());
        QCOMPARE(table->item(reg, 2)->text(), QStringLiteral("0"));

        project->SetProtocol(20);
        window.restart();
        QVERIFY(!window.connectTo(QStringLiteral("tcp:127.0.0.1:%1").arg(server.port())));
        QVERIFY(window.linkLabel()->text().contains(QStringLiteral("needs a Modbus protocol")));
#else
        CPanelSimWindow window(compiler(), ZL410_BUILD_DATA_DIR);
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("connect"))->isEnabled());
        QVERIFY(window.linkLabel()->text().contains(QStringLiteral("not available")));
#endif
    }

    void restartsAfterAChangeAndShowsWhyItCannot()
    {
        CPanelSimWindow window(compiler(), ZL410_BUILD_DATA_DIR);
        window.show();
        QCOMPARE(window.operandTable()->rowCount(), 2);
        project->WindowAt(0)->DeleteAll();
        window.projectChanged();
        QTRY_COMPARE(window.operandTable()->rowCount(), 0);
        QVERIFY(window.panel());

        failCompile = true;
        window.restart();
        QVERIFY(!window.panel());
        QVERIFY(window.statusLabel()->text().contains(QStringLiteral("Register Limit error")));
    }

    // A change restarts the run with the PLC's values and the window shown; a window that went away gives
    // the initial one; Restart starts afresh.
    void aChangeKeepsThePlcAndTheWindowRestartDoesNot()
    {
        CMainView& second = *project->WindowAt(project->AddWindow(2));
        auto reg = std::make_unique<CRegister>(3, CPoint{});
        reg->address = 30;
        second.AppendComponent(std::move(reg));
        CPanelSimWindow window(compiler(), ZL410_BUILD_DATA_DIR);
        window.show();
        QTableWidget* table = window.operandTable();
        const auto value = [&](const char* name) { return table->item(row(table, name), 2)->text(); };
        table->item(row(table, QStringLiteral("4x10")), 2)->setText(QStringLiteral("42"));
        window.press(kKeyDown);
        QCOMPARE(int(window.panel()->WindowNumber()), 2);

        auto more = std::make_unique<CRegister>(3, CPoint{0, 36});
        more->address = 40;
        second.AppendComponent(std::move(more));
        window.projectChanged();
        QTRY_COMPARE(table->rowCount(), 4);
        QCOMPARE(value("4x10"), QStringLiteral("42"));
        QCOMPARE(int(window.panel()->WindowNumber()), 2);

        // A change that does not compile, then one that does: the values still come through.
        failCompile = true;
        window.projectChanged();
        QTRY_VERIFY(!window.panel());
        failCompile = false;
        project->DeleteWindowAt(1);
        window.projectChanged();
        QTRY_VERIFY(window.panel());
        QCOMPARE(value("4x10"), QStringLiteral("42"));
        QCOMPARE(int(window.panel()->WindowNumber()), 1);

        window.press(kKeyDown); // no window 2 now: stays
        window.restart();
        QCOMPARE(value("4x10"), QStringLiteral("0"));
    }

    void toolsMenuOpensItForTheProjectBeingEdited()
    {
        test::Editor e;
        e.newProject();
        QAction* simulate = nullptr;
        for (QAction* a : e.frame->findChildren<QAction*>())
            if (a->text() == QStringLiteral("Simulate panel"))
                simulate = a;
        QVERIFY(simulate && simulate->isEnabled());
        simulate->trigger();
        auto* window = e.frame->findChild<CPanelSimWindow*>();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->panel());
        QCOMPARE(window->operandTable()->rowCount(), 0);

        // A register placed in the editor reaches the running panel.
        auto reg = std::make_unique<CRegister>(e.project().protocol(), CPoint{});
        e.frame->editing().placeComponent(std::move(reg), CPoint{});
        QTRY_COMPARE(window->operandTable()->rowCount(), 1);
        const auto version = e.project().formatVersion;
        window->restart();
        QCOMPARE(e.project().formatVersion, version);
        simulate->trigger(); // brought up again, not a second one
        QCOMPARE(e.frame->findChildren<CPanelSimWindow*>().size(), qsizetype(1));
    }
};

QTEST_MAIN(PanelSimWindowTest)
#include "PanelSimWindowTest.moc"
