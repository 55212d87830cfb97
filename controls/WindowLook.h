#pragma once
#include <QColor>
#include <QFont>
class QFrame;
class QLabel;
class QWidget;

// The look every configurator window with a title panel shares: the warm
// background, Verdana 8, the grey title panel with the product code and the
// window's subtitle, and the thin rules that divide panels. The main window,
// its dialogs, the device editors, the protocol editors and the update dialog
// all build it here, so the windows cannot drift apart.
namespace Window_Look {

// RGB 248, 247, 237: the background of every configurator window.
QColor Background();
// RGB 200, 200, 190: the one-pixel rules under a title and over a button row.
QColor Rule_Colour();
// Verdana at Points (Qt's fallback where Verdana is missing), bold on request.
QFont Verdana(int Points, bool Bold = false);

// The background colour, filled behind the children, and Verdana 8.
void Apply_Background_And_Font(QWidget *Window);
// A dialog border that cannot be resized and shows only the close box.
void Apply_Fixed_Dialog_Border(QWidget *Window);
// Centres Window on the primary screen's available area at its present size.
void Centre_On_Screen(QWidget *Window);

// Where the title panel puts its two labels. The product code is large grey
// bold type, the subtitle grey bold Verdana 8 below it.
struct TTitle_Layout
{
    int Height;          // of the panel
    int Left = 16;       // both labels
    int Code_Top = 4;
    int Code_Height = 0; // 0: the label takes the size of its text
    int Desc_Top = 44;
    int Desc_Height = 0; // 0: the label takes the size of its text
    int Label_Width = 0; // 0: the panel's width less Left on both sides
    bool Rule = false;   // a rule along the panel's bottom edge
    const char *Rule_Name = nullptr;
};

// The title panel P_Title at the top left of Window, Width wide, with its
// labels L_SW_Code and L_SW_Desc (both left empty for the caller to fill).
QFrame *Make_Title_Panel(QWidget *Window, int Width, const TTitle_Layout &Layout, QLabel *&L_SW_Code,
                         QLabel *&L_SW_Desc);

// A one-pixel rule in Rule_Colour().
QFrame *Make_Rule(QWidget *Parent, int Left, int Top, int Width, const char *Name = nullptr);

// The bottom panel P_Button at (0, Top), Width x Height; with a rule along
// its top edge when Rule is set. The caller adds its buttons.
QFrame *Make_Button_Panel(QWidget *Window, int Top, int Width, int Height, bool Rule);

} // namespace Window_Look
