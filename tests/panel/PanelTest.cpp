// The panel running compiled images: screens compared pixel by pixel with expected pictures for the main
// cases, keys acting on the PLC and on the window shown, the clock.
#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "image/CImageReader.h"
#include "image/ImageProjects.h"
#include "panel/CPanel.h"
#include "render/CImageGlyphs.h"

namespace zl
{
namespace
{

// An 8 × 16 character of the font as '#' and '.' rows, the way CFrameBuffer::Text writes a screen.
std::vector<std::string> characterRows(char c)
{
    const auto glyph = test::fonts().singleByteGlyph(static_cast<std::uint8_t>(c));
    std::vector<std::string> rows;
    for (std::uint8_t row : glyph) {
        std::string line;
        for (int bit = 7; bit >= 0; --bit)
            line += c != ' ' && (row >> bit) & 1 ? '#' : '.';
        rows.push_back(line);
    }
    return rows;
}

// A line of characters, optionally reversed, as expected on the screen.
std::string expectedText(const std::string& text, bool reverse = false)
{
    std::vector<std::string> rows(16);
    for (char c : text) {
        const auto glyph = characterRows(c);
        for (int r = 0; r < 16; ++r)
            rows[r] += glyph[r];
    }
    std::string s;
    for (std::string& row : rows) {
        if (reverse)
            for (char& p : row)
                p = p == '#' ? '.' : '#';
        s += row + '\n';
    }
    return s;
}

// Two pictures of the same height side by side.
std::string beside(const std::string& left, const std::string& right)
{
    std::string out;
    for (std::size_t l = 0, r = 0; l < left.size(); l = left.find('\n', l) + 1, r = right.find('\n', r) + 1)
        out += left.substr(l, left.find('\n', l) - l) + right.substr(r, right.find('\n', r) - r + 1);
    return out;
}

// A 16 × 16 glyph of the image's page format as text.
std::string expectedGlyph(const CImageGlyphs::Glyph& g)
{
    std::string s;
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 16; ++col)
            s += (g[(row / 8) * 16 + col] >> (row % 8)) & 1 ? '#' : '.';
        s += '\n';
    }
    return s;
}

class PanelTest : public ::testing::Test
{
protected:
    PanelTest()
    {
        project.SetProtocol(3);
        project.panel.password = 4321;
        first = project.WindowAt(project.AddWindow(1));
        second = project.WindowAt(project.AddWindow(2));
        first->upJump = 0;
        first->downJump = 2;
        second->upJump = 1;
        test::addAt<CChars>(project, *second, 0, 48, "Two");
    }

    template <class T, class... Args> T& add(int x, int y, Args&&... args)
    {
        return test::addAt<T>(project, *first, x, y, std::forward<Args>(args)...);
    }

    // Compiles and starts the panel.
    CPanel& start()
    {
        auto read = CImageReader::Read(test::compileImage(project));
        EXPECT_TRUE(read) << read.error().describe();
        panel.emplace(std::move(*read), test::fonts());
        return *panel;
    }

    const CImageOperand& operand(std::size_t component) const
    {
        const CImageRecord& r = panel->image().windows[0].components.at(component).record;
        return std::visit(
            [](const auto& rec) -> const CImageOperand& {
                if constexpr (requires { rec.operand; })
                    return rec.operand;
                else
                    throw std::logic_error("no operand");
            },
            r);
    }

    std::string screen(int x, int y, int w, int h) const
    {
        CFrameBuffer fb;
        panel->Draw(fb);
        return fb.Text(x, y, w, h);
    }

    void keys(std::initializer_list<CPanelKey> ks)
    {
        for (CPanelKey k : ks)
            panel->Press(k);
    }

    CProject project;
    CMainView* first;
    CMainView* second;
    std::optional<CPanel> panel;
};

