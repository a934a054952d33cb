// Every command against inputs and outputs that could hurt: devices, pipes, folders, oversized files,
// its own input through a link, a full disk and a file size limit. A refused or failed command exits 1
// with the reason, and leaves every file as it was and no temporary behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RunCli.h"
#include "base/FileIo.h"
#include "import/OldFileBuilder.h"
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

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// In front of a command: run it as an ordinary user (root becomes nobody), to whom the file system's
// permissions apply.
std::string asOrdinaryUser()
{
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

// Every name in the folder with the bytes of its regular files.
std::map<std::string, Bytes> snapshot(const TempDir& dir)
{
    std::map<std::string, Bytes> files;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        files[name] = e.is_regular_file() && !e.is_symlink() ? dir.read(name) : Bytes{};
    }
    return files;
}

// A command with the input and the output it is given in the table.
struct Command {
    const char* name;
    bool hasInput;
    bool hasOutput;
    std::vector<std::string> (*args)(const TempDir& dir, const std::string& in, const std::string& out);
};

const Command kCommands[] = {
    {"check", true, false,
     [](const TempDir&, const std::string& in, const std::string&) {
         return std::vector<std::string>{"check", in};
     }},
    {"dump", true, false,
     [](const TempDir&, const std::string& in, const std::string&) {
         return std::vector<std::string>{"dump", in};
     }},
    {"resave", true, true,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"resave", in, out};
     }},
    {"convert", true, true,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"convert", in, "-o", out};
     }},
    // The image fails while the driver and the map would succeed, and the other way round.
    {"compile -o", true, true,
     [](const TempDir& dir, const std::string& in, const std::string& out) {
         return std::vector<std::string>{
             "compile", in, "-o", out, "--driver", dir.file("driver.bin"), "--map", dir.file("map.json")};
     }},
    {"compile --map", true, true,
     [](const TempDir& dir, const std::string& in, const std::string& out) {
         return std::vector<std::string>{
             "compile", in, "-o", dir.file("image.bin"), "--driver", dir.file("driver.bin"), "--map", out};
     }},
    {"render", true, true,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"render", in, "--window", "1", "-o", out};
     }},
    {"render --all", true, false,
     [](const TempDir& dir, const std::string& in, const std::string&) {
         return std::vector<std::string>{"render", in, "--all", "-o", dir.file("screens")};
     }},
    {"report", true, true,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"report", in, "-o", out};
     }},
    {"simulate", true, true,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"simulate", in, "-o", out};
     }},
    {"simulate --image", true, false,
     [](const TempDir&, const std::string& in, const std::string& out) {
         return std::vector<std::string>{"simulate", "--image", in, "-o", out};
     }},
    {"new", false, true,
     [](const TempDir&, const std::string&, const std::string& out) {
         return std::vector<std::string>{"new", "--protocol", "3", "-o", out};
     }},
    {"download --image", true, false,
     [](const TempDir&, const std::string& in, const std::string&) {
         return std::vector<std::string>{"download", "--image", in, "--port", "/dev/zl410-none"};
     }},
    {"download", true, false,
     [](const TempDir&, const std::string& in, const std::string&) {
         return std::vector<std::string>{"download", in, "--port", "/dev/zl410-none"};
     }},
};

class HostileFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::setenv("ZL410_CONFIG_DIR", config.path().c_str(), 1); // the In.dat a compile writes
        fs::copy_file(ZL410_TEST_DATA_DIR "/pjz/all-kinds.pjz", dir.file("p.pjz"));
        OldProject old;
        for (std::uint16_t n = 1; n <= 20; ++n)
            old.windows.push_back({n, "Window " + std::to_string(n), 0, 0, {}});
        dir.write("old.olz", old.bytes());
        for (const char* name : {"out", "image.bin", "driver.bin", "map.json"})
            dir.write(name, stringToBytes(std::string("previous ") + name));
    }
    void TearDown() override { ::unsetenv("ZL410_CONFIG_DIR"); }

    // The input a command reads: the old project for convert, the project for the others.
    std::string input(const Command& c) const
    {
        return dir.file(std::string(c.name) == "convert" ? "old.olz" : "p.pjz");
    }

    TempDir config;
    TempDir dir;
};

} // namespace

