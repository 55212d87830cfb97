#include "platform/Clock.h"
#include "platform/IcmpEcho.h"
#include "update/PingCheck.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A gateway stand-in: answers from a script of replies, one per request
// (the last entry repeats), and moves the driven clock as a real wait would.
class TFakeEcho : public IEcho_Client
{
public:
    enum TStep { Answer, Silent, Fail, Cancel };
    explicit TFakeEcho(TDrivenClock &C, std::vector<TStep> Script) : FClock(C), FScript(std::move(Script)) {}
    std::vector<QString> Hosts;
    std::vector<QByteArray> Payloads;
    TEcho_Reply Echo(const QString &Host, const QByteArray &Data, std::uint32_t Timeout_Ms,
                     const std::function<bool()> &Idle) override
    {
        Hosts.push_back(Host);
        Payloads.push_back(Data);
        const TStep S = FScript[std::min(FNext++, FScript.size() - 1)];
        TEcho_Reply R;
        switch (S) {
        case Answer:
            FClock.Advance(3);
            R.Status = TEcho_Reply::esReply;
            R.Bytes_Received = 8 + Data.size();
            break;
        case Silent:
            FClock.Advance(Timeout_Ms);
            R.Status = TEcho_Reply::esTimeout;
            break;
        case Fail:
            R.Status = TEcho_Reply::esError;
            R.Error = QStringLiteral("unreachable");
            break;
        case Cancel:
            FClock.Advance(50);
            R.Status = Idle && !Idle() ? TEcho_Reply::esCancelled : TEcho_Reply::esTimeout;
            break;
        }
        return R;
    }

private:
    TDrivenClock &FClock;
    std::vector<TStep> FScript;
    size_t FNext = 0;
};

struct TPingCase
{
    const char *Name;
    std::vector<TFakeEcho::TStep> Script;
    bool Found;
    int Ping_Res;
    bool Send_Failed;
    int Requests;
};

using S = TFakeEcho::TStep;
const TPingCase Ping_Cases[] = {
    // a device answering every echo is found after the second reply
    {"AnswersAlways", {S::Answer}, true, 1, false, 2},
    // replies count whether or not they follow each other
    {"AnswersSecondAndFourth", {S::Silent, S::Answer, S::Silent, S::Answer}, true, 1, false, 4},
    // answers once, then silent: given up after more than 5 s, last reply without data
    {"AnswersOnceThenSilent", {S::Answer, S::Silent}, false, 2, false, 14},
    // never answers: about twelve requests of 400 ms
    {"Silent", {S::Silent}, false, 2, false, 13},
    // a request that cannot be sent ends the check at once; nothing replied yet
    {"SendFails", {S::Fail}, false, 0, true, 1},
    // a send failure keeps the last reply's outcome, yet the check fails
    {"FailsAfterAReply", {S::Answer, S::Fail}, false, 1, true, 2},
    {"FailsAfterSilence", {S::Silent, S::Fail}, false, 2, true, 2},
};

TEST(PingCheck, CountsRepliesAndGivesUpAfterFiveSeconds)
{
    for (const TPingCase &C : Ping_Cases) {
        SCOPED_TRACE(C.Name);
        TDrivenClock Clk;
        Clk.Ticks = 0xFFFFF000u;   // the tick count wraps during the check
        TClockGuard G(&Clk);
        TFakeEcho Echo(Clk, C.Script);
        int Polls = 0;
        const TPing_Check R = Run_Ping_Check(Echo, QStringLiteral("127.0.0.1"), [&Polls] {
            ++Polls;
            return true;
        });
        EXPECT_EQ(R.Found, C.Found);
        EXPECT_EQ(R.Ping_Res, C.Ping_Res);
        EXPECT_EQ(R.Send_Failed, C.Send_Failed);
        EXPECT_FALSE(R.Cancelled);
        EXPECT_EQ(R.Requests, C.Requests);
        EXPECT_EQ(static_cast<int>(Echo.Hosts.size()), C.Requests);
        // one 10 ms pause with message processing after each answered request
        EXPECT_EQ(Polls, C.Send_Failed ? C.Requests - 1 : C.Requests);
    }
}

