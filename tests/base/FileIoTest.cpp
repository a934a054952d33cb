#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/FileIo.h"
#include "model/TempDir.h"

namespace zl::test
{
namespace
{

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The names in `dir` other than `keep`: what a write left behind.
std::vector<std::string> leftovers(const TempDir& dir, std::initializer_list<std::string> keep)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(FilePath(dir.path()))) {
        const std::string name = Utf8Path(e.path().filename());
        if (std::find(keep.begin(), keep.end(), name) == keep.end())
            names.push_back(name);
    }
    return names;
}

const Bytes kOld{1, 2, 3};
const Bytes kNew{9, 8, 7, 6};

#ifdef _WIN32
// Symbolic links need a privilege on Windows, and pipes, devices, /proc, permission bits and file size
// limits are POSIX's.
constexpr const char* kPosixOnly = "POSIX links, pipes, devices, permissions or file size limits";
#endif

} // namespace

TEST(FileIo, ReadingRefusesWhatIsNoRegularFileOrTooLargeBeforeReading)
{
    TempDir dir;
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0); // no writer: opening must not wait for one
#endif
    fs::create_directory(dir.file("folder"));
    {
        std::ofstream(dir.file("huge")).close();
        fs::resize_file(dir.file("huge"), kMaxInputFileSize + 1); // sparse: nothing is read
    }
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir.file("missing"), "No such file or directory"},
        {dir.file("folder"), "Is a directory"},
        {dir.file("huge"), "too large: 16777217 bytes, more than the 16777216 bytes"},
#ifndef _WIN32
        {dir.file("fifo"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
#endif
    };
    for (const auto& c : cases) {
        const Result<Bytes> r = ReadWholeFile(c.path);
        ASSERT_FALSE(r.ok()) << c.path;
        EXPECT_EQ(r.error().text.rfind("Open file" + c.path + " error! (", 0), 0u) << r.error().text;
        EXPECT_TRUE(contains(r.error().text, c.reason)) << r.error().text;
    }
}

TEST(FileIo, ReadingStopsAtTheLimitWhateverTheSizeSays)
{
    TempDir dir;
    dir.write("four", kNew);
    EXPECT_EQ(*ReadWholeFile(dir.file("four"), 4), kNew);
    EXPECT_FALSE(ReadWholeFile(dir.file("four"), 3).ok());
#ifndef _WIN32
    // Files under /proc report a size of 0 and are read to their end.
    const Result<Bytes> status = ReadWholeFile("/proc/self/status");
    ASSERT_TRUE(status.ok()) << status.error().text;
    EXPECT_GT(status->size(), 0u);
#endif
}

TEST(FileIo, SavingThroughALinkWritesTheFileItPointsTo)
{
#ifdef _WIN32
    GTEST_SKIP() << kPosixOnly;
#endif
    TempDir dir;
    dir.write("target.pjz", kOld);
    fs::create_directory(dir.file("sub"));
    fs::create_symlink("../target.pjz", dir.file("sub/link.pjz"));
    ASSERT_TRUE(WriteFileSafely(dir.file("sub/link.pjz"), kNew).ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("sub/link.pjz")));
    EXPECT_EQ(dir.read("target.pjz"), kNew);

    fs::create_symlink("later.pjz", dir.file("dangling.pjz"));
    ASSERT_TRUE(WriteFileSafely(dir.file("dangling.pjz"), kNew).ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.pjz")));
    EXPECT_EQ(dir.read("later.pjz"), kNew);
    EXPECT_EQ(leftovers(dir, {"target.pjz", "sub", "dangling.pjz", "later.pjz"}), std::vector<std::string>{});
}

TEST(FileIo, SavingKeepsPermissionsAndTakesNamesUpToTheLimit)
{
#ifdef _WIN32
    GTEST_SKIP() << kPosixOnly << " (and a 255-byte name passes Windows' 260-character path limit)";
#endif
    TempDir dir;
    const std::string longName = std::string(251, 'n') + ".pjz"; // 255 bytes, the file system's limit
    dir.write(longName, kOld);
    fs::permissions(dir.file(longName), fs::perms(0640));
    ASSERT_TRUE(WriteFileSafely(dir.file(longName), kNew).ok());
    EXPECT_EQ(dir.read(longName), kNew);
    EXPECT_EQ(fs::status(dir.file(longName)).permissions(), fs::perms(0640));
    EXPECT_EQ(leftovers(dir, {longName}), std::vector<std::string>{});
}

