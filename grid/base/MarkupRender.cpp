#include "grid/base/MarkupRender.h"
#include "grid/base/HTMLPicture.h"
#include "grid/model/MarkupText.h"
#include "toolkit/ImageList.h"
#include "platform/PictureLoader.h"
#include "platform/SystemInfo.h"
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {
TColor GHighlight_Bk = clHighlight;
TColor GHighlight_Text = clHighlightText;

// Letter case folded for ASCII only, so that positions in the folded text
// are positions in the original (a full Unicode upper-casing may change the
// length, "ß" -> "SS").
QString Ascii_Upper(const QString &S)
{
    QString R = S;
    for (QChar &C : R)
        if (C >= u'a' && C <= u'z')
            C = QChar(char16_t(C.unicode() - 32));
    return R;
}

// The value of attribute Name: the text between the first two double quotes
// after the name, cut from the tag as written. Empty when absent or unquoted.
QString Attr_Value(const QString &Tag, const QString &Upper, const char *Name, bool *Present = nullptr)
{
    // The name as a word followed by "=", so that SIZE is not found in a
    // FACE value and ID not in WIDTH.
    const QLatin1String Key(Name);
    qsizetype P = -1;
    for (qsizetype From = 0;;) {
        P = Upper.indexOf(Key, From);
        if (P < 0)
            break;
        qsizetype After = P + Key.size();
        while (After < Upper.size() && Upper[After] == u' ')
            ++After;
        const bool Word_Start = Key.front() == ' ' || P == 0 || !Upper[P - 1].isLetterOrNumber();
        if (Word_Start && After < Upper.size() && Upper[After] == u'=')
            break;
        From = P + 1;
    }
    if (Present)
        *Present = P >= 0;
    if (P < 0)
        return QString();
    const qsizetype Q1 = Tag.indexOf(u'"', P + Key.size());
    if (Q1 < 0)
        return QString();
    const qsizetype Q2 = Tag.indexOf(u'"', Q1 + 1);
    if (Q2 < 0)
        return QString();
    return Tag.mid(Q1 + 1, Q2 - Q1 - 1);
}

// A whole non-negative decimal number; false for anything else.
bool Whole_Number(const QString &S, int &V)
{
    if (S.isEmpty() || S.size() > 9)
        return false;
    int Acc = 0;
    for (const QChar C : S) {
        if (C < u'0' || C > u'9')
            return false;
        Acc = Acc * 10 + (C.unicode() - u'0');
    }
    V = Acc;
    return true;
}

// The text-drawing convention for captions: "&&" shows one
// "&", a single "&" before a character marks a mnemonic and is not shown.
QString Prefix_Processed(const QString &S)
{
    if (!S.contains(u'&'))
        return S;
    QString R;
    R.reserve(S.size());
    for (qsizetype I = 0; I < S.size(); ++I) {
        if (S[I] == u'&' && I + 1 < S.size()) {
            R += S[I + 1];
            ++I;
        } else {
            R += S[I];
        }
    }
    return R;
}

QString Decode_Run(const QString &Run)
{
    if (!Run.contains(u'&'))
        return Run;
    QString R = Run;
    R.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "), Qt::CaseInsensitive);
    R.replace(QStringLiteral("&lt;"), QStringLiteral("<"), Qt::CaseInsensitive);
    R.replace(QStringLiteral("&gt;"), QStringLiteral(">"), Qt::CaseInsensitive);
    // The escapes that match marking makes for literal signs.
    R.replace(QStringLiteral("&#60;"), QStringLiteral("<"));
    R.replace(QStringLiteral("&#62;"), QStringLiteral(">"));
    return R;
}

TColor Parse_Color(const QString &Value)
{
    const QString U = Ascii_Upper(Value);
    if (U.startsWith(u'#'))
        return ColorFromHex(U);
    return ColorFromName(U);
}

constexpr int Min_Font_Size = 1;
constexpr int Max_Font_Size = 160;
// Sizes and offsets written in markup stay within the 16-bit drawing
// coordinates, so no layout sum overflows and no picture is scaled to an
// impossible size.
constexpr int Max_Coord = 32767;
int Bounded(long long V)
{
    return static_cast<int>(std::clamp<long long>(V, 0, Max_Coord));
}

struct TLineOut {
    QString Source;
    int Width = 0;
    bool Link_Text_Hit = false;
    bool Image_Or_Control_Hit = false;
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

bool TRenderer::Run(const QString &Text)
{
    const TPen Saved_Pen = Cv.Pen;
    const TBrush Saved_Brush = Cv.Brush;
    Entry_Font = Cv.Font;
    Entry_Bk = Cv.Brush.Style == bsClear ? clNone : Cv.Brush.Color;
    TFont Font1 = Entry_Font, Font2 = Entry_Font;
    Set_Bk(clNone);

    QString S = Text;
    if (S.contains(u'&')) {
        static const char16_t *const Pairs[][2] = {
            {u"&amp;", u"&&"}, {u"&quot;", u"\""}, {u"&sect;", u"\u00A7"}, {u"&permil;", u"\u2030"},
            {u"&reg;", u"\u00AE"}, {u"&copy;", u"\u00A9"}, {u"&para;", u"\u00B6"}, {u"&trade;", u"\u2122"},
            {u"&euro;", u"\u20AC"},
        };
        bool Any = true;
        while (Any) {
            Any = false;
            for (const auto &P : Pairs)
                Any = ReplaceOnce(S, QString::fromUtf16(P[0]), QString::fromUtf16(P[1])) || Any;
        }
    }
    S = ConvertLineBreaks(UnwrapHashTags(S));

    TRect Running = Rect;
    Running.Left += 1;
    bool Result = false;
    while (!S.isEmpty()) {
        Cv.Font = Font1;
        Line_H = Gh();
        Sub = Sup = Img_Off = 0;
        Sub_On = Sup_On = false;
        const int H = Line_H;

        const bool Saved_In_Link = In_Link;
        // Both passes start the line from the same state, so the drawing pass
        // sees the runs exactly as the measuring pass laid them out.
        const bool Saved_Hidden = Hidden_On, Saved_Shadow = Shadow_On, Saved_Error = Error_On;
        const bool Saved_Para = Para_Bk_On, Saved_Mouse = Mouse_In_Link;
        const QString Saved_Target = Link_Target, Saved_Title = Link_Title;
        const int Saved_Links = Link_Count, Saved_List = List_Level, Saved_Images = Image_Count;
        const TLineOut L1 = Render_Line(S, Running, true, true);
        In_Link = Saved_In_Link;
        Link_Target = Saved_Target;
        Link_Title = Saved_Title;
        Font1 = Cv.Font;

        TRect LR = Running;
        if (!Rtl_Reading) {
            if (Align == 1 && LR.Right - L1.Width > LR.Left)
                LR.Left = LR.Right - L1.Width;
            else if (Align == 2 && (LR.Width() - L1.Width) / 2 > 0)
                LR.Left += (LR.Width() - L1.Width) / 2;
            LR.Left += Indent;
        } else {
            // Mirrored: the line starts at the right edge.
            if (Align == 1 && LR.Left + L1.Width < LR.Right)
                LR.Right = LR.Left + L1.Width;
            else if (Align == 2 && (LR.Width() - L1.Width) / 2 > 0)
                LR.Right -= (LR.Width() - L1.Width) / 2;
            LR.Right -= Indent;
        }
        LR.Bottom = LR.Top + Line_H + Sub + Sup;

        if (!Par.CheckHeight) {
            Cv.Font = Font2;
            Link_Count = Saved_Links;
            List_Level = Saved_List;
            Image_Count = Saved_Images;
            Hidden_On = Saved_Hidden;
            Shadow_On = Saved_Shadow;
            Error_On = Saved_Error;
            Para_Bk_On = Saved_Para;
            Mouse_In_Link = Saved_Mouse;
            Sub_On = Sup_On = false;
            const int Keep_H = Line_H, Keep_Sub = Sub, Keep_Sup = Sup, Keep_Img = Img_Off;
            QString Src = L1.Source;
            Drawing_Pass2 = true;
            const TLineOut L2 = Render_Line(Src, LR, Par.CheckHotSpot, false);
            Drawing_Pass2 = false;
            // The line's measures are those of the layout pass.
            Line_H = Keep_H;
            Sub = Keep_Sub;
            Sup = Keep_Sup;
            Img_Off = Keep_Img;
            Font2 = Cv.Font;
            const int Band_Bottom = LR.Bottom - Img_Off;
            if ((L2.Link_Text_Hit && Par.YPos > Band_Bottom - Gh() && Par.YPos < Band_Bottom) || L2.Image_Or_Control_Hit)
                Result = true;
        }
        const int Step = Line_H + Sub + Sup;
        Running.Top += Step;
        Res.YSize += Step;
        ++Line_No;
        if (!Par.CheckHeight && Running.Top + H > Rect.Bottom)
            S.clear();
    }
    Cv.Font = Entry_Font;
    if (Res.YSize == 0)
        Res.YSize = Gh();
    Cv.Pen = Saved_Pen;
    Cv.Brush = Saved_Brush;
    Cv.Font = Entry_Font;
    return Par.CheckHeight ? false : Result;
}

TLineOut TRenderer::Render_Line(QString &M, TRect LR, bool Measure, bool First_Pass)
{
    TLineOut Out;
    X = 0;
    Trail_W = 0;
    Line_End = Next_No_Fit = false;
    Li_On_Line = false;
    Line_Visible.clear();
    const bool Draw = !Measure;
    const int Line_W = LR.Width();
    if (Draw && Focus_Open) {
        // The focused hyperlink continues from the line before.
        Focus_Off = 0;
    }
    if (Para_Bk_On && Draw && Bk() != clNone) {
        Cv.Pen.Color = Bk();
        Cv.FillRect(TRect(Rect.Left, LR.Top, Rect.Right, LR.Top + Line_H));
    }

    while (!M.isEmpty() && !Line_End && !Next_No_Fit) {
        // 1. A text run.
        const qsizetype Lt = M.indexOf(u'<');
        QString Run;
        if (Par.WordWrap) {
            const qsizetype Sp = M.indexOf(u' ');
            if (Sp >= 0 && (Lt < 0 || Sp < Lt))
                Run = M.left(Sp + 1);
            else
                Run = Lt >= 0 ? M.left(Lt) : M;
        } else {
            Run = Lt >= 0 ? M.left(Lt) : M;
        }
        if (!Run.isEmpty()) {
            const QString Disp = Decode_Run(Run);
            const int Th = Cv.TextHeight(Disp);
            if (Sub_On)
                Sub = std::max(Sub, Th / 4);
            if (Sup_On)
                Sup = std::max(Sup, Th / 4);
            Line_H = std::max(Line_H, Th);
            if (Hidden_On) {
                if (First_Pass)
                    Res.StripVal += Disp;
                Out.Source += Run;
                M.remove(0, Run.size());
            } else {
                const QString Shown = Prefix_Processed(Disp);
                const int W = Cv.TextWidth(Shown);
                const int Start = X;
                if (Measure) {
                    const int Px = Point_Off(LR);
                    if (In_Link && Px >= Start && Px <= Start + W) {
                        Out.Link_Text_Hit = true;
                        if (LR.Top < Par.YPos) {
                            Res.AnchorVal = Link_Target;
                            Res.AnchorTitle = Link_Title;
                            Mouse_In_Link = true;
                        }
                    }
                } else {
                    Draw_Run(Shown, W, LR);
                }
                X += W;
                bool Fits = X < Line_W || W >= Line_W || Drawing_Pass2;
                // A word is never split at a tag: a run glued to the text before it stays.
                if (!Fits && !Line_Visible.isEmpty() && !Line_Visible.endsWith(u' '))
                    Fits = true;
                const bool First_Run = Line_Visible.isEmpty();
                Line_Visible += Disp;
                if (Fits || !Par.WordWrap) {
                    Out.Source += Run;
                    M.remove(0, Run.size());
                    if (First_Pass)
                        Res.StripVal += Disp;
                    Trail_W = (Run.endsWith(u' ') && !Run.contains(u'&')) ? Cv.TextWidth(QStringLiteral(" ")) : 0;
                    if (!Par.WordWrap && Measure && !Fits && !First_Run)
                        M.clear();
                } else {
                    Line_End = true;
                    X -= W;
                }
            }
        }
        // 2. What follows the run.
        if (M.startsWith(u'<') && M.size() <= 2)
            M.clear();
        if (Line_End || !M.startsWith(u'<') || M.size() < 3)
            continue;
        Handle_Tag(M, LR, Measure, First_Pass, Out);
    }

    Out.Width = X - Trail_W;
    if (First_Pass)
        Res.XSize = std::max(Res.XSize, Out.Width);
    if (Draw && Focus_Open) {
        const int Bottom = Text_Bottom(LR) - Img_Off;
        Draw_Focus(Span(LR, Focus_Off, X, Bottom - Gh(), Bottom).Inflate(1, 0));
    }
    return Out;
}

void TRenderer::Draw_Run(const QString &Shown, int W, const TRect &LR)
{
    int Left = Screen_Left(LR, X, W);
    int B = Text_Bottom(LR);
    if (Sup_On)
        B -= Sup;
    if (Sub_On)
        B += Sub;
    B -= Img_Off;
    const int Y = B - Cv.TextHeight(Shown);
    QString Text = Shown;
    if (Rtl_Reading) {
        // Right-aligned in the rest of the line: the next run ends where this
        // one begins; cut with an ellipsis at the line's left edge. Blanks
        // that end the run in reading order stand at its left.
        qsizetype Trailing = 0;
        while (Trailing < Text.size() && Text[Text.size() - 1 - Trailing] == u' ')
            ++Trailing;
        if (Trailing > 0 && Trailing < Text.size())
            Text = Text.right(Trailing) + Text.left(Text.size() - Trailing);
        if (!Par.WordWrap && Left < LR.Left) {
            Text = QFontMetrics(Cv.Font.To_QFont()).elidedText(Text, Qt::ElideRight, std::max(0, Left + W - LR.Left));
            Left = LR.Left;
        }
    } else if (!Par.WordWrap && Left + W > LR.Right) {
        // Cut with an ellipsis at the line's right edge.
        Text = QFontMetrics(Cv.Font.To_QFont()).elidedText(Shown, Qt::ElideRight, std::max(0, LR.Right - Left));
    }
    if (Shadow_On) {
        const TColor Saved = Cv.Font.Color;
        const TBrush Saved_Brush = Cv.Brush;
        Cv.Font.Color = Par.ShadowColor;
        Cv.Brush.Style = bsClear;
        Cv.TextOut(Left + Par.ShadowOffset, Y + Par.ShadowOffset, Text);
        Cv.Font.Color = Saved;
        Cv.Brush = Saved_Brush;
    }
    Cv.TextOut(Left, Y, Text);
    if (In_Link && Link_Count - 1 == Par.FocusLink)
        Res.FocusAnchor = Link_Target;
    if (Error_On) {
        // A red zigzag under the run, two pixels per step.
        const TPen Saved = Cv.Pen;
        Cv.Pen.Color = clRed;
        Cv.Pen.Width = 1;
        Cv.Pen.Style = psSolid;
        int Zx = Left & ~1;
        QVector<TPoint> Pts;
        while (Zx <= Left + W + 1) {
            Pts.append(TPoint(Zx, Zx % 4 == 0 ? B + 1 : B - 1));
            Zx += 2;
        }
        if (Pts.size() > 1)
            Cv.Polyline(Pts);
        Cv.Pen = Saved;
    }
}

void TRenderer::Draw_Focus(const TRect &R)
{
    const TPen Saved_Pen = Cv.Pen;
    const TBrush Saved_Brush = Cv.Brush;
    Cv.Pen.Color = clBlack;
    Cv.Pen.Style = psDot;
    Cv.Pen.Width = 1;
    Cv.Brush.Style = bsClear;
    Cv.Rectangle(R);
    Cv.Pen = Saved_Pen;
    Cv.Brush = Saved_Brush;
}

void TRenderer::Handle_Tag(QString &M, const TRect &LR, bool Measure, bool First_Pass, TLineOut &Out)
{
    const bool Draw = !Measure;
    const bool Closing = M[1] == u'/' && M.size() > 3;
    const qsizetype Gt = M.indexOf(u'>');
    const QString Tag = Gt >= 0 ? M.left(Gt + 1) : M;
    const QString U = Ascii_Upper(Tag);
    const QString Name = Closing ? U.mid(2) : U.mid(1); // from the tag letter on
    const QChar Letter = Name.isEmpty() ? QChar() : Name[0];

    if (!Closing) {
        switch (Letter.unicode()) {
        case u'A': {
            if (Par.FocusLink == Link_Count && Draw) {
                Focus_Open = true;
                Focus_Off = X;
            }
            ++Link_Count;
            if (First_Pass)
                Res.HyperLinks = std::max(Res.HyperLinks, Link_Count);
            const bool Hovered = Par.HoverStyle && Link_Count == Par.HoverLink;
            if (!Par.HoverStyle || Hovered) {
                Cv.Font.Style = Cv.Font.Style + fsUnderline;
                if (Draw && Par.HoverColor != clNone) {
                    Hover_Bk_Save = Bk();
                    Set_Bk(Par.HoverColor);
                }
                if (Draw && Par.HoverFontColor != clNone) {
                    Hover_Font_Save = Cv.Font.Color;
                    Cv.Font.Color = Par.HoverFontColor;
                }
            }
            if (!Par.Selected && !(Hovered && Par.HoverFontColor != clNone))
                Cv.Font.Color = Par.URLColor;
            bool Has_Href = false;
            const QString Href = Attr_Value(Tag, U, "HREF", &Has_Href);
            if (Has_Href) {
                Link_Target = Href;
                In_Link = true;
            }
            bool Has_Title = false;
            const QString Title = Attr_Value(Tag, U, "TITLE", &Has_Title);
            if (Has_Title)
                Link_Title = Title;
            Link_Start_Off = X;
            Link_Start_Top = LR.Top;
            Link_Start_Line = Line_No;
            break;
        }
        case u'B':
            if (Name.startsWith(u"B>")) {
                Cv.Font.Style = Cv.Font.Style + fsBold;
            } else if (Name.startsWith(u"BR")) {
                Line_End = true;
                if (First_Pass)
                    Res.StripVal += u'\r';
            } else if (Name.startsWith(u"BL")) {
                if (!Par.Blink)
                    Cv.Font.Color = Entry_Bk == clNone ? clWindow : Entry_Bk;
            } else if (Name.startsWith(u"BO") && Draw) {
                bool Has = false;
                const QString Bg = Attr_Value(Tag, U, "BACKGROUND", &Has);
                if (Has && !Bg.isEmpty()) {
                    THTMLPicture *Pic = Resolve_Picture(Bg);
                    if (Pic && !Pic->Empty() && Pic->Width() > 0 && Pic->Height() > 0) {
                        Cv.Set_Clip_Rect(Rect);
                        for (int Ty = Rect.Top; Ty < Rect.Bottom; Ty += Pic->Height())
                            for (int Tx = Rect.Left; Tx < Rect.Right; Tx += Pic->Width())
                                Cv.Draw(Tx, Ty, Pic->Image());
                        Cv.Clear_Clip();
                    }
                }
                const QString Bgc = Attr_Value(Tag, U, "BGCOLOR");
                const QString Ubgc = Ascii_Upper(Bgc);
                if (Ubgc.contains(QStringLiteral("CL")) || Ubgc.contains(u'#')) {
                    const TBrush Saved = Cv.Brush;
                    const TColor C = Parse_Color(Bgc);
                    Cv.Brush.Style = bsSolid;
                    Cv.Brush.Color = C;
                    Cv.Pen.Color = C;
                    Cv.FillRect(Rect);
                    Cv.Brush = Saved;
                }
            }
            break;
        case u'C':
            Handle_Control(Tag, LR, Measure, Out);
            break;
        case u'E':
            Error_On = true;
            break;
        case u'F': {
            bool Has = false;
            const QString Face = Attr_Value(Tag, U, "FACE", &Has);
            if (Has && !Face.isEmpty())
                Cv.Font.Name = Face;
            const QString Col = Attr_Value(Tag, U, " COLOR", &Has);
            if (Has && !Par.Selected)
                Cv.Font.Color = Parse_Color(Col);
            const QString Bgc = Attr_Value(Tag, U, "BGCOLOR", &Has);
            if (Has && Draw && !Par.Selected) {
                Font_Bk_Save = Bk();
                Set_Bk(Bgc.isEmpty() ? clNone : Parse_Color(Bgc));
            }
            const QString Size = Attr_Value(Tag, U, "SIZE", &Has);
            if (Has) {
                static const int Sizes[5] = {8, 10, 12, 14, 16};
                const int V = TextToInt(Size);
                Cv.Font.Size = (V >= 1 && V <= 5) ? Sizes[V - 1] : std::clamp(V, Min_Font_Size, Max_Font_Size);
            }
            break;
        }
        case u'H':
            if (Name.startsWith(u"HI")) {
                if (Draw) {
                    Hi_Font_Save = Cv.Font.Color;
                    Hi_Bk_Save = Bk();
                    Set_Bk(GHighlight_Bk);
                    Cv.Font.Color = GHighlight_Text;
                }
            } else if (Name.startsWith(u"HR")) {
                Line_End = true;
                if (Draw) {
                    const TPen Saved = Cv.Pen;
                    Cv.Pen.Color = clBlack;
                    Cv.Pen.Width = 1;
                    Cv.Pen.Style = psSolid;
                    const int Y = Text_Bottom(LR) + 1;
                    Cv.MoveTo(LR.Left, Y);
                    Cv.LineTo(LR.Right, Y);
                    Cv.Pen = Saved;
                }
            }
            break;
        case u'I':
            if (Name.startsWith(u"I>")) {
                Cv.Font.Style = Cv.Font.Style + fsItalic;
            } else if (Name.startsWith(u"IN")) {
                int V = 0;
                const qsizetype Xp = U.indexOf(u'X', 3);
                if (Xp >= 0) {
                    const qsizetype Q1 = Tag.indexOf(u'"', Xp);
                    const qsizetype Q2 = Q1 >= 0 ? Tag.indexOf(u'"', Q1 + 1) : -1;
                    if (Q2 > Q1 && Whole_Number(Tag.mid(Q1 + 1, Q2 - Q1 - 1), V) && Bounded(V) > X)
                        X = Bounded(V);
                }
            } else if (Name.startsWith(u"IM")) {
                Handle_Image(Tag, U, LR, Measure, Out);
            }
            break;
        case u'L':
            if (Li_On_Line) {
                Next_No_Fit = true;
            } else {
                Li_On_Line = true;
                const int Bullet_X = X + 12 * std::max(0, List_Level - 1);
                if (Draw) {
                    const TFont Saved = Cv.Font;
                    const TBrush Saved_Brush = Cv.Brush;
                    Cv.Brush.Style = bsClear;
                    const QString Bullet = (List_Level % 2 == 1) ? QStringLiteral("\u2022") : QStringLiteral("o");
                    const int B = Text_Bottom(LR) - Img_Off;
                    Cv.TextOut(Screen_Left(LR, Bullet_X, Cv.TextWidth(Bullet)), B - Cv.TextHeight(Bullet), Bullet);
                    Cv.Font = Saved;
                    Cv.Brush = Saved_Brush;
                }
                X += 12 * std::max(0, List_Level);
            }
            break;
        case u'P': {
            const QString Al = Ascii_Upper(Attr_Value(Tag, U, "ALIGN"));
            if (Al == QStringLiteral("RIGHT"))
                Align = 1;
            else if (Al == QStringLiteral("LEFT"))
                Align = 0;
            else if (Al == QStringLiteral("CENTER"))
                Align = 2;
            bool Has = false;
            const QString Ind = Attr_Value(Tag, U, "INDENT", &Has);
            if (Has)
                Indent = Bounded(TextToInt(Ind));
            const QString Bgc = Attr_Value(Tag, U, "BGCOLOR", &Has);
            if (Has && Draw) {
                Para_Bk_On = true;
                Para_Bk_Save = Bk();
                const TColor C = Bgc.isEmpty() ? clNone : Parse_Color(Bgc);
                Set_Bk(C);
                if (C != clNone) {
                    Cv.Pen.Color = C;
                    Cv.FillRect(TRect(Rect.Left, LR.Top, Rect.Right, LR.Bottom));
                }
            }
            break;
        }
        case u'R': {
            const qsizetype Ap = U.indexOf(u'A', 2);
            if (Ap >= 0) {
                const qsizetype Q1 = Tag.indexOf(u'"', Ap);
                const qsizetype Q2 = Q1 >= 0 ? Tag.indexOf(u'"', Q1 + 1) : -1;
                if (Q2 > Q1) {
                    Rotate_Save = Cv.Font.Orientation;
                    Cv.Font.Orientation = 10 * (TextToInt(Tag.mid(Q1 + 1, Q2 - Q1 - 1)) % 360);
                }
            }
            break;
        }
        case u'S':
            if (Name.startsWith(u"S>"))
                Cv.Font.Style = Cv.Font.Style + fsStrikeOut;
            else if (Name.startsWith(u"SH"))
                Shadow_On = true;
            else if (U == QStringLiteral("<SUB>"))
                Sub_On = true;
            else if (U == QStringLiteral("<SUP>"))
                Sup_On = true;
            break;
        case u'U':
            if (Name.startsWith(u"U>")) {
                Cv.Font.Style = Cv.Font.Style + fsUnderline;
            } else {
                ++List_Level;
                Line_End = true;
            }
            break;
        case u'Z':
            Hidden_On = true;
            break;
        default:
            break;
        }
    } else {
        switch (Letter.unicode()) {
        case u'A': {
            const bool Hovered = Par.HoverStyle && Link_Count == Par.HoverLink;
            if (!Par.HoverStyle || Hovered) {
                Cv.Font.Style = Cv.Font.Style - fsUnderline;
                if (Draw && Par.HoverColor != clNone)
                    Set_Bk(Hover_Bk_Save);
                if (Draw && Par.HoverFontColor != clNone)
                    Cv.Font.Color = Hover_Font_Save;
            }
            if (!Par.Selected)
                Cv.Font.Color = Entry_Font.Color;
            In_Link = false;
            if (Mouse_In_Link) {
                const int Bottom = LR.Top + Line_H + Sub + Sup;
                // A hyperlink begun on an earlier line counts from this line's start.
                if (Link_Start_Line == Line_No)
                    Res.HoverRect = Span(LR, Link_Start_Off, X, Link_Start_Top, Bottom);
                else
                    Res.HoverRect = Span(LR, 0, X, LR.Top, Bottom);
                Res.MouseLink = Link_Count;
                Mouse_In_Link = false;
            }
            if (Focus_Open && Link_Count - 1 == Par.FocusLink) {
                Focus_Open = false;
                if (Draw) {
                    const int Bottom = Text_Bottom(LR) - Img_Off;
                    Draw_Focus(Span(LR, Focus_Off, X, Bottom - Gh(), Bottom).Inflate(1, 0));
                }
            }
            break;
        }
        case u'B':
            if (Name.startsWith(u"B>"))
                Cv.Font.Style = Cv.Font.Style - fsBold;
            else
                Cv.Font.Color = Entry_Font.Color;
            break;
        case u'E':
            Error_On = false;
            break;
        case u'F':
            Cv.Font.Name = Entry_Font.Name;
            Cv.Font.Size = Entry_Font.Size;
            if (Draw && !Par.Selected) {
                Cv.Font.Color = Entry_Font.Color;
                Set_Bk(Font_Bk_Save);
            }
            break;
        case u'H':
            if (Draw) {
                Cv.Font.Color = Hi_Font_Save == clNone ? Entry_Font.Color : Hi_Font_Save;
                Set_Bk(Hi_Bk_Save);
            }
            break;
        case u'I':
            Cv.Font.Style = Cv.Font.Style - fsItalic;
            break;
        case u'L':
            Line_End = true;
            break;
        case u'P':
            Line_End = true;
            if (Draw) {
                Set_Bk(Para_Bk_Save);
                Para_Bk_On = false;
            }
            break;
        case u'R':
            Cv.Font.Orientation = Rotate_Save;
            break;
        case u'S':
            if (Name.startsWith(u"SU")) {
                Sub_On = false;
                Sup_On = false;
            } else if (Name.startsWith(u"SH")) {
                Shadow_On = false;
            } else {
                Cv.Font.Style = Cv.Font.Style - fsStrikeOut;
            }
            break;
        case u'U':
            if (Name.startsWith(u"U>") || List_Level < 1)
                Cv.Font.Style = Cv.Font.Style - fsUnderline;
            else
                --List_Level;
            break;
        case u'Z':
            Hidden_On = false;
            break;
        default:
            break;
        }
    }

    if (Gt < 0) {
        M.clear();
    } else if (!Next_No_Fit) {
        Out.Source += Tag;
        M.remove(0, Gt + 1);
    }
}

void TRenderer::Handle_Image(const QString &Tag, const QString &U, const TRect &LR, bool Measure, TLineOut &Out)
{
    const bool Draw = !Measure;
    ++Image_Count;
    QString Src = Attr_Value(Tag, U, "SRC");
    bool Has_Alt = false;
    const QString Alt = Attr_Value(Tag, U, "ALT", &Has_Alt);
    if (Has_Alt && Image_Count == Image_Under_Point)
        Src = Alt;
    const int Req_W = Bounded(TextToInt(Attr_Value(Tag, U, "WIDTH")));
    const int Req_H = Bounded(TextToInt(Attr_Value(Tag, U, "HEIGHT")));
    const QString Us = Ascii_Upper(Src);
    const int Top = LR.Top;

    int W = 0, H = 0;
    // The picture's left edge once its width is known.
    auto Left_Of = [&] { return Screen_Left(LR, X, W); };
    bool Found = false;
    if (Us.startsWith(QStringLiteral("IDX:"))) {
        int N = -1;
        if (Par.Images && Whole_Number(Src.mid(4).trimmed(), N) && N < Par.Images->Count()) {
            W = Par.Images->Width();
            H = Par.Images->Height();
            Found = true;
            if (Draw) {
                if (!Par.Print) {
                    Par.Images->Draw(Cv, Left_Of(), Top, N);
                } else {
                    const int Sw = static_cast<int>(std::lround(W * Par.ResFactor));
                    const int Sh = static_cast<int>(std::lround(H * Par.ResFactor));
                    Cv.StretchDraw(TRect(Left_Of(), Top, Left_Of() + Sw, Top + Sh), Par.Images->Image(N));
                }
            }
        }
    } else if (Us.startsWith(QStringLiteral("SSYS:")) || Us.startsWith(QStringLiteral("LSYS:"))) {
        const bool Large = Us.startsWith(u'L');
        const QString F = Src.mid(5);
        const int Size = System_Icon_Size(Large);
        W = H = Size;
        Found = true;
        // A numbered system icon has no counterpart here: its place is kept, nothing is drawn.
        if (Draw) {
            const QImage Img = System_Icon(F, Large);
            if (!Img.isNull()) {
                if (Par.Print) {
                    const int Sw = static_cast<int>(std::lround(Size * Par.ResFactor));
                    Cv.StretchDraw(TRect(Left_Of(), Top, Left_Of() + Sw, Top + Sw), Img);
                } else {
                    Cv.Draw(Left_Of(), Top, Img);
                }
            }
        }
    } else {
        THTMLPicture *Pic = Resolve_Picture(Src);
        if (Pic && !Pic->Empty()) {
            Found = true;
            const int Pw = Pic->MaxWidth(), Ph = Pic->MaxHeight();
            const bool Requested = Req_W > 0 || Req_H > 0;
            if (Req_W > 0 && Req_H > 0) {
                W = Req_W;
                H = Req_H;
            } else if (Req_W > 0) {
                W = Req_W;
                H = Pw > 0 ? Bounded(std::llround(static_cast<double>(Req_W) * Ph / Pw)) : 0;
            } else if (Req_H > 0) {
                H = Req_H;
                W = Ph > 0 ? Bounded(std::llround(static_cast<double>(Req_H) * Pw / Ph)) : 0;
            } else {
                W = Bounded(Pw);
                H = Bounded(Ph);
            }
            if (Draw) {
                if (Requested) {
                    Cv.StretchDraw(TRect(Left_Of(), Top, Left_Of() + W, Top + H), Pic->Image_For(W, H));
                } else {
                    if (Pic->FrameCount() > 1) {
                        const TBrush Saved = Cv.Brush;
                        const TColor C = Entry_Bk == clNone ? clWindow : Entry_Bk;
                        Cv.Brush.Style = bsSolid;
                        Cv.Brush.Color = C;
                        Cv.Pen.Color = C;
                        Cv.FillRect(TRect(Left_Of(), Top, Left_Of() + Pic->MaxWidth(), Top + Pic->MaxHeight()));
                        Cv.Brush = Saved;
                    }
                    Cv.Draw(Left_Of() + Pic->FrameXPos(), Top + Pic->FrameYPos(), Pic->Image());
                }
            }
        }
    }
    if (!Found) {
        if (Next_No_Fit)
            --Image_Count;
        return;
    }
    // Hit: strictly inside the picture, and the picture inside a hyperlink.
    const int Px = Point_Off(LR);
    if (Px > X && Px < X + W && Par.YPos > Top && Par.YPos < Top + H && In_Link) {
        Res.AnchorVal = Link_Target;
        Res.AnchorTitle = Link_Title;
        Image_Under_Point = Image_Count;
        Out.Image_Or_Control_Hit = true;
    }
    bool Has_Align = false;
    Attr_Value(Tag, U, "ALIGN", &Has_Align);
    if (Has_Align) {
        if (U.contains(QStringLiteral("\"TOP")))
            Img_Off = Line_H - Gh();
        else if (U.contains(QStringLiteral("\"MIDDLE")))
            Img_Off = (Line_H - Gh()) / 2;
    }
    // Fit the element into the line.
    const int Line_W = LR.Width();
    if (!Drawing_Pass2 && Line_W > W && X + W > Line_W) {
        Next_No_Fit = true;
        --Image_Count;
        return;
    }
    X += W;
    Trail_W = 0; // the space before a picture is not trailing
    Line_H = std::max(Line_H, H);
}

// A named picture of the container, or a picture by address through the
// cache (loaded once, synchronously, and kept even when it stays empty).
THTMLPicture *TRenderer::Resolve_Picture(const QString &Src) const
{
    if (!Src.contains(u':'))
        return Par.PictureContainer ? Par.PictureContainer->FindPicture(Src) : nullptr;
    if (!Src.contains(QStringLiteral("://")) || !Par.ImageCache)
        return nullptr;
    THTMLPicture *Pic = Par.ImageCache->FindPicture(Src);
    if (!Pic) {
        Pic = Par.ImageCache->AddPicture();
        Pic->SetAsynch(false);
        try {
            Pic->LoadFromURL(Src);
        } catch (const std::exception &) {
            // An undecodable picture stays empty and takes no space.
        }
        Pic->SetID(Src);
    }
    return Pic;
}

void TRenderer::Draw_Frame_Control(const QString &Type, const TRect &Box, bool Checked, bool Pushed, bool Hot)
{
    const TPen Saved_Pen = Cv.Pen;
    const TBrush Saved_Brush = Cv.Brush;
    const TColor Frame = Themed ? static_cast<TColor>(0xB99D7F) : clGray;
    Cv.Pen.Style = psSolid;
    Cv.Pen.Width = 1;
    if (Type == QStringLiteral("CHECK")) {
        Cv.Pen.Color = Frame;
        Cv.Brush.Style = bsSolid;
        Cv.Brush.Color = clWhite;
        Cv.Rectangle(Box);
        if (Checked) {
            Cv.Pen.Color = clBlack;
            const int L = Box.Left + 3, B = Box.Bottom - 4;
            Cv.Polyline({TPoint(L, B - 3), TPoint(L + 2, B - 1), TPoint(Box.Right - 3, Box.Top + 2)});
            Cv.Polyline({TPoint(L, B - 2), TPoint(L + 2, B), TPoint(Box.Right - 3, Box.Top + 3)});
        }
    } else if (Type == QStringLiteral("RADIO")) {
        Cv.Pen.Color = Frame;
        Cv.Brush.Style = bsSolid;
        Cv.Brush.Color = clWhite;
        Cv.Ellipse(Box);
        if (Checked) {
            Cv.Pen.Color = clBlack;
            Cv.Brush.Color = clBlack;
            Cv.Ellipse(Box.Inflate(-3, -3));
        }
    } else {
        // Push button or drop-down button face.
        Cv.Brush.Style = bsSolid;
        Cv.Brush.Color = clBtnFace;
        Cv.Pen.Color = Pushed ? clBtnShadow : (Hot && Themed ? clHighlight : Frame);
        Cv.Rectangle(Box);
        Cv.Pen.Color = Pushed ? clBtnShadow : clBtnHighlight;
        Cv.MoveTo(Box.Left + 1, Box.Bottom - 2);
        Cv.LineTo(Box.Left + 1, Box.Top + 1);
        Cv.LineTo(Box.Right - 1, Box.Top + 1);
        if (Type == QStringLiteral("COMBO")) {
            const int Cx = (Box.Left + Box.Right) / 2, Cy = (Box.Top + Box.Bottom) / 2;
            Cv.Pen.Color = clBlack;
            Cv.Brush.Color = clBlack;
            Cv.Polygon({TPoint(Cx - 3, Cy - 1), TPoint(Cx + 3, Cy - 1), TPoint(Cx, Cy + 2)});
        }
    }
    Cv.Pen = Saved_Pen;
    Cv.Brush = Saved_Brush;
}

void TRenderer::Handle_Control(const QString &Tag, const TRect &LR, bool Measure, TLineOut &Out)
{
    const bool Draw = !Measure;
    const qsizetype Attr_Start = std::min<qsizetype>(8, Tag.size());
    const TControlTag C = ParseControlTag(Tag.mid(Attr_Start, Tag.size() - Attr_Start - (Tag.endsWith(u'>') ? 1 : 0)));
    if (C.Width.isEmpty())
        return;
    int Ctl_W = 0;
    if (!Whole_Number(C.Width.trimmed(), Ctl_W) || Ctl_W <= 0)
        return;
    Ctl_W = Bounded(Ctl_W);
    int Ctl_H = 25;
    if (!Whole_Number(C.Height.trimmed(), Ctl_H))
        Ctl_H = 25;
    Ctl_H = Bounded(Ctl_H);
    const bool Check_Like = C.Type == QStringLiteral("CHECK") || C.Type == QStringLiteral("RADIO");
    const int Gh_H = Gh();
    Line_H = std::max(Line_H, Ctl_H > 25 ? Ctl_H - 2 : (Check_Like ? 16 : 23));

    int Over_H = Gh_H + 10;
    if (C.Type == QStringLiteral("BUTTON"))
        Over_H = 24;
    int Elem_W = Ctl_W;
    int Elem_H = Gh_H + 10;
    if (C.Type == QStringLiteral("BUTTON") || C.Type == QStringLiteral("COMBO"))
        Elem_H = 25;
    else if (Check_Like)
        Elem_W = Elem_H = 16;
    const int Xd = Screen_Left(LR, X, Elem_W);
    const int B = Text_Bottom(LR) - Img_Off;
    const int H = Line_H;
    const bool Over = Par.XPos > Xd - 2 && Par.XPos < Xd + Elem_W - 2 && Par.YPos > B - Over_H - 2 && Par.YPos < B - 2;

    if (Draw) {
        const TPen Saved_Pen = Cv.Pen;
        const TBrush Saved_Brush = Cv.Brush;
        const TFont Saved_Font = Cv.Font;
        const TColor Frame = Themed ? static_cast<TColor>(0xB99D7F) : clGray;
        Cv.Pen.Color = Frame;
        Cv.Pen.Style = psSolid;
        Cv.Pen.Width = 1;
        Cv.Brush.Style = bsSolid;
        Cv.Brush.Color = clWhite;
        Cv.Font.Style = TFontStyles();
        Cv.Font.Color = Entry_Font.Color;
        const QString &T = C.Type;
        if (T == QStringLiteral("EDIT") || T == QStringLiteral("PASSWORD") || T == QStringLiteral("MASK")
            || T == QStringLiteral("COMBO")) {
            Cv.Rectangle(TRect(Xd, B - H + 4, Xd + Ctl_W, B + 2));
            Cv.Brush.Style = bsClear;
            const QString V = T == QStringLiteral("PASSWORD") ? PasswordMask(C.Value) : C.Value;
            TRect Tr = T == QStringLiteral("COMBO") ? TRect(Xd + 4, B - H + 4, Xd + Ctl_W - 18, B)
                                                     : TRect(Xd + 2, B - H + 4, Xd + Ctl_W, B);
            Cv.DrawText(Tr, V, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            if (T == QStringLiteral("COMBO"))
                Draw_Frame_Control(T, TRect(Xd + Ctl_W - 18, B - H + 5, Xd + Ctl_W - 1, B + 1), false, false, Over);
        } else if (T == QStringLiteral("CHECK")) {
            Draw_Frame_Control(T, TRect(Xd + 2, B - 15, Xd + 15, B), C.Value.toUpper() == QStringLiteral("TRUE"), false);
        } else if (T == QStringLiteral("RADIO")) {
            Draw_Frame_Control(T, TRect(Xd + 2, B - 14, Xd + 14, B), C.Value.toUpper() == QStringLiteral("TRUE"), false);
        } else if (T == QStringLiteral("BUTTON")) {
            const bool Pushed = Themed ? Par.Down : (Par.Down && Over);
            const TRect Br(Xd + 2, B - Ctl_H, Xd + Ctl_W - 2, B);
            Draw_Frame_Control(T, Br, false, Pushed, Over);
            Cv.Brush.Style = bsClear;
            TRect Tr = Br.Inflate(-2, -2);
            Cv.DrawText(Tr, C.Value, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        }
        Cv.Pen = Saved_Pen;
        Cv.Brush = Saved_Brush;
        Cv.Font = Saved_Font;
    }

    const int Px = Point_Off(LR);
    if ((Px > X && Px < X + Elem_W && Par.YPos > LR.Top && Par.YPos < LR.Top + Elem_H)
        || (Par.CheckHotSpot && !C.ID.isEmpty() && C.ID == Par.ControlID)) {
        Res.AnchorVal = QStringLiteral("ctrl");
        Res.ControlRect = TRect(Xd, LR.Top, Xd + Elem_W, LR.Top + Elem_H);
        Res.ControlValue = C.Value;
        Res.ControlID = C.ID;
        Res.ControlType = C.Type;
        Out.Image_Or_Control_Hit = true;
    }
    const int Line_W = LR.Width();
    if (!Drawing_Pass2 && Line_W > Elem_W && X + Elem_W > Line_W) {
        Next_No_Fit = true;
        return;
    }
    X += Elem_W;
    Trail_W = 0;
    Line_H = std::max(Line_H, Elem_H);
}
} // namespace

// ---- public routines ----------------------------------------------------------------

bool RenderHTML(TCanvas &Canvas, const QString &Text, const TRect &Rect, const THTMLRenderParams &Params,
                THTMLRenderResult &Result)
{
    Result.StripVal.clear();
    Result.FocusAnchor.clear();
    Result.AnchorTitle.clear();
    Result.ControlValue.clear();
    Result.ControlType.clear();
    Result.ControlID = Params.CheckHotSpot ? Params.ControlID : QString();
    Result.XSize = Result.YSize = Result.HyperLinks = 0;
    Result.MouseLink = -1;
    Result.ControlRect = TRect();
    TRenderer R(Canvas, Rect, Params, Result);
    return R.Run(Text);
}

unsigned BiDiDrawTextFlags(TBiDiMode Mode, unsigned Flags)
{
    if (!Platform_Right_To_Left())
        return Flags;
    if (Mode == bdRightToLeft) {
        const unsigned Horizontal = Flags & (DT_CENTER | DT_RIGHT);
        if (Horizontal == DT_RIGHT)
            Flags &= ~DT_RIGHT;
        else if (Horizontal == DT_LEFT)
            Flags |= DT_RIGHT;
    }
    if (Mode != bdLeftToRight)
        Flags |= DT_RTL_READING;
    return Flags;
}

void SetHTMLHighlightColors(TColor Background, TColor Text)
{
    GHighlight_Bk = Background;
    GHighlight_Text = Text;
}

int HexPairToInt(const QString &Text)
{
    if (Text.size() < 2)
        return 0;
    auto Digit = [](QChar C) {
        if (C >= u'0' && C <= u'9')
            return C.unicode() - u'0';
        if (C >= u'A' && C <= u'F')
            return C.unicode() - u'A' + 10;
        return 0;
    };
    return Digit(Text[0]) * 16 + Digit(Text[1]);
}

TColor ColorFromHex(const QString &Text)
{
    const QString U = Ascii_Upper(Text);
    return RGB_Color(HexPairToInt(U.mid(1, 2)), HexPairToInt(U.mid(3, 2)), HexPairToInt(U.mid(5, 2)));
}

TColor ColorFromName(const QString &Name)
{
    static const struct { const char *Name; TColor Value; } Names[] = {
        {"clred", clRed}, {"clblack", clBlack}, {"clblue", clBlue}, {"clgreen", clGreen},
        {"claqua", clAqua}, {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
        {"cllime", clLime}, {"clsilver", clSilver}, {"clgray", clGray}, {"clolive", clOlive},
        {"clnavy", clNavy}, {"clpurple", clPurple}, {"clteal", clTeal}, {"clmaroon", clMaroon},
        {"clbackground", System_Color(1)}, {"clactivecaption", System_Color(2)},
        {"clinactivecaption", System_Color(3)}, {"clmenu", System_Color(4)}, {"clwindow", System_Color(5)},
        {"clwindowframe", System_Color(6)}, {"clmenutext", System_Color(7)}, {"clwindowtext", System_Color(8)},
        {"clcaptiontext", System_Color(9)}, {"clactiveborder", System_Color(10)},
        {"clinactiveborder", System_Color(11)}, {"clappworkspace", System_Color(12)},
        {"clhighlight", System_Color(13)}, {"clhighlighttext", System_Color(14)}, {"clbtnface", System_Color(15)},
        {"clbtnshadow", System_Color(16)}, {"clgraytext", System_Color(17)}, {"clbtntext", System_Color(18)},
        {"clinactivecaptiontext", System_Color(19)}, {"clbtnhighlight", System_Color(20)},
        {"cl3ddkshadow", System_Color(21)}, {"cl3dlight", System_Color(22)}, {"clinfotext", System_Color(23)},
        {"clinfobk", System_Color(24)},
    };
    const QString L = Name.toLower();
    for (const auto &N : Names)
        if (L == QLatin1String(N.Name))
            return N.Value;
    return clBlack;
}

QString UnwrapHashTags(const QString &Text)
{
    QString S = Text;
    qsizetype From = 0;
    for (;;) {
        const qsizetype P = S.indexOf(QStringLiteral("<#"), From);
        if (P < 0)
            break;
        S.remove(P, 1);
        const qsizetype Gt = S.indexOf(u'>', P);
        if (Gt >= 0)
            S.remove(Gt, 1);
        From = P + 1;
    }
    return S;
}

QString ConvertLineBreaks(const QString &Text)
{
    if (!Text.contains(u'\r') && !Text.contains(u'\n'))
        return Text;
    QString S = Text;
    S.remove(u'\n');
    S.replace(u'\r', QStringLiteral("<BR>"));
    return S;
}

bool Markup_Themed()
{
    const TSystemInfo &I = System_Info();
    const bool Xp_Or_Later = I.Win_Major > 5 || (I.Win_Major == 5 && I.Win_Minor >= 1);
    return Xp_Or_Later && I.Theme_Active;
}
