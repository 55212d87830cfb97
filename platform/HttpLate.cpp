// The real HTTP client for executables that load the network module on the
// first request (the program): the network libraries stay unloaded until then.
#include "platform/Http.h"
#include "platform/HttpDefault.h"
#include "platform/LateLibrary.h"
#include <QPointer>
#include <QTimer>

namespace {
using TClient_Entry = IHttpClient *(*)();

class TLate_Http_Client : public IHttpClient
{
public:
    void Get(const QUrl &Url, int Timeout_Ms, QObject *Context, THttpDone Done) override
    {
        QString Error;
        if (!Loaded) {
            if (const auto Entry = reinterpret_cast<TClient_Entry>(
                    Late_Library_Symbol("bc_network", "Bc_Network_Http_Client", &Error)))
                Loaded = Entry();
        }
        if (Loaded) {
            Loaded->Get(Url, Timeout_Ms, Context, std::move(Done));
            return;
        }
        // Without the module the request fails like any other: once, on the
        // event loop, and not at all when Context is gone by then.
        THttpReply Reply;
        Reply.Error = Error;
        const QPointer<QObject> Guard(Context);
        const bool Has_Context = Context != nullptr;
        QTimer::singleShot(0, [Guard, Has_Context, Reply, Done = std::move(Done)] {
            if (!Has_Context || Guard)
                Done(Reply);
        });
    }

private:
    IHttpClient *Loaded = nullptr;
};
} // namespace

IHttpClient &Default_Http_Client()
{
    static TLate_Http_Client Client;
    return Client;
}
