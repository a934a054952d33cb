#pragma once
// The dialogs of the window commands: New window (number and description) and Copy window (target number).
#include <QDialog>

#include <cstdint>
#include <string>

namespace zl
{

class CBoundTextEdit;
class CNumEdit;
class CProject;
class CPrompter;

class CNewWindowDialog : public QDialog
{
    Q_OBJECT
public:
    // Proposes the first free number after the current window's.
    CNewWindowDialog(const CProject& project, CPrompter& prompter, QWidget* parent = nullptr);

    std::uint16_t number() const { return m_number; }
    const std::string& description() const { return m_description; } // GBK
    CNumEdit* numberEdit() const { return m_numberEdit; }
    CBoundTextEdit* descriptionEdit() const { return m_descriptionEdit; }

public slots:
    // Refuses a number that is taken, with a message, and stays open.
    void accept() override;

private:
    const CProject& m_project;
    CPrompter& m_prompter;
    std::uint16_t m_number;
    std::string m_description;
    CNumEdit* m_numberEdit;
    CBoundTextEdit* m_descriptionEdit;
};

class CCopyWindowDialog : public QDialog
{
    Q_OBJECT
public:
    // Proposes the source's number + 1.
    CCopyWindowDialog(std::uint16_t source, CPrompter& prompter, QWidget* parent = nullptr);

    std::uint16_t target() const { return m_target; }
    CNumEdit* targetEdit() const { return m_targetEdit; }

public slots:
    // The same number as the source is reported; the dialog closes with OK either way.
    void accept() override;

private:
    std::uint16_t m_source;
    CPrompter& m_prompter;
    std::uint16_t m_target;
    CNumEdit* m_targetEdit;
};

} // namespace zl
