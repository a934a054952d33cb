// zl410-cli download: compiles a project (or takes a compiled image) and writes it, with the protocol's
// driver when the panel needs it, into the panel over a serial port.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <unistd.h>

#include "cli/Cli.h"
#include "cli/CompileProject.h"
#include "cli/Interrupt.h"
#include "download/CDownloadTransfer.h"
#include "plc/CToolSettings.h"
#include "qt/CDataPaths.h"
#include "platform/CSerialPort.h"
#include "qt/CSerialSettings.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "download",
    "(FILE.pjz | --image IMAGE.bin [--driver DRIVER.bin] [--protocol N]) [--port DEVICE] [--force-driver] "
    "[--accept-limit-repair] [--tick-ms N]",
    "write a project into the panel; --image sends a compiled image (driver from --driver, else the "
    "catalogue's for --protocol or the image's protocol); the port defaults to COM Selection's; Ctrl+C "
    "cancels",
    run};

// What a download sends: the image for address 0x8000 and the driver of the project's protocol.
struct DownloadInput {
    Bytes image;
    CDriver driver;
};

// The transfer's own messages ("failed!" and the catalogue's) go to stderr; it asks no questions.
class CliPrompter : public CPrompter
{
public:
    void message(const std::string& text, const std::string& caption) override
    {
        std::fprintf(stderr, "zl410-cli: %s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ",
                     text.c_str());
    }
    bool askOkCancel(const std::string& text, const std::string& caption) override
    {
        message(text, caption);
        return true;
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override
    {
        message(text, caption);
        return Answer::Cancel;
    }
};

// The project file's way in: compiled into the image, with its protocol's driver from the catalogue.
Result<DownloadInput> compileProject(const std::string& path, const std::string& dataDir,
                                     bool acceptLimitRepair)
{
    auto compiled = compileProjectFile(path, dataDir, acceptLimitRepair);
    if (!compiled)
        return compiled.error();
    return DownloadInput{std::move(compiled->image), std::move(compiled->driver)};
}

Result<Bytes> readArea(const std::string& path, const char* what)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        return makeError("Cannot read the " + std::string(what) + " " + path + ": " + ec.message());
    if (size > kPanelAreaSize)
        return makeError("The " + std::string(what) + " " + path + " is " + std::to_string(size) +
                         " bytes, more than the 32768 bytes the panel holds!");
    std::ifstream in(path, std::ios::binary);
    Bytes bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in)
        return makeError("Cannot read the " + std::string(what) + " " + path);
    return bytes;
}

// A compiled image names its protocol and driver version in header bytes 12 and 13.
Result<DownloadInput> imageInput(const std::string& imagePath, const std::optional<std::string>& driverPath,
                                 std::optional<unsigned> protocol, const std::string& dataDir)
{
    auto image = readArea(imagePath, "image");
    if (!image)
        return image.error();
    DownloadInput input{std::move(*image), {}};
    if (!protocol && input.image.size() <= kHeaderDriverVersion)
        return makeError("The image " + imagePath + " is too short to name its protocol; give --protocol N.");
    const auto number = static_cast<std::uint8_t>(protocol ? *protocol : input.image[kHeaderProtocol]);
    if (driverPath) {
        auto bytes = readArea(*driverPath, "driver");
        if (!bytes)
            return bytes.error();
        input.driver.bytes = std::move(*bytes);
        input.driver.protocol = number;
        input.driver.version =
            input.image.size() > kHeaderDriverVersion ? input.image[kHeaderDriverVersion] : 0;
        return input;
    }
    auto driver = CProtocolCatalogue::LoadDriver(CProtocolCatalogue::cataloguePath(dataDir), number);
    if (!driver)
        return driver.error();
    input.driver = std::move(*driver);
    return input;
}