TEST(FileIo, AFailedWriteOfSeveralFilesChangesNoneAndLeavesNoTemporary)
{
    TempDir dir;
    dir.write("a", kOld);
    dir.write("b", kOld);
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
#endif
    fs::create_directory(dir.file("folder"));
    const struct {
        std::string bad;
        std::string reason;
    } cases[] = {
        {dir.file("no/such/folder/c"), "No such file or directory"},
        {dir.file("folder"), "Is a directory"},
#ifndef _WIN32
        {dir.file("fifo"), "a pipe that no process reads"},
        {"/dev/full", "No space left on device"},
        {"/proc/zl410-test.bin", "the folder /proc does not take new files"},
#endif
    };
    for (const auto& c : cases) {
        const CFileWrite files[] = {{dir.file("a"), kNew}, {c.bad, kNew}, {dir.file("b"), kNew}};
        const Status s = WriteFilesSafely(files);
        ASSERT_FALSE(s.ok()) << c.bad;
        EXPECT_EQ(s.error().text, "Open file" + c.bad + " error! (" + c.reason + ")");
        EXPECT_EQ(dir.read("a"), kOld) << c.bad;
        EXPECT_EQ(dir.read("b"), kOld) << c.bad;
        EXPECT_EQ(leftovers(dir, {"a", "b", "fifo", "folder"}), std::vector<std::string>{}) << c.bad;
    }
    const CFileWrite both[] = {{dir.file("a"), kNew}, {dir.file("b"), kOld}};
    ASSERT_TRUE(WriteFilesSafely(both).ok());
    EXPECT_EQ(dir.read("a"), kNew);
}

TEST(FileIo, AFileSizeLimitFailsTheWriteAndKeepsThePreviousFile)
{
#ifdef _WIN32
    GTEST_SKIP() << kPosixOnly;
#else
    TempDir dir;
    dir.write("p.pjz", kOld);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReportFileSizeLimitAsError(); // as the programs do
        const rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const Status s = WriteFileSafely(dir.file("p.pjz"), Bytes(4096, 0x55));
        ::_exit(!s.ok() && contains(s.error().text, "File too large") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dir.read("p.pjz"), kOld);
    EXPECT_EQ(leftovers(dir, {"p.pjz"}), std::vector<std::string>{});
#endif
}

TEST(FileIo, SameFileComparesTheRealFiles)
{
    TempDir dir;
    dir.write("a", kOld);
    dir.write("b", kOld);
    fs::create_directory(dir.file("sub"));
    fs::create_hard_link(dir.file("a"), dir.file("hard"));
#ifndef _WIN32 // and on Windows the temporary folder is on another drive than the working folder
    fs::create_symlink(dir.file("a"), dir.file("link"));
    fs::create_symlink("new", dir.file("dangling"));
    const std::string cwdRelative = fs::relative(dir.file("a")).string();
    const std::string newRelative = "./" + fs::relative(dir.file("new")).string();
#endif
    const struct {
        std::string x, y;
        bool same;
    } cases[] = {
        {dir.file("a"), dir.file("a"), true},        {dir.file("a"), dir.path() + "/./sub/../a", true},
        {dir.file("a"), dir.file("hard"), true},     {dir.file("new"), dir.path() + "/sub/../new", true},
#ifndef _WIN32
        {dir.file("a"), cwdRelative, true},          {dir.file("new"), newRelative, true},
        {dir.file("a"), dir.file("link"), true},     {dir.file("new"), dir.file("dangling"), true},
#endif
        {dir.file("a"), dir.file("b"), false},       {dir.file("a"), dir.file("new"), false},
        {dir.file("new"), dir.file("other"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameFile(c.x, c.y), c.same) << c.x << " / " << c.y;
}

TEST(FileIo, NamesInAnyScriptReachTheFileSystemWhole)
{
    TempDir dir;
    const std::string folder = dir.file("Jürgen 数据");
    ASSERT_TRUE(fs::create_directory(FilePath(folder)));
    const std::string target = folder + "/Größe 项目.pjz";
    ASSERT_TRUE(WriteFileSafely(target, kOld).ok());
    ASSERT_TRUE(WriteFileSafely(target, kNew).ok());
    EXPECT_EQ(*ReadWholeFile(target), kNew);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(FilePath(folder)))
        names.push_back(Utf8Path(e.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"Größe 项目.pjz"});
    EXPECT_TRUE(SameFile(target, dir.path() + "/./Jürgen 数据/../Jürgen 数据/Größe 项目.pjz"));
    EXPECT_FALSE(SameFile(target, folder + "/Grosse 项目.pjz"));
    const Result<Bytes> missing = ReadWholeFile(folder + "/缺少.pjz");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(contains(missing.error().text, "Open file" + folder + "/缺少.pjz error!"))
        << missing.error().text;
}

#ifdef _WIN32
// Another program (a virus scanner, an indexer, a second editor) holds the file open without letting it
// be replaced: the save waits a moment for it, and if it stays held fails and leaves everything as it was.
TEST(FileIo, SavingOverAFileHeldOpenWaitsForItOrLeavesItAsItWas)
{
    TempDir dir;
    dir.write("p.pjz", kOld);
    const auto hold = [&] {
        return CreateFileW(FilePath(dir.file("p.pjz")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };

    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        CloseHandle(held);
    });
    const Status briefly = WriteFileSafely(dir.file("p.pjz"), kNew);
    release.join();
    EXPECT_TRUE(briefly.ok()) << briefly.error().text;
    EXPECT_EQ(dir.read("p.pjz"), kNew);

    held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Status throughout = WriteFileSafely(dir.file("p.pjz"), kOld);
    CloseHandle(held);
    ASSERT_FALSE(throughout.ok());
    EXPECT_TRUE(contains(throughout.error().text, "p.pjz error!")) << throughout.error().text;
    EXPECT_EQ(dir.read("p.pjz"), kNew);
    EXPECT_EQ(leftovers(dir, {"p.pjz"}), std::vector<std::string>{});
}
#endif

} // namespace zl::test
