#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "model/TempDir.h"
#include "model/CArchive.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

using namespace zl;

namespace {

// A project with a distinct value in every header field.
void fillSettings(CProject& p)
{
    p.SetProtocol(3);
    p.ClearWindows();
    p.AddWindow(1);
    p.currentWindow = 0;
    p.panel.password = 0x1234;
    p.panel.initialWindow = 0x0102;
    p.panel.controlStation = 5;
    p.panel.controlRegisterAddress = 0x0304;
    p.panel.controlRegisterType = 1;
    p.panel.screenSaverWindow = 0x0506;
    p.panel.screenSaverDelay = 7;
    p.panel.statusFlags = 5;
    p.panel.screenSaverAction = 1;
    p.comm.baud = 4;
    p.comm.dataBits = 1;
    p.comm.stopBits = 1;
    p.comm.parity = 2;
    p.comm.plcStation = 9;
    p.comm.interface = 1;
    p.comm.delay = 0x0708;
}

Bytes settingsFile()
{
    CProject p;
    fillSettings(p);
    return WriteProject(p);
}

void expectSettingsLoaded(const CProject& p)
{
    EXPECT_EQ(p.protocol(), 3u);
    EXPECT_EQ(p.panel.password, 0x1234);
    EXPECT_EQ(p.panel.initialWindow, 0x0102);
    EXPECT_EQ(p.panel.controlStation, 5);
    EXPECT_EQ(p.panel.controlRegisterAddress, 0x0304);
    EXPECT_EQ(p.panel.controlRegisterType, 1);
    EXPECT_EQ(p.panel.screenSaverWindow, 0x0506);
    EXPECT_EQ(p.panel.screenSaverDelay, 7);
    EXPECT_EQ(p.panel.statusFlags, 5);
    EXPECT_EQ(p.panel.screenSaverAction, 1);
    EXPECT_EQ(p.comm.baud, 4);
    EXPECT_EQ(p.comm.dataBits, 1);
    EXPECT_EQ(p.comm.parity, 2);
    EXPECT_EQ(p.comm.plcStation, 9);
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t to) { return Bytes(b.begin() + from, b.begin() + to); }

} // namespace

TEST(ProjectFile, WritesTheVersion12Layout)
{
    CProject p;
    fillSettings(p);
    p.formatVersion = 11;
    const Bytes file = WriteProject(p);
    EXPECT_EQ(p.formatVersion, 12);

    const Bytes header{0x08, 'Z', 'e', 'n', 't', 'u', 12, 1, 0, 0, 3, 0x34, 0x12, 0x02, 0x01, 5, 0x04, 0x03, 1,
                       0x06, 0x05, 7, 5, 4, 1, 1, 2, 9, 1, 1, 1, 0x08, 0x07};
    ASSERT_EQ(file.size(), 131u + 2 + 15 + 29 + 108);
    EXPECT_EQ(slice(file, 0, 33), header);
    EXPECT_EQ(slice(file, 33, 131), Bytes(98, 0));
    const Bytes windows{1, 0, 0xFF, 0xFF, 1, 0, 9, 0, 'C', 'M', 'a', 'i', 'n', 'V', 'i', 'e', 'w', 1, 0, 0, 0, 0, 2, 0};
    EXPECT_EQ(slice(file, 131, 131 + windows.size()), windows);
    EXPECT_EQ(slice(file, 155, 177), Bytes(22, 0)) << "20 reserved bytes and no components";
    EXPECT_EQ(file[177], 1) << "the alarm list's station";
}

TEST(ProjectFile, RoundTripIsByteExact)
{
    CProject p;
    fillSettings(p);
    p.AddWindow(7, "\xB4\xB0\xBF\xDA seven");
    p.AddWindow(300, std::string(255, 'd'));
    p.CurrentView()->upJump = 5;
    p.alarms.texts = {"one", "", "\xB1\xA8\xBE\xAF"};
    p.alarms.address = 40;
    const Bytes file = WriteProject(p);

    CProject q;
    ASSERT_TRUE(ReadProject(file, q).ok());
    expectSettingsLoaded(q);
    EXPECT_EQ(q.windowCount(), 3u);
    EXPECT_EQ(q.currentWindow, 2);
    EXPECT_EQ(q.WindowAt(2)->description, std::string(255, 'd'));
    EXPECT_EQ(q.WindowAt(2)->upJump, 5);
    EXPECT_EQ(q.alarms.texts, p.alarms.texts);
    EXPECT_EQ(WriteProject(q), file);
}