TEST(PingCheck, EchoCarriesTheTargetTextAsData)
{
    TDrivenClock Clk;
    TClockGuard G(&Clk);
    TFakeEcho Echo(Clk, {S::Answer});
    Run_Ping_Check(Echo, QStringLiteral("127.0.0.1"), {});
    ASSERT_FALSE(Echo.Payloads.empty());
    EXPECT_EQ(Echo.Hosts[0], QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Echo.Payloads[0], QByteArray("127.0.0.1"));
}

TEST(PingCheck, CancelEndsTheCheckWithoutAResult)
{
    TDrivenClock Clk;
    TClockGuard G(&Clk);
    // cancelled while waiting for a reply
    TFakeEcho Echo(Clk, {S::Silent, S::Cancel});
    int Polls = 0;
    TPing_Check R = Run_Ping_Check(Echo, QStringLiteral("127.0.0.1"), [&Polls] { return ++Polls < 2; });
    EXPECT_TRUE(R.Cancelled);
    EXPECT_FALSE(R.Found);
    EXPECT_EQ(R.Requests, 2);
    // cancelled in the pause after a reply
    TFakeEcho Echo2(Clk, {S::Answer});
    R = Run_Ping_Check(Echo2, QStringLiteral("127.0.0.1"), [] { return false; });
    EXPECT_TRUE(R.Cancelled);
    EXPECT_FALSE(R.Found);
    EXPECT_EQ(R.Requests, 1);
}

// ---- the real ICMP client ---------------------------------------------------------

TEST(IcmpEcho, AddressesAreNumericOnly)
{
    struct TAddr { const char *Text; bool Ok; std::uint32_t Address; };
    const TAddr Cases[] = {
        {"127.0.0.1", true, 0x7F000001}, {"0.0.0.0", true, 0}, {"255.255.255.255", true, 0xFFFFFFFF},
        {"999.1.1.1", false, 0}, {"1.2.3", false, 0}, {"1.2.3.4.5", false, 0}, {"localhost", false, 0},
        {" 1.2.3.4", false, 0}, {"1.2.3.a", false, 0}, {"1..3.4", false, 0}, {"0x7F.0.0.1", false, 0},
    };
    for (const TAddr &C : Cases) {
        SCOPED_TRACE(C.Text);
        std::uint32_t A = 0;
        EXPECT_EQ(Parse_IPv4(QLatin1String(C.Text), A), C.Ok);
        if (C.Ok) {
            EXPECT_EQ(A, C.Address);
        }
    }
}

