// The markup tags: each family of tags (those starting with one letter) has an
// opening and a closing handler, found through one table.
#include "grid/base/MarkupRender_p.h"
#include "grid/base/HTMLPicture.h"
#include <algorithm>

namespace Markup_Render {

const TRenderer::TTag_Family *TRenderer::Tag_Family(QChar Letter)
{
    static const TTag_Family Families[] = {
        {u'A', &TRenderer::Open_Link, &TRenderer::Close_Link},
        {u'B', &TRenderer::Open_B_Tags, &TRenderer::Close_B_Tags},
        {u'C', &TRenderer::Open_Control, nullptr},
        {u'E', &TRenderer::Open_Error, &TRenderer::Close_Error},
        {u'F', &TRenderer::Open_Font, &TRenderer::Close_Font},
        {u'H', &TRenderer::Open_H_Tags, &TRenderer::Close_Highlight},
        {u'I', &TRenderer::Open_I_Tags, &TRenderer::Close_Italic},
        {u'L', &TRenderer::Open_List_Item, &TRenderer::Close_List_Item},
        {u'P', &TRenderer::Open_Paragraph, &TRenderer::Close_Paragraph},
        {u'R', &TRenderer::Open_Rotate, &TRenderer::Close_Rotate},
        {u'S', &TRenderer::Open_S_Tags, &TRenderer::Close_S_Tags},
        {u'U', &TRenderer::Open_U_Tags, &TRenderer::Close_U_Tags},
        {u'Z', &TRenderer::Open_Hidden, &TRenderer::Close_Hidden},
    };
    for (const TTag_Family &F : Families)
        if (Letter == QChar(F.Letter))
            return &F;
    return nullptr;
}

void TRenderer::Handle_Tag(QString &M, const TRect &LR, bool Measure, bool First_Pass, TLineOut &Out)
{
    const bool Closing = M[1] == u'/' && M.size() > 3;
    const qsizetype Gt = M.indexOf(u'>');
    const QString Tag = Gt >= 0 ? M.left(Gt + 1) : M;
    const QString U = Ascii_Upper(Tag);
    const QString Name = Closing ? U.mid(2) : U.mid(1); // from the tag letter on
    const TTag T{Tag, U, Name, LR, Measure, !Measure, First_Pass, Out};
    if (!Name.isEmpty())
        if (const TTag_Family *F = Tag_Family(Name[0]))
            if (const auto Handler = Closing ? F->Close : F->Open)
                (this->*Handler)(T);

    if (Gt < 0) {
        M.clear();
    } else if (!Next_No_Fit) {
        Out.Source += Tag;
        M.remove(0, Gt + 1);
    }
}

// ---- A: hyperlinks ---------------------------------------------------------

void TRenderer::Open_Link(const TTag &T)
{
    if (Par.FocusLink == Link_Count && T.Draw) {
        Focus_Open = true;
        Focus_Off = X;
    }
    ++Link_Count;
    if (T.First_Pass)
        Res.HyperLinks = std::max(Res.HyperLinks, Link_Count);
    const bool Hovered = Par.HoverStyle && Link_Count == Par.HoverLink;
    if (!Par.HoverStyle || Hovered) {
        Cv.Font.Style = Cv.Font.Style + fsUnderline;
        if (T.Draw && Par.HoverColor != clNone) {
            Hover_Bk_Save = Bk();
            Set_Bk(Par.HoverColor);
        }
        if (T.Draw && Par.HoverFontColor != clNone) {
            Hover_Font_Save = Cv.Font.Color;
            Cv.Font.Color = Par.HoverFontColor;
        }
    }
    if (!Par.Selected && !(Hovered && Par.HoverFontColor != clNone))
        Cv.Font.Color = Par.URLColor;
    bool Has_Href = false;
    const QString Href = Attr_Value(T.Tag, T.U, "HREF", &Has_Href);
    if (Has_Href) {
        Link_Target = Href;
        In_Link = true;
    }
    bool Has_Title = false;
    const QString Title = Attr_Value(T.Tag, T.U, "TITLE", &Has_Title);
    if (Has_Title)
        Link_Title = Title;
    Link_Start_Off = X;
    Link_Start_Top = T.LR.Top;
    Link_Start_Line = Line_No;
}

void TRenderer::Close_Link(const TTag &T)
{
    const bool Hovered = Par.HoverStyle && Link_Count == Par.HoverLink;
    if (!Par.HoverStyle || Hovered) {
        Cv.Font.Style = Cv.Font.Style - fsUnderline;
        if (T.Draw && Par.HoverColor != clNone)
            Set_Bk(Hover_Bk_Save);
        if (T.Draw && Par.HoverFontColor != clNone)
            Cv.Font.Color = Hover_Font_Save;
    }
    if (!Par.Selected)
        Cv.Font.Color = Entry_Font.Color;
    In_Link = false;
    const TRect &LR = T.LR;
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
        if (T.Draw) {
            const int Bottom = Text_Bottom(LR) - Img_Off;
            Draw_Focus(Span(LR, Focus_Off, X, Bottom - Gh(), Bottom).Inflate(1, 0));
        }
    }
}

