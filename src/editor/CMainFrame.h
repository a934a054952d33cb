#pragma once
// The main window: menu, toolbar and status bar around the form, a fixed 750 × 560 pixels.
#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QDockWidget;
class QLabel;
class QMenu;

namespace zl
{

class CCheckView;
class CHelpWindow;
class COperandsDock;
class CDownloadCommand;
class CReportCommand;
class CEditorDocument;
class CFileChooser;
class CPanelSimWindow;
class CPrompter;
class CZL110Doc;
class CZL110View;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize kSize{750, 560};

    // Messages, questions and file choices go through `prompter` and `files` when given (tests answer
    // them from a script); otherwise through message boxes and file dialogs.
    explicit CMainFrame(CPrompter* prompter = nullptr, CFileChooser* files = nullptr);
    ~CMainFrame() override;

    // The view's start-up: "In.dat", the protocol catalogue and the fonts.
    void StartUp(const std::string& dataDir, const std::string& configDir);

    CEditorDocument& editing() const { return *m_editing; }
    CZL110View& view() const { return *m_view; }
    CZL110Doc& document() const { return *m_doc; }
    CPrompter& prompter() const { return *m_prompter; }
    // The action of a command; for 32773 the Edit menu's "Cut", for 32800 the first toolbar button.
    QAction* action(int command) const;
    QAction* deleteComponentAction() const { return m_deleteComponent; }
    QString modelText() const;
    QString protocolText() const;
    CDownloadCommand& download() const { return *m_download; }
    CCheckView& checkView() const { return *m_check; }
    COperandsDock& operandsView() const { return *m_operands; }
    QAction* replaceOperandsAction() const { return m_replaceOperands; }
    QAction* exportReportAction() const { return m_exportReport; }

public slots:
    // The panel reported its model code during a download.
    void ShowModel(int modelCode);
    void SetProtocolText(const QString& text);
    // Enables, disables and checks the commands for the current state.
    void UpdateCommands();
    // Tools → "Simulate panel": opens (or brings up) the virtual panel running the project.
    void SimulatePanel();
    // Check project: opens the check view (docked below the form unless the user moved it) with a fresh
    // check; the view then follows the project's changes until closed.
    void CheckProject();
    // Help: opens the user manual at `topic` ("page.html#anchor", see editor/help/HelpTopics.h).
    CHelpWindow* ShowHelp(const QString& topic);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* addCommand(int command, const QString& text, const QString& tip, bool withImage = true);
    void createMenus();
    void createEditMenu();
    void createHelpMenu();
    // The data folder of StartUp, or the usual one before it.
    std::string dataDir() const;
    // View → Language: English / 中文, each named in itself; the choice is kept for the next start.
    void createLanguageMenu(QMenu* view);
    // Select all, the Arrange menu, the undo history and the cursor and selection panes.
    void createArrangeCommands(QMenu* edit);
    // Zoom in, out, actual size and fit, in the View menu.
    void createZoomCommands(QMenu* view);
    // The selection's place and size, and which arrangements it allows.
    void showSelection();
    void showTitle(const QString& caption);
    void createToolBar();
    void createStatusBar();
    void fillRecentFiles();
    void showContextMenu(const QPoint& at);
    // Compiles without sending and fills the check view.
    void recheck();
    // Lists the operands again while their view is open.
    void refreshOperands();
    // The form keeps its fixed size: the frame grows by the check view while it is docked and open.
    void fitToCheckView();

    std::unique_ptr<CPrompter> m_ownPrompter;
    std::unique_ptr<CFileChooser> m_ownFiles;
    CPrompter* m_prompter;
    CFileChooser* m_files;
    CEditorDocument* m_editing;
    CZL110View* m_view;
    CZL110Doc* m_doc;
    CDownloadCommand* m_download;
    CCheckView* m_check;
    COperandsDock* m_operands;
    QAction* m_replaceOperands = nullptr;
    QAction* m_exportReport = nullptr;
    std::unique_ptr<CReportCommand> m_report;
    std::map<int, QAction*> m_actions;
    QAction* m_deleteComponent = nullptr;
    QAction* m_simulate = nullptr;
    QPointer<CPanelSimWindow> m_simulator;
    std::string m_dataDir;
    QAction* m_secondAttribute = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_model = nullptr;
    QLabel* m_protocol = nullptr;
    QLabel* m_cursorPane = nullptr;
    QLabel* m_selectionPane = nullptr;
    QDockWidget* m_history = nullptr;
    // Each arrangement with the number of selected components it needs.
    std::vector<std::pair<QAction*, std::size_t>> m_arrangeActions;
};

} // namespace zl
