// The editing document's selection set and the operations that arrange it.
#include <algorithm>
#include <climits>
#include <cmath>

#include "components/CBarTide.h"
#include "editor/document/CEditorDocument.h"

namespace zl
{
namespace
{

// A component's extent on the panel, as the clamping of its position counts it.
int panelWidth(const CBase& c)
{
    return kPanelWidth - c.MaxPanelX();
}
int panelHeight(const CBase& c)
{
    return kPanelHeight - c.MaxPanelY();
}

} // namespace

std::vector<CBase*> CEditorDocument::selection() const
{
    std::vector<CBase*> out;
    CBase* head = selectedComponent();
    if (!head)
        return out;
    out.push_back(head);
    for (const auto& c : currentWindow()->components())
        if (c.get() != head && std::find(m_others.begin(), m_others.end(), c.get()) != m_others.end())
            out.push_back(c.get());
    return out;
}

bool CEditorDocument::isSelected(const CBase* component) const
{
    return component && (component == selectedComponent() ||
                         std::find(m_others.begin(), m_others.end(), component) != m_others.end());
}

void CEditorDocument::keepOthersInWindow()
{
    const CMainView* w = currentWindow();
    const CBase* head = selectedComponent();
    std::erase_if(m_others, [&](const CBase* o) {
        return !head || o == head ||
               std::none_of(w->components().begin(), w->components().end(),
                            [&](const auto& c) { return c.get() == o; });
    });
}

std::vector<std::size_t> CEditorDocument::otherPositions() const
{
    std::vector<std::size_t> positions;
    if (const CMainView* w = currentWindow())
        for (std::size_t i = 0; i < w->componentCount(); ++i)
            if (std::find(m_others.begin(), m_others.end(), w->components()[i].get()) != m_others.end())
                positions.push_back(i);
    return positions;
}

void CEditorDocument::setOthers(const std::vector<std::size_t>& positions)
{
    m_others.clear();
    const CMainView* w = currentWindow();
    if (!w || !m_selected)
        return;
    for (std::size_t at : positions)
        if (at > 0 && at < w->componentCount())
            m_others.push_back(w->components()[at].get());
}

bool CEditorDocument::extendSelectionAt(CPoint canvas, bool toggle)
{
    CMainView* w = currentWindow();
    if (!w)
        return false;
    const auto& list = w->components();
    const auto hit =
        std::find_if(list.begin(), list.end(), [&](const auto& c) { return c->HitTest(canvas); });
    if (hit == list.end())
        return false;
    CBase* clicked = hit->get();
    CBase* head = selectedComponent();
    if (toggle && isSelected(clicked)) {
        // Leaves the selection; when it was the head, the topmost other takes its place.
        if (clicked != head) {
            std::erase(m_others, clicked);
        } else if (const std::vector<CBase*> rest = selection(); rest.size() > 1) {
            std::erase(m_others, rest[1]);
            w->SelectPosition(std::size_t(
                std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == rest[1]; }) -
                list.begin()));
        } else {
            m_others.clear();
            setSelected(false);
            return true;
        }
        setSelected(true);
        return true;
    }
    if (head && clicked != head) {
        std::erase(m_others, clicked);
        m_others.push_back(head);
    }
    w->SelectPosition(std::size_t(hit - list.begin()));
    setSelected(true);
    return true;
}

void CEditorDocument::selectInside(CRect canvas, bool add)
{
    CMainView* w = currentWindow();
    if (!w)
        return;
    std::vector<const CBase*> chosen;
    if (add)
        for (const CBase* c : selection())
            chosen.push_back(c);
    for (const auto& c : w->components())
        if (canvas.contains(c->rect) && std::find(chosen.begin(), chosen.end(), c.get()) == chosen.end())
            chosen.push_back(c.get());
    if (chosen.empty()) {
        setSelected(false);
        return;
    }
    // The topmost chosen becomes the head.
    const auto& list = w->components();
    const auto top = std::find_if(list.begin(), list.end(), [&](const auto& c) {
        return std::find(chosen.begin(), chosen.end(), c.get()) != chosen.end();
    });
    const CBase* head = top->get();
    w->SelectPosition(std::size_t(top - list.begin()));
    m_others.assign(chosen.begin(), chosen.end());
    std::erase(m_others, head);
    setSelected(true);
}

void CEditorDocument::selectAll()
{
    CMainView* w = currentWindow();
    if (!w || !w->head())
        return;
    m_others.clear();
    for (std::size_t i = 1; i < w->componentCount(); ++i)
        m_others.push_back(w->components()[i].get());
    setSelected(true);
}

std::optional<CRect> CEditorDocument::selectionBounds() const
{
    std::optional<CRect> bounds;
    for (const CBase* c : selection())
        bounds = bounds ? bounds->united(c->rect) : c->rect;
    return bounds;
}

bool CEditorDocument::editSelection(const char* many,
                                    const std::function<void(const std::vector<CBase*>&)>& change,
                                    const QString& mergeKey)
{
    const std::vector<CBase*> group = selection();
    if (group.empty())
        return false;
    return editWindow(
        tr(many, nullptr, int(group.size())), [&](CMainView&) { change(group); }, mergeKey);
}

