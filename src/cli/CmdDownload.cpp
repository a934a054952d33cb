// zl410-cli download: compiles a project (or takes a compiled image) and writes it, with the protocol's
// driver when the panel needs it, into the panel over a serial port.
#include <cstdio>
#include <mutex>
#include <unistd.h>

#include "base/FileIo.h"
#include "cli/Cli.h"
#include "cli/CompileProject.h"
#include "cli/Interrupt.h"
#include "download/CDownloadTransfer.h"
#include "file/CProjectFile.h"
#include "image/CImageReader.h"
#include "platform/CSerialPort.h"
#include "qt/CLanguage.h"
#include "qt/CSerialSettings.h"
#include "qt/CMessages.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "download",
    "(FILE.pjz | --image IMAGE.bin [--driver DRIVER.bin] [--protocol N]) [--port DEVICE] [--force-driver] "
    "[--accept-limit-repair] [--tick-ms N] [--give-up-after SECONDS]",
    QT_TRANSLATE_NOOP(
        "Message",
        "write a project into the panel; --image sends a compiled image (driver from --driver, else the "
        "catalogue's for --protocol or the image's protocol); the port defaults to COM Selection's; Ctrl+C "
        "cancels; without a terminal on standard input, a silent panel is given up after SECONDS "
        "(default 30, 0 waits for ever)"),
    run};

constexpr unsigned long kDefaultGiveUpSeconds = 30;

// A message that the panel link gives only in Chinese, followed by what it says when the interface is
// English.
std::string withEnglish(const std::string& text)
{
    const std::string english = interfaceIsEnglish() ? englishMeaning(text) : std::string();
    return english.empty() ? text : text + " (" + english + ")";
}

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
        std::fprintf(stderr, "zl410-cli: %s%s%s\n", translateMessage(caption).c_str(), caption.empty() ? "" : ": ",
                     translateMessage(withEnglish(text)).c_str());
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

// The image of `--image`: read back as the virtual panel reads it before anything is sent, so that a
// file that is no download image never reaches the panel nor gets its valid mark.
Result<Bytes> readImage(const std::string& path)
{
    auto image = ReadWholeFile(path, kPanelAreaSize);
    if (!image)
        return image;
    if (CheckProjectHeader(*image).ok())
        return makeError(
            localized(QT_TRANSLATE_NOOP(
                          "Message", "%1 is a project file, not a download image: name it without --image."),
                      {path}));
    if (auto decoded = CImageReader::Read(*image); !decoded)
        return makeError(path + ": " + decoded.error().describe());
    return image;
}

