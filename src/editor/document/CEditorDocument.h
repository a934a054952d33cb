#pragma once
// The editing document: owns the project, the current window, the component selection and the undo
// history, and tells its listeners what changed. Every change of the project goes through one of its
// edit functions, which record it as one undoable step.
//
// A step keeps mementos of what it touched, written by the project file's own writer, before and after,
// with the current window and the selection: a change of one component keeps only that component's
// bytes and reads them back into the same object; a change of windows keeps those windows (by number)
// and/or the settings block. Undo and redo read them back, so the project returns to exactly the bytes
// it had.
//
// Undoing a window-level step replaces that window's component objects (and a window that was removed
// and comes back is a new object): across such a step listeners reload from selectedComponent() and
// currentWindow() instead of the pointers they held.
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "model/CProject.h"

namespace zl
{

class CEditStep;
struct CEditState;
class CPrompter;
struct CCheckReport;
struct COperandRange;

class CEditorDocument : public QObject
{
    Q_OBJECT
public:
    explicit CEditorDocument(QObject* parent = nullptr);
    ~CEditorDocument() override;

    // Read freely; change only through the edit functions below (start-up and loading excepted, which
    // call reset() afterwards).
    CProject& project() { return m_project; }
    const CProject& project() const { return m_project; }
    QUndoStack& undoStack() { return m_undo; }

    // The project as a whole was replaced (New, Open, a failed Open put back): listeners rebuild, and
    // `clearHistory` forgets the undo history and marks the project unmodified.
    void reset(bool clearHistory = true);
    bool isModified() const { return !m_undo.isClean(); }
    // While an undo or redo tells what changed: component objects may already be replaced, so a page
    // waits for restored() to rebind instead of reading through the pointers it holds.
    bool restoring() const { return m_restoring; }
    // An edit runs, or its listeners hear of it: what they write now belongs to that step.
    bool makingStep() const { return m_busy || m_settling; }
    // Saved: the current step becomes the clean state. `modified` true marks the project modified with
    // no step to undo back to it.
    void setModified(bool modified);

    // --- current window and selection (not edits: they are not recorded)
    CMainView* currentWindow() const { return m_project.CurrentView(); }
    int currentPosition() const;
    void setCurrentWindow(int position);
    // The selected component: the head of the current window's list while something is selected.
    CBase* selectedComponent() const;
    bool hasSelection() const { return selectedComponent() != nullptr; }
    // Selects the topmost component at the canvas point (it moves to the head); a miss clears the
    // selection. True on a hit.
    bool selectAt(CPoint canvas);
    // Selects the current window's component at list position `position` (it moves to the head); false
    // when there is none.
    bool selectPosition(std::size_t position);
    // Tab and Shift+Tab: the next or previous component of the window.
    void selectNext(bool backward);
    void selectHead();
    void clearSelection();

    // --- the selection set: the selected component (the head, whose page shows) and others of the
    // current window that act with it: moved, deleted, cut, copied, duplicated and arranged together.
    // Changing the set is no edit either.
    // The head first, then the others in list order; empty without a selection.
    std::vector<CBase*> selection() const;
    bool isSelected(const CBase* component) const;
    // Shift+click (`toggle` false): the component at the point joins the selection and becomes its head.
    // Ctrl+click (`toggle` true): the same for one not selected; one selected leaves it. False on a miss.
    bool extendSelectionAt(CPoint canvas, bool toggle);
    // The rubber band: the components lying wholly inside `canvas` are selected, added to the selection
    // with `add`; the topmost of them becomes the head.
    void selectInside(CRect canvas, bool add);
    void selectAll();
    // The selection's bounding rectangle on the canvas.
    std::optional<CRect> selectionBounds() const;

