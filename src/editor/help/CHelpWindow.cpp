#include "editor/help/CHelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/help/HelpTopics.h"

namespace zl
{
namespace
{

QPointer<CHelpWindow> g_window; // the one help window, while there is one

QUrl pageUrl(const QString& pages, const QString& topic)
{
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QDir(pages).filePath(topic.left(hash)));
    if (hash >= 0)
        url.setFragment(topic.mid(hash + 1));
    return url;
}

} // namespace

CHelpWindow::CHelpWindow(const QString& manualFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_language(language()), m_pages(QDir(manualFolder).filePath(m_language)),
      m_browser(new QTextBrowser), m_contents(new QListWidget), m_search(new QLineEdit)
{
    setWindowTitle(tr("ZL410 user manual"));
    setAttribute(Qt::WA_DeleteOnClose);
    help::setHelpTopic(this, help::kContents);

    auto* tools = new QToolBar;
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    tools->addSeparator();
    m_search->setPlaceholderText(tr("Find in page"));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(220);
    tools->addWidget(m_search);
    QAction* next = tools->addAction(tr("Next"));
    QAction* previous = tools->addAction(tr("Previous"));

    auto* split = new QSplitter;
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 640});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(split);
    resize(880, 620);

    m_browser->setOpenExternalLinks(true);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { ShowTopic(QString::fromLatin1(help::kContents)); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(next, &QAction::triggered, this, [this] { find(false); });
    connect(previous, &QAction::triggered, this, [this] { find(true); });
    // A click, or Enter on the list (some styles activate on a click too: the page is not loaded twice).
    const auto showItem = [this](QListWidgetItem* item) {
        const QString topic = item->data(Qt::UserRole).toString();
        if (m_browser->source() != pageUrl(m_pages, topic))
            ShowTopic(topic);
    };
    connect(m_contents, &QListWidget::itemClicked, this, showItem);
    connect(m_contents, &QListWidget::itemActivated, this, showItem);
    fillContents();
}

QString CHelpWindow::language()
{
    // The translation names the folder of its own pages; without a translation in use this stays "en".
    const QString folder = QCoreApplication::translate(
        "zl::CHelpWindow", "en", "The folder of the user manual in this language: keep it as zh_CN");
    return folder == QLatin1String("zh_CN") ? folder : QStringLiteral("en");
}

void CHelpWindow::ShowTopic(const QString& topic)
{
    const QUrl url = pageUrl(m_pages, topic);
    if (!QFileInfo::exists(url.toLocalFile())) {
        m_browser->setHtml(QStringLiteral("<p>%1</p>")
                               .arg(tr("The user manual is not installed: %1 is missing.")
                                        .arg(QDir::toNativeSeparators(url.toLocalFile()).toHtmlEscaped())));
        return;
    }
    m_browser->setSource(url);
}

void CHelpWindow::fillContents()
{
    // The contents page's list of pages, in its order.
    QFile index(QDir(m_pages).filePath(QString::fromLatin1(help::kContents)));
    if (!index.open(QIODevice::ReadOnly))
        return;
    const QString html = QString::fromUtf8(index.readAll());
    static const QRegularExpression item(QStringLiteral("<li class=\"page\"><a href=\"([^\"]+)\">([^<]+)</a>"));
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        auto* entry = new QListWidgetItem(m.captured(2), m_contents);
        entry->setData(Qt::UserRole, m.captured(1));
    }
}

void CHelpWindow::find(bool backward)
{
    const QString text = m_search->text();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return;
    // Past the end (or the start): wrap around once.
    QTextCursor cursor = m_browser->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(cursor);
    m_browser->find(text, flags);
}

CHelpWindow* CHelpWindow::Open(const QString& manualFolder, const QString& topic, QWidget* owner)
{
    // A window outside an open modal dialog could not be used until the dialog closes.
    if (QWidget* modal = QApplication::activeModalWidget())
        owner = modal;
    if (g_window && g_window->m_language != language())
        delete g_window;
    if (g_window && g_window->parentWidget() != owner)
        g_window->setParent(owner, Qt::Window);
    if (!g_window)
        g_window = new CHelpWindow(manualFolder, owner);
    g_window->ShowTopic(topic);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

bool CHelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !QApplication::activeModalWidget())
        return false;
    QWidget* focus = QApplication::focusWidget();
    emit helpWanted(help::helpTopic(focus ? focus : qobject_cast<QWidget*>(watched)));
    return true;
}

} // namespace zl
