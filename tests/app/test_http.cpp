#include "AppTestSupport.h"
#include "platform/Http.h"
#include <QCoreApplication>
#include <QObject>
#include <memory>
#include <gtest/gtest.h>

namespace {
struct TResult
{
    bool Done = false;
    THttpReply Reply;
};

TResult Get(const QString &Url, int Timeout_Ms = 10000)
{
    TResult R;
    QObject Context;
    Http_Client().Get(QUrl(Url), Timeout_Ms, &Context, [&R](const THttpReply &Reply) {
        R.Done = true;
        R.Reply = Reply;
    });
    Wait_Until([&R] { return R.Done; });
    return R;
}
} // namespace

// Only a 2xx answer is a reply; everything else fails with a reason.
TEST(HttpGet, Answers)
{
    struct TCase { const char *Name; int Status; QByteArray Body; bool Ok; };
    const TCase Cases[] = {
        {"Ok", 200, "VER. 1.001", true},
        {"EmptyBody", 200, "", true},
        {"NotFound", 404, "missing", false},
        {"ServerError", 500, "boom", false},
        // a redirect is not followed: it leads to no answer
        {"Redirect", 302, "", false},
    };
    TLocalHttpServer Server;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Server.Status = C.Status;
        Server.Body = C.Body;
        const TResult R = Get(Server.Host() + "/x?y=1");
        ASSERT_TRUE(R.Done);
        EXPECT_EQ(R.Reply.Ok, C.Ok);
        EXPECT_EQ(R.Reply.Status, C.Status);
        EXPECT_EQ(R.Reply.Body, C.Ok ? C.Body : QByteArray());
        EXPECT_EQ(R.Reply.Error.isEmpty(), C.Ok);
    }
    EXPECT_EQ(Server.Request_Lines.value(0), "GET /x?y=1 HTTP/1.0");
    // the request names its host and sends no cookies
    EXPECT_TRUE(Server.Requests.value(0).contains("\r\nHost: 127.0.0.1:"));
    EXPECT_FALSE(Server.Requests.value(0).toLower().contains("cookie"));
}

// An HTTP/1.0 answer without a length ends where the server closes the connection.
TEST(HttpGet, AnswerWithoutLengthEndsAtClose)
{
    TLocalHttpServer Server;
    Server.Omit_Length = true;
    Server.Body = "VER. 1.001\r\n";
    const TResult R = Get(Server.Host() + "/v");
    ASSERT_TRUE(R.Done);
    EXPECT_TRUE(R.Reply.Ok);
    EXPECT_EQ(R.Reply.Body, "VER. 1.001\r\n");
}

// Nobody listening: a failure with a reason, not a hang.
TEST(HttpGet, RefusedConnectionFails)
{
    QTcpServer Probe;
    ASSERT_TRUE(Probe.listen(QHostAddress::LocalHost, 0));
    const quint16 Port = Probe.serverPort();
    Probe.close();
    const TResult R = Get(QStringLiteral("http://127.0.0.1:%1/").arg(Port));
    ASSERT_TRUE(R.Done);
    EXPECT_FALSE(R.Reply.Ok);
    EXPECT_FALSE(R.Reply.Error.isEmpty());
}

// A server that accepts and never answers: the request ends at its time-out.
TEST(HttpGet, TimeOut)
{
    TLocalHttpServer Server;
    Server.Silent = true;
    const TResult R = Get(Server.Host() + "/", 200);
    ASSERT_TRUE(R.Done);
    EXPECT_FALSE(R.Reply.Ok);
    EXPECT_FALSE(R.Reply.Error.isEmpty());
}

// A server that answers one byte at a time never lets the transfer stall,
// yet the request still ends at its time-out.
TEST(HttpGet, TrickleEndsAtTimeOut)
{
    TLocalHttpServer Server;
    Server.Trickle = true;
    const TResult R = Get(Server.Host() + "/", 400);
    ASSERT_TRUE(R.Done);
    EXPECT_FALSE(R.Reply.Ok);
    EXPECT_TRUE(R.Reply.Body.isEmpty());
    EXPECT_EQ(R.Reply.Error, "Time-out");
}

// When the asking window is gone before the answer, nothing is called back.
TEST(HttpGet, GoneContextGetsNoCall)
{
    TLocalHttpServer Server;
    Server.Silent = true;
    bool Called = false;
    auto Context = std::make_unique<QObject>();
    Http_Client().Get(QUrl(Server.Host() + "/first"), 200, Context.get(), [&Called](const THttpReply &) { Called = true; });
    Context.reset();
    // A second request with the same time-out, started later, ends later:
    // once it has ended, the first has ended too.
    const TResult After = Get(Server.Host() + "/second", 200);
    ASSERT_TRUE(After.Done);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Called);
}

TEST(HttpGet, FakeRecordsAndAnswers)
{
    TFakeHttpClient Fake;
    THttpClientGuard Guard(&Fake);
    int Calls = 0;
    QString Body;
    Http_Client().Get(QUrl("http://127.0.0.1/a"), 100, nullptr, [&](const THttpReply &R) {
        ++Calls;
        Body = QString::fromUtf8(R.Body);
    });
    EXPECT_EQ(Calls, 0);
    ASSERT_EQ(Fake.Pending.size(), 1);
    THttpReply Answer;
    Answer.Ok = true;
    Answer.Body = "b";
    Fake.Answer_All(Answer);
    EXPECT_EQ(Calls, 1);
    EXPECT_EQ(Body, "b");
    EXPECT_EQ(Fake.Requested, QList<QUrl>{QUrl("http://127.0.0.1/a")});
}
