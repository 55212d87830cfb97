#include "platform/Http.h"
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {
class TQtHttpClient : public IHttpClient
{
public:
    void Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done) override
    {
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

TQtHttpClient Qt_Client;
IHttpClient *Current = nullptr;
} // namespace

IHttpClient &Http_Client() { return Current ? *Current : Qt_Client; }
void Set_Http_Client(IHttpClient *Client) { Current = Client; }

void TFakeHttpClient::Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done)
{
    Requested.append(Url);
    if (Auto_Reply) {
        Done(Reply);
        return;
    }
    Pending.append({Url, Timeout_Ms, Context, std::move(Done)});
}

void TFakeHttpClient::Answer_All() { Answer_All(Reply); }

void TFakeHttpClient::Answer_All(const THttpReply &Answer)
{
    const QList<TRequest> Now = std::move(Pending);
    Pending.clear();
    for (const TRequest &R : Now)
        R.Done(Answer);
}
