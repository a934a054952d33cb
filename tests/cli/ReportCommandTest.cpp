#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include <QImage>

#include "RunCli.h"
#include "components/CChars.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "model/TempDir.h"

namespace zl::test {
namespace {

namespace fs = std::filesystem;

// The project every kind of component stands in: window 1 "主画面" (texts in both scripts, a register,
// an LED, a key, a picture, a bar, a trend line, a dynamic text), windows 5 and 9, and an alarm list.
const std::string kAllKinds = ZL410_TEST_DATA_DIR "/pjz/all-kinds.pjz";

bool havePoppler() { return std::system("pdftotext -v >/dev/null 2>&1") == 0; }

std::string readText(const std::string& path)
{
    std::ifstream in(FilePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The text of the report's pages, one string per page (pdftotext ends each page with a form feed).
std::vector<std::string> pageTexts(const TempDir& dir, const std::string& pdf)
{
    const std::string text = dir.file("report.txt");
    EXPECT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()), 0);
    std::vector<std::string> pages;
    std::string all = readText(text);
    for (std::size_t start = 0, end; (end = all.find('\f', start)) != std::string::npos; start = end + 1)
        pages.push_back(all.substr(start, end - start));
    return pages;
}

std::string pdfInfo(const TempDir& dir, const std::string& pdf)
{
    EXPECT_EQ(std::system(("pdfinfo '" + pdf + "' >'" + dir.file("info.txt") + "'").c_str()), 0);
    return readText(dir.file("info.txt"));
}

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!havePoppler())
            GTEST_SKIP() << "pdftotext and pdfimages (Debian's poppler-utils) are not installed";
        setEnv("ZL410_CONFIG_DIR", config.path());
    }

    TempDir config;
    TempDir dir;
};

TEST_F(ReportCommand, ShowsEveryPartOfTheProjectOnNumberedPages)
{
    const std::string pdf = dir.file("report.pdf");
    const CliResult r = runCli({"report", kAllKinds, "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> pages = pageTexts(dir, pdf);
    // First page, windows 1, 5 and 9, the alarm list, the cross-reference.
    ASSERT_EQ(pages.size(), 6u);
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of 6"), std::string::npos) << pages[i];

    const struct {
        std::size_t page;
        std::vector<std::string> texts;
    } expected[] = {
        {0, {"Project report: all-kinds", "all-kinds.pjz", "Modbus RTU", "9600 baud", "of 32,768 bytes"}},
        {1, {"Window 1: 主画面", "Text", "Register", "LED", "Function Key", "Picture", "Bar Graph", "Trend Line",
             "Dynamic Text", "泵 on", "1 → Dynamic Text", "4x102", "0x104", "key Right, set coil ON", "0 … 65535",
             "picture 12 × 6"}},
        {3, {"Window 9", "No components."}},
        {4, {"Alarm list", "Initial coil: 0x20", "Pump fault", "报警"}},
        {5, {"Operand cross-reference", "window 1 (主画面), Register 7 at (12, 4)", "alarm list"}},
    };
    for (const auto& e : expected)
        for (const std::string& text : e.texts)
            EXPECT_NE(pages[e.page].find(text), std::string::npos) << text << " on page " << e.page + 1;
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("Image size +[0-9,]+ of 32,768 bytes"))) << pages[0];
}

TEST_F(ReportCommand, TakesThePaperSize)
{
    const struct {
        std::vector<std::string> paper;
        const char* size;
    } cases[] = {{{}, "595 x 842 pts (A4)"}, {{"--paper", "letter"}, "612 x 792 pts (letter)"}};
    for (const auto& c : cases) {
        std::vector<std::string> args{"report", kAllKinds, "-o", dir.file("report.pdf")};
        args.insert(args.end(), c.paper.begin(), c.paper.end());
        const CliResult r = runCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(pdfInfo(dir, dir.file("report.pdf")).find(c.size), std::string::npos) << c.size;
    }
}

