#include "platform/Colors.h"
#include <QColor>

QColor To_QColor(TColor C)
{
    if (C == clNone)
        return QColor(0, 0, 0, 0);
    const TColor R = Color_To_RGB(C);
    return QColor(Get_R_Value(R), Get_G_Value(R), Get_B_Value(R));
}

TColor From_QColor(const QColor &C) { return RGB_Color(C.red(), C.green(), C.blue()); }

