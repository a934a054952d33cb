#include "editor/document/CEditorDocument.h"

#include <QUndoCommand>

#include <algorithm>
#include <memory>
#include <optional>

#include "base/ComponentKind.h"
#include "compile/CProjectCheck.h"
#include "editor/document/CComponentClipboard.h"
#include "file/CProjectFile.h"
#include "operands/COperandReplace.h"
#include "plc/CToolSettings.h"
#include "qt/CMessages.h"

namespace zl
{

// A window's bytes at one moment. Consecutive steps share the state between them: a step's "before" is
// the previous step's "after" whenever nothing changed in between, which halves the history's memory.
using WindowBytes = std::shared_ptr<const Bytes>;

bool sameBytes(const WindowBytes& a, const WindowBytes& b)
{
    return a == b || (a && b && *a == *b);
}

// What a step touched, as it was at one moment: one component, or the windows by number (no bytes: no
// such window) and the settings block; and where the user was.
struct CEditState {
    struct Component {
        std::uint16_t window = 0;
        CBase* object = nullptr; // found again by its bytes when a window-level undo replaced it
        Bytes bytes;
    };
    std::optional<Component> component;
    struct Window {
        std::uint16_t number = 0;
        int position = -1; // in the list at that moment; −1 when absent
        WindowBytes bytes;
        std::size_t components = 0;
    };
    std::vector<Window> windows;
    std::optional<Bytes> settings;
    unsigned protocol = 0;
    std::optional<std::uint16_t> current; // number of the current window
    bool selected = false;
    const CBase* head = nullptr;     // the selected object, to tell a new selection (compared, never used)
    std::vector<std::size_t> others; // list positions of the rest of the selection set