TEST_F(HostileFiles, InputsThatAreNoProjectFileAreRefusedBeforeReading)
{
    TempDir hostile; // apart from the files that must stay unchanged
    ASSERT_EQ(::mkfifo(hostile.file("fifo").c_str(), 0600), 0);
    fs::create_directory(hostile.file("folder"));
    std::ofstream(hostile.file("huge")).close();
    fs::resize_file(hostile.file("huge"), kMaxInputFileSize + 1);
    const struct {
        std::string path;
        std::string reason;
    } inputs[] = {
        {"/dev/zero", "(not a regular file)"},
        {hostile.file("fifo"), "(not a regular file)"},
        {hostile.file("folder"), "(Is a directory)"},
        {hostile.file("huge"), "(too large: 16777217 bytes"},
    };
    for (const Command& c : kCommands) {
        if (!c.hasInput)
            continue;
        for (const auto& in : inputs) {
            const auto before = snapshot(dir);
            const CliResult r = runCli(c.args(dir, in.path, dir.file("out")), "timeout 60 ");
            EXPECT_EQ(r.status, 1) << c.name << " " << in.path;
            EXPECT_TRUE(contains(r.err, "Open file" + in.path + " error! " + in.reason))
                << c.name << ": " << r.err;
            EXPECT_EQ(occurrences(r.err, in.path), 1u) << c.name << ": the path once, in " << r.err;
            EXPECT_EQ(snapshot(dir), before) << c.name << " " << in.path;
        }
    }
}

TEST_F(HostileFiles, OutputsThatCannotBeWrittenLeaveEveryFileAsItWas)
{
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder"));
    const struct {
        std::string path;
        std::string shell; // in front of the command
        std::string message;
    } outputs[] = {
        {dir.file("folder"), "", "Open file" + dir.file("folder") + " error! (Is a directory)"},
        {dir.file("fifo"), "", "Open file" + dir.file("fifo") + " error! (a pipe that no process reads)"},
        {"/dev/full", "", "Open file/dev/full error! (No space left on device)"},
        {"/proc/zl410-out", "", "error! (the folder /proc does not take new files)"},
        {dir.file("link"), "", "is the same file as the input"},
        {dir.file("out"), "ulimit -f 0; ", " error! (File too large)"},
    };
    for (const Command& c : kCommands) {
        if (!c.hasOutput)
            continue;
        if (c.hasInput)
            fs::create_symlink(input(c), dir.file("link"));
        for (const auto& out : outputs) {
            if (!c.hasInput && out.path == dir.file("link"))
                continue;
            const auto before = snapshot(dir);
            // With a file size limit even the message file cannot grow: messages come through the pipe.
            const CliResult r = runCli(c.args(dir, input(c), out.path), out.shell + "timeout 60 ", " 2>&1");
            EXPECT_EQ(r.status, 1) << c.name << " " << out.path;
            EXPECT_TRUE(contains(r.out + r.err, out.message)) << c.name << ": " << r.out << r.err;
            EXPECT_EQ(snapshot(dir), before) << c.name << " " << out.path;
        }
        fs::remove(dir.file("link"));
    }
}

// The shell's rule: an output the user may not write in place is not replaced either, and a write of
// several outputs checks them all before it replaces any.
TEST_F(HostileFiles, OutputsTheUserMayNotReplaceAreRefusedAndLeaveEveryFileAsItWas)
{
    const bool root = ::geteuid() == 0;
    for (const TempDir* folder : {&dir, &config})
        fs::permissions(folder->path(), fs::perms::all); // the ordinary user's temporaries and In.dat
    dir.write("read-only.pjz", stringToBytes("previous read-only.pjz"));
    fs::permissions(dir.file("read-only.pjz"), fs::perms(0444));
    // Someone else's map in a folder with the sticky bit: the user may write it, not replace it.
    fs::create_directory(dir.file("shared"));
    fs::permissions(dir.file("shared"), fs::perms(01777));
    dir.write("shared/map.json", stringToBytes("previous map"));
    for (const char* name : {"image.bin", "driver.bin", "shared/map.json"})
        fs::permissions(dir.file(name), fs::perms(0666));

    const std::string readOnly = "Open file" + dir.file("read-only.pjz") + " error! (Permission denied)";
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    std::vector<Case> cases{
        {{"resave", dir.file("p.pjz"), dir.file("read-only.pjz")}, readOnly},
        {{"new", "--protocol", "3", "-o", dir.file("read-only.pjz")}, readOnly},
        {{"convert", dir.file("old.olz"), "-o", dir.file("read-only.pjz")}, readOnly},
    };
    if (root) // else the map would be the user's own
        cases.push_back({{"compile", dir.file("p.pjz"), "-o", dir.file("image.bin"), "--driver",
                          dir.file("driver.bin"), "--map", dir.file("shared/map.json")},
                         "Open file" + dir.file("shared/map.json") +
                             " error! (Operation not permitted: in this folder only the file's owner may "
                             "replace it)"});
    for (const Case& c : cases) {
        const auto before = snapshot(dir);
        const CliResult r = runCli(c.args, asOrdinaryUser() + "timeout 60 ");
        EXPECT_EQ(r.status, 1) << c.args[0] << ": " << r.err;
        EXPECT_TRUE(contains(r.err, c.message)) << c.args[0] << ": " << r.err;
        EXPECT_EQ(snapshot(dir), before) << c.args[0];
        EXPECT_EQ(dir.read("shared/map.json"), stringToBytes("previous map"));
    }
    if (!root)
        GTEST_SKIP() << "someone else's file in a folder with the sticky bit needs root to be made";
}

