// Start-up with a project named on the command line, when that project is not one the editor can open.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "EditorTesting.h"
#include "editor/EditorStartUp.h"

using zl::test::ScriptedPrompter;

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("ZL410_DATA_DIR", ZL410_BUILD_DATA_DIR);
        qputenv("ZL410_CONFIG_DIR", m_config.path().toUtf8());
        qputenv("ZL410_QUIT_AFTER_MS", "50");
    }

    // A file that fails the check is refused with its message; the editor runs on with a new project.
    void fileFailingTheCheckLeavesTheNewProject()
    {
        const QString path = write("foreign.pjz", QByteArray("not a project file at all"));
        ScriptedPrompter prompter;
        QCOMPARE(zl::RunEditor({"zl410", "--no-splash", path}, &prompter), 0);
        QCOMPARE(prompter.messages, (std::vector<std::string>{"File type error!: Is it a correct file?"}));
    }

    // A file that passes the check but cannot be read ends the program after the message.
    void unreadableFileEndsTheProgram()
    {
        QByteArray bytes("\x08Zentu\x0c\x01", 8);
        bytes.append(QByteArray(20, '\0')); // the header breaks off
        const QString path = write("cut.pjz", bytes);
        ScriptedPrompter prompter;
        QCOMPARE(zl::RunEditor({"zl410", "--no-splash", path}, &prompter), 1);
        QCOMPARE(prompter.messages.size(), std::size_t(1));
        QVERIFY2(prompter.last().find("unexpected end of file") != std::string::npos, prompter.last().c_str());
    }

private:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
