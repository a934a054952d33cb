#include "editor/controls/CNumEdit.h"

#include <QKeyEvent>
#include <QTimer>

#include <type_traits>

#include "editor/controls/CNumSpinCtrl.h"
#include "plc/CProtocolTables.h"

namespace zl
{
namespace
{

bool isCharacter(const QString& text)
{
    return text.size() == 1 && text[0].isPrint();
}

} // namespace

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &CNumEdit::onTextChanged);
}

CNumEdit::~CNumEdit()
{
    if (m_spin)
        m_spin->SetBuddy(nullptr);
}

void CNumEdit::BindOctal(std::uint16_t* field, double minimum, double maximum, bool octal, std::uint8_t step)
{
    Bind(field, minimum, maximum, false, false, step, true);
    m_value.octal = octal;
    SetValue(*field);
}

void CNumEdit::BindAddress(std::uint16_t* field, double minimum, double maximum, const CProtocolTables& t,
                           std::string_view typeName)
{
    if (t.descriptor().octalAddress(typeName))
        BindOctal(field, minimum, maximum, true);
    else
        Bind(field, minimum, maximum, t.hexEntry);
}

void CNumEdit::ChangeBy(int count)
{
    SetValue(m_value.ChangeBy(GetValue(), count));
}

void CNumEdit::SetRange(double minimum, double maximum)
{
    // Read under the old range: under the new one a text outside it reads as 0.
    const std::int64_t current = GetValue();
    m_value.minimum = minimum;
    m_value.maximum = maximum;
    setEnabled(m_value.Choosable());
    if (m_spin)
        m_spin->setEnabled(m_value.Choosable());
    if (!m_value.Choosable()) {
        SetValue(static_cast<std::int64_t>(maximum));
        return;
    }
    if (double(current) > maximum || double(current) < minimum)
        SetValue(current);
}

CNumValue::Status CNumEdit::Validate() const
{
    return m_value.Validate(text().toStdString());
}

void CNumEdit::SetValue(std::int64_t value)
{
    setText(QString::fromStdString(m_value.Format(m_value.Clamp(value))));
    store(GetValue());
}

std::int64_t CNumEdit::GetValue() const
{
    return m_value.Parse(text().toStdString());
}

void CNumEdit::store(std::int64_t value)
{
    if (std::holds_alternative<std::monostate>(m_field))
        return;
    write([&] {
        std::visit(
            [&](auto& p) {
                using P = std::decay_t<decltype(p)>;
                if constexpr (std::is_pointer_v<P>)
                    *p = static_cast<std::remove_pointer_t<P>>(value); // truncated to the field's width
            },
            m_field);
    });
    emit valueStored();
}

void CNumEdit::refuse(std::int64_t oldValue)
{
    SetValue(oldValue);
    selectAll();
    m_discarding = true;
    QTimer::singleShot(0, this, [this] { m_discarding = false; });
}

bool CNumEdit::event(QEvent* event)
{
    if (leavesUndoToTheDocument(event))
        return false; // not accepted: the Edit menu's shortcut takes it
    return QLineEdit::event(event);
}

void CNumEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        complete();
    if (m_spin && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        ChangeBy(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    // Backspace arrives as a typed character too, so a deletion that leaves the range is undone.
    if (!isCharacter(event->text()) && event->key() != Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (m_discarding || event->text() == QLatin1String(" "))
        return;
    const QString before = text();
    const std::int64_t old = GetValue();
    QLineEdit::keyPressEvent(event);
    if (incomplete())
        return; // the range applies when the entry is complete
    switch (Validate()) {
    case CNumValue::kOutOfRange:
    case CNumValue::kNotANumber:
        if (m_value.Incomplete(before.toStdString())) {
            // Only this keystroke is undone: the digits typed so far stay.
            setText(before);
            m_discarding = true;
            QTimer::singleShot(0, this, [this] { m_discarding = false; });
        } else {
            refuse(old);
        }
        break;
    default:
        store(GetValue());
    }
}

void CNumEdit::focusOutEvent(QFocusEvent* event)
{
    // The user moved on; another window taking the focus (or a closing one) leaves the entry as it is.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        complete();
    m_editing = false;
    QLineEdit::focusOutEvent(event);
}

bool CNumEdit::incomplete() const
{
    return m_value.Incomplete(text().toStdString());
}

void CNumEdit::complete()
{
    if (!incomplete())
        return;
    const QString entered = text();
    SetValue(m_value.Complete(entered.toStdString()));
    tellUser(this,
             entered.isEmpty()
                 ? tr("An empty field takes its smallest value, %1.").arg(text())
                 : tr("%1 is outside %2 … %3: set to %4.")
                       .arg(entered, QString::fromStdString(m_value.Format(std::int64_t(m_value.minimum))),
                            QString::fromStdString(m_value.Format(std::int64_t(m_value.maximum))), text()));
}

void CNumEdit::onTextChanged()
{
    if (!hasFocus()) {
        m_editing = false;
        return;
    }
    m_editing = true;
    if (incomplete())
        return;
    const CNumValue::Status s = Validate();
    if (s == CNumValue::kOutOfRange || s == CNumValue::kNotANumber)
        selectAll();
    else
        store(GetValue());
}

} // namespace zl