TEST_F(PanelTest, RegistersShowTheirValueAsFormatted)
{
    struct Case {
        const char* name;
        std::uint8_t digits, decimals, isSigned, format;
        std::uint32_t value;
        const char* shown;
    };
    const Case cases[] = {
        {"two decimals", 5, 2, 0, 1, 1234, " 12.34"},
        {"negative signed", 3, 0, 1, 1, static_cast<std::uint32_t>(-56), " -56"},
        {"HEX", 4, 0, 0, 0, 0xBEEF, "BEEF"},
        {"all decimals", 3, 3, 0, 1, 5, "0.005"},
        {"too wide for its digits", 2, 0, 0, 1, 1000, "**"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        first->DeleteAll();
        auto& reg = add<CRegister>(8, 16);
        reg.digits = c.digits;
        reg.decimals = c.decimals;
        reg.isSigned = c.isSigned;
        reg.format = c.format;
        start().plc().Write(operand(0), c.value);
        const std::string shown = c.shown;
        EXPECT_EQ(screen(8, 16, 8 * static_cast<int>(shown.size()), 16), expectedText(shown));
    }
}

TEST_F(PanelTest, BarFillsHalfBetweenLowAndHigh)
{
    auto& bar = add<CBar>(0, 0);
    bar.height = 16;
    bar.maxValue = 300;
    bar.minValue = 100;
    start().plc().Write(operand(0), 200);
    EXPECT_EQ(screen(0, 0, 16, 16), "################\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "#..............#\n"
                                    "################\n"
                                    "################\n"
                                    "################\n"
                                    "################\n"
                                    "################\n"
                                    "################\n"
                                    "################\n"
                                    "################\n");
}

TEST_F(PanelTest, LedFollowsItsBitAndLogic)
{
    auto& positive = add<CLight>(0, 0);
    auto& negative = add<CLight>(32, 0);
    negative.reverse = 1;
    negative.shapeOrKey = 1;
    positive.address = 4;
    negative.address = 4;
    start();
    const auto& led = CImageGlyphs::LedBlock();
    EXPECT_EQ(screen(0, 0, 16, 16), expectedGlyph(led[0]));
    EXPECT_EQ(screen(32, 0, 16, 16), expectedGlyph(led[3]));
    panel->plc().Write(operand(0), 1);
    EXPECT_EQ(screen(0, 0, 16, 16), expectedGlyph(led[1]));
    EXPECT_EQ(screen(32, 0, 16, 16), expectedGlyph(led[2]));
}

TEST_F(PanelTest, DynamicTextShowsTheMatchingEntryOrNothing)
{
    auto& d = add<CDynamic>(0, 0, "Run");
    d.values[1] = 2;
    d.valueTexts[1] = "2";
    d.contents[1] = "Stop";
    d.reverse = 1;
    d.Replace();
    start();
    EXPECT_EQ(screen(0, 0, 32, 16), expectedText("    ", true)) << "value 0 matches no entry";
    panel->plc().Write(operand(0), 1);
    // "Run" reversed; the field's fourth cell is not part of the text.
    EXPECT_EQ(screen(0, 0, 32, 16), beside(expectedText("Run", true), expectedText(" ")));
    panel->plc().Write(operand(0), 2);
    EXPECT_EQ(screen(0, 0, 32, 16), expectedText("Stop", true));
}

TEST_F(PanelTest, PicturesAndDoubleReversedTexts)
{
    const std::uint32_t L = 0xFFFFFF, D = 0x000000; // light source pixels are lit on the panel
    add<CUpLoadPic>(100, 40, CRgbImage{4, 3, {L, D, D, L, D, L, L, D, L, D, D, L}});
    auto& text = add<CChars>(0, 0, "A");
    text.doubleSize = 1;
    text.reverse = 1;
    start();
    EXPECT_EQ(screen(99, 39, 6, 5), "......\n"
                                    ".#..#.\n"
                                    "..##..\n"
                                    ".#..#.\n"
                                    "......\n");
    std::string doubled;
    for (const std::string& row : characterRows('A')) {
        std::string wide;
        for (char p : row)
            wide += std::string(2, p == '#' ? '.' : '#');
        doubled += wide + "\n" + wide + "\n";
    }
    EXPECT_EQ(screen(0, 0, 16, 32), doubled);
}

TEST_F(PanelTest, FunctionKeyAndArrowsJump)
{
    auto& key = add<CFunction>(0, 0);
    key.shapeOrKey = 13; // "5"
    key.SetAttribute(CFunction::kJumpTo, CFunction::kActionSelector);
    key.windowNumber = 2;
    start();
    EXPECT_EQ(panel->WindowNumber(), 1);
    EXPECT_EQ(screen(0, 0, 16, 16), expectedGlyph(CImageGlyphs::Symbol(13)));
    panel->Press(kKey5);
    EXPECT_EQ(panel->WindowNumber(), 2);
    EXPECT_EQ(screen(0, 48, 24, 16), expectedText("Two"));
    panel->Press(kKeyUp);
    EXPECT_EQ(panel->WindowNumber(), 1);
    panel->Press(kKeyUp); // no Up window: stays
    EXPECT_EQ(panel->WindowNumber(), 1);
    panel->Press(kKeyDown);
    EXPECT_EQ(panel->WindowNumber(), 2);
}

TEST_F(PanelTest, RegisterEntryWithinAndOutsideItsLimits)
{
    auto& reg = add<CRegister>(0, 0);
    reg.digits = 4;
    reg.set = 1;
    reg.limited = 1;
    reg.maxInput = 500;
    reg.minInput = 10;
    start().plc().Write(operand(0), 77);

    keys({kKeySet, kKey1, kKey2});
    EXPECT_EQ(screen(0, 0, 32, 16), expectedText("  12", true)) << "the entry, reversed";
    panel->Press(kKeyEnt);
    EXPECT_EQ(panel->plc().Read(operand(0)), 12u);
    ASSERT_EQ(panel->Writes().size(), 1u);
    EXPECT_EQ(panel->Writes()[0].value, 12u);
    EXPECT_FALSE(panel->EntryComponent());
    EXPECT_EQ(screen(0, 0, 32, 16), expectedText("  12"));

    keys({kKeySet, kKey9, kKey9, kKey9, kKeyEnt});
    EXPECT_EQ(panel->plc().Read(operand(0)), 12u) << "999 is above 500";
    EXPECT_EQ(panel->EntryComponent(), 0u) << "the entry stays open";
    EXPECT_EQ(screen(0, 0, 32, 16), expectedText(" 999", true));
    keys({kKeyClr, kKey5, kKeyEnt});
    EXPECT_EQ(panel->plc().Read(operand(0)), 12u) << "5 is below 10";
    keys({kKeyEsc});
    EXPECT_FALSE(panel->EntryComponent());
    EXPECT_EQ(panel->Writes().size(), 1u);
}

TEST_F(PanelTest, SignedEntryWithDecimals)
{
    auto& reg = add<CRegister>(0, 0);
    reg.digits = 4;
    reg.decimals = 2;
    reg.isSigned = 1;
    reg.set = 1;
    start();
    keys({kKeySet, kKey1, kKey2, kKey5, kKeySign});
    EXPECT_EQ(screen(0, 0, 48, 16), expectedText(" -1.25", true));
    panel->Press(kKeyEnt);
    EXPECT_EQ(panel->plc().Read(operand(0)), 0xFF83u); // -125 in 16 bits
    EXPECT_EQ(screen(0, 0, 48, 16), expectedText(" -1.25"));
}

TEST_F(PanelTest, PasswordIsAskedBeforeAProtectedEntry)
{
    auto& reg = add<CRegister>(0, 0);
    reg.set = 1;
    reg.password = 1;
    start();
    panel->Press(kKeySet);
    EXPECT_EQ(panel->Screen(), CPanelScreen::Password);
    keys({kKey1, kKey2});
    EXPECT_EQ(screen(0, 0, 72, 32), expectedText("Password:") + expectedText("**       "));
    keys({kKeyEnt}); // wrong: asked again
    EXPECT_EQ(panel->Screen(), CPanelScreen::Password);
    keys({kKey4, kKey3, kKey2, kKey1, kKeyEnt});
    EXPECT_EQ(panel->Screen(), CPanelScreen::Window);
    EXPECT_EQ(panel->EntryComponent(), 0u);
}

TEST_F(PanelTest, FunctionKeysWriteCoilsAndRegisters)
{
    struct Case {
        std::uint8_t coilAction;
        std::uint32_t before, after;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{1, 1, 0}, Case{2, 1, 0}, Case{2, 0, 1}}) {
        SCOPED_TRACE(int(c.coilAction));
        first->DeleteAll();
        auto& key = add<CFunction>(0, 0);
        key.SetAttribute(CFunction::kSetCoil, CFunction::kActionSelector);
        key.SetAttribute(c.coilAction, CFunction::kCoilActionSelector);
        key.address = 9;
        start().plc().Write(operand(0), c.before);
        panel->Press(kKeyRight);
        EXPECT_EQ(panel->plc().Read(operand(0)), c.after);
    }

    first->DeleteAll();
    auto& pulse = add<CFunction>(0, 0);
    pulse.SetAttribute(3, CFunction::kCoilActionSelector);
    auto& setter = add<CFunction>(16, 0);
    setter.shapeOrKey = 8; // "0"
    setter.SetAttribute(CFunction::kSetRegister, CFunction::kActionSelector);
    setter.value = -3;
    start();
    panel->Press(kKeyRight);
    EXPECT_EQ(panel->plc().Read(operand(0)), 1u);
    panel->Advance(CPanel::kPulseMs);
    EXPECT_EQ(panel->plc().Read(operand(0)), 0u) << "the pulse ends";
    panel->Press(kKey0);
    EXPECT_EQ(panel->plc().Read(operand(1)), 0xFFFDu);
    EXPECT_EQ(panel->Writes().size(), 3u);
}

