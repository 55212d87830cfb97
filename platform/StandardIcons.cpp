#include "platform/StandardIcons.h"
#include <QApplication>
#include <QHash>
#include <QImageReader>
#include <QStyle>
#include <QStyleOption>

namespace {

// The style's own picture of each icon the windows use: its 16-pixel file, or
// the nearest larger one where the style has none (scaled smoothly, as an icon
// scales it).
struct TBuilt_In_Icon
{
    int Standard_Pixmap;
    const char *File;
};
const TBuilt_In_Icon Built_In_Icons[] = {
    {QStyle::SP_FileDialogDetailedView, "viewdetailed-16.png"},
    {QStyle::SP_FileDialogNewFolder, "newdirectory-16.png"},
    {QStyle::SP_DirOpenIcon, "diropen-16.png"},
    {QStyle::SP_ComputerIcon, "computer-16.png"},
    {QStyle::SP_DriveNetIcon, "networkdrive-16.png"},
    {QStyle::SP_ArrowUp, "up-16.png"},
    {QStyle::SP_FileDialogListView, "viewlist-16.png"},
    {QStyle::SP_FileDialogContentsView, "filecontents-16.png"},
    {QStyle::SP_ArrowLeft, "left-16.png"},
    {QStyle::SP_ArrowRight, "right-16.png"},
    {QStyle::SP_FileIcon, "file-16.png"},
    {QStyle::SP_BrowserReload, "refresh-24.png"},
};

QPixmap Built_In_Picture(int Standard_Pixmap, QIcon::Mode Mode)
{
    for (const TBuilt_In_Icon &B : Built_In_Icons) {
        if (B.Standard_Pixmap != Standard_Pixmap)
            continue;
        // The other modes are made from the normal picture, read once.
        if (Mode != QIcon::Normal)
            return Standard_Icon_Picture(Standard_Pixmap, QIcon::Normal);
        // Read as the PNG files they are: without the format named and its
        // detection off, the reader would first ask every image plug-in.
        QImageReader Reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + QLatin1String(B.File),
                            "png");
        Reader.setAutoDetectImageFormat(false);
        QPixmap P = QPixmap::fromImage(Reader.read());
        if (!P.isNull() && P.size() != QSize(16, 16))
            P = P.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return P;
    }
    return {};
}

} // namespace

QPixmap Standard_Icon_Picture(int Standard_Pixmap, QIcon::Mode Mode)
{
    static QHash<int, QPixmap> Made;
    const int Key = Standard_Pixmap * 4 + static_cast<int>(Mode);
    if (const auto It = Made.constFind(Key); It != Made.cend())
        return *It;
    QPixmap P = Built_In_Picture(Standard_Pixmap, Mode);
    if (P.isNull()) {
        P = QApplication::style()
                ->standardIcon(static_cast<QStyle::StandardPixmap>(Standard_Pixmap))
                .pixmap(16, 16, Mode);
    } else if (Mode != QIcon::Normal) {
        // The other modes as an icon makes them: by the style, with the
        // application's palette.
        QStyleOption Opt;
        Opt.palette = QGuiApplication::palette();
        P = QApplication::style()->generatedIconPixmap(Mode, P, &Opt);
    }
    Made.insert(Key, P);
    return P;
}
