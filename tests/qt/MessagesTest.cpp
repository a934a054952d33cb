// The core's messages, made by the core from damaged or refused input, come out in Chinese under zh_CN
// (only the parts they name, such as file names and operands, stay as they are) and unchanged in English.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <regex>
#include <system_error>

#include "base/FileIo.h"
#include "compile/CProjectCheck.h"
#include "components/CBarTide.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "download/CSerialExchange.h"
#include "file/CProjectFile.h"
#include "file/CProjectText.h"
#include "image/CImageReader.h"
#include "import/OldProjectConverter.h"
#include "model/CProject.h"
#include "model/TempDir.h"
#include "operands/COperandIndex.h"
#include "operands/COperandReplace.h"
#include "operands/OperandTesting.h"
#include "platform/CSerialPort.h"
#include "platform/SerialPortList.h"
#include "plc/CProtocolCatalogue.h"
#include "qt/CLanguage.h"
#include "qt/CMessages.h"
#include "render/CFontFiles.h"
#ifdef ZL410_TEST_ONLINE
#include "online/CModbusMap.h"
#include "online/CModbusMemory.h"
#endif

namespace zl
{
namespace
{

constexpr unsigned kProtocol = 20; // D registers up to 9999, stations from 1

// Window 1 "Main" with a two-word register on D100 and a bar graph on D150.
CProject project()
{
    CProject p;
    p.SetProtocol(kProtocol);
    CMainView& w = *p.WindowAt(p.AddWindow(1, "Main"));
    test::addWithOperand<CRegister>(w, kProtocol, 0, 100, 2);
    test::addWithOperand<CBar>(w, kProtocol, 0, 150);
    p.alarms.texts = {"Hot"};
    return p;
}

std::string errorOf(const Status& s)
{
    return s ? std::string("(no error)") : s.error().describe();
}
template <class T> std::string errorOf(const Result<T>& r)
{
    return r ? std::string("(no error)") : r.error().describe();
}

Bytes replaced(Bytes bytes, const std::string& from, const std::string& to)
{
    const auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    EXPECT_NE(at, bytes.end()) << from;
    if (at != bytes.end())
        std::copy(to.begin(), to.end(), at);
    return bytes;
}

// A download image whose one LED record lies past the image's end.
Bytes imageWithARecordOutside()
{
    Bytes b(60, 0);
    b[0] = b[1] = 0xFF;
    b[2] = b[6] = b[8] = 0x80, b[3] = b[7] = b[9] = 0x30; // window table and glyph areas at 0x8030
    b[17] = 1;                                            // one window
    b[49] = 1, b[50] = 1;                                 // window 1 with one component
    b[55] = 0x80, b[56] = 0x39;                           // its pointer table at 0x8039
    b[57] = 3, b[58] = 0x90;                              // an LED at 0x9000
    return b;
}

struct Family {
    const char* name;
    std::function<std::vector<std::string>()> messages; // made by the core
    std::vector<std::string> kept;                      // parts that stay as they are
};

std::vector<Family> families(const std::string& folder)
{
    return {
        {"project file cut short or damaged",
         [] {
             CProject p = project();
             Bytes bytes = WriteProject(p);
             CProject read;
             const Bytes damaged = replaced(bytes, "CMainView", "CMainViex");
             bytes.resize(bytes.size() - 30);
             return std::vector{errorOf(ReadProject(bytes, read)), errorOf(ReadProject(damaged, read))};
         },
         {"CMainViex", "CRegister", "CBar"}},
        {"picture",
         [] {
             CUpLoadPic picture(kProtocol, {0, 0});
             const Status wide = picture.TakeImage({200, 8, std::vector<std::uint32_t>(1600)});
             EXPECT_TRUE(picture.TakeImage({8, 8, std::vector<std::uint32_t>(64)}).ok());
             const Bytes stored = WriteComponent(picture);
             const std::string info{'\x28', 0, 0, 0, '\x08'};
             return std::vector{errorOf(wide),
                                errorOf(ReadComponent(replaced(stored, info, {'\x28', 0, 0, 0, '\xFA'})))};
         },
         {}},
        {"project text",
         [] {
             const std::string text = ExportProjectText(project());
             const std::string newer =
                 std::regex_replace(text, std::regex("\"zl410Project\": 1"), "\"zl410Project\": 2");
             return std::vector{errorOf(ImportProjectText("{\"a\": 1, \"a\": 2}")),
                                errorOf(ImportProjectText(newer)), errorOf(ImportProjectText("[1, 2"))};
         },
         {"JSON", "zl410Project"}},
        {"download image",
         [] {
             return std::vector{errorOf(CImageReader::Read(Bytes(10, 0xFF))),
                                errorOf(CImageReader::Read(imageWithARecordOutside()))};
         },
         {}},
        {"old project",
         [] {
             return std::vector{errorOf(ConvertOldProject(Bytes{0x03, 'O', 'L', 'Z', 0, 0}))};
         },
         {}},
        {"operands",
         [] {
             CProject p = project();
             const CReplacePlan plan = planReplace(p, *parseOperandRange(p.tables(), "D100"),
                                                   *parseOperandRange(p.tables(), "D150"));
             p.WindowAt(0)->components()[1]->station = 255;
             const COperandIndex index = indexOperands(p);
             std::vector<std::string> out = plan.refusals;
             for (const COperandUse& u : index.uses)
                 out.insert(out.end(), u.problems.begin(), u.problems.end());
             out.push_back(errorOf(parseOperandRange(p.tables(), "D9-D1")));
             return out;
         },
         {"D100", "D150", "D9-D1", "Main"}},
        {"check",
         [] {
             CProject p = project();
             p.alarms.texts = {std::string("\x80")};
             CCompileInputs inputs;
             inputs.dataDir = ZL410_BUILD_DATA_DIR;
             const CCheckReport report = CheckProject(p, inputs);
             std::vector<std::string> out;
             for (const CCheckFinding& f : report.findings)
                 out.insert(out.end(), {f.text, f.componentName});
             return out;
         },
         {"ASCII", "GBK", "\\x80"}},
        {"data files",
         [folder] {
             return std::vector{errorOf(CFontFiles::Load(folder)),
                                errorOf(CProtocolCatalogue::ReadEntryTypes(folder + "/empty.dat"))};
         },
         {folder, "Zentu_EN.dat", "Zentu_CH.dat", "empty.dat"}},
        {"serial port and download",
         [folder] {
             return std::vector{errorOf(CSerialPort::open(folder + "/ttyNone", "")),
                                describePort("ttyUSB0", "FT232R", "FTDI", true),
                                describePort("ttyS0", "", "", false),
                                exchangeMessage(ExchangeResult::TooManyNegative)};
         },
         {folder, "ttyNone", "ttyUSB0", "FT232R", "FTDI", "USB", "ttyS0"}},
        {"the system's reasons",
         [folder] {
             std::vector<std::string> out{errorOf(ReadWholeFile(folder + "/none.pjz", 100)),
                                          errorOf(ReadWholeFile(folder, 100))};
             for (int error : {EPERM, EIO, EACCES, EEXIST, ENOTDIR, EISDIR, EMFILE, ENOSPC, EROFS, EPIPE})
                 out.push_back(std::generic_category().message(error));
             return out;
         },
         {folder, "none.pjz"}},
#ifdef ZL410_TEST_ONLINE
        {"Modbus",
         [] {
             return std::vector{errorOf(CModbusEndpoint::Parse("bogus", {})), modbusProtocolProblem(1)};
         },
         {"bogus", "tcp:HOST:PORT", "rtu:DEVICE", "tcp", "rtu", "HOST", "PORT", "DEVICE", "Modbus",
          protocolDisplayName(1)}},
#endif
    };
}

class MessagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        _putenv_s("ZL410_DATA_DIR", ZL410_BUILD_DATA_DIR);
#else
        setenv("ZL410_DATA_DIR", ZL410_BUILD_DATA_DIR, 1);
#endif
    }
    void TearDown() override
    {
        useLanguage(kEnglish);
    }
};

