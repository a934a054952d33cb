// The user manual and Help: every page's links, anchors and pictures resolve in every language, every
// section the program names exists, F1 opens the section of a property page and of a dialog, the help
// window finds text, and About shows the version and the licence (or says it is to come).
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTranslator>

#include <set>

#include "EditorTesting.h"
#include "editor/CCommands.h"
#include "editor/dialogs/CAboutDialog.h"
#include "editor/dialogs/CPlcSelectionDialog.h"
#include "editor/help/CHelpWindow.h"
#include "editor/help/HelpTopics.h"
#include "editor/pages/CPropertyPages.h"
#include "editor/pages/CComponentPage.h"
#include "qt/ProgramVersion.h"

using namespace zl;
using namespace zl::test;

namespace
{

const QString kManual = QStringLiteral(ZL410_BUILD_DATA_DIR "/manual");
const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("zh_CN")};

// What a page holds as the help window reads it: its anchors, links and pictures.
struct Page {
    std::set<QString> anchors;
    QStringList links;
    QStringList images;
    QStringList styleSheets;
};

Page readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    QTextDocument doc;
    doc.setHtml(html);
    Page page;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames())
                page.anchors.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                page.links << f.anchorHref();
            if (f.isImageFormat())
                page.images << f.toImageFormat().name();
        }
        for (const QString& name : b.charFormat().anchorNames())
            page.anchors.insert(name);
    }
    static const QRegularExpression sheet(QStringLiteral("<link rel=\"stylesheet\" href=\"([^\"]+)\""));
    for (auto it = sheet.globalMatch(html); it.hasNext();)
        page.styleSheets << it.next().captured(1);
    return page;
}

QStringList pagesOf(const QString& language)
{
    QStringList pages = QDir(kManual + QLatin1Char('/') + language).entryList({QStringLiteral("*.html")});
    pages.sort();
    return pages;
}

// A topic ("page.html#anchor") resolves in the language's folder.
QString missing(const QString& folder, const QString& topic)
{
    const QString file = topic.section(QLatin1Char('#'), 0, 0);
    const QString anchor = topic.section(QLatin1Char('#'), 1);
    const QString path = QDir(folder).filePath(file);
    if (!QFileInfo::exists(path))
        return path + QStringLiteral(" is missing");
    if (!anchor.isEmpty() && !readPage(path).anchors.count(anchor))
        return path + QStringLiteral(" has no anchor ") + anchor;
    return {};
}

CHelpWindow* shownHelpWindow()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* help = qobject_cast<CHelpWindow*>(w); help && help->isVisible())
            return help;
    return nullptr;
}

