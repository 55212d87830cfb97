// The real HTTP client, on Qt's sockets and network access.
#include "platform/Http.h"
#include "platform/HttpDefault.h"
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// One plain-HTTP GET spoken as HTTP/1.0, as the maker's version service
// expects: the request, then the whole answer until the server closes the
// connection (or the announced length has arrived). Lives until it has called
// back once; the deadline bounds the whole exchange.
class THttp10Get : public QObject
{
public:
    THttp10Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done)
        : FContext(Context), FHas_Context(Context != nullptr), FDone(std::move(Done))
    {
        QByteArray Target = Url.path(QUrl::FullyEncoded).toLatin1();
        if (Target.isEmpty())
            Target = "/";
        if (Url.hasQuery())
            Target += "?" + Url.query(QUrl::FullyEncoded).toLatin1();
        QByteArray Host = Url.host(QUrl::FullyEncoded).toLatin1();
        if (Url.port() != -1)
            Host += ":" + QByteArray::number(Url.port());
        FRequest = "GET " + Target + " HTTP/1.0\r\nHost: " + Host + "\r\nAccept: */*\r\n\r\n";
        connect(&FSocket, &QTcpSocket::connected, this, [this] { FSocket.write(FRequest); });
        connect(&FSocket, &QTcpSocket::readyRead, this, [this] {
            FData += FSocket.readAll();
            if (Complete())
                Finish(QString());
        });
        connect(&FSocket, &QTcpSocket::disconnected, this, [this] {
            FData += FSocket.readAll();
            Finish(QString());
        });
        connect(&FSocket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError E) {
            FData += FSocket.readAll();
            // The server closing the connection ends an HTTP/1.0 answer.
            Finish(E == QAbstractSocket::RemoteHostClosedError ? QString() : FSocket.errorString());
        });
        FDeadline.setSingleShot(true);
        connect(&FDeadline, &QTimer::timeout, this, [this] { Finish(QStringLiteral("Time-out")); });
        FDeadline.start(Timeout_Ms > 0 ? Timeout_Ms : Http_Default_Timeout_Ms);
        FSocket.connectToHost(Url.host(), static_cast<quint16>(Url.port(80)));
    }

private:
    // Whether the answer announced its length and all of it has arrived.
    bool Complete() const
    {
        const qsizetype End = FData.indexOf("\r\n\r\n");
        if (End < 0)
            return false;
        const qsizetype Length = Content_Length(FData.left(End));
        return Length >= 0 && FData.size() - (End + 4) >= Length;
    }

    static qsizetype Content_Length(const QByteArray &Head)
    {
        for (const QByteArray &Line : Head.split('\n')) {
            const qsizetype Colon = Line.indexOf(':');
            if (Colon > 0 && Line.left(Colon).trimmed().toLower() == "content-length") {
                bool Ok = false;
                const qlonglong N = Line.mid(Colon + 1).trimmed().toLongLong(&Ok);
                return Ok && N >= 0 ? static_cast<qsizetype>(N) : -1;
            }
        }
        return -1;
    }

    void Finish(const QString &Failure)
    {
        if (FFinished)
            return;
        FFinished = true;
        FDeadline.stop();
        FSocket.disconnect(this);
        FSocket.abort();
        THttpReply Reply;
        const qsizetype End = FData.indexOf("\r\n\r\n");
        if (End >= 0) {
            // Status line: "HTTP/1.x 200 Reason".
            const QList<QByteArray> Status = FData.left(FData.indexOf("\r\n")).split(' ');
            if (Status.size() >= 2 && Status[0].startsWith("HTTP/"))
                Reply.Status = Status[1].toInt();
        }
        if (!Failure.isEmpty())
            Reply.Error = Failure;
        else if (End < 0 || Reply.Status == 0)
            Reply.Error = QStringLiteral("No valid HTTP answer");
        else if (Reply.Status < 200 || Reply.Status >= 300)
            Reply.Error = QStringLiteral("HTTP status %1").arg(Reply.Status);
        else {
            Reply.Ok = true;
            Reply.Body = FData.mid(End + 4);
            const qsizetype Length = Content_Length(FData.left(End));
            if (Length >= 0)
                Reply.Body.truncate(Length);
        }
        deleteLater();
        if (FHas_Context && !FContext)
            return;
        FDone(Reply);
    }

    QTcpSocket FSocket;
    QTimer FDeadline;
    QByteArray FRequest;
    QByteArray FData;
    QPointer<QObject> FContext;
    bool FHas_Context;
    bool FFinished = false;
    THttpDone FDone;
};

class TQtHttpClient : public IHttpClient
{
public:
    void Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done) override
    {
        // Plain HTTP is spoken as HTTP/1.0, the protocol the maker's version
        // service expects; other schemes (https) go through Qt's network access.
        if (Url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 && !Url.host().isEmpty()) {
            new THttp10Get(Url, Timeout_Ms, Context, std::move(Done));
            return;
        }
        if (!Manager)
            Manager = new QNetworkAccessManager();
        QNetworkRequest Request(Url);
        Request.setTransferTimeout(Timeout_Ms > 0 ? Timeout_Ms : Http_Default_Timeout_Ms);
        Request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        Request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
        Request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        Request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        Request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply *R = Manager->get(Request);
        // The transfer time-out restarts with every byte, so a server that
        // trickles its answer would never reach it: the whole request also
        // ends when its time is up.
        auto *Deadline = new QTimer(R);
        Deadline->setSingleShot(true);
        QObject::connect(Deadline, &QTimer::timeout, R, [R] {
            R->setProperty("bc_timed_out", true);
            R->abort();
        });
        Deadline->start(Timeout_Ms > 0 ? Timeout_Ms : Http_Default_Timeout_Ms);
        QPointer<QObject> Guard(Context);
        const bool Has_Context = Context != nullptr;
        QObject::connect(R, &QNetworkReply::finished, R, [R, Guard, Has_Context, Done = std::move(Done)]() {
            THttpReply Reply;
            Reply.Status = R->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (R->error() == QNetworkReply::NoError && Reply.Status >= 200 && Reply.Status < 300) {
                Reply.Ok = true;
                Reply.Body = R->readAll();
            } else {
                Reply.Error = R->property("bc_timed_out").toBool() ? QStringLiteral("Time-out") : R->errorString();
            }
            R->deleteLater();
            if (Has_Context && !Guard)
                return;
            Done(Reply);
        });
    }

private:
    // Lives for the whole run; one per program (UI thread).
    QNetworkAccessManager *Manager = nullptr;
};

} // namespace

IHttpClient &Default_Http_Client()
{
    static TQtHttpClient Client;
    return Client;
}
