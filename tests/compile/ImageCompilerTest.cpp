// The image compiler on whole projects: layout and addresses, glyphs, the register order, the header's
// settings, the records as they land in the image, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "render/CFontFiles.h"
#include "compile/CImageCompiler.h"
#include "render/CImageGlyphs.h"
#include "model/CProject.h"
#include "model/TempDir.h"

namespace zl {
namespace {

constexpr unsigned kProtocol = 3;

class ImageCompilerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.SetProtocol(kProtocol);
        project.AddWindow(1);
    }

    CMainView& window(std::size_t i = 0) { return *project.WindowAt(i); }

    // A component of the project's protocol at panel (x, y), appended to the window's list.
    template <class T, class... Args> T& add(CMainView& w, int x, int y, Args&&... args)
    {
        auto c = std::make_unique<T>(project.protocol(), CPoint{panelToCanvas(x), panelToCanvas(y)},
                                     std::forward<Args>(args)...);
        c->x = x;
        c->y = y;
        T& ref = *c;
        w.AppendComponent(std::move(c));
        return ref;
    }

    Result<CCompiledImage> compile(const std::string& dataDir = ZL410_BUILD_DATA_DIR)
    {
        return CImageCompiler::Compile(project, {dataDir, settings.file("In.dat"), nullptr});
    }

    CCompiledImage compileOk()
    {
        auto r = compile();
        if (!r) {
            ADD_FAILURE() << r.error().describe();
            return {};
        }
        return std::move(*r);
    }

    static const CFontFiles& fonts()
    {
        static const CFontFiles loaded = *CFontFiles::Load(ZL410_BUILD_DATA_DIR);
        return loaded;
    }

    // The bytes at panel address `address`.
    static Bytes at(const CCompiledImage& r, unsigned address, std::size_t n)
    {
        const std::size_t from = address - CImageCompiler::kImageAddress;
        if (from + n > r.image.size()) {
            ADD_FAILURE() << "address " << address << " + " << n << " lies beyond the image";
            return {};
        }
        return Bytes(r.image.begin() + static_cast<std::ptrdiff_t>(from),
                     r.image.begin() + static_cast<std::ptrdiff_t>(from + n));
    }
    static unsigned word(const CCompiledImage& r, unsigned address)
    {
        return getBe16(at(r, address, 2).data());
    }

    template <std::size_t N> static Bytes bytes(const std::array<std::uint8_t, N>& a)
    {
        return Bytes(a.begin(), a.end());
    }

    test::TempDir settings;
    CProject project;
};

TEST_F(ImageCompilerTest, EmptyWindowIsHeaderAndOneTableEntry)
{
    const CCompiledImage r = compileOk();
    ASSERT_EQ(r.image.size(), 48u + 9u);
    EXPECT_EQ(at(r, 0x8000, 10), (Bytes{0xFF, 0xFF, 0x80, 0x30, 0x80, 0x39, 0x80, 0x30, 0x80, 0x30}));
    EXPECT_EQ(word(r, 0x8010), 1u); // windows
    // Window 1: 0 components, Up 0, Down 2, pointer table right after the window table.
    EXPECT_EQ(at(r, 0x8030, 9), (Bytes{0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x02, 0x80, 0x39}));
    EXPECT_FALSE(r.limitRepaired());
}

TEST_F(ImageCompilerTest, LedBlockPrecedesTheCharacterGlyphs)
{
    add<CLight>(window(), 0, 0);
    auto& text = add<CChars>(window(), 0, 16, "A\xB0\xA1");
    const CCompiledImage r = compileOk();

    EXPECT_EQ(word(r, 0x8002),
              0x8030u + 128 + 32 + 16);  // window table after the glyph area
    EXPECT_EQ(word(r, 0x8008), 0x80D0u); // single-byte glyphs
    for (unsigned g = 0; g < CImageGlyphs::kLedGlyphs; ++g)
        EXPECT_EQ(at(r, 0x8030 + 32 * g, 32), bytes(CImageGlyphs::LedBlock()[g])) << "LED glyph " << g;
    EXPECT_EQ(at(r, 0x80B0, 32), bytes(CImageGlyphs::FromRows(fonts().doubleByteGlyph(0xB0, 0xA1))));
    EXPECT_EQ(at(r, 0x80D0, 16), bytes(CImageGlyphs::FromRows(fonts().singleByteGlyph('A'))));

    const auto& placed = r.map.windows.at(0).components;
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[1].typeCode, kStaticText);
    // 'A' is single-byte code 0; the double-byte character is glyph 4, after the
    // LED block.
    EXPECT_EQ(at(r, placed[1].address, 7), (Bytes{0, 16, 0, 3, 0x00, 0x80, 0x04}));
    EXPECT_TRUE(text.record.empty()) << "records are freed after the compile";
}