// A table longer than a page goes on over the next pages with its titles again, losing no row.
TEST_F(ReportCommand, BreaksLongTablesAcrossPages)
{
    CProject project;
    project.SetProtocol(3);
    CMainView& w = *project.WindowAt(project.AddWindow(1, "Long"));
    constexpr int kRows = 90;
    for (int i = 1; i <= kRows; ++i)
        w.AppendComponent(std::make_unique<CChars>(3, CPoint{0, 0}, "Row" + std::to_string(i) + "x"));
    ASSERT_TRUE(SaveProjectFile(dir.file("long.pjz"), project).ok());
    const CliResult r = runCli({"report", dir.file("long.pjz"), "-o", dir.file("report.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> pages = pageTexts(dir, dir.file("report.pdf"));
    ASSERT_GE(pages.size(), 5u); // the first page, at least two of window 1, the alarm list, the operands
    const std::size_t windowPages = pages.size() - 3;
    std::string windowText;
    for (std::size_t p = 1; p <= windowPages; ++p) {
        EXPECT_NE(pages[p].find("Position and"), std::string::npos) << "titles on page " << p + 1;
        windowText += pages[p];
    }
    for (int i = 1; i <= kRows; ++i) {
        const std::string row = "Row" + std::to_string(i) + "x";
        const auto at = windowText.find(row);
        EXPECT_NE(at, std::string::npos) << row;
        EXPECT_EQ(windowText.find(row, at + 1), std::string::npos) << row << " twice";
    }
}

// The screen on the page is the picture `render` makes, pixel for pixel, kept lossless and drawn
// without smoothing; the outlines and numbers lie on top of it.
TEST_F(ReportCommand, DrawsTheScreensAsRenderDoes)
{
    const CliResult r = runCli({"report", kAllKinds, "-o", dir.file("report.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(std::system(("pdfimages -list '" + dir.file("report.pdf") + "' >'" + dir.file("list.txt") + "'").c_str()),
              0);
    const std::string list = readText(dir.file("list.txt"));
    EXPECT_EQ(list.find("jpeg"), std::string::npos) << list;
    EXPECT_EQ(list.find(" yes "), std::string::npos) << "interpolated: " << list;
    ASSERT_EQ(std::system(("pdfimages -png '" + dir.file("report.pdf") + "' '" + dir.file("screen") + "'").c_str()), 0);
    const int windows[] = {1, 5, 9};
    for (int i = 0; i < 3; ++i) {
        const std::string png = dir.file("w" + std::to_string(windows[i]) + ".png");
        ASSERT_EQ(runCli({"render", kAllKinds, "--window", std::to_string(windows[i]), "--no-selection", "-o", png}).status,
                  0);
        const QImage fromPdf(QString::fromStdString(dir.file("screen-00" + std::to_string(i) + ".png")));
        ASSERT_FALSE(fromPdf.isNull()) << i;
        EXPECT_TRUE(fromPdf.convertToFormat(QImage::Format_RGB32) ==
                    QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32))
            << "window " << windows[i];
    }
}

TEST(RenderAllCommand, WritesEveryWindowAsRenderDoes)
{
    TempDir dir;
    const std::string folder = dir.file("screens");
    const CliResult r = runCli({"render", kAllKinds, "--all", "-o", folder, "--scale", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FilePath(folder)))
        names.push_back(Utf8Path(entry.path().filename()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"window-1.png", "window-5.png", "window-9.png"}));
    for (const char* number : {"1", "5", "9"}) {
        const std::string one = dir.file(std::string("one-") + number + ".png");
        ASSERT_EQ(runCli({"render", kAllKinds, "--window", number, "-o", one, "--scale", "2"}).status, 0);
        EXPECT_EQ(dir.read(std::string("screens/window-") + number + ".png"), dir.read(std::string("one-") + number + ".png"))
            << number;
    }
}

// One picture that cannot be written (a folder stands in its place) leaves none of the others, nor a
// temporary; a folder the command made for a failed run is gone again.
TEST(RenderAllCommand, WritesAllPicturesOrNone)
{
    TempDir dir;
    fs::create_directories(FilePath(dir.file("screens/window-5.png")));
    const CliResult r = runCli({"render", kAllKinds, "--all", "-o", dir.file("screens")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("window-5.png"), std::string::npos) << r.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FilePath(dir.file("screens"))))
        names.push_back(Utf8Path(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"window-5.png"});

    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"render", dir.file("none.pjz"), "--all", "-o", dir.file("new")}, 1, "none.pjz"},
        {{"render", kAllKinds, "--all", "--window", "1", "-o", dir.file("new")}, 2, "--window N or --all"},
        {{"render", kAllKinds, "--all", "-o", dir.file("no/such/new")}, 1, "no/such/new"},
    };
    for (const auto& c : cases) {
        const CliResult failed = runCli(c.args);
        EXPECT_EQ(failed.status, c.status) << c.message;
        EXPECT_NE(failed.err.find(c.message), std::string::npos) << failed.err;
        EXPECT_FALSE(fs::exists(FilePath(dir.file("new")))) << c.message;
    }
}

} // namespace
} // namespace zl::test
