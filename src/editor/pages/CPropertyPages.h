#pragma once
// The property page area: the window page, or the page of the selected component's kind, one at a time.
#include <QStackedWidget>

#include <vector>

namespace zl
{

class CBase;
class CComponentPage;
class CWindowPage;
struct CProtocolTables;

class CPropertyPages : public QStackedWidget
{
    Q_OBJECT
public:
    CPropertyPages(CWindowPage* windowPage, QWidget* parent = nullptr);

    void ShowWindowPage();
    // Shows the page of the component's kind and binds it to the component; the window page when no
    // page handles the kind. Returns the page shown.
    CComponentPage* ShowComponent(CBase* component, const CProtocolTables& tables);
    // The shown component page (none while the window page is shown).
    CComponentPage* current() const;
    // The shown page's x and y follow its component.
    void ShowPosition();
    const std::vector<CComponentPage*>& pages() const { return m_pages; }
    template <class T> T* page() const
    {
        for (CComponentPage* p : m_pages)
            if (auto* t = qobject_cast<T*>(p))
                return t;
        return nullptr;
    }

signals:
    // A page changed its component.
    void edited();
    // A page wants the canvas drawn again (its component changed how it looks without an edit).
    void redrawWanted();

private:
    CWindowPage* m_windowPage;
    std::vector<CComponentPage*> m_pages;
};

} // namespace zl