// ---- B: bold, line break, blinking text, the body's background -----------

void TRenderer::Open_B_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"B>")) {
        Cv.Font.Style = Cv.Font.Style + fsBold;
    } else if (T.Name.startsWith(u"BR")) {
        Line_End = true;
        if (T.First_Pass)
            Res.StripVal += u'\r';
    } else if (T.Name.startsWith(u"BL")) {
        if (!Par.Blink)
            Cv.Font.Color = Entry_Bk == clNone ? clWindow : Entry_Bk;
    } else if (T.Name.startsWith(u"BO") && T.Draw) {
        Paint_Body_Background(T);
    }
}

// The whole rectangle tiled with the BACKGROUND picture, then filled with
// BGCOLOR when that names a colour.
void TRenderer::Paint_Body_Background(const TTag &T)
{
    bool Has = false;
    const QString Bg = Attr_Value(T.Tag, T.U, "BACKGROUND", &Has);
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
    const QString Bgc = Attr_Value(T.Tag, T.U, "BGCOLOR");
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

void TRenderer::Close_B_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"B>"))
        Cv.Font.Style = Cv.Font.Style - fsBold;
    else
        Cv.Font.Color = Entry_Font.Color;
}

// ---- C: embedded controls --------------------------------------------------

void TRenderer::Open_Control(const TTag &T)
{
    Handle_Control(T.Tag, T.LR, T.Measure, T.Out);
}

// ---- E: error marking ------------------------------------------------------

void TRenderer::Open_Error(const TTag &)
{
    Error_On = true;
}

void TRenderer::Close_Error(const TTag &)
{
    Error_On = false;
}

// ---- F: font face, colour, background and size ----------------------------

void TRenderer::Open_Font(const TTag &T)
{
    bool Has = false;
    const QString Face = Attr_Value(T.Tag, T.U, "FACE", &Has);
    if (Has && !Face.isEmpty())
        Cv.Font.Name = Face;
    const QString Col = Attr_Value(T.Tag, T.U, " COLOR", &Has);
    if (Has && !Par.Selected)
        Cv.Font.Color = Parse_Color(Col);
    const QString Bgc = Attr_Value(T.Tag, T.U, "BGCOLOR", &Has);
    if (Has && T.Draw && !Par.Selected) {
        Font_Bk_Save = Bk();
        Set_Bk(Bgc.isEmpty() ? clNone : Parse_Color(Bgc));
    }
    const QString Size = Attr_Value(T.Tag, T.U, "SIZE", &Has);
    if (Has) {
        static const int Sizes[5] = {8, 10, 12, 14, 16};
        const int V = TextToInt(Size);
        Cv.Font.Size = (V >= 1 && V <= 5) ? Sizes[V - 1] : std::clamp(V, Min_Font_Size, Max_Font_Size);
    }
}

