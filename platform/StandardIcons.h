#pragma once
#include <QIcon>
#include <QPixmap>

// The style's standard icons at 16 pixels as the windows' buttons show them.
// The icons the windows use are Qt's own built-in pictures, read straight from
// the style's resources, never looked up in the desktop's icon theme: the
// buttons look the same on every machine, and building a window does not walk
// the theme's folders. Other icons come from the style as it gives them. Each
// picture is made once per run (main thread only).
QPixmap Standard_Icon_Picture(int Standard_Pixmap, QIcon::Mode Mode = QIcon::Normal);
