#pragma once
#include <QString>
class QWidget;
class QLabel;
class QFrame;
class QImage;

// The look every configurator window shares: background RGB 248, 247, 237,
// Verdana 8 point (Qt's fallback where Verdana is missing), a fixed size and
// a border that cannot be resized, centred on the screen.
void Apply_Window_Look(QWidget *Window, int Client_Width, int Client_Height);

// The title panel P_Title across the top of a dialog: SW_Code in a large grey
// label L_SW_Code and a bold grey subtitle L_SW_Desc. Returns the panel.
constexpr int Title_Panel_Height = 64;
QFrame *Make_Title_Panel(QWidget *Window, int Width, QLabel **L_SW_Code, QLabel **L_SW_Desc);

// The bottom panel P_Button that holds a dialog's buttons.
constexpr int Button_Panel_Height = 44;
QFrame *Make_Button_Panel(QWidget *Window, int Width, int Client_Height);

// A plain label at (Left, Top), sized to its text.
QLabel *Make_Label(QWidget *Parent, const char *Object_Name, int Left, int Top, const QString &Text = QString());
// The same label before it is sized (measuring a text loads its fonts).
QLabel *Make_Unsized_Label(QWidget *Parent, const char *Object_Name, int Left, int Top,
                           const QString &Text = QString());

// A label that shows Text as a link (or as plain text when Url is empty).
void Set_Link_Text(QLabel *Label, const QString &Text, const QString &Url);

// Two-frame glyph strip (normal, disabled) of 18 x 18 frames, drawn from one
// of the style's standard icons on a magenta background (the pictures of
// platform/StandardIcons.h); one strip per icon and run.
QImage Standard_Glyph(int Standard_Pixmap);
// The same strip drawn from the icon the style gives (icon theme included).
QImage Standard_Glyph_From_Style(int Standard_Pixmap);
