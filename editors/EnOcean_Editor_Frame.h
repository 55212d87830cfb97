#pragma once
#include <QStringList>
class QDialog;
class QWidget;
class TGlideTabs;

// The frame the two EnOcean network editors share.

// The configurators' look on a window the user may resize and maximise,
// shown modally, at its client size.
void Apply_Editor_Window_Look(QDialog *Window, int Client_Width, int Client_Height);

// A 30-pixel page strip across the top of Parent with the given tab
// captions, tab 0 active: no close or add button, no tab dragging, tabs
// Min_Width to Max_Width wide, otherwise the strips' own options (menu on,
// background drag moves and double click maximises the window). Active_Face
// gives the active tab the button face colour.
TGlideTabs *Make_Page_Strip(QWidget *Parent, const char *Name, const QStringList &Captions, int Min_Width,
                            int Max_Width, bool Active_Face);
