#include "editor/pages/CPropertyPages.h"

#include "editor/pages/CComponentPage.h"
#include "editor/pages/CBarTidePage.h"
#include "editor/pages/CDynamicPage.h"
#include "editor/pages/CFunctionPage.h"
#include "editor/pages/CLedPage.h"
#include "editor/pages/CPicturePage.h"
#include "editor/pages/CRegisterPage.h"
#include "editor/pages/CTextPage.h"
#include "editor/pages/CWindowPage.h"
#include "model/CBase.h"

namespace zl
{

CPropertyPages::CPropertyPages(CWindowPage* windowPage, QWidget* parent)
    : QStackedWidget(parent), m_windowPage(windowPage)
{
    addWidget(windowPage);
    m_pages = {new CLedPage,     new CFunctionPage, new CTextPage,   new CRegisterPage,
               new CDynamicPage, new CBarTidePage,  new CPicturePage};
    for (CComponentPage* p : m_pages) {
        addWidget(p);
        connect(p, &CComponentPage::edited, this, &CPropertyPages::edited);
    }
    connect(page<CPicturePage>(), &CPicturePage::redrawWanted, this, &CPropertyPages::redrawWanted);
    setCurrentWidget(windowPage);
}

void CPropertyPages::ShowWindowPage()
{
    // The component may go away while the window page is shown.
    for (CComponentPage* p : m_pages)
        p->Unbind();
    setCurrentWidget(m_windowPage);
}

CComponentPage* CPropertyPages::ShowComponent(CBase* component, const CProtocolTables& tables)
{
    for (CComponentPage* p : m_pages)
        p->Unbind();
    for (CComponentPage* p : m_pages)
        if (component && p->Handles(component->typeCode)) {
            setCurrentWidget(p);
            p->Load(component, tables);
            return p;
        }
    ShowWindowPage();
    return nullptr;
}

CComponentPage* CPropertyPages::current() const
{
    return qobject_cast<CComponentPage*>(currentWidget());
}

void CPropertyPages::ShowPosition()
{
    if (CComponentPage* p = current())
        p->ShowPosition();
}

} // namespace zl
