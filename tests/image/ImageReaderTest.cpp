// The image reader against the compiler: every record field of every component kind comes back under
// every protocol, texts resolve to the glyphs of their characters; damaged images are refused with a
// message and an offset inside the image.
#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "base/FileIo.h"
#include "image/CImageReader.h"
#include "image/ImageProjects.h"
#include "render/CImageGlyphs.h"

namespace zl
{
namespace
{

// A project of every component kind, two windows and an alarm list.
struct EveryKind {
    explicit EveryKind(unsigned protocol)
    {
        project.SetProtocol(protocol);
        project.alarms.Reset(protocol);
        CMainView& w = *project.WindowAt(project.AddWindow(7));
        w.upJump = 9;
        w.downJump = 7;
        CMainView& second = *project.WindowAt(project.AddWindow(9));
        second.upJump = 7;
        project.panel.initialWindow = 9;
        project.panel.password = 4321;

        text = &test::addAt<CChars>(project, w, 8, 0, "Az\xB0\xA1!");
        text->reverse = 1;
        text->doubleSize = 1;

        reg = &test::addAt<CRegister>(project, w, 100, 32);
        reg->digits = 6;
        reg->decimals = 2;
        reg->isSigned = 1;
        reg->format = 0;
        reg->set = 1;
        reg->password = 1;
        reg->limited = 1;
        reg->engineeringUnits = 1;
        reg->maxInput = 5000;
        reg->minInput = static_cast<std::uint32_t>(-100);
        reg->engineeringMax = 900;
        reg->engineeringMin = 10;
        reg->address = 12;
        reg->station = 3;
        reg->subAddress = 2;
        plain = &test::addAt<CRegister>(project, w, 0, 48); // comes first in panel order after the others

        led = &test::addAt<CLight>(project, w, 40, 16);
        led->shapeOrKey = 1;
        led->reverse = 1;
        led->doubleSize = 1;
        led->bitOffset = 3;
        led->address = 5;
        led->subAddress = 1;

        coil = &test::addAt<CFunction>(project, w, 60, 16);
        coil->hand = 1;
        coil->SetAttribute(CFunction::kSetCoil, CFunction::kActionSelector);
        coil->SetAttribute(3, CFunction::kCoilActionSelector);
        coil->value = 77;
        coil->address = 21;
        coil->invisible = 1;
        jump = &test::addAt<CFunction>(project, w, 96, 16);
        jump->shapeOrKey = 6;
        jump->SetAttribute(CFunction::kJumpTo, CFunction::kActionSelector);
        jump->windowNumber = 9;
        setter = &test::addAt<CFunction>(project, w, 112, 16);
        setter->shapeOrKey = 18;
        setter->SetAttribute(CFunction::kSetRegister, CFunction::kActionSelector);
        setter->value = -2;
        setter->password = 1;
        setter->address = 40;

        const CRgbImage source{10, 12, std::vector<std::uint32_t>(120, 0xFFFFFF)};
        picture = &test::addAt<CUpLoadPic>(project, w, 150, 40, source);

        bar = &test::addAt<CBar>(project, second, 0, 0);
        bar->SetDirection(CBar::kRight);
        bar->maxValue = 200;
        bar->minValue = 100;
        trend1 = &test::addAt<CTide>(project, second, 20, 0);
        trend2 = &test::addAt<CTide>(project, second, 20, 16);
        trend2->sampleInterval = 300;
        trend2->sampleDots = 30;

        dynamic = &test::addAt<CDynamic>(project, second, 120, 48, "On");
        dynamic->values[1] = 70000;
        dynamic->valueTexts[1] = "70000";
        dynamic->contents[1] = "\xB0\xA2x";
        dynamic->values[2] = 5; // no value text: left out
        dynamic->contents[2] = "never";
        dynamic->valueTexts[3] = "0";
        dynamic->Replace(); // the text width follows the contents

        project.alarms.texts = {"Hot", "\xB0\xA1 low"};
        project.alarms.address = 100;
        project.alarms.subAddress = 2;
    }

