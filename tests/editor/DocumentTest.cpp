// The main frame and the document: fixed size, panes, menus and toolbar, New/Open/Save through the
// menus, the save prompt and the file checks.
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "../import/OldFileBuilder.h"
#include "EditorTesting.h"
#include "plc/CProtocolTables.h"
#include "editor/CCommands.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/CWindowList.h"
#include "editor/document/CZL110Doc.h"
#include "file/CProjectFile.h"

using namespace zl;
using namespace zl::test;

namespace
{

void placeText(Editor& e)
{
    e.trigger(kCmdText);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.view().canvas(), &press);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // An editor with a saved project of one text in window 1 and an empty window 2.
    std::unique_ptr<Editor> editorWithSavedProject(const QString& file)
    {
        auto e = std::make_unique<Editor>();
        e->newProject();
        placeText(*e);
        e->project().AddWindow(2);
        e->project().currentWindow = 0;
        e->files.paths = {file};
        e->trigger(kCmdSaveAs);
        return e;
    }

private slots:
    void frameShape()
    {
        Editor e;
        QCOMPARE(e.frame->size(), CMainFrame::kSize);
        QCOMPARE(e.frame->minimumSize(), e.frame->maximumSize());
        QVERIFY(!(e.frame->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(e.frame->modelText(), QStringLiteral(" "));
        QCOMPARE(e.frame->protocolText(), QStringLiteral("No protocol"));
        QCOMPARE(e.frame->windowTitle(), QStringLiteral("ZL410 - ZL410 software")); // the untitled caption
        const std::pair<int, const char*> models[] = {
            {2, "VT306 V4.5"}, {4, "VT316 V1"}, {3, "VT306 V4"}, {0, "VT306 V4"}};
        for (const auto& [code, text] : models) {
            e.frame->ShowModel(code);
            QCOMPARE(e.frame->modelText(), QString::fromLatin1(text));
        }
    }

    void toolbarAndMenuImages()
    {
        Editor e;
        const auto* bar = e.frame->findChild<QToolBar*>();
        QList<int> ids;
        for (QAction* a : bar->actions())
            if (!a->isSeparator())
                ids << a->data().toInt();
        const QList<int> expected{kCmdNewProject,     kCmdOpen,
                                  kCmdSave,           kCmdCut,
                                  kCmdCopy,           kCmdPaste,
                                  kCmdAbout,          kCmdLed,
                                  kCmdFunctionKey,    kCmdText,
                                  kCmdDynamicText,    kCmdRegister,
                                  kCmdBarGraph,       kCmdTrendLine,
                                  kCmdPicture,        kCmdNewWindow,
                                  kCmdCopyWindow,     kCmdDeleteWindow,
                                  kCmdPanelConfig,    kCmdAlarmList,
                                  kCmdDownload,       kCmdWindowAttribute,
                                  kCmdWindowAttribute};
        QCOMPARE(ids, expected);
        // Menu items show the image of the toolbar button with their command, and only those do.
        QVERIFY(!e.frame->action(kCmdLed)->icon().isNull());
        QVERIFY(bar->actions().contains(e.frame->action(kCmdLed)));
        QCOMPARE(e.frame->deleteComponentAction()->icon().cacheKey() != 0, true);
        QVERIFY(e.frame->action(kCmdExit)->icon().isNull());
        QVERIFY(e.frame->action(kCmdSaveAs)->icon().isNull());
    }

    void newProject()
    {
        Editor e;
        e.newProject(2);
        QCOMPARE(e.frame->windowTitle(), QStringLiteral("New file - ZL410 software"));
        QVERIFY(e.frame->protocolText().startsWith(QStringLiteral("Modbus RTU.")));
        QCOMPARE(e.project().windowCount(), 1u);
        QVERIFY(!e.frame->document().IsModified());

        // A cancelled PLC Selection leaves the project alone.
        placeText(e);
        e.prompter.yesNoAnswers = {CPrompter::Answer::No};
        onNextDialog<QDialog>([](QDialog& d) { d.reject(); });
        e.trigger(kCmdNewProject);
        QCOMPARE(e.prompter.last(), "ZL410 software: Save changes to New file?");
        QCOMPARE(e.project().CurrentView()->componentCount(), 1u);
    }

    void saveAndOpenRoundTrip()
    {
        const QString file = path("round.pjz");
        auto e = editorWithSavedProject(file);
        QVERIFY(QFile::exists(file));
        QCOMPARE(e->frame->windowTitle(), file + QStringLiteral(" - ZL410 software"));
        QVERIFY(!e->frame->document().IsModified());
        QCOMPARE(e->frame->document().recentFiles().value(0), file);

        Editor other;
        other.files.paths = {file};
        other.trigger(kCmdOpen);
        QCOMPARE(other.files.lastFilter, QStringLiteral("ZL410 file(*.pjz);;all files(*.*)"));
        QCOMPARE(other.project().windowCount(), 2u);
        QCOMPARE(other.project().WindowAt(0)->componentCount(), 1u);
        QCOMPARE(other.view().windowList().rowCount(), 2);
        QVERIFY(other.view().projectActive());
        QCOMPARE(other.frame->document().pathName(), file);
        QVERIFY(other.prompter.messages.empty());

        // Saving again writes the same bytes.
        const QByteArray saved = readFile(file);
        other.trigger(kCmdSave);
        QCOMPARE(readFile(file), saved);
    }

    void droppedFilesAndRecentFilesOpen()
    {
        const QString file = path("dropped.pjz");
        editorWithSavedProject(file);
        Editor e;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.frame.get(), &drop);
        QCOMPARE(e.frame->document().pathName(), file);
        QCOMPARE(e.project().windowCount(), 2u);

        e.trigger(kCmdDeleteWindow);
        e.prompter.yesNoAnswers = {CPrompter::Answer::No};
        QAction* recent = nullptr;
        for (QAction* a : e.frame->findChildren<QAction*>())
            if (a->text().startsWith(QStringLiteral("&1 ")))
                recent = a;
        QVERIFY(recent);
        recent->trigger();
        QCOMPARE(e.project().windowCount(), 2u);
    }

    void unsavedWorkIsNeverDroppedSilently()
    {
        const QString file = path("keep.pjz");
        auto e = editorWithSavedProject(file);
        placeText(*e);
        QVERIFY(e->frame->document().IsModified());

        e->prompter.yesNoAnswers = {CPrompter::Answer::Cancel};
        QVERIFY(!e->frame->close());
        QCOMPARE(e->prompter.last(), "ZL410 software: Save changes to " + file.toStdString() + "?");

        e->prompter.yesNoAnswers = {CPrompter::Answer::Cancel};
        e->files.paths = {file};
        e->trigger(kCmdOpen);
        QCOMPARE(e->project().WindowAt(0)->componentCount(), 2u);

        e->prompter.yesNoAnswers = {CPrompter::Answer::Yes}; // saved first, then reopened
        e->files.paths = {file};
        e->trigger(kCmdOpen);
        QCOMPARE(e->project().WindowAt(0)->componentCount(), 2u);
        QVERIFY(!e->frame->document().IsModified());
        QVERIFY(e->frame->close());
    }

    void filesThatFailTheCheck_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a project")
            << QByteArray("hello world") << "File type error!: Is it a correct file?";
        QTest::newRow("wrong marker")
            << QByteArray("\x08Zentu\x0c\x02", 8) << "File type error!: version does not match!";
    }