TEST(ProjectFile, LoadingRebuildsTheTablesOfTheLoadedProtocol)
{
    CProject p;
    p.SetProtocol(29);
    p.ResetForNewProject();
    p.panel.registerStep = 7; // stored, but the protocol decides
    const Bytes file = WriteProject(p);

    CProject q;
    q.SetProtocol(3);
    ASSERT_TRUE(ReadProject(file, q).ok());
    EXPECT_EQ(q.tables().protocol, 29u);
    EXPECT_EQ(q.tables().bitList, (std::vector<std::string>{"M", "Q", "I"}));
    EXPECT_EQ(q.panel.registerStep, 2);
}

TEST(ProjectFile, TextLengthPrefixes)
{
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    for (const Case& c : {Case{0, {0}}, Case{254, {0xFE}}, Case{255, {0xFF, 0xFF, 0x00}},
                          Case{65533, {0xFF, 0xFD, 0xFF}}, Case{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}}}) {
        CArchive out;
        out.writeText(std::string(c.length, 'x'));
        const Bytes b = out.takeBuffer();
        EXPECT_EQ(b.size(), c.prefix.size() + c.length);
        EXPECT_EQ(slice(b, 0, c.prefix.size()), c.prefix) << c.length;
        CArchive in(b);
        EXPECT_EQ(in.readText().size(), c.length);
    }
    // The wide form: 0xFF, word 0xFFFE, then the length and UTF-16 units.
    const Bytes wide{0xFF, 0xFE, 0xFF, 3, 'A', 0, 0x11, 0x62, 'b', 0};
    CArchive in(wide);
    EXPECT_EQ(in.readText(), "A\xCE\xD2" "b");
}

// Two windows, the first with two components of different classes, the second with one of the first
// class: classes and objects share one running index.
TEST(ProjectFile, ClassAndObjectNumbering)
{
    CArchive out;
    for (const char* name : {"CMainView", "CChars", "CRegister", "CMainView", "CChars"})
        out.writeObjectTag(name);
    Bytes expected;
    for (const char* name : {"CMainView", "CChars", "CRegister"}) {
        const Bytes announce{0xFF, 0xFF, 1, 0, static_cast<std::uint8_t>(std::strlen(name)), 0};
        expected.insert(expected.end(), announce.begin(), announce.end());
        expected.insert(expected.end(), name, name + std::strlen(name));
    }
    expected.insert(expected.end(), {0x01, 0x80, 0x03, 0x80});
    const Bytes b = out.takeBuffer();
    EXPECT_EQ(b, expected);

    CArchive in(b);
    for (const char* name : {"CMainView", "CChars", "CRegister", "CMainView", "CChars"})
        EXPECT_EQ(in.readObjectTag({"CMainView", "CChars", "CRegister"}), name);
}

TEST(ProjectFile, Version11HeaderHasNoDelay)
{
    Bytes v11 = settingsFile();
    v11[6] = 11;
    v11.erase(v11.begin() + 31, v11.begin() + 33);

    CProject p;
    p.comm.delay = 999;
    ASSERT_TRUE(ReadProject(v11, p).ok());
    expectSettingsLoaded(p);
    EXPECT_EQ(p.comm.stopBits, 1);
    EXPECT_EQ(p.comm.interface, 1);
    EXPECT_EQ(p.comm.delay, 999) << "kept from before the load";
    EXPECT_EQ(p.formatVersion, 11);
    EXPECT_EQ(WriteProject(p).size(), v11.size() + 2);
}

