#include "grid/model/CellLayout.h"
#include <algorithm>
#include <cmath>

TGraphicLayout Graphic_Layout(const TCellGraphic *Graphic, const TGraphicMetrics &M)
{
    TGraphicLayout L;
    if (!Graphic) {
        L.HAlign = haLeft;
        L.VAlign = vaTop;
        return L;
    }
    L.HAlign = Graphic->CellHAlign;
    L.VAlign = Graphic->CellVAlign;
    auto Size = [&](int W, int H, bool Text) { L.Width = W; L.Height = H; L.DrawText = Text; };
    switch (Graphic->CellType) {
    case ctBitmap: case ctIcon: case ctImageList: case ctInterface:
        Size(M.ImageSize.width(), M.ImageSize.height(), true);
        break;
    case ctDataImage:
        Size(M.ImageSize.width(), M.ImageSize.height(), false);
        break;
    case ctCheckBox: case ctTriStateCheckBox:
        Size(M.CheckSize, M.CheckSize, true);
        break;
    case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox:
        Size(M.CheckSize, M.CheckSize, false);
        break;
    case ctRotated: case ctRadio: case ctProgress: case ctRangeIndicator: case ctXPProgress:
        Size(0, 0, false);
        break;
    case ctImages:
        // side by side when laid out horizontally (CellBoolean), else stacked
        if (Graphic->CellBoolean)
            Size(M.ImageCount * M.ImageSize.width(), M.ImageSize.height(), true);
        else
            Size(M.ImageSize.width(), M.ImageCount * M.ImageSize.height(), true);
        break;
    case ctPicture: case ctFilePicture: {
        const TPoint P = Graphic->GetPictureSize(M.CellSize.X, M.CellSize.Y);
        Size(P.X, P.Y, true);
        break;
    }
    case ctButton: case ctBitButton:
        Size(Graphic->ButtonWidth(), Graphic->ButtonHeight(), true);
        break;
    case ctProgressPie:
        Size(20, 20, true);
        break;
    case ctRadioButton:
        Size(M.RadioSize + 4, M.RadioSize + 4, true);
        break;
    case ctShape: {
        const int S = M.RowHeight - 2 * M.XYOffset.Y;
        Size(S, S, true);
        break;
    }
    case ctRating:
        Size(Graphic->CellAngle * 18, 16, false);
        break;
    default:
        break;
    }
    return L;
}

TRect Cell_Text_Rect(TRect Cell, bool Fixed, int GridLineWidth, TPoint XYOffset, bool XYOffsetTopLeftOnly,
                     const TGraphicLayout &G, int NodeIndent)
{
    TRect T = Cell;
    if (Fixed) {
        T.Left += GridLineWidth;
        T.Top += GridLineWidth;
    }
    T.Left += XYOffset.X;
    T.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly)
        T.Right -= XYOffset.X;
    if (G.HAlign == haBeforeText)
        T.Left += G.Width;
    else if (G.HAlign == haAfterText)
        T.Right -= G.Width;
    if (G.VAlign == vaAboveText)
        T.Top += G.Height;
    else if (G.VAlign == vaUnderText)
        T.Bottom -= G.Height;
    T.Left += NodeIndent;
    return T;
}

