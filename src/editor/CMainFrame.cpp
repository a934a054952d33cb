#include "editor/CMainFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "compile/CProjectCheck.h"
#include "editor/dialogs/CAboutDialog.h"
#include "editor/help/CHelpWindow.h"
#include "editor/help/HelpTopics.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/CWindowList.h"
#include "editor/CCheckView.h"
#include "editor/COperandsDock.h"
#include "editor/dialogs/CReplaceOperandsDialog.h"
#include "editor/CCommands.h"
#include "editor/CDownloadCommand.h"
#include "editor/CEditorSettings.h"
#include "editor/CReportCommand.h"
#include "editor/document/CEditorDocument.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/dialogs/CMessagePrompter.h"
#include "editor/simulator/CPanelSimWindow.h"
#include "editor/canvas/CToolIcons.h"
#include "editor/document/CZL110Doc.h"
#include "editor/CZL110View.h"
#include "model/CBase.h"
#include "qt/CDataPaths.h"
#include "qt/CLanguage.h"
#include "qt/CSerialSettings.h"

namespace zl
{
namespace
{

constexpr const char* kAppTitle = "ZL410 software";
constexpr int kPaneWidth = 150;
constexpr int kCheckViewHeight = 200;

// The component commands and the type code each one places.
constexpr std::pair<int, int> kPlacements[] = {
    {kCmdLed, kLed},
    {kCmdFunctionKey, kFunctionKey},
    {kCmdText, kStaticText},
    {kCmdDynamicText, kDynamicText},
    {kCmdRegister, kRegister},
    {kCmdBarGraph, kBarGraph},
    {kCmdTrendLine, kTrendLine},
    {kCmdPicture, kPicture},
};

} // namespace

CMainFrame::CMainFrame(CPrompter* prompter, CFileChooser* files)
{
    if (!prompter)
        m_ownPrompter = std::make_unique<CMessagePrompter>(this);
    if (!files)
        m_ownFiles = std::make_unique<CDialogFileChooser>();
    m_prompter = prompter ? prompter : m_ownPrompter.get();
    m_files = files ? files : m_ownFiles.get();
    m_editing = new CEditorDocument(this);
    m_view = new CZL110View(*m_editing, *m_prompter, *m_files, this);
    m_doc = new CZL110Doc(*m_view, *m_prompter, *m_files, this);
    m_download = new CDownloadCommand(*m_view, *m_prompter, this);
    m_report = std::make_unique<CReportCommand>(*m_view, *m_doc, *m_files, *m_prompter, this);
    m_check = new CCheckView(this);
    m_operands = new COperandsDock(this);

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    setCentralWidget(m_view);
    createMenus();
    createToolBar();
    createStatusBar();
    setFixedSize(kSize);
    setDockOptions(QMainWindow::AnimatedDocks);
    addDockWidget(Qt::BottomDockWidgetArea, m_check);
    m_check->setAllowedAreas(Qt::BottomDockWidgetArea);
    m_check->setMinimumHeight(kCheckViewHeight);
    m_check->hide();
    connect(m_check, &QDockWidget::topLevelChanged, this, &CMainFrame::fitToCheckView);
    // The form keeps its size: the operands open beside it, and dock where the user drops them.
    addDockWidget(Qt::RightDockWidgetArea, m_operands);
    m_operands->setFloating(true);
    m_operands->resize(640, 360);
    m_operands->hide();
    connect(m_check, &QDockWidget::visibilityChanged, this, &CMainFrame::fitToCheckView);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setAcceptDrops(true);

    connect(m_doc, &CZL110Doc::titleChanged, this, &CMainFrame::showTitle);
    connect(m_doc, &CZL110Doc::recentFilesChanged, this, &CMainFrame::fillRecentFiles);
    connect(m_view, &CZL110View::stateChanged, this, &CMainFrame::UpdateCommands);
    connect(m_editing, &CEditorDocument::settingsChanged, this, &CMainFrame::UpdateCommands);
    connect(m_view, &CZL110View::protocolText, this, &CMainFrame::SetProtocolText);
    connect(m_view, &CZL110View::contextMenuWanted, this, &CMainFrame::showContextMenu);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommands);
    showTitle(m_doc->caption());
    fillRecentFiles();
    UpdateCommands();
    showSelection();
}