    CProject project;
    CChars* text;
    CRegister *reg, *plain;
    CLight* led;
    CFunction *coil, *jump, *setter;
    CUpLoadPic* picture;
    CBar* bar;
    CTide *trend1, *trend2;
    CDynamic* dynamic;
};

Bytes glyphBytes(const std::uint8_t* at, std::size_t n)
{
    return Bytes(at, at + n);
}
template <std::size_t N> Bytes glyphBytes(const std::array<std::uint8_t, N>& a)
{
    return Bytes(a.begin(), a.end());
}

// Each character of `gbk` is drawn by its own glyph.
void expectText(const CDecodedImage& image, const CImageText& text, const std::string& gbk)
{
    std::size_t i = 0;
    for (const CImageChar& c : text) {
        ASSERT_LT(i, gbk.size());
        const auto lead = static_cast<std::uint8_t>(gbk[i]);
        if (lead >= 0x80) {
            ASSERT_TRUE(c.wide) << "character at byte " << i;
            EXPECT_EQ(glyphBytes(image.WideGlyph(c.glyph), 32),
                      glyphBytes(CImageGlyphs::FromRows(
                          test::fonts().doubleByteGlyph(lead, static_cast<std::uint8_t>(gbk[i + 1])))))
                << "character at byte " << i;
            i += 2;
        } else {
            ASSERT_FALSE(c.wide) << "character at byte " << i;
            ASSERT_LT(c.glyph, image.narrowGlyphs);
            EXPECT_EQ(glyphBytes(image.NarrowGlyph(c.glyph), 16),
                      glyphBytes(CImageGlyphs::FromRows(test::fonts().singleByteGlyph(lead))))
                << "character at byte " << i;
            ++i;
        }
    }
    EXPECT_EQ(i, gbk.size());
}

void expectOperand(const CImageOperand& o, const CBase& c, std::uint8_t typeValue, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(o.station, c.station);
    EXPECT_EQ(o.typeValue, typeValue);
    EXPECT_EQ(o.length, (typeValue & 0x0F) * c.wordCount);
    EXPECT_EQ(o.subAddress, c.subAddress);
}

template <class T> const T& recordOf(const CImageWindow& w, std::size_t position)
{
    return std::get<T>(w.components.at(position).record);
}

TEST(ImageReaderTest, EveryFieldOfEveryKindUnderEveryProtocol)
{
    for (unsigned protocol = 1; protocol <= kProtocolCount; ++protocol) {
        SCOPED_TRACE("protocol " + std::to_string(protocol));
        EveryKind k(protocol);
        const Bytes image = test::compileImage(k.project);
        auto read = CImageReader::Read(image);
        ASSERT_TRUE(read) << read.error().describe();
        const CDecodedImage& d = *read;
        const CProtocolTables& tables = k.project.tables();
        const bool p31 = protocol == 31;

        EXPECT_EQ(d.settings.protocol, protocol);
        EXPECT_EQ(d.settings.initialWindow, 9);
        EXPECT_EQ(d.settings.password, 4321);
        EXPECT_TRUE(d.settings.hasAlarms);
        EXPECT_TRUE(d.settings.writeFlag);
        ASSERT_EQ(d.windows.size(), 2u);
        const CImageWindow& w = d.windows[0];
        EXPECT_EQ(w.number, 7);
        EXPECT_EQ(w.upJump, 9);
        EXPECT_EQ(w.downJump, 7);
        EXPECT_EQ(d.windows[1].upJump, 7);
        // Pointer order: the non-registers in list order, then the registers by row and column.
        std::vector<std::uint8_t> kinds;
        for (const CImageComponent& c : w.components)
            kinds.push_back(c.typeCode);
        EXPECT_EQ(kinds, (std::vector<std::uint8_t>{1, 3, 4, 4, 4, 5, 2, 2}));

        const auto& text = recordOf<CImageStaticText>(w, 0);
        EXPECT_EQ(w.components[0].x, 8);
        EXPECT_EQ(text.attribute, kAttrReverse | kAttrDouble);
        expectText(d, text.text, k.text->text);

        const auto& led = recordOf<CImageLed>(w, 1);
        EXPECT_EQ(w.components[1].x, 40);
        EXPECT_EQ(w.components[1].y, 16);
        EXPECT_TRUE(led.doubleSize);
        if (!p31)
            expectOperand(led.operand, *k.led, tables.typeValue(k.led->registerType, kThirdList), "LED");
        EXPECT_EQ(led.bitOffset, 3);
        EXPECT_EQ(led.glyphWhenOff, 3);
        EXPECT_EQ(led.glyphWhenOn, 2);
        EXPECT_EQ(glyphBytes(d.WideGlyph(led.glyphWhenOff), 32), glyphBytes(CImageGlyphs::LedBlock()[3]));

        const auto& coil = recordOf<CImageFunctionKey>(w, 2);
        EXPECT_EQ(coil.attribute, kAttrInvisible);
        EXPECT_EQ(coil.keyCode, 6);   // key 2, "Right"
        EXPECT_EQ(coil.operation, 4); // pulse
        ASSERT_EQ(coil.glyphs.size(), 2u);
        EXPECT_EQ(glyphBytes(d.WideGlyph(coil.glyphs[0]), 32), glyphBytes(CImageGlyphs::Symbol(20)));
        EXPECT_EQ(glyphBytes(d.WideGlyph(coil.glyphs[1]), 32), glyphBytes(CImageGlyphs::Symbol(2)));
        EXPECT_EQ(coil.value, 77u);
        EXPECT_EQ(coil.operand.station, k.coil->station);
        if (protocolDescriptor(protocol).bitsInWords) {
            EXPECT_EQ(coil.operand.address, 16 * 21 + k.coil->subAddress);
        } else if (!p31) {
            EXPECT_EQ(coil.operand.address, 21);
        }

        const auto& jump = recordOf<CImageFunctionKey>(w, 3);
        EXPECT_EQ(jump.keyCode, 7); // ENT
        EXPECT_EQ(jump.operation, 0x80);
        EXPECT_EQ(jump.value, 9u);
        ASSERT_EQ(jump.glyphs.size(), 1u);
        EXPECT_EQ(glyphBytes(d.WideGlyph(jump.glyphs[0]), 32), glyphBytes(CImageGlyphs::Symbol(6)));

        const auto& setter = recordOf<CImageFunctionKey>(w, 4);
        EXPECT_EQ(setter.attribute, kAttrPassword);
        EXPECT_EQ(setter.keyCode, 9); // +/-
        EXPECT_EQ(setter.operation, 5);
        EXPECT_EQ(setter.value, 0xFFFFFFFEu);
        if (!p31) {
            expectOperand(setter.operand, *k.setter, tables.typeValue(k.setter->registerType, kWordList),
                          "Set Register key");
            EXPECT_EQ(setter.operand.address, 40);
        }

        const auto& picture = recordOf<CImagePicture>(w, 5);
        EXPECT_EQ(picture.width, 10);
        EXPECT_EQ(picture.height, 12);
        // All light: the first band full, the second holds rows 8 … 11.
        EXPECT_EQ(d.At(picture.data)[0], 0xFF);
        EXPECT_EQ(d.At(picture.data)[10], 0x0F);

        const auto& reg = recordOf<CImageRegister>(w, 6);
        EXPECT_EQ(w.components[6].y, 32);
        const auto& plain = recordOf<CImageRegister>(w, 7);
        EXPECT_EQ(w.components[7].y, 48);
        EXPECT_EQ(reg.attribute, kAttrEngineering | kAttrSet | kAttrSigned | kAttrPassword | kAttrLimited);
        EXPECT_EQ(plain.attribute, kAttrDecimal);
        EXPECT_FALSE(plain.maxInput);
        EXPECT_EQ(reg.width, 6 + 1 + 1);
        EXPECT_EQ(reg.decimals, 2);
        EXPECT_EQ(reg.maxInput, 5000u);
        EXPECT_EQ(reg.minInput, static_cast<std::uint32_t>(-100));
        EXPECT_EQ(reg.engineeringMax, 900u);
        EXPECT_EQ(reg.engineeringMin, 10u);
        if (!p31) {
            expectOperand(reg.operand, *k.reg, k.reg->TypeValue(tables), "register");
            EXPECT_EQ(reg.operand.address, 12);
        }

        const CImageWindow& second = d.windows[1];
        const auto& bar = recordOf<CImageBarGraph>(second, 0);
        EXPECT_EQ(bar.directionMask, 8);
        EXPECT_EQ(bar.width, 48);
        EXPECT_EQ(bar.height, 16);
        EXPECT_EQ(bar.maxValue, 200u);
        EXPECT_EQ(bar.minValue, 100u);
        if (!p31)
            expectOperand(bar.operand, *k.bar, k.bar->TypeValue(tables), "bar");
        const auto& t1 = recordOf<CImageTrendLine>(second, 1);
        const auto& t2 = recordOf<CImageTrendLine>(second, 2);
        EXPECT_EQ(std::tie(t1.trendCount, t1.trendOrdinal, t1.interval, t1.dots),
                  std::make_tuple(std::uint8_t{2}, std::uint8_t{0}, std::uint16_t{5}, std::uint8_t{20}));
        EXPECT_EQ(std::tie(t2.trendCount, t2.trendOrdinal, t2.interval, t2.dots),
                  std::make_tuple(std::uint8_t{2}, std::uint8_t{1}, std::uint16_t{300}, std::uint8_t{30}));

        const auto& dynamic = recordOf<CImageDynamicText>(second, 3);
        EXPECT_EQ(dynamic.textWidth, 5); // "never" counts, though it is left out
        ASSERT_EQ(dynamic.entries.size(), 3u);
        EXPECT_EQ(dynamic.entries[0].value, 1);
        EXPECT_EQ(dynamic.entries[1].value, 70000 & 0xFFFF);
        EXPECT_EQ(dynamic.entries[2].value, 0);
        expectText(d, dynamic.entries[0].text, "On");
        expectText(d, dynamic.entries[1].text, "\xB0\xA2x");
        EXPECT_TRUE(dynamic.entries[2].text.empty());
        for (const auto& e : dynamic.entries)
            EXPECT_EQ(e.attribute, dynamic.attribute);

        ASSERT_EQ(d.alarms.entries.size(), 2u);
        EXPECT_EQ(d.alarms.station, k.project.alarms.station);
        expectText(d, d.alarms.entries[0].text, "Hot");
        expectText(d, d.alarms.entries[1].text, "\xB0\xA1 low");
    }
}

TEST(ImageReaderTest, EveryTruncationIsRefusedWithAnOffsetInside)
{
    EveryKind k(3);
    const Bytes image = test::compileImage(k.project);
    ASSERT_TRUE(CImageReader::Read(image));
    for (std::size_t size = 0; size < image.size(); ++size) {
        auto read =
            CImageReader::Read(Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)));
        ASSERT_FALSE(read) << size << " bytes read as an image";
        ASSERT_TRUE(read.error().offset);
        EXPECT_LE(*read.error().offset, size) << read.error().text;
        EXPECT_FALSE(read.error().text.empty());
    }
}

