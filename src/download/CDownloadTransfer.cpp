#include "download/CDownloadTransfer.h"

#include <cmath>
#include <thread>

#include "download/CTransferKey.h"
#include "download/SerialFrames.h"

namespace zl
{
namespace
{

constexpr int kHandshakeProgress = 50;
constexpr std::uint8_t kValidMark[2] = {0x5A, 0xA5};

} // namespace

std::string panelModelName(std::uint8_t code)
{
    switch (code) {
    case 2:
        return "VT306 V4.5";
    case 4:
        return "VT316 V1";
    default:
        return "VT306 V4";
    }
}

CDownloadJob CDownloadJob::make(Bytes image, CDriver driver, bool forceDriver, const std::string& dataDir)
{
    CDownloadJob job;
    const std::uint8_t protocol = driver.protocol;
    job.image = std::move(image);
    job.driver = std::move(driver);
    job.forceDriver = forceDriver;
    job.loadModelDriver = [dataDir, protocol](std::uint8_t model) {
        return CProtocolCatalogue::LoadDriver(CProtocolCatalogue::modelCataloguePath(dataDir, model),
                                              protocol);
    };
    return job;
}

// --- CPanelWait ------------------------------------------------------------------------------------------

bool CPanelWait::settle(State to)
{
    std::function<void()> notify;
    {
        std::lock_guard lock(m_mutex);
        if (m_state != State::Waiting)
            return false;
        m_state = to;
        if (to == State::Answered)
            notify = std::move(m_notify);
    }
    m_changed.notify_all();
    if (notify)
        notify();
    return true;
}

CPanelWait::State CPanelWait::state() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

bool CPanelWait::answered() const
{
    return state() == State::Answered;
}

bool CPanelWait::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_state != State::Waiting; });
    return m_state == State::Answered;
}

bool CPanelWait::waitFor(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, limit, [&] { return m_state != State::Waiting; });
    return m_state == State::Answered;
}

void CPanelWait::onAnswered(std::function<void()> notify)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_state != State::Answered) {
            m_notify = std::move(notify);
            return;
        }
    }
    notify();
}

// --- CDownloadTransfer -----------------------------------------------------------------------------------

CDownloadTransfer::CDownloadTransfer(CByteLink& link, CDownloadObserver& observer, CPrompter& prompter,
                                     std::chrono::milliseconds tick)
    : m_exchange(link, tick), m_observer(observer), m_prompter(prompter)
{
}

void CDownloadTransfer::cancel()
{
    m_cancel = true;
    m_exchange.link().interrupt();
    std::lock_guard lock(m_waitMutex);
    if (m_panelWait)
        m_panelWait->settle(CPanelWait::State::Cancelled);
}

CDownloadOutcome CDownloadTransfer::outcome(CDownloadOutcome::End end, CError message) const
{
    return CDownloadOutcome{end, std::move(message), m_exchange.counters()};
}

CDownloadOutcome CDownloadTransfer::failure(ExchangeResult result) const
{
    if (result == ExchangeResult::Cancelled)
        return outcome(CDownloadOutcome::End::Cancelled, {});
    if (result == ExchangeResult::LinkLost)
        return outcome(CDownloadOutcome::End::Failed,
                       makeError("The serial port failed: " + m_exchange.linkError().text, kDownloadCaption));
    return outcome(CDownloadOutcome::End::Failed, makeError(exchangeMessage(result), kDownloadCaption));
}

void CDownloadTransfer::advance(int by)
{
    m_position = std::min(m_position + by, kProgressEnd);
    m_observer.progress(m_position);
}

std::optional<CDownloadOutcome> CDownloadTransfer::exchange(const Bytes& frame, bool last)
{
    if (cancelled())
        return failure(ExchangeResult::Cancelled);
    const ExchangeResult result =
        m_exchange.sendAndWait(frame, CSerialExchange::Mode::Normal, [this] { return cancelled(); });
    m_observer.afterExchange();
    if (result != ExchangeResult::Answered)
        return failure(result);
    // Once the valid mark is in, the image is complete whatever was asked meanwhile.
    if (cancelled() && !last)
        return failure(ExchangeResult::Cancelled);
    return std::nullopt;
}

// The panel is silent: handshakes go on in the background while the observer asks the user.
std::optional<CDownloadOutcome> CDownloadTransfer::awaitSilentPanel()
{
    CPanelWait wait;
    {
        std::lock_guard lock(m_waitMutex);
        m_panelWait = &wait;
    }
    if (cancelled())
        wait.settle(CPanelWait::State::Cancelled);
    const auto stop = [&] { return wait.state() != CPanelWait::State::Waiting; };
    ExchangeResult last = ExchangeResult::HandshakeTimeout;
    std::thread retry([&] {
        while (!stop()) {
            last = m_exchange.sendAndWait(handshakeFrame(), CSerialExchange::Mode::Handshake, stop);
            if (last == ExchangeResult::Answered) {
                wait.settle(CPanelWait::State::Answered);
                return;
            }
            if (last == ExchangeResult::LinkLost) {
                wait.settle(CPanelWait::State::GivenUp);
                return;
            }
        }
    });
    m_observer.noResponse(wait);
    wait.settle(CPanelWait::State::GivenUp);
    m_exchange.link().interrupt();
    retry.join();
    {
        std::lock_guard lock(m_waitMutex);
        m_panelWait = nullptr;
    }
    switch (wait.state()) {
    case CPanelWait::State::Answered:
        return std::nullopt;
    case CPanelWait::State::Cancelled:
        return failure(ExchangeResult::Cancelled);
    default:
        if (last == ExchangeResult::LinkLost)
            return failure(last);
        return outcome(CDownloadOutcome::End::Failed, makeError("Communication Error!!!"));
    }
}