CMainFrame::~CMainFrame()
{
    // Closing the window hides the check view after this part of the frame is gone.
    disconnect(m_check, nullptr, this, nullptr);
}

void CMainFrame::showTitle(const QString& caption)
{
    setWindowTitle(caption + QStringLiteral(" - ") + kAppTitle);
}

void CMainFrame::StartUp(const std::string& dataDir, const std::string& configDir)
{
    m_dataDir = dataDir;
    m_view->StartUp(dataDir, configDir);
    if (const Status settings = checkSettingsFile(); !settings)
        m_prompter->message(settings.error().text, ""); // then left alone, the defaults in use
    UpdateCommands();
}

QAction* CMainFrame::addCommand(int command, const QString& text, const QString& tip, bool withImage)
{
    auto* a = new QAction(text, this);
    a->setData(command);
    a->setStatusTip(tip);
    a->setToolTip(tip);
    if (withImage)
        a->setIcon(toolIcon(command));
    m_actions.emplace(command, a);
    return a;
}

QAction* CMainFrame::action(int command) const
{
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::createLanguageMenu(QMenu* view)
{
    QMenu* menu = view->addMenu(tr("Language(&G)"));
    auto* group = new QActionGroup(menu);
    const std::string current = editorLanguage();
    for (const auto& [language, name] : {std::pair{kEnglish, "English"}, std::pair{kChinese, "中文"}}) {
        QAction* a = menu->addAction(QString::fromUtf8(name));
        a->setCheckable(true);
        a->setChecked(current == language);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language = std::string(language)] {
            if (language == editorLanguage())
                return;
            setEditorLanguage(language);
            m_prompter->inform(tr("The editor shows the new language when it starts next.").toStdString(),
                               tr("Language").toStdString());
        });
    }
}

