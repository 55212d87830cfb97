#include "AppTestSupport.h"
#include "app/Forms.h"
#include "workspace/MakerWeb.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QTimer>

void AppFixture::SetUp()
{
    ASSERT_TRUE(Dir.isValid());
    Reset_Workspace();
    Set_Program_Dir_Override(Dir.path());
    Boxes_Guard = std::make_unique<TMessageBoxGuard>(&Boxes);
    Pages_Guard = std::make_unique<TUrlOpenerGuard>(&Pages);
}

void AppFixture::TearDown()
{
    Stop(false);
    Pages_Guard.reset();
    Boxes_Guard.reset();
    Set_Program_Dir_Override(QString());
    Set_Maker_Web_Host(QString());
    Version_Check_Timeout_Ms = 10000;
    Reset_Workspace();
}

void AppFixture::Start()
{
    Main = Create_Forms();
    // What start-up reports about other parts (the EEP catalogue, say) is not
    // the subject of these tests.
    Boxes.Shown.clear();
}

void AppFixture::Stop(bool Close)
{
    if (!Main)
        return;
    if (Close)
        Main->close();
    delete Main;
    Main = nullptr;
}

void While_Modal(const std::function<void()> &Inside, const std::function<void()> &Trigger)
{
    QTimer::singleShot(0, Inside);
    Trigger();
}

TLocalHttpServer::TLocalHttpServer()
{
    Server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&Server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *S = Server.nextPendingConnection()) {
            S->setParent(this);
            QObject::connect(S, &QTcpSocket::readyRead, this, [this, S] {
                const QByteArray Data = S->peek(S->bytesAvailable());
                if (!Data.contains("\r\n\r\n"))
                    return;
                S->readAll();
                Request_Lines.append(Data.left(Data.indexOf("\r\n")));
                Requests.append(Data.left(Data.indexOf("\r\n\r\n") + 4));
                if (Silent)
                    return; // keep the connection open without a word
                if (Trickle) {
                    S->write("HTTP/1.0 200 X\r\nContent-Type: text/html\r\nContent-Length: 1000000\r\n\r\n");
                    auto *Drip = new QTimer(S);
                    QObject::connect(Drip, &QTimer::timeout, S, [S] { S->write("V"); });
                    Drip->start(50);
                    return;
                }
                QByteArray Reply = "HTTP/1.0 " + QByteArray::number(Status) + " X\r\nContent-Type: text/html\r\n";
                if (!Omit_Length)
                    Reply += "Content-Length: " + QByteArray::number(Body.size()) + "\r\n";
                Reply += "\r\n" + Body;
                S->write(Reply);
                S->disconnectFromHost();
            });
        }
    });
}

QString TLocalHttpServer::Host() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(Server.serverPort());
}

int Pixels_Other_Than(const QImage &Shot, const QRect &Area, const QColor &Colour)
{
    int N = 0;
    const QRect R = Area.intersected(Shot.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            N += Shot.pixelColor(X, Y).rgb() != Colour.rgb();
    return N;
}

int Dark_Pixels(const QImage &Shot, const QRect &Area)
{
    int N = 0;
    const QRect R = Area.intersected(Shot.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            N += Shot.pixelColor(X, Y).lightness() < 100;
    return N;
}