    // --- operations: each is one undoable step, named for the undo menu ("Move LED"). False when it
    // changed nothing (no step is recorded then) or there was nothing to change.
    // Operations on "the selected component" act on the whole selection when it holds several, as one
    // step ("Move 3 components").
    // Places `component` at the canvas point and selects it.
    bool placeComponent(std::unique_ptr<CBase> component, CPoint at);
    // Pastes `copy` one grid step right of and below where it was, and selects it ("Paste …").
    bool pasteComponent(std::unique_ptr<CBase> copy);
    // The same for several, which become the selection.
    bool pasteComponents(std::vector<std::unique_ptr<CBase>> copies);
    bool duplicateSelected();
    bool deleteSelected();
    // Puts the selected component on the clipboard and deletes it.
    bool cutSelected();
    // By panel pixels (the arrow keys).
    bool moveSelected(int dx, int dy, const QString& mergeKey = {});
    // The canvas drag from `mouse` to `to`; `mouse` advances by the steps taken.
    bool dragSelected(CPoint& mouse, CPoint to, const QString& mergeKey);
    // Arranging the selection, in panel pixels, each component kept on the panel.
    enum class Align { Left, Right, Top, Bottom, HorizontalCentre, VerticalCentre };
    // Lines the selection up on an edge or the centre line of its bounding rectangle.
    bool alignSelection(Align how);
    // Spaces three or more evenly between the outermost two, which stay.
    bool distributeSelection(bool horizontally);
    // Gives the bars and trend lines of the selection the width and/or height of the head (or of the
    // first bar or trend line), within their smallest size and the panel.
    bool sameSizeSelection(bool width, bool height);
    // Any change of one field (or a few) of `component`, a component of the current window: `step`
    // names it, `change` makes it. Pages write through this one.
    bool setComponentField(CBase& component, const QString& step, const std::function<void(CBase&)>& change,
                           const QString& mergeKey = {});
    // The current window's description or jumps.
    bool setWindowField(const QString& step, const std::function<void(CMainView&)>& change,
                        const QString& mergeKey = {});
    bool newWindow(std::uint16_t number, const std::string& description);
    // Copies the current window to window `target`; the prompter hears why when it cannot.
    bool copyWindow(std::uint16_t target, CPrompter& prompter);
    // Deleting the only window makes a new window 1.
    bool deleteCurrentWindow();
    bool setPanelSettings(const CPanelSettings& settings);
    bool setAlarmList(const CAlarmList& alarms);
    // The PLC Selection dialog's outcome: communication settings and protocol. Its undo and redo also put
    // the protocol's list position into the tool settings file (see setToolSettingsPath).
    bool selectPlc(const CCommSettings& comm, unsigned protocol);
    // What a compile corrected: settings and repaired limits.
    bool takeCompileCorrections(const CCheckReport& report);
    // Moves every use of the range `from` to the type and start of `to` ("Replace operands"), as one step
    // over every window it touches and the settings block; false, changing nothing, when the replace would
    // refuse any use or finds none (planReplace tells which and why).
    bool replaceOperands(const COperandRange& from, const COperandRange& to);

    // The tool settings file ("In.dat") whose list position follows the protocol when an undo or redo
    // changes it; none by default.
    void setToolSettingsPath(std::string path) { m_toolSettingsPath = std::move(path); }

