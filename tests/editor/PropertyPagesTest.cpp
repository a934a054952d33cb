// The component property pages driven by keystrokes and clicks: ranges that keep a component on the
// panel, the rules between fields, the protocol's bases and locks, and the dynamic text's grid.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "EditorTesting.h"
#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "editor/pages/CBarTidePage.h"
#include "editor/controls/CBoundControls.h"
#include "editor/pages/CDynamicPage.h"
#include "editor/pages/CFunctionPage.h"
#include "editor/controls/CGridCtrl.h"
#include "editor/pages/CLedPage.h"
#include "editor/controls/CNumEdit.h"
#include "editor/pages/CPicturePage.h"
#include "editor/pages/CRegisterPage.h"
#include "editor/pages/CTextPage.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"

using namespace zl;
using namespace zl::test;

namespace
{

// A page in a window of the page area's size, bound to a component under a protocol.
template <class Page, class Component> struct Bench {
    QWidget window;
    Page* page;
    CProtocolTables tables;
    std::unique_ptr<Component> component;

    explicit Bench(unsigned protocol, CPoint at = {40, 40}) : page(new Page(&window))
    {
        tables = CProtocolTables::Build(protocol, {}, 1);
        component = std::make_unique<Component>(protocol, at);
        page->setGeometry(0, 0, 512, 230);
        window.resize(512, 230);
        window.show();
        QApplication::setActiveWindow(&window);
        page->Load(component.get(), tables);
    }
};

} // namespace

class PropertyPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void textStaysOnThePanel()
    {
        Bench<CTextPage, CChars> b(3);
        std::vector<std::pair<QString, QString>> steps; // name and merge key of every change
        b.page->setEditGate(
            [&](const QString& step, const QString& key, const std::function<void()>& change) {
                steps.emplace_back(step, key);
                change();
            });
        retype(b.page->textField(), "abc");
        QCOMPARE(b.component->text, std::string("abc"));
        QCOMPARE(b.component->rect.width(), 3 * 18);
        // 192 − 54 × 4/9 = 168 is the largest x; one more is refused as it is typed.
        retype(b.page->xEdit(), "168");
        QCOMPARE(b.component->x, 168);
        QCOMPARE(b.component->rect.left, 378);
        retype(b.page->xEdit(), "169");
        QCOMPARE(b.component->x, 16);
        QCOMPARE(b.page->xEdit()->text(), QString("16"));
        QCOMPARE(steps.back().first, QString("Text: X"));
        // Typing in one field merges until the field loses the focus.
        const QString typing = steps.back().second;
        QVERIFY(!typing.isEmpty());
        QCOMPARE(steps[steps.size() - 2].second, typing);
        b.page->textField()->setFocus();
        retype(b.page->xEdit(), "168");
        QVERIFY(!steps.back().second.isEmpty() && steps.back().second != typing);

        // Double near the right edge pulls the text back onto the canvas and narrows the x range.
        b.page->doubleBox()->click();
        QCOMPARE(b.component->doubleSize, 1);
        QCOMPARE(b.component->rect.right, 432);
        QCOMPARE(b.component->x, canvasToPanel(432 - 108));
        QCOMPARE(b.page->xEdit()->value().maximum, 192 - 108 * 0.4444444444444444);
        QCOMPARE(b.page->xEdit()->text().toInt(), b.component->x);
        QCOMPARE(steps.back(),
                 std::make_pair(QString("Text: Double"), QString())); // a click is a step of its own
        // A text longer than 24 bytes is refused.
        retype(b.page->textField(), QString(25, QLatin1Char('x')));
        QCOMPARE(b.component->text.size(), std::size_t{24});
    }

    void registerRules()
    {
        Bench<CRegisterPage, CRegister> b(3);
        CRegister& c = *b.component;
        CRegisterPage& p = *b.page;
        // Digits and decimals stay consistent.
        retype(p.decimalsEdit(), "4");
        QCOMPARE(c.decimals, 4);
        retype(p.digitsEdit(), "2");
        QCOMPARE(c.digits, 2);
        QCOMPARE(c.decimals, 2);
        QCOMPARE(p.decimalsEdit()->text(), QString("2"));
        retype(p.decimalsEdit(), "7");
        QCOMPARE(c.digits, 7);
        // Password needs Set.
        QVERIFY(!p.passwordBox()->isEnabled());
        p.setBox()->click();
        QVERIFY(p.passwordBox()->isEnabled());
        p.passwordBox()->click();
        QCOMPARE(c.password, 1);
        p.setBox()->click();
        QCOMPARE(c.password, 0);
        QVERIFY(!p.passwordBox()->isChecked());
        QVERIFY(!p.passwordBox()->isEnabled());
        // Limits follow Limited, engineering limits also "Project".
        QVERIFY(!p.limitEdit(0)->isEnabled());
        p.limitedBox()->click();
        QVERIFY(p.limitEdit(0)->isEnabled() && p.limitEdit(1)->isEnabled());
        QVERIFY(!p.limitEdit(2)->isEnabled());
        choose(p.scalingBox(), "Project");
        QVERIFY(p.limitEdit(2)->isEnabled() && p.limitEdit(3)->isEnabled());
        // DEC allows a sign; HEX/BCD unticks and disables it.
        p.modeRadios()->button(1)->click();
        QVERIFY(p.signedBox()->isEnabled());
        p.signedBox()->click();
        QCOMPARE(c.isSigned, 1);
        QCOMPARE(p.limitEdit(0)->value().minimum, -32768.0);
        p.modeRadios()->button(0)->click();
        QCOMPARE(c.format, 0);
        QCOMPARE(c.isSigned, 0);
        QVERIFY(!p.signedBox()->isChecked() && !p.signedBox()->isEnabled());
        QCOMPARE(p.limitEdit(0)->value().minimum, 0.0);
        // Input registers take no entry.
        p.setBox()->click();
        choose(p.operand().type, "3x");
        QCOMPARE(c.set, 0);
        QVERIFY(!p.setBox()->isEnabled());
        choose(p.operand().type, "4x");
        QVERIFY(p.setBox()->isEnabled());
        // Protocol 3 counts addresses from 1.
        retype(p.operand().address, "0");
        QVERIFY(c.address >= 1);
    }

    void wideLimits()
    {
        Bench<CRegisterPage, CRegister> b(3);
        CRegisterPage& p = *b.page;
        p.modeRadios()->button(1)->click();
        retype(p.wordsEdit(), "2");
        QCOMPARE(b.component->wordCount, 2);
        QCOMPARE(p.limitEdit(0)->value().maximum, 4294967295.0);
        p.limitedBox()->click();
        retype(p.limitEdit(0), "4294967295");
        QCOMPARE(b.component->maxInput, 0xFFFFFFFFu);
        // A change of sign keeps each limit's number, brought to the nearer bound of the new range (the
        // largest unsigned value is not −1).
        p.signedBox()->click();
        QCOMPARE(p.limitEdit(0)->value().minimum, -2147483647.0);
        QCOMPARE(b.component->maxInput, 2147483647u);
        QCOMPARE(p.limitEdit(0)->text(), QString("2147483647"));
        QCOMPARE(b.component->minInput, 0u);
        retype(p.limitEdit(1), "-2147483647");
        QCOMPARE(static_cast<std::int32_t>(b.component->minInput), -2147483647);
        p.signedBox()->click();
        QCOMPARE(b.component->minInput, 0u);
        QCOMPARE(b.component->maxInput, 2147483647u);
        QCOMPARE(p.limitEdit(1)->text(), QString("0"));

        // One word: −5 becomes 0 when unsigned, not 65535.
        retype(p.wordsEdit(), "1");
        p.signedBox()->click();
        retype(p.limitEdit(1), "-5");
        QCOMPARE(static_cast<std::int32_t>(b.component->minInput), -5);
        p.signedBox()->click();
        QCOMPARE(b.component->minInput, 0u);
        QCOMPARE(b.component->maxInput, 32767u);
    }

    void barDirectionAndSize()
    {
        Bench<CBarTidePage, CBar> b(3, {225, 0}); // panel x 100
        CBar& c = *b.component;
        QCOMPARE(c.x, 100);
        QCOMPARE(b.page->group()->title(), QString("Bar Graph Property"));
        QVERIFY(!b.page->dotsEdit()->isVisibleTo(b.page));
        const int w = c.width, h = c.height;
        choose(b.page->directionBox(), "DOWN");
        QCOMPARE(int(c.width), w);
        choose(b.page->directionBox(), "LEFT");
        QCOMPARE(int(c.width), h);
        QCOMPARE(int(c.height), w);
        QCOMPARE(c.direction, CBar::kLeft);
        // The fields show the new size at once, and a spin click steps from it.
        QCOMPARE(b.page->widthEdit()->text().toInt(), h);
        QCOMPARE(b.page->heightEdit()->text().toInt(), w);
        b.page->heightEdit()->ChangeBy(1);
        QCOMPARE(int(c.height), w + 1);
        QCOMPARE(int(c.width), h);
        // Widening stops at the panel's right edge: 192 − 100 = 92.
        QCOMPARE(b.page->widthEdit()->value().maximum, 92.0);
        b.page->widthEdit()->ChangeBy(100);
        QCOMPARE(int(c.width), 92);
        QVERIFY(c.rect.right <= 432);
        // A width is typed digit by digit although its first digit alone is below the minimum of 16.
        retype(b.page->widthEdit(), "40");
        QCOMPARE(int(c.width), 40);
    }

    void barAtTheRightEdgeStaysThere()
    {
        // 18 panel pixels are 41 canvas pixels: pulled back against the edge the bar sits at panel x 174
        // (canvasToPanel(432 − 41)), which the x field offers, so binding the page again moves nothing.
        Bench<CBarTidePage, CBar> b(3, {300, 0});
        retype(b.page->widthEdit(), "18");
        CBar& c = *b.component;
        QCOMPARE(int(c.width), 18);
        c.MoveTo(420, 0);
        c.Replace();
        QCOMPARE(c.rect.right, kCanvasWidth);
        QCOMPARE(c.x, 174);
        b.page->Load(&c, b.tables);
        QCOMPARE(b.page->xEdit()->value().maximum, 174.0);
        QCOMPARE(c.x, 174);
        QCOMPARE(b.page->xEdit()->text(), QString("174"));
    }

    void trendLine()
    {
        Bench<CBarTidePage, CTide> b(3);
        QCOMPARE(b.page->group()->title(), QString("Trend Line Property"));
        QVERIFY(b.page->dotsEdit()->isVisibleTo(b.page));
        QVERIFY(!b.page->directionBox()->isVisibleTo(b.page));
        b.page->widthEdit()->ChangeBy(40 - b.component->width);
        QCOMPARE(b.page->dotsEdit()->value().maximum, 38.0);
        // High and Low keep their numbers across a change of sign, as the register's limits do.
        b.page->modeRadios()->button(1)->click();
        retype(b.page->wordsEdit(), "2");
        retype(b.page->highEdit(), "4294967295");
        b.page->signedBox()->click();
        QCOMPARE(b.component->maxValue, 2147483647u);
        QCOMPARE(b.page->highEdit()->text(), QString("2147483647"));
    }

    void dynamicTextGrid()
    {
        Bench<CDynamicPage, CDynamic> b(3);
        CDynamic& c = *b.component;
        CDynamicPage& p = *b.page;
        CGridCtrl* grid = p.grid();
        QCOMPARE(grid->Rows(), 33);
        QCOMPARE(grid->TextMatrix(0, 1), QString("Content"));
        QCOMPARE(grid->TextMatrix(1, 0), QString("1"));
        QCOMPARE(grid->TextMatrix(1, 1), QString("Dynamic Text"));
        // The value column shows the widest value, −32768, whole.
        QVERIFY(grid->CellRect(1, 0).width() >= grid->table()->fontMetrics().horizontalAdvance("-32768") + 6);
        // A row without a value is given its value first, whichever column was clicked.
        emit grid->cellClicked(2, 1);
        QVERIFY(p.valueEditor()->isVisible());
        QCOMPARE(p.valueEditor()->geometry(), grid->CellRect(2, 0));
        QTest::keyClicks(p.valueEditor(), "7");
        QCOMPARE(grid->TextMatrix(2, 0), QString("7"));
        QCOMPARE(c.valueTexts[1], std::string("7"));
        QCOMPARE(c.values[1], 7);
        emit grid->cellClicked(2, 1);
        QVERIFY(p.contentEditor()->isVisible() && !p.valueEditor()->isVisible());
        QTest::keyClicks(p.contentEditor(), "Running");
        QCOMPARE(grid->TextMatrix(2, 1), QString("Running"));
        QCOMPARE(c.contents[1], std::string("Running"));
        // Emptying a value empties its content.
        emit grid->cellClicked(2, 0);
        QCOMPARE(p.valueEditor()->text(), QString("7"));
        QTest::keyClick(p.valueEditor(), Qt::Key_Backspace);
        QCOMPARE(grid->TextMatrix(2, 0), QString());
        QCOMPARE(grid->TextMatrix(2, 1), QString());
        QVERIFY(c.valueTexts[1].empty() && c.contents[1].empty());
        // HEX/BCD shows the values in hexadecimal.
        emit grid->cellClicked(1, 0);
        retype(p.valueEditor(), "26");
        p.modeRadios()->button(0)->click();
        QVERIFY(!p.valueEditor()->isVisible());
        QCOMPARE(grid->TextMatrix(1, 0), QString("1a"));
        QVERIFY(!p.signedBox()->isEnabled());
        // Enter and Escape do nothing here.
        emit grid->cellClicked(1, 1);
        QTest::keyClick(p.contentEditor(), Qt::Key_Return);
        QTest::keyClick(p.contentEditor(), Qt::Key_Escape);
        QVERIFY(p.contentEditor()->isVisible());
        QCOMPARE(c.contents[0], std::string("Dynamic Text"));
    }

    void functionKeyActions()
    {
        Bench<CFunctionPage, CFunction> b(3);
        CFunction& c = *b.component;
        CFunctionPage& p = *b.page;
        QVERIFY(p.coilPage()->isVisible() && !p.jumpPage()->isVisible());
        QVERIFY(!p.valueEdit()->isVisible());
        QCOMPARE(p.operand().type->count(), 1); // the bit list: "0x"
        QVERIFY(p.operand().sub->value().hex);  // the coil sub-page's sub-address, for every protocol
        p.actionRadios()->button(CFunction::kJumpTo)->click();
        QCOMPARE(c.action, CFunction::kJumpTo);
        QVERIFY(p.jumpPage()->isVisible() && !p.coilPage()->isVisible());
        retype(p.windowEdit(), "12");
        QCOMPARE(c.windowNumber, 12);
        p.jumpRadios()->button(1)->click();
        QVERIFY(!p.windowEdit()->isEnabled());
        p.actionRadios()->button(CFunction::kSetRegister)->click();
        QVERIFY(p.valueEdit()->isVisible());
        QCOMPARE(p.operand().type->count(), 2); // the word list
        QVERIFY(p.operand().sub->value().hex);
        choose(p.formatBox(), "Signed");
        QCOMPARE(c.isSigned, 1);
        QCOMPARE(p.valueEdit()->value().minimum, -32768.0);
        retype(p.valueEdit(), "-5");
        QCOMPARE(c.value, -5);
        choose(p.formatBox(), "HEX");
        QVERIFY(p.valueEdit()->value().hex);
        // The hand widens the key.
        const int w = c.rect.width();
        p.handBox()->click();
        QCOMPARE(c.rect.width(), 2 * w);
    }

    void pictureSizeIsReadOnly()
    {
        CRgbImage image{40, 16, std::vector<std::uint32_t>(40 * 16, 0xFFFFFF)};
        QWidget window;
        auto* page = new CPicturePage(&window);
        window.show();
        CProtocolTables t = CProtocolTables::Build(3, {}, 1);
        CUpLoadPic pic(3, {0, 0}, image);
        page->Load(&pic, t);
        QCOMPARE(page->widthEdit()->text(), QString("40"));
        QCOMPARE(page->heightEdit()->text(), QString("16"));
        QVERIFY(!page->widthEdit()->isEnabled() && !page->heightEdit()->isEnabled());
        QCOMPARE(pic.Width(), 40);
        QVERIFY(!page->redrawing()); // its image is taken: nothing to redraw
    }

    void pictureWithoutItsImageKeepsTheCanvasRedrawing()
    {
        QWidget window;
        auto* page = new CPicturePage(&window);
        window.show();
        CProtocolTables t = CProtocolTables::Build(3, {}, 1);
        CUpLoadPic pic(3, {0, 0}); // placed, its image not taken yet
        QSignalSpy redraws(page, &CPicturePage::redrawWanted);
        page->Load(&pic, t);
        QVERIFY(page->redrawing());
        QTRY_VERIFY(redraws.count() >= 3); // once on loading, then on every pass
        pic.converted = 1;
        QTRY_VERIFY(!page->redrawing());
        const auto count = redraws.count();
        QTest::qWait(120);
        QCOMPARE(redraws.count(), count);
    }

    // A HEX/DEC switch keeps the value range of the register's type: a one-byte unit holds 0 … 255.
    void modeSwitchKeepsTheTypesValueRange()
    {
        for (unsigned protocol = 1; protocol <= 35; ++protocol) {
            const CProtocolTables t = CProtocolTables::Build(protocol, {}, 1);
            if (t.descriptor().namedVariables)
                continue;
            for (unsigned i = 0; i < t.wordTypeValues.size(); ++i) {
                if ((t.wordTypeValues[i] & 0x0F) != 1)
                    continue;
                Bench<CDynamicPage, CDynamic> b(protocol);
                b.component->registerType = static_cast<std::uint8_t>(i);
                b.page->Load(b.component.get(), b.tables);
                QCOMPARE(b.page->valueEditor()->value().maximum, 255.0);
                for (int mode : {0, 1, 0}) {
                    b.page->modeRadios()->button(mode)->click();
                    QCOMPARE(b.page->valueEditor()->value().maximum, 255.0);
                }
                return;
            }
        }
        QFAIL("no protocol has a one-byte word type");
    }

    // One page per protocol family: bases, visibility and locks.
    void protocolOne()
    {
        Bench<CLedPage, CLight> led(1);
        QVERIFY(led.page->operand().station->value().hex);
        QVERIFY(led.page->operand().address->value().hex);
        QVERIFY(led.page->offsetEdit()->isVisibleTo(led.page));
        Bench<CFunctionPage, CFunction> key(1);
        QVERIFY(!key.page->actionRadios()->button(CFunction::kSetCoil)->isEnabled());
        QCOMPARE(key.component->action, CFunction::kJumpTo);
        QCOMPARE(key.component->coilAction, 4);
        QCOMPARE(key.page->coilRadios()->checked(), -1);
    }

    void protocolSeven()
    {
        Bench<CLedPage, CLight> led(7);
        QVERIFY(led.page->operand().address->value().octal);
        retype(led.page->operand().address, "17");
        QCOMPARE(led.component->address, 15);
        retype(led.page->operand().address, "18");
        QCOMPARE(led.component->address, 1);
    }

    void protocolTwenty()
    {
        Bench<CLedPage, CLight> led(20);
        CLedPage& p = *led.page;
        choose(p.operand().type, "X");
        QVERIFY(p.operand().address->value().octal);
        choose(p.operand().type, "M");
        QVERIFY(!p.operand().address->value().octal);
        Bench<CRegisterPage, CRegister> reg(20);
        choose(reg.page->operand().type, "T");
        QCOMPARE(reg.component->wordCount, 1);
        QVERIFY(!reg.page->wordsEdit()->isEnabled());
        choose(reg.page->operand().type, "C_double");
        QCOMPARE(reg.component->wordCount, 2);
        QCOMPARE(reg.page->limitEdit(0)->value().minimum, 200.0);
        QCOMPARE(reg.page->limitEdit(0)->value().maximum, 255.0);
        choose(reg.page->operand().type, "D");
        QVERIFY(reg.page->wordsEdit()->isEnabled());
        Bench<CBarTidePage, CBar> bar(20);
        choose(bar.page->operand().type, "C_double");
        QCOMPARE(bar.component->wordCount, 2);
        QCOMPARE(bar.page->highEdit()->value().minimum, 200.0);
    }

    void protocolNineteen()
    {
        Bench<CBarTidePage, CBar> bar(19);
        choose(bar.page->operand().type, "6x");
        QVERIFY(!bar.page->highEdit()->isEnabled() && !bar.page->lowEdit()->isEnabled());
        choose(bar.page->operand().type, "4x");
        QVERIFY(bar.page->highEdit()->isEnabled() && bar.page->lowEdit()->isEnabled());
    }

    void protocolTwentyNine()
    {
        Bench<CRegisterPage, CRegister> reg(29);
        CRegisterPage& p = *reg.page;
        p.setBox()->click();
        choose(p.operand().type, "AIW");
        QVERIFY(!p.setBox()->isEnabled());
        QCOMPARE(reg.component->wordCount, 1);
        QVERIFY(!p.wordsEdit()->isEnabled());
        choose(p.operand().type, "VW");
        QVERIFY(p.setBox()->isEnabled() && p.wordsEdit()->isEnabled());
    }

    // The analogue words are one word only on the register page: a bar graph may span two.
    void analogueWordsOnTheBarPage()
    {
        Bench<CBarTidePage, CBar> bar(29);
        choose(bar.page->operand().type, "AQW");
        QVERIFY(bar.page->wordsEdit()->isEnabled());
        retype(bar.page->wordsEdit(), "2");
        QCOMPARE(bar.component->wordCount, 2);
    }

    void protocolThirtyOne()
    {
        Bench<CLedPage, CLight> led(31);
        CLedPage& p = *led.page;
        QVERIFY(p.operand().subType->isVisibleTo(&p));
        QVERIFY(!p.operand().sub->isVisibleTo(&p));
        choose(p.operand().type, "AI");
        const unsigned group = led.component->registerType;
        const auto& names = CVariableDictionary::variables(group, kReadBits);
        QCOMPARE(p.operand().subType->count(), int(names.size()));
        choose(p.operand().subType, 1);
        QCOMPARE(led.component->subType, 1);
        QCOMPARE(led.component->subAddress, CVariableDictionary::variableNumber(group, 1, kReadBits));
        QCOMPARE(led.component->protocol31TypeValue, CVariableDictionary::typeValue(group, 1, kReadBits));
        Bench<CRegisterPage, CRegister> reg(31);
        QVERIFY(!reg.page->wordsEdit()->isVisibleTo(reg.page));
        choose(reg.page->operand().type, "KV");
        choose(reg.page->operand().subType, 2);
        QCOMPARE(reg.component->subAddress, CVariableDictionary::variableNumber(1, 2, kReadWords));
        QCOMPARE(reg.page->limitEdit(0)->value().maximum, 65535.0);
    }
};

QTEST_MAIN(PropertyPagesTest)
#include "PropertyPagesTest.moc"
