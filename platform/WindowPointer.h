#pragma once
#include <QPoint>

class QWidget;

// What the tab strip asks of the window system while tabs are dragged and
// while its background moves or resizes its window.

// The pointer's position on the screen. Tests may fix it (a null pointer
// restores the real position): an offscreen session has no real pointer.
QPoint Pointer_Pos();
void Set_Pointer_Pos_Override(const QPoint *Pos);

// The widget under a screen point, top-most window first; null over no window
// of this program.
QWidget *Widget_At(QPoint Screen_Pos);

// Lets the window system move Window with the pointer, as a drag on its title
// bar would. False where the platform does not allow it (nothing happens).
bool Start_Window_Move(QWidget *Window);

// Maximises a window in the normal state, restores it to normal otherwise.
void Toggle_Maximised(QWidget *Window);
