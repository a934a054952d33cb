#include "model/CMainView.h"

#include <algorithm>

namespace zl
{

CMainView::CMainView(std::uint16_t n, std::string d)
    : number(n), description(std::move(d)), upJump(static_cast<std::uint16_t>(n - 1)),
      downJump(static_cast<std::uint16_t>(n + 1))
{
}

CBase& CMainView::AddComponent(std::unique_ptr<CBase> component, CPoint canvas)
{
    m_components.insert(m_components.begin(), std::move(component));
    CBase& c = *m_components.front();
    c.PlaceAt(canvas);
    return c;
}

void CMainView::AppendComponent(std::unique_ptr<CBase> component)
{
    m_components.push_back(std::move(component));
}

bool CMainView::SelectAt(CPoint canvas)
{
    const auto it = std::find_if(m_components.begin(), m_components.end(),
                                 [&](const auto& c) { return c->HitTest(canvas); });
    if (it == m_components.end())
        return false;
    std::rotate(m_components.begin(), it, it + 1);
    return true;
}

bool CMainView::SelectPosition(std::size_t position)
{
    if (position >= m_components.size())
        return false;
    const auto it = m_components.begin() + static_cast<std::ptrdiff_t>(position);
    std::rotate(m_components.begin(), it, it + 1);
    return true;
}

void CMainView::SelectNext(bool backward)
{
    if (m_components.size() < 2)
        return;
    if (backward)
        std::rotate(m_components.begin(), m_components.begin() + 1, m_components.end());
    else
        std::rotate(m_components.begin(), m_components.end() - 1, m_components.end());
}

void CMainView::DeleteSelected()
{
    if (!m_components.empty())
        m_components.erase(m_components.begin());
}

void CMainView::DeleteAll()
{
    m_components.clear();
}

void CMainView::CopyComponentsFrom(const CMainView& source)
{
    description = source.description;
    for (const auto& c : source.m_components)
        m_components.push_back(c->Clone());
}

std::optional<CRect> CMainView::SelectionRect() const
{
    if (m_components.empty())
        return std::nullopt;
    CRect r = m_components.front()->rect;
    r.right -= 1;
    r.bottom -= 1;
    return r;
}

} // namespace zl
