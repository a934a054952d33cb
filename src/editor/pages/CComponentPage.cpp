#include "editor/pages/CComponentPage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "editor/controls/CBoundControls.h"
#include "editor/document/CEditorDocument.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "file/CProjectFile.h"
#include "model/CBase.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

constexpr int kFieldWidth = 58;

// The step's name for a control: its label without the colon.
QString stepName(const QString& label)
{
    QString s = label;
    s.remove(QLatin1Char(':'));
    s.remove(QLatin1Char('&'));
    return s.trimmed();
}

} // namespace

// --- page

CComponentPage::CComponentPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(title)), m_grid(new QGridLayout)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_group);
    auto* inner = new QVBoxLayout(m_group);
    inner->setContentsMargins(6, 4, 6, 4);
    inner->addLayout(m_grid);
    inner->addStretch();
    m_grid->setHorizontalSpacing(4);
    m_grid->setVerticalSpacing(3);
}

unsigned CComponentPage::protocol() const
{
    return m_tables ? m_tables->protocol : 0;
}

bool CComponentPage::namedVariables() const
{
    return tables().descriptor().namedVariables;
}

void CComponentPage::Load(CBase* component, const CProtocolTables& tables)
{
    m_component = component;
    m_tables = &tables;
    m_burstField = nullptr;
    if (!component)
        return;
    if (!m_fitsOnBinding || m_fitsOnBinding()) {
        change(tr("Edit ") + componentName(component->typeCode), {}, [this] { quietly([this] { Bind(); }); });
        return;
    }
    // Showing a component never changes it: what binding fits to the page's rules is put back, so a
    // stored value the page would refuse stays as it is until the user edits it.
    const Bytes stored = WriteComponent(*component);
    const bool changing = std::exchange(m_changing, true); // the fields' writes while binding go straight in
    quietly([this] { Bind(); });
    m_changing = changing;
    if (WriteComponent(*component) != stored)
        (void)ReadComponentInto(stored, *component);
}

void CComponentPage::change(const QString& step, const QString& mergeKey, const std::function<void()>& act)
{
    if (!m_editGate || m_changing) {
        act(); // a write of the running change belongs to it
        return;
    }
    m_changing = true;
    m_editGate(step, mergeKey, act);
    m_changing = false;
}

void CComponentPage::ownRules(QObject* source)
{
    // A new position moves the component at once.
    if (source == m_x || source == m_y)
        m_component->MoveTo(static_cast<int>(m_component->x * kCanvasPerPanel + 0.5),
                            static_cast<int>(m_component->y * kCanvasPerPanel + 0.5));
    Rules(source);
}

QString CComponentPage::stepFor(QObject* control) const
{
    return componentName(m_component->typeCode) + QStringLiteral(": ") +
           stepName(pageText(control->objectName().toUtf8().constData()));
}

QString CComponentPage::pageText(const char* text) const
{
    // The most derived page's class: the context lupdate gives a QT_TR_NOOP in that page's code.
    return QCoreApplication::translate(metaObject()->className(), text);
}

void CComponentPage::controlWrite(QObject* control, const std::function<void()>& write)
{
    if (!m_component) {
        write();
        return;
    }
    const bool user = !m_quiet;
    // Typing in one field is one step however many keystrokes it takes (until the field loses the focus);
    // a click is a step of its own.
    const bool field = qobject_cast<CNumEdit*>(control) || qobject_cast<CBoundTextEdit*>(control);
    if (user && control != m_burstField) {
        m_burstField = field ? control : nullptr;
        ++m_burst;
    }
    const QString key =
        user && m_burstField
            ? QStringLiteral("%1/%2#%3").arg(quintptr(m_component)).arg(control->objectName()).arg(m_burst)
            : QString();
    change(stepFor(control), key, [&] {
        write();
        if (user) {
            quietly([&] { ownRules(control); });
            m_ruled = control;
        }
    });
}

void CComponentPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    OrderTabs();
}

