#pragma once
// The one place the editor shows message boxes: every message and question of the core and the editor
// goes through this prompter.
#include <QPointer>
#include <QWidget>

#include "base/CPrompter.h"

namespace zl
{

class CMessagePrompter : public CPrompter
{
public:
    explicit CMessagePrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const std::string& text, const std::string& caption) override;
    void inform(const std::string& text, const std::string& caption) override;
    bool askOkCancel(const std::string& text, const std::string& caption) override;
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace zl