TEST_F(MessagesTest, CoreMessagesComeOutInChinese)
{
    test::TempDir dir;
    dir.write("empty.dat", {});
    const std::regex english("[A-Za-z]{3,}");
    const std::regex chinese("[\xE4-\xE9][\x80-\xBF][\x80-\xBF]");
    for (const Family& family : families(dir.path())) {
        SCOPED_TRACE(family.name);
        for (const std::string& message : family.messages()) {
            SCOPED_TRACE(message);
            useLanguage(kEnglish);
            EXPECT_EQ(translateMessage(message), message);
            useLanguage(kChinese);
            std::string rest = translateMessage(message);
            EXPECT_TRUE(std::regex_search(rest, chinese)) << rest;
            for (const std::string& part : family.kept)
                for (std::size_t at; !part.empty() && (at = rest.find(part)) != std::string::npos;)
                    rest.erase(at, part.size());
            EXPECT_FALSE(std::regex_search(rest, english)) << translateMessage(message);
        }
    }
}

// A template that an earlier, more general one matches first would never be used.
TEST_F(MessagesTest, EveryTemplateIsReachable)
{
    for (const char* source : messageTemplates()) {
        const std::string sample = std::regex_replace(source, std::regex("%[1-9]"), "7");
        const char* first = matchingTemplate(sample);
        EXPECT_EQ(std::string(first ? first : "(none)"), source) << sample;
    }
}

} // namespace
} // namespace zl