// Only an echo reply with our identifier and sequence number counts; on a raw
// socket the IPv4 header comes first (and our own request is seen on loopback).
TEST(IcmpEcho, OnlyOurEchoReplyCounts)
{
    const std::uint16_t Id = 0x1234, Seq = 7;
    auto Icmp = [](int Type, int Code, int I, int Sq, int Data_Len) {
        std::vector<unsigned char> B = {static_cast<unsigned char>(Type), static_cast<unsigned char>(Code), 0, 0,
                                        static_cast<unsigned char>(I >> 8), static_cast<unsigned char>(I),
                                        static_cast<unsigned char>(Sq >> 8), static_cast<unsigned char>(Sq)};
        B.resize(B.size() + static_cast<size_t>(Data_Len), 'x');
        return B;
    };
    auto With_Ip = [](std::vector<unsigned char> B, int Ihl) {
        std::vector<unsigned char> Ip(static_cast<size_t>(Ihl) * 4, 0);
        Ip[0] = static_cast<unsigned char>(0x40 | Ihl);
        Ip.insert(Ip.end(), B.begin(), B.end());
        return Ip;
    };
    // The header length field says Ihl words, whatever follows.
    auto Claim_Ihl = [](std::vector<unsigned char> B, int Ihl) {
        B[0] = static_cast<unsigned char>(0x40 | Ihl);
        return B;
    };
    auto Cut = [](std::vector<unsigned char> B, size_t N) {
        B.resize(N);
        return B;
    };
    struct TCase
    {
        const char *Name;
        std::vector<unsigned char> Bytes;
        bool Raw;
        bool Ours;
        int Icmp_Len;
    };
    const TCase Cases[] = {
        {"Reply", Icmp(0, 0, Id, Seq, 9), false, true, 17},
        {"ReplyWithoutData", Icmp(0, 0, Id, Seq, 0), false, true, 8},
        {"OtherIdentifier", Icmp(0, 0, Id + 1, Seq, 9), false, false, 0},
        {"OtherSequence", Icmp(0, 0, Id, Seq - 1, 9), false, false, 0},
        {"OwnRequestSeenOnLoopback", Icmp(8, 0, Id, Seq, 9), false, false, 0},
        {"Unreachable", Icmp(3, 1, Id, Seq, 9), false, false, 0},
        {"OtherCode", Icmp(0, 1, Id, Seq, 9), false, false, 0},
        {"Truncated", Cut(Icmp(0, 0, Id, Seq, 0), 6), false, false, 0},
        {"RawReply", With_Ip(Icmp(0, 0, Id, Seq, 9), 5), true, true, 17},
        {"RawReplyWithIpOptions", With_Ip(Icmp(0, 0, Id, Seq, 9), 6), true, true, 17},
        {"RawHeaderLongerThanDatagram", Claim_Ihl(With_Ip(Icmp(0, 0, Id, Seq, 0), 5), 15), true, false, 0},
        {"RawShortHeaderLength", With_Ip(Icmp(0, 0, Id, Seq, 9), 2), true, false, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        int Len = -1;
        EXPECT_EQ(Is_Echo_Reply_For(C.Bytes.data(), static_cast<long long>(C.Bytes.size()), C.Raw, Id, Seq, Len),
                  C.Ours);
        if (C.Ours) {
            EXPECT_EQ(Len, C.Icmp_Len);
        }
    }
}

TEST(IcmpEcho, NamesAreRefusedWithoutSendingAnything)
{
    TIcmp_Echo_Client Client;
    const TEcho_Reply R = Client.Echo(QStringLiteral("localhost"), QByteArray("x"), 400, {});
    EXPECT_EQ(R.Status, TEcho_Reply::esError);
    EXPECT_FALSE(R.Error.isEmpty());
}

TEST(IcmpEcho, LoopbackAnswersARealEcho)
{
    TIcmp_Echo_Client Client;
    const QByteArray Data("127.0.0.1");
    TEcho_Reply R = Client.Echo(QStringLiteral("127.0.0.1"), Data, 2000, {});
    if (R.Status == TEcho_Reply::esError)
        GTEST_SKIP() << "no ICMP socket on this machine: " << qPrintable(R.Error);
    ASSERT_EQ(R.Status, TEcho_Reply::esReply);
    EXPECT_EQ(R.Bytes_Received, 8 + Data.size());
    // a second request (next sequence number) is answered as well, with Idle polled
    int Idles = 0;
    R = Client.Echo(QStringLiteral("127.0.0.1"), Data, 2000, [&Idles] { ++Idles; return true; });
    EXPECT_EQ(R.Status, TEcho_Reply::esReply);
}

TEST(IcmpEcho, TheWholeCheckFindsLoopback)
{
    TIcmp_Echo_Client Client;
    if (Client.Echo(QStringLiteral("127.0.0.1"), "probe", 2000, {}).Status == TEcho_Reply::esError)
        GTEST_SKIP() << "no ICMP socket on this machine";
    const TPing_Check R = Run_Ping_Check(Client, QStringLiteral("127.0.0.1"), [] { return true; });
    EXPECT_TRUE(R.Found);
    EXPECT_EQ(R.Ping_Res, 1);
}

} // namespace
