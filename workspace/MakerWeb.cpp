#include "workspace/MakerWeb.h"
#include "workspace/Workspace.h"
#include "platform/TextToInt.h"
#include <QUrlQuery>

#ifndef BC_WEB_HOST
#define BC_WEB_HOST "http://www.quorix-gateways.example"
#endif

int Version_Check_Timeout_Ms = 10000;

namespace {
QString Host_Override;

QUrl Make_Url(const char *Path)
{
    return QUrl(Maker_Web_Host() + QLatin1String(Path));
}

// Upper case for the letters a to z only, as the reply check wants.
QString Upper_Ascii(const QString &S)
{
    QString R = S;
    for (QChar &C : R)
        if (C >= QLatin1Char('a') && C <= QLatin1Char('z'))
            C = QChar(C.unicode() - 'a' + 'A');
    return R;
}
} // namespace

QString Maker_Web_Host()
{
    QString H = Host_Override.isEmpty() ? QStringLiteral(BC_WEB_HOST) : Host_Override;
    while (H.endsWith(QLatin1Char('/')))
        H.chop(1);
    return H;
}

void Set_Maker_Web_Host(const QString &Host)
{
    Host_Override = Host;
}

QString Maker_Web_Address()
{
    const QUrl U(Maker_Web_Host());
    return U.host().isEmpty() ? Maker_Web_Host() : U.host();
}

QUrl Maker_Home_Page_Url()
{
    QUrl U = Make_Url("/HOME/default.asp");
    QUrlQuery Q;
    Q.addQueryItem(QStringLiteral("frompg"), SW_Code_Const);
    U.setQuery(Q);
    return U;
}

QUrl Maker_Download_Page_Url()
{
    QUrl U = Make_Url("/Home/download/download.asp");
    U.setFragment(QStringLiteral("GWTK410"));
    return U;
}

QUrl Version_Query_Url()
{
    QUrl U = Make_Url("/home/download/GetversionSW.asp");
    QUrlQuery Q;
    Q.addQueryItem(QStringLiteral("nomesw"), SW_Code_Const);
    U.setQuery(Q);
    return U;
}

int Conv_Version(const QString &Text)
{
    QString Part = Text;
    const qsizetype Blank = Part.indexOf(QLatin1Char(' '));
    if (Blank >= 0)
        Part = Part.mid(Blank + 1);
    Part = Trim_Blanks(Part);
    if (Part.size() < 5)
        return -1;
    const QString Digits = QString(Part.at(0)) + Part.at(2) + Part.at(3) + Part.at(4);
    int V = 0;
    return Text_To_Int(Digits, V) ? V : -1;
}

bool Is_Newer_Version(const QString &Reply)
{
    const QString R = Trim_Blanks(Upper_Ascii(Reply));
    if (R.isEmpty() || R == QLatin1String("VER. 0.000"))
        return false;
    const int Own = Conv_Version(SW_Version_Const);
    const int Offered = Conv_Version(Trim_Blanks(Reply));
    return Own != -1 && Offered != -1 && Offered > Own;
}