// Version 1 ends the header with a byte B after the data bits: with bit 7 set the stop bits are 1 and
// the interface byte follows; otherwise B is the stop bits and the interface is not stored.
TEST(ProjectFile, Version1HeaderStopBitByte)
{
    struct Case {
        std::uint8_t b;
        std::uint8_t stopBits, interface;
    };
    const Bytes v12 = settingsFile();
    for (const Case& c : {Case{0x80, 1, 1}, Case{0x81, 1, 1}, Case{0x01, 1, 0}, Case{0x00, 0, 0}}) {
        Bytes v1 = slice(v12, 0, 25);
        v1[6] = 1;
        v1.push_back(c.b);
        v1.insert(v1.end(), v12.begin() + 26, v12.begin() + ((c.b & 0x80) ? 31 : 30));
        v1.insert(v1.end(), v12.begin() + 33, v12.end());

        CProject p;
        p.comm.interface = 0;
        p.comm.stopBits = 5;
        ASSERT_TRUE(ReadProject(v1, p).ok()) << int(c.b);
        expectSettingsLoaded(p);
        EXPECT_EQ(p.comm.stopBits, c.stopBits) << int(c.b);
        EXPECT_EQ(p.comm.interface, c.interface) << int(c.b);
        EXPECT_EQ(p.windowCount(), 1u);
    }
}

TEST(ProjectFile, UnknownVersionPassesTheCheckButDoesNotLoad)
{
    Bytes file = settingsFile();
    file[6] = 200;
    EXPECT_TRUE(CheckProjectHeader(file).ok());
    CProject p;
    p.AddWindow(4);
    const Status s = ReadProject(file, p);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().text, "format version 200 is not supported");
    EXPECT_EQ(s.error().offset, 6u);
    EXPECT_EQ(p.windowCount(), 0u);
}

TEST(ProjectFile, PreOpenCheck)
{
    struct Case {
        Bytes start;
        const char* text; // nullptr: accepted
    };
    const Case cases[] = {
        {{0x08, 'Z', 'e', 'n', 't', 'u', 12, 1}, nullptr},
        {{0x08, 'Z', 'e', 'n', 't', 'u', 0, 1}, nullptr},
        {{0x09, 'Z', 'e', 'n', 't', 'u', 12, 1}, "Is it a correct file?"},
        {{0x08, 'Z', 'e', 'n', 't', 'x', 12, 1}, "Is it a correct file?"},
        {{0x08, 'Z', 'e', 'n'}, "Is it a correct file?"},
        {{0x08, 'Z', 'e', 'n', 't', 'u', 12, 2}, "version does not match!"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        dir.write("p.pjz", c.start);
        const Status s = CheckProjectFile(dir.file("p.pjz"));
        EXPECT_EQ(s.ok(), c.text == nullptr);
        if (c.text) {
            EXPECT_EQ(s.error().text, c.text);
            EXPECT_EQ(s.error().caption, "File type error!");
        }
    }
    const std::string missing = dir.file("missing.pjz");
    EXPECT_EQ(CheckProjectFile(missing).error().text, "Open file" + missing + " error! (No such file or directory)");
}

TEST(ProjectFile, SaveAndLoadThroughTheFileSystem)
{
    test::TempDir dir;
    CProject p;
    fillSettings(p);
    ASSERT_TRUE(SaveProjectFile(dir.file("a.pjz"), p).ok());
    EXPECT_EQ(dir.read("a.pjz"), WriteProject(p));
    CProject q;
    ASSERT_TRUE(LoadProjectFile(dir.file("a.pjz"), q).ok());
    expectSettingsLoaded(q);
}

// A checked-in project with every component kind: what this program writes must stay readable, and
// reading and writing it again must give the same bytes.
TEST(ProjectFile, StoredProjectLoadsAndSavesUnchanged)
{
    const std::string path = std::string(ZL410_TEST_DATA_DIR) + "/pjz/all-kinds.pjz";
    CProject p;
    ASSERT_TRUE(OpenProjectFile(path, p).ok());
    ASSERT_EQ(p.windowCount(), 3u);
    EXPECT_EQ(p.WindowAt(0)->componentCount(), 8u);
    EXPECT_EQ(p.WindowAt(1)->number, 5);
    EXPECT_EQ(p.currentWindow, 1);
    EXPECT_EQ(p.alarms.texts.size(), 3u);
    test::TempDir dir;
    ASSERT_TRUE(SaveProjectFile(dir.file("again.pjz"), p).ok());
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(dir.read("again.pjz"), Bytes(std::istreambuf_iterator<char>(in), {}));
}