    // A merge key no earlier edit used: one per drag, per key-repeat burst.
    QString newBurstKey(const QString& kind);

signals:
    // After reset().
    void projectReset();
    void windowAdded(int position);
    void windowRemoved(int position);
    // Number, description or jumps of the window at `position` (a renumbered window arrives as removed
    // and added, the list being sorted by number).
    void windowChanged(int position);
    void currentWindowChanged(int position);
    // Components of the window at `position` were added, removed or changed.
    void componentAdded(int position);
    void componentRemoved(int position);
    void componentChanged(int position);
    void selectionChanged();
    // The settings block; `protocolChanged` when the protocol (and with it the operand tables) changed.
    void settingsChanged(bool protocolChanged);
    void modifiedChanged(bool modified);
    // After every recorded edit, undo, redo and reset: the project's content may differ.
    void changed();
    // After an undo or a redo, once the signals above told what changed: pages reload their fields from
    // the document (after an ordinary edit they do not, as the page itself made it).
    void restored();

private:
    friend class CEditStep;
    // Each runs `change`, then records the step named `name` unless the change left every byte as it
    // was. Consecutive edits with the same non-empty `mergeKey` on the same target merge into one step
    // (typing in one field, one drag). An edit made while another runs, or while a step is undone or
    // redone, becomes part of that.
    bool editWindow(const QString& name, const std::function<void(CMainView&)>& change,
                    const QString& mergeKey = {});
    // Of `component`, in the current window: only its bytes are kept.
    bool editComponent(CBase& component, const QString& name, const std::function<void(CBase&)>& change,
                       const QString& mergeKey = {});
    bool editSelected(const QString& name, const std::function<void(CBase&)>& change,
                      const QString& mergeKey = {});
    // Of the settings block: protocol, communication and panel settings, alarm list.
    bool editSettings(const QString& name, const std::function<void(CProject&)>& change,
                      const QString& mergeKey = {});
    // Of the window list: `numbers` are every window the change may add, replace or remove; with
    // `settingsToo` of the settings block as well.
    bool editWindows(const QString& name, const std::vector<std::uint16_t>& numbers,
                     const std::function<void(CProject&)>& change, bool settingsToo = false);

    bool addComponent(std::unique_ptr<CBase> component, CPoint at, const QString& verb);
    // `verb` names a step on one component with its kind ("Paste LED"), `many` (marked QT_TR_N_NOOP) one
    // on several with their number ("Paste %n components").
    bool addCopies(std::vector<std::unique_ptr<CBase>> copies, const QString& verb, const char* many);
    bool removeSelected(const QString& verb, const char* many);
    // A step of the current window over every selected component, named `many` with their number.
    bool editSelection(const char* many, const std::function<void(const std::vector<CBase*>&)>& change,
                       const QString& mergeKey = {});
    // Moves the selection by whole panel pixels; the whole group stops at the panel's edges.
    void moveGroup(const std::vector<CBase*>& group, int dx, int dy);
    // Forgets others no longer in the current window or now the head.
    void keepOthersInWindow();
    std::vector<std::size_t> otherPositions() const;
    void setOthers(const std::vector<std::size_t>& positions);

    struct Scope {
        std::vector<std::uint16_t> windows;
        bool settings = false;
        CBase* component = nullptr; // a one-component step, of the window `windows` names
    };
    bool edit(const QString& name, const Scope& scope, const QString& mergeKey,
              const std::function<void()>& change);
    // Points the windows of `before` that equal the previous step's "after" at the same bytes.
    void shareWithPreviousStep(CEditState& before) const;
    // An edit made while the listeners hear of a step: joins that step, widening what it holds.
    void settle(const Scope& scope);
    CEditState capture(const Scope& scope);
    // Puts a captured state back (undo, redo) and tells the listeners.
    void restore(CEditState& from, CEditState& to);
    // The component a one-component state names, found again after window-level steps replaced it.
    CBase* findComponent(CEditState& state, const Bytes& now);
    void notify(const CEditState& from, const CEditState& to, bool restoring);
    void setSelected(bool selected);

    CProject m_project;
    QUndoStack m_undo;
    bool m_selected = false;
    std::vector<const CBase*> m_others; // the selection set beside the head
    bool m_busy = false;     // an edit or a restore runs: nested edits join it
    bool m_settling = false; // the listeners hear of a step that is not recorded yet
    struct Settled {
        Scope scope;
        CEditState* before = nullptr;
        bool written = false;
    } m_settled;
    bool m_restoring = false;
    unsigned m_bursts = 0;
    std::string m_toolSettingsPath;
};

// The component kind as undo steps name it ("LED" in "Move LED"): the kinds' one table.
QString componentName(int typeCode);

} // namespace zl
