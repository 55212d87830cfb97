#pragma once
#include <QRect>
class QPainter;
class QWidget;

// Visual-style parts (the "button", "spin", "combobox" theme classes) and the
// classic frame controls, drawn through the widget's QStyle. Part and state
// names follow the visual-style library; Qt decides the pixels.
enum TThemePart { tpPushButton, tpCheckBox, tpSpinUp, tpSpinDown, tpSpinUpHorz, tpSpinDownHorz, tpComboDropDown };
enum TThemeState { tsNormal, tsHot, tsPressed, tsDisabled };
enum TThemeCheck { tcUnchecked, tcChecked, tcMixed };

// True when System_Info() reports an active theme and common controls 6.
bool Themes_Available();
void Draw_Theme_Part(QPainter &P, const QWidget *W, TThemePart Part, TThemeState State, const QRect &R,
                     TThemeCheck Check = tcUnchecked);

// Classic (unthemed) frame controls.
enum TFrameControl { fcPushButton, fcCheckBox, fcScrollLeft, fcScrollRight, fcScrollUp, fcScrollDown, fcComboButton };
constexpr unsigned DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_INACTIVE = 0x100, DFCS_FLAT = 0x4000;
void Draw_Frame_Control(QPainter &P, const QWidget *W, TFrameControl Kind, const QRect &R, unsigned Flags);

// Three-dimensional edges in the system colours. R shrinks by the width drawn.
constexpr unsigned BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8;
void Draw_Edge(QPainter &P, QRect &R, unsigned Edges, bool FillMiddle = false);
// A one-pixel frame just inside R (R as a Qt rectangle).
void Frame_Rect(QPainter &P, const QRect &R, unsigned Rgb);
// The focus rectangle (dotted).
void Draw_Focus_Rect(QPainter &P, const QRect &R);
