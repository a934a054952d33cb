// The editor's interface language: the locale's unless View → Language chose one, which is kept for the
// next start. Texts the core writes come through the message boxes in the same language.
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

#include "EditorTesting.h"
#include "editor/CEditorSettings.h"
#include "editor/EditorStartUp.h"
#include "operands/COperandIndex.h"
#include "qt/CLanguage.h"
#include "qt/CMessages.h"

using zl::test::ScriptedPrompter;

namespace
{

QMainWindow* mainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<QMainWindow*>(w); frame && frame->isVisible())
            return frame;
    }
    return nullptr;
}

QStringList menuTitles(QMainWindow& frame)
{
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_config.emplace();
        qputenv("ZL410_DATA_DIR", ZL410_BUILD_DATA_DIR);
        qputenv("ZL410_CONFIG_DIR", m_config->path().toUtf8());
        qunsetenv("ZL410_LANG");
        qunsetenv("LC_MESSAGES");
    }

    void cleanup()
    {
        qunsetenv("LC_ALL");
        zl::useLanguage(zl::kEnglish);
    }

    void menusFollowTheLocaleOrTheChoice_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("help");
        QTest::newRow("Chinese locale") << QByteArray("zh_CN.UTF-8") << QString() << "文件(&F)"
                                        << "帮助(&H)";
        QTest::newRow("C locale") << QByteArray("C") << QString() << "File(&F)"
                                  << "Help(&H)";
        QTest::newRow("English chosen") << QByteArray("zh_CN.UTF-8") << "en"
                                        << "File(&F)"
                                        << "Help(&H)";
        QTest::newRow("Chinese chosen") << QByteArray("en_GB.UTF-8") << "zh_CN"
                                        << "文件(&F)"
                                        << "帮助(&H)";
    }

    // The real start-up, menus read once the window is up.
    void menusFollowTheLocaleOrTheChoice()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, chosen);
        QFETCH(QString, file);
        QFETCH(QString, help);
        qputenv("LC_ALL", locale);
        if (!chosen.isEmpty())
            zl::setEditorLanguage(chosen.toStdString());
        QStringList titles;
        QTimer::singleShot(0, [&titles] {
            if (QMainWindow* frame = mainWindow()) {
                titles = menuTitles(*frame);
                frame->close();
            }
        });
        ScriptedPrompter prompter;
        QCOMPARE(zl::RunEditor({"zl410", "--no-splash"}, &prompter), 0);
        QVERIFY2(titles.contains(file) && titles.contains(help), qPrintable(titles.join(QLatin1Char(' '))));
    }

    // View → Language keeps the choice and says when it takes effect; the running editor stays as it is.
    void choosingALanguageKeepsItForTheNextStart()
    {
        qputenv("LC_ALL", "C");
        zl::test::Editor e;
        QMenu* view = nullptr;
        for (QAction* a : e.frame->menuBar()->actions())
            view = a->text() == QStringLiteral("View(&V)") ? a->menu() : view;
        QVERIFY(view);
        QAction* chinese = nullptr;
        for (QAction* a : view->actions()) {
            if (a->menu())
                for (QAction* language : a->menu()->actions())
                    chinese = language->text() == QStringLiteral("中文") ? language : chinese;
        }
        QVERIFY(chinese);
        chinese->trigger();
        QCOMPARE(zl::editorLanguage(), std::string(zl::kChinese));
        QCOMPARE(e.prompter.informations, std::size_t{1});
        QCOMPARE(e.prompter.last(), "Language: The editor shows the new language when it starts next.");
        chinese->trigger(); // the language in use again: nothing to say
        QCOMPARE(e.prompter.informations, std::size_t{1});
    }

    // Messages of the core are English where they are made and translated where they are shown, with
    // the file names kept and the reasons translated in turn.
    void coreMessagesAreTranslatedWhereShown()
    {
        zl::useLanguage(zl::kChinese);
        const std::pair<std::string, std::string> cases[] = {
            {"Open file/tmp/a.pjz error! (No such file or directory)",
             "打开文件/tmp/a.pjz出错！（没有那个文件或目录）"},
            {"/tmp/x.olz: Open the file error!", "/tmp/x.olz: 打开文件出错！"},
            {"Do you want to delete the No. 7 window?", "确定要删除第 7 号窗口吗？"},
            // a particular template wins over the general "Window %1: %2", and a part is itself translated,
            // a kind's name too
            {"Window 3: the LED at (1, 2) holds a character the panel cannot show (\\x80): type it again or "
             "remove it; the panel shows ASCII and two-byte GBK characters.",
             "窗口 3：位于 (1, 2) 的指示灯含有面板无法显示的字符（\\x80）：请重新输入或删除；面板只能显示 ASCII "
             "字符和双字节 GBK 字符。"},
            {"Window 2: jumps to window 9, which does not exist", "窗口 2：跳转到的窗口 9 不存在"},
            {"something nobody translated", "something nobody translated"},
        };
        for (const auto& [english, chinese] : cases)
            QCOMPARE(zl::translateMessage(english), chinese);
        // Kind names, as undo steps, the operands view and the report show them.
        QCOMPARE(zl::componentKindText(3), QStringLiteral("指示灯"));
        QCOMPARE(zl::componentName(6), QStringLiteral("棒图"));
        // Field and access, as the operands view and the report show them.
        QCOMPARE(zl::operandFieldText(zl::COperandField::kAlarmCoil), QStringLiteral("报警线圈"));
        QCOMPARE(zl::accessText(zl::CAccess::kReadWrite), QStringLiteral("读写"));
        zl::useLanguage(zl::kEnglish);
        QCOMPARE(zl::componentKindText(3), QStringLiteral("LED"));
        QCOMPARE(zl::accessText(zl::CAccess::kReadWrite), QStringLiteral("read and write"));
        for (const auto& [english, chinese] : cases)
            QCOMPARE(zl::translateMessage(english), english);
    }

private:
    std::optional<QTemporaryDir> m_config;
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
