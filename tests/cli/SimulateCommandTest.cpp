// zl410-cli simulate on real files: a project or an image file run with PLC values and keys, the
// screen written, the window and the keys' PLC writes reported; bad input refused.
#include <gtest/gtest.h>

#include <QImage>

#include "RunCli.h"
#ifdef ZL410_ONLINE
#include "online/ModbusTestServer.h"
#endif
#include "components/CRegister.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "model/TempDir.h"
#include "qt/CPanelScreenImage.h"

namespace zl::test
{
namespace
{

// Window 1: a register 4x10 at (0, 0) that takes entries; Down leads to window 2.
void writeProject(const std::string& path)
{
    CProject p;
    p.SetProtocol(3);
    CMainView& w = *p.WindowAt(p.AddWindow(1));
    w.downJump = 2;
    p.AddWindow(2);
    auto reg = std::make_unique<CRegister>(3, CPoint{});
    reg->address = 10;
    reg->set = 1;
    reg->digits = 4;
    w.AppendComponent(std::move(reg));
    ASSERT_TRUE(SaveProjectFile(path, p).ok());
}

TEST(SimulateCommand, RunsKeysAndValuesAndWritesTheScreen)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    const auto r = runCli({"simulate", dir.file("p.pjz"), "--set", "4x10=1234", "--keys", "SET 5 ENT", "-o",
                           dir.file("s.png"), "--scale", "3", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"window\": 1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"operand\": \"4x10\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"value\": 5"), std::string::npos) << r.out;
    const QImage screen(QString::fromStdString(dir.file("s.png")));
    ASSERT_EQ(screen.size(), QSize(192 * 3, 64 * 3));
    // The "5" lies in the fourth character cell: some of its dots are lit, the first cell is empty.
    bool lit = false;
    for (int y = 0; y < 48; ++y)
        for (int x = 72; x < 96; ++x)
            lit = lit || screen.pixel(x, y) == kLcdDot;
    EXPECT_TRUE(lit);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_NE(screen.pixel(x, y), kLcdDot);

    const auto down = runCli({"simulate", dir.file("p.pjz"), "--keys", "Down", "-o", dir.file("d.png")});
    ASSERT_EQ(down.status, 0) << down.err;
    EXPECT_EQ(down.out, "Window 2 (window)\n");
}

TEST(SimulateCommand, RunsAnImageFileAndRefusesBadInput)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    ASSERT_EQ(runCli({"compile", dir.file("p.pjz"), "-o", dir.file("p.bin")}).status, 0);
    const auto r =
        runCli({"simulate", "--image", dir.file("p.bin"), "-o", dir.file("s.png"), "--seconds", "2.5"});
    EXPECT_EQ(r.status, 0) << r.err;

    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    Bytes damaged = dir.read("p.bin");
    damaged.resize(50);
    dir.write("short.bin", damaged);
    const Case cases[] = {
        {{"--image", dir.file("p.bin"), "--keys", "SET F1", "-o", dir.file("x.png")},
         2,
         "no key is called \"F1\""},
        {{"--image", dir.file("p.bin")}, 2, "-o SCREEN.png is required"},
        {{dir.file("p.pjz"), "--image", dir.file("p.bin"), "-o", dir.file("x.png")}, 2, "one project file"},
        {{"--image", dir.file("p.bin"), "--seconds", "-1", "-o", dir.file("x.png")}, 2, "seconds"},
        {{"--image", dir.file("p.bin"), "--set", "4x99=1", "-o", dir.file("x.png")}, 1, "no operand 4x99"},
        {{"--image", dir.file("p.bin"), "--set", "4x10", "-o", dir.file("x.png")}, 1, "OPERAND=VALUE"},
        {{"--image", dir.file("short.bin"), "-o", dir.file("x.png")}, 1, "(at byte "},
        {{"--image", dir.file("p.bin"), "--set", "4x10=1", "--plc", "tcp:127.0.0.1:1", "-o",
          dir.file("x.png")},
         2,
         "--set and --plc do not go together"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"simulate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto bad = runCli(args);
        EXPECT_EQ(bad.status, c.status) << c.message;
        EXPECT_NE(bad.err.find(c.message), std::string::npos) << bad.err;
    }
}

#ifdef ZL410_ONLINE
TEST(SimulateCommand, RunsOnARealPlcAsOnTheValuesItHolds)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    ModbusTestServer server;
    server.setRegister(9, 1234); // 4x10: addresses count from 1
    const std::string plc = "tcp:127.0.0.1:" + std::to_string(server.port());
    ASSERT_EQ(runCli({"simulate", dir.file("p.pjz"), "--set", "4x10=1234", "-o", dir.file("set.png")}).status,
              0);
    const auto online = runCli({"simulate", dir.file("p.pjz"), "--plc", plc, "-o", dir.file("plc.png")});
    ASSERT_EQ(online.status, 0) << online.err;
    EXPECT_EQ(dir.read("plc.png"), dir.read("set.png"));

    const auto keys = runCli({"simulate", dir.file("p.pjz"), "--plc", plc, "--keys", "SET 5 ENT", "--json",
                              "-o", dir.file("k.png")});
    ASSERT_EQ(keys.status, 0) << keys.err;
    EXPECT_NE(keys.out.find("\"operand\": \"4x10\""), std::string::npos) << keys.out;
    EXPECT_EQ(server.holding(9), 5);

    // A PLC that is not there: the screen says so, and so does the exit status.
    int gone = 0;
    {
        const ModbusTestServer closed;
        gone = closed.port();
    }
    const auto lost = runCli({"simulate", dir.file("p.pjz"), "--plc", "tcp:127.0.0.1:" + std::to_string(gone),
                              "--json", "-o", dir.file("lost.png")});
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("the PLC: cannot connect"), std::string::npos) << lost.err;
    EXPECT_NE(lost.out.find("plcFault"), std::string::npos) << lost.out;
    EXPECT_NE(dir.read("lost.png"), dir.read("set.png"));

    CProject other;
    other.SetProtocol(20);
    other.AddWindow(1);
    ASSERT_TRUE(SaveProjectFile(dir.file("fx.pjz"), other).ok());
    const auto refused = runCli({"simulate", dir.file("fx.pjz"), "--plc", plc, "-o", dir.file("x.png")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("online simulation needs a Modbus protocol"), std::string::npos)
        << refused.err;
}
#else
TEST(SimulateCommand, SaysThatThisBuildHasNoOnlineSimulation)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    const auto r =
        runCli({"simulate", dir.file("p.pjz"), "--plc", "tcp:127.0.0.1:502", "-o", dir.file("x.png")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no online simulation"), std::string::npos) << r.err;
}
#endif

} // namespace
} // namespace zl::test
