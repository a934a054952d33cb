// Start-up with a project named on the command line, when that project is not one the editor can open;
// and with settings files that are no files.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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

    // Settings files are read as every input is: pipes are not waited on; the editor says why and runs
    // on with the defaults, leaving them as they are.
    void settingsFilesThatAreNoFilesAreToldAndLeftAlone()
    {
#ifdef _WIN32
        QSKIP("named pipes in the file system are POSIX's");
#else
        QTemporaryDir config;
        qputenv("ZL410_CONFIG_DIR", config.path().toUtf8());
        const std::string folder = config.path().toStdString();
        for (const char* name : {"/In.dat", "/zl410.conf"})
            QCOMPARE(::mkfifo((folder + name).c_str(), 0600), 0);
        ScriptedPrompter prompter;
        QCOMPARE(zl::RunEditor({"zl410", "--no-splash"}, &prompter), 0);
        QCOMPARE(prompter.messages, (std::vector<std::string>{
                                        ": Open file" + folder + "/In.dat error! (not a regular file)",
                                        ": Open file" + folder + "/zl410.conf error! (not a regular file)"}));
        for (const char* name : {"/In.dat", "/zl410.conf"}) {
            struct stat st {
            };
            QVERIFY(::stat((folder + name).c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
        }
#endif
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