// "In.dat" and the settings file of the COM entries are read as every input is: a pipe, a folder or a
// huge file fails the commands that read it at once, and is left as it is.
TEST_F(HostileFiles, SettingsFilesThatAreNoSettingsFilesFailTheCommandsThatReadThem)
{
    const std::string project = dir.file("p.pjz");
    const struct {
        std::vector<std::string> args;
        bool readsComSettings;
    } commands[] = {
        {{"check", project}, false},
        {{"compile", project, "-o", dir.file("image.bin")}, false},
        {{"simulate", project, "-o", dir.file("screen.png")}, false},
        {{"download", project, "--port", "/dev/zl410-none"}, true}, // its tick
        {{"ports"}, true},
    };
    const struct {
        const char* kind;
        std::string reason;
        void (*make)(const std::string& path);
    } kinds[] = {
        {"fifo", "not a regular file",
         [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"folder", "Is a directory", [](const std::string& path) { fs::create_directory(path); }},
        {"huge", "too large: 65537 bytes",
         [](const std::string& path) {
             std::ofstream(path).close();
             fs::resize_file(path, kMaxSettingsFileSize + 1);
         }},
    };
    for (const std::string name : {"In.dat", "zl410.conf"}) {
        for (const auto& kind : kinds) {
            const std::string path = config.file(name);
            kind.make(path);
            const auto typeBefore = fs::symlink_status(path).type();
            for (const auto& c : commands) {
                const bool reads = name == "In.dat" || c.readsComSettings;
                const auto before = snapshot(dir);
                const CliResult r = runCli(c.args, "timeout 60 ");
                const std::string what = name + " " + kind.kind + ", " + c.args[0];
                EXPECT_EQ(r.status, reads ? 1 : 0) << what << ": " << r.err;
                if (reads) {
                    EXPECT_TRUE(contains(r.err, "Open file" + path + " error! (" + kind.reason))
                        << what << ": " << r.err;
                    EXPECT_EQ(snapshot(dir), before) << what;
                }
            }
            EXPECT_EQ(fs::symlink_status(path).type(), typeBefore) << name << " " << kind.kind;
            if (fs::is_regular_file(path)) {
                EXPECT_EQ(fs::file_size(path), kMaxSettingsFileSize + 1);
            }
            fs::remove(path);
        }
    }
}

// panel-sim writes its dump when it ends: a path that cannot take it stops it at the start.
TEST_F(HostileFiles, APanelSimulatorDumpThatCannotBeWrittenStopsItAtOnce)
{
    fs::create_directory(dir.file("folder"));
    const struct {
        std::string path;
        std::string reason;
    } dumps[] = {
        {dir.file("folder"), "Is a directory"},
        {dir.file("none/memory.bin"), "No such file or directory"},
        {"/proc/zl410-memory.bin", "the folder /proc does not take new files"},
    };
    for (const auto& d : dumps) {
        const CliResult r = runCli({"panel-sim", "--pty", "--dump", d.path}, "timeout 20 ");
        EXPECT_EQ(r.status, 1) << d.path << ": " << r.err;
        EXPECT_EQ(r.err, "zl410-cli: Open file" + d.path + " error! (" + d.reason + ")\n");
        EXPECT_EQ(r.out, "") << "no device offered";
    }
}

TEST_F(HostileFiles, OutputsMayNotBeEachOther)
{
    const auto before = snapshot(dir);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"compile", dir.file("p.pjz"), "-o", dir.file("new.bin"), "--driver", dir.path() + "/./new.bin"},
             {"compile", dir.file("p.pjz"), "-o", dir.file("image.bin"), "--map",
              dir.path() + "/../" + fs::path(dir.path()).filename().string() + "/image.bin"},
         }) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 1) << args[5];
        EXPECT_TRUE(contains(r.err, "is the same file as the output")) << r.err;
    }
    EXPECT_EQ(snapshot(dir), before);
}

TEST_F(HostileFiles, AFailedWriteOnStandardOutputFailsTheCommand)
{
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"dump", dir.file("p.pjz")}, {"tables", "--protocol", "31"}, {"protocols"}}) {
        const CliResult full = runCli(args, "", " >/dev/full");
        EXPECT_EQ(full.status, 1) << args[0];
        EXPECT_TRUE(contains(full.err, "cannot write the standard output: No space left on device"))
            << full.err;

        // A pipe whose reader has gone.
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        ::close(pipeFds[0]);
        const pid_t pid = spawnCli(args, pipeFds[1], dir.file("err"));
        ASSERT_GT(pid, 0);
        ::close(pipeFds[1]);
        int raw = 0;
        ::waitpid(pid, &raw, 0);
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << args[0] << " " << raw;
        EXPECT_TRUE(
            contains(bytesToString(dir.read("err")), "cannot write the standard output: Broken pipe"));
        fs::remove(dir.file("err"));
    }
}

} // namespace zl::test