    bool sameContent(const CEditState& o) const
    {
        if (settings != o.settings || windows.size() != o.windows.size())
            return false;
        if (component.has_value() != o.component.has_value() ||
            (component && component->bytes != o.component->bytes))
            return false;
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (!sameBytes(windows[i].bytes, o.windows[i].bytes))
                return false;
        return true;
    }
    bool sameTarget(const CEditState& o) const
    {
        if (settings.has_value() != o.settings.has_value() || windows.size() != o.windows.size())
            return false;
        if (component.has_value() != o.component.has_value() ||
            (component &&
             (component->object != o.component->object || component->window != o.component->window)))
            return false;
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (windows[i].number != o.windows[i].number)
                return false;
        return true;
    }
};

class CEditStep : public QUndoCommand
{
public:
    CEditStep(CEditorDocument& doc, const QString& name, QString mergeKey, CEditState before,
              CEditState after)
        : QUndoCommand(name), m_doc(doc), m_key(std::move(mergeKey)), m_before(std::move(before)),
          m_after(std::move(after))
    {
    }
    int id() const override { return m_key.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* o = static_cast<const CEditStep*>(other);
        if (o->m_key != m_key || !o->m_after.sameTarget(m_after))
            return false;
        m_after = o->m_after;
        setObsolete(m_after.sameContent(m_before)); // typed and deleted again: no step at all
        return true;
    }
    const CEditState& after() const { return m_after; }
    CEditState& after() { return m_after; }
    void undo() override { m_doc.restore(m_after, m_before); }
    void redo() override
    {
        if (m_done) {
            m_done = false; // pushed after the change was made: nothing to do the first time
            return;
        }
        m_doc.restore(m_before, m_after);
    }

private:
    CEditorDocument& m_doc;
    QString m_key;
    CEditState m_before;
    CEditState m_after;
    bool m_done = true;
};

QString componentName(int typeCode)
{
    return componentKindText(static_cast<std::uint8_t>(typeCode));
}

CEditorDocument::CEditorDocument(QObject* parent) : QObject(parent)
{
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

CEditorDocument::~CEditorDocument()
{
    m_undo.blockSignals(true); // its destructor reports the clean state to listeners already gone
}

void CEditorDocument::reset(bool clearHistory)
{
    if (clearHistory)
        m_undo.clear();
    m_selected = false;
    m_others.clear();
    emit projectReset();
    emit currentWindowChanged(currentPosition());
    emit selectionChanged();
    emit changed();
}

void CEditorDocument::setModified(bool modified)
{
    if (modified)
        m_undo.resetClean();
    else
        m_undo.setClean();
}

int CEditorDocument::currentPosition() const
{
    return m_project.CurrentView() ? int(m_project.currentWindow) : -1;
}

void CEditorDocument::setCurrentWindow(int position)
{
    if (position < 0 || position >= int(m_project.windowCount()))
        return;
    m_project.currentWindow = static_cast<std::uint16_t>(position);
    m_selected = false;
    m_others.clear();
    emit currentWindowChanged(position);
    emit selectionChanged();
}

CBase* CEditorDocument::selectedComponent() const
{
    const CMainView* w = currentWindow();
    return (w && m_selected) ? w->head() : nullptr;
}

void CEditorDocument::setSelected(bool selected)
{
    const CMainView* w = currentWindow();
    m_selected = selected && w && w->head();
    if (!m_selected)
        m_others.clear();
    if (!m_busy)
        emit selectionChanged(); // an edit tells once it is done
}

bool CEditorDocument::selectAt(CPoint canvas)
{
    CMainView* w = currentWindow();
    const CBase* head = selectedComponent();
    const bool hit = w && w->SelectAt(canvas);
    // A click on a member of a selection of several keeps it, with that member at the head: a drag
    // that starts there moves them all.
    if (hit && head && w->head() != head &&
        std::find(m_others.begin(), m_others.end(), w->head()) != m_others.end()) {
        std::erase(m_others, w->head());
        m_others.push_back(head);
    } else if (!hit || w->head() != head) {
        m_others.clear();
    }
    setSelected(hit);
    return hit;
}

bool CEditorDocument::selectPosition(std::size_t position)
{
    CMainView* w = currentWindow();
    if (!w || !w->SelectPosition(position))
        return false;
    m_others.clear();
    setSelected(true);
    return true;
}

void CEditorDocument::selectNext(bool backward)
{
    CMainView* w = currentWindow();
    if (!w || !w->head())
        return;
    if (m_selected)
        w->SelectNext(backward);
    else if (backward)
        w->SelectPosition(w->componentCount() - 1);
    m_others.clear();
    setSelected(true);
}

void CEditorDocument::selectHead()
{
    setSelected(true);
}

void CEditorDocument::clearSelection()
{
    setSelected(false);
}

QString CEditorDocument::newBurstKey(const QString& kind)
{
    return kind + QLatin1Char('#') + QString::number(++m_bursts);
}

bool CEditorDocument::editWindow(const QString& name, const std::function<void(CMainView&)>& change,
                                 const QString& mergeKey)
{
    CMainView* w = currentWindow();
    if (!w)
        return false;
    return edit(name, Scope{{w->number}, false}, mergeKey, [&] { change(*w); });
}

bool CEditorDocument::editComponent(CBase& component, const QString& name,
                                    const std::function<void(CBase&)>& change, const QString& mergeKey)
{
    const CMainView* w = currentWindow();
    if (!w || std::none_of(w->components().begin(), w->components().end(),
                           [&](const auto& c) { return c.get() == &component; }))
        return false;
    return edit(name, Scope{{w->number}, false, &component}, mergeKey, [&] { change(component); });
}

bool CEditorDocument::editSelected(const QString& name, const std::function<void(CBase&)>& change,
                                   const QString& mergeKey)
{
    CBase* c = selectedComponent();
    return c && editComponent(*c, name, change, mergeKey);
}

bool CEditorDocument::editSettings(const QString& name, const std::function<void(CProject&)>& change,
                                   const QString& mergeKey)
{
    return edit(name, Scope{{}, true}, mergeKey, [&] { change(m_project); });
}

bool CEditorDocument::editWindows(const QString& name, const std::vector<std::uint16_t>& numbers,
                                  const std::function<void(CProject&)>& change, bool settingsToo)
{
    Scope scope{numbers, settingsToo};
    std::sort(scope.windows.begin(), scope.windows.end());
    scope.windows.erase(std::unique(scope.windows.begin(), scope.windows.end()), scope.windows.end());
    return edit(name, scope, {}, [&] { change(m_project); });
}

CEditState CEditorDocument::capture(const Scope& scope)
{
    CEditState s;
    if (scope.component) {
        s.component =
            CEditState::Component{scope.windows.front(), scope.component, WriteComponent(*scope.component)};
        if (const CMainView* w = currentWindow())
            s.current = w->number;
        s.selected = m_selected;
        s.head = selectedComponent();
        s.others = otherPositions();
        return s;
    }
    for (std::uint16_t number : scope.windows) {
        CEditState::Window w;
        w.number = number;
        const int at = m_project.FindWindowPosition(number);
        if (at >= 0) {
            const CMainView& window = *m_project.WindowAt(std::size_t(at));
            w.position = at;
            w.bytes = std::make_shared<const Bytes>(WriteWindow(window));
            w.components = window.componentCount();
        }
        s.windows.push_back(std::move(w));
    }
    if (scope.settings) {
        s.settings = WriteSettings(m_project);
        s.protocol = m_project.protocol();
    }
    if (const CMainView* w = currentWindow())
        s.current = w->number;
    s.selected = m_selected;
    s.head = selectedComponent();
    s.others = otherPositions();
    return s;
}

bool CEditorDocument::edit(const QString& name, const Scope& scope, const QString& mergeKey,
                           const std::function<void()>& change)
{
    if (m_busy) {
        change();
        return true;
    }
    if (m_settling) {
        settle(scope);
        change();
        return true;
    }
    m_busy = true;
    CEditState before = capture(scope);
    shareWithPreviousStep(before);
    change();
    if (!selectedComponent())
        m_selected = false;
    keepOthersInWindow();
    CEditState after = capture(scope);
    m_busy = false;
    if (after.sameContent(before)) {
        if (after.selected != before.selected)
            emit selectionChanged();
        return false;
    }
    // Tell the listeners first: a merge may find the step obsolete and delete it. What they write while
    // they hear of it (a page bound to a new component fits a field to its range) belongs to this step.
    m_settling = true;
    m_settled = {scope, &before, false};
    notify(before, after, false);
    m_settling = false;
    if (m_settled.written)
        after = capture(m_settled.scope);
    m_undo.push(new CEditStep(*this, name, mergeKey, std::move(before), std::move(after)));
    emit changed();
    return true;
}

void CEditorDocument::shareWithPreviousStep(CEditState& before) const
{
    const int previous = m_undo.index() - 1;
    if (previous < 0)
        return;
    const auto* step = static_cast<const CEditStep*>(m_undo.command(previous));
    for (CEditState::Window& w : before.windows)
        for (const CEditState::Window& p : step->after().windows)
            if (p.number == w.number && sameBytes(p.bytes, w.bytes))
                w.bytes = p.bytes;
}

void CEditorDocument::settle(const Scope& scope)
{
    m_settled.written = true;
    Scope& into = m_settled.scope;
    CEditState& before = *m_settled.before;
    if (into.component && scope.component == into.component)
        return;
    if (into.component) {
        // Something beyond the component: the step becomes one of its window, whose bytes before the step
        // are the window's now with the component's bytes from before.
        CBase& c = *into.component;
        const Bytes now = WriteComponent(c);
        (void)ReadComponentInto(before.component->bytes, c);
        into.component = nullptr;
        before.component.reset();
        before.windows.push_back(std::move(capture(Scope{into.windows, false}).windows.front()));
        (void)ReadComponentInto(now, c);
    }
    for (std::uint16_t number : scope.windows) {
        if (std::find(into.windows.begin(), into.windows.end(), number) != into.windows.end())
            continue;
        // Untouched by the step so far: as it is now is as it was before the step.
        into.windows.push_back(number);
        before.windows.push_back(std::move(capture(Scope{{number}, false}).windows.front()));
    }
    if (scope.settings && !into.settings) {
        into.settings = true;
        const CEditState now = capture(Scope{{}, true});
        before.settings = now.settings;
        before.protocol = now.protocol;
    }
}

CBase* CEditorDocument::findComponent(CEditState& state, const Bytes& now)
{
    CEditState::Component& c = *state.component;
    const int at = m_project.FindWindowPosition(c.window);
    if (at < 0)
        return nullptr;
    const auto& components = m_project.WindowAt(std::size_t(at))->components();
    for (const auto& candidate : components)
        if (candidate.get() == c.object)
            return c.object;
    // A window-level undo read the window back into new objects: the one holding the bytes this step
    // left behind is ours.
    for (const auto& candidate : components)
        if (WriteComponent(*candidate) == now)
            return c.object = candidate.get();
    return nullptr;
}

void CEditorDocument::restore(CEditState& from, CEditState& to)
{
    m_busy = true;
    if (to.component) {
        if (CBase* c = findComponent(from, from.component->bytes)) {
            to.component->object = c;
            (void)ReadComponentInto(to.component->bytes, *c);
        }
    }
    for (const CEditState::Window& w : to.windows) {
        const int at = m_project.FindWindowPosition(w.number);
        std::unique_ptr<CMainView> read;
        if (w.bytes) {
            auto window = ReadWindow(*w.bytes);
            if (!window)
                continue; // our own bytes always read back
            read = std::move(*window);
        }
        if (at >= 0 && read)
            *m_project.WindowAt(std::size_t(at)) = std::move(*read); // the window object stays
        else if (at >= 0)
            m_project.DeleteWindowAt(std::size_t(at));
        else if (read)
            m_project.InsertWindow(std::move(read));
    }
    if (to.settings) {
        (void)ReadSettings(*to.settings, m_project);
        const auto& types = m_project.entryTypes();
        const auto entry = std::find(types.begin(), types.end(), m_project.protocol());
        if (entry != types.end()) {
            m_project.comm.listPosition = static_cast<std::uint8_t>(entry - types.begin());
            // The tool remembers the protocol the project now has, as the PLC Selection did.
            if (!m_toolSettingsPath.empty() && to.protocol != from.protocol)
                (void)CToolSettings::WriteListPosition(m_toolSettingsPath, m_project.comm.listPosition);
        }
    }
    if (to.current) {
        const int at = m_project.FindWindowPosition(*to.current);
        if (at >= 0)
            m_project.currentWindow = static_cast<std::uint16_t>(at);
    }
    if (to.component && to.selected) {
        // The component undone is selected again, at the head of its list where the edit found it.
        CMainView* w = currentWindow();
        if (w && w->number == to.component->window) {
            const auto& list = w->components();
            const auto at = std::find_if(list.begin(), list.end(),
                                         [&](const auto& c) { return c.get() == to.component->object; });
            if (at != list.end())
                w->SelectPosition(std::size_t(at - list.begin()));
        }
    }
    const CMainView* current = currentWindow();
    m_selected = to.selected && current && current->head();
    setOthers(to.others);
    m_restoring = true;
    notify(from, to, true);
    m_restoring = false;
    m_busy = false;
    emit restored();
    emit changed();
}

void CEditorDocument::notify(const CEditState& from, const CEditState& to, bool restoring)
{
    // Removals from the last position down, then additions from the first up: every position is right
    // for a list that follows the signals one by one.
    if (to.component && from.component && to.component->bytes != from.component->bytes)
        emit componentChanged(m_project.FindWindowPosition(to.component->window));
    std::vector<int> removed;
    bool listChanged = false;
    for (std::size_t i = 0; i < to.windows.size(); ++i)
        if (from.windows[i].bytes && !to.windows[i].bytes)
            removed.push_back(from.windows[i].position);
    std::sort(removed.rbegin(), removed.rend());
    for (int position : removed) {
        listChanged = true;
        emit windowRemoved(position);
    }
    for (std::size_t i = 0; i < to.windows.size(); ++i) {
        const auto& t = to.windows[i];
        const auto& f = from.windows[i];
        if (t.bytes && !f.bytes) {
            listChanged = true;
            emit windowAdded(t.position);
        }
    }
    for (std::size_t i = 0; i < to.windows.size(); ++i) {
        const auto& t = to.windows[i];
        const auto& f = from.windows[i];
        if (!t.bytes || !f.bytes || sameBytes(t.bytes, f.bytes))
            continue;
        emit windowChanged(t.position);
        if (t.components > f.components)
            emit componentAdded(t.position);
        else if (t.components < f.components)
            emit componentRemoved(t.position);
        else
            emit componentChanged(t.position);
    }
    if (to.settings && from.settings && *to.settings != *from.settings)
        emit settingsChanged(to.protocol != from.protocol);
    if (listChanged || to.current != from.current)
        emit currentWindowChanged(currentPosition());
    // Not after every edit: a page that is being typed into must not reload under the cursor.
    if (restoring || listChanged || to.current != from.current || to.selected != from.selected ||
        to.head != from.head || to.others != from.others)
        emit selectionChanged();
}

// --- operations

bool CEditorDocument::placeComponent(std::unique_ptr<CBase> component, CPoint at)
{
    return addComponent(std::move(component), at, tr("Place "));
}

bool CEditorDocument::pasteComponent(std::unique_ptr<CBase> copy)
{
    std::vector<std::unique_ptr<CBase>> copies;
    copies.push_back(std::move(copy));
    return pasteComponents(std::move(copies));
}

bool CEditorDocument::pasteComponents(std::vector<std::unique_ptr<CBase>> copies)
{
    return addCopies(std::move(copies), tr("Paste "), QT_TR_N_NOOP("Paste %n components"));
}

bool CEditorDocument::duplicateSelected()
{
    std::vector<std::unique_ptr<CBase>> copies;
    for (const CBase* c : selection())
        copies.push_back(c->Clone());
    return addCopies(std::move(copies), tr("Duplicate "),
                     QT_TR_N_NOOP("Duplicate %n components"));
}

bool CEditorDocument::addComponent(std::unique_ptr<CBase> component, CPoint at, const QString& verb)
{
    if (!component)
        return false;
    return editWindow(verb + componentName(component->typeCode), [&](CMainView& into) {
        into.AddComponent(std::move(component), at);
        selectHead();
    });
}

bool CEditorDocument::deleteSelected()
{
    return removeSelected(tr("Delete "), QT_TR_N_NOOP("Delete %n components"));
}

bool CEditorDocument::cutSelected()
{
    const std::vector<CBase*> cut = selection();
    if (cut.empty())
        return false;
    CopyToClipboard(cut);
    return removeSelected(tr("Cut "), QT_TR_N_NOOP("Cut %n components"));
}

bool CEditorDocument::removeSelected(const QString& verb, const char* many)
{
    const std::vector<CBase*> removed = selection();
    if (removed.empty())
        return false;
    if (removed.size() > 1)
        return editSelection(many, [this](const std::vector<CBase*>& group) {
            CMainView& w = *currentWindow();
            for (const CBase* c : group) {
                const auto& list = w.components();
                const auto at =
                    std::find_if(list.begin(), list.end(), [&](const auto& o) { return o.get() == c; });
                w.SelectPosition(std::size_t(at - list.begin()));
                w.DeleteSelected();
            }
            clearSelection();
        });
    return editWindow(verb + componentName(removed.front()->typeCode), [this](CMainView& w) {
        w.DeleteSelected();
        clearSelection();
    });
}

bool CEditorDocument::moveSelected(int dx, int dy, const QString& mergeKey)
{
    const CBase* c = selectedComponent();
    if (c && !m_others.empty())
        return editSelection(
            QT_TR_N_NOOP("Move %n components"),
            [&](const std::vector<CBase*>& group) { moveGroup(group, dx, dy); }, mergeKey);
    return c && editSelected(
                    tr("Move ") + componentName(c->typeCode),
                    [&](CBase& moved) { moved.MoveByPanel(dx, dy); }, mergeKey);
}

bool CEditorDocument::dragSelected(CPoint& mouse, CPoint to, const QString& mergeKey)
{
    const CBase* c = selectedComponent();
    if (c && !m_others.empty()) {
        // Whole steps of the grid, as one component is dragged, taken by the group as a whole.
        const int stepsX = (to.x - mouse.x) / kCanvasStep;
        const int stepsY = (to.y - mouse.y) / kCanvasStep;
        if (stepsX == 0 && stepsY == 0)
            return false;
        mouse.x += stepsX * kCanvasStep;
        mouse.y += stepsY * kCanvasStep;
        return editSelection(
            QT_TR_N_NOOP("Move %n components"),
            [&](const std::vector<CBase*>& group) {
                moveGroup(group, stepsX * kPanelStep, stepsY * kPanelStep);
            },
            mergeKey);
    }
    return c && editSelected(
                    tr("Move ") + componentName(c->typeCode), [&](CBase& moved) { moved.Drag(mouse, to); },
                    mergeKey);
}

bool CEditorDocument::setComponentField(CBase& component, const QString& step,
                                        const std::function<void(CBase&)>& change, const QString& mergeKey)
{
    return editComponent(component, step, change, mergeKey);
}

bool CEditorDocument::setWindowField(const QString& step, const std::function<void(CMainView&)>& change,
                                     const QString& mergeKey)
{
    return editWindow(step, change, mergeKey);
}

bool CEditorDocument::newWindow(std::uint16_t number, const std::string& description)
{
    return editWindows(tr("New window"), {number}, [&](CProject& p) {
        p.AddWindow(number, description);
        clearSelection();
    });
}

bool CEditorDocument::copyWindow(std::uint16_t target, CPrompter& prompter)
{
    if (!currentWindow())
        return false;
    return editWindows(tr("Copy window"), {target}, [&](CProject& p) {
        if (p.CopyWindow(target, prompter))
            clearSelection();
    });
}

bool CEditorDocument::deleteCurrentWindow()
{
    const CMainView* current = currentWindow();
    if (!current)
        return false;
    return editWindows(tr("Delete window"), {current->number, 1}, [this](CProject& p) {
        p.DeleteCurrentWindow();
        clearSelection();
    });
}

bool CEditorDocument::setPanelSettings(const CPanelSettings& settings)
{
    return editSettings(tr("Panel settings"), [&](CProject& p) { p.panel = settings; });
}

bool CEditorDocument::setAlarmList(const CAlarmList& alarms)
{
    return editSettings(tr("Alarm list"), [&](CProject& p) {
        p.alarms = alarms;
        p.alarms.workingCopy.clear();
    });
}

bool CEditorDocument::selectPlc(const CCommSettings& comm, unsigned protocol)
{
    return editSettings(tr("PLC Selection"), [&](CProject& p) {
        p.comm = comm;
        p.SetProtocol(protocol);
    });
}

bool CEditorDocument::takeCompileCorrections(const CCheckReport& report)
{
    return editWindows(
        tr("Compile corrections"), WindowsWithRepairedLimits(report),
        [&](CProject& p) {
            (void)TakeCorrectedSettings(p, report);
            (void)TakeRepairedLimits(p, report);
        },
        true);
}

bool CEditorDocument::replaceOperands(const COperandRange& from, const COperandRange& to)
{
    const CReplacePlan plan = planReplace(m_project, from, to);
    if (!plan.refusals.empty() || plan.changes.empty())
        return false;
    std::vector<std::uint16_t> windows;
    bool settings = false;
    for (const COperandChange& change : plan.changes) {
        const COperandUse& use = plan.index.uses[change.use];
        if (use.windowPosition < 0)
            settings = true;
        else if (std::find(windows.begin(), windows.end(), use.windowNumber) == windows.end())
            windows.push_back(use.windowNumber);
    }
    return editWindows(
        tr("Replace operands"), windows, [&](CProject& p) { (void)applyReplace(p, plan); }, settings);
}

} // namespace zl
