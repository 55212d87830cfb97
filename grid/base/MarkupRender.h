#pragma once
#include "platform/BiDiMode.h"
#include "toolkit/Canvas.h"
#include "platform/Colors.h"
#include "platform/Rect.h"
#include <QString>

class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// Inputs of one markup call (besides canvas, text and rectangle).
struct THTMLRenderParams {
    const TImageList *Images = nullptr;      // pictures for "IDX:" sources
    int XPos = -1;                           // hit-test point, canvas coordinates
    int YPos = -1;
    int FocusLink = -1;                      // index (from 0) of the focused hyperlink
    int HoverLink = -1;                      // number (from 1) of the hovered hyperlink
    int ShadowOffset = 1;
    bool CheckHotSpot = false;               // hit-test only; ControlID is an input
    bool CheckHeight = false;                // measure only
    bool Print = false;
    bool Selected = false;                   // tags leave font colour and background alone
    bool Blink = true;                       // blinking text in its visible phase
    bool HoverStyle = false;                 // only the hovered hyperlink is underlined
    bool WordWrap = false;
    bool Down = false;                       // mouse button down (embedded buttons)
    double ResFactor = 1.0;                  // picture scale when printing
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    QString ControlID;                       // with CheckHotSpot: the control to look for
    THTMLPictureCache *ImageCache = nullptr;
    const TPictureContainer *PictureContainer = nullptr;
    TBiDiMode BiDiMode = bdLeftToRight;
};

// Outputs of one markup call.
struct THTMLRenderResult {
    QString AnchorVal;       // target under the point ("ctrl" for a control); kept when nothing is hit
    QString StripVal;        // visible text of the laid-out lines, CR for each <BR>
    QString FocusAnchor;
    QString AnchorTitle;
    int XSize = 0;           // widest line
    int YSize = 0;           // height of the laid-out lines
    int HyperLinks = 0;
    int MouseLink = -1;      // number (from 1) of the hyperlink under the point
    TRect HoverRect;         // written only when a hyperlink is under the point
    TRect ControlRect;
    QString ControlID;
    QString ControlValue;
    QString ControlType;     // upper case
};

// Lays out, draws (unless CheckHeight or CheckHotSpot) and hit-tests the
// markup inside Rect. True when the point is on an image inside a hyperlink
// or on an embedded control, or with CheckHotSpot on hyperlink text or on
// the control named by ControlID. The canvas's font, pen and brush are as
// they were when it returns.
bool RenderHTML(TCanvas &Canvas, const QString &Text, const TRect &Rect, const THTMLRenderParams &Params,
                THTMLRenderResult &Result);

// The colours of the HI tag, shared by every call in the process
// (initially the system highlight and highlight text colours).
void SetHTMLHighlightColors(TColor Background, TColor Text);

// Colour values of markup attributes: "#RRGGBB" (red first) and the
// platform's colour names ("clred", "clbtnface" ...; unknown names give black).
TColor ColorFromName(const QString &Name);
TColor ColorFromHex(const QString &Text);
int HexPairToInt(const QString &Text);

// DrawText flag of right-to-left reading order (the classic value).
constexpr unsigned DT_RTL_READING = 0x20000;
// The drawing-text flags of a reading order: on a right-to-left platform
// (Platform_Right_To_Left) bdRightToLeft swaps left and right alignment and
// every mode but bdLeftToRight adds DT_RTL_READING; elsewhere Flags as given.
// With right-to-left reading RenderHTML mirrors each line: text runs,
// pictures and embedded controls are placed from the line's right edge
// leftwards (each run ends where the one before began), paragraph alignment
// and indent count from the right, and hits and the hyperlink, focus and
// control rectangles are taken where things are drawn.
unsigned BiDiDrawTextFlags(TBiDiMode Mode, unsigned Flags);

// Markup preparation steps, exposed for tests: "<#abc>" shows "#abc"; CR
// becomes "<BR>" and LF is dropped.
QString UnwrapHashTags(const QString &Text);
QString ConvertLineBreaks(const QString &Text);

// Whether embedded controls are drawn in the visual-style look (grey
// 0xB99D7F frames, hot and pressed states) or the classic one: the system
// answers (System_Info) of a platform from Windows XP on with an active theme.
bool Markup_Themed();
