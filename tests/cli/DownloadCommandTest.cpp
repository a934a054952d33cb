// zl410-cli download against zl410-cli panel-sim on a pseudo-terminal pair, as a user would run them.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "RunCli.h"
#include "components/CChars.h"
#include "components/CRegister.h"
#include "plc/CProtocolCatalogue.h"
#include "download/TestImages.h"
#include "image/ImageProjects.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace zl::test
{
namespace
{

namespace fs = std::filesystem;

// zl410-cli running in the background with its standard output on a pipe.
class Background
{
public:
    explicit Background(const std::vector<std::string>& args)
    {
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("pipe");
        ::fcntl(out[0], F_SETFD, FD_CLOEXEC);
        m_pid = spawnCli(args, out[1]);
        ::close(out[1]);
        if (m_pid < 0)
            throw std::runtime_error("posix_spawn");
        m_out = ::fdopen(out[0], "r");
    }
    ~Background()
    {
        if (m_pid > 0)
            stop(SIGKILL);
    }

    std::string firstLine()
    {
        char line[256] = {};
        return std::fgets(line, sizeof line, m_out) ? std::string(line, std::strcspn(line, "\n")) : "";
    }
    // Sends `signal` and returns the exit status (-1 when killed by a signal).
    int stop(int signal)
    {
        ::kill(m_pid, signal);
        return wait();
    }
    int wait()
    {
        int raw = 0;
        ::waitpid(m_pid, &raw, 0);
        m_pid = -1;
        std::fclose(m_out);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

private:
    pid_t m_pid = -1;
    FILE* m_out = nullptr;
};

class DownloadCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("zl410-download-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        CProject project;
        project.SetProtocol(3); // the protocol the image names
        CMainView& w = *project.WindowAt(project.AddWindow(1));
        for (int y = 0; y < 64; y += 16)
            addAt<CChars>(project, w, 0, y, "A line of text");
        image = compileImage(project);
        write("image.bin", image);
        write("driver.bin", pattern(700, 0x44));
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    Bytes memory() const
    {
        std::ifstream in(path("memory.bin"), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    Bytes at(const Bytes& memory, std::size_t offset, std::size_t n) const
    {
        return Bytes(memory.begin() + offset, memory.begin() + offset + n);
    }
    std::vector<std::string> simArgs(std::vector<std::string> faults = {}) const
    {
        std::vector<std::string> args{"panel-sim", "--pty", "--dump", path("memory.bin")};
        args.insert(args.end(), faults.begin(), faults.end());
        return args;
    }
    std::vector<std::string> downloadArgs(const std::string& port, std::vector<std::string> more) const
    {
        std::vector<std::string> args{"--data-dir", ZL410_BUILD_DATA_DIR, "download",
                                      "--image",    path("image.bin"),    "--port",
                                      port,         "--tick-ms",          "2"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    fs::path dir;
    Bytes image;
};

} // namespace

TEST_F(DownloadCommand, WritesTheImageAndTheDriverIntoTheSimulatedPanel)
{
    Background sim(simArgs());
    const std::string port = sim.firstLine();
    ASSERT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;

    const auto given = runCli(downloadArgs(port, {"--driver", path("driver.bin")}));
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_NE(given.out.find("Download complete!Data " + std::to_string(image.size()) + " bytes"),
              std::string::npos)
        << given.out;
    EXPECT_NE(given.out.find("Panel: VT306 V4"), std::string::npos);

    // Without --driver the image's protocol picks the catalogue's driver, which replaces the first one.
    const auto catalogued = runCli(downloadArgs(port, {}));
    EXPECT_EQ(catalogued.status, 0) << catalogued.err;
    ASSERT_EQ(sim.stop(SIGTERM), 0);

    const auto driver =
        CProtocolCatalogue::LoadDriver(CProtocolCatalogue::cataloguePath(ZL410_BUILD_DATA_DIR), 3);
    ASSERT_TRUE(driver.ok());
    const Bytes m = memory();
    ASSERT_EQ(m.size(), 0x10000u);
    EXPECT_EQ(at(m, 0x8000, image.size()), withValidMark(image));
    EXPECT_EQ(at(m, 0, driver->bytes.size()), driver->bytes);
}

TEST_F(DownloadCommand, CompilesAProjectFileAndWritesItsImage)
{
    ::setenv("ZL410_CONFIG_DIR", dir.c_str(), 1); // the In.dat the compile writes
    CProject project;
    project.SetProtocol(3);
    project.AddWindow(1);
    project.WindowAt(0)->AppendComponent(std::make_unique<CChars>(3, CPoint{0, 0}, "Hi"));
    project.WindowAt(0)->AppendComponent(std::make_unique<CRegister>(3, CPoint{0, 36}));
    ASSERT_TRUE(SaveProjectFile(path("plant.pjz"), project).ok());
    const auto compiled = runCli({"--data-dir", ZL410_BUILD_DATA_DIR, "compile", path("plant.pjz"), "-o",
                                  path("compiled.bin"), "--driver", path("compiled-driver.bin")});
    ASSERT_EQ(compiled.status, 0) << compiled.err;

    Background sim(simArgs());
    const auto r = runCli({"--data-dir", ZL410_BUILD_DATA_DIR, "download", path("plant.pjz"), "--port",
                           sim.firstLine(), "--tick-ms", "2"});
    ::unsetenv("ZL410_CONFIG_DIR");
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(sim.stop(SIGTERM), 0);
    std::ifstream in(path("compiled.bin"), std::ios::binary);
    const Bytes image((std::istreambuf_iterator<char>(in)), {});
    std::ifstream driverIn(path("compiled-driver.bin"), std::ios::binary);
    const Bytes driver((std::istreambuf_iterator<char>(driverIn)), {});
    EXPECT_NE(r.out.find("Download complete!Data " + std::to_string(image.size()) + " bytes"),
              std::string::npos)
        << r.out;
    const Bytes m = memory();
    ASSERT_EQ(m.size(), 0x10000u);
    EXPECT_EQ(at(m, 0x8000, image.size()), withValidMark(image)) << "the image, made valid by the last frame";
    EXPECT_EQ(at(m, 0, driver.size()), driver);
}

TEST_F(DownloadCommand, FailureAndCtrlCLeaveTheImageInvalid)
{
    {
        Background sim(simArgs({"--silent-after", "10"}));
        const auto r = runCli(downloadArgs(sim.firstLine(), {}));
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("延时越界 (time-out: the panel stopped answering)"), std::string::npos) << r.err;
        ASSERT_EQ(sim.stop(SIGINT), 0);
        EXPECT_EQ(at(memory(), 0x8000, 2), (Bytes{0xFF, 0xFF}));
    }
    {
        // Paced at 115200 baud the download takes over half a second; Ctrl+C comes well before its end.
        Background sim(simArgs({"--wire-time"}));
        Background download(downloadArgs(sim.firstLine(), {"--force-driver"}));
        EXPECT_EQ(download.firstLine(), "progress 0%");
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(download.stop(SIGINT), 1);
        ASSERT_EQ(sim.stop(SIGINT), 0);
        EXPECT_EQ(at(memory(), 0x8000, 2), (Bytes{0xFF, 0xFF}));
    }
}

TEST_F(DownloadCommand, ASilentPanelIsGivenUpWhenNobodyCanPressCtrlC)
{
    Background sim(simArgs({"--ignore-handshakes", "1000000000"}));
    const auto r = runCli(downloadArgs(sim.firstLine(), {"--give-up-after", "1"}), "timeout 60 ", " </dev/null");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("No Response!!! (the panel does not answer; still trying for 1 s"), std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("Communication Error!!!"), std::string::npos) << r.err;
    ASSERT_EQ(sim.stop(SIGTERM), 0);
    EXPECT_EQ(at(memory(), 0x8000, 2), (Bytes{0xFF, 0xFF}));
}

TEST_F(DownloadCommand, ArgumentAndPortErrors)
{
    write("short.bin", pattern(47, 1));
    write("large.bin", pattern(32769, 1));
    write("empty.bin", {});
    // A picture renamed, and images the panel could not run: refused as the virtual panel refuses them.
    Bytes picture{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    picture.resize(563, 0x5A);
    write("picture.bin", picture);
    Bytes windows = image;
    windows[16] = windows[17] = 0xFF;
    write("windows.bin", windows);
    write("cut.bin", Bytes(image.begin(), image.end() - 1));
    Bytes project = image;
    std::copy_n("\x08Zentu\x0C\x01", 8, project.begin());
    write("project.pjz", project);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"download"}, 2, "give one project file, or --image"},
        {{"download", "a.pjz", "--image", "x.bin"}, 2, "give one project file, or --image"},
        {{"download", "a.pjz", "--driver", "d.bin"}, 2, "--driver and --protocol go with --image"},
        {{"download", "--image", "x.bin", "--tick-ms", "0"}, 2, "--tick-ms takes a number from 1 to 1000"},
        {{"download", "--image", path("image.bin"), "--port", "/dev/zl410-none"},
         1,
         "Cannot open the serial port /dev/zl410-none!"},
        {{"download", "--image", path("missing.bin"), "--port", "/dev/null"},
         1,
         "Open file" + path("missing.bin") + " error! (No such file or directory)"},
        // Files that cannot be what they are named as are refused before the port is opened.
        {{"download", "--image", path("short.bin"), "--port", "/dev/zl410-none"},
         1,
         "shorter than its 48-byte header"},
        {{"download", "--image", path("picture.bin"), "--port", "/dev/zl410-none"},
         1,
         path("picture.bin") + ": Not a download image: it does not begin with the bytes FF FF"},
        {{"download", "--image", path("windows.bin"), "--port", "/dev/zl410-none"},
         1,
         "window table of 65535 windows"},
        {{"download", "--image", path("cut.bin"), "--port", "/dev/zl410-none"}, 1, "lies outside the image"},
        {{"download", "--image", path("large.bin"), "--port", "/dev/zl410-none"},
         1,
         "(too large: 32769 bytes"},
        {{"download", "--image", path("project.pjz"), "--port", "/dev/zl410-none"}, 1, "is a project file"},
        {{"download", "--image", path("image.bin"), "--driver", path("empty.bin"), "--port",
          "/dev/zl410-none"},
         1,
         "empty.bin is empty"},
        // Numbers are whole decimal numbers within their range, and the message names the option.
        {{"download", "--image", "x.bin", "--protocol", "4294967299"},
         2,
         "--protocol takes a number from 1 to 255"},
        {{"download", "--image", "x.bin", "--protocol", "3abc"}, 2, "--protocol takes a number"},
        {{"download", "--image", "x.bin", "--protocol", " 3"}, 2, "--protocol takes a number"},
        {{"download", "--image", "x.bin", "--tick-ms", "1e2"}, 2, "--tick-ms takes a number"},
        {{"download", "--image", "x.bin", "--give-up-after", "-1"}, 2, "--give-up-after takes a number"},
        {{"download", "--image"}, 2, "--image needs a value"},
        {{"download", "--image", "--port", "/dev/null"}, 2, "--image needs a value"},
        {{"panel-sim"}, 2, "give either --port DEVICE or --pty"},
        {{"panel-sim", "--pty", "--drop-every", "x"}, 2, "--drop-every takes a number"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--data-dir", ZL410_BUILD_DATA_DIR};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = runCli(args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace zl::test
