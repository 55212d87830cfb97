#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

// HTTP GET without blocking the window: the request runs on the event loop
// and the answer arrives through a callback. Every request has a time-out,
// so a silent server cannot hold anything up for long. Tests install a fake.

constexpr int Http_Default_Timeout_Ms = 10000;

struct THttpReply
{
    bool Ok = false;         // a 2xx answer arrived
    int Status = 0;          // HTTP status, 0 when none arrived
    QByteArray Body;         // empty unless Ok
    QString Error;           // why it failed (time-out, refused, status)
};

using THttpDone = std::function<void(const THttpReply &)>;

class IHttpClient
{
public:
    virtual ~IHttpClient() = default;
    // Starts a GET. Done runs exactly once on the calling thread's event loop,
    // unless Context is destroyed first (then never). Cookies are neither
    // sent nor kept.
    virtual void Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done) = 0;
};

IHttpClient &Http_Client();
// Installs a client (not owned); nullptr restores the real one.
void Set_Http_Client(IHttpClient *Client);

// Records requests; answers them when told (or at once with Auto_Reply set).
class TFakeHttpClient : public IHttpClient
{
public:
    struct TRequest
    {
        QUrl Url;
        int Timeout_Ms;
        QObject *Context;
        THttpDone Done;
    };
    QList<TRequest> Pending;
    QList<QUrl> Requested;
    bool Auto_Reply = false;
    THttpReply Reply;     // answer used by Auto_Reply and Answer_All

    void Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done) override;
    // Answers every pending request with Answer (or Reply).
    void Answer_All();
    void Answer_All(const THttpReply &Answer);
};

class THttpClientGuard
{
public:
    explicit THttpClientGuard(IHttpClient *C) { Set_Http_Client(C); }
    ~THttpClientGuard() { Set_Http_Client(nullptr); }
    THttpClientGuard(const THttpClientGuard &) = delete;
    THttpClientGuard &operator=(const THttpClientGuard &) = delete;
};
