// Download from the editor against the panel simulator on a pseudo-terminal: the whole transfer, the
// cancel question, the silent panel, the failures, closing the main window mid-transfer; and the
// project check with its list.
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "EditorTesting.h"
#include "compile/CProjectCheck.h"
#include "components/CChars.h"
#include "components/CRegister.h"
#include "download/SimulatedPanel.h"
#include "editor/CCheckView.h"
#include "editor/CCommands.h"
#include "editor/CDownloadCommand.h"
#include "editor/dialogs/CComSelectionDialog.h"
#include "editor/dialogs/CDownloadDialog.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/CEditorSettings.h"
#include "editor/document/CZL110Doc.h"
#include "plc/CProtocolCatalogue.h"
#include "qt/CSerialSettings.h"

using namespace zl;
using namespace zl::test;

namespace
{

const std::string kComplete = "Download data: Download complete!Data ";
const std::string kCancelQuestion = "Download Data: Download will be canceled?";

// Calls `act` on the interface thread every few milliseconds while the next download dialog is open,
// until it returns true or the download ends.
void whileDownloading(Editor& e, std::function<bool(CDownloadDialog&)> act)
{
    auto* timer = new QTimer(e.frame.get());
    auto seen = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, timer, [&e, timer, act, seen] {
        CDownloadDialog* d = e.frame->download().dialog();
        *seen = *seen || d;
        if ((d && act(*d)) || (!d && *seen)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(2);
}

// The "No Response!!!" box, when one is shown.
QMessageBox* noResponseBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w);
            box && box->isVisible() &&
            box->windowTitle() == QLatin1String(CDownloadDialog::kNoResponseCaption))
            return box;
    return nullptr;
}

} // namespace

class DownloadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;
    CDriver driver; // the project's protocol's driver in the catalogue

    // A panel on COM1 that holds the project's driver (`sameDriver`) or another one.
    std::unique_ptr<SimulatedPanel> panelOnCom1(CPanelSimConfig config, bool sameDriver = false)
    {
        config.info = {1, driver.protocol, static_cast<std::uint8_t>(driver.version + (sameDriver ? 0 : 1))};
        auto panel = std::make_unique<SimulatedPanel>(config);
        setSerialDevicePath(0, panel->path);
        e->project().comm.portIndex = 0;
        return panel;
    }

    // The image the compiler makes of the project as it is.
    Bytes compiled() const
    {
        CProject copy(e->project());
        auto r = CImageCompiler::Compile(copy, {ZL410_BUILD_DATA_DIR, {}, nullptr});
        return r ? r->image : Bytes{};
    }

    static Bytes at(SimulatedPanel& panel, std::size_t address, std::size_t n)
    {
        return panel.memory(address, n);
    }

    std::size_t messagesLike(const std::string& text) const
    {
        return std::count(e->prompter.messages.begin(), e->prompter.messages.end(), text);
    }

