#pragma once
// The window property page: the current window's title, description and the windows the panel's Up and
// Down keys jump to, written into the window as they are typed, as undoable edits (typing in one field
// is one step).
#include <QWidget>

class QLabel;

namespace zl
{

class CBoundTextEdit;
class CEditorDocument;
class CNumEdit;

class CWindowPage : public QWidget
{
    Q_OBJECT
public:
    explicit CWindowPage(CEditorDocument& document, QWidget* parent = nullptr);

    // Binds the controls to the current window (none: the page shows nothing bound).
    void Load();
    CBoundTextEdit* descriptionEdit() const { return m_description; }
    CNumEdit* upEdit() const { return m_up; }
    CNumEdit* downEdit() const { return m_down; }
    QString title() const;

private:
    CEditorDocument& m_doc;
    QLabel* m_title;
    CBoundTextEdit* m_description;
    CNumEdit* m_up;
    CNumEdit* m_down;
};

} // namespace zl
