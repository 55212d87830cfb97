#pragma once
// The markup renderer's own parts, shared by its source files: the attribute
// and text routines and the renderer, which lays out and draws one call's
// markup line by line. Not for use outside MarkupRender*.cpp.
#include "grid/base/HTMLPicture.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/MarkupText.h"
#include <QString>

namespace Markup_Render {

// The colours of the HI tag (SetHTMLHighlightColors).
extern TColor GHighlight_Bk;
extern TColor GHighlight_Text;

// Letter case folded for ASCII only, so that positions in the folded text
// are positions in the original (a full Unicode upper-casing may change the
// length, "ß" -> "SS").
QString Ascii_Upper(const QString &S);
// The value of attribute Name: the text between the first two double quotes
// after the name, cut from the tag as written. Empty when absent or unquoted.
QString Attr_Value(const QString &Tag, const QString &Upper, const char *Name, bool *Present = nullptr);
// A whole non-negative decimal number; false for anything else.
bool Whole_Number(const QString &S, int &V);
// "&&" shows one "&"; a single "&" before a character is not shown.
QString Prefix_Processed(const QString &S);
// A text run with its character escapes replaced.
QString Decode_Run(const QString &Run);
// A colour attribute: "#RRGGBB" or a colour name.
TColor Parse_Color(const QString &Value);

constexpr int Min_Font_Size = 1;
constexpr int Max_Font_Size = 160;
// Sizes and offsets written in markup stay within the 16-bit drawing
// coordinates, so no layout sum overflows and no picture is scaled to an
// impossible size.
constexpr int Max_Coord = 32767;
int Bounded(long long V);

struct TLineOut {
    QString Source;
    int Width = 0;
    bool Link_Text_Hit = false;
    bool Image_Or_Control_Hit = false;
};

// One tag as the handlers see it: as written, upper-cased, and from its
// letter on (after "<" or "</"), with the line it stands on.
struct TTag {
    const QString &Tag;
    const QString &U;
    const QString &Name;
    const TRect &LR;
    bool Measure;
    bool Draw;
    bool First_Pass;
    TLineOut &Out;
};

class TRenderer {
public:
    TRenderer(TCanvas &C, const TRect &R, const THTMLRenderParams &P, THTMLRenderResult &Out)
        : Cv(C), Rect(R), Par(P), Res(Out)
    {
        Gh_Font.Name = QStringLiteral("\n"); // matches no real font, so the first call asks the canvas
        Rtl_Reading = (BiDiDrawTextFlags(P.BiDiMode, 0) & DT_RTL_READING) != 0;
        Themed = Markup_Themed();
    }

    bool Run(const QString &Text);

private:
    TLineOut Render_Line(QString &M, TRect LR, bool Measure, bool First_Pass);
    void Handle_Tag(QString &M, const TRect &LR, bool Measure, bool First_Pass, TLineOut &Out);
    // The tags of one family (those starting with one letter), opened and
    // closed; Tag_Family finds the family of a letter, or null.
    struct TTag_Family {
        char16_t Letter;
        void (TRenderer::*Open)(const TTag &);
        void (TRenderer::*Close)(const TTag &);
    };
    static const TTag_Family *Tag_Family(QChar Letter);
    void Open_Link(const TTag &T);
    void Close_Link(const TTag &T);
    void Open_B_Tags(const TTag &T); // B, BR, BLINK, BODY
    void Close_B_Tags(const TTag &T);
    void Paint_Body_Background(const TTag &T);
    void Open_Control(const TTag &T);
    void Open_Error(const TTag &T);
    void Close_Error(const TTag &T);
    void Open_Font(const TTag &T);
    void Close_Font(const TTag &T);
    void Open_H_Tags(const TTag &T); // HI, HR
    void Close_Highlight(const TTag &T);
    void Draw_Rule(const TRect &LR);
    void Open_I_Tags(const TTag &T); // I, IND, IMG
    void Close_Italic(const TTag &T);
    void Open_List_Item(const TTag &T);
    void Close_List_Item(const TTag &T);
    void Open_Paragraph(const TTag &T);
    void Close_Paragraph(const TTag &T);
    void Open_Rotate(const TTag &T);
    void Close_Rotate(const TTag &T);
    void Open_S_Tags(const TTag &T); // S, SHAD, SUB, SUP
    void Close_S_Tags(const TTag &T);
    void Open_U_Tags(const TTag &T); // U, UL
    void Close_U_Tags(const TTag &T);
    void Open_Hidden(const TTag &T);
    void Close_Hidden(const TTag &T);
    void Handle_Image(const QString &Tag, const QString &U, const TRect &LR, bool Measure, TLineOut &Out);
    void Handle_Control(const QString &Tag, const TRect &LR, bool Measure, TLineOut &Out);
    void Draw_Run(const QString &Shown, int W, const TRect &LR);
    void Draw_Focus(const TRect &R);
    // Hot: the themed look of a button or drop-down button under the point.
    void Draw_Frame_Control(const QString &Type, const TRect &Box, bool Checked, bool Pushed, bool Hot = false);
    THTMLPicture *Resolve_Picture(const QString &Src) const;

