#include "editor/CPropertyPages.h"

#include "editor/CComponentPage.h"
#include "editor/CBarTidePage.h"
#include "editor/CDynamicPage.h"
#include "editor/CFunctionPage.h"
#include "editor/CLedPage.h"
#include "editor/CPicturePage.h"
#include "editor/CRegisterPage.h"
#include "editor/CTextPage.h"
#include "editor/CWindowPage.h"
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