// Progress as a bar on a terminal, as a line per tenth otherwise.
class CliObserver : public CDownloadObserver
{
public:
    void progress(int position) override
    {
        const int percent = position * 100 / kProgressEnd;
        if (m_terminal) {
            const int filled = percent * 40 / 100;
            std::printf("\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                        std::string(40 - filled, '.').c_str(), percent);
            m_barShown = true;
        } else if (percent / 10 != m_lastTenth) {
            std::printf("progress %d%%\n", percent);
        }
        m_lastTenth = percent / 10;
        std::fflush(stdout);
    }
    void panelModel(std::uint8_t code) override { line("Panel: " + panelModelName(code)); }
    void modelDriverLoaded(const CDriver& driver) override
    {
        line("This panel model takes its own driver, version " + std::to_string(driver.version));
    }
    void noResponse(CPanelWait& panel) override
    {
        line("No Response!!! (the panel does not answer; still trying, Ctrl+C gives up)");
        {
            std::lock_guard lock(m_mutex);
            m_waiting = &panel;
        }
        if (panel.wait())
            line("The panel answered.");
        std::lock_guard lock(m_mutex);
        m_waiting = nullptr;
    }
    // Ctrl+C while the panel is silent gives up waiting; true when it did.
    bool giveUpWaiting()
    {
        std::lock_guard lock(m_mutex);
        if (m_waiting)
            m_waiting->giveUp();
        return m_waiting != nullptr;
    }
    void endLine()
    {
        if (m_barShown)
            std::printf("\n");
        m_barShown = false;
    }

private:
    void line(const std::string& text)
    {
        endLine();
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
    }

    const bool m_terminal = isatty(STDOUT_FILENO) != 0;
    bool m_barShown = false;
    int m_lastTenth = -1;
    std::mutex m_mutex;
    CPanelWait* m_waiting = nullptr;
};

struct PortChoice {
    std::string device;
    std::string label; // how "Cannot open the serial port…" names it
};

PortChoice choosePort(const std::optional<std::string>& port)
{
    if (port)
        return {*port, " " + *port};
    const unsigned index =
        CToolSettings::Read(CToolSettings::path(configFolder())).portIndex % kSerialPortCount;
    return {serialDevicePath(index), std::to_string(index + 1)};
}

int transfer(DownloadInput input, const PortChoice& port, std::chrono::milliseconds tick, bool forceDriver,
             const std::string& dataDir, CPrompter& prompter)
{
    auto opened = CSerialPort::open(port.device, port.label);
    if (!opened)
        return fail(opened.error().describe());
    CSerialPort& link = **opened;
    CliObserver observer;
    CDownloadTransfer download(link, observer, prompter, tick);
    CDownloadJob job;
    const std::uint8_t protocol = input.driver.protocol;
    job.image = std::move(input.image);
    job.driver = std::move(input.driver);
    job.forceDriver = forceDriver;
    job.loadModelDriver = [dataDir, protocol](std::uint8_t model) {
        return CProtocolCatalogue::LoadDriver(CProtocolCatalogue::modelCataloguePath(dataDir, model),
                                              protocol);
    };
    CDownloadOutcome outcome;
    runInterruptible([&] { outcome = download.run(std::move(job)); },
                     [&] {
                         if (!observer.giveUpWaiting())
                             download.cancel();
                     });
    observer.endLine();
    opened->reset(); // the port is closed before the verdict is printed
    switch (outcome.end) {
    case CDownloadOutcome::End::Complete:
        std::printf("%s\n", outcome.message.text.c_str());
        return kExitOk;
    case CDownloadOutcome::End::Cancelled:
        return fail("Download canceled.");
    default:
        return fail(outcome.message.text.empty() ? "Download failed." : outcome.message.text);
    }
}

int run(Args& args)
{
    const auto image = args.option("image");
    const auto driver = args.option("driver");
    const auto protocolText = args.option("protocol");
    const auto port = args.option("port");
    const auto tickText = args.option("tick-ms");
    const bool forceDriver = args.flag("force-driver");
    const bool acceptLimitRepair = args.flag("accept-limit-repair");
    const auto files = args.positional();
    std::optional<unsigned> protocol;
    std::chrono::milliseconds tick = downloadTick();
    try {
        if (protocolText)
            protocol = static_cast<unsigned>(std::stoul(*protocolText));
        if (tickText)
            tick = std::chrono::milliseconds(std::stoul(*tickText));
    } catch (const std::exception&) {
        args.setUsageError("--protocol and --tick-ms take numbers");
    }
    if (!args.usageError()) {
        if (image.has_value() == (files.size() == 1) || files.size() > 1)
            args.setUsageError("give one project file, or --image IMAGE.bin");
        else if (!image && (driver || protocol))
            args.setUsageError("--driver and --protocol go with --image");
        else if ((protocol && (*protocol < 1 || *protocol > 255)) ||
                 (tickText && (tick.count() < 1 || tick.count() > 1000)))
            args.setUsageError("--protocol takes 1 … 255, --tick-ms 1 … 1000");
    }
    if (args.usageError())
        return usage(command, args.usageMessage());

    CliPrompter prompter;
    auto input = image ? imageInput(*image, driver, protocol, args.dataDir())
                       : compileProject(files.front(), args.dataDir(), acceptLimitRepair);
    if (!input)
        return fail(input.error().describe());
    return transfer(std::move(*input), choosePort(port), tick, forceDriver, args.dataDir(), prompter);
}

} // namespace
} // namespace zl::cli
