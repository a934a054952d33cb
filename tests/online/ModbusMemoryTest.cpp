// The panel on a real Modbus PLC: a server of libmodbus's own, over TCP on localhost and RTU over a
// pseudo-terminal pair, holding the values the screen shows and taking the values the keys write.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "ModbusTestServer.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "image/CImageReader.h"
#include "image/ImageProjects.h"
#include "model/TempDir.h"
#include "online/CModbusMemory.h"
#include "panel/CPanelOperands.h"

namespace zl
{
namespace
{

using namespace std::chrono_literals;

// Quick enough for a test, slow enough for a loaded machine.
const CModbusTiming kQuick{20ms, 300ms, 20ms, 100ms};
constexpr auto kWait = 3s;

// Modbus RTU (addresses from 1): window 1 with an entry register 4x10, a two-word 4x20 and an LED on
// coil 0x5; `extra` more one-word registers at 4x101, 4x102, ….
CDecodedImage modbusImage(int extra = 0)
{
    CProject project;
    project.SetProtocol(3);
    CMainView& w = *project.WindowAt(project.AddWindow(1));
    auto& entry = test::addAt<CRegister>(project, w, 0, 0);
    entry.address = 10;
    entry.set = 1;
    entry.digits = 4;
    auto& wide = test::addAt<CRegister>(project, w, 0, 16);
    wide.address = 20;
    wide.wordCount = 2;
    wide.digits = 8;
    test::addAt<CLight>(project, w, 160, 0).address = 5;
    for (int i = 0; i < extra; ++i)
        test::addAt<CRegister>(project, w, 96, 16 * (i % 3)).address = static_cast<std::uint16_t>(101 + i);
    auto read = CImageReader::Read(test::compileImage(project));
    EXPECT_TRUE(read) << read.error().describe();
    return read ? std::move(*read) : CDecodedImage{};
}

CImageOperand operandNamed(const CPanel& panel, const std::string& name)
{
    for (const CPanelOperand& o : imageOperands(panel))
        if (o.name == name)
            return o.operand;
    ADD_FAILURE() << "no operand " << name;
    return {};
}

CModbusEndpoint tcp(const test::ModbusTestServer& server)
{
    CModbusEndpoint e;
    e.host = "127.0.0.1";
    e.port = server.port();
    return e;
}

struct Online {
    explicit Online(const CModbusEndpoint& endpoint, int extra = 0, CModbusTiming timing = kQuick)
        : panel(modbusImage(extra), test::fonts()), memory(endpoint, 3, timing)
    {
        panel.UseMemory(&memory);
    }
    CFrameBuffer screen() const
    {
        CFrameBuffer s;
        panel.Draw(s);
        return s;
    }
    CPanel panel;
    CModbusMemory memory;
};

TEST(ModbusMapTest, MapsOperandsToTablesAndGroupsReads)
{
    using T = CModbusTable;
    struct Case {
        CImageOperand operand;
        std::optional<CModbusSpan> span;
    };
    const Case cases[] = {
        {{1, 0x00, 5, 0, 0}, CModbusSpan{1, T::Coils, 4, 1}},
        {{2, 0x80, 1, 0, 0}, CModbusSpan{2, T::DiscreteInputs, 0, 1}},
        {{1, 0x82, 7, 2, 0}, CModbusSpan{1, T::InputRegisters, 6, 1}},
        {{1, 0x02, 20, 4, 0}, CModbusSpan{1, T::HoldingRegisters, 19, 2}},
        {{1, 0x12, 3, 2, 4}, CModbusSpan{1, T::HoldingRegisters, 2, 1}},
        {{1, 0x02, 0, 2, 0}, std::nullopt}, // addresses count from 1
        {{1, 0x42, 1, 2, 0}, std::nullopt}, // "5x" names no Modbus table
    };
    for (const Case& c : cases) {
        const auto span = modbusSpanOf(c.operand, 3);
        ASSERT_EQ(span.ok(), c.span.has_value()) << int(c.operand.typeValue) << " " << c.operand.address;
        if (span) {
            EXPECT_EQ(*span, *c.span);
        }
    }

    struct Group {
        std::vector<CModbusSpan> spans;
        std::vector<CModbusSpan> requests;
    };
    const Group groups[] = {
        // adjacent and overlapping join, a gap does not
        {{{1, T::HoldingRegisters, 10, 2},
          {1, T::HoldingRegisters, 12, 1},
          {1, T::HoldingRegisters, 11, 1},
          {1, T::HoldingRegisters, 14, 1}},
         {{1, T::HoldingRegisters, 10, 3}, {1, T::HoldingRegisters, 14, 1}}},
        // neither across stations nor across tables
        {{{1, T::Coils, 0, 1}, {2, T::Coils, 1, 1}, {1, T::DiscreteInputs, 1, 1}},
         {{1, T::Coils, 0, 1}, {1, T::DiscreteInputs, 1, 1}, {2, T::Coils, 1, 1}}},
        // at most 125 registers and 2000 coils a request
        {{{1, T::InputRegisters, 0, 100}, {1, T::InputRegisters, 100, 25}, {1, T::InputRegisters, 125, 1}},
         {{1, T::InputRegisters, 0, 125}, {1, T::InputRegisters, 125, 1}}},
        {{{1, T::Coils, 0, 1999}, {1, T::Coils, 1999, 1}, {1, T::Coils, 2000, 1}},
         {{1, T::Coils, 0, 2000}, {1, T::Coils, 2000, 1}}},
    };
    for (const Group& g : groups)
        EXPECT_EQ(groupReads(g.spans), g.requests);
}

TEST(ModbusMapTest, KnowsTheModbusProtocolsAndParsesEndpoints)
{
    for (unsigned p : {3u, 16u, 19u, 25u, 34u})
        EXPECT_EQ(modbusProtocolProblem(p), "") << p;
    // The panel is the server under 21: the PLC polls it, not the other way round.
    for (unsigned p : {1u, 20u, 21u})
        EXPECT_NE(modbusProtocolProblem(p).find("needs a Modbus protocol"), std::string::npos) << p;

    CImageSettings line;
    line.protocol = 3;
    line.baud = 4;
    line.dataBits = 8;
    line.stopBits = 2;
    line.parity = 1;
    EXPECT_EQ(CModbusEndpoint::Parse("tcp:plc.local:1502", line)->Describe(), "tcp:plc.local:1502");
    EXPECT_EQ(CModbusEndpoint::Parse("rtu:/dev/ttyUSB0", line)->Describe(), "rtu:/dev/ttyUSB0 19200 8O2");
    for (const char* bad :
         {"tcp:host", "tcp::502", "tcp:host:0", "tcp:host:65536", "tcp:host:5x", "rtu:", "udp:a:1"})
        EXPECT_FALSE(CModbusEndpoint::Parse(bad, line)) << bad;
    line.protocol = 16; // no ASCII framing on a serial line here
    EXPECT_FALSE(CModbusEndpoint::Parse("rtu:/dev/ttyUSB0", line));
    line.protocol = 3;
    line.baud = 9;
    EXPECT_FALSE(CModbusEndpoint::Parse("rtu:/dev/ttyUSB0", line));
}

TEST(ModbusMemoryTest, ShowsThePlcsValuesAsTheSimulatedPlcWould)
{
    test::ModbusTestServer server;
    server.setRegister(9, 1234);
    server.setRegister(19, 0x5678);
    server.setRegister(20, 0x0001);
    server.setCoil(4, true);
    Online online(tcp(server));
    ASSERT_TRUE(online.memory.WaitRefresh(kWait)) << online.memory.Fault();

    CPanel simulated(modbusImage(), test::fonts());
    for (const char* set : {"4x10=1234", "4x20=0x15678", "0x5=1"})
        ASSERT_TRUE(setOperand(simulated, set)) << set;
    CFrameBuffer expected;
    simulated.Draw(expected);
    EXPECT_EQ(online.screen(), expected);
    EXPECT_EQ(online.memory.Stats().state, CLinkState::Up);
}

TEST(ModbusMemoryTest, KeysWriteTheRegistersAndCoilsAndReadThemBack)
{
    test::ModbusTestServer server;
    Online online(tcp(server));
    ASSERT_TRUE(online.memory.WaitRefresh(kWait));
    for (CPanelKey key : {kKeySet, kKey5, kKey7, kKeyEnt})
        online.panel.Press(key);
    for (const CPanelOperand& o : imageOperands(online.panel)) {
        if (o.name == "0x5")
            setOperandValue(online.panel, o, 1);
        if (o.name == "4x20")
            setOperandValue(online.panel, o, 0x00020003);
    }
    ASSERT_TRUE(online.memory.WaitRefresh(kWait)) << online.memory.Fault();
    EXPECT_EQ(server.holding(9), 57);
    EXPECT_TRUE(server.coil(4));
    EXPECT_EQ(server.holding(19), 3);
    EXPECT_EQ(server.holding(20), 2);

    // What the PLC makes of it is what the screen shows next.
    server.setRegister(9, 42);
    ASSERT_TRUE(online.memory.WaitRefresh(kWait));
    EXPECT_EQ(online.memory.Read(operandNamed(online.panel, "4x10")), 42u);
}

TEST(ModbusMemoryTest, ReadsConsecutiveAddressesInOneRequest)
{
    test::ModbusTestServer server;
    // 4x10, 4x20…21 and 4x101…4x130: three register requests and one for the coil. Refreshes come only
    // when asked for here.
    CModbusTiming slow = kQuick;
    slow.interval = 60s;
    Online online(tcp(server), 30, slow);
    ASSERT_TRUE(online.memory.WaitRefresh(kWait));
    const auto before = online.memory.Stats().requests;
    const int served = server.requests();
    ASSERT_TRUE(online.memory.WaitRefresh(kWait));
    EXPECT_EQ(online.memory.Stats().requests - before, 4u);
    EXPECT_EQ(server.requests() - served, 4);
}

TEST(ModbusMemoryTest, SaysSoWhenThePlcFailsAndRecoversOnItsOwn)
{
    struct Case {
        test::ModbusTestServer::Mode mode;
        const char* fault;
    };
    const Case cases[] = {
        {test::ModbusTestServer::Silent, "timed out"},
        {test::ModbusTestServer::Exception, "Illegal data address"},
        {test::ModbusTestServer::Garbage, "reading"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        test::ModbusTestServer server;
        server.setRegister(9, 77);
        Online online(tcp(server));
        ASSERT_TRUE(online.memory.WaitRefresh(kWait));
        const CFrameBuffer sound = online.screen();

        server.setMode(c.mode);
        server.setRegister(9, 78);
        EXPECT_FALSE(online.memory.WaitRefresh(kWait));
        EXPECT_NE(online.memory.Fault().find(c.fault), std::string::npos) << online.memory.Fault();
        EXPECT_EQ(online.memory.Stats().state, CLinkState::Down);
        // The last values stay, with the bottom row saying the link failed.
        const CFrameBuffer failed = online.screen();
        EXPECT_NE(failed, sound);
        const auto before = std::chrono::steady_clock::now();
        online.panel.Press(kKeyDown); // the keys never wait for the link
        EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms); // well below one answer's timeout

        server.setMode(test::ModbusTestServer::Answer);
        bool back = false;
        for (int i = 0; i < 50 && !back; ++i)
            back = online.memory.WaitRefresh(kWait);
        ASSERT_TRUE(back) << online.memory.Fault();
        EXPECT_EQ(online.memory.Fault(), "");
        EXPECT_GT(online.memory.Stats().failures, 0u);
        server.setRegister(9, 77);
        ASSERT_TRUE(online.memory.WaitRefresh(kWait));
        EXPECT_EQ(online.screen(), sound);
    }
}

TEST(ModbusMemoryTest, ConnectsAgainWhenThePlcComesBack)
{
    int port = 0;
    {
        const test::ModbusTestServer first;
        port = first.port();
    }
    CModbusEndpoint endpoint;
    endpoint.host = "127.0.0.1";
    endpoint.port = port;
    Online online(endpoint);
    EXPECT_FALSE(online.memory.WaitRefresh(kWait));
    EXPECT_NE(online.memory.Fault().find("cannot connect"), std::string::npos) << online.memory.Fault();
    EXPECT_NE(online.screen(), CFrameBuffer{});

    test::ModbusTestServer back(port);
    back.setRegister(9, 606);
    bool up = false;
    for (int i = 0; i < 50 && !up; ++i)
        up = online.memory.WaitRefresh(kWait);
    ASSERT_TRUE(up) << online.memory.Fault();
    EXPECT_EQ(online.memory.Read(operandNamed(online.panel, "4x10")), 606u);
}

// Two pseudo-terminals wired together by socat, for as long as the object lives.
class PtyPair
{
public:
    PtyPair()
    {
        m_pid = fork();
        if (m_pid == 0) {
            execlp("socat", "socat", ("pty,raw,echo=0,link=" + m_dir.file("a")).c_str(),
                   ("pty,raw,echo=0,link=" + m_dir.file("b")).c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 200 && !(exists(a()) && exists(b())); ++i)
            std::this_thread::sleep_for(10ms);
    }
    ~PtyPair()
    {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    bool ready() const { return exists(a()) && exists(b()); }
    std::string a() const { return m_dir.file("a"); }
    std::string b() const { return m_dir.file("b"); }

private:
    static bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }
    test::TempDir m_dir;
    pid_t m_pid = -1;
};

TEST(ModbusMemoryTest, RunsOverRtuWithTheProjectsLine)
{
    PtyPair pair;
    if (!pair.ready())
        GTEST_SKIP() << "no socat";
    test::ModbusTestServer server(pair.a(), 1);
    server.setRegister(9, 4321);
    CImageSettings line;
    line.protocol = 3;
    line.baud = 4; // 19200
    line.dataBits = 8;
    line.stopBits = 1;
    line.parity = 2;
    Online online(*CModbusEndpoint::Parse("rtu:" + pair.b(), line));
    ASSERT_TRUE(online.memory.WaitRefresh(kWait)) << online.memory.Fault();
    const CImageOperand entry = operandNamed(online.panel, "4x10");
    EXPECT_EQ(online.memory.Read(entry), 4321u);
    online.panel.memory().Write(entry, 99);
    ASSERT_TRUE(online.memory.WaitRefresh(kWait)) << online.memory.Fault();
    EXPECT_EQ(server.holding(9), 99);
}

} // namespace
} // namespace zl
