#pragma once
// The main form: the window list, the preview canvas and the property page area. It carries out the
// editing commands as undoable edits of the editing document, which owns the project; file identity and
// file commands are the file document's.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "render/CFontFiles.h"
#include "editor/document/CEditorDocument.h"

class QGroupBox;
class QScrollArea;

namespace zl
{

class CBase;
class CEditorCanvas;
class CFileChooser;
class CPrompter;
class CPropertyPages;
class CWindowList;
class CWindowPage;

class CZL110View : public QWidget
{
    Q_OBJECT
public:
    // The form's regions, in form pixels.
    static constexpr QRect kListRect{10, 20, 200, 428};
    static constexpr QRect kCanvasFrameRect{220, 20, 512, 188};
    // Inside the frame: the canvas at the form's own zoom stands centred at (260, 40); larger, it scrolls.
    static constexpr QRect kCanvasAreaRect{222, 22, 508, 180};
    static constexpr QRect kPageRect{220, 218, 512, 230};

    CZL110View(CEditorDocument& document, CPrompter& prompter, CFileChooser& files,
               QWidget* parent = nullptr);
    ~CZL110View() override;

    // Reads "In.dat" and the protocol catalogue and sets the protocol's start-up defaults; a missing
    // catalogue is reported. Also loads the panel fonts for the preview.
    void StartUp(const std::string& dataDir, const std::string& configDir);

    CEditorDocument& document() const { return m_doc; }
    CProject& project() const { return m_doc.project(); }
    const std::string& cataloguePath() const { return m_cataloguePath; }
    const std::string& toolSettingsPath() const { return m_toolSettingsPath; }
    const std::string& dataDir() const { return m_dataDir; }
    // The panel fonts, when they could be read.
    const CFontFiles* fonts() const { return m_fonts ? &*m_fonts : nullptr; }
    CEditorCanvas& canvas() const { return *m_canvas; }

    // --- zoom (remembered in the editor settings)
    // Shows the canvas at `zoom` widget pixels per panel pixel, keeping the canvas point under the
    // widget point `around` (a point of the canvas widget) where it is.
    void setZoom(double zoom, std::optional<QPoint> around = std::nullopt);
    // `steps` levels of the zoom ladder in (negative: out).
    void zoomBy(int steps, std::optional<QPoint> around = std::nullopt);
    // The largest zoom at which the whole panel shows without scrolling.
    void zoomToFit();
    // The zoom and grid the editor settings remember.
    void restoreCanvasSettings();
    // Shows or hides the grid, turns snapping on or off and sets the spacing, remembered.
    void setGrid(bool shown, bool snap, QSize spacing);
    CWindowList& windowList() const { return *m_list; }
    CWindowPage& windowPage() const { return *m_windowPage; }
    CPropertyPages& pages() const { return *m_pages; }

    // A project has been created or opened: the editing commands are enabled.
    bool projectActive() const { return m_projectActive; }
    bool hasSelection() const;
    int pendingType() const;
    // Read and cleared by the download: Ctrl was held.
    bool takeControlKey();

    // --- document support
    // Empties the project's windows before a load.
    void ClearView();
    // After a load: the list, the protocol pane and the canvas follow the loaded project, whose history
    // starts afresh.
    void ProjectLoaded();
    // After a failed load put the previous project back: the list and the canvas show it again and its
    // history stays.
    void ProjectRestored();
    // New Project after the save prompt: PLC Selection, then the fresh project with window 1. False when
    // the catalogue has no protocol or the user cancels.
    bool NewProject(const std::function<bool()>& mayDiscard);

    // --- commands
    void ArmComponent(int typeCode);
    void ArmPicture();
    void DeleteComponent();
    void CutComponent();
    void CopyComponent();
    void PasteComponent();
    void DuplicateComponent();
    // The clipboard holds a component and there is a window to paste it into.
    bool canPaste() const;
    void NewWindow();
    void CopyWindow();
    void DeleteWindow();
    bool RunPlcSelection();
    void RunComSelection();
    // "VT306 config"; "Ok" with a change stores the settings.
    void RunPanelSettings();
    // Stores new panel settings into the project; nothing happens when they equal the project's.
    void ApplyPanelSettings(const CPanelSettings& settings);
    // "Alarm list" (none under protocol 31); the coil and texts it closes with are stored.
    void RunAlarmList();
    // Stores an edited alarm list into the project; nothing happens when its coil and texts are the
    // project's.
    void ApplyAlarmList(const CAlarmList& edited);
    // The list was clicked on `row` (−1: below the rows).
    void SwitchToRow(int row);
    // Shows window `number` and selects its component at list position `position`.
    bool SelectComponent(std::uint16_t number, std::size_t position);
    // The protocol pane: the protocol's name and the driver's version.
    void ShowProtocol(std::uint8_t driverVersion);

signals:
    void stateChanged();
    // The protocol pane's text.
    void protocolText(const QString& text);
    void contextMenuWanted(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The page of the selection: the window page for the current window when nothing is selected
    // or the page of the selected component's kind.
    void ShowPage();
    // The protocol pane for the project's protocol; false when the catalogue has no such entry. A driver
    // that cannot be loaded is told when `tellMissingDriver`.
    bool LoadProtocolPane(bool tellMissingDriver = true);
    bool filterKey(QEvent* event);
    // Arrow keys: the selected component by panel pixels, one undo step per key-repeat burst.
    void MoveSelected(int dx, int dy, bool repeated);

    CPrompter& m_prompter;
    CFileChooser& m_files;
    CEditorDocument& m_doc;
    std::optional<CFontFiles> m_fonts;
    std::string m_cataloguePath;
    std::string m_toolSettingsPath;
    std::string m_dataDir;
    CWindowList* m_list;
    QGroupBox* m_pageArea;
    CWindowPage* m_windowPage;
    CPropertyPages* m_pages;
    CEditorCanvas* m_canvas;
    QScrollArea* m_canvasArea = nullptr;
    bool m_projectActive = false;
    bool m_controlKeyDown = false;
    QString m_keyBurst;
};

} // namespace zl
