// The project as JSON text: export then import gives back the file's bytes, and a bad text is refused
// with the path of the value and the reason.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "EveryKind.h"
#include "base/FileIo.h"
#include "components/CComponentFactory.h"
#include "components/CUpLoadPic.h"
#include "file/CProjectFile.h"
#include "file/CProjectText.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

Result<CProject> read(const Bytes& bytes)
{
    CProject p;
    if (Status s = ReadProject(bytes, p); !s)
        return s.error();
    return p;
}

// The bytes a resave gives, when the file reads and a second resave keeps them.
std::optional<Bytes> resaveStable(const Bytes& bytes)
{
    auto first = read(bytes);
    if (!first)
        return std::nullopt;
    const Bytes once = WriteProject(*first);
    auto second = read(once);
    if (!second || WriteProject(*second) != once)
        return std::nullopt;
    return once;
}

void expectRoundTrip(const Bytes& file, const std::string& what)
{
    auto project = read(file);
    ASSERT_TRUE(project) << what;
    const auto back = ImportProjectText(ExportProjectText(*project));
    ASSERT_TRUE(back) << what << ": " << back.error().text;
    EXPECT_EQ(*back, file) << what;
}

TEST(ProjectText, ExportThenImportGivesTheCheckedInFilesBack)
{
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ZL410_TEST_DATA_DIR)) {
        if (entry.path().extension() != ".pjz")
            continue;
        const auto bytes = ReadWholeFile(entry.path().string());
        ASSERT_TRUE(bytes);
        if (resaveStable(*bytes) == *bytes) {
            expectRoundTrip(*bytes, entry.path().string());
            ++files;
        }
    }
    EXPECT_GT(files, 0);
}

// Every kind of component, a picture, alarm texts with bytes that are no GBK text; then random bytes of
// its file changed, kept where the result reads and resaves to itself.
TEST(ProjectText, ExportThenImportGivesRandomProjectsBack)
{
    std::mt19937 random(25);
    int tried = 0;
    for (unsigned protocol : {3u, 11u, 20u, 31u}) {
        CProject p;
        p.SetProtocol(protocol);
        CMainView& w = *p.WindowAt(p.AddWindow(4, "\xB1\xC3"));
        test::addEveryKind(w, protocol);
        p.AddWindow(9);
        p.alarms.texts = {"Hot", "\x80\xFF", ""};
        const Bytes file = WriteProject(p);
        expectRoundTrip(file, "protocol " + std::to_string(protocol));
        for (int i = 0; i < 150; ++i) {
            Bytes changed = file;
            for (int k = 0; k < 4; ++k)
                changed[8 + random() % (changed.size() - 8)] = static_cast<std::uint8_t>(random());
            if (const auto stable = resaveStable(changed)) {
                expectRoundTrip(*stable, "protocol " + std::to_string(protocol) + ", change " + std::to_string(i));
                ++tried;
            }
        }
    }
    EXPECT_GT(tried, 100);
}

struct CBadText {
    const char* find;
    const char* replace;
    const char* error;
};

TEST(ProjectText, RefusesBadValuesWithTheirPath)
{
    CProject p;
    p.SetProtocol(3);
    CMainView& w = *p.WindowAt(p.AddWindow(1));
    w.AddComponent(CreateComponent(kRegister, 3, {0, 0}), {0, 0});
    w.AddComponent(CreateComponent(kPicture, 3, {0, 0}), {0, 0});
    static_cast<CUpLoadPic&>(*w.components()[0]).TakeImage({4, 2, std::vector<std::uint32_t>(8, 0)}).value();
    const std::string text = ExportProjectText(p);
    const CBadText cases[] = {
        {"\"address\": 0, \"wordCount\"", "\"address\": 70000, \"wordCount\"",
         "windows[0].components[1].operand.address: the value 70000 is out of range 0…65535"},
        {"\"protocol\": 3", "\"protocol\": \"3\"", "protocol: expected a number, found a string"},
        {"\"digits\": ", "\"digit\": ", "windows[0].components[1].display.digit: unknown member"},
        {"\"class\": \"CRegister\"", "\"class\": \"CWidget\"", "windows[0].components[1].class: \"CWidget\" is no component class"},
        {"\"description\": \"\"", "\"description\": \"\xF0\x9F\x98\x80\"", "windows[0].description: a character has no GBK code"},
        {"\"texts\": []", "\"texts\": [{\"gbk\": \"4G\"}]", "alarmList.texts[0].gbk: \"G\" is no hexadecimal digit"},
        {"\"zl410Project\": 1", "\"zl410Project\": 2", "zl410Project: the value 2 is out of range 1…1"},
        {"\"windows\": [", "\"windows\": 5, \"w\": [", "w: unknown member"},
        {"\"x\": 0, \"y\": 0}", "\"x\": 0}", "windows[0].components[0].place.y: missing"},
        // The picture's header says 4000 pixels wide: the file reader refuses it.
        {"\"info\": \"2800000004000000", "\"info\": \"28000000A00F0000", "the project does not read back"},
        {"\"protocol\": 3,", "\"protocol\": 3", "JSON line 4, column 3: ',' or '}' expected"},
    };
    for (const CBadText& c : cases) {
        SCOPED_TRACE(c.find);
        std::string bad = text;
        const auto at = bad.find(c.find);
        ASSERT_NE(at, std::string::npos);
        bad.replace(at, std::strlen(c.find), c.replace);
        const auto result = ImportProjectText(bad);
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().text.find(c.error), std::string::npos) << result.error().text;
    }
}

} // namespace
} // namespace zl