private slots:
    void init()
    {
        e = std::make_unique<Editor>();
        editorSettings()->setValue(QStringLiteral("download/tickMs"), 2); // quick timeouts
        e->newProject();
        e->project().WindowAt(0)->AppendComponent(
            std::make_unique<CChars>(e->project().protocol(), CPoint{0, 0}, "Pump 1"));
        driver = *CProtocolCatalogue::LoadDriver(e->view().cataloguePath(),
                                                 static_cast<std::uint8_t>(e->project().protocol()));
        e->prompter.messages.clear();
    }
    void cleanup() { e.reset(); }

    void downloadWritesImageAndValidMarkAndShowsTheModel()
    {
        auto panel = panelOnCom1({});
        QVERIFY(e->frame->action(kCmdDownload)->isEnabled());
        int lastPosition = -1;
        QString title, button;
        int maximum = 0;
        whileDownloading(*e, [&](CDownloadDialog& d) {
            lastPosition = d.progressBar()->value();
            title = d.windowTitle();
            button = d.cancelButton()->text();
            maximum = d.progressBar()->maximum();
            return false;
        });
        const Bytes image = compiled();
        e->trigger(kCmdDownload);
        QCOMPARE(e->prompter.last(), kComplete + std::to_string(image.size()) + " bytes");
        QCOMPARE(e->prompter.informations, std::size_t{1}); // an information, not a warning
        QVERIFY(!e->frame->download().running());
        QCOMPARE(e->frame->modelText(), QStringLiteral("VT306 V4"));
        Bytes expected = image;
        expected[0] = 0x5A;
        expected[1] = 0xA5;
        QVERIFY(at(*panel, 0x8000, image.size()) == expected);
        QVERIFY(at(*panel, 0, driver.bytes.size()) == driver.bytes); // the panel held another driver
        QVERIFY(lastPosition >= 0);
        QCOMPARE(title, QStringLiteral("Download Project"));
        QCOMPARE(button, QStringLiteral("Cancel"));
        QCOMPARE(maximum, 10000);
    }

    // The panel holds the project's driver: it goes again only when Ctrl was held.
    void controlHeldForcesTheDriver()
    {
        for (bool ctrl : {false, true}) {
            auto panel = panelOnCom1({}, true);
            if (ctrl)
                QTest::keyPress(&e->view().canvas(), Qt::Key_Control);
            e->trigger(kCmdDownload);
            if (ctrl)
                QTest::keyRelease(&e->view().canvas(), Qt::Key_Control);
            QVERIFY(e->prompter.last().rfind(kComplete, 0) == 0);
            const Bytes start = at(*panel, 0, driver.bytes.size());
            QVERIFY2((start == driver.bytes) == ctrl, ctrl ? "Ctrl held" : "Ctrl not held");
        }
    }

    // Escape asks; Cancel goes on and the transfer completes, OK stops it with the image left invalid.
    void escapeAsksWhetherToCancel()
    {
        for (bool ok : {false, true}) {
            auto panel = panelOnCom1({{}, 0, 0, 0, 0, true}); // at the line's pace: the question comes early
            e->prompter.messages.clear();
            e->prompter.okAnswers = {ok};
            whileDownloading(*e, [](CDownloadDialog& d) {
                QTest::keyClick(&d, Qt::Key_Escape);
                return true;
            });
            e->trigger(kCmdDownload);
            QCOMPARE(messagesLike(kCancelQuestion), std::size_t{1});
            if (ok) {
                QCOMPARE(e->prompter.messages, std::vector<std::string>{kCancelQuestion}); // nothing more
                QVERIFY(at(*panel, 0x8000, 2) == (Bytes{0xFF, 0xFF}));
            } else {
                QVERIFY(e->prompter.last().rfind(kComplete, 0) == 0);
                QVERIFY(at(*panel, 0x8000, 2) == (Bytes{0x5A, 0xA5}));
            }
        }
    }

    // A panel switched on while "No Response!!!" shows: the box closes by itself and the download ends.
    void silentPanelThatAnswersClosesTheBox()
    {
        auto panel = panelOnCom1({{}, 120});
        bool boxSeen = false;
        whileDownloading(*e, [&](CDownloadDialog&) {
            boxSeen = boxSeen || noResponseBox();
            return false;
        });
        e->trigger(kCmdDownload);
        QVERIFY(boxSeen);
        QVERIFY(!noResponseBox());
        QVERIFY(e->prompter.last().rfind(kComplete, 0) == 0);
        QVERIFY(at(*panel, 0x8000, 2) == (Bytes{0x5A, 0xA5}));
    }

    void failuresAreToldAndLeaveTheImageInvalid()
    {
        struct Case {
            const char* what;
            CPanelSimConfig config;
            std::function<bool(SimulatedPanel&, CDownloadDialog&)> during;
            std::string message; // how it begins
        };
        const std::vector<Case> cases = {
            {"silent panel given up",
             {{}, 1000000},
             [](SimulatedPanel&, CDownloadDialog&) {
                 QMessageBox* box = noResponseBox();
                 if (box)
                     box->button(QMessageBox::Ok)->click();
                 return box != nullptr;
             },
             ": Communication Error!!!"},
            {"every write refused", {{}, 0, 1}, {}, "Download data: Too many negative answers"},
            {"power lost", {{}, 0, 0, 0, 8}, {}, "Download data: 延时越界"},
            {"adapter unplugged",
             {{}, 0, 0, 0, 0, true},
             [](SimulatedPanel& panel, CDownloadDialog& d) {
                 if (d.progressBar()->value() < 2000)
                     return false;
                 panel.unplug();
                 return true;
             },
             "Download data: The serial port failed: "},
        };
        for (const Case& c : cases) {
            auto panel = panelOnCom1(c.config);
            e->prompter.messages.clear();
            if (c.during)
                whileDownloading(*e, [&](CDownloadDialog& d) { return c.during(*panel, d); });
            e->trigger(kCmdDownload);
            QVERIFY2(e->prompter.last().rfind(c.message, 0) == 0,
                     (c.what + std::string(": ") + e->prompter.last()).c_str());
            QVERIFY2(at(*panel, 0x8000, 2) == (Bytes{0xFF, 0xFF}), c.what);
            QVERIFY(!e->frame->download().running());
            QVERIFY(e->frame->isVisible());
        }
    }

    // A stored index past COM6 (a hand-edited "In.dat") is COM6 in COM Selection and in the download.
    void portThatCannotOpenStopsBeforeTheDialog()
    {
        for (const auto& [index, com] : {std::pair{0, 1}, {5, 6}, {6, 6}, {255, 6}}) {
            setSerialDevicePath(static_cast<unsigned>(com - 1), "/nonexistent/ttyUSB9");
            e->project().comm.portIndex = static_cast<std::uint8_t>(index);
            e->trigger(kCmdDownload);
            const std::string expected =
                "Download data: Cannot open the serial port" + std::to_string(com) + "!";
            QVERIFY2(e->prompter.last().rfind(expected, 0) == 0, e->prompter.last().c_str());
            QCOMPARE(CComSelectionDialog(static_cast<std::uint8_t>(index), {}).portCombo()->currentText(),
                     QStringLiteral("COM%1").arg(com));
        }
    }

    // Closing the main window mid-transfer asks the cancel question: Cancel keeps it open and the transfer
    // goes on; OK stops the transfer and closes it.
    void closingTheMainWindowAsksFirst()
    {
        for (bool ok : {false, true}) {
            auto panel = panelOnCom1({{}, 0, 0, 0, 0, true});
            e->prompter.messages.clear();
            e->prompter.okAnswers = {ok};
            e->prompter.yesNoAnswers = {CPrompter::Answer::No}; // do not save
            whileDownloading(*e, [&](CDownloadDialog& d) {
                if (d.progressBar()->value() < 1000)
                    return false;
                e->frame->close();
                return true;
            });
            e->trigger(kCmdDownload);
            QCOMPARE(messagesLike(kCancelQuestion), std::size_t{1});
            QCOMPARE(e->frame->isVisible(), !ok);
            QVERIFY(!e->frame->download().running());
            QVERIFY(at(*panel, 0x8000, 2) == (ok ? Bytes{0xFF, 0xFF} : Bytes{0x5A, 0xA5}));
        }
    }

    // The limit question: OK stops before anything is sent and the project stays; Cancel sends the
    // repaired limits and the project takes them.
    void limitRepairAsksAndListsTheProblem()
    {
        auto reg = std::make_unique<CRegister>(e->project().protocol(), CPoint{0, 36});
        reg->maxInput = 5;
        reg->minInput = 5;
        CRegister& r = *reg;
        e->project().WindowAt(0)->AppendComponent(std::move(reg));
        for (bool stop : {true, false}) {
            auto panel = panelOnCom1({});
            e->prompter.messages.clear();
            e->prompter.okAnswers = {stop};
            e->trigger(kCmdDownload);
            QCOMPARE(e->prompter.messages.front(),
                     std::string("Download data: Register Limit error, cancel?"));
            QVERIFY(e->frame->checkView().isVisible());
            QCOMPARE(e->frame->checkView().list()->topLevelItemCount(), 1);
            QCOMPARE(r.maxInput, stop ? 5u : 6u);
            QCOMPARE(e->prompter.messages.size(), stop ? std::size_t{1} : std::size_t{2});
            QVERIFY(at(*panel, 0x8000, 2) == (stop ? Bytes{0xFF, 0xFF} : Bytes{0x5A, 0xA5}));
        }
        QVERIFY(e->frame->document().IsModified());
        // The repair is one step of its own.
        QCOMPARE(e->frame->action(kCmdUndo)->text(), QStringLiteral("Undo Compile corrections"));
        e->trigger(kCmdUndo);
        const auto& back = static_cast<const CRegister&>(*e->project().WindowAt(0)->components().back());
        QCOMPARE(back.maxInput, 5u);
    }

    void checkProjectListsFindingsAndDoubleClickSelects()
    {
        auto reg = std::make_unique<CRegister>(e->project().protocol(), CPoint{0, 36});
        reg->maxInput = 1;
        reg->minInput = 2;
        CMainView& first = *e->project().WindowAt(0);
        first.AppendComponent(std::move(reg));
        QVERIFY(e->frame->action(kCmdCheckProject)->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_K));
        e->trigger(kCmdCheckProject);
        CCheckView& check = e->frame->checkView();
        QVERIFY(check.isVisible());
        QCOMPARE(check.list()->topLevelItemCount(), 1);
        QTreeWidgetItem* row = check.list()->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("1"));
        QVERIFY(row->text(1).startsWith(QStringLiteral("Register at")));
        QVERIFY(check.sizeBar()->text().endsWith(QStringLiteral(" of 32,768 bytes")));
        emit check.list()->itemDoubleClicked(row, 0);
        QCOMPARE(int(e->project().currentWindow), 0);
        QVERIFY(e->view().hasSelection());
        QCOMPARE(int(first.head()->typeCode), int(kRegister));
        // The list follows the new order: the register is at the head now.
        QCOMPARE(check.list()->topLevelItem(0)->data(0, Qt::UserRole + 1).toULongLong(), 0ull);
        QVERIFY(e->prompter.messages.empty());
    }
};

QTEST_MAIN(DownloadTest)
#include "DownloadTest.moc"