void CMainFrame::createMenus()
{
    QMenu* file = m_fileMenu = menuBar()->addMenu(tr("File(&F)"));
    file->addAction(addCommand(kCmdNewProject, tr("New Project(&N)"), tr("New Project")));
    file->addAction(addCommand(kCmdOpen, tr("Open Project(&O)"), tr("Open Project")));
    file->addAction(addCommand(kCmdSave, tr("Save Project(&S)"), tr("Save Project")));
    file->addAction(addCommand(kCmdSaveAs, tr("Save Project as(&A)..."), tr("Save Project as"), false));
    action(kCmdNewProject)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    action(kCmdOpen)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action(kCmdSave)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    action(kCmdSaveAs)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    file->addAction(addCommand(kCmdPlcSelection, tr("PLC Selection(P)..."), tr("PLC Selection"), false));
    file->addAction(addCommand(kCmdComSelection, tr("COM Selection(C)..."), tr("COM Selection"), false));
    file->addAction(addCommand(kCmdDownload, tr("Download(D)"), tr("Download")));
    file->addSeparator();
    file->addAction(
        addCommand(kCmdImportOld, tr("Import .OLZ Project(&L)"), tr("Import .OLZ Project"), false));
    file->addSeparator();
    m_exportReport = file->addAction(tr("Export report…"), this, [this] { m_report->ExportReport(); });
    if (CReportCommand::CanPrint()) {
        QAction* print = file->addAction(tr("Print…"), this, [this] { m_report->Print(); });
        print->setShortcut(QKeySequence::Print);
    }
    m_recentSeparator = file->addSeparator();
    file->addAction(addCommand(kCmdExit, tr("Exit(&X)"), tr("Exit"), false));

    createEditMenu();

    QMenu* view = menuBar()->addMenu(tr("View(&V)"));
    view->addAction(addCommand(kCmdToolbar, tr("Toolbar(&T)"), tr("Toolbar"), false));
    view->addAction(addCommand(kCmdStatusbar, tr("Statusbar(&S)"), tr("Statusbar"), false));
    createLanguageMenu(view);
    createZoomCommands(view);

    QMenu* tools = menuBar()->addMenu(tr("Tools(&T)"));
    tools->addAction(addCommand(kCmdNewWindow, tr("New window(&N)"), tr("New window")));
    tools->addAction(addCommand(kCmdCopyWindow, tr("Copy window(&C)"), tr("Copy window")));
    tools->addAction(addCommand(kCmdDeleteWindow, tr("Delete window(&D)"), tr("Delete window")));
    m_deleteComponent = new QAction(toolIcon(kCmdCut), tr("Delete component(&P)"), this);
    m_deleteComponent->setData(kCmdCut);
    tools->addAction(m_deleteComponent);
    tools->addSeparator();
    tools->addAction(addCommand(kCmdPanelConfig, tr("VT306 Config(&S)"), tr("VT306 Config")));
    tools->addAction(addCommand(kCmdAlarmList, tr("Alarm list(&L)"), tr("Alarm list")));
    tools->addSeparator();
    m_simulate = tools->addAction(tr("Simulate panel"));
    m_simulate->setStatusTip(tr("Run the project on a virtual panel with a simulated PLC"));
    connect(m_simulate, &QAction::triggered, this, &CMainFrame::SimulatePanel);
    QAction* check = addCommand(kCmdCheckProject, tr("Check project(&K)"),
                                tr("Compile without sending and list the problems"), false);
    check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    tools->addAction(check);
    QAction* operands = m_operands->toggleViewAction();
    operands->setText(tr("Operands"));
    operands->setStatusTip(tr("List every PLC operand the project uses, with conflicts"));
    tools->addAction(operands);

    QMenu* components = menuBar()->addMenu(tr("Components(&P)"));
    const QString names[] = {tr("Led(&L)"),          tr("Function Key(&F)"), tr("Text(&T)"),
                             tr("Dynamic Text(&D)"), tr("Register(&R)"),     tr("Bar Graph(&B)"),
                             tr("Trend Line(&Q)"),   tr("Picture(&P)")};
    for (std::size_t i = 0; i < std::size(kPlacements); ++i) {
        QAction* a = addCommand(kPlacements[i].first, names[i], componentName(kPlacements[i].second));
        a->setCheckable(true);
        components->addAction(a);
        if (i == 4)
            components->addSeparator();
    }

    createHelpMenu();
    addCommand(kCmdWindowAttribute, QString(), tr("Change window attribute"));
    m_secondAttribute = new QAction(toolIcon(kCmdWindowAttribute, 1), QString(), this);
    m_secondAttribute->setData(kCmdWindowAttribute);
    m_secondAttribute->setToolTip(tr("Change window attribute"));

    connect(action(kCmdNewProject), &QAction::triggered, m_doc, &CZL110Doc::NewProject);
    connect(action(kCmdOpen), &QAction::triggered, m_doc, &CZL110Doc::Open);
    connect(action(kCmdSave), &QAction::triggered, m_doc, &CZL110Doc::Save);
    connect(action(kCmdSaveAs), &QAction::triggered, m_doc, &CZL110Doc::SaveAs);
    connect(action(kCmdImportOld), &QAction::triggered, m_doc, &CZL110Doc::ImportOldProject);
    connect(action(kCmdExit), &QAction::triggered, this, &QWidget::close);
    connect(action(kCmdPlcSelection), &QAction::triggered, m_view, &CZL110View::RunPlcSelection);
    connect(action(kCmdComSelection), &QAction::triggered, m_view, &CZL110View::RunComSelection);
    connect(action(kCmdPanelConfig), &QAction::triggered, m_view, &CZL110View::RunPanelSettings);
    connect(action(kCmdAlarmList), &QAction::triggered, m_view, &CZL110View::RunAlarmList);
    connect(action(kCmdCut), &QAction::triggered, m_view, &CZL110View::CutComponent);
    connect(action(kCmdCopy), &QAction::triggered, m_view, &CZL110View::CopyComponent);
    connect(action(kCmdPaste), &QAction::triggered, m_view, &CZL110View::PasteComponent);
    connect(action(kCmdDuplicate), &QAction::triggered, m_view, &CZL110View::DuplicateComponent);
    connect(m_deleteComponent, &QAction::triggered, m_view, &CZL110View::DeleteComponent);
    connect(action(kCmdNewWindow), &QAction::triggered, m_view, &CZL110View::NewWindow);
    connect(action(kCmdCopyWindow), &QAction::triggered, m_view, &CZL110View::CopyWindow);
    connect(action(kCmdDeleteWindow), &QAction::triggered, m_view, &CZL110View::DeleteWindow);
    connect(action(kCmdAbout), &QAction::triggered, this, [this] {
        CAboutDialog(QString::fromStdString(licenceFile(dataDir())), this).exec();
    });
    connect(action(kCmdDownload), &QAction::triggered, this, [this] {
        m_download->Run(m_view->takeControlKey());
        UpdateCommands();
    });
    connect(action(kCmdCheckProject), &QAction::triggered, this, &CMainFrame::CheckProject);
    connect(m_download, &CDownloadCommand::findings, this, [this](const CCheckReport& report) {
        m_check->ShowReport(report);
        m_check->show();
        m_check->raise();
    });
    connect(m_editing, &CEditorDocument::changed, m_check, &CCheckView::ScheduleRecheck);
    connect(m_editing, &CEditorDocument::projectReset, m_check, &CCheckView::ScheduleRecheck);
    connect(m_check, &CCheckView::recheckWanted, this, &CMainFrame::recheck);
    connect(m_editing, &CEditorDocument::changed, this, &CMainFrame::refreshOperands);
    connect(m_editing, &CEditorDocument::projectReset, this, &CMainFrame::refreshOperands);
    connect(m_editing, &CEditorDocument::settingsChanged, this, &CMainFrame::refreshOperands);
    connect(m_operands, &QDockWidget::visibilityChanged, this, &CMainFrame::refreshOperands);
    connect(m_operands, &COperandsDock::componentWanted, this, [this](quint16 window, qulonglong position) {
        // Selecting brings the component to the head of its window's list: the rows follow it there.
        if (m_view->SelectComponent(window, static_cast<std::size_t>(position))) {
            refreshOperands();
            m_operands->ShowComponent(window, 0);
        }
    });
    connect(m_download, &CDownloadCommand::panelModel, this, &CMainFrame::ShowModel);
    connect(m_download, &CDownloadCommand::modelDriverLoaded, m_view,
            [this](int version) { m_view->ShowProtocol(static_cast<std::uint8_t>(version)); });
    // What the compile corrected comes back into the project as one undoable step.
    m_download->takeCorrections = [this](const CCheckReport& report) {
        m_editing->takeCompileCorrections(report);
    };
    connect(m_check, &CCheckView::componentWanted, this, [this](quint16 window, qulonglong position) {
        if (position == CCheckView::kNoComponent)
            m_view->SwitchToRow(m_view->project().FindWindowPosition(window));
        else
            m_view->SelectComponent(window, static_cast<std::size_t>(position));
        // A selection moves the component to the head of its list: the positions of the rows follow.
        recheck();
    });
    for (const auto& [command, type] : kPlacements) {
        connect(action(command), &QAction::triggered, m_view, [this, type = type] {
            if (type == kPicture)
                m_view->ArmPicture();
            else
                m_view->ArmComponent(type);
            UpdateCommands();
        });
    }
    action(kCmdToolbar)->setCheckable(true);
    action(kCmdStatusbar)->setCheckable(true);
    connect(action(kCmdToolbar), &QAction::toggled, this, [this](bool on) { m_toolBar->setVisible(on); });

    connect(action(kCmdStatusbar), &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
}

void CMainFrame::createEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("Edit(&E)"));
    QUndoStack& history = m_editing->undoStack();
    QAction* undo = history.createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history.createRedoAction(this, tr("Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (auto [a, command] : {std::pair{undo, kCmdUndo}, std::pair{redo, kCmdRedo}}) {
        a->setData(command);
        m_actions.emplace(command, a);
        edit->addAction(a);
    }
    edit->addSeparator();
    const auto withKeys = [](QAction* a, QList<QKeySequence> keys) {
        a->setShortcuts(keys);
        return a;
    };
    edit->addAction(withKeys(addCommand(kCmdCut, tr("Cut(&T)"), tr("Cut")),
                             {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}));
    edit->addAction(withKeys(addCommand(kCmdCopy, tr("Copy(&C)"), tr("Copy")),
                             {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
    edit->addAction(withKeys(addCommand(kCmdPaste, tr("Paste(&P)"), tr("Paste")),
                             {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}));
    edit->addAction(withKeys(addCommand(kCmdDuplicate, tr("Duplicate(&D)"), tr("Duplicate"), false),
                             {QKeySequence(Qt::CTRL | Qt::Key_D)}));
    edit->addSeparator();
    m_replaceOperands = edit->addAction(tr("Replace operands…"));
    m_replaceOperands->setStatusTip(tr("Move every use of an operand range to another type and start"));
    connect(m_replaceOperands, &QAction::triggered, this, [this] {
        CReplaceOperandsDialog dialog(*m_editing, this);
        dialog.exec();
    });
    edit->addSeparator();
    createArrangeCommands(edit);
}

void CMainFrame::createHelpMenu()
{
    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    // F1 anywhere in the program opens the section of the page, dialog or window with the focus: this
    // shortcut outside modal dialogs, the help key inside them.
    QAction* manual = help->addAction(tr("User manual"));
    manual->setStatusTip(tr("Open the user manual at the section of what has the focus"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::ApplicationShortcut);
    connect(manual, &QAction::triggered, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        ShowHelp(help::helpTopic(focus ? focus : QApplication::activeWindow()));
    });
    auto* key = new CHelpKey(this);
    qApp->installEventFilter(key);
    connect(key, &CHelpKey::helpWanted, this, &CMainFrame::ShowHelp);
    help->addSeparator();
    help->addAction(addCommand(kCmdAbout, tr("About ZL410(&A)..."), tr("About")));

    help::setHelpTopic(this, help::kMainWindow);
    help::setHelpTopic(&m_view->windowList(), help::kWindowList);
    help::setHelpTopic(&m_view->canvas(), help::kCanvas);
    help::setHelpTopic(m_check, help::kCheck);
    help::setHelpTopic(m_operands, help::kOperands);
}

std::string CMainFrame::dataDir() const
{
    return m_dataDir.empty() ? dataFolder() : m_dataDir;
}

CHelpWindow* CMainFrame::ShowHelp(const QString& topic)
{
    return CHelpWindow::Open(QString::fromStdString(manualFolder(dataDir())), topic, this);
}

void CMainFrame::refreshOperands()
{
    if (m_operands->isVisible())
        m_operands->Refresh(m_editing->project());
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(18, 17));
    m_toolBar->setMovable(false);
    const int layout[] = {kCmdNewProject,
                          kCmdOpen,
                          kCmdSave,
                          0,
                          kCmdCut,
                          kCmdCopy,
                          kCmdPaste,
                          0,
                          kCmdAbout,
                          0,
                          kCmdLed,
                          kCmdFunctionKey,
                          kCmdText,
                          kCmdDynamicText,
                          kCmdRegister,
                          0,
                          kCmdBarGraph,
                          kCmdTrendLine,
                          kCmdPicture,
                          0,
                          kCmdNewWindow,
                          kCmdCopyWindow,
                          kCmdDeleteWindow,
                          0,
                          kCmdPanelConfig,
                          kCmdAlarmList,
                          kCmdDownload,
                          0,
                          kCmdWindowAttribute};
    for (int command : layout) {
        if (command)
            m_toolBar->addAction(action(command));
        else
            m_toolBar->addSeparator();
    }
    m_toolBar->addAction(m_secondAttribute);
    action(kCmdToolbar)->setChecked(true);
    // Hidden through Qt's own toolbar menu too: the check mark follows.
    connect(m_toolBar, &QToolBar::visibilityChanged, action(kCmdToolbar), &QAction::setChecked);
}

void CMainFrame::createStatusBar()
{
    m_model = new QLabel(QStringLiteral(" "));
    m_protocol = new QLabel(tr("No protocol"));
    // "Ready" is the first pane's own text: help texts cover it while shown and it returns after them.
    // Caps, Num and Scroll Lock have no portable reading, so they have no panes.
    statusBar()->addWidget(new QLabel(tr("Ready")), 1);
    for (QLabel* pane : {m_model, m_protocol}) {
        pane->setFixedWidth(kPaneWidth);
        statusBar()->addPermanentWidget(pane);
    }
    statusBar()->setSizeGripEnabled(false);
    action(kCmdStatusbar)->setChecked(true);
}

QString CMainFrame::modelText() const
{
    return m_model->text();
}
QString CMainFrame::protocolText() const
{
    return m_protocol->text();
}

void CMainFrame::ShowModel(int modelCode)
{
    m_model->setText(modelCode == 2   ? QStringLiteral("VT306 V4.5")
                     : modelCode == 4 ? QStringLiteral("VT316 V1")
                                      : QStringLiteral("VT306 V4"));
    m_model->repaint();
}

void CMainFrame::SetProtocolText(const QString& text)
{
    m_protocol->setText(text);
    m_protocol->repaint();
}

void CMainFrame::UpdateCommands()
{
    const bool active = m_view->projectActive();
    // A project without windows can still make one.
    const bool window = active && m_editing->currentWindow();
    for (int command : {kCmdSave, kCmdSaveAs, kCmdPlcSelection, kCmdNewWindow, kCmdPanelConfig, kCmdDownload,
                        kCmdCheckProject})
        action(command)->setEnabled(active);
    // Some protocols keep no alarm list: the command says so instead of doing nothing.
    const bool alarms = active && m_view->project().tables().descriptor().alarmListOffered;
    const QString why =
        active && !alarms ? tr("The PLC protocol of this project has no alarm list") : QString();
    action(kCmdAlarmList)->setEnabled(alarms);
    action(kCmdAlarmList)->setToolTip(why.isEmpty() ? tr("Alarm list") : why);
    action(kCmdAlarmList)->setStatusTip(why);
    for (int command : {kCmdCopyWindow, kCmdDeleteWindow})
        action(command)->setEnabled(window);
    const bool selected = active && m_view->hasSelection();
    for (int command : {kCmdCut, kCmdCopy, kCmdDuplicate})
        action(command)->setEnabled(selected);
    m_deleteComponent->setEnabled(selected);
    m_simulate->setEnabled(active);
    action(kCmdPaste)->setEnabled(m_view->canPaste());
    for (int never : {kCmdWindowAttribute})
        action(never)->setEnabled(false);
    m_secondAttribute->setEnabled(false);
    for (const auto& [command, type] : kPlacements) {
        action(command)->setEnabled(window);
        action(command)->setChecked(m_view->pendingType() == type);
    }
}

void CMainFrame::SimulatePanel()
{
    if (!m_simulator)
        m_simulator = CPanelSimWindow::ForView(*m_view, m_dataDir, this);
    m_simulator->show();
    m_simulator->raise();
    m_simulator->activateWindow();
}

void CMainFrame::fillRecentFiles()
{
    for (QAction* a : m_recentActions)
        delete a;
    m_recentActions.clear();
    const QStringList files = m_doc->recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        auto* a =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])), this);
        connect(a, &QAction::triggered, m_doc, [this, path = files[i]] { m_doc->OpenDocumentFile(path); });
        m_fileMenu->insertAction(m_recentSeparator, a);
        m_recentActions << a;
    }
    if (!files.isEmpty())
        m_recentActions << m_fileMenu->insertSeparator(m_recentActions.front());
}

void CMainFrame::showContextMenu(const QPoint& at)
{
    if (!m_view->projectActive())
        return;
    QMenu menu(this);
    menu.addAction(action(kCmdDeleteWindow));
    menu.addAction(action(kCmdCopyWindow));
    menu.exec(at);
}

void CMainFrame::CheckProject()
{
    if (!m_view->projectActive())
        return;
    recheck();
    m_check->show();
    m_check->raise();
}

void CMainFrame::recheck()
{
    if (m_view->projectActive())
        m_check->ShowReport(zl::CheckProject(m_view->project(), {m_view->dataDir(), {}, m_view->fonts()}));
    else
        m_check->ShowNoProject();
}

void CMainFrame::fitToCheckView()
{
    const bool docked = !m_check->isHidden() && !m_check->isFloating();
    setFixedSize(kSize.width(), kSize.height() + (docked ? m_check->minimumHeight() : 0));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A transfer in progress asks first; a panel must not be left half-programmed unasked.
    if (m_download->MayClose() && m_doc->SaveModified())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            m_doc->OpenDocumentFile(url.toLocalFile());
            return;
        }
    }
}

} // namespace zl
