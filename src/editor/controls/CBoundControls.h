#pragma once
// Check box, combo box, text edit and radio group that write the field they are bound to as the user changes
// them, and keep a mark that tells their page about the change.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>

class QButtonGroup;
class QRadioButton;

#include <cstdint>
#include <string>
#include <vector>

#include "editor/controls/CFieldGate.h"

namespace zl
{

class CBoundCheckBox : public QCheckBox, public CFieldGate
{
    Q_OBJECT
public:
    explicit CBoundCheckBox(const QString& text, QWidget* parent = nullptr);
    // Shows the flag (ticked when nonzero) and writes the shown state, 0 or 1, back.
    void Bind(std::uint8_t* flag);
    bool changed() const { return m_changed; }
    void resetChanged() { m_changed = false; }

private:
    std::uint8_t* m_flag = nullptr;
    bool m_changed = false;
};

class CBoundComboBox : public QComboBox, public CFieldGate
{
    Q_OBJECT
public:
    explicit CBoundComboBox(QWidget* parent = nullptr);
    // An index past the items becomes the last item's.
    void Bind(std::uint8_t* index);
    // Replaces the items; an empty list hides the box.
    void Fill(const std::vector<std::string>& items);
    QString boundText() const { return currentText(); }
    bool changed() const { return m_changed; }
    void resetChanged() { m_changed = false; }

private:
    std::uint8_t* m_index = nullptr;
    bool m_changed = false;
};

// A text edit whose field holds GBK bytes: a character without a GBK code, or one that would take the text
// past its limit in GBK bytes, is refused as it is typed; a longer pasted text is cut to the limit.
class CBoundTextEdit : public QLineEdit, public CFieldGate
{
    Q_OBJECT
public:
    explicit CBoundTextEdit(QWidget* parent = nullptr);
    void Bind(std::string* gbkText, std::size_t limit = 65535);
    void Unbind() { m_text = nullptr; }
    bool focused() const { return m_focused; }

signals:
    // The bound text was written from the edit.
    void textStored();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged(const QString& text);
    std::size_t limit() const;
    void tellRefused(const QString& characters);

    std::string* m_text = nullptr;
    std::size_t m_limit = 65535;
    bool m_focused = false;
    bool m_discarding = false;
    bool m_typing = false;
};

// Radio buttons bound to a byte holding the index of the checked one.
class CBoundRadioGroup : public QObject, public CFieldGate
{
    Q_OBJECT
public:
    explicit CBoundRadioGroup(QObject* parent = nullptr);
    QRadioButton* add(const QString& text, int index);
    QRadioButton* button(int index) const;
    // Checks the button of the byte's index; none when no button has it.
    void Bind(std::uint8_t* index);
    void Check(int index);
    int checked() const;

signals:
    // A click stored `index` into the bound byte.
    void clicked(int index);

private:
    QButtonGroup* m_group;
    std::uint8_t* m_index = nullptr;
};

} // namespace zl
