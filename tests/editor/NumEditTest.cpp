// Numeric and bound controls driven by keystrokes and clicks as a user would.
#include <QApplication>
#include <QStatusTipEvent>
#include <QTest>

#include "editor/controls/CBoundControls.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "base/Gbk.h"

using namespace zl;

struct NumConfig {
    double minimum = 0;
    double maximum = 100;
    bool hex = false;
    bool isSigned = false;
    bool octal = false;
};
Q_DECLARE_METATYPE(NumConfig)

// Collects the status tips a widget's children send up to it.
struct StatusTips : QObject {
    QStringList& tips;
    StatusTips(QWidget* window, QStringList& into) : tips(into) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::StatusTip)
            return false;
        tips << static_cast<QStatusTipEvent*>(event)->tip();
        return true;
    }
};

class NumEditTest : public QObject
{
    Q_OBJECT

    QWidget window;
    CNumEdit* edit = nullptr;
    CNumSpinCtrl* spin = nullptr;
    std::int32_t field = 0;

    void bind(const NumConfig& c, std::int32_t value)
    {
        field = value;
        if (c.octal)
            QFAIL("use bindOctal");
        edit->Bind(&field, c.minimum, c.maximum, c.hex, c.isSigned);
    }
    // Lets the edit take characters again after a refused one.
    static void settle() { QCoreApplication::processEvents(); }
    // Key clicks for any characters, not only Latin-1 ones.
    static void type(QWidget* w, const QString& text)
    {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

private slots:
    void initTestCase()
    {
        edit = new CNumEdit(&window);
        spin = new CNumSpinCtrl(&window);
        spin->SetBuddy(edit);
        spin->move(0, 30);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void typing_data()
    {
        QTest::addColumn<NumConfig>("config");
        QTest::addColumn<int>("initial");
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("allSelected");

        const NumConfig percent{0, 100};
        const NumConfig narrow{5, 100};
        const NumConfig signedRange{-50, 50, false, true};
        const NumConfig hex{0, 0xFFFF, true};
        QTest::newRow("in range") << percent << 10 << false << "0"
                                  << "100" << 100 << false;
        QTest::newRow("past the maximum is undone") << percent << 10 << false << "7"
                                                    << "10" << 10 << true;
        QTest::newRow("letters are undone") << percent << 10 << false << "a"
                                            << "10" << 10 << true;
        QTest::newRow("a space does nothing") << percent << 10 << false << " "
                                              << "10" << 10 << false;
        QTest::newRow("lone minus, signed") << signedRange << 7 << true << "-"
                                            << "-" << 0 << false;
        QTest::newRow("negative, signed") << signedRange << 7 << true << "-42"
                                          << "-42" << -42 << false;
        QTest::newRow("below the minimum, signed") << signedRange << 7 << true << "-51"
                                                   << "-5" << -5 << true;
        QTest::newRow("lone minus, unsigned") << percent << 7 << true << "-"
                                              << "0" << 0 << true;
        QTest::newRow("hexadecimal") << hex << 0 << true << "fF"
                                     << "fF" << 255 << false;
        QTest::newRow("not a hex digit") << hex << 0 << true << "1g"
                                         << "1" << 1 << true;
        // Fewer digits than the minimum has are on their way to it: kept, and nothing stored yet.
        QTest::newRow("below the minimum while typing") << narrow << 50 << true << "1"
                                                        << "1" << 50 << false;
        QTest::newRow("past the maximum from below the minimum") << narrow << 50 << true << "1000"
                                                                 << "100" << 100 << true;
    }

    void typing()
    {
        QFETCH(NumConfig, config);
        QFETCH(int, initial);
        QFETCH(bool, clearFirst);
        QFETCH(QString, keys);
        bind(config, initial);
        if (clearFirst) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            edit->end(false);
        }
        QTest::keyClicks(edit, keys);
        settle();
        QTEST(edit->text(), "text");
        QTEST(int(field), "stored");
        QTEST(edit->selectedText() == edit->text() && !edit->text().isEmpty(), "allSelected");
    }

    void backspaceLeavingTheRangeIsUndone()
    {
        bind({-100, 10, false, true}, -15);
        edit->setCursorPosition(1);
        QTest::keyClick(edit, Qt::Key_Backspace); // "15" is above 10
        settle();
        QCOMPARE(edit->text(), QString("-15"));
        QCOMPARE(field, -15);
        QCOMPARE(edit->selectedText(), QString("-15"));
    }

    // A field whose range leaves out 0 (a width of at least 16) takes its number digit by digit: deleting
    // or replacing digits does not refill the old value, and the range applies when the entry completes.
    void minimumAppliesWhenTheEntryCompletes()
    {
        QStringList notes;
        StatusTips tips(&window, notes);
        bind({16, 92}, 16);
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("1"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(field, 16);
        QTest::keyClicks(edit, "40");
        QCOMPARE(field, 40);
        edit->selectAll();
        QTest::keyClicks(edit, "40");
        QCOMPARE(edit->text(), QString("40"));
        QCOMPARE(field, 40);
        QVERIFY(notes.isEmpty());

        // Enter completes a short entry: brought to the minimum, with a note.
        edit->selectAll();
        QTest::keyClicks(edit, "4");
        QCOMPARE(field, 40);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString("16"));
        QCOMPARE(field, 16);
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes[0].contains("16"));

        // So does leaving the field, an empty one included.
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(field, 16);
        spin->setFocus();
        edit->clearFocus();
        settle();
        QCOMPARE(edit->text(), QString("16"));
        QCOMPARE(field, 16);
        QCOMPARE(notes.size(), 2);
        edit->setFocus();
    }

