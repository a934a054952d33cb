// Editor figures: start-up of the real program to its first painted window, a canvas repaint of a window
// with 50 components, and the resident memory with a 1,000-window project open.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <string>

#include "editor/canvas/CEditorCanvas.h"
#include "editor/document/CEditorDocument.h"
#include "editor/CMainFrame.h"
#include "editor/document/CZL110Doc.h"
#include "editor/CZL110View.h"
#include "components/CComponentFactory.h"
#include "base/CPrompter.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace
{

class CQuietPrompter : public zl::CPrompter
{
public:
    void message(const std::string& text, const std::string&) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::No; }
};

// Fills `window` with `count` components of every kind but pictures, spread over the canvas.
void fill(zl::CMainView& window, unsigned protocol, int count)
{
    const std::uint8_t kinds[] = {zl::kStaticText, zl::kRegister,  zl::kLed,        zl::kFunctionKey,
                                  zl::kBarGraph,   zl::kTrendLine, zl::kDynamicText};
    for (int i = 0; i < count; ++i) {
        const zl::CPoint at{(i * 37) % 400, (i * 23) % 120};
        window.AddComponent(zl::CreateComponent(kinds[i % std::size(kinds)], protocol, at), at);
    }
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void startUp(const QString& dataDir)
{
    QTemporaryDir config;
    const int runs = 5;
    double best = 1e9, total = 0;
    for (int i = 0; i < runs; ++i) {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZL410_DATA_DIR"), dataDir);
        env.insert(QStringLiteral("ZL410_CONFIG_DIR"), config.path());
        env.insert(QStringLiteral("ZL410_QUIT_AFTER_MS"), QStringLiteral("0"));
        app.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        app.start(dataDir + QStringLiteral("/zl410"), {QStringLiteral("--no-splash")});
        app.waitForFinished(30000);
        const double ms = t.nsecsElapsed() / 1e6;
        if (app.exitStatus() != QProcess::NormalExit || app.exitCode() != 0)
            std::printf("zl410 did not run cleanly: %s\n", qPrintable(app.readAllStandardError()));
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("start-up to first painted window (whole run, exit included): best %.1f ms, mean %.1f ms "
                "(target < 500 ms)\n",
                best, total / runs);
}

void canvasRepaint(const std::string& dataDir)
{
    CQuietPrompter prompter;
    zl::CMainFrame frame(&prompter);
    frame.StartUp(dataDir, QTemporaryDir().path().toStdString());
    zl::CProject& project = frame.view().project();
    project.SetProtocol(3);
    project.AddWindow(1);
    fill(*project.CurrentView(), 3, 50);
    frame.view().ProjectRestored();
    frame.show();
    QApplication::processEvents();
    zl::CEditorCanvas& canvas = frame.view().canvas();
    const int runs = 500;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i)
        canvas.Compose();
    const double compose = t.nsecsElapsed() / 1e6 / runs;
    t.restart();
    for (int i = 0; i < runs; ++i)
        canvas.repaint();
    const double repaint = t.nsecsElapsed() / 1e6 / runs;
    std::printf(
        "canvas of a window with 50 components: compose %.3f ms, widget repaint %.3f ms (target < 2 ms)\n",
        compose, repaint);
}

void memoryWithManyWindows(const std::string& dataDir)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.pjz"));
    {
        zl::CProject project;
        project.SetProtocol(3);
        for (int n = 1; n <= 1000; ++n) {
            project.AddWindow(static_cast<std::uint16_t>(n), "window " + std::to_string(n));
            fill(*project.CurrentView(), 3, 10);
        }
        project.currentWindow = 0;
        zl::SaveProjectFile(file.toStdString(), project);
    }
    const long before = residentKb();
    CQuietPrompter prompter;
    zl::CMainFrame frame(&prompter);
    frame.StartUp(dataDir, dir.path().toStdString());
    QElapsedTimer t;
    t.start();
    frame.document().OpenDocumentFile(file);
    const double openMs = t.nsecsElapsed() / 1e6;
    frame.show();
    QApplication::processEvents();
    std::printf("1,000 windows of 10 components (%lld bytes): opened in %.0f ms; resident memory %.1f MB "
                "(%.1f MB before the editor; target < 150 MB)\n",
                static_cast<long long>(QFile(file).size()), openMs, residentKb() / 1024.0, before / 1024.0);
}

