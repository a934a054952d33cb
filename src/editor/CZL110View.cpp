#include "editor/CZL110View.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "plc/CProtocolCatalogue.h"
#include "plc/CProtocolTables.h"
#include "plc/CToolSettings.h"
#include "editor/CBoundControls.h"
#include "editor/CEditorCanvas.h"
#include "editor/CFileChooser.h"
#include "editor/CPortDialogs.h"
#include "editor/CPropertyPages.h"
#include "editor/CWindowList.h"
#include "editor/CWindowPage.h"
#include "base/CPrompter.h"
#include "qt/CBitmapLoader.h"

namespace zl
{

CZL110View::CZL110View(CPrompter& prompter, CFileChooser& files, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_files(files), m_list(new CWindowList(this)),
      m_pageArea(new QGroupBox(this)), m_windowPage(new CWindowPage),
      m_pages(new CPropertyPages(m_windowPage, m_pageArea))
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
    m_canvas = new CEditorCanvas(m_project, this);
    m_canvas->move(kCanvasOrigin);

    m_list->installEventFilter(this);
    m_canvas->installEventFilter(this);
    connect(m_list, &CWindowList::rowClicked, this, &CZL110View::SwitchToRow);
    connect(m_list, &CWindowList::contextMenuWanted, this, &CZL110View::contextMenuWanted);
    connect(m_canvas, &CEditorCanvas::pressed, m_list, [this] { m_list->setFocus(); });
    connect(m_canvas, &CEditorCanvas::componentSelected, this, &CZL110View::ShowComponentPage);
    connect(m_canvas, &CEditorCanvas::selectionCleared, this, &CZL110View::ShowWindowPage);
    connect(m_canvas, &CEditorCanvas::componentMoved, m_pages, &CPropertyPages::ShowPosition);
    connect(m_pages, &CPropertyPages::edited, this, [this] {
        m_canvas->Invalidate();
        emit modified();
    });
    connect(m_canvas, &CEditorCanvas::modified, this, &CZL110View::modified);
    connect(m_canvas, &CEditorCanvas::stateChanged, this, &CZL110View::stateChanged);
    connect(m_windowPage, &CWindowPage::edited, this, &CZL110View::modified);
    connect(m_windowPage, &CWindowPage::descriptionEdited, this, [this] {
        if (CMainView* w = m_project.CurrentWindow())
            m_list->SetDescription(m_project.currentWindow, w->description);
    });
}

CZL110View::~CZL110View() = default;

void CZL110View::StartUp(const std::string& dataDir, const std::string& configDir)
{
    m_dataDir = dataDir;
    m_cataloguePath = CProtocolCatalogue::cataloguePath(dataDir);
    m_toolSettingsPath = CToolSettings::path(configDir);
    const Status started = m_project.StartUp(m_cataloguePath, m_toolSettingsPath);
    if (!started)
        m_prompter.message(started.error().text, started.error().caption);
    // Without the fonts the preview draws blank character cells; the download reports them.
    if (auto fonts = CFontFiles::Load(dataDir))
        m_fonts.emplace(std::move(*fonts));
    m_canvas->setFonts(m_fonts ? &*m_fonts : nullptr);
}

bool CZL110View::hasSelection() const
{
    return m_canvas->hasSelection();
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

void CZL110View::ShowWindowPage()
{
    m_pages->ShowWindowPage();
    m_windowPage->Load(m_project.CurrentWindow());
}

void CZL110View::ShowComponentPage(CBase* component)
{
    if (!m_pages->ShowComponent(component, m_project.tables()))
        m_windowPage->Load(m_project.CurrentWindow());
    emit stateChanged();
}

void CZL110View::AfterWindowChange()
{
    m_list->SelectRow(m_project.currentWindow);
    m_canvas->ClearSelection();
    ShowWindowPage();
    emit stateChanged();
}

void CZL110View::ClearView()
{
    m_list->setRowCount(0);
    m_project.ClearWindows();
    m_canvas->CancelPlacement();
    m_canvas->ClearSelection();
    m_windowPage->Load(nullptr);
    m_list->setFocus();
}

void CZL110View::ShowProtocol(std::uint8_t driverVersion)
{
    emit protocolText(QString::fromStdString(protocolDisplayName(m_project.protocol())) +
                      QStringLiteral(".%1").arg(driverVersion));
}

void CZL110View::ProjectLoaded()
{
    m_projectActive = true;
    m_list->Rebuild(m_project);
    const auto& types = m_project.entryTypes();
    const auto entry = std::find(types.begin(), types.end(), m_project.protocol());
    if (entry == types.end()) {
        // The loaded protocol is not in the catalogue: nothing to select in PLC Selection.
        m_prompter.message("protocol number error!!!", "");
    } else {
        auto driver =
            CProtocolCatalogue::LoadDriver(m_cataloguePath, static_cast<std::uint8_t>(m_project.protocol()));
        if (driver) {
            m_project.comm.listPosition = static_cast<std::uint8_t>(driver->position);
            (void)CToolSettings::WriteListPosition(m_toolSettingsPath, m_project.comm.listPosition);
            ShowProtocol(driver->version);
        } else {
            m_prompter.message(driver.error().text, driver.error().caption);
        }
    }
    AfterWindowChange();
}

void CZL110View::ProjectRestored()
{
    m_list->Rebuild(m_project);
    AfterWindowChange();
}

bool CZL110View::NewProject(const std::function<bool()>& mayDiscard)
{
    if (m_project.entryTypes().empty()) {
        m_prompter.message("The file Zentu_Ptc.dat error!!!", "");
        return false;
    }
    if (!mayDiscard() || !RunPlcSelection())
        return false;
    ClearView();
    m_project.ResetForNewProject();
    m_projectActive = true;
    m_list->Rebuild(m_project);
    AfterWindowChange();
    return true;
}

bool CZL110View::RunPlcSelection()
{
    CPlcSelectionDialog dialog(m_project, m_cataloguePath, m_toolSettingsPath, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_project.SetProtocol(dialog.protocol());
    emit protocolText(dialog.statusText());
    if (CBase* selected = m_canvas->selected())
        ShowComponentPage(selected); // the page reloads for the new protocol's tables
    emit stateChanged();
    return true;
}

void CZL110View::RunComSelection()
{
    CComSelectionDialog dialog(m_project.comm.portIndex, this);
    if (dialog.exec() == QDialog::Accepted)
        m_project.comm.portIndex = dialog.portIndex();
    const Status written =
        CToolSettings{m_project.comm.listPosition, m_project.comm.portIndex}.Write(m_toolSettingsPath);
    if (!written)
        m_prompter.message(written.error().text, written.error().caption);
}

void CZL110View::ArmComponent(int typeCode)
{
    if (!m_project.CurrentWindow())
        return;
    m_canvas->ArmPlacement(typeCode);
}

void CZL110View::ArmPicture()
{
    if (!m_project.CurrentWindow())
        return;
    if (m_canvas->pendingType() == kPicture) {
        m_canvas->CancelPlacement();
        return;
    }
    const QString path = m_files.openFile(this, QStringLiteral("Open picture"), QStringLiteral("bmp(*.bmp)"));
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

bool CZL110View::filterKey(QEvent* event)
{
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Control) {
        m_controlKeyDown = event->type() == QEvent::KeyPress;
        return false;
    }
    if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Delete && m_projectActive) {
        if (m_canvas->hasSelection())
            DeleteComponent();
        else
            DeleteWindow();
    }
    return false; // the key goes on to its control as usual
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