TEST(ImageReaderTest, HostileCountsAndIndexesAreRefused)
{
    EveryKind k(3);
    const Bytes image = test::compileImage(k.project);
    const CDecodedImage good = *CImageReader::Read(image);
    const CImageWindow& w = good.windows[0];
    auto offsetOf = [](unsigned address) { return address - 0x8000u; };
    const unsigned textRecord = w.components[0].address;
    const unsigned keyRecord = w.components[2].address;
    const unsigned dynamicRecord = good.windows[1].components[3].address;
    const unsigned windowEntry = good.settings.windowTable;

    struct Case {
        const char* name;
        std::size_t at;
        Bytes put;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no valid mark", 0, {0x00}, "does not begin with"},
        {"window count 65535", 16, {0xFF, 0xFF}, "window table of 65535 windows"},
        {"window table past the end", 2, {0xFF, 0xF0}, "window table at 0xFFF0"},
        {"glyph tables out of order", 8, {0x80, 0x20}, "not in their order"},
        {"single-byte table off a glyph boundary", 8, {0x80, 0x31}, "whole 32-byte glyphs"},
        {"255 components", offsetOf(windowEntry) + 2, {0xFF}, "component"},
        {"pointer table outside", offsetOf(windowEntry) + 7, {0x00, 0x10}, "pointer table"},
        {"unknown type", offsetOf(w.pointerTable), {9}, "unknown component type 9"},
        {"record outside", offsetOf(w.pointerTable) + 1, {0xFF, 0xFF}, "record"},
        {"text longer than the image", offsetOf(textRecord) + 3, {0xFF}, "text"},
        {"narrow glyph past the tables", offsetOf(textRecord) + 4, {0x7F}, "8 x 16 glyph 127"},
        {"wide glyph past the tables", offsetOf(textRecord) + 5, {0xFF}, "16 x 16 glyph"},
        {"half a double-byte code", offsetOf(textRecord) + 3, {3}, "half a double-byte code"},
        {"key symbol past the glyphs", offsetOf(keyRecord) + 16, {200}, "16 x 16 glyph 200"},
        {"255 dynamic entries", offsetOf(dynamicRecord) + 10, {255}, "255 entries"},
        {"dynamic entry outside", offsetOf(dynamicRecord) + 14, {0x00, 0x00}, "entry 1"},
        {"255 alarms", offsetOf(good.settings.alarmList), {255}, "alarm list of 255 texts"},
        {"alarm text outside", offsetOf(good.settings.alarmList) + 11, {0xFF, 0xFF}, "Alarm 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bad = image;
        std::copy(c.put.begin(), c.put.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.at));
        auto read = CImageReader::Read(bad);
        ASSERT_FALSE(read);
        EXPECT_NE(read.error().text.find(c.message), std::string::npos) << read.error().text;
        ASSERT_TRUE(read.error().offset);
        EXPECT_LE(*read.error().offset, bad.size());
    }

    Bytes huge = image;
    huge.resize(0x8001);
    EXPECT_NE(CImageReader::Read(huge).error().text.find("at most 32768"), std::string::npos);
}