    TColor Bk() const { return Cv.Brush.Style == bsClear ? clNone : Cv.Brush.Color; }
    void Set_Bk(TColor C)
    {
        if (C == clNone) {
            Cv.Brush.Style = bsClear;
        } else {
            Cv.Brush.Style = bsSolid;
            Cv.Brush.Color = C;
        }
    }
    // The height of "gh" in the current font, asked of the canvas once per font.
    int Gh() const
    {
        if (!(Gh_Font == Cv.Font)) {
            Gh_Font = Cv.Font;
            Gh_Value = Cv.TextHeight(QStringLiteral("gh"));
        }
        return Gh_Value;
    }
    int Text_Bottom(const TRect &LR) const { return LR.Bottom - Sub; }
    // Where an element at offset Off (from the line's start) of width W
    // stands on the canvas, and the point's offset on the line.
    int Screen_Left(const TRect &LR, int Off, int W) const { return Rtl_Reading ? LR.Right - Off - W : LR.Left + Off; }
    int Point_Off(const TRect &LR) const { return Rtl_Reading ? LR.Right - Par.XPos : Par.XPos - LR.Left; }
    // The canvas rectangle of the offsets From..To of the line.
    TRect Span(const TRect &LR, int From, int To, int Top, int Bottom) const
    {
        return Rtl_Reading ? TRect(LR.Right - To, Top, LR.Right - From, Bottom)
                           : TRect(LR.Left + From, Top, LR.Left + To, Bottom);
    }

    TCanvas &Cv;
    const TRect Rect;
    const THTMLRenderParams &Par;
    THTMLRenderResult &Res;

    TFont Entry_Font;
    TColor Entry_Bk = clNone;
    mutable TFont Gh_Font;
    mutable int Gh_Value = -1;

    bool In_Link = false, Error_On = false, Shadow_On = false, Hidden_On = false, Sub_On = false, Sup_On = false;
    bool Para_Bk_On = false, Mouse_In_Link = false;
    QString Link_Target, Link_Title;
    int List_Level = 0;
    int Link_Count = 0;
    int Image_Count = 0;
    int Image_Under_Point = -1;
    int Align = 0;
    int Indent = 0;

    TColor Hover_Bk_Save = clNone, Hover_Font_Save = clNone, Font_Bk_Save = clNone;
    TColor Hi_Bk_Save = clNone, Hi_Font_Save = clNone, Para_Bk_Save = clNone;
    int Rotate_Save = 0;

    bool Focus_Open = false;
    int Focus_Off = 0;      // where the focused hyperlink's part on this line starts (offset)
    int Link_Start_Off = 0, Link_Start_Top = 0, Link_Start_Line = 0;
    int Line_No = 0;

    // Per-line state.
    int X = 0;              // offset from the line's left edge
    int Line_H = 0, Sub = 0, Sup = 0, Img_Off = 0;
    int Trail_W = 0;
    bool Line_End = false, Next_No_Fit = false;
    bool Li_On_Line = false;
    QString Line_Visible;
    bool Drawing_Pass2 = false;
    // Right-to-left reading: the line is laid out from its right edge
    // leftwards, so an offset X from the line's start stands at Right - X.
    bool Rtl_Reading = false;
    // Embedded controls in the visual-style look (asked once per call).
    bool Themed = false;
};

} // namespace Markup_Render