QString shownTopic(const CHelpWindow* help)
{
    const QUrl source = help->browser()->source();
    return source.fileName() + (source.hasFragment() ? QLatin1Char('#') + source.fragment() : QString());
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasTheSamePagesAndAnchors()
    {
        const QStringList english = pagesOf(kLanguages[0]);
        QVERIFY(english.contains(QStringLiteral("index.html")));
        for (const QString& language : kLanguages) {
            QCOMPARE(pagesOf(language), english);
            for (const QString& page : english)
                QVERIFY2(readPage(kManual + "/" + language + "/" + page).anchors ==
                             readPage(kManual + "/en/" + page).anchors,
                         qPrintable(language + "/" + page));
        }
    }

    void linksAndPicturesResolve_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& language : kLanguages)
            for (const QString& page : pagesOf(language))
                QTest::newRow(qPrintable(language + "/" + page)) << kManual + "/" + language + "/" + page;
    }
    void linksAndPicturesResolve()
    {
        QFETCH(QString, path);
        const QDir folder = QFileInfo(path).absoluteDir();
        const Page page = readPage(path);
        QCOMPARE(page.styleSheets, QStringList{QStringLiteral("../manual.css")});
        QVERIFY(QFileInfo(folder.filePath(page.styleSheets[0])).size() > 0);
        for (const QString& link : page.links) {
            const QUrl url(link);
            if (!url.scheme().isEmpty())
                continue; // outside the manual
            const QString target = url.path().isEmpty() ? QFileInfo(path).fileName() : url.path();
            const QString topic = url.hasFragment() ? target + QLatin1Char('#') + url.fragment() : target;
            const QString problem = missing(folder.path(), topic);
            QVERIFY2(problem.isEmpty(), qPrintable(link + ": " + problem));
        }
#ifdef _WIN32
        if (!QFileInfo::exists(folder.filePath(QStringLiteral("../images"))))
            QSKIP("a cross build without a host build's pictures has none");
#endif
        // The pictures are made at build time by the editor: each a real image of some size.
        for (const QString& image : page.images) {
            const QImage picture(folder.filePath(image));
            QVERIFY2(picture.width() > 100 && picture.height() > 100, qPrintable(image));
        }
    }

    void everySectionTheProgramNamesExists_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("topic");
        for (const QString& language : kLanguages)
            for (const char* topic : help::kTopics)
                QTest::newRow(qPrintable(language + " " + topic)) << language << QString::fromLatin1(topic);
    }
    void everySectionTheProgramNamesExists()
    {
        QFETCH(QString, language);
        QFETCH(QString, topic);
        const QString problem = missing(kManual + "/" + language, topic);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void f1OnAPropertyPageOpensItsSection()
    {
        Editor e;
        e.newProject();
        e.place(kCmdRegister, QPoint(100, 60));
        QApplication::setActiveWindow(e.frame.get()); // as after the user's click on the canvas
        CComponentPage* page = e.view().pages().current();
        QVERIFY(page);
        auto* field = page->findChild<QLineEdit*>();
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        CHelpWindow* help = shownHelpWindow();
        QVERIFY(help);
        QCOMPARE(shownTopic(help), QStringLiteral("components.html#register"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Digits")));
        QVERIFY(help->contents()->count() >= 10); // the contents page's list of pages
        help->close();
    }

    void f1InADialogOpensItsSectionBesideIt()
    {
        Editor e;
        e.newProject();
        QString topic;
        bool ownedByDialog = false;
        onNextDialog<CPlcSelectionDialog>([&](CPlcSelectionDialog& d) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &d, Qt::Key_F1);
            if (CHelpWindow* help = shownHelpWindow()) {
                topic = shownTopic(help);
                ownedByDialog = help->parentWidget() == &d; // usable while the dialog is open
            }
            d.reject();
        });
        e.trigger(kCmdPlcSelection);
        QCOMPARE(topic, QStringLiteral("settings.html#plc-selection"));
        QVERIFY(ownedByDialog);
    }

    void pagesFollowTheInterfaceLanguage()
    {
        // The Chinese translation names its pages' folder.
        struct Chinese : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* text, const char*, int) const override
            {
                return QByteArray(context) == "zl::CHelpWindow" && QByteArray(text) == "en"
                           ? QStringLiteral("zh_CN")
                           : QString();
            }
        };
        QWidget owner;
        QCOMPARE(CHelpWindow::Open(kManual, QStringLiteral("index.html"), &owner)->browser()->source().path(),
                 kManual + QStringLiteral("/en/index.html"));
        Chinese chinese;
        QCoreApplication::installTranslator(&chinese);
        CHelpWindow* help = CHelpWindow::Open(kManual, QStringLiteral("check.html"), &owner);
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(help->browser()->source().path(), kManual + QStringLiteral("/zh_CN/check.html"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("检查工程")));
        QCOMPARE(help->contents()->item(0)->text(), QStringLiteral("快速入门"));
    }

    void theContentsListOpensItsPages()
    {
        CHelpWindow help(kManual);
        help.show();
        help.ShowTopic(QStringLiteral("index.html"));
        QListWidget* contents = help.contents();
        QListWidgetItem* item = contents->item(3);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(item).center());
        QCOMPARE(help.browser()->source().fileName(), item->data(Qt::UserRole).toString());
        help.browser()->backward();
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("index.html"));
    }

    void findInPageWrapsAround()
    {
        CHelpWindow help(kManual);
        help.ShowTopic(QStringLiteral("download.html#permissions"));
        QTest::keyClicks(help.searchField(), QStringLiteral("dialout"));
        for (int i = 0; i < 12; ++i) { // more than the page has: the search starts again at the top
            QTest::keyClick(help.searchField(), Qt::Key_Return);
            QCOMPARE(help.browser()->textCursor().selectedText(), QStringLiteral("dialout"));
        }
    }

    void aMissingManualIsSaidSo()
    {
        QTemporaryDir empty;
        CHelpWindow help(empty.path());
        help.ShowTopic(QStringLiteral("index.html"));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("not installed")));
    }

    void aboutShowsTheVersionAndTheLicence()
    {
        const auto labels = [](const QDialog& d) {
            QString all;
            for (const QLabel* l : d.findChildren<QLabel*>())
                all += l->text() + QLatin1Char('\n');
            return all;
        };
        QTemporaryDir folder;
        const QString licence = folder.filePath(QStringLiteral("LICENSE"));
        {
            CAboutDialog about(licence);
            QVERIFY(labels(about).contains(QLatin1String(programVersion())));
            QVERIFY(labels(about).contains(
                QStringLiteral("The licence file %1 is missing.").arg(QDir::toNativeSeparators(licence))));
            QVERIFY(!about.licenceText());
        }
        QFile file(licence);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Permission is granted to test.\n");
        file.close();
        CAboutDialog about(licence);
        QVERIFY(about.licenceText());
        QCOMPARE(about.licenceText()->toPlainText(), QStringLiteral("Permission is granted to test.\n"));
        QVERIFY(!labels(about).contains(QStringLiteral("missing")));
    }
};

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
