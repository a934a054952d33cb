#include "editor/controls/CBoundControls.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

#include "base/Gbk.h"

namespace zl
{
namespace
{

// The longest leading part of `gbk` of at most `limit` bytes that does not split a character.
std::string cutToLimit(const std::string& gbk, std::size_t limit)
{
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t next = end + gbkCharLength(gbk, end);
        if (next > limit)
            break;
        end = next;
    }
    return gbk.substr(0, end);
}

// The text with every character the panel cannot show left out; those go to `refused`.
std::string encodable(const QString& text, QString& refused)
{
    std::string gbk;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, n);
        if (auto code = utf8ToGbk(character.toStdString()))
            gbk += *code;
        else if (!refused.contains(character))
            refused += character;
        i += n - 1;
    }
    return gbk;
}

} // namespace

CBoundCheckBox::CBoundCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_flag)
            write([&] { *m_flag = checked ? 1 : 0; });
        m_changed = true;
    });
}

void CBoundCheckBox::Bind(std::uint8_t* flag)
{
    m_flag = flag;
    if (!flag)
        return;
    setChecked(*flag != 0);
    if (*flag > 1)
        write([&] { *flag = 1; });
}

CBoundComboBox::CBoundComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_index && index >= 0 && *m_index != index)
            write([&] { *m_index = static_cast<std::uint8_t>(index); });
        m_changed = true;
    });
}

void CBoundComboBox::Bind(std::uint8_t* index)
{
    m_index = index;
    if (!index || count() == 0)
        return;
    if (*index >= count())
        write([&] { *index = static_cast<std::uint8_t>(count() - 1); });
    setCurrentIndex(*index);
}

void CBoundComboBox::Fill(const std::vector<std::string>& items)
{
    const QSignalBlocker block(this);
    clear();
    setVisible(!items.empty());
    for (const auto& item : items)
        addItem(QString::fromStdString(item));
}

CBoundTextEdit::CBoundTextEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &CBoundTextEdit::onTextChanged);
}

void CBoundTextEdit::Bind(std::string* gbkText, std::size_t limit)
{
    m_text = nullptr;
    m_limit = limit;
    setText(gbkText ? QString::fromStdString(gbkToUtf8(*gbkText)) : QString());
    m_text = gbkText;
}

bool CBoundTextEdit::event(QEvent* event)
{
    if (leavesUndoToTheDocument(event))
        return false; // not accepted: the Edit menu's shortcut takes it
    return QLineEdit::event(event);
}

void CBoundTextEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.isEmpty() || !typed[0].isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (m_discarding)
        return;
    const QString old = text();
    const int cursor = cursorPosition();
    m_typing = true;
    QLineEdit::keyPressEvent(event);
    m_typing = false;
    const auto gbk = utf8ToGbk(text().toStdString());
    if (gbk && gbk->size() <= limit()) {
        onTextChanged(text());
        return;
    }
    if (!gbk)
        tellRefused(typed);
    setText(old);
    setCursorPosition(cursor);
    m_discarding = true;
    QTimer::singleShot(0, this, [this] { m_discarding = false; });
}

void CBoundTextEdit::onTextChanged(const QString& shown)
{
    if (!m_text || m_typing)
        return;
    QString refused;
    std::string gbk = encodable(shown, refused);
    if (!refused.isEmpty())
        tellRefused(refused);
    const bool cut = gbk.size() > limit();
    if (cut)
        gbk = cutToLimit(gbk, limit());
    write([&] { *m_text = gbk; });
    if (cut || utf8ToGbk(shown.toStdString()) != gbk) {
        const QSignalBlocker block(this);
        setText(QString::fromStdString(gbkToUtf8(gbk)));
    }
    emit textStored();
}

// A text loaded longer than the limit keeps its length until the user shortens it.
std::size_t CBoundTextEdit::limit() const
{
    return m_text ? std::max(m_limit, m_text->size()) : m_limit;
}

void CBoundTextEdit::tellRefused(const QString& characters)
{
    const QString message =
        tr("The panel cannot show \"%1\": it shows ASCII and two-byte GBK (Chinese) characters only.")
            .arg(characters);
    tellUser(this, message);
}

void CBoundTextEdit::focusInEvent(QFocusEvent* event)
{
    m_focused = true;
    QLineEdit::focusInEvent(event);
}

void CBoundTextEdit::focusOutEvent(QFocusEvent* event)
{
    m_focused = false;
    QLineEdit::focusOutEvent(event);
}

CBoundRadioGroup::CBoundRadioGroup(QObject* parent) : QObject(parent), m_group(new QButtonGroup(this))
{
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_index)
            write([&] { *m_index = static_cast<std::uint8_t>(id); });
        emit clicked(id);
    });
}

QRadioButton* CBoundRadioGroup::add(const QString& text, int index)
{
    auto* b = new QRadioButton(text);
    m_group->addButton(b, index);
    return b;
}

QRadioButton* CBoundRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

void CBoundRadioGroup::Bind(std::uint8_t* index)
{
    m_index = index;
    if (index)
        Check(*index);
}

void CBoundRadioGroup::Check(int index)
{
    if (QAbstractButton* b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // No button has the index: none is checked.
    m_group->setExclusive(false);
    for (QAbstractButton* b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

int CBoundRadioGroup::checked() const
{
    return m_group->checkedId();
}

} // namespace zl
