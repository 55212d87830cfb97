// This binary loads the network part and the metafile converters as the
// program does: from their modules, on first use (BC_LATE_LIBRARIES).
#include "MetafileFixtures.h"
#include "platform/Http.h"
#include "platform/LateLibrary.h"
#include "platform/PictureLoader.h"
#include "TestSupport.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <memory>
#include <gtest/gtest.h>

extern "C" void FcFini(void);

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

// Metafiles are drawn by their module, other pictures without it; without the
// module a metafile is refused like unreadable data.
TEST(LateLibraries, MetafilesThroughTheirModule)
{
    QByteArray Png;
    QBuffer Out(&Png);
    Out.open(QIODevice::WriteOnly);
    QImage(3, 2, QImage::Format_RGB32).save(&Out, "PNG");
    const QByteArray Wmf = metafile_fixture::Make_Wmf();
    const QByteArray Emf = metafile_fixture::Make_Emf();
    {
        QTemporaryDir Empty;
        const TFolderGuard Folder(Empty.path());
        TDecodedPicture P;
        EXPECT_FALSE(Decode_Picture(Wmf, P));
        EXPECT_TRUE(Render_Metafile(Emf, 40, 12).isNull());
        ASSERT_TRUE(Decode_Picture(Png, P));
        EXPECT_EQ(P.Image.size(), QSize(3, 2));
        EXPECT_FALSE(P.Metafile);
    }
    const TFolderGuard Folder(BC_TEST_MODULE_DIR);
    for (const QByteArray &Data : {Wmf, Emf}) {
        TDecodedPicture P;
        ASSERT_TRUE(Decode_Picture(Data, P));
        EXPECT_TRUE(P.Metafile);
        EXPECT_EQ(P.Image.size(), QSize(80, 24));
        EXPECT_NEAR(P.Width_Himetric, 80 * 2540 / 96, 1);
        EXPECT_EQ(Render_Metafile(Data, 40, 12).size(), QSize(40, 12));
    }
}

// The converter loaded later still reaches the program's do-nothing FcFini,
// so fonts keep working after a text given as glyph indexes.
TEST(LateLibraries, ModuleLeavesFontsWorking)
{
    const TFolderGuard Folder(BC_TEST_MODULE_DIR);
    TDecodedPicture P;
    ASSERT_TRUE(Decode_Picture(metafile_fixture::Glyph_Index_Text_Emf(), P));
    Dl_info Info{};
    ASSERT_NE(dladdr(dlsym(RTLD_DEFAULT, "FcFini"), &Info), 0);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "FcFini"), reinterpret_cast<void *>(&FcFini));
    for (int Pass = 0; Pass < 2; ++Pass) {
        ASSERT_TRUE(Decode_Picture(metafile_fixture::Glyph_Index_Text_Emf(), P));
        QImage I(60, 20, QImage::Format_ARGB32);
        I.fill(Qt::white);
        QPainter Painter(&I);
        Painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 12 + Pass));
        Painter.drawText(2, 16, QStringLiteral("Fonts"));
        Painter.end();
        int Dark = 0;
        for (int Y = 0; Y < I.height(); ++Y)
            for (int X = 0; X < I.width(); ++X)
                Dark += qGray(I.pixel(X, Y)) < 110 ? 1 : 0;
        EXPECT_GT(Dark, 20) << Pass;
    }
}
