#include "editor/EditorStartUp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "editor/CEditorSettings.h"
#include "editor/CMainFrame.h"
#include "editor/dialogs/CSplashWindow.h"
#include "editor/document/CZL110Doc.h"
#include "qt/CDataPaths.h"
#include "qt/CLanguage.h"

namespace zl
{
namespace
{

// Closes the window a while after its first paint, for smoke tests and start-up measurements.
class CQuitAfterPaint : public QObject
{
public:
    CQuitAfterPaint(QWidget& window, int ms) : QObject(&window), m_window(window), m_ms(ms)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_armed) {
            m_armed = true;
            QTimer::singleShot(m_ms, &m_window, &QWidget::close);
        }
        return false;
    }

private:
    QWidget& m_window;
    int m_ms;
    bool m_armed = false;
};

} // namespace

int RunEditor(const QStringList& arguments, CPrompter* prompter)
{
    useLanguage(editorLanguage());
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("RunEditor", "ZL410 operator panel editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash(
        QStringLiteral("no-splash"),
        QCoreApplication::translate("RunEditor", "Start without the splash window."));
    parser.addOption(noSplash);
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QCoreApplication::translate("RunEditor", "A project file (.pjz) to open."));
    parser.process(arguments);

    CMainFrame frame(prompter);
    frame.StartUp(dataFolder(), configFolder());
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() &&
        frame.document().OpenDocumentFile(files.front()) == CZL110Doc::OpenResult::LoadFailed)
        return 1;
    bool ok = false;
    const int quitAfter = qEnvironmentVariableIntValue("ZL410_QUIT_AFTER_MS", &ok);
    if (ok)
        new CQuitAfterPaint(frame, quitAfter);
    frame.show();
    if (!parser.isSet(noSplash)) {
        auto* splash = new CSplashWindow;
        splash->show();
        splash->raise(); // over the main window
    }
    return QApplication::exec();
}

} // namespace zl
