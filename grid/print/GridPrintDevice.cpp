#include "grid/print/GridPrintDevice.h"
#include "platform/Printer.h"
#include <QPainter>
#include <QTransform>
#include <cmath>

namespace {
// 254 tenths of a millimetre to the inch.
constexpr double Tenths_Per_Inch = 254.0;

// Nearest whole number, halves to the even neighbour (the default rounding mode).
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }
} // namespace

TRect Print_Page_Area(const IPrinter &Printer)
{
    const QSize Page = Printer.Page_Size();
    return TRect(0, 0, Round_Even(Tenths_Per_Inch / Printer.Resolution_X() * Page.width()),
                 Round_Even(Tenths_Per_Inch / Printer.Resolution_Y() * Page.height()));
}

void Set_Print_Mapping(QPainter &Painter, int Dpi_X, int Dpi_Y)
{
    Painter.setTransform(QTransform::fromScale(Dpi_X / Tenths_Per_Inch, -Dpi_Y / Tenths_Per_Inch));
}
