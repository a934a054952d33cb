#include "editor/CZL110View.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "plc/CProtocolCatalogue.h"
#include "plc/CProtocolTables.h"
#include "plc/CToolSettings.h"
#include "editor/controls/CBoundControls.h"
#include "editor/document/CComponentClipboard.h"
#include "editor/pages/CComponentPage.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CComSelectionDialog.h"
#include "editor/dialogs/CPlcSelectionDialog.h"
#include "editor/pages/CPropertyPages.h"
#include "editor/CWindowList.h"
#include "editor/pages/CWindowPage.h"
#include "base/CPrompter.h"
#include "qt/CBitmapLoader.h"
#include "qt/CMessages.h"

namespace zl
{

CZL110View::CZL110View(CEditorDocument& document, CPrompter& prompter, CFileChooser& files, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_files(files), m_doc(document),
      m_list(new CWindowList(document, this)), m_pageArea(new QGroupBox(this)),
      m_windowPage(new CWindowPage(document)), m_pages(new CPropertyPages(m_windowPage, m_pageArea))
{
    setFixedSize(kPageRect.right() + 11, kPageRect.bottom() + 11);
    m_list->setGeometry(kListRect);
    auto* canvasFrame = new QFrame(this);
    canvasFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    canvasFrame->setGeometry(kCanvasFrameRect);
    m_pageArea->setGeometry(kPageRect);
    m_pageArea->setFlat(true);
    auto* pageLayout = new QVBoxLayout(m_pageArea);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(m_pages);
    m_canvas = new CEditorCanvas(m_doc, this);
    m_canvasArea = new QScrollArea(this);
    m_canvasArea->setGeometry(kCanvasAreaRect);
    m_canvasArea->setFrameShape(QFrame::NoFrame);
    m_canvasArea->setAlignment(Qt::AlignCenter);
    m_canvasArea->setWidget(m_canvas);
    connect(m_canvas, &CEditorCanvas::zoomWheeled, this, [this](int steps, QPoint at) { zoomBy(steps, at); });
    restoreCanvasSettings();

    m_list->installEventFilter(this);
    m_canvas->installEventFilter(this);
    connect(m_list, &CWindowList::rowClicked, this, &CZL110View::SwitchToRow);
    connect(m_list, &CWindowList::contextMenuWanted, this, &CZL110View::contextMenuWanted);
    connect(m_canvas, &CEditorCanvas::pressed, m_list, [this] { m_list->setFocus(); });
    // Every change a component page makes is an undoable edit of the selected component.
    for (CComponentPage* page : m_pages->pages())
        page->setEditGate(
            [this](const QString& step, const QString& mergeKey, const std::function<void()>& change) {
                CBase* shown = m_doc.selectedComponent();
                if (!shown)
                    change(); // a page shown without a selection belongs to no project
                else
                    m_doc.setComponentField(
                        *shown, step, [&](CBase&) { change(); }, mergeKey);
            });
    for (CComponentPage* page : m_pages->pages())
        page->setFitsOnBinding([this] { return m_doc.makingStep(); });
    for (auto redraw : {&CPropertyPages::edited, &CPropertyPages::redrawWanted})
        connect(m_pages, redraw, m_canvas, &CEditorCanvas::Invalidate);
    connect(&m_doc, &CEditorDocument::componentChanged, m_pages, [this] {
        if (!m_doc.restoring()) // after an undo the page rebinds on restored()
            m_pages->ShowPosition();
    });
    connect(m_canvas, &CEditorCanvas::stateChanged, this, &CZL110View::stateChanged);
    for (auto changed :
         {&CEditorDocument::selectionChanged, &CEditorDocument::restored, &CEditorDocument::projectReset})
        connect(&m_doc, changed, this, &CZL110View::ShowPage);
    connect(&m_doc, &CEditorDocument::currentWindowChanged, this, &CZL110View::ShowPage);
    connect(&m_doc, &CEditorDocument::settingsChanged, this, [this](bool protocolChanged) {
        // PLC Selection has told of a missing driver on OK; its undo and redo need not tell again.
        if (protocolChanged)
            LoadProtocolPane(false);
        ShowPage(); // the page reloads for the protocol's tables
    });
}

CZL110View::~CZL110View() = default;

void CZL110View::StartUp(const std::string& dataDir, const std::string& configDir)
{
    m_dataDir = dataDir;
    m_cataloguePath = CProtocolCatalogue::cataloguePath(dataDir);
    m_toolSettingsPath = CToolSettings::path(configDir);
    m_doc.setToolSettingsPath(m_toolSettingsPath);
    const Status started = project().StartUp(m_cataloguePath, m_toolSettingsPath);
    if (!started)
        m_prompter.message(started.error().text, started.error().caption);
    // Without the fonts the preview draws blank character cells; the download reports them.
    if (auto fonts = CFontFiles::Load(dataDir))
        m_fonts.emplace(std::move(*fonts));
    m_canvas->setFonts(m_fonts ? &*m_fonts : nullptr);
}

bool CZL110View::hasSelection() const
{
    return m_doc.hasSelection();
}

int CZL110View::pendingType() const
{
    return m_canvas->pendingType();
}

bool CZL110View::takeControlKey()
{
    const bool down = m_controlKeyDown;
    m_controlKeyDown = false;
    return down;
}

void CZL110View::ShowPage()
{
    if (CBase* selected = m_doc.selectedComponent())
        m_pages->ShowComponent(selected, project().tables());
    else
        m_pages->ShowWindowPage();
    m_windowPage->Load();
    emit stateChanged();
}

void CZL110View::ClearView()
{
    m_canvas->CancelPlacement();
    project().ClearWindows();
    m_doc.reset(false);
    m_list->setFocus();
}

void CZL110View::ShowProtocol(std::uint8_t driverVersion)
{
    emit protocolText(QString::fromStdString(translateMessage(protocolDisplayName(project().protocol()))) +
                      QStringLiteral(".%1").arg(driverVersion));
}

bool CZL110View::LoadProtocolPane(bool tellMissingDriver)
{
    CProject& p = project();
    const auto& types = p.entryTypes();
    if (std::find(types.begin(), types.end(), p.protocol()) == types.end()) {
        emit protocolText(tr("No protocol"));
        return false;
    }
    auto driver = CProtocolCatalogue::LoadDriver(m_cataloguePath, static_cast<std::uint8_t>(p.protocol()));
    if (!driver) {
        // The pane must not go on naming the previous project's protocol.
        emit protocolText(QString::fromStdString(translateMessage(protocolDisplayName(p.protocol()))));
        if (tellMissingDriver)
            m_prompter.message(driver.error().text, driver.error().caption);
        return true;
    }
    p.comm.listPosition = static_cast<std::uint8_t>(driver->position);
    ShowProtocol(driver->version);
    return true;
}

void CZL110View::ProjectLoaded()
{
    m_projectActive = true;
    m_doc.reset();
    if (LoadProtocolPane())
        (void)CToolSettings::WriteListPosition(m_toolSettingsPath, project().comm.listPosition);
    else
        m_prompter.message(QT_TRANSLATE_NOOP("Message", "protocol number error!!!"), "");
    emit stateChanged();
}

void CZL110View::ProjectRestored()
{
    m_doc.reset(false);
}

bool CZL110View::NewProject(const std::function<bool()>& mayDiscard)
{
    if (project().entryTypes().empty()) {
        m_prompter.message(QT_TRANSLATE_NOOP("Message", "The file Zentu_Ptc.dat error!!!"), "");
        return false;
    }
    if (!mayDiscard())
        return false;
    CPlcSelectionDialog dialog(project(), m_cataloguePath, m_toolSettingsPath, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_canvas->CancelPlacement();
    project().comm = dialog.settings();
    project().SetProtocol(dialog.protocol());
    emit protocolText(dialog.statusText());
    project().ResetForNewProject();
    m_projectActive = true;
    m_doc.reset();
    return true;
}

bool CZL110View::RunPlcSelection()
{
    CPlcSelectionDialog dialog(project(), m_cataloguePath, m_toolSettingsPath, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_doc.selectPlc(dialog.settings(), dialog.protocol());
    emit protocolText(dialog.statusText());
    emit stateChanged();
    return true;
}

void CZL110View::RunComSelection()
{
    // The port is the tool's setting, not the project's: no undo step.
    CCommSettings& comm = project().comm;
    CComSelectionDialog dialog(comm.portIndex, this);
    if (dialog.exec() == QDialog::Accepted)
        comm.portIndex = dialog.portIndex();
    const Status written = CToolSettings{comm.listPosition, comm.portIndex}.Write(m_toolSettingsPath);
    if (!written)
        m_prompter.message(written.error().text, written.error().caption);
}

void CZL110View::ArmComponent(int typeCode)
{
    if (!m_doc.currentWindow())
        return;
    m_canvas->ArmPlacement(typeCode);
}

void CZL110View::ArmPicture()
{
    if (!m_doc.currentWindow())
        return;
    if (m_canvas->pendingType() == kPicture) {
        m_canvas->CancelPlacement();
        return;
    }
    const QString path = m_files.openFile(this, tr("Open picture"), tr("bmp(*.bmp)"));
    if (path.isEmpty()) {
        m_canvas->CancelPlacement();
        return;
    }
    auto image = LoadBitmapFile(path.toStdString());
    if (!image) {
        m_canvas->CancelPlacement();
        m_prompter.message(image.error().text, image.error().caption);
        return;
    }
    m_canvas->ArmPicture(std::move(*image));
}

void CZL110View::DeleteComponent()
{
    m_canvas->DeleteSelected();
}

void CZL110View::CutComponent()
{
    m_doc.cutSelected();
}

void CZL110View::CopyComponent()
{
    const std::vector<CBase*> copied = m_doc.selection();
    CopyToClipboard(copied);
}

bool CZL110View::canPaste() const
{
    return m_projectActive && m_doc.currentWindow() && ClipboardHasComponent();
}

void CZL110View::PasteComponent()
{
    if (!m_doc.currentWindow())
        return;
    // A clipboard that does not read back as components pastes nothing.
    if (std::vector<std::unique_ptr<CBase>> copies = ComponentsFromClipboard(); !copies.empty()) {
        m_canvas->CancelPlacement();
        m_doc.pasteComponents(std::move(copies));
    }
}

void CZL110View::DuplicateComponent()
{
    if (!m_doc.hasSelection())
        return;
    m_canvas->CancelPlacement();
    m_doc.duplicateSelected();
}

bool CZL110View::filterKey(QEvent* event)
{
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Control) {
        m_controlKeyDown = event->type() == QEvent::KeyPress;
        return false;
    }
    if (event->type() != QEvent::KeyPress || !m_projectActive)
        return false;
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    const int step = shift ? 8 : 1;
    const bool selected = m_doc.hasSelection();
    switch (key->key()) {
    case Qt::Key_Delete:
        if (selected)
            DeleteComponent();
        else
            DeleteWindow();
        return false; // the key goes on to its control as usual
    case Qt::Key_Escape:
        if (m_canvas->pendingType() != CEditorCanvas::kNothingPending)
            m_canvas->CancelPlacement();
        else
            m_doc.clearSelection();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        m_doc.selectNext(key->key() == Qt::Key_Backtab || shift);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (selected)
            MoveSelected(key->key() == Qt::Key_Left ? -step : step, 0, key->isAutoRepeat());
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // With nothing selected they step through the windows, and the list's highlight goes along.
        if (selected)
            MoveSelected(0, key->key() == Qt::Key_Up ? -step : step, key->isAutoRepeat());
        else
            m_doc.setCurrentWindow(m_doc.currentPosition() + (key->key() == Qt::Key_Up ? -1 : 1));
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!selected)
            m_doc.setCurrentWindow(key->key() == Qt::Key_Home ? 0 : int(project().windowCount()) - 1);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true; // the list's highlight moves only with the current window
    default:
        return false;
    }
}

void CZL110View::MoveSelected(int dx, int dy, bool repeated)
{
    if (!m_doc.hasSelection())
        return;
    if (!repeated || m_keyBurst.isEmpty())
        m_keyBurst = m_doc.newBurstKey(QStringLiteral("key"));
    m_doc.moveSelected(dx, dy, m_keyBurst);
}

bool CZL110View::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return filterKey(event);
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void CZL110View::mousePressEvent(QMouseEvent* event)
{
    // A right click on the form around the canvas cancels a pending placement, as one on the canvas
    // does; the list keeps its right clicks for its menu.
    if (event->button() == Qt::RightButton && m_canvas->pendingType() != CEditorCanvas::kNothingPending)
        m_canvas->CancelPlacement();
    QWidget::mousePressEvent(event);
}

} // namespace zl
