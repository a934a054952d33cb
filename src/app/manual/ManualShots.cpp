// zl410-manual-shots DATA_DIR OUT_DIR: the pictures of the user manual, made by the editor itself at build
// time (offscreen) so that they always show the program as it is: the main window with a small example
// project, two property pages and the virtual panel.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "base/CPrompter.h"
#include "base/Gbk.h"
#include "components/CChars.h"
#include "components/CComponentFactory.h"
#include "editor/CCommands.h"
#include "editor/CMainFrame.h"
#include "editor/CZL110View.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/document/CEditorDocument.h"
#include "editor/pages/CPropertyPages.h"
#include "editor/simulator/CPanelSimWindow.h"
#include "model/CBase.h"

namespace
{
using namespace zl;

// Nothing is asked while the pictures are made: a message is printed, and a question declined.
class PrintingPrompter : public CPrompter
{
public:
    void message(const std::string& text, const std::string& caption) override
    {
        std::fprintf(stderr, "zl410-manual-shots: %s: %s\n", caption.c_str(), text.c_str());
    }
    bool askOkCancel(const std::string& text, const std::string& caption) override
    {
        message(text, caption);
        return false;
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override
    {
        message(text, caption);
        return Answer::Cancel;
    }
};

class NoFiles : public CFileChooser
{
public:
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// Accepts the next modal dialog (PLC Selection of New Project) as soon as it is open.
void acceptNextDialog()
{
    QTimer::singleShot(5, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
        else
            acceptNextDialog();
    });
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget& widget, const QDir& folder, const char* name)
{
    settle();
    const QString file = folder.filePath(QString::fromLatin1(name));
    if (widget.grab().save(file))
        return true;
    std::fprintf(stderr, "zl410-manual-shots: cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zl410-manual-shots DATA_DIR OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    QTemporaryDir config; // the settings of a first start, whatever the user's own are
    qputenv("ZL410_CONFIG_DIR", config.path().toUtf8());

    PrintingPrompter prompter;
    NoFiles files;
    CMainFrame frame(&prompter, &files);
    frame.StartUp(argv[1], config.path().toStdString());
    frame.show();
    acceptNextDialog();
    frame.action(kCmdNewProject)->trigger();
    CEditorDocument& doc = frame.editing();
    const unsigned protocol = doc.project().protocol();

    // A small tank display: a title, the level as a number and a bar, a pump lamp and a start key.
    const auto place = [&](std::unique_ptr<CBase> component, CPoint at) {
        return doc.placeComponent(std::move(component), at) ? doc.selectedComponent()->rect : CRect{};
    };
    place(std::make_unique<CChars>(protocol, CPoint{9, 9}, *utf8ToGbk("Tank 1")), {9, 9});
    place(std::make_unique<CChars>(protocol, CPoint{9, 54}, *utf8ToGbk("Level")), {9, 54});
    const CRect level = place(CreateComponent(kRegister, protocol, {126, 54}), {126, 54});
    place(CreateComponent(kBarGraph, protocol, {306, 9}), {306, 9});
    place(CreateComponent(kLed, protocol, {9, 99}), {9, 99});
    const CRect key = place(CreateComponent(kFunctionKey, protocol, {126, 99}), {126, 99});

    bool ok = save(frame, out, "main-window.png");
    doc.selectAt({level.left + 2, level.top + 2});
    ok = save(frame.view().pages(), out, "register-page.png") && ok;
    doc.selectAt({key.left + 2, key.top + 2});
    ok = save(frame.view().pages(), out, "function-key-page.png") && ok;

    frame.SimulatePanel();
    auto* simulator = frame.findChild<CPanelSimWindow*>();
    if (simulator) {
        // The level as the PLC might report it: the register and the bar show it.
        QTableWidget* plc = simulator->operandTable();
        for (int row = 0; row < plc->rowCount(); ++row)
            if (!plc->item(row, 0)->text().contains(QLatin1Char('.')))
                plc->item(row, 2)->setText(QStringLiteral("60"));
        QEventLoop wait; // the panel's next scan shows it
        QTimer::singleShot(500, &wait, &QEventLoop::quit);
        wait.exec();
    }
    ok = simulator && save(*simulator, out, "virtual-panel.png") && ok;
    return ok ? 0 : 1;
}
