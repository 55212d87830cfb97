#include "platform/PictureLoader.h"
#include "platform/MetafileImage.h"
#include <QFileIconProvider>
#include <QFileInfo>
#include <QApplication>
#include <QIcon>
#include <cmath>

bool Decode_Picture(const QByteArray &Data, TDecodedPicture &Out)
{
    Out = TDecodedPicture();
    if (Metafile_Kind(Data) != TMetafileKind::None) {
        TMetafileInfo Info;
        QString Error;
        const QImage Image = Metafile_Image(Data, 0, 0, Info, Error);
        if (Image.isNull())
            return false;
        Out.Image = Image;
        Out.Width_Himetric = Info.Width_Himetric;
        Out.Height_Himetric = Info.Height_Himetric;
        Out.Metafile = true;
        return true;
    }
    const QImage Image = QImage::fromData(Data);
    if (Image.isNull())
        return false;
    Out.Image = Image;
    Out.Width_Himetric = static_cast<int>(std::lround(Image.width() * 2540.0 / 96.0));
    Out.Height_Himetric = static_cast<int>(std::lround(Image.height() * 2540.0 / 96.0));
    return true;
}

QImage Render_Metafile(const QByteArray &Data, int Width, int Height)
{
    if (Width < 1 || Height < 1 || Width > Metafile_Max_Side || Height > Metafile_Max_Side
        || qint64(Width) * Height > Metafile_Max_Area)
        return QImage();
    TMetafileInfo Info;
    QString Error;
    return Metafile_Image(Data, Width, Height, Info, Error);
}

int System_Icon_Size(bool Large)
{
    return Large ? 32 : 16;
}

QImage System_Icon(const QString &Name, bool Large)
{
    bool Number = false;
    Name.trimmed().toInt(&Number);
    if (Number || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return QImage();
    static QFileIconProvider Provider;
    const int Size = System_Icon_Size(Large);
    const QFileInfo Info(Name);
    // A name that does not exist gets the icon of its file type: a folder
    // when written with a trailing separator, else a file.
    QIcon Icon;
    if (!Name.isEmpty() && Info.exists())
        Icon = Provider.icon(Info);
    else if (Name.endsWith(u'/') || Name.endsWith(u'\\'))
        Icon = Provider.icon(QFileIconProvider::Folder);
    else
        Icon = Provider.icon(QFileIconProvider::File);
    QImage Image = Icon.pixmap(Size, Size).toImage();
    if (!Image.isNull() && (Image.width() != Size || Image.height() != Size))
        Image = Image.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Image;
}
