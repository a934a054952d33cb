#include "editor/pages/CPicturePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "components/CUpLoadPic.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"

namespace zl
{
namespace
{

constexpr int kRedrawPassMs = 50;

} // namespace

CPicturePage::CPicturePage(QWidget* parent)
    : CComponentPage(tr("Picture Property"), parent), m_width(number(QT_TR_NOOP("Width"))),
      m_height(number(QT_TR_NOOP("Hight"))), m_redraw(new QTimer(this))
{
    help::setHelpTopic(this, help::kPicturePage);
    addPosition(0);
    auto* size = new QGroupBox(tr("Size"));
    auto* g = new QGridLayout(size);
    g->addWidget(new QLabel(tr("Width:")), 0, 0);
    g->addWidget(numberField(m_width), 0, 1);
    g->addWidget(new QLabel(tr("Hight:")), 1, 0);
    g->addWidget(numberField(m_height), 1, 1);
    grid()->addWidget(size, 1, 0, 1, 4);
    grid()->setColumnStretch(4, 1);
    m_redraw->setInterval(kRedrawPassMs);
    connect(m_redraw, &QTimer::timeout, this, &CPicturePage::redrawPass);
}

bool CPicturePage::Handles(int typeCode) const
{
    return typeCode == kPicture;
}

void CPicturePage::Bind()
{
    auto* c = static_cast<CUpLoadPic*>(m_component);
    m_shownWidth = c->Width();
    m_shownHeight = c->Height();
    // A range of exactly the size disables the fields: they only show it.
    m_width->Bind(&m_shownWidth, m_shownWidth, m_shownWidth);
    m_height->Bind(&m_shownHeight, m_shownHeight, m_shownHeight);
    BindPosition();
    if (imagePending()) {
        emit redrawWanted();
        m_redraw->start();
    }
}

bool CPicturePage::imagePending() const
{
    return m_component && !static_cast<const CUpLoadPic*>(m_component)->converted;
}

bool CPicturePage::redrawing() const
{
    return m_redraw->isActive();
}

void CPicturePage::redrawPass()
{
    // Hidden or bound elsewhere, the page has nothing to redraw; the flag clears once the image is taken.
    if (!isVisible() || !imagePending()) {
        m_redraw->stop();
        return;
    }
    emit redrawWanted();
}

} // namespace zl
