#include "toolkit/ImageList.h"
#include "toolkit/Canvas.h"
#include <QFile>
#include <QHash>

int TImageList::Add(const QImage &Image)
{
    QImage I = Image;
    if (!I.isNull() && (I.width() != FWidth || I.height() != FHeight))
        I = I.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(I);
    return Count() - 1;
}

QImage TImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count())
        return QImage();
    return FImages[static_cast<size_t>(Index)];
}

void TImageList::Draw(TCanvas &Canvas, int X, int Y, int Index) const
{
    const QImage I = Image(Index);
    if (!I.isNull())
        Canvas.Draw(X, Y, I);
}

namespace {
QHash<QString, QByteArray> &Registered()
{
    static QHash<QString, QByteArray> R;
    return R;
}
} // namespace

void Register_Raw_Resource(const QString &Name, const QByteArray &Data)
{
    Registered().insert(Name.toUpper(), Data);
}

void Unregister_Raw_Resource(const QString &Name)
{
    Registered().remove(Name.toUpper());
}

bool Find_Raw_Resource(const QString &Name, QByteArray &Data)
{
    if (Name.isEmpty())
        return false;
    const auto It = Registered().constFind(Name.toUpper());
    if (It != Registered().constEnd()) {
        Data = *It;
        return true;
    }
    for (const QString &Candidate : {Name, Name.toUpper(), Name.toLower()}) {
        QFile F(QStringLiteral(":/rcdata/") + Candidate);
        if (F.open(QIODevice::ReadOnly)) {
            Data = F.readAll();
            return true;
        }
    }
    return false;
}

QImage Resource_Image(const QString &Name)
{
    QByteArray Data;
    if (!Find_Raw_Resource(Name, Data))
        return QImage();
    return QImage::fromData(Data);
}
