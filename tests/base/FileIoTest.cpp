#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/FileIo.h"
#include "base/FileIoSystem.h"
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
#else
// Runs `check` in a child process as an ordinary user (root becomes nobody) and returns what it
// reports: empty when all went as expected.
std::string asOrdinaryUser(const std::function<std::string()>& check)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string report;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            report = "cannot become nobody";
        else
            report = check();
        const ssize_t written = ::write(fds[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : report + " (the child failed)";
}

// What a write that must fail did wrong: it succeeded, or said something other than `message`.
std::string refusal(const Status& s, const std::string& message)
{
    if (s.ok())
        return "written, though it should have been refused; ";
    return s.error().text == message ? "" : "refused with \"" + s.error().text + "\"; ";
}
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

TEST(FileIo, AReplacedFileKeepsItsModeGroupAndOwner)
{
#ifdef _WIN32
    GTEST_SKIP() << kPosixOnly;
#else
    TempDir dir;
    dir.write("p.pjz", kOld);
    ::chmod(dir.file("p.pjz").c_str(), 0640);
    uid_t owner = ::geteuid();
    gid_t group = ::getegid();
    if (::geteuid() == 0) {
        owner = 12345, group = 23456;
    } else {
        // Another of the user's groups, when there is one.
        gid_t groups[64];
        const int n = ::getgroups(64, groups);
        for (int i = 0; i < n; ++i)
            if (groups[i] != group) {
                group = groups[i];
                break;
            }
    }
    ASSERT_EQ(::chown(dir.file("p.pjz").c_str(), owner, group), 0);
    ASSERT_TRUE(WriteFileSafely(dir.file("p.pjz"), kNew).ok());
    struct stat st {
    };
    ASSERT_EQ(::stat(dir.file("p.pjz").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(dir.read("p.pjz"), kNew);
#endif
}

// The shell's rule: a file the user may not write in place is not replaced either, though its folder
// would let a rename do it. Root may write a read-only file, and so may replace it.
TEST(FileIo, AFileTheUserMayNotWriteInPlaceIsNotReplaced)
{
    TempDir dir;
    dir.write("read-only.pjz", kOld);
#ifdef _WIN32
    const std::wstring name = FilePath(dir.file("read-only.pjz")).wstring();
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    const Status s = WriteFileSafely(dir.file("read-only.pjz"), kNew);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().text,
              "Open file" + dir.file("read-only.pjz") + " error! (Permission denied: the file is read-only)");
    EXPECT_EQ(dir.read("read-only.pjz"), kOld);
#else
    const bool root = ::geteuid() == 0;
    ::chmod(dir.path().c_str(), 0777); // the folder takes anybody's files
    ::chmod(dir.file("read-only.pjz").c_str(), 0444);
    // In a folder with the sticky bit, a file of someone else, which the user may write but not replace.
    fs::create_directory(dir.file("sticky"));
    ::chmod(dir.file("sticky").c_str(), 01777);
    dir.write("sticky/theirs.json", kOld);
    ::chmod(dir.file("sticky/theirs.json").c_str(), 0666);

    const std::string report = asOrdinaryUser([&] {
        std::string wrong = refusal(WriteFileSafely(dir.file("read-only.pjz"), kNew),
                                    "Open file" + dir.file("read-only.pjz") + " error! (Permission denied)");
        if (root) { // else the user's own file, which they may replace
            const CFileWrite both[] = {{dir.file("sticky/mine.bin"), kNew},
                                       {dir.file("sticky/theirs.json"), kNew}};
            wrong +=
                refusal(WriteFilesSafely(both), "Open file" + dir.file("sticky/theirs.json") +
                                                    " error! (Operation not permitted: in this folder only "
                                                    "the file's owner may replace it)");
        }
        return wrong;
    });
    EXPECT_EQ(report, "");
    EXPECT_EQ(dir.read("read-only.pjz"), kOld);
    EXPECT_EQ(dir.read("sticky/theirs.json"), kOld);
    EXPECT_EQ(leftovers(dir, {"read-only.pjz", "sticky"}), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(dir.file("sticky/mine.bin")));
    if (!root)
        GTEST_SKIP() << "the file of someone else in a folder with the sticky bit needs root to be made";

    ASSERT_TRUE(WriteFileSafely(dir.file("read-only.pjz"), kNew).ok());
    EXPECT_EQ(dir.read("read-only.pjz"), kNew);
    EXPECT_EQ(fs::status(dir.file("read-only.pjz")).permissions(), fs::perms(0444));
#endif
}

// A rename that fails after others succeeded (another program holding the file, a folder changed in
// between) puts back every file the write already replaced.
TEST(FileIo, AWriteOfSeveralFilesPutsBackWhatItReplacedWhenALaterRenameFails)
{
    TempDir dir;
    dir.write("a", kOld);
    dir.write("c", kOld);
    fs::create_hard_link(FilePath(dir.file("a")), FilePath(dir.file("a2"))); // stays the same file
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp"})
        dir.write(name, kNew);
    const fileio::CStaged staged[] = {{"A", dir.file("a.tmp"), dir.file("a")},
                                      {"B", dir.file("b.tmp"), dir.file("b")},
                                      {"C", dir.file("c.tmp"), dir.file("c")}};
    std::vector<std::string> replaced;
    const Status s = fileio::replaceAll(staged, [&](const std::string& tempPath, const std::string& target) {
        if (target == dir.file("c"))
            return Status(makeError("refused"));
        replaced.push_back(target);
        return fileio::replaceWith(tempPath, target);
    });
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().text, "Open fileC error! (refused)");
    EXPECT_EQ(replaced, (std::vector<std::string>{dir.file("a"), dir.file("b")}));
    EXPECT_EQ(dir.read("a"), kOld);
    EXPECT_FALSE(fs::exists(dir.file("b")));
    EXPECT_EQ(dir.read("c"), kOld);
    EXPECT_TRUE(fs::equivalent(FilePath(dir.file("a")), FilePath(dir.file("a2"))));
    // The temporary not put in place is the caller's; nothing else is left.
    EXPECT_EQ(leftovers(dir, {"a", "a2", "c"}), std::vector<std::string>{"c.tmp"});

    dir.write("a.tmp", kNew);
    dir.write("b.tmp", kNew);
    ASSERT_TRUE(fileio::replaceAll(staged, fileio::replaceWith).ok());
    EXPECT_EQ(dir.read("a"), kNew);
    EXPECT_EQ(dir.read("b"), kNew);
    EXPECT_EQ(dir.read("c"), kNew);
    EXPECT_EQ(leftovers(dir, {"a", "a2", "b", "c"}), std::vector<std::string>{});
}

TEST(FileIo, SettingsFilesAreSmallRegularFilesOrNone)
{
    TempDir dir;
    dir.write("In.dat", {4, 1});
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0); // no writer: opening must not wait for one
#endif
    fs::create_directory(dir.file("folder"));
    std::ofstream(dir.file("huge")).close();
    fs::resize_file(dir.file("huge"), kMaxSettingsFileSize + 1);

    const Result<std::optional<Bytes>> present = ReadSettingsFile(dir.file("In.dat"));
    ASSERT_TRUE(present.ok());
    EXPECT_EQ(*present, Bytes({4, 1}));
    const Result<std::optional<Bytes>> missing = ReadSettingsFile(dir.file("missing.conf"));
    ASSERT_TRUE(missing.ok());
    EXPECT_EQ(*missing, std::nullopt);
    const struct {
        std::string path;
        std::string reason;
    } refused[] = {
        {dir.file("folder"), "Is a directory"},
        {dir.file("huge"), "too large: 65537 bytes, more than the 65536 bytes"},
#ifndef _WIN32
        {dir.file("fifo"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
#endif
    };
    for (const auto& c : refused) {
        const auto r = ReadSettingsFile(c.path);
        ASSERT_FALSE(r.ok()) << c.path;
        EXPECT_EQ(r.error().text.rfind("Open file" + c.path + " error! (" + c.reason, 0), 0u)
            << r.error().text;
    }
}

TEST(FileIo, CheckingAWriteAheadLeavesEverythingAsItWas)
{
    TempDir dir;
    dir.write("p.pjz", kOld);
    fs::create_directory(dir.file("folder"));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
#endif
    const struct {
        std::string path;
        std::string reason; // empty: the write could go ahead
    } cases[] = {
        {dir.file("p.pjz"), ""},
        {dir.file("new.bin"), ""},
        {dir.file("folder"), "Is a directory"},
        {dir.file("no/such/folder/m.bin"), "No such file or directory"},
#ifndef _WIN32
        {dir.file("fifo"), ""}, // written in place when the time comes
        {"/proc/zl410-test.bin", "the folder /proc does not take new files"},
#endif
    };
    for (const auto& c : cases) {
        const Status s = CheckWritable(c.path);
        const std::string said = s.ok() ? "" : s.error().text;
        EXPECT_EQ(said, c.reason.empty() ? "" : "Open file" + c.path + " error! (" + c.reason + ")");
    }
    EXPECT_EQ(dir.read("p.pjz"), kOld);
    EXPECT_EQ(leftovers(dir, {"p.pjz", "folder", "fifo"}), std::vector<std::string>{});
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
    // Written with another file that is replaced first: that one is put back.
    dir.write("q.pjz", kOld);
    const CFileWrite both[] = {{dir.file("q.pjz"), kNew}, {dir.file("p.pjz"), kOld}};
    const Status throughout = WriteFilesSafely(both);
    CloseHandle(held);
    ASSERT_FALSE(throughout.ok());
    EXPECT_TRUE(contains(throughout.error().text, "p.pjz error!")) << throughout.error().text;
    EXPECT_EQ(dir.read("p.pjz"), kNew);
    EXPECT_EQ(dir.read("q.pjz"), kOld);
    EXPECT_EQ(leftovers(dir, {"p.pjz", "q.pjz"}), std::vector<std::string>{});
}
#endif

} // namespace zl::test
