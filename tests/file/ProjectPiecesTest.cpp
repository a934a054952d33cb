// Windows, components and the settings block written and read on their own, as the editor's history and
// clipboard use them.
#include <gtest/gtest.h>

#include <random>

#include "EveryKind.h"
#include "components/CComponentFactory.h"
#include "components/CUpLoadPic.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"

using namespace zl;

namespace
{

CMainView windowWithEveryKind(unsigned protocol)
{
    CMainView w(7, "seven");
    w.upJump = 3;
    test::addEveryKind(w, protocol);
    return w;
}

} // namespace

TEST(ProjectPieces, WindowsAndComponentsReadBackToTheSameBytes)
{
    const CMainView w = windowWithEveryKind(3);
    const Bytes bytes = WriteWindow(w);
    auto read = ReadWindow(bytes);
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ(WriteWindow(**read), bytes);
    EXPECT_EQ((*read)->number, 7);
    EXPECT_EQ((*read)->componentCount(), 8u);

    for (const auto& c : w.components()) {
        const Bytes one = WriteComponent(*c);
        auto copy = ReadComponent(one);
        ASSERT_TRUE(copy.ok()) << copy.error().describe();
        EXPECT_EQ(WriteComponent(**copy), one);
        EXPECT_EQ((*copy)->rect, c->rect);
    }
}

TEST(ProjectPieces, DamagedPiecesAreRefused)
{
    const CMainView w = windowWithEveryKind(3);
    const Bytes window = WriteWindow(w);
    const Bytes component = WriteComponent(*w.components()[2]);
    // Cut anywhere, or with bytes after it, a piece is an error; so is a window where a component
    // belongs and the other way round.
    for (std::size_t n = 0; n < component.size(); ++n)
        EXPECT_FALSE(ReadComponent(Bytes(component.begin(), component.begin() + long(n))).ok()) << n;
    Bytes longer = component;
    longer.push_back(0);
    EXPECT_FALSE(ReadComponent(longer).ok());
    EXPECT_FALSE(ReadWindow(Bytes(window.begin(), window.end() - 1)).ok());
    EXPECT_FALSE(ReadComponent(window).ok());
    EXPECT_FALSE(ReadWindow(component).ok());

    // Random bytes and random changes never crash.
    std::mt19937 random(12);
    for (int i = 0; i < 2000; ++i) {
        Bytes b = i % 2 ? component : window;
        for (int k = 0; k < 3; ++k)
            b[random() % b.size()] = static_cast<std::uint8_t>(random());
        (void)ReadComponent(b);
        (void)ReadWindow(b);
    }
}

TEST(ProjectPieces, SettingsBlockRestoresEveryByteAndTheTables)
{
    CProject p;
    p.SetProtocol(3);
    p.AddWindow(1);
    p.panel.password = 1234;
    p.alarms.texts = {"one", "two"};
    const Bytes settings = WriteSettings(p);
    const Bytes file = WriteProject(p);

    p.comm.plcStation = 9;
    p.SetProtocol(20);
    p.panel.password = 1;
    p.alarms.texts.clear();
    ASSERT_TRUE(ReadSettings(settings, p).ok());
    EXPECT_EQ(p.protocol(), 3u);
    EXPECT_EQ(p.tables().protocol, 3u);
    EXPECT_EQ(WriteProject(p), file);

    // A damaged block changes nothing.
    const Bytes before = WriteProject(p);
    EXPECT_FALSE(ReadSettings(Bytes(settings.begin(), settings.end() - 1), p).ok());
    EXPECT_EQ(WriteProject(p), before);
}