bool CEditorDocument::addCopies(std::vector<std::unique_ptr<CBase>> copies, const QString& verb,
                                const char* many)
{
    std::erase(copies, nullptr);
    if (copies.empty())
        return false;
    const int count = int(copies.size());
    const QString name =
        count == 1 ? verb + componentName(copies.front()->typeCode) : tr(many, nullptr, count);
    return editWindow(name, [&](CMainView& into) {
        // Each one grid step right and down of its original, pulled back inside the canvas; the last
        // added lands at the head, so adding from the back keeps their order.
        for (auto it = copies.rbegin(); it != copies.rend(); ++it) {
            const CPoint at{(*it)->rect.left + kCanvasStep, (*it)->rect.top + kCanvasStep};
            into.AddComponent(std::move(*it), at);
        }
        m_others.clear();
        for (int i = 1; i < count; ++i)
            m_others.push_back(into.components()[std::size_t(i)].get());
        selectHead();
    });
}

void CEditorDocument::moveGroup(const std::vector<CBase*>& group, int dx, int dy)
{
    // The largest move that keeps every member on the panel, so that the group keeps its shape.
    int left = INT_MIN, right = INT_MAX, up = INT_MIN, down = INT_MAX;
    for (const CBase* c : group) {
        left = std::max(left, -c->x);
        right = std::min(right, std::max(0, c->MaxPanelX()) - c->x);
        up = std::max(up, -c->y);
        down = std::min(down, std::max(0, c->MaxPanelY()) - c->y);
    }
    dx = left <= right ? std::clamp(dx, left, right) : 0;
    dy = up <= down ? std::clamp(dy, up, down) : 0;
    if (dx == 0 && dy == 0)
        return;
    for (CBase* c : group)
        c->MoveByPanel(dx, dy);
}

bool CEditorDocument::alignSelection(Align how)
{
    if (selection().size() < 2)
        return false;
    return editSelection(QT_TR_N_NOOP("Align %n components"), [how](const std::vector<CBase*>& group) {
        int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
        for (const CBase* c : group) {
            left = std::min(left, c->x);
            right = std::max(right, c->x + panelWidth(*c));
            top = std::min(top, c->y);
            bottom = std::max(bottom, c->y + panelHeight(*c));
        }
        for (CBase* c : group) {
            const int w = panelWidth(*c);
            const int h = panelHeight(*c);
            switch (how) {
            case Align::Left:
                c->MoveByPanel(left - c->x, 0);
                break;
            case Align::Right:
                c->MoveByPanel(right - w - c->x, 0);
                break;
            case Align::HorizontalCentre:
                c->MoveByPanel((left + right - w) / 2 - c->x, 0);
                break;
            case Align::Top:
                c->MoveByPanel(0, top - c->y);
                break;
            case Align::Bottom:
                c->MoveByPanel(0, bottom - h - c->y);
                break;
            case Align::VerticalCentre:
                c->MoveByPanel(0, (top + bottom - h) / 2 - c->y);
                break;
            }
        }
    });
}

bool CEditorDocument::distributeSelection(bool horizontally)
{
    if (selection().size() < 3)
        return false;
    return editSelection(
        QT_TR_N_NOOP("Distribute %n components"), [horizontally](const std::vector<CBase*>& group) {
            const auto start = [&](const CBase* c) { return horizontally ? c->x : c->y; };
            const auto size = [&](const CBase* c) { return horizontally ? panelWidth(*c) : panelHeight(*c); };
            std::vector<CBase*> order = group;
            std::stable_sort(order.begin(), order.end(),
                             [&](const CBase* a, const CBase* b) { return start(a) < start(b); });
            int first = INT_MAX, last = INT_MIN, sizes = 0;
            for (const CBase* c : order) {
                first = std::min(first, start(c));
                last = std::max(last, start(c) + size(c));
                sizes += size(c);
            }
            // Equal gaps between neighbours (negative where they must overlap to fit).
            const double gap = double(last - first - sizes) / double(order.size() - 1);
            double at = first;
            for (CBase* c : order) {
                const int to = int(std::lround(at));
                c->MoveByPanel(horizontally ? to - c->x : 0, horizontally ? 0 : to - c->y);
                at += size(c) + gap;
            }
        });
}

bool CEditorDocument::sameSizeSelection(bool width, bool height)
{
    const std::vector<CBase*> group = selection();
    const auto resizable = std::find_if(group.begin(), group.end(), [](const CBase* c) {
        return dynamic_cast<const CBarTide*>(c) != nullptr;
    });
    if (group.size() < 2 || resizable == group.end() || (!width && !height))
        return false;
    const auto& model = *static_cast<const CBarTide*>(*resizable);
    const int w = model.width;
    const int h = model.height;
    return editSelection(QT_TR_N_NOOP("Resize %n components"), [&](const std::vector<CBase*>& members) {
        for (CBase* c : members) {
            auto* sized = dynamic_cast<CBarTide*>(c);
            if (!sized)
                continue;
            const int smallest = CBarTide::kSmallestSide;
            if (width)
                sized->width = static_cast<std::uint8_t>(
                    std::clamp(w, smallest, std::max(smallest, kPanelWidth - c->x)));
            if (height)
                sized->height = static_cast<std::uint8_t>(
                    std::clamp(h, smallest, std::max(smallest, kPanelHeight - c->y)));
            if (auto* tide = dynamic_cast<CTide*>(c))
                tide->sampleDots = static_cast<std::uint8_t>(
                    std::clamp<int>(tide->sampleDots, 2, std::max(2, tide->width - 2)));
            c->Replace();
        }
    });
}

} // namespace zl
