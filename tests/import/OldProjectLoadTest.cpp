// A converted project loads through the normal project reader with every old value where it belongs.
#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "import/OldComponentCases.h"
#include "import/OldProjectConverter.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace zl::test {
namespace {

template <class T> const T& as(const CBase& c)
{
    const T* t = dynamic_cast<const T*>(&c);
    if (!t)
        throw std::runtime_error(std::string("not a ") + typeid(T).name() + ": " + c.GetRuntimeClass());
    return *t;
}

// Field by field; a list of values shows the fields that differ.
using Fields = std::vector<std::int64_t>;

class OldProjectLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto converted = ConvertOldProject(sampleOldProject().bytes());
        ASSERT_TRUE(converted.ok()) << converted.error().describe();
        const Status loaded = ReadProject(*converted, project);
        ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
        ASSERT_EQ(project.windowCount(), 2u);
    }

    const CBase& component(std::size_t window, std::size_t i) const
    {
        return *project.WindowAt(window)->components().at(i);
    }

    CProject project;
};

TEST_F(OldProjectLoad, Settings)
{
    const auto& p = project.panel;
    const auto& c = project.comm;
    EXPECT_EQ(project.formatVersion, 1);
    EXPECT_EQ(project.protocol(), 5u);
    EXPECT_EQ((Fields{p.password, p.initialWindow, p.controlStation, p.controlRegisterAddress,
                      p.controlRegisterType, p.screenSaverWindow, p.screenSaverDelay, p.statusFlags,
                      p.screenSaverAction}),
              (Fields{1234, 3, 4, 300, 0, 9, 6, 5, 1}));
    EXPECT_EQ((Fields{c.baud, c.dataBits, c.stopBits, c.parity, c.plcStation}), (Fields{2, 1, 0, 2, 7}));

    const auto& a = project.alarms;
    EXPECT_EQ((Fields{a.station, a.address, a.subAddress, a.registerType, a.offset}),
              (Fields{9, 0x12, 3, 0, 0}));
    EXPECT_EQ(a.texts, (std::vector<std::string>{"Overheat", "", "Pump"}));
}

TEST_F(OldProjectLoad, WindowsKeepTheirComponentsGroupedByClass)
{
    const CMainView& main = *project.WindowAt(0);
    EXPECT_EQ((Fields{main.number, main.upJump, main.downJump}), (Fields{5, 6, 7}));
    EXPECT_EQ(main.description, "Main");
    std::vector<std::string> classes;
    for (const auto& c : main.components()) {
        classes.push_back(c->GetRuntimeClass());
        EXPECT_EQ((Fields{c->x, c->y}), (Fields{44, 22})) << c->GetRuntimeClass();
    }
    EXPECT_EQ(classes, (std::vector<std::string>{"CChars", "CRegister", "CLight", "CFunction", "CBar",
                                                 "CTide", "CUpLoadPic", "CDynamic"}));
    EXPECT_EQ(as<CChars>(component(1, 0)).text, "B");
}

TEST_F(OldProjectLoad, ComponentFields)
{
    const auto& text = as<CChars>(component(0, 0));
    EXPECT_EQ((Fields{text.doubleSize, text.reverse}), (Fields{1, 2}));
    EXPECT_EQ(text.text, "Hi");

    const auto& r = as<CRegister>(component(0, 1));
    EXPECT_EQ(
        (Fields{r.doubleSize, r.reverse, r.station, r.registerType, r.address, r.wordCount, r.digits,
                r.decimals, r.set, r.limited, r.maxInput, r.minInput, r.engineeringMax, r.engineeringMin,
                r.password, r.format, r.isSigned, r.engineeringUnits, r.subAddress}),
        (Fields{0x11, 0x12, 3, 2, 0x2345, 2, 6, 4, 0x22, 0x24, 0xFFFFFFFF, 7, 1, 0, 0x23, 0x21, 0, 0, 0}));

    const auto& led = as<CLight>(component(0, 2));
    EXPECT_EQ((Fields{led.doubleSize, led.reverse, led.subAddress, led.shapeOrKey, led.station,
                      led.registerType, led.address, led.bitOffset}),
              (Fields{0x31, 1, 3, 0x32, 0x33, 0x34, 0x12, 0}));

    const auto& key = as<CFunction>(component(0, 3));
    EXPECT_EQ(
        (Fields{key.doubleSize, key.reverse, key.subAddress, key.shapeOrKey, key.station, key.registerType,
                key.address, key.hand, key.invisible, key.password, key.action, key.coilAction,
                key.jumpTarget, key.windowNumber, key.value, key.keyByteB, key.keyByteA}),
        (Fields{0x41, 0x42, 3, 19, 0x47, 0x48, 2, 0x44, 0x43, 0x45, 0x46, 0x49, 0x4A, 300, 0, 0, 0}));

    const auto& bar = as<CBar>(component(0, 4));
    EXPECT_EQ(
        (Fields{bar.width, bar.height, bar.format, bar.isSigned, static_cast<std::int32_t>(bar.maxValue),
                static_cast<std::int32_t>(bar.minValue), bar.station, bar.registerType, bar.address,
                bar.wordCount, bar.direction, bar.subAddress}),
        (Fields{16, 48, 0x64, 1, -9, -10, 0x61, 0x62, 500, 0x63, 3, 0}));

    const auto& tide = as<CTide>(component(0, 5));
    EXPECT_EQ((Fields{tide.width, tide.height, tide.format, tide.isSigned, tide.maxValue, tide.minValue,
                      tide.station, tide.registerType, tide.address, tide.wordCount, tide.sampleInterval,
                      tide.sampleDots, tide.subAddress}),
              (Fields{96, 48, 0x54, 0, 1000, 0, 0x51, 0x52, 0x2345, 0x53, 5, 20, 0}));

    const auto& picture = as<CUpLoadPic>(component(0, 6));
    const Bytes bitmap = smallBitmap();
    EXPECT_EQ(Bytes(picture.info.begin(), picture.info.end()), Bytes(bitmap.begin(), bitmap.begin() + 48));
    EXPECT_EQ(picture.pixels, Bytes(bitmap.begin() + 48, bitmap.end()));

    const auto& dyn = as<CDynamic>(component(0, 7));
    EXPECT_EQ((Fields{dyn.doubleSize, dyn.reverse, dyn.station, dyn.registerType, dyn.address, dyn.wordCount,
                      dyn.format, dyn.subAddress}),
              (Fields{0x81, 0x82, 0x83, 0x84, 77, 1, 0x85, 0}));
    std::vector<std::string> contents(32), valueTexts(32);
    std::vector<std::int32_t> values(32);
    contents[0] = "Off", contents[1] = "On";
    valueTexts[0] = "1", valueTexts[1] = "2";
    values[0] = 1, values[1] = 2;
    EXPECT_EQ(dyn.contents, contents);
    EXPECT_EQ(dyn.valueTexts, valueTexts);
    EXPECT_EQ(dyn.values, values);
}

} // namespace
} // namespace zl::test
