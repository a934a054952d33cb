#include <gtest/gtest.h>

#include "FakeLink.h"
#include "TestImages.h"
#include "download/CDownloadTransfer.h"
#include "download/CPanelSimulator.h"

using namespace zl;
using zl::test::Delivery;
using zl::test::FakeLink;
using zl::test::pattern;
using zl::test::withValidMark;

namespace
{

constexpr std::chrono::milliseconds kTick{16};

CDriver driver(std::size_t n, std::uint8_t protocol = 3, std::uint8_t version = 2)
{
    return CDriver{protocol, version, pattern(n, 0x30), 0};
}

class Recorder : public CDownloadObserver, public CPrompter
{
public:
    enum class WhenSilent { GiveUp, Wait };
    WhenSilent whenSilent = WhenSilent::GiveUp;
    std::vector<int> progressSteps;
    std::vector<std::uint8_t> models;
    std::vector<std::string> messages;
    int silences = 0;
    CDriver modelDriver;

    void progress(int position) override { progressSteps.push_back(position); }
    void panelModel(std::uint8_t code) override { models.push_back(code); }
    void modelDriverLoaded(const CDriver& d) override { modelDriver = d; }
    void noResponse(CPanelWait& panel) override
    {
        ++silences;
        if (whenSilent == WhenSilent::Wait)
            panel.wait();
    }
    void message(const std::string& text, const std::string&) override { messages.push_back(text); }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

// The transfer against the simulated panel, answers arriving 1 ms after each frame.
struct Bench {
    explicit Bench(CPanelSimConfig config = {{1, 3, 2}})
        : panel(config), link([this](const Bytes& sent, std::size_t index) {
              if (onFrame)
                  onFrame(index);
              std::vector<Delivery> out;
              for (Bytes& a : panel.receive(sent))
                  out.push_back({std::chrono::milliseconds(1), std::move(a)});
              return out;
          }),
          transfer(link, recorder, recorder, kTick)
    {
        std::uint8_t next = 1;
        transfer.setKeySource([next]() mutable { return next += 37; });
    }

    CDownloadOutcome run(Bytes image, CDriver d, bool force = false)
    {
        CDownloadJob job{std::move(image), std::move(d), force, loadModelDriver};
        return transfer.run(std::move(job));
    }
    Bytes memory(std::size_t at, std::size_t n) const
    {
        return Bytes(panel.memory().begin() + at, panel.memory().begin() + at + n);
    }
    std::vector<std::size_t> frameLengths() const
    {
        std::vector<std::size_t> lengths;
        for (const Bytes& f : link.sent())
            lengths.push_back(f.size());
        return lengths;
    }
    bool validMarkWritten() const { return memory(0x8000, 2) == (Bytes{0x5A, 0xA5}); }