TEST_F(PanelTest, AlarmListShowsTheTextsOfTheBitsThatAreOn)
{
    project.alarms.texts = {"Hot", "Cold", "Wet"};
    project.alarms.address = 100;
    start();
    panel->Press(kKeyAlm);
    EXPECT_EQ(panel->Screen(), CPanelScreen::AlarmList);
    EXPECT_EQ(screen(0, 0, 64, 16), expectedText("No alarm"));
    for (std::size_t i : {0u, 2u}) {
        const auto [coil, bit] = panel->AlarmBit(i);
        EXPECT_EQ(coil.address, 100 + i);
        panel->plc().WriteBit(coil, bit, true);
    }
    EXPECT_EQ(screen(0, 0, 24, 32), expectedText("Hot") + expectedText("Wet"));
    panel->Press(kKeyEsc);
    EXPECT_EQ(panel->Screen(), CPanelScreen::Window);
}

TEST_F(PanelTest, TrendSamplesEveryIntervalAndScreenSaverBlanks)
{
    auto& trend = add<CTide>(0, 0);
    trend.width = 20;
    trend.height = 20;
    trend.sampleDots = 3;
    trend.sampleInterval = 2;
    trend.maxValue = 17;
    trend.minValue = 0;
    project.panel.screenSaverDelay = 1; // a minute
    start();
    // Sampled at 0 (value 0), 2 s (17), 4 s (0): a peak across the inner width.
    panel->Advance(1000);
    panel->plc().Write(operand(0), 17);
    panel->Advance(2000);
    panel->plc().Write(operand(0), 0);
    panel->Advance(2000);
    const std::string s = screen(0, 0, 20, 20);
    EXPECT_EQ(s.substr(18 * 21 + 1, 1), "#") << "first sample at the bottom left\n" << s;
    EXPECT_EQ(s.substr(1 * 21 + 9, 1), "#") << "second at the top middle\n" << s;
    EXPECT_EQ(s.substr(18 * 21 + 18, 1), "#") << "third at the bottom right\n" << s;

    panel->Advance(60'000);
    EXPECT_EQ(panel->Screen(), CPanelScreen::ScreenSaver);
    EXPECT_EQ(screen(0, 0, 192, 64), CFrameBuffer().Text());
    panel->Press(kKeyDown); // wakes only
    EXPECT_EQ(panel->Screen(), CPanelScreen::Window);
    EXPECT_EQ(panel->WindowNumber(), 1);
}

TEST_F(PanelTest, LongRunsSampleAsStepByStepRuns)
{
    auto& trend = add<CTide>(0, 0);
    trend.sampleInterval = 3;
    trend.sampleDots = 5;
    auto& pulse = add<CFunction>(120, 0);
    pulse.SetAttribute(3, CFunction::kCoilActionSelector);
    start();
    CPanel stepped = *panel;
    for (CPanel* p : {&*panel, &stepped}) {
        p->plc().Write(operand(0), 1000);
        p->Press(kKeyRight);
    }
    panel->Advance(100'000);
    for (int s = 0; s < 1000; ++s)
        stepped.Advance(100);
    CFrameBuffer once, steps;
    panel->Draw(once);
    stepped.Draw(steps);
    EXPECT_EQ(once.Text(), steps.Text());
    EXPECT_EQ(panel->Writes().size(), stepped.Writes().size()) << "the pulse ended in both";

    panel->Advance(7ull * 24 * 3600 * 1000); // a week, in no time
    EXPECT_EQ(panel->Now(), 100'000 + 7ull * 24 * 3600 * 1000);
}

// Boxes are filled and inverted a byte at a time; each must touch exactly the pixels a pixel-by-pixel
// walk over the screen would, wherever the box lies and however far it reaches.
TEST(FrameBufferTest, BoxesTouchExactlyTheirPixelsOnTheScreen)
{
    struct Box { int x, y, w, h; };
    const Box boxes[] = {
        {0, 0, 192, 64},   {3, 2, 1, 1},      {3, 2, 5, 3},        {7, 0, 2, 1},     {8, 1, 8, 1},
        {5, 5, 19, 4},     {-5, -3, 12, 6},   {185, 60, 40, 40},   {190, 10, 2, 1},  {192, 0, 4, 4},
        {0, 64, 4, 4},     {10, 10, 0, 5},    {10, 10, 5, -1},     {-100, 20, 4080, 32},
        {100, 30, 2147483647, 2147483647}, {-2147483647, -2147483647, 2147483647, 2147483647},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(testing::Message() << b.x << "," << b.y << " " << b.w << "x" << b.h);
        CFrameBuffer fast, slow;
        for (int i = 0; i < CFrameBuffer::kWidth; i += 3)
            fast.Set(i, i % CFrameBuffer::kHeight), slow.Set(i, i % CFrameBuffer::kHeight);
        const auto inside = [&](int i, int j) {
            return i >= b.x && j >= b.y && static_cast<long long>(i) < static_cast<long long>(b.x) + b.w &&
                   static_cast<long long>(j) < static_cast<long long>(b.y) + b.h;
        };
        fast.Invert(b.x, b.y, b.w, b.h);
        for (int j = 0; j < CFrameBuffer::kHeight; ++j)
            for (int i = 0; i < CFrameBuffer::kWidth; ++i)
                if (inside(i, j))
                    slow.Set(i, j, !slow.Get(i, j));
        EXPECT_EQ(fast.Text(), slow.Text());
        for (const bool on : {true, false}) {
            fast.Fill(b.x, b.y, b.w, b.h, on);
            for (int j = 0; j < CFrameBuffer::kHeight; ++j)
                for (int i = 0; i < CFrameBuffer::kWidth; ++i)
                    if (inside(i, j))
                        slow.Set(i, j, on);
            EXPECT_EQ(fast.Text(), slow.Text());
        }
    }
}

} // namespace
} // namespace zl
