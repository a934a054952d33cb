#pragma once
// The user manual: its HTML pages in the interface's language, a contents list (the links of the
// contents page), back and forward, and a search within the page shown. Help → "User manual" and F1
// open it (CHelpKey).
#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace zl
{

class CHelpWindow : public QWidget
{
    Q_OBJECT
public:
    // `manualFolder` holds a folder of pages per language ("en", "zh_CN") and the pictures.
    explicit CHelpWindow(const QString& manualFolder, QWidget* parent = nullptr);

    // Shows `topic` ("page.html" or "page.html#anchor").
    void ShowTopic(const QString& topic);

    // The folder of the pages in the interface's language: "zh_CN" while the Chinese translation is in
    // use, else "en".
    static QString language();

    // Shows `topic` in the one help window, made when there is none yet (or the interface's language has
    // changed since). While a modal dialog is open the window belongs to it, so that it can be used beside
    // the dialog.
    static CHelpWindow* Open(const QString& manualFolder, const QString& topic, QWidget* owner);

    QTextBrowser* browser() const { return m_browser; }
    QListWidget* contents() const { return m_contents; }
    QLineEdit* searchField() const { return m_search; }

private:
    void fillContents();
    void find(bool backward);

    QString m_language;
    QString m_pages; // the folder of this language's pages
    QTextBrowser* m_browser;
    QListWidget* m_contents;
    QLineEdit* m_search;
};

// Catches F1 where the User manual's shortcut cannot act (in a modal dialog) and opens the section of the
// widget with the focus.
class CHelpKey : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void helpWanted(const QString& topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zl
