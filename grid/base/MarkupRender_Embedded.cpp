// Pictures and embedded controls inside markup: the IMG and CONTROL tags.
#include "grid/base/MarkupRender_p.h"
#include "grid/base/HTMLPicture.h"
#include "toolkit/ImageList.h"
#include "platform/PictureLoader.h"
#include <algorithm>
#include <cmath>

namespace Markup_Render {

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

} // namespace Markup_Render
