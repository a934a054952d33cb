#include "editor/CWindowPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/CBoundControls.h"
#include "editor/CNumEdit.h"
#include "editor/CNumSpinCtrl.h"
#include "model/CMainView.h"

namespace zl
{
namespace
{

constexpr double kLastWindow = 65535;

} // namespace

CWindowPage::CWindowPage(QWidget* parent)
    : QWidget(parent), m_title(new QLabel), m_description(new CBoundTextEdit), m_up(new CNumEdit),
      m_down(new CNumEdit)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(QStringLiteral("Window Property"));
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_title->setFont(big);
    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Window description:")), 1, 0);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("When Up Arrow key pressed, jump to window:")), 2, 0);
    m_up->setFixedWidth(70);
    m_down->setFixedWidth(70);
    grid->addWidget(numberField(m_up), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("When Down Arrow key pressed, jump to window:")), 3, 0);
    grid->addWidget(numberField(m_down), 3, 1);
    grid->setRowStretch(4, 1);

    connect(m_description, &CBoundTextEdit::textStored, this, [this] {
        if (m_loading)
            return;
        emit descriptionEdited();
        emit edited();
    });
    for (CNumEdit* e : {m_up, m_down})
        connect(e, &CNumEdit::valueStored, this, [this] {
            if (!m_loading)
                emit edited();
        });
}

void CWindowPage::Load(CMainView* window)
{
    m_loading = true;
    if (window) {
        m_title->setText(QStringLiteral("window%1").arg(window->number));
        m_down->Bind(&window->downJump, 0, kLastWindow);
        m_up->Bind(&window->upJump, 0, kLastWindow);
        m_description->Bind(&window->description, 65535);
    } else {
        m_title->clear();
        m_up->Unbind();
        m_down->Unbind();
        m_description->Bind(nullptr);
    }
    m_loading = false;
}

QString CWindowPage::title() const
{
    return m_title->text();
}

} // namespace zl
