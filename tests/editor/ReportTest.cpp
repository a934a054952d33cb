// File → "Export report…": writes the chosen PDF file, reads the project without changing it, opens
// nothing, writes nothing on Cancel and tells a failure.
#include <QFile>
#include <QUndoStack>

#include "EditorTesting.h"
#include "editor/CCommands.h"

using namespace zl;
using namespace zl::test;

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void exportsTheChosenFileOnly()
    {
        Editor e;
        e.newProject();
        e.place(kCmdText, QPoint(45, 45));
        const Bytes before = e.bytes();
        const int undoIndex = e.doc().undoStack().index();
        const bool clean = e.doc().undoStack().isClean();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("报告.pdf"));
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/report.pdf"));

        const struct {
            QString answer; // of the save dialog; empty: Cancel
            bool written;
            const char* message; // of the failure, "" for none
        } cases[] = {
            {QString(), false, ""},
            {missing, false, "error! (No such file or directory)"},
            {pdf, true, ""},
        };
        for (const auto& c : cases) {
            e.prompter.messages.clear();
            e.files.paths = {c.answer};
            const int windows = int(QApplication::topLevelWidgets().size());
            e.frame->exportReportAction()->trigger();
            QCOMPARE(QFile::exists(pdf), c.written);
            if (c.written) {
                QFile file(pdf);
                QVERIFY(file.open(QIODevice::ReadOnly));
                QVERIFY(file.read(5) == "%PDF-");
            }
            if (*c.message) {
                QCOMPARE(e.prompter.messages.size(), std::size_t(1));
                QVERIFY2(e.prompter.last().find(c.message) != std::string::npos, e.prompter.last().c_str());
            } else {
                QVERIFY2(e.prompter.messages.empty(), e.prompter.last().c_str());
            }
            QCOMPARE(int(QApplication::topLevelWidgets().size()), windows);
            QVERIFY(e.bytes() == before);
            QCOMPARE(e.doc().undoStack().index(), undoIndex);
            QCOMPARE(e.doc().undoStack().isClean(), clean);
        }
        QVERIFY(e.files.lastProposal.endsWith(QStringLiteral(".pdf")));
    }
};

QTEST_MAIN(ReportTest)
#include "ReportTest.moc"
