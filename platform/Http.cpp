#include "platform/Http.h"
#include "platform/HttpDefault.h"

namespace {
IHttpClient *Current = nullptr;
} // namespace

IHttpClient &Http_Client() { return Current ? *Current : Default_Http_Client(); }
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
