// The real zl410 program started with a project on its command line: it opens the project, paints its
// window and quits cleanly when closed. --version answers in a terminal without a display.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "model/CProject.h"
#include "file/CProjectFile.h"

class AppSmokeTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithAProjectAndQuits()
    {
        QTemporaryDir dir;
        zl::CProject project;
        project.SetProtocol(3);
        project.AddWindow(1, "Main");
        const QString file = dir.filePath(QStringLiteral("smoke.pjz"));
        QVERIFY(zl::SaveProjectFile(file.toStdString(), project).ok());

        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ZL410_DATA_DIR"), QStringLiteral(ZL410_BUILD_DATA_DIR));
        env.insert(QStringLiteral("ZL410_CONFIG_DIR"), dir.path());
        env.insert(QStringLiteral("ZL410_QUIT_AFTER_MS"), QStringLiteral("200"));
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(ZL410_BUILD_DATA_DIR "/zl410"), {QStringLiteral("--no-splash"), file});
        QVERIFY2(app.waitForStarted(10000), qPrintable(app.errorString()));
        QVERIFY2(app.waitForFinished(60000), "the editor did not quit");
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        // The recently-used list remembers the project it opened.
        QVERIFY(QFile(dir.filePath(QStringLiteral("zl410.conf"))).exists());
    }

    void versionNeedsNoDisplay()
    {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(ZL410_BUILD_DATA_DIR "/zl410"), {QStringLiteral("--version")});
        QVERIFY2(app.waitForFinished(60000), "the editor did not answer");
        QCOMPARE(app.exitCode(), 0);
        const QString out = QString::fromUtf8(app.readAllStandardOutput());
        QVERIFY2(QRegularExpression(QStringLiteral("^zl410 \\d+\\.\\d+\\.\\d+\r?\n$")).match(out).hasMatch(),
                 qPrintable(out));
    }
};

QTEST_MAIN(AppSmokeTest)
#include "AppSmokeTest.moc"
