// This binary loads the network part as the program does: from its module, on
// the first request (BC_LATE_LIBRARIES).
#include "platform/Http.h"
#include "platform/LateLibrary.h"
#include "TestSupport.h"
#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <memory>
#include <gtest/gtest.h>

namespace {
// Answers every request on 127.0.0.1 with a fixed HTTP/1.0 reply.
class TOne_Answer_Server
{
public:
    explicit TOne_Answer_Server(QByteArray Reply)
    {
        Server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&Server, &QTcpServer::newConnection, [this, Reply] {
            while (QTcpSocket *S = Server.nextPendingConnection()) {
                QObject::connect(S, &QTcpSocket::readyRead, S, [S, Reply] {
                    if (!S->peek(S->bytesAvailable()).contains("\r\n\r\n"))
                        return;
                    S->readAll();
                    S->write(Reply);
                    S->disconnectFromHost();
                });
            }
        });
    }
    QUrl Url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/v").arg(Server.serverPort())); }

private:
    QTcpServer Server;
};

struct TFolderGuard
{
    explicit TFolderGuard(const QString &Folder) { Set_Late_Library_Folder(Folder); }
    ~TFolderGuard() { Set_Late_Library_Folder(QString()); }
};
} // namespace

// The modules are looked for beside the executable unless a folder is set.
TEST(LateLibraries, FolderIsTheProgramsUnlessSet)
{
    EXPECT_EQ(Late_Library_Folder(), QCoreApplication::applicationDirPath());
    {
        const TFolderGuard Folder(BC_TEST_MODULE_DIR);
        EXPECT_EQ(Late_Library_Folder(), BC_TEST_MODULE_DIR);
    }
    EXPECT_EQ(Late_Library_Folder(), QCoreApplication::applicationDirPath());
}

// A missing module or entry is named in the error; a present one resolves.
TEST(LateLibraries, SymbolOrReason)
{
    QTemporaryDir Empty;
    {
        const TFolderGuard Folder(Empty.path());
        QString Error;
        EXPECT_EQ(Late_Library_Symbol("bc_network", "Bc_Network_Http_Client", &Error), nullptr);
        EXPECT_TRUE(Error.contains(QStringLiteral("bc_network"))) << Error.toStdString();
    }
    const TFolderGuard Folder(BC_TEST_MODULE_DIR);
    QString Error;
    EXPECT_EQ(Late_Library_Symbol("bc_network", "No_Such_Entry", &Error), nullptr);
    EXPECT_TRUE(Error.contains(QStringLiteral("No_Such_Entry"))) << Error.toStdString();
    EXPECT_NE(Late_Library_Symbol("bc_network", "Bc_Network_Http_Client"), nullptr);
}

// Without its module a request fails like any other request: Done runs once,
// on the event loop, with the reason; never once its context is gone. With the
// module the request is served (and the module then stays loaded).
TEST(LateLibraries, HttpGetThroughTheNetworkModule)
{
    TOne_Answer_Server Server("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.001");
    {
        QTemporaryDir Empty;
        const TFolderGuard Folder(Empty.path());
        int Calls = 0;
        THttpReply Got;
        QObject Context;
        Http_Client().Get(Server.Url(), 5000, &Context, [&](const THttpReply &R) {
            ++Calls;
            Got = R;
        });
        EXPECT_EQ(Calls, 0); // not before the event loop runs
        ASSERT_TRUE(Wait_Until([&] { return Calls > 0; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(Calls, 1);
        EXPECT_FALSE(Got.Ok);
        EXPECT_TRUE(Got.Error.contains(QStringLiteral("bc_network"))) << Got.Error.toStdString();

        bool Called = false;
        auto Gone = std::make_unique<QObject>();
        Http_Client().Get(Server.Url(), 5000, Gone.get(), [&](const THttpReply &) { Called = true; });
        Gone.reset();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Called);
    }
    const TFolderGuard Folder(BC_TEST_MODULE_DIR);
    bool Done = false;
    THttpReply Got;
    QObject Context;
    Http_Client().Get(Server.Url(), 5000, &Context, [&](const THttpReply &R) {
        Done = true;
        Got = R;
    });
    ASSERT_TRUE(Wait_Until([&] { return Done; }));
    EXPECT_TRUE(Got.Ok) << Got.Error.toStdString();
    EXPECT_EQ(Got.Body, "VER. 1.001");
}
