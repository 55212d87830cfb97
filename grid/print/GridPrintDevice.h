#pragma once
#include "platform/Rect.h"
class IPrinter;
class QPainter;

// The printer as the grid's printing sees it. The grid lays its pages out in
// units of 0.1 mm with y growing upward (the page's top edge at 0, lower
// lines negative), on the printer and on a preview canvas alike, so one
// layout serves both.

// The printable page in 0.1 mm: (0, 0, width, height), from the printer's
// size in dots and its resolution, each rounded to the nearest unit (halves
// to even).
TRect Print_Page_Area(const IPrinter &Printer);

// Sets Painter's transform to the 0.1-mm mapping for a device of these
// resolutions (dots per inch): one unit is 0.1 mm, x grows to the right and
// y upward from the device's origin.
void Set_Print_Mapping(QPainter &Painter, int Dpi_X, int Dpi_Y);