    void emptyingStoresZeroWithinTheRange()
    {
        bind({0, 100}, 50);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(field, 0);
    }

    void bindingClampsTheField()
    {
        bind({0, 100}, 250);
        QCOMPARE(field, 100);
        QCOMPARE(edit->text(), QStringLiteral("100"));
        bind({20, 20}, 3);
        QCOMPARE(field, 20);
        QVERIFY(!edit->isEnabled());
        QVERIFY(!spin->isEnabled());
        bind({0, 100}, 3);
        QVERIFY(edit->isEnabled());

        // A narrower range brings the shown value and the field into it.
        bind({0, 100}, 50);
        edit->SetRange(0, 10);
        QCOMPARE(field, 10);
        QCOMPARE(edit->text(), QStringLiteral("10"));
        edit->SetRange(60, 100);
        QCOMPARE(field, 60);
    }

    void spinSteps_data()
    {
        QTest::addColumn<NumConfig>("config");
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("result");
        QTest::newRow("unsigned at 0 going down") << NumConfig{0, 100} << 0 << 1 << -1 << 0;
        QTest::newRow("up by the step") << NumConfig{0, 100} << 10 << 5 << 1 << 15;
        QTest::newRow("up stops at the maximum") << NumConfig{0, 100} << 98 << 5 << 1 << 100;
        QTest::newRow("signed down stops at the minimum")
            << NumConfig{-10, 10, false, true} << -8 << 5 << -1 << -10;
        QTest::newRow("full unsigned range does not wrap up")
            << NumConfig{0, 4294967295.0} << -1 << 1 << 1 << -1; // 0xFFFFFFFF stays
    }

    void spinSteps()
    {
        QFETCH(NumConfig, config);
        QFETCH(int, initial);
        QFETCH(int, step);
        QFETCH(int, direction);
        bind(config, initial);
        edit->SetStep(static_cast<std::uint8_t>(step));
        QTest::mouseClick(spin->findChild<QWidget*>(direction > 0 ? "up" : "down"), Qt::LeftButton);
        QTEST(int(field), "result");
    }

    void octalAddresses()
    {
        std::uint16_t address = 0;
        edit->BindOctal(&address, 0, 100, true);
        edit->selectAll();
        QTest::keyClicks(edit, "17");
        QCOMPARE(address, 15);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "8");
        settle();
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QCOMPARE(address, 1);
        // The range applies to the octal value: 144 octal is 100, 145 is past it.
        edit->selectAll();
        QTest::keyClicks(edit, "145");
        settle();
        QCOMPARE(edit->text(), QStringLiteral("14"));
        QCOMPARE(address, 12);
    }

    void queuedCharactersAfterARefusalAreDropped()
    {
        bind({0, 100}, 10);
        edit->end(false);
        QTest::keyClicks(edit, "75"); // the 5 was typed before the 7 was refused
        QCOMPARE(edit->text(), QStringLiteral("10"));
        settle();
        edit->end(false);
        QTest::keyClicks(edit, "0");
        QCOMPARE(field, 100);
    }

    void checkAndCombo()
    {
        std::uint8_t flag = 7;
        CBoundCheckBox box("Double", &window);
        box.Bind(&flag);
        QCOMPARE(flag, 1);
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(flag, 0);
        QVERIFY(box.changed());

        std::uint8_t index = 9;
        CBoundComboBox combo(&window);
        combo.Fill({"Round", "Square"});
        combo.Bind(&index);
        QCOMPARE(index, 1);
        QCOMPARE(combo.currentText(), QStringLiteral("Square"));
        combo.Fill({});
        QVERIFY(combo.isHidden());
    }

    void textLimitsCountGbkBytes()
    {
        std::string text;
        CBoundTextEdit line(&window);
        line.show();
        line.setFocus();
        line.Bind(&text, 24);
        QTest::keyClicks(&line, QString(23, 'a'));
        type(&line, QStringLiteral("中")); // two bytes: 25 would pass the limit
        settle();
        type(&line, QStringLiteral("b€")); // the euro sign has no GBK code
        settle();
        QCOMPARE(text, std::string(23, 'a') + "b");

        line.clear();
        type(&line, QStringLiteral("é"));
        QCOMPARE(text, *utf8ToGbk("é"));

        line.setText(QString(11, QChar(0x4E2D)) + "xyz"); // pasted: 22 + 3 bytes
        QCOMPARE(text.size(), 24u);
        line.setText(QString(13, QChar(0x4E2D))); // 26 bytes: cut before the character that crosses 24
        QCOMPARE(text.size(), 24u);
        QCOMPARE(line.text(), QString(12, QChar(0x4E2D)));
    }
};

QTEST_MAIN(NumEditTest)
#include "NumEditTest.moc"