// An image whose `windows` windows all name one pointer table of 255 dynamic texts, which all name one
// record of 255 entries, which all name one text of 255 characters: a few KB that would decode to
// billions of characters if every copy were decoded on its own.
Bytes sharedTablesImage(unsigned windows)
{
    const unsigned narrow = 0x8000 + 48, windowTable = narrow + 16, pointers = windowTable + 9 * windows;
    const unsigned record = pointers + 3 * 255, text = record + 12 + 4 * 255;
    Bytes b(48);
    auto be = [&b](unsigned v) {
        b.push_back(static_cast<std::uint8_t>(v >> 8));
        b.push_back(static_cast<std::uint8_t>(v));
    };
    b[0] = b[1] = 0xFF;
    const auto put = [&b](std::size_t at, unsigned v) {
        b[at] = static_cast<std::uint8_t>(v >> 8);
        b[at + 1] = static_cast<std::uint8_t>(v);
    };
    put(2, windowTable);
    put(6, narrow);
    put(8, narrow);
    put(16, windows);
    put(18, 1);
    b.resize(b.size() + 16); // one 8 x 16 glyph, code 0
    for (unsigned w = 1; w <= windows; ++w) {
        be(w);
        b.push_back(255);
        be(0);
        be(0);
        be(pointers);
    }
    for (int i = 0; i < 255; ++i) {
        b.push_back(8);
        be(record);
    }
    for (std::uint8_t byte : {0, 0, 0, 1, 2, 0, 0, 0, 1, 0, 255, 16})
        b.push_back(byte);
    for (unsigned i = 0; i < 255; ++i) {
        be(i);
        be(text);
    }
    b.push_back(0);
    b.push_back(255);
    b.resize(b.size() + 255);
    return b;
}

TEST(ImageReaderTest, TablesSharedOverAndOverAreRefusedNotDecodedEachTime)
{
    const Bytes fixture = *ReadWholeFile(ZL410_TEST_DATA_DIR "/image/shared-tables.bin");
    EXPECT_EQ(fixture, sharedTablesImage(30));
    for (const Bytes& image : {fixture, sharedTablesImage(3400)}) {
        SCOPED_TRACE(image.size());
        ASSERT_LE(image.size(), CDecodedImage::kMaxSize);
        auto read = CImageReader::Read(image);
        ASSERT_FALSE(read);
        EXPECT_NE(read.error().text.find("point at each other"), std::string::npos) << read.error().text;
        ASSERT_TRUE(read.error().offset);
        EXPECT_LE(*read.error().offset, image.size());
    }
}

} // namespace
} // namespace zl
