#include "editor/pages/CTextPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "components/CChars.h"
#include "editor/controls/CBoundControls.h"
#include "editor/help/HelpTopics.h"

namespace zl
{
namespace
{

constexpr std::size_t kTextLimit = 24; // bytes

} // namespace

CTextPage::CTextPage(QWidget* parent)
    : CComponentPage(tr("Text Property"), parent), m_text(textEdit(QT_TR_NOOP("Text String"))),
      m_double(check(QT_TR_NOOP("Double"))), m_reverse(check(QT_TR_NOOP("Reverse")))
{
    help::setHelpTopic(this, help::kTextPage);
    addLabelled(tr("Text String:"), m_text, 0, 0);
    grid()->addWidget(m_text, 0, 1, 1, 3);
    auto* style = new QGroupBox(tr("Style"));
    auto* row = new QHBoxLayout(style);
    row->addWidget(m_double);
    row->addWidget(m_reverse);
    grid()->addWidget(style, 1, 0, 1, 4);
    addPosition(2);
    grid()->setColumnStretch(4, 1);
}

bool CTextPage::Handles(int typeCode) const
{
    return typeCode == kStaticText;
}

void CTextPage::Bind()
{
    auto* c = static_cast<CChars*>(m_component);
    m_double->Bind(&c->doubleSize);
    m_reverse->Bind(&c->reverse);
    m_text->Bind(&c->text, kTextLimit);
    BindPosition();
}

void CTextPage::Rules(QObject* source)
{
    // The outline follows the text and the size as they change.
    if (source == m_double || source == m_text)
        Refit(source == m_double);
}

} // namespace zl