// A compiled image names its protocol and driver version in header bytes 12 and 13.
Result<DownloadInput> imageInput(const std::string& imagePath, const std::optional<std::string>& driverPath,
                                 std::optional<unsigned long> protocol, const std::string& dataDir)
{
    auto image = readImage(imagePath);
    if (!image)
        return image.error();
    DownloadInput input{std::move(*image), {}};
    const auto number = static_cast<std::uint8_t>(protocol ? *protocol : input.image[kHeaderProtocol]);
    if (driverPath) {
        auto bytes = ReadWholeFile(*driverPath, kPanelAreaSize);
        if (!bytes)
            return bytes.error();
        if (bytes->empty())
            return makeError(
                localized(QT_TRANSLATE_NOOP("Message", "The driver %1 is empty!"), {*driverPath}));
        input.driver.bytes = std::move(*bytes);
        input.driver.protocol = number;
        input.driver.version = input.image[kHeaderDriverVersion];
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
    // `giveUpAfter`: how long a silent panel is waited for; zero waits until Ctrl+C.
    explicit CliObserver(std::chrono::seconds giveUpAfter) : m_giveUpAfter(giveUpAfter) {}

    void progress(int position) override
    {
        const int percent = position * 100 / kProgressEnd;
        if (m_terminal) {
            const int filled = percent * 40 / 100;
            std::printf("\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                        std::string(40 - filled, '.').c_str(), percent);
            m_barShown = true;
        } else if (percent / 10 != m_lastTenth) {
            std::printf(
                "%s\n",
                localized(QT_TRANSLATE_NOOP("Message", "progress %1%"), {std::to_string(percent)}).c_str());
        }
        m_lastTenth = percent / 10;
        std::fflush(stdout);
    }
    void panelModel(std::uint8_t code) override
    {
        line(localized(QT_TRANSLATE_NOOP("Message", "Panel: %1"), {panelModelName(code)}));
    }
    void modelDriverLoaded(const CDriver& driver) override
    {
        line(localized(QT_TRANSLATE_NOOP("Message", "This panel model takes its own driver, version %1"),
                       {std::to_string(driver.version)}));
    }
    void noResponse(CPanelWait& panel) override
    {
        line(m_giveUpAfter.count() > 0
                 ? localized(QT_TRANSLATE_NOOP("Message",
                                               "No Response!!! (the panel does not answer; still trying "
                                               "for %1 s, Ctrl+C gives up)"),
                             {std::to_string(m_giveUpAfter.count())})
                 : localized(QT_TRANSLATE_NOOP(
                       "Message",
                       "No Response!!! (the panel does not answer; still trying, Ctrl+C gives up)")));
        {
            std::lock_guard lock(m_mutex);
            m_waiting = &panel;
        }
        if (m_giveUpAfter.count() > 0 ? panel.waitFor(m_giveUpAfter) : panel.wait())
            line(localized(QT_TRANSLATE_NOOP("Message", "The panel answered.")));
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

    const std::chrono::seconds m_giveUpAfter;
    const bool m_terminal = isatty(STDOUT_FILENO) != 0;
    bool m_barShown = false;
    int m_lastTenth = -1;
    std::mutex m_mutex;
    CPanelWait* m_waiting = nullptr;
};

// The port of --port, else COM Selection's: the settings files are read as every input is.
Result<CPortChoice> choosePort(const std::optional<std::string>& port)
{
    if (port)
        return CPortChoice{*port, " " + *port};
    const Result<unsigned> entry = selectedComEntry();
    if (!entry)
        return entry.error();
    return comPortChoice(*entry);
}

// How the transfer runs: its tick, the driver choice and how long a silent panel is waited for.
struct TransferOptions {
    std::chrono::milliseconds tick;
    bool forceDriver;
    std::chrono::seconds giveUpAfter;
};

int transfer(DownloadInput input, const CPortChoice& port, const TransferOptions& options,
             const std::string& dataDir, CPrompter& prompter)
{
    auto opened = CSerialPort::open(port.device, port.label);
    if (!opened)
        return fail(opened.error().describe());
    CSerialPort& link = **opened;
    CliObserver observer(options.giveUpAfter);
    CDownloadTransfer download(link, observer, prompter, options.tick);
    CDownloadJob job =
        CDownloadJob::make(std::move(input.image), std::move(input.driver), options.forceDriver, dataDir);
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
        std::printf("%s\n", translateMessage(outcome.message.text).c_str());
        return kExitOk;
    case CDownloadOutcome::End::Cancelled:
        return fail(QT_TRANSLATE_NOOP("Message", "Download canceled."));
    default:
        return fail(outcome.message.text.empty() ? QT_TRANSLATE_NOOP("Message", "Download failed.") : withEnglish(outcome.message.text));
    }
}

int run(Args& args)
{
    const auto image = args.option("image");
    const auto driver = args.option("driver");
    const auto protocol = args.number("protocol", 1, 255);
    const auto port = args.option("port");
    const auto tick = args.number("tick-ms", 1, 1000);
    const auto giveUpAfter = args.number("give-up-after", 0, 1000000);
    const bool forceDriver = args.flag("force-driver");
    const bool acceptLimitRepair = args.flag("accept-limit-repair");
    const auto files = args.positional();
    if (!args.usageError()) {
        if (image.has_value() == (files.size() == 1) || files.size() > 1)
            args.setUsageError(QT_TRANSLATE_NOOP("Message", "give one project file, or --image IMAGE.bin"));
        else if (!image && (driver || protocol))
            args.setUsageError(QT_TRANSLATE_NOOP("Message", "--driver and --protocol go with --image"));
    }
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (!tick) {
        if (const Status readable = checkSettingsFile(); !readable)
            return fail(readable.error().text);
    }
    // Nobody can press Ctrl+C for a command run from a script, so a silent panel is given up in time.
    const bool interactive = isatty(STDIN_FILENO) != 0;
    const TransferOptions options{
        tick ? std::chrono::milliseconds(*tick) : downloadTick(), forceDriver,
        std::chrono::seconds(giveUpAfter.value_or(interactive ? 0 : kDefaultGiveUpSeconds))};

    CliPrompter prompter;
    auto input = image ? imageInput(*image, driver, protocol, args.dataDir())
                       : compileProject(files.front(), args.dataDir(), acceptLimitRepair);
    if (!input)
        return fail(input.error().describe());
    const Result<CPortChoice> chosen = choosePort(port);
    if (!chosen)
        return fail(chosen.error().text);
    return transfer(std::move(*input), *chosen, options, args.dataDir(), prompter);
}

} // namespace
} // namespace zl::cli
