#include <gtest/gtest.h>

#include "FakeLink.h"
#include "download/CSerialExchange.h"
#include "download/SerialFrames.h"

using namespace zl;
using zl::test::Delivery;
using zl::test::FakeLink;

namespace
{

constexpr std::chrono::milliseconds kTick{16};
constexpr auto kNever = [] { return false; };

const Bytes kAck = makeFrame(command::kAcknowledge);
const Bytes kNak = makeFrame(command::kNegative);
const Bytes kInfo = informationFrame({1, 3, 2});

// The answer to each transmission in turn (empty: none); transmissions past the list go unanswered.
FakeLink::Peer script(std::vector<Bytes> answers, long delayTicks = 1)
{
    return [answers = std::move(answers), delayTicks](const Bytes&, std::size_t i) {
        if (i >= answers.size() || answers[i].empty())
            return std::vector<Delivery>{};
        return std::vector<Delivery>{{kTick * delayTicks, answers[i]}};
    };
}

std::vector<Bytes> repeat(const Bytes& b, std::size_t n)
{
    return std::vector<Bytes>(n, b);
}

std::vector<Bytes> concat(std::vector<Bytes> a, const std::vector<Bytes>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(SerialExchange, ResultsAttemptsAndTimes)
{
    using Mode = CSerialExchange::Mode;
    struct Case {
        const char* what;
        Mode mode;
        std::vector<Bytes> answers;
        ExchangeResult result;
        std::size_t transmissions;
        long ticks; // when the call returned
    };
    const std::vector<Case> cases = {
        {"acknowledged", Mode::Normal, {kAck}, ExchangeResult::Answered, 1, 1},
        {"negative answers resend at once", Mode::Normal, concat(repeat(kNak, 3), {kAck}),
         ExchangeResult::Answered, 4, 4},
        {"silent panel: resends at 31, 61, 91 ticks, gives up past 100",
         Mode::Normal,
         {},
         ExchangeResult::Timeout,
         4,
         121},
        {"nine negative answers", Mode::Normal, repeat(kNak, 20), ExchangeResult::TooManyNegative, 9, 9},
        {"one negative answer counts once", Mode::Normal, {kNak}, ExchangeResult::Timeout, 4, 121},
        {"ten attempts", Mode::Normal, concat({{}, {}}, repeat(kNak, 20)), ExchangeResult::TooManyAttempts,
         10, 69},
        {"handshake answered on the third attempt",
         Mode::Handshake,
         {{}, {}, kAck},
         ExchangeResult::Answered,
         3,
         9}, // answered at 6, then 3 quiet ticks for late answers
        {"handshake unanswered: resent every 2 ticks",
         Mode::Handshake,
         {},
         ExchangeResult::HandshakeTimeout,
         50,
         101},
        {"nine negative answers to the handshake", Mode::Handshake, repeat(kNak, 20),
         ExchangeResult::TooManyNegative, 9, 9},
    };
    for (const Case& c : cases) {
        FakeLink link(script(c.answers));
        CSerialExchange exchange(link, kTick);
        EXPECT_EQ(exchange.sendAndWait(makeFrame(command::kQuery), c.mode, kNever), c.result) << c.what;
        EXPECT_EQ(link.sent().size(), c.transmissions) << c.what;
        EXPECT_EQ(link.ticks(kTick), c.ticks) << c.what;
    }
}

TEST(SerialExchange, AnswersThatTrickleInAreWaitedFor)
{
    for (const Bytes& answer : {kAck, kInfo}) {
        FakeLink link([&](const Bytes&, std::size_t) {
            std::vector<Delivery> parts;
            for (std::size_t i = 0; i < answer.size(); ++i)
                parts.push_back({std::chrono::milliseconds(i + 1), {answer[i]}});
            return parts;
        });
        CSerialExchange exchange(link, kTick);
        EXPECT_EQ(exchange.sendAndWait(makeFrame(command::kQuery), CSerialExchange::Mode::Normal, kNever),
                  ExchangeResult::Answered);
        EXPECT_EQ(exchange.answer(), answer);
        EXPECT_EQ(link.sent().size(), 1u);
    }
}

TEST(SerialExchange, LateAnswersToRepeatedHandshakesAreNotTakenForTheNextAnswer)
{
    // The panel answers everything 5 ticks late, so two handshakes are out before the first answer.
    FakeLink link([](const Bytes& sent, std::size_t) {
        const Bytes reply = sent == handshakeFrame() ? kAck : kInfo;
        return std::vector<Delivery>{{kTick * 5, reply}};
    });
    CSerialExchange exchange(link, kTick);
    ASSERT_EQ(exchange.sendAndWait(handshakeFrame(), CSerialExchange::Mode::Handshake, kNever),
              ExchangeResult::Answered);
    EXPECT_EQ(link.sent().size(), 2u);
    ASSERT_EQ(exchange.sendAndWait(makeFrame(command::kQuery), CSerialExchange::Mode::Normal, kNever),
              ExchangeResult::Answered);
    EXPECT_EQ(exchange.answer(), kInfo);
}

TEST(SerialExchange, StopLetsTheFrameInFlightBeAnsweredButNeverResends)
{
    struct Case {
        const char* what;
        std::vector<Bytes> answers;
        long delayTicks;
        ExchangeResult result;
    };
    for (const Case& c : std::vector<Case>{
             {"silent", {}, 1, ExchangeResult::Cancelled},
             {"refused", {kNak}, 1, ExchangeResult::Cancelled},
             {"answered in time", {kAck}, 20, ExchangeResult::Answered},
         }) {
        bool stop = false;
        FakeLink link([&](const Bytes& b, std::size_t i) {
            stop = true; // the user cancels as soon as the frame is out
            return script(c.answers, c.delayTicks)(b, i);
        });
        CSerialExchange exchange(link, kTick);
        EXPECT_EQ(exchange.sendAndWait(makeFrame(command::kQuery), CSerialExchange::Mode::Normal,
                                       [&] { return stop; }),
                  c.result)
            << c.what;
        EXPECT_EQ(link.sent().size(), 1u) << c.what;
        EXPECT_LE(link.ticks(kTick), 31) << c.what;
    }
}

TEST(SerialExchange, AFailingPortEndsTheExchange)
{
    FakeLink link(script({}));
    link.failAfter(2);
    CSerialExchange exchange(link, kTick);
    EXPECT_EQ(exchange.sendAndWait(makeFrame(command::kQuery), CSerialExchange::Mode::Normal, kNever),
              ExchangeResult::LinkLost);
    EXPECT_FALSE(exchange.linkError().text.empty());
}
