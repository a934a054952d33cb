#include <gtest/gtest.h>

#include <signal.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "model/TempDir.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

using namespace zl;

namespace {

constexpr std::size_t kWindowList = 131; // the window count follows the header and its reserved block

Bytes smallProject()
{
    CProject p;
    p.SetProtocol(3);
    p.AddWindow(1, "one");
    p.AddWindow(2);
    p.alarms.texts = {"a", "bc"};
    return WriteProject(p);
}

// The header of a small project followed by `windows` (count and objects) and an empty alarm list.
Bytes withWindowList(const Bytes& windows)
{
    Bytes b = smallProject();
    b.resize(kWindowList);
    b.insert(b.end(), windows.begin(), windows.end());
    const Bytes alarms(108, 0);
    b.insert(b.end(), alarms.begin(), alarms.end());
    return b;
}

Bytes announce(const std::string& name, std::uint8_t schema = 1)
{
    Bytes b{0xFF, 0xFF, schema, 0, static_cast<std::uint8_t>(name.size()), 0};
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

// Window body with no components.
Bytes emptyWindow(std::uint8_t number)
{
    Bytes b{number, 0, 0, 0, 0, 0, 0};
    b.resize(b.size() + 22, 0);
    return b;
}

Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(ProjectFileErrors, EveryTruncationIsAnErrorWithinTheData)
{
    const Bytes file = smallProject();
    for (std::size_t n = 0; n < file.size(); ++n) {
        CProject p;
        const Status s = ReadProject(Bytes(file.begin(), file.begin() + n), p);
        ASSERT_FALSE(s.ok()) << n;
        ASSERT_TRUE(s.error().offset.has_value());
        EXPECT_LE(*s.error().offset, n);
        EXPECT_EQ(p.windowCount(), 0u);
    }
    CProject p;
    Bytes longer = file;
    longer.push_back(0x55); // bytes after the alarm list are ignored
    EXPECT_TRUE(ReadProject(longer, p).ok());
}

TEST(ProjectFileErrors, MalformedWindowLists)
{
    struct Case {
        const char* what;
        Bytes windows;
        std::string message; // start of the error text
        std::size_t offset;  // relative to the window list
    };
    const std::string name63(63, 'C');
    const Case cases[] = {
        {"huge window count", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "count of 4294967295", 6},
        {"huge component count", cat({{1, 0}, announce("CMainView"), {1, 0, 0, 0, 0, 0, 0}, Bytes(20, 0),
                                      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}),
         "count of 2147483647", 50},
        {"huge text length", cat({{1, 0}, announce("CMainView"), {1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}),
         "unexpected end of file", 26},
        {"unknown class", cat({{1, 0}, announce("CWindow")}), "unknown class \"CWindow\"", 2},
        {"class name too long", cat({{1, 0}, announce(name63 + "C")}), "class name longer than 63", 2},
        {"wrong schema", cat({{1, 0}, announce("CMainView", 2)}), "class \"CMainView\" has schema 2", 2},
        {"class reference before any class", {1, 0, 0x01, 0x80}, "reference to class index 1", 2},
        {"class reference to an object", cat({{2, 0}, announce("CMainView"), emptyWindow(1), {0x02, 0x80}}),
         "reference to class index 2", 46},
        {"object read twice", cat({{2, 0}, announce("CMainView"), emptyWindow(1), {0x02, 0x00}}),
         "reference to object 2", 46},
        {"long object reference", cat({{1, 0}, {0xFF, 0x7F, 0x05, 0, 0, 0}}), "reference to object 5", 2},
        {"component class in the window list", cat({{1, 0}, announce("CChars")}), "unknown class \"CChars\"", 2},
    };
    for (const Case& c : cases) {
        CProject p;
        const Status s = ReadProject(withWindowList(c.windows), p);
        ASSERT_FALSE(s.ok()) << c.what;
        EXPECT_EQ(s.error().text.substr(0, c.message.size()), c.message) << c.what << ": " << s.error().text;
        EXPECT_EQ(s.error().offset, kWindowList + c.offset) << c.what;
        EXPECT_EQ(p.windowCount(), 0u) << c.what;
    }
}

TEST(ProjectFileErrors, NullObjectsAndLongClassReferencesAreAccepted)
{
    // A null window, then a window of a newly announced class, then one through the long class form.
    const Bytes windows = cat({{3, 0, 0, 0}, announce("CMainView"), emptyWindow(1),
                               {0xFF, 0x7F, 0x01, 0, 0, 0x80}, emptyWindow(2)});
    CProject p;
    ASSERT_TRUE(ReadProject(withWindowList(windows), p).ok());
    ASSERT_EQ(p.windowCount(), 2u);
    EXPECT_EQ(p.WindowAt(1)->number, 2);
}

TEST(ProjectFileErrors, CurrentWindowBeyondTheListSelectsTheLast)
{
    Bytes file = smallProject();
    file[8] = 9;
    CProject p;
    ASSERT_TRUE(ReadProject(file, p).ok());
    EXPECT_EQ(p.currentWindow, 1);
}

// Saving over an existing file: a failure leaves the old file and no temporary file behind.
TEST(ProjectFileErrors, FailedSaveKeepsTheOldFile)
{
    test::TempDir dir;
    const std::string target = dir.file("keep.pjz");
    const Bytes old{1, 2, 3};
    dir.write("keep.pjz", old);
    CProject p;
    p.AddWindow(1, std::string(5000, 'x'));

#ifndef _WIN32 // file size limits are POSIX's
    // A full disk: the file size limit stops the write part way.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const Status full = SaveProjectFile(target, p);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(full.ok());
    EXPECT_NE(full.error().text.find(target), std::string::npos);
    EXPECT_EQ(dir.read("keep.pjz"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
#endif

    for (const std::string& bad : {dir.file("missing/x.pjz"), dir.path(), std::string("/dev/full")})
        EXPECT_FALSE(SaveProjectFile(bad, p).ok()) << bad;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ProjectFileErrors, SaveReplacesTheFileAndKeepsItsPermissions)
{
    test::TempDir dir;
    const std::string target = dir.file("p.pjz");
    dir.write("p.pjz", {1, 2, 3});
#ifndef _WIN32
    chmod(target.c_str(), 0640);
#endif
    CProject p;
    p.AddWindow(1);
    ASSERT_TRUE(SaveProjectFile(target, p).ok());
    EXPECT_EQ(dir.read("p.pjz"), WriteProject(p));
#ifndef _WIN32 // permission bits are POSIX's
    struct stat st {};
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
