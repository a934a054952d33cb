#include "editor/pages/CWindowPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/document/CEditorDocument.h"
#include "editor/help/HelpTopics.h"

namespace zl
{
namespace
{

constexpr double kLastWindow = 65535;

} // namespace

CWindowPage::CWindowPage(CEditorDocument& document, QWidget* parent)
    : QWidget(parent), m_doc(document), m_title(new QLabel), m_description(new CBoundTextEdit),
      m_up(new CNumEdit), m_down(new CNumEdit)
{
    help::setHelpTopic(this, help::kWindowPage);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(tr("Window Property"));
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_title->setFont(big);
    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Window description:")), 1, 0);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(new QLabel(tr("When Up Arrow key pressed, jump to window:")), 2, 0);
    m_up->setFixedWidth(70);
    m_down->setFixedWidth(70);
    grid->addWidget(numberField(m_up), 2, 1);
    grid->addWidget(new QLabel(tr("When Down Arrow key pressed, jump to window:")), 3, 0);
    grid->addWidget(numberField(m_down), 3, 1);
    grid->setRowStretch(4, 1);

    const auto gate = [this](const char* step, const char* field) {
        return [this, step, field](const std::function<void()>& write) {
            m_doc.setWindowField(
                tr(step), [&](CMainView&) { write(); }, QString::fromLatin1(field));
        };
    };
    m_description->setGate(gate(QT_TR_NOOP("Window description"), "description"));
    m_up->setGate(gate(QT_TR_NOOP("Up jump"), "up"));
    m_down->setGate(gate(QT_TR_NOOP("Down jump"), "down"));
    setEnabled(false); // until a window is loaded
}

void CWindowPage::Load()
{
    CMainView* window = m_doc.currentWindow();
    setEnabled(window != nullptr); // nothing to type into without a window
    if (window) {
        m_title->setText(tr("window%1").arg(window->number));
        m_down->Bind(&window->downJump, 0, kLastWindow);
        m_up->Bind(&window->upJump, 0, kLastWindow);
        m_description->Bind(&window->description, 65535);
    } else {
        m_title->clear();
        m_up->Unbind();
        m_down->Unbind();
        m_description->Bind(nullptr);
        for (QLineEdit* e : std::initializer_list<QLineEdit*>{m_up, m_down})
            e->clear();
    }
}

QString CWindowPage::title() const
{
    return m_title->text();
}

} // namespace zl
