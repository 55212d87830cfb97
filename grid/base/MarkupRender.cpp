#include "grid/base/MarkupRender.h"
#include "grid/base/MarkupRender_p.h"
#include "grid/base/HTMLPicture.h"
#include "grid/model/MarkupText.h"
#include "toolkit/ImageList.h"
#include "platform/PictureLoader.h"
#include "platform/SystemInfo.h"
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace Markup_Render {

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
QString Attr_Value(const QString &Tag, const QString &Upper, const char *Name, bool *Present)
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

int Bounded(long long V)
{
    return static_cast<int>(std::clamp<long long>(V, 0, Max_Coord));
}

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
        // The text up to the next tag (or, with word wrap, up to the next blank).
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
        // A tag after the run; a lone "<" at the end is dropped.
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

} // namespace Markup_Render

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
    Markup_Render::TRenderer R(Canvas, Rect, Params, Result);
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
    Markup_Render::GHighlight_Bk = Background;
    Markup_Render::GHighlight_Text = Text;
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
    const QString U = Markup_Render::Ascii_Upper(Text);
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