TEST_F(ImageCompilerTest, FunctionKeySymbolFollowsTheLedBlock)
{
    for (const bool withLed : {false, true}) {
        SCOPED_TRACE(withLed ? "with an LED" : "without an LED");
        window().DeleteAll();
        auto& key = add<CFunction>(window(), 0, 0);
        key.shapeOrKey = 3; // Down
        if (withLed)
            add<CLight>(window(), 32, 0);
        const CCompiledImage r = compileOk();
        EXPECT_EQ(r.map.symbols, 1u);
        const unsigned glyph = withLed ? 0x80B0 : 0x8030;
        EXPECT_EQ(at(r, glyph, 5), (Bytes{0xFC, 0x02, 0x02, 0x32, 0xFA}));
        EXPECT_EQ(at(r, r.map.windows[0].components[0].address + 16, 1)[0], withLed ? 4 : 0) << "glyph index";
    }
}

TEST_F(ImageCompilerTest, RegistersComeAfterTheOtherComponentsInPanelOrder)
{
    struct Case {
        const char* name;
        std::vector<CPoint> registers;     // panel positions in list order
        std::vector<std::size_t> expected; // list positions in pointer order, the static text at 0
    };
    const Case cases[] = {
        {"row before column", {{100, 40}, {8, 0}}, {0, 2, 1}},
        {"same row, by column", {{96, 16}, {8, 20}}, {0, 2, 1}},
        {"same cell keeps list order", {{8, 0}, {15, 15}}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window().DeleteAll();
        add<CChars>(window(), 0, 48);
        for (const CPoint p : c.registers)
            add<CRegister>(window(), p.x, p.y);
        const CCompiledImage r = compileOk();
        const auto& placed = r.map.windows[0].components;
        std::vector<std::size_t> order;
        unsigned pointer = r.map.windows[0].pointerTable;
        for (const auto& p : placed) {
            order.push_back(p.listPosition);
            EXPECT_EQ(at(r, pointer, 3),
                      (Bytes{p.typeCode, std::uint8_t(p.address >> 8), std::uint8_t(p.address)}));
            pointer += 3;
        }
        EXPECT_EQ(order, c.expected);
        // Records follow each other in the same order.
        for (std::size_t i = 1; i < placed.size(); ++i)
            EXPECT_EQ(placed[i].address, placed[i - 1].address + placed[i - 1].size);
        const CPoint first = c.registers[placed[1].listPosition - 1];
        EXPECT_EQ(at(r, placed[1].address, 2), (Bytes{std::uint8_t(first.x), std::uint8_t(first.y)}));
    }
}

TEST_F(ImageCompilerTest, HeaderCarriesThePanelAndLineSettings)
{
    struct Case {
        const char* name;
        void (*change)(CProject&);
        std::size_t offset;
        Bytes expected;
    };
    const Case cases[] = {
        {"password 1234 as BCD", [](CProject& p) { p.panel.password = 1234; }, 36, {0x12, 0x34}},
        {"password 10000 keeps four digits", [](CProject& p) { p.panel.password = 10000; }, 36, {0x00, 0x00}},
        {"screen saver index 4", [](CProject& p) { p.panel.screenSaverDelay = 4; }, 22, {5}},
        {"screen saver index 10", [](CProject& p) { p.panel.screenSaverDelay = 10; }, 22, {60}},
        {"screen saver index 11", [](CProject& p) { p.panel.screenSaverDelay = 11; }, 22, {0}},
        {"protocol 2: baud offset, data and stop bits",
         [](CProject& p) {
             p.SetProtocol(2);
             p.comm.baud = 1;
             p.comm.dataBits = 1;
             p.comm.stopBits = 0;
         },
         30,
         {4, 8, 1}},
        {"parity, alarms, write flag", [](CProject& p) { p.comm.parity = 2; }, 33, {2, 0, 0}},
        {"password-protected entry sets the write flag",
         [](CProject& p) {
             auto r = std::make_unique<CRegister>(kProtocol, CPoint{0, 0});
             r->password = 1;
             p.WindowAt(0)->AppendComponent(std::move(r));
         },
         35,
         {1}},
        {"protocol, station, driver and settings version",
         [](CProject& p) {
             p.comm.plcStation = 7;
             p.formatVersion = 12;
         },
         10,
         {0, 7, kProtocol, 1 + kProtocol % 5, 12, 0}},
        {"control block and status flags",
         [](CProject& p) {
             p.panel.controlStation = 9;
             p.panel.controlRegisterAddress = 0x1234;
             p.panel.statusFlags = 5;
         },
         23,
         {9, 0x02 /* "4x" */, 0x12, 0x34, 1, 0, 5}},
        {"interface and delay",
         [](CProject& p) {
             p.comm.interface = 1;
             p.comm.delay = 500;
         },
         38,
         {0, 1, 0x01, 0xF4, 0, 0, 0, 0, 0, 0}},
        {"initial window naming no window", [](CProject& p) { p.panel.initialWindow = 9; }, 18, {0, 4, 0, 0}},
        {"screen-saver window naming no window",
         [](CProject& p) {
             p.panel.screenSaverAction = 1;
             p.panel.screenSaverWindow = 9;
         },
         18,
         {0, 4, 0, 4}},
        {"screen-saver window naming a window",
         [](CProject& p) {
             p.panel.screenSaverAction = 1;
             p.panel.screenSaverWindow = 5;
         },
         20,
         {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        project = CProject{};
        project.SetProtocol(kProtocol);
        project.AddWindow(4);
        project.AddWindow(5);
        c.change(project);
        const CCompiledImage r = compileOk();
        EXPECT_EQ(at(r, 0x8000 + c.offset, c.expected.size()), c.expected);
    }
}

TEST_F(ImageCompilerTest, CorrectedWindowsAreKept)
{
    project.panel.initialWindow = 9;
    project.panel.screenSaverAction = 1;
    project.panel.screenSaverWindow = 0;
    compileOk();
    EXPECT_EQ(project.panel.initialWindow, 1);
    EXPECT_EQ(project.panel.screenSaverWindow, 1);
}

TEST_F(ImageCompilerTest, RecordsAndTablesLandWhereTheLayoutSays)
{
    add<CChars>(window(), 0, 0, "Hi");
    auto& trendA = add<CTide>(window(), 0, 16);
    add<CDynamic>(window(), 100, 0);
    auto& trendB = add<CTide>(window(), 96, 16);
    CRgbImage dots{16, 8, std::vector<std::uint32_t>(16 * 8, 0xFFFFFF)};
    add<CUpLoadPic>(window(), 160, 0, dots);
    project.AddWindow(2);
    add<CTide>(window(1), 0, 0);
    add<CDynamic>(window(1), 0, 48);
    project.alarms.texts = {"AB", "C"};
    (void)trendA, (void)trendB;

    const CCompiledImage r = compileOk();
    const auto& w1 = r.map.windows.at(0).components;
    const auto& w2 = r.map.windows.at(1).components;
    ASSERT_EQ(w1.size(), 5u);
    ASSERT_EQ(w2.size(), 2u);

    // Trend lines: count and ordinal per window.
    EXPECT_EQ(at(r, w1[1].address + 22, 2), (Bytes{2, 0}));
    EXPECT_EQ(at(r, w1[3].address + 22, 2), (Bytes{2, 1}));
    EXPECT_EQ(at(r, w2[0].address + 22, 2), (Bytes{1, 0}));

    // The picture's pages follow the single-byte glyphs, and its record points at them.
    EXPECT_EQ(r.map.pictureData, r.map.singleByteGlyphs + 16 * r.map.singleByteChars);
    EXPECT_EQ(word(r, w1[4].address + 5), r.map.pictureData);
    EXPECT_EQ(r.map.pictureBytes, 16u);

    // Dynamic-text tables follow the last record, window by window.
    const auto& t1 = r.map.windows[0].textTables;
    const auto& t2 = r.map.windows[1].textTables;
    ASSERT_EQ(t1.size(), 1u);
    ASSERT_EQ(t2.size(), 1u);
    EXPECT_EQ(t1[0].address, w2.back().address + w2.back().size);
    EXPECT_EQ(t2[0].address, t1[0].address + t1[0].size);
    EXPECT_EQ(at(r, w1[2].address + 12, 4),
              (Bytes{0x00, 0x01, std::uint8_t(t1[0].address >> 8), std::uint8_t(t1[0].address)}));
    const std::uint8_t attribute = at(r, w1[2].address + 2, 1)[0];
    EXPECT_EQ(at(r, t1[0].address, 2), (Bytes{attribute, 12})) << "attribute and length of \"Dynamic Text\"";

    // The alarm list ends the image; each entry points at its text record.
    const unsigned alarms = word(r, 0x8004);
    EXPECT_EQ(alarms, r.map.alarmList);
    EXPECT_EQ(alarms, t2[0].address + t2[0].size);
    EXPECT_EQ(at(r, 0x8000 + 34, 1)[0], 1);
    EXPECT_EQ(at(r, alarms, 1)[0], 2);
    EXPECT_EQ(at(r, alarms + 10, 6), (Bytes{0, std::uint8_t((alarms + 16) >> 8), std::uint8_t(alarms + 16), 1,
                                            std::uint8_t((alarms + 36) >> 8), std::uint8_t(alarms + 36)}));
    EXPECT_EQ(at(r, alarms + 16, 1)[0], 2);
    EXPECT_EQ(at(r, alarms + 36, 1)[0], 1);
    EXPECT_EQ(r.image.size(), alarms + 36 + 19 - 0x8000u);
    EXPECT_EQ(r.map.imageSize, r.image.size());
}

TEST_F(ImageCompilerTest, LimitRepairAsksOnlyInTheCompileThatRepaired)
{
    auto& reg = add<CRegister>(window(), 0, 0);
    reg.maxInput = 100;
    reg.minInput = 100;
    const CCompiledImage first = compileOk();
    EXPECT_TRUE(first.limitRepaired());
    EXPECT_EQ(first.limitFlag, 1);
    EXPECT_EQ(first.repaired.size(), 1u);
    EXPECT_EQ(reg.maxInput, 101u);

    const CCompiledImage second = compileOk();
    EXPECT_FALSE(second.limitRepaired());
    EXPECT_TRUE(second.repaired.empty());
}

TEST_F(ImageCompilerTest, RefusesAnImageBeyondThePanelsAddresses)
{
    // 22 full-screen pictures: 22 × (1536 pages + 9 record + 3 pointer) bytes after the header.
    CRgbImage screen{192, 64, std::vector<std::uint32_t>(192 * 64, 0)};
    for (int i = 0; i < 22; ++i)
        add<CUpLoadPic>(window(), 0, 0, screen);
    const auto r = compile();
    ASSERT_FALSE(r.ok());
    const std::string size = std::to_string(48 + 9 + 22 * (1536 + 9 + 3));
    EXPECT_NE(r.error().text.find(size + " bytes"), std::string::npos) << r.error().text;
    EXPECT_FALSE(std::filesystem::exists(settings.file("In.dat"))) << "no driver was loaded";
    for (const auto& c : window().components())
        EXPECT_TRUE(c->record.empty());
}

TEST_F(ImageCompilerTest, RefusalsAndTheirMessages)
{
    test::TempDir empty;
    struct Case {
        const char* name;
        void (*change)(CProject&);
        std::string dataDir;
        std::string message;
    };
    const Case cases[] = {
        {"fonts missing", [](CProject&) {}, empty.path(),
         "does the file" + CFontFiles::chinesePath(empty.path()) + " exist?"},
        {"protocol without a driver", [](CProject& p) { p.SetProtocol(35); }, ZL410_BUILD_DATA_DIR,
         "The protocol does not exist!"},
        {"window beyond 255 components",
         [](CProject& p) {
             for (int i = 0; i < 255; ++i) // with the text every case has
                 p.WindowAt(0)->AppendComponent(std::make_unique<CChars>(kProtocol, CPoint{0, 0}, ""));
         },
         ZL410_BUILD_DATA_DIR, "Window 1 holds 256 components; the panel takes at most 255 in a window."},
        {"alarm list beyond 255 texts", [](CProject& p) { p.alarms.texts.assign(256, "Alarm"); },
         ZL410_BUILD_DATA_DIR, "The alarm list holds 256 texts; the panel takes at most 255."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        project = CProject{};
        project.SetProtocol(kProtocol);
        project.AddWindow(1);
        add<CChars>(window(), 0, 0);
        c.change(project);
        const auto r = compile(c.dataDir);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().text, c.message);
        for (const auto& component : window().components())
            EXPECT_TRUE(component->record.empty());
    }
}

TEST_F(ImageCompilerTest, DriverFollowsTheProtocolAndMovesTheListPosition)
{
    settings.write("In.dat", {9, 4});
    const CCompiledImage r = compileOk();
    EXPECT_EQ(r.driver.protocol, kProtocol);
    EXPECT_EQ(r.driver.position, kProtocol - 1);
    EXPECT_EQ(settings.read("In.dat"), (Bytes{kProtocol - 1, 4}));
    EXPECT_EQ(project.comm.listPosition, kProtocol - 1);
}

TEST_F(ImageCompilerTest, UnwritableSettingsFileIsANoteNotAFailure)
{
    std::filesystem::create_directory(settings.file("In.dat"));
    const CCompiledImage r = compileOk();
    EXPECT_FALSE(r.image.empty());
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_NE(r.notes[0].find("In.dat"), std::string::npos) << r.notes[0];
}

TEST_F(ImageCompilerTest, DataAndSettingsInAFolderNamedInAnyScript)
{
    add<CChars>(window(), 0, 16, "A\xB0\xA1");
    const Bytes expected = compileOk().image;

    const std::string folder = settings.file("Données 数据");
    std::filesystem::create_directory(FilePath(folder));
    for (const char* name : {"Zentu_Ptc.dat", "Zentu_EN.dat", "Zentu_CH.dat"})
        std::filesystem::copy_file(std::filesystem::path(ZL410_BUILD_DATA_DIR) / name,
                                   FilePath(folder + "/" + name));
    const std::string inDat = folder + "/In.dat";
    settings.write("Données 数据/In.dat", {9, 4});

    const auto r = CImageCompiler::Compile(project, {folder, inDat, nullptr});
    ASSERT_TRUE(r.ok()) << r.error().describe();
    EXPECT_EQ(r->image, expected);
    EXPECT_EQ(r->driver.position, kProtocol - 1);
    EXPECT_EQ(settings.read("Données 数据/In.dat"), (Bytes{kProtocol - 1, 4}));
}

TEST(ImageGlyphsTest, FontRowsBecomeColumnPages)
{
    struct Pixel {
        int row, column;
        std::size_t byte;
        std::uint8_t bit;
    };
    const Pixel wide[] = {
        {0, 0, 0, 0x01}, {7, 15, 15, 0x80}, {8, 0, 16, 0x01}, {15, 9, 25, 0x80}, {3, 10, 10, 0x08}};
    for (const Pixel& p : wide) {
        CFontFiles::DoubleGlyph rows{};
        rows[p.row * 2 + p.column / 8] = std::uint8_t(0x80 >> (p.column % 8));
        CImageGlyphs::Glyph expected{};
        expected[p.byte] = p.bit;
        EXPECT_EQ(CImageGlyphs::FromRows(rows), expected)
            << "16 × 16, row " << p.row << " column " << p.column;
    }
    const Pixel narrow[] = {{0, 0, 0, 0x01}, {3, 5, 5, 0x08}, {12, 7, 15, 0x10}, {15, 0, 8, 0x80}};
    for (const Pixel& p : narrow) {
        CFontFiles::SingleGlyph rows{};
        rows[p.row] = std::uint8_t(0x80 >> p.column);
        CImageGlyphs::HalfGlyph expected{};
        expected[p.byte] = p.bit;
        EXPECT_EQ(CImageGlyphs::FromRows(rows), expected)
            << "8 × 16, row " << p.row << " column " << p.column;
    }
    EXPECT_EQ(CImageGlyphs::Symbol(21), CImageGlyphs::Glyph{}) << "a code beyond the table is blank";
}

} // namespace
} // namespace zl
