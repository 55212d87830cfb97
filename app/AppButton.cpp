#include "app/AppButton.h"
#include <QIcon>
#include <QPixmap>

TAppButton *Make_App_Button(QWidget *Parent, const char *Object_Name, int Left, int Top, int Width, int Height,
                            const TAppButtonLook &Look)
{
    auto *B = new TAppButton(Parent);
    B->setObjectName(QLatin1String(Object_Name));
    B->setGeometry(Left, Top, Width, Height);
    if (!Look.Glyph.isNull()) {
        QImage G = Look.Glyph.copy(0, 0, Look.Glyph.height(), Look.Glyph.height());
        G.setAlphaChannel(G.createMaskFromColor(G.pixel(0, G.height() - 1), Qt::MaskOutColor));
        B->setIcon(QIcon(QPixmap::fromImage(G)));
    }
    QString Css = QStringLiteral("QPushButton { background-color: rgb(248,247,237); border: 1px solid gray; padding: 2px 6px;");
    if (Look.Alignment == TAppButtonAlign::Left)
        Css += QStringLiteral(" text-align: left;");
    Css += QStringLiteral(" } QPushButton:hover { background-color: %1; } QPushButton:pressed { background-color: %2; }")
               .arg(To_QColor(Look.Hot_Track_Color).name(), To_QColor(Look.Color_When_Down).name());
    B->setStyleSheet(Css);
    return B;
}

void Set_Button_Caption(TAppButton *Button, const QString &Caption) { Button->setText(Caption); }
QString Button_Caption(const TAppButton *Button) { return Button->text(); }
void Click_Button(TAppButton *Button) { Button->click(); }