void CComponentPage::OrderTabs()
{
    std::vector<QWidget*> stops;
    for (QWidget* w : findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(this))
            stops.push_back(w);
    const auto at = [this](const QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
    // Fields of one row may differ in height by a few pixels: their centres decide the row.
    std::stable_sort(stops.begin(), stops.end(), [&](const QWidget* a, const QWidget* b) {
        const int ya = at(a).y() + a->height() / 2;
        const int yb = at(b).y() + b->height() / 2;
        if (std::abs(ya - yb) > 6)
            return ya < yb;
        return at(a).x() < at(b).x();
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

void CComponentPage::Unbind()
{
    m_component = nullptr;
    for (auto* e : findChildren<CNumEdit*>())
        e->Unbind();
    for (auto* b : findChildren<CBoundCheckBox*>())
        b->Bind(nullptr);
    for (auto* c : findChildren<CBoundComboBox*>())
        c->Bind(nullptr);
    for (auto* t : findChildren<CBoundTextEdit*>())
        t->Unbind();
    for (auto* g : findChildren<CBoundRadioGroup*>())
        g->Bind(nullptr);
}

bool CComponentPage::eventFilter(QObject* watched, QEvent* event)
{
    // A field's entry completed as the focus left it is not merged into the next visit's typing.
    if ((event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) && watched == m_burstField)
        m_burstField = nullptr;
    return QWidget::eventFilter(watched, event);
}

void CComponentPage::userChanged(QObject* source)
{
    if (m_quiet || !m_component)
        return;
    // A control that wrote nothing still has its rules.
    if (m_ruled != source)
        change(stepFor(source), {}, [&] { quietly([&] { ownRules(source); }); });
    m_ruled = nullptr;
    emit edited();
}

CNumEdit* CComponentPage::number(const QString& name)
{
    auto* e = new CNumEdit;
    e->setObjectName(name);
    e->setFixedWidth(kFieldWidth);
    gateWrites(e);
    connect(e, &CNumEdit::valueStored, this, [this, e] { userChanged(e); });
    return e;
}

CBoundCheckBox* CComponentPage::check(const char* text)
{
    auto* b = new CBoundCheckBox(pageText(text));
    b->setObjectName(QString::fromUtf8(text));
    gateWrites(b);
    connect(b, &QCheckBox::clicked, this, [this, b] { userChanged(b); });
    return b;
}

CBoundComboBox* CComponentPage::combo(const QString& name, const std::vector<std::string>& items)
{
    auto* c = new CBoundComboBox;
    c->setObjectName(name);
    gateWrites(c);
    if (!items.empty()) {
        std::vector<std::string> shown;
        for (const std::string& item : items)
            shown.push_back(pageText(item.c_str()).toStdString());
        c->Fill(shown);
    }
    connect(c, &QComboBox::activated, this, [this, c] { userChanged(c); });
    return c;
}

CBoundTextEdit* CComponentPage::textEdit(const QString& name)
{
    auto* t = new CBoundTextEdit;
    t->setObjectName(name);
    gateWrites(t);
    connect(t, &CBoundTextEdit::textStored, this, [this, t] { userChanged(t); });
    return t;
}

CBoundRadioGroup* CComponentPage::radios(const QString& name)
{
    auto* g = new CBoundRadioGroup(this);
    g->setObjectName(name);
    gateWrites(g);
    connect(g, &CBoundRadioGroup::clicked, this, [this, g] { userChanged(g); });
    return g;
}

void CComponentPage::addLabelled(const QString& label, QWidget* widget, int row, int col, QLabel** labelOut,
                                 QGridLayout* into)
{
    QGridLayout* g = into ? into : m_grid;
    auto* l = new QLabel(label);
    l->setBuddy(widget);
    g->addWidget(l, row, col);
    g->addWidget(widget, row, col + 1);
    if (labelOut)
        *labelOut = l;
}

QWidget* CComponentPage::addNumber(const QString& label, CNumEdit* edit, int row, int col, QLabel** labelOut,
                                   QGridLayout* into)
{
    QWidget* field = numberField(edit);
    addLabelled(label, field, row, col, labelOut, into);
    return field;
}

void CComponentPage::addPosition(int row)
{
    m_x = new CNumEdit;
    m_y = new CNumEdit;
    m_x->setObjectName(QStringLiteral("X"));
    m_y->setObjectName(QStringLiteral("Y"));
    for (CNumEdit* e : {m_x, m_y}) {
        e->setFixedWidth(kFieldWidth);
        gateWrites(e);
        connect(e, &CNumEdit::valueStored, this, [this, e] { userChanged(e); });
    }
    addNumber(tr("X:"), m_x, row, 0);
    addNumber(tr("Y:"), m_y, row, 2);
}

void CComponentPage::BindPosition()
{
    m_x->Bind(&m_component->x, 0, maxX());
    m_y->Bind(&m_component->y, 0, maxY());
}

double CComponentPage::maxX() const
{
    return kPanelWidth - m_component->rect.width() * kPanelPerCanvas;
}

double CComponentPage::maxY() const
{
    return kPanelHeight - m_component->rect.height() * kPanelPerCanvas;
}

void CComponentPage::ShowPosition()
{
    if (!m_component)
        return;
    quietly([this] {
        const std::int32_t x = m_component->x;
        const std::int32_t y = m_component->y;
        m_x->SetValue(x);
        m_y->SetValue(y);
        PositionShown();
    });
}

void CComponentPage::Refit(bool height)
{
    m_component->Replace();
    m_x->SetRange(0, maxX());
    if (height)
        m_y->SetRange(0, maxY());
    ShowPosition();
}

COperandFields CComponentPage::makeOperand(const QString& stationLabel, const QString& typeLabel,
                                           const QString& addressLabel, const QString& subLabel)
{
    COperandFields f;
    f.station = number(stationLabel);
    f.type = combo(typeLabel);
    f.address = number(addressLabel);
    f.sub = number(subLabel);
    f.subType = combo(QT_TR_NOOP("SubType"));
    f.stationText = stationLabel;
    f.typeText = typeLabel;
    f.addressText = addressLabel;
    f.subText = subLabel;
    return f;
}

int CComponentPage::addOperand(COperandFields& f, int row, int col, QGridLayout* into)
{
    QGridLayout* g = into ? into : m_grid;
    addNumber(f.stationText, f.station, row, col, &f.stationLabel, g);
    addLabelled(f.typeText, f.type, row, col + 2, &f.typeLabel, g);
    addNumber(f.addressText, f.address, row + 1, col, &f.addressLabel, g);
    addNumber(f.subText, f.sub, row + 1, col + 2, &f.subLabel, g);
    addLabelled(QStringLiteral("SubType"), f.subType, row + 2, col, &f.subTypeLabel, g);
    g->addWidget(f.subType, row + 2, col + 1, 1, 3);
    return row + 3;
}

std::uint16_t CComponentPage::addressMin() const
{
    return tables().descriptor().addressesFromOne ? 1 : 0;
}

void CComponentPage::bindAddress(COperandFields& f, const COperandKind& kind)
{
    f.address->BindAddress(&m_component->address, addressMin(), kind.addressMax, tables(),
                           tables().registerTypeName(m_component->registerType, kind.listKind));
}

void CComponentPage::fillVariables(COperandFields& f, const COperandKind& kind)
{
    const bool named = namedVariables();
    f.subType->setVisible(named);
    if (f.subTypeLabel)
        f.subTypeLabel->setVisible(named);
    if (!named)
        return;
    f.subType->Fill(CVariableDictionary::variables(m_component->registerType, kind.variableKind));
    f.subType->Bind(&m_component->subType);
}

void CComponentPage::BindOperand(COperandFields& f, const COperandKind& kind)
{
    const CProtocolTables& t = tables();
    f.station->Bind(&m_component->station, t.stationMin, t.stationMax, t.hexEntry);
    f.type->Fill(t.list(kind.listKind));
    f.type->Bind(&m_component->registerType);
    bindAddress(f, kind);
    f.sub->Bind(&m_component->subAddress, 0, t.bitMax, t.hexEntry || kind.subAddressHex);
    // The named variable takes the sub-address's place.
    const bool subShown = kind.subAddressShown && !namedVariables();
    if (QWidget* field = f.sub->parentWidget())
        field->setVisible(subShown);
    if (f.subLabel)
        f.subLabel->setVisible(subShown);
    fillVariables(f, kind);
}

void CComponentPage::OperandTypeChanged(COperandFields& f, const COperandKind& kind)
{
    bindAddress(f, kind);
    fillVariables(f, kind);
}

COperandKind CComponentPage::WordOperand() const
{
    return {kWordList, kReadWords, tables().registerMax, tables().show.subAddress != 0};
}

void CComponentPage::addFormat(CBoundRadioGroup* format, QBoxLayout* row)
{
    row->addWidget(format->add(QStringLiteral("HEX/BCD"), 0));
    row->addWidget(format->add(QStringLiteral("DEC"), 1));
}

void CComponentPage::BindWordCount(CNumEdit* words, QLabel* label, bool registerPage)
{
    const bool shown = tables().show.wordCount != 0;
    words->parentWidget()->setVisible(shown);
    label->setVisible(shown);
    const std::string& type = tables().registerTypeName(m_component->registerType, kWordList);
    const auto lock = tables().descriptor().typeLock(type);
    const int fixed = lock && (registerPage || !lock->registerPageOnly) ? lock->wordCount : 0;
    if (fixed)
        words->Bind(&m_component->wordCount, fixed, fixed);
    else
        words->Bind(&m_component->wordCount, 1, tables().wordCountMax);
}

void CComponentPage::ApplyFormat(CBoundCheckBox* signedBox)
{
    const bool hexBcd = m_component->format == 0;
    if (hexBcd)
        m_component->isSigned = 0;
    signedBox->setChecked(m_component->isSigned != 0);
    signedBox->setEnabled(!hexBcd);
}

bool CComponentPage::IsTypeChange(const COperandFields& f, QObject* source)
{
    return source == f.type || source == f.subType;
}

} // namespace zl