    void filesThatFailTheCheck()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path("bad.pjz");
        writeFile(file, bytes);
        Editor e;
        e.files.paths = {file, path("missing.pjz")};
        e.trigger(kCmdOpen);
        QTEST(QString::fromStdString(e.prompter.last()), "message");
        e.trigger(kCmdOpen);
        QCOMPARE(e.prompter.last(), ": Open file" + path("missing.pjz").toStdString() + " error! (No such file or directory)");
        QVERIFY(!e.view().projectActive());
    }

    void aFailedLoadKeepsTheOpenProject()
    {
        const QString good = path("good.pjz");
        auto e = editorWithSavedProject(good);
        const QByteArray bytes = readFile(good);
        writeFile(path("cut.pjz"), bytes.left(bytes.size() - 20));
        e->files.paths = {path("cut.pjz")};
        e->trigger(kCmdOpen);
        QVERIFY(QString::fromStdString(e->prompter.last()).startsWith(QStringLiteral("Open Project: ")));
        QCOMPARE(e->project().windowCount(), 2u);
        QCOMPARE(e->view().windowList().rowCount(), 2);
        QCOMPARE(e->frame->document().pathName(), good);
    }

    void protocolWithoutCatalogueEntry()
    {
        const QString file = path("p99.pjz");
        auto e = editorWithSavedProject(file);
        QByteArray bytes = readFile(file);
        bytes[10] = char(99); // the protocol number
        writeFile(file, bytes);
        Editor other;
        other.files.paths = {file};
        other.trigger(kCmdOpen);
        QCOMPARE(other.files.lastFilter, QStringLiteral("ZL410 file(*.pjz);;all files(*.*)"));
        QCOMPARE(other.prompter.last(), ": protocol number error!!!");
        QCOMPARE(other.project().windowCount(), 2u);
    }

    void importOldProject()
    {
        test::OldProject old;
        test::put8(old.header, 13, 3); // an old protocol code
        old.windows.push_back({7, "Old", 6, 8, {}});
        const QByteArray bytes = [&] {
            const Bytes b = old.bytes();
            return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
        }();
        writeFile(path("legacy.olz"), bytes);
        writeFile(path("broken.olz"), QByteArray("XOLZ"));
        Editor e;
        e.files.paths = {path("broken.olz"), path("legacy.olz")};
        e.trigger(kCmdImportOld);
        QCOMPARE(e.prompter.last(), "Import .OLZ Project: the file type error!");
        onNextDialog<QDialog>(
            [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("convert"))->click(); });
        e.trigger(kCmdImportOld);
        QCOMPARE(e.prompter.last(), "Import .OLZ Project: conversion accomplished!");
        QVERIFY(QFile::exists(path("legacy.pjz")));
        QCOMPARE(e.frame->document().pathName(), path("legacy.pjz"));
        QCOMPARE(e.project().windowCount(), 1u);
        QCOMPARE(int(e.project().CurrentView()->number), 7);
        QCOMPARE(e.view().windowList().item(0, 1)->text(), QStringLiteral("Old"));
    }

    void saveAsProposesTheProjectsOwnPath()
    {
        Editor e;
        e.newProject();
        e.trigger(kCmdSaveAs); // cancelled
        QCOMPARE(e.files.lastProposal, QStringLiteral("New file.pjz"));
        const QString file = path("own.pjz");
        e.files.paths = {file};
        e.trigger(kCmdSaveAs);
        e.trigger(kCmdSaveAs);
        QCOMPARE(e.files.lastProposal, file);
    }

    void statusBarPanes()
    {
        Editor e;
        QLabel* ready = nullptr;
        QStringList texts;
        for (QLabel* label : e.frame->statusBar()->findChildren<QLabel*>()) {
            texts << label->text();
            if (label->text() == QStringLiteral("Ready"))
                ready = label;
        }
        // No lock-key panes: their state cannot be read portably.
        QVERIFY(!texts.contains(QStringLiteral("NUM")) && !texts.contains(QStringLiteral("CAP")));
        QVERIFY(ready && ready->isVisible());
        // A help text covers "Ready" while shown; it comes back afterwards.
        QStatusTipEvent tip(QStringLiteral("Led"));
        QApplication::sendEvent(e.frame.get(), &tip);
        QCOMPARE(e.frame->statusBar()->currentMessage(), QStringLiteral("Led"));
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(e.frame.get(), &gone);
        QVERIFY(ready->isVisible());
    }

    void toolbarCheckMarkFollowsTheToolbar()
    {
        Editor e;
        auto* bar = e.frame->findChild<QToolBar*>();
        bar->toggleViewAction()->trigger(); // what Qt's own toolbar menu does
        QVERIFY(!bar->isVisible());
        QVERIFY(!e.frame->action(kCmdToolbar)->isChecked());
        e.trigger(kCmdToolbar);
        QVERIFY(bar->isVisible());
        QVERIFY(e.frame->action(kCmdToolbar)->isChecked());
    }

    void noWindowShowsNothingAndCanMakeOne()
    {
        const auto blank = [](CEditorCanvas& canvas) {
            canvas.Compose();
            const QImage& image = canvas.image();
            for (int y = 0; y < image.height(); y += 3)
                for (int x = 0; x < image.width(); x += 3)
                    if (image.pixel(x, y) != image.pixel(0, 0))
                        return false;
            return image.pixelColor(0, 0) != QColor(0x40, 0x40, 0x40);
        };
        Editor e;
        QVERIFY(blank(e.view().canvas()));
        // A project saved without windows opens to an empty canvas, and New window makes window 1.
        const QString file = path("empty.pjz");
        {
            CProject empty;
            empty.SetProtocol(3);
            QVERIFY(SaveProjectFile(file.toStdString(), empty).ok());
        }
        e.files.paths = {file};
        e.trigger(kCmdOpen);
        QCOMPARE(e.project().windowCount(), 0u);
        QVERIFY(blank(e.view().canvas()));
        QVERIFY(e.frame->action(kCmdNewWindow)->isEnabled());
        QVERIFY(!e.frame->action(kCmdDeleteWindow)->isEnabled());
        QVERIFY(!e.frame->action(kCmdLed)->isEnabled());
        e.newWindow(1);
        QCOMPARE(e.project().windowCount(), 1u);
        QVERIFY(!blank(e.view().canvas()));
        QVERIFY(e.frame->action(kCmdLed)->isEnabled());
    }

    void protocolPaneFollowsAProjectWhoseDriverIsMissing()
    {
        QTemporaryDir data;
        for (const QString& name :
             QDir(QStringLiteral(ZL410_BUILD_DATA_DIR)).entryList({QStringLiteral("Zentu_*")}))
            QFile::copy(QDir(QStringLiteral(ZL410_BUILD_DATA_DIR)).filePath(name),
                        QDir(data.path()).filePath(name));
        const QString file = path("p5.pjz");
        auto saved = editorWithSavedProject(file);
        QByteArray bytes = readFile(file);
        bytes[10] = char(5); // the protocol number
        writeFile(file, bytes);

        Editor e(data.path().toStdString());
        e.newProject(2);
        const QString before = e.frame->protocolText();
        QVERIFY(QFile::remove(QDir(data.path()).filePath(QStringLiteral("Zentu_Ptc.dat"))));
        e.prompter.yesNoAnswers = {CPrompter::Answer::No};
        e.files.paths = {file};
        e.trigger(kCmdOpen);
        QVERIFY(QString::fromStdString(e.prompter.last()).endsWith(QStringLiteral(" does not exist!")));
        QCOMPARE(e.frame->protocolText(), QString::fromStdString(protocolDisplayName(5)));
        QVERIFY(e.frame->protocolText() != before);
    }

    void missingCatalogue()
    {
        QTemporaryDir empty;
        Editor e(empty.path().toStdString());
        QVERIFY(QString::fromStdString(e.prompter.last()).endsWith(QStringLiteral(" does not exist!")));
        e.trigger(kCmdNewProject);
        QCOMPARE(e.prompter.last(), ": The file Zentu_Ptc.dat error!!!");
        QVERIFY(!e.view().projectActive());
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