void TRenderer::Close_Font(const TTag &T)
{
    Cv.Font.Name = Entry_Font.Name;
    Cv.Font.Size = Entry_Font.Size;
    if (T.Draw && !Par.Selected) {
        Cv.Font.Color = Entry_Font.Color;
        Set_Bk(Font_Bk_Save);
    }
}

// ---- H: highlight and horizontal rule --------------------------------------

void TRenderer::Open_H_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"HI")) {
        if (T.Draw) {
            Hi_Font_Save = Cv.Font.Color;
            Hi_Bk_Save = Bk();
            Set_Bk(GHighlight_Bk);
            Cv.Font.Color = GHighlight_Text;
        }
    } else if (T.Name.startsWith(u"HR")) {
        Line_End = true;
        if (T.Draw)
            Draw_Rule(T.LR);
    }
}

// A black line across the line's box, just under its text.
void TRenderer::Draw_Rule(const TRect &LR)
{
    const TPen Saved = Cv.Pen;
    Cv.Pen.Color = clBlack;
    Cv.Pen.Width = 1;
    Cv.Pen.Style = psSolid;
    const int Y = Text_Bottom(LR) + 1;
    Cv.MoveTo(LR.Left, Y);
    Cv.LineTo(LR.Right, Y);
    Cv.Pen = Saved;
}

void TRenderer::Close_Highlight(const TTag &T)
{
    if (T.Draw) {
        Cv.Font.Color = Hi_Font_Save == clNone ? Entry_Font.Color : Hi_Font_Save;
        Set_Bk(Hi_Bk_Save);
    }
}

// ---- I: italic, indent to a position, pictures -----------------------------

void TRenderer::Open_I_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"I>")) {
        Cv.Font.Style = Cv.Font.Style + fsItalic;
    } else if (T.Name.startsWith(u"IN")) {
        // <IND x="N">: the next run starts at offset N unless the line is already past it.
        int V = 0;
        const qsizetype Xp = T.U.indexOf(u'X', 3);
        if (Xp >= 0) {
            const qsizetype Q1 = T.Tag.indexOf(u'"', Xp);
            const qsizetype Q2 = Q1 >= 0 ? T.Tag.indexOf(u'"', Q1 + 1) : -1;
            if (Q2 > Q1 && Whole_Number(T.Tag.mid(Q1 + 1, Q2 - Q1 - 1), V) && Bounded(V) > X)
                X = Bounded(V);
        }
    } else if (T.Name.startsWith(u"IM")) {
        Handle_Image(T.Tag, T.U, T.LR, T.Measure, T.Out);
    }
}

void TRenderer::Close_Italic(const TTag &)
{
    Cv.Font.Style = Cv.Font.Style - fsItalic;
}

// ---- L: list items ---------------------------------------------------------

void TRenderer::Open_List_Item(const TTag &T)
{
    if (Li_On_Line) {
        // A second item starts the next line.
        Next_No_Fit = true;
        return;
    }
    Li_On_Line = true;
    const int Bullet_X = X + 12 * std::max(0, List_Level - 1);
    if (T.Draw) {
        const TFont Saved = Cv.Font;
        const TBrush Saved_Brush = Cv.Brush;
        Cv.Brush.Style = bsClear;
        const QString Bullet = (List_Level % 2 == 1) ? QStringLiteral("\u2022") : QStringLiteral("o");
        const int B = Text_Bottom(T.LR) - Img_Off;
        Cv.TextOut(Screen_Left(T.LR, Bullet_X, Cv.TextWidth(Bullet)), B - Cv.TextHeight(Bullet), Bullet);
        Cv.Font = Saved;
        Cv.Brush = Saved_Brush;
    }
    X += 12 * std::max(0, List_Level);
}