std::optional<CDownloadOutcome> CDownloadTransfer::evaluateInformation(CDownloadJob& job, bool& sendDriver)
{
    const CError wrong = makeError("Wrong informationg!", kDownloadCaption);
    const auto info = readInformation(m_exchange.answer());
    if (!info)
        return outcome(CDownloadOutcome::End::Failed, wrong);
    m_observer.panelModel(info->model);
    const std::uint8_t projectProtocol = job.driver.protocol;
    if (info->model == 2 || info->model == 4) {
        Result<CDriver> driver = job.loadModelDriver
                                     ? job.loadModelDriver(info->model)
                                     : Result<CDriver>(makeError("The protocol does not exist!"));
        if (!driver) {
            m_prompter.message(driver.error().describe(), driver.error().caption);
            m_prompter.message("failed!", kDownloadCaption);
            return outcome(CDownloadOutcome::End::Failed, wrong);
        }
        job.driver = std::move(*driver);
        if (job.image.size() > kHeaderDriverVersion)
            job.image[kHeaderDriverVersion] = job.driver.version;
        m_observer.modelDriverLoaded(job.driver);
    }
    sendDriver = info->protocol != projectProtocol || info->driverVersion != job.driver.version;
    return std::nullopt;
}

CDownloadOutcome CDownloadTransfer::run(CDownloadJob job)
{
    if (job.image.size() > kPanelAreaSize)
        return outcome(CDownloadOutcome::End::Failed,
                       makeError("The image is " + std::to_string(job.image.size()) +
                                     " bytes, more than the 32768 bytes the panel holds!",
                                 kDownloadCaption));
    if (job.driver.bytes.size() > kPanelAreaSize)
        return outcome(CDownloadOutcome::End::Failed,
                       makeError("The driver is " + std::to_string(job.driver.bytes.size()) +
                                     " bytes, more than the 32768 bytes the panel holds!",
                                 kDownloadCaption));
    // The image's first two bytes are where the valid mark goes: they travel as 0xFF 0xFF (invalid)
    // whatever the image holds, so only the last frame can make the image valid.
    for (std::size_t i = 0; i < std::min<std::size_t>(2, job.image.size()); ++i)
        job.image[i] = 0xFF;

    m_exchange.link().pulseReset();
    m_position = 0;
    const ExchangeResult hello = m_exchange.sendAndWait(handshakeFrame(), CSerialExchange::Mode::Handshake,
                                                        [this] { return cancelled(); });
    m_observer.afterExchange();
    if (hello == ExchangeResult::Cancelled || hello == ExchangeResult::LinkLost)
        return failure(hello);
    if (hello == ExchangeResult::HandshakeTimeout) {
        if (auto stop = awaitSilentPanel())
            return *stop;
    }
    if (cancelled())
        return failure(ExchangeResult::Cancelled);

    advance(kHandshakeProgress);
    if (auto stop = exchange(makeFrame(command::kQuery)))
        return *stop;
    bool needDriver = true;
    if (auto stop = evaluateInformation(job, needDriver))
        return *stop;

    const std::size_t driverBytes = needDriver || job.forceDriver ? job.driver.bytes.size() : 0;
    const std::size_t blocks = job.image.size() / kMaxWriteData + driverBytes / kMaxWriteData + 2;
    const int step = static_cast<int>(std::lround(double(kProgressEnd) / double(blocks)));
    advance(step);

    const CTransferKey key = m_keySource ? CTransferKey::draw(m_keySource) : CTransferKey::drawRandom();
    if (auto stop = exchange(keyFrame(key)))
        return *stop;
    const Bytes erased(kMaxWriteData, 0xFF);
    if (auto stop = exchange(writeFrame(key, kImageAddress, erased.data(), erased.size())))
        return *stop;

    const auto sendArea = [&](const Bytes& bytes, std::size_t count, std::uint16_t base) {
        for (std::size_t offset = 0; offset < count; offset += kMaxWriteData) {
            const std::size_t n = std::min(kMaxWriteData, count - offset);
            const auto address = static_cast<std::uint16_t>(base + offset);
            if (auto stop = exchange(writeFrame(key, address, bytes.data() + offset, n)))
                return stop;
            advance(step);
        }
        return std::optional<CDownloadOutcome>();
    };
    if (auto stop = sendArea(job.driver.bytes, driverBytes, 0))
        return *stop;
    if (auto stop = sendArea(job.image, job.image.size(), kImageAddress))
        return *stop;
    if (auto stop = exchange(writeFrame(key, kImageAddress, kValidMark, sizeof kValidMark), true))
        return *stop;

    m_position = kProgressEnd;
    m_observer.progress(m_position);
    m_exchange.link().pulseReset();
    return outcome(
        CDownloadOutcome::End::Complete,
        makeError("Download complete!Data " + std::to_string(job.image.size()) + " bytes", kDownloadCaption));
}

} // namespace zl
