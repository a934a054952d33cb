#pragma once
// The whole download to the panel: handshake, query and information, key, erase of the valid mark, driver
// and image frames, and the valid mark written last, so that a broken transfer never leaves a half-written
// image marked valid. Runs on the caller's thread; cancel() may come from any other.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

#include "plc/CProtocolCatalogue.h"
#include "download/CSerialExchange.h"
#include "base/CPrompter.h"

namespace zl
{

constexpr const char* kDownloadCaption = "Download data";
constexpr int kProgressEnd = 10000;
// The image (from 0x8000) and the driver (from 0x0000) each have 32 KiB of panel memory.
constexpr std::size_t kPanelAreaSize = 0x8000;
// Where the image's header names the project's protocol and the driver's version.
constexpr std::size_t kHeaderProtocol = 12;
constexpr std::size_t kHeaderDriverVersion = 13;

// What one download sends.
struct CDownloadJob {
    Bytes image;    // written from panel address 0x8000; at most 32768 bytes
    CDriver driver; // the project's protocol and its driver, written from address 0
    bool forceDriver = false;
    // The driver of the project's protocol in the catalogue of a panel model (2 or 4) that needs its own.
    std::function<Result<CDriver>(std::uint8_t model)> loadModelDriver;

    // A download of `image` with `driver`; a panel model that needs its own driver gets the same protocol
    // from that model's catalogue in `dataDir`. Loading it leaves "In.dat" alone: its list position
    // counts in the model's catalogue, not in the one the tool starts with.
    static CDownloadJob make(Bytes image, CDriver driver, bool forceDriver, const std::string& dataDir);
};

struct CDownloadOutcome {
    enum class End { Complete, Failed, Cancelled };
    End end = End::Failed;
    CError message; // empty when cancelled
    CLinkCounters counters;
};

// While the panel stays silent after the handshake, handshakes go on in the background. This is how the
// one who was asked learns that the panel has answered.
class CPanelWait
{
public:
    bool answered() const;
    // Blocks until the panel answers or the download is cancelled; true when it answered.
    bool wait();
    // The same, but for at most `limit`; false also when the time passed without an answer.
    bool waitFor(std::chrono::milliseconds limit);
    // The user gives up waiting; the background handshakes stop.
    void giveUp() { settle(State::GivenUp); }
    // `notify` runs once, on the background thread (or at once if it already did), when the panel answers.
    void onAnswered(std::function<void()> notify);

private:
    friend class CDownloadTransfer;
    enum class State { Waiting, GivenUp, Answered, Cancelled };
    bool settle(State to); // first settlement wins
    State state() const;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::Waiting;
    std::function<void()> m_notify;
};

// What the transfer tells and asks its caller. Every call comes on the thread that runs the transfer.
class CDownloadObserver
{
public:
    virtual ~CDownloadObserver() = default;
    virtual void progress(int /*position*/) {} // 0 … kProgressEnd
    // The model code from the panel's information frame (panelModelName() gives its name).
    virtual void panelModel(std::uint8_t /*code*/) {}
    // The panel's model needs its own driver, which replaced the project's one.
    virtual void modelDriverLoaded(const CDriver& /*driver*/) {}
    // Called after every exchange; the editor holds the transfer here while it asks whether to cancel.
    virtual void afterExchange() {}
    // The panel did not answer the handshake ("No Response!!!"). Return once `panel` says it answered
    // to go on; returning before that gives up with "Communication Error!!!".
    virtual void noResponse(CPanelWait& /*panel*/) {}
};

// The name of the panel model that the main frame shows for a model code.
std::string panelModelName(std::uint8_t code);

class CDownloadTransfer
{
public:
    CDownloadTransfer(CByteLink& link, CDownloadObserver& observer, CPrompter& prompter,
                      std::chrono::milliseconds tick = CSerialExchange::kDefaultTick);

    // One download; a transfer object serves one run.
    CDownloadOutcome run(CDownloadJob job);
    // Stops the transfer after the exchange in progress; safe from any thread.
    void cancel();
    // Key bytes for the next run() (the tests' fixed keys); by default they are random.
    void setKeySource(std::function<std::uint8_t()> nextByte) { m_keySource = std::move(nextByte); }

private:
    std::optional<CDownloadOutcome> exchange(const Bytes& frame, bool last = false);
    std::optional<CDownloadOutcome> awaitSilentPanel();
    std::optional<CDownloadOutcome> evaluateInformation(CDownloadJob& job, bool& sendDriver);
    void advance(int by);
    CDownloadOutcome outcome(CDownloadOutcome::End end, CError message) const;
    CDownloadOutcome failure(ExchangeResult result) const;
    bool cancelled() const { return m_cancel.load(); }

    CSerialExchange m_exchange;
    CDownloadObserver& m_observer;
    CPrompter& m_prompter;
    std::function<std::uint8_t()> m_keySource;
    std::atomic<bool> m_cancel{false};
    std::mutex m_waitMutex;
    CPanelWait* m_panelWait = nullptr; // while the panel is silent
    int m_position = 0;
};

} // namespace zl