    CPanelSimulator panel;
    FakeLink link;
    Recorder recorder;
    CDownloadTransfer transfer;
    std::function<void(std::size_t)> onFrame;
    std::function<Result<CDriver>(std::uint8_t)> loadModelDriver;
};

} // namespace

TEST(DownloadTransfer, SmallImageWithoutDriver)
{
    Bench bench; // the panel already holds driver version 2 of protocol 3
    const Bytes image = pattern(57, 1);
    const auto outcome = bench.run(image, driver(1128));
    ASSERT_EQ(outcome.end, CDownloadOutcome::End::Complete) << outcome.message.text;
    EXPECT_EQ(outcome.message.text, "Download complete!Data 57 bytes");
    // handshake, query, key, erase, one image frame of 7 + 57, valid mark
    EXPECT_EQ(bench.frameLengths(), (std::vector<std::size_t>{10, 5, 21, 135, 64, 9}));
    EXPECT_EQ(bench.recorder.progressSteps, (std::vector<int>{50, 5050, 10000, 10000}));
    EXPECT_EQ(bench.memory(0x8000, 57), withValidMark(image));
    EXPECT_EQ(bench.memory(0x8000 + 57, 71), Bytes(71, 0xFF)); // the rest of the erased block
    EXPECT_EQ(bench.memory(0, 4), Bytes(4, 0xFF));
    EXPECT_EQ(bench.recorder.models, (std::vector<std::uint8_t>{1}));
    EXPECT_EQ(bench.link.resets(), 2);
}

TEST(DownloadTransfer, DriverGoesWhenThePanelsDiffersOrWhenForced)
{
    struct Case {
        const char* what;
        CPanelInfo panel;
        bool force;
        bool driverSent;
    };
    for (const Case& c : std::vector<Case>{
             {"same protocol and version", {1, 3, 2}, false, false},
             {"same, but forced", {1, 3, 2}, true, true},
             {"other version", {1, 3, 1}, false, true},
             {"other protocol", {1, 4, 2}, false, true},
         }) {
        Bench bench({c.panel});
        const Bytes image = pattern(300, 9);
        const CDriver d = driver(1128);
        const auto outcome = bench.run(image, d, c.force);
        ASSERT_EQ(outcome.end, CDownloadOutcome::End::Complete) << c.what;
        EXPECT_EQ(bench.memory(0x8000, 300), withValidMark(image)) << c.what;
        if (!c.driverSent) {
            EXPECT_EQ(bench.memory(0, 1128), Bytes(1128, 0xFF)) << c.what;
            continue;
        }
        EXPECT_EQ(bench.memory(0, 1128), d.bytes) << c.what;
        // 8 driver frames of 128 bytes and one of 104, then 3 image frames; 12 blocks make a step of 833.
        const auto lengths = bench.frameLengths();
        EXPECT_EQ(std::vector<std::size_t>(lengths.begin() + 4, lengths.begin() + 13),
                  (std::vector<std::size_t>{135, 135, 135, 135, 135, 135, 135, 135, 111}))
            << c.what;
        EXPECT_EQ(bench.recorder.progressSteps.at(1), 50 + 833) << c.what;
    }
}

TEST(DownloadTransfer, PanelModelsWithTheirOwnDriver)
{
    Bench bench(CPanelSimConfig{{2, 3, 2}});
    std::vector<std::uint8_t> asked;
    bench.loadModelDriver = [&](std::uint8_t model) -> Result<CDriver> {
        asked.push_back(model);
        return driver(700, 3, 21);
    };
    const auto outcome = bench.run(pattern(100, 3), driver(1128));
    ASSERT_EQ(outcome.end, CDownloadOutcome::End::Complete) << outcome.message.text;
    EXPECT_EQ(asked, (std::vector<std::uint8_t>{2}));
    EXPECT_EQ(bench.recorder.modelDriver.version, 21);
    EXPECT_EQ(bench.memory(0, 700), driver(700, 3, 21).bytes);
    EXPECT_EQ(bench.memory(0x8000 + 13, 1), Bytes{21}); // the header names the model driver's version

    Bench missing(CPanelSimConfig{{4, 3, 2}});
    missing.loadModelDriver = [](std::uint8_t) -> Result<CDriver> {
        return makeError("The protocol does not exist!");
    };
    const auto failed = missing.run(pattern(100, 3), driver(1128));
    EXPECT_EQ(failed.message.text, "Wrong informationg!");
    EXPECT_EQ(missing.recorder.messages,
              (std::vector<std::string>{"The protocol does not exist!", "failed!"}));
    EXPECT_EQ(missing.recorder.models, (std::vector<std::uint8_t>{4}));
}

TEST(DownloadTransfer, AcknowledgedQueryIsWrongInformation)
{
    Recorder recorder;
    FakeLink link([](const Bytes&, std::size_t) {
        return std::vector<Delivery>{{std::chrono::milliseconds(1), makeFrame(command::kAcknowledge)}};
    });
    CDownloadTransfer transfer(link, recorder, recorder, kTick);
    const auto outcome = transfer.run({pattern(57, 1), driver(200), false, {}});
    EXPECT_EQ(outcome.end, CDownloadOutcome::End::Failed);
    EXPECT_EQ(outcome.message.text, "Wrong informationg!");
    EXPECT_EQ(outcome.message.caption, "Download data");
    EXPECT_EQ(link.sent().size(), 2u);
}

TEST(DownloadTransfer, PanelMisbehaviourThatTheTransferRidesOut)
{
    for (const CPanelSimConfig& config : {CPanelSimConfig{{1, 0, 0}, 3, 0, 0, 0}, // answers the 4th handshake
                                          CPanelSimConfig{{1, 0, 0}, 0, 3, 0, 0}, // refuses every 3rd write
                                          CPanelSimConfig{{1, 0, 0}, 0, 0, 4, 0}}) { // drops every 4th answer
        Bench bench(config);
        const Bytes image = pattern(1000, 5);
        const CDriver d = driver(400);
        const auto outcome = bench.run(image, d);
        ASSERT_EQ(outcome.end, CDownloadOutcome::End::Complete) << outcome.message.text;
        EXPECT_EQ(bench.memory(0x8000, 1000), withValidMark(image));
        EXPECT_EQ(bench.memory(0, 400), d.bytes);
        EXPECT_EQ(bench.recorder.silences, 0);
    }
}

TEST(DownloadTransfer, BrokenTransfersNeverLeaveTheValidMark)
{
    struct Case {
        const char* what;
        CPanelSimConfig config;
        std::function<void(Bench&)> arrange;
        CDownloadOutcome::End end;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"every write refused",
         {{1, 0, 0}, 0, 1, 0, 0},
         {},
         CDownloadOutcome::End::Failed,
         "Too many negative answers from the panel!"},
        {"power lost during the image",
         {{1, 0, 0}, 0, 0, 0, 9},
         {},
         CDownloadOutcome::End::Failed,
         "延时越界"},
        {"power lost before the valid mark",
         {{1, 0, 0}, 0, 0, 0, 15},
         {},
         CDownloadOutcome::End::Failed,
         "延时越界"},
        {"adapter unplugged",
         {{1, 0, 0}},
         [](Bench& b) { b.link.failAfter(8); },
         CDownloadOutcome::End::Failed,
         "The serial port failed: Input/output error"},
        {"cancelled",
         {{1, 0, 0}},
         [](Bench& b) {
             b.onFrame = [&b](std::size_t i) {
                 if (i == 7)
                     b.transfer.cancel();
             };
         },
         CDownloadOutcome::End::Cancelled,
         ""},
    };
    for (const Case& c : cases) {
        Bench bench(c.config);
        if (c.arrange)
            c.arrange(bench);
        const auto outcome =
            bench.run(pattern(1100, 2), driver(200)); // 2 driver and 9 image frames, 16 frames in all
        EXPECT_EQ(outcome.end, c.end) << c.what;
        EXPECT_EQ(outcome.message.text, c.message) << c.what;
        EXPECT_EQ(bench.memory(0x8000, 2), (Bytes{0xFF, 0xFF})) << c.what;
        EXPECT_EQ(bench.link.resets(), 1) << c.what;
    }
}

