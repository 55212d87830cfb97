#pragma once
#include <functional>
class QListWidget;

// Binds a device list box's click and double-click handlers the way a
// Windows list box fires them: the click handler also runs when the
// keyboard moves the selection, and the double-click handler for a double
// click anywhere in the box, below the last line or in an empty list too.
// Without a double-click handler double clicks are left to the box.
void Bind_List_Box_Clicks(QListWidget *List, std::function<void()> Click, std::function<void()> Double_Click);
