// Metafiles drawn through their SVG, with the converters linked in.
#include "platform/MetafileImage.h"
#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage Render_Svg(const QByteArray &Svg, const TMetafileInfo &Info, int Width, int Height)
{
    QSvgRenderer Renderer(Svg);
    if (!Renderer.isValid())
        return QImage();
    // An EMF's SVG is in the reference device's units with its own origin;
    // a WMF's is already laid out on the frame's pixels.
    if (Info.Kind == TMetafileKind::Emf)
        Renderer.setViewBox(Info.Svg_View);
    else
        Renderer.setViewBox(QRectF(0, 0, Info.Width_Px, Info.Height_Px));
    Renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    if (Image.isNull())
        return QImage();
    Image.fill(Qt::transparent);
    QPainter P(&Image);
    Renderer.render(&P, QRectF(0, 0, Width, Height));
    P.end();
    return Image;
}

} // namespace

QImage Metafile_Image(const QByteArray &Data, int Width, int Height, TMetafileInfo &Info, QString &Error)
{
    QByteArray Svg;
    if (!Metafile_To_Svg(Data, Svg, Info, Error))
        return QImage();
    if (Width == 0 && Height == 0) {
        Width = Info.Width_Px;
        Height = Info.Height_Px;
    }
    return Render_Svg(Svg, Info, Width, Height);
}