TEST(DownloadTransfer, CancelDuringTheValidMarkStillCompletes)
{
    Bench bench(CPanelSimConfig{{1, 0, 0}});
    bench.onFrame = [&](std::size_t i) {
        if (i == 11) // handshake, query, key, erase, 2 driver frames, 5 image frames, then the valid mark
            bench.transfer.cancel();
    };
    const auto outcome = bench.run(pattern(600, 2), driver(200));
    EXPECT_EQ(outcome.end, CDownloadOutcome::End::Complete);
    EXPECT_TRUE(bench.validMarkWritten());
}

TEST(DownloadTransfer, SilentPanel)
{
    // The panel comes to life while "No Response!!!" is up: the transfer goes on from the query.
    Bench late(CPanelSimConfig{{1, 3, 2}, 70});
    late.recorder.whenSilent = Recorder::WhenSilent::Wait;
    const auto answered = late.run(pattern(200, 4), driver(300));
    EXPECT_EQ(answered.end, CDownloadOutcome::End::Complete) << answered.message.text;
    EXPECT_EQ(late.recorder.silences, 1);
    EXPECT_EQ(late.recorder.progressSteps.front(), 50);
    EXPECT_TRUE(late.validMarkWritten());

    // The user gives up.
    Bench silent(CPanelSimConfig{{1, 3, 2}, 1000000});
    const auto givenUp = silent.run(pattern(200, 4), driver(300));
    EXPECT_EQ(givenUp.end, CDownloadOutcome::End::Failed);
    EXPECT_EQ(givenUp.message.text, "Communication Error!!!");
    EXPECT_EQ(silent.recorder.silences, 1);
    EXPECT_TRUE(silent.recorder.progressSteps.empty());

    // Cancel while waiting for the panel.
    Bench cancelled(CPanelSimConfig{{1, 3, 2}, 1000000});
    cancelled.recorder.whenSilent = Recorder::WhenSilent::Wait;
    cancelled.onFrame = [&](std::size_t i) {
        if (i == 120)
            cancelled.transfer.cancel();
    };
    EXPECT_EQ(cancelled.run(pattern(200, 4), driver(300)).end, CDownloadOutcome::End::Cancelled);
}

TEST(DownloadTransfer, OversizedImageIsRefusedBeforeAnythingIsSent)
{
    Bench bench;
    const auto outcome = bench.run(Bytes(32769, 0), driver(100));
    EXPECT_EQ(outcome.end, CDownloadOutcome::End::Failed);
    EXPECT_NE(outcome.message.text.find("32768"), std::string::npos);
    EXPECT_TRUE(bench.link.sent().empty());
}
