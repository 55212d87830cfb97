#pragma once
#include "grid/exchange/ExchangeText.h"
#include "grid/model/GridModel.h"
#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

// A model-backed source and sink for the formats, and the golden files.
inline TExchangeHooks Model_Hooks(TGridModel &M)
{
    TExchangeHooks H;
    H.Save_Text = [&M](int C, int R) { return M.Cell(C, R); };
    H.Load_Text = [&M](int C, int R, const QString &T) { M.Set_Cell(C, R, T); };
    return H;
}

inline QByteArray Golden(const char *Name)
{
    QFile F(QStringLiteral(BC_EXCHANGE_DATA "/") + QString::fromLatin1(Name));
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray("<missing golden file>");
}

inline std::vector<QStringList> Rows_Of(const TParsedRows &P)
{
    std::vector<QStringList> Out;
    for (int R = 0; R < P.Rows(); ++R) {
        QStringList Row;
        for (int C = 0; C < P.Cols(R); ++C)
            Row.append(P.Text(R, C));
        Out.push_back(Row);
    }
    return Out;
}