TRect Cell_Graphic_Rect(TRect R, bool Fixed, TPoint XYOffset, TCellType Type, const TGraphicLayout &G,
                        TAlignment HA, TVAlignment TextVA, TVAlignment GridVA, int TW, bool HasText)
{
    if (Fixed)
        R = R.Offset(0, 1);
    if (Type != ctNode && Type != ctProgress && Type != ctRangeIndicator && Type != ctXPProgress)
        R = R.Inflate(-(XYOffset.X - 1), -(XYOffset.Y - 1));
    const int W = G.Width, H = G.Height, RW = R.Width(), RH = R.Height();
    TRect Gr{R.Left, R.Top, R.Left + W, R.Top + H};

    const bool CheckKind = CheckBoxKinds.Contains(Type) || Type == ctRadioButton;
    if (CheckKind) {
        // Boxes follow the text alignment rather than their own placement.
        const bool Data = DataCheckBoxKinds.Contains(Type);
        int Left = R.Left + 1;
        if (HA == taRightJustify)
            Left = (Data ? R.Right : R.Right - TW) - W - 1;
        else if (HA == taCenter)
            Left = (Data || !HasText) ? R.Left + std::max(0, RW - W) / 2 : R.Left + std::max(0, RW - TW) / 2 - W;
        Gr.Left = std::max(Left, R.Left + 1);
        Gr.Right = Gr.Left + W;
    } else {
        switch (G.HAlign) {
        case haLeft: Gr.Left = R.Left + 1; Gr.Right = Gr.Left + W; break;
        case haRight: Gr.Right = R.Right - 1; Gr.Left = Gr.Right - W; break;
        case haCenter:
            Gr.Left = W < RW ? R.Left + (RW - W) / 2 : R.Left + 1;
            Gr.Right = Gr.Left + W;
            break;
        case haBeforeText: {
            int Left = R.Left + 1;
            if (HA == taRightJustify)
                Left = R.Right - TW - W;
            else if (HA == taCenter)
                Left = R.Left + (RW - TW - W) / 2;
            Gr.Left = std::max(Left, R.Left + 1);
            Gr.Right = Gr.Left + W;
            break;
        }
        case haAfterText:
            if (HA == taRightJustify) {
                Gr.Right = R.Right - 1;
                Gr.Left = Gr.Right - W;
            } else {
                Gr.Left = HA == taCenter ? std::max(R.Left + TW + (RW - TW - W) / 2, R.Left + 1) : R.Left + TW;
                Gr.Right = Gr.Left + W;
            }
            break;
        case haFull: Gr.Left = R.Left; Gr.Right = R.Right; break;
        }
    }

    TCellVAlign V = G.VAlign;
    if (CheckKind && TextVA != GridVA)
        V = TextVA == vtaTop ? vaTop : TextVA == vtaCenter ? vaCenter : vaBottom;
    switch (V) {
    case vaTop: case vaAboveText: Gr.Top = R.Top + 1; Gr.Bottom = Gr.Top + H; break;
    case vaBottom: Gr.Bottom = R.Bottom - 1; Gr.Top = Gr.Bottom - H; break;
    case vaCenter:
        Gr.Top = H < RH ? R.Top + (RH - H) / 2 : R.Top + 1;
        Gr.Bottom = Gr.Top + H;
        break;
    case vaUnderText: Gr.Top = R.Bottom - H; Gr.Bottom = R.Bottom; break;
    case vaFull: Gr.Top = R.Top; Gr.Bottom = R.Bottom; break;
    }
    return Gr;
}

TColor BlendColor(TColor C1, TColor C2, int Percent)
{
    if (Percent >= 100)
        return C1;
    if (Percent < 1 || C1 == clNone)
        return C2;
    if (C2 == clNone)
        return C1;
    const TColor A = Color_To_RGB(C1), B = Color_To_RGB(C2);
    const double P = Percent / 100.0;
    auto Ch = [&](int Shift) {
        const int a = (A >> Shift) & 0xFF, b = (B >> Shift) & 0xFF;
        return std::min(255, static_cast<int>(std::nearbyint(P * a + (1 - P) * b)));
    };
    return RGB_Color(Ch(0), Ch(8), Ch(16));
}

TColor MixSelectionColor(TColor SelectionColor, TColor CellColor, bool Mixer, int Factor)
{
    return Mixer ? BlendColor(SelectionColor, CellColor, Factor) : SelectionColor;
}

QString Balloon_Tip_Text(const QString &Text)
{
    qsizetype From = 0;
    while (From < Text.size() && (Text[From] == u'\n' || Text[From] == u'\r' || Text[From] == u'\t'))
        ++From;
    QString S = Text.mid(From);
    S.replace(u'\t', u' ');
    if (S.size() > 2048)
        S = S.left(2045) + QStringLiteral("...");
    return S;
}

QString Balloon_Tip_Title(const QString &Title)
{
    return Title.size() > 100 ? Title.left(97) + QStringLiteral("...") : Title;
}
