#pragma once
// The window property page: the current window's title, description and the windows the panel's Up and
// Down keys jump to, written into the window as they are typed.
#include <QWidget>

class QLabel;

namespace zl
{

class CBoundTextEdit;
class CMainView;
class CNumEdit;

class CWindowPage : public QWidget
{
    Q_OBJECT
public:
    explicit CWindowPage(QWidget* parent = nullptr);

    // Binds the controls to `window` (none: the page shows nothing bound).
    void Load(CMainView* window);
    CBoundTextEdit* descriptionEdit() const { return m_description; }
    CNumEdit* upEdit() const { return m_up; }
    CNumEdit* downEdit() const { return m_down; }
    QString title() const;

signals:
    // The description changed while the user typed it: the list follows.
    void descriptionEdited();
    void edited();

private:
    QLabel* m_title;
    CBoundTextEdit* m_description;
    CNumEdit* m_up;
    CNumEdit* m_down;
    bool m_loading = false;
};

} // namespace zl