void TRenderer::Close_List_Item(const TTag &)
{
    Line_End = true;
}

// ---- P: paragraphs (alignment, indent, background) -------------------------

void TRenderer::Open_Paragraph(const TTag &T)
{
    const QString Al = Ascii_Upper(Attr_Value(T.Tag, T.U, "ALIGN"));
    if (Al == QStringLiteral("RIGHT"))
        Align = 1;
    else if (Al == QStringLiteral("LEFT"))
        Align = 0;
    else if (Al == QStringLiteral("CENTER"))
        Align = 2;
    bool Has = false;
    const QString Ind = Attr_Value(T.Tag, T.U, "INDENT", &Has);
    if (Has)
        Indent = Bounded(TextToInt(Ind));
    const QString Bgc = Attr_Value(T.Tag, T.U, "BGCOLOR", &Has);
    if (Has && T.Draw) {
        Para_Bk_On = true;
        Para_Bk_Save = Bk();
        const TColor C = Bgc.isEmpty() ? clNone : Parse_Color(Bgc);
        Set_Bk(C);
        if (C != clNone) {
            Cv.Pen.Color = C;
            Cv.FillRect(TRect(Rect.Left, T.LR.Top, Rect.Right, T.LR.Bottom));
        }
    }
}

void TRenderer::Close_Paragraph(const TTag &T)
{
    Line_End = true;
    if (T.Draw) {
        Set_Bk(Para_Bk_Save);
        Para_Bk_On = false;
    }
}

// ---- R: rotated text -------------------------------------------------------

void TRenderer::Open_Rotate(const TTag &T)
{
    const qsizetype Ap = T.U.indexOf(u'A', 2);
    if (Ap < 0)
        return;
    const qsizetype Q1 = T.Tag.indexOf(u'"', Ap);
    const qsizetype Q2 = Q1 >= 0 ? T.Tag.indexOf(u'"', Q1 + 1) : -1;
    if (Q2 > Q1) {
        Rotate_Save = Cv.Font.Orientation;
        Cv.Font.Orientation = 10 * (TextToInt(T.Tag.mid(Q1 + 1, Q2 - Q1 - 1)) % 360);
    }
}

void TRenderer::Close_Rotate(const TTag &)
{
    Cv.Font.Orientation = Rotate_Save;
}

// ---- S: strike-out, shadow, subscript, superscript -------------------------

void TRenderer::Open_S_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"S>"))
        Cv.Font.Style = Cv.Font.Style + fsStrikeOut;
    else if (T.Name.startsWith(u"SH"))
        Shadow_On = true;
    else if (T.U == QStringLiteral("<SUB>"))
        Sub_On = true;
    else if (T.U == QStringLiteral("<SUP>"))
        Sup_On = true;
}

void TRenderer::Close_S_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"SU")) {
        Sub_On = false;
        Sup_On = false;
    } else if (T.Name.startsWith(u"SH")) {
        Shadow_On = false;
    } else {
        Cv.Font.Style = Cv.Font.Style - fsStrikeOut;
    }
}

// ---- U: underline and lists ------------------------------------------------

void TRenderer::Open_U_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"U>")) {
        Cv.Font.Style = Cv.Font.Style + fsUnderline;
    } else {
        ++List_Level;
        Line_End = true;
    }
}

void TRenderer::Close_U_Tags(const TTag &T)
{
    if (T.Name.startsWith(u"U>") || List_Level < 1)
        Cv.Font.Style = Cv.Font.Style - fsUnderline;
    else
        --List_Level;
}

// ---- Z: hidden text --------------------------------------------------------

void TRenderer::Open_Hidden(const TTag &)
{
    Hidden_On = true;
}

void TRenderer::Close_Hidden(const TTag &)
{
    Hidden_On = false;
}

} // namespace Markup_Render