// The shown main frame of a project under protocol 3 with `windows` windows of `perWindow` components,
// the first component of the current window selected.
struct BenchFrame {
    CQuietPrompter prompter;
    zl::CMainFrame frame{&prompter};

    BenchFrame(const std::string& dataDir, int windows, int perWindow, int current)
    {
        frame.StartUp(dataDir, QTemporaryDir().path().toStdString());
        zl::CProject& project = doc().project();
        project.SetProtocol(3);
        for (int n = 1; n <= windows; ++n) {
            project.AddWindow(static_cast<std::uint16_t>(n), "window " + std::to_string(n));
            fill(*project.CurrentView(), 3, perWindow);
        }
        frame.view().ProjectRestored();
        frame.show();
        doc().setCurrentWindow(current);
        doc().selectHead();
        QApplication::processEvents();
    }
    zl::CEditorDocument& doc() { return frame.editing(); }
};

// Undo and redo in the editor on a 1,000-window project (list, canvas and page following each step), and
// the memory 1,000 single-component steps take, for windows of `perWindow` components.
void undoHistory(const std::string& dataDir, int perWindow)
{
    BenchFrame bench(dataDir, 1000, perWindow, 500);
    zl::CEditorDocument& doc = bench.doc();
    const long before = residentKb();
    const int steps = 1000;
    for (int i = 0; i < steps; ++i)
        doc.moveSelected(i % 2 ? -1 : 1, 0);
    QApplication::processEvents();
    const long after = residentKb();
    QElapsedTimer t;
    double worst[2] = {0, 0}, total[2] = {0, 0}, restoring = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < steps; ++i) {
            t.restart();
            pass == 0 ? doc.undoStack().undo() : doc.undoStack().redo();
            restoring += t.nsecsElapsed() / 1e6;
            QApplication::processEvents(); // the repaint it caused
            const double ms = t.nsecsElapsed() / 1e6;
            worst[pass] = std::max(worst[pass], ms);
            total[pass] += ms;
        }
    }
    std::printf("1,000 windows of %d components: undo mean %.3f ms (worst %.3f), redo mean %.3f ms (worst %.3f) "
                "(target < 5 ms), of which the step itself before the repaint %.3f ms; 1,000 single-component "
                "steps take %.1f MB (target < 50 MB)\n",
                perWindow, total[0] / steps, worst[0], total[1] / steps, worst[1], restoring / (2 * steps),
                (after - before) / 1024.0);
}

// One field edit of the selected component (typing one digit into its X) in a window of `perWindow`
// components, with the frame's list, canvas and page following: the step should not grow with the window.
double fieldEdit(const std::string& dataDir, int perWindow)
{
    BenchFrame bench(dataDir, 1, perWindow, 0);
    zl::CEditorDocument& doc = bench.doc();
    const int edits = 2000;
    QElapsedTimer t;
    t.start();
    zl::CBase& edited = *doc.selectedComponent();
    for (int i = 0; i < edits; ++i)
        doc.setComponentField(edited, QStringLiteral("X"),
                              [i](zl::CBase& c) { c.MoveByPanel(i % 2 ? -1 : 1, 0); });
    return t.nsecsElapsed() / 1e3 / edits;
}

void fieldEdits(const std::string& dataDir)
{
    const double one = fieldEdit(dataDir, 1);
    const double full = fieldEdit(dataDir, 255);
    std::printf("one field edit: %.1f us in a 1-component window, %.1f us in a 255-component window "
                "(ratio %.2f, target <= 2)\n",
                one, full, full / one);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string dataDir = ZL410_BUILD_DATA_DIR;
    qputenv("ZL410_DATA_DIR", dataDir.c_str());
    QTemporaryDir config;
    qputenv("ZL410_CONFIG_DIR", config.path().toUtf8());
    fieldEdits(dataDir);
    undoHistory(dataDir, 10);
    undoHistory(dataDir, 255);
    memoryWithManyWindows(dataDir);
    startUp(QString::fromStdString(dataDir));
    canvasRepaint(dataDir);
    return 0;
}
