// Looks, style presets, colour tones and the older XP colour schemes: each
// restyles the grid at once by writing the colours painting reads.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/MarkupRender.h"
#include "grid/stringgrid/GridEditorControls.h"
#include <QPainter>

namespace {
// The flat boxes and radio marks of the colour-tones look (16 x 16): a
// rounded frame, a tick or a dot in the tones' dark blue when on.
QImage Metro_Glyph(bool Radio, bool On)
{
    QImage I(16, 16, QImage::Format_ARGB32);
    I.fill(Qt::transparent);
    QPainter P(&I);
    P.setRenderHint(QPainter::Antialiasing);
    const QColor Frame(96, 96, 96), Mark(0, 114, 198);
    P.setPen(QPen(Frame, 1));
    P.setBrush(Qt::white);
    if (Radio) {
        P.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        if (On) {
            P.setPen(Qt::NoPen);
            P.setBrush(Mark);
            P.drawEllipse(QRectF(4.5, 4.5, 7, 7));
        }
    } else {
        P.drawRect(QRectF(1.5, 1.5, 13, 13));
        if (On) {
            P.setPen(QPen(Mark, 2));
            P.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(7, 11), QPointF(12, 4.5)}));
        }
    }
    return I;
}
}

QImage Metro_Check_Glyph(bool Checked) { return Metro_Glyph(false, Checked); }
QImage Metro_Radio_Glyph(bool On) { return Metro_Glyph(true, On); }

void TControlLook::Reset()
{
    Color = clBlack;
    CommentColor = clRed;
    ProgressBorderColor = 0x808080;
    for (auto F : {&TFixedGradientColors::From, &TFixedGradientColors::To, &TFixedGradientColors::MirrorFrom,
                   &TFixedGradientColors::MirrorTo})
        FOwn.*F = clNone;
    // Hover: grey to white with a silver frame; pressed: grey to silver with a grey frame.
    Set_FixedGradientHoverFrom(0x808080);
    Set_FixedGradientHoverTo(clWhite);
    Set_FixedGradientHoverMirrorFrom(clNone);
    Set_FixedGradientHoverMirrorTo(clNone);
    Set_FixedGradientHoverBorder(0xC0C0C0);
    Set_FixedGradientDownFrom(0x808080);
    Set_FixedGradientDownTo(0xC0C0C0);
    Set_FixedGradientDownMirrorFrom(clNone);
    Set_FixedGradientDownMirrorTo(clNone);
    Set_FixedGradientDownBorder(0x808080);
}

void RIraRevadiVizo::Set_SelectionColorMixerFactor(int Value)
{
    Value = std::clamp(Value, 0, 100);
    if (Value == FSelectionColorMixerFactor)
        return;
    FSelectionColorMixerFactor = Value;
    Invalidate();
}

void RIraRevadiVizo::LookToString(TGridLook Look, QString &Name)
{
    static const char *const Names[] = {"Standard", "Soft", "Classic", "Qel", "Windows XP", "ListView",
                                        "Windows Vista", "Windows 7", "Office2007"};
    if (Look != glCustom)
        Name = QString::fromLatin1(Names[Look]);
}

void RIraRevadiVizo::LookToIdent(TGridLook Look, QString &Name)
{
    static const char *const Names[] = {"glStandard", "glSoft", "glClassic", "glQel", "glXP", "glListView",
                                        "glVista", "glWin7", "glOffice2007"};
    if (Look != glCustom)
        Name = QString::fromLatin1(Names[Look]);
}

void RIraRevadiVizo::Set_Look(TGridLook V)
{
    if (V == FLook)
        return;
    FLook = V;
    TControlLook &CL = FControlLook;
    if (V != glCustom) {
        CL.Set_FixedGradientFrom(clNone);
        CL.Set_FixedGradientTo(clNone);
        CL.Set_FixedGradientMirrorFrom(clNone);
        CL.Set_FixedGradientMirrorTo(clNone);
        FFixedGradient.From = FFixedGradient.To = FFixedGradient.MirrorFrom = FFixedGradient.MirrorTo = clNone;
        FSortSettings.Set_HeaderColor(clNone);
    }
    if (V == glVista) {
        SetStyle(gsWindowsVista);
        FComponentStyle = tsWindowsVista;
        Set_SelectionStyle(ssVista);
    } else if (V == glWin7) {
        SetStyle(gsWindows7);
        Set_SelectionStyle(ssWin7);
    } else if (V == glOffice2007) {
        SetStyle(gsOffice2007Luna);
        Set_SelectionStyle(ssOffice2007);
    } else if (V != glCustom) {
        Set_SelectionStyle(ssDefault);
        if (!FLoading) {
            if (V == glStandard || V == glSoft || V == glClassic) {
                Set_FixedColor(clBtnFace);
                CL.Set_FixedGradientFrom(clBtnFace);
                CL.Set_FixedGradientTo(clNone);
            } else {
                CL.Set_FixedGradientFrom(clWhite);
                CL.Set_FixedGradientTo(clBtnFace);
            }
            Set_GridFixedLineColor(0x808080);
            CL.Set_FixedGradientMirrorFrom(clNone);
            CL.Set_FixedGradientMirrorTo(clNone);
            Set_GridLineColor(0xC0C0C0);
        }
        if (V == glQel || V == glXP) {
            Set_ActiveCellColor(0xEACAB6);
            Set_ActiveCellColorTo(clNone);
            Set_SelectionColor(0xEACAB6);
            Set_SelectionColorTo(clNone);
            Set_SelectionTextColor(clBlack);
            FSearchFooterColor = FFixedGradient.From;
            FSearchFooterColorTo = FFixedGradient.To;
            CL.Set_FixedGradientFrom(clWhite);
            CL.Set_FixedGradientTo(V == glXP ? clBtnFace : 0xC0C0C0);
            CL.Set_FixedGradientHoverFrom(13619409);
            CL.Set_FixedGradientHoverTo(12502728);
            CL.Set_FixedGradientHoverMirrorFrom(12502728);
            CL.Set_FixedGradientHoverMirrorTo(11254975);
            CL.Set_FixedGradientDownFrom(8816520);
            CL.Set_FixedGradientDownTo(7568510);
            CL.Set_FixedGradientDownMirrorFrom(7568510);
            CL.Set_FixedGradientDownMirrorTo(6452086);
        } else {
            Set_ActiveCellColor(0x808080);
            Set_ActiveCellColorTo(clNone);
            Set_SelectionColor(clHighlight);
            Set_SelectionTextColor(clHighlightText);
            FSearchFooterColor = FSearchFooterColorTo = clBtnFace;
        }
    }
    Set_ScrollType(ssNormal);
    Set_BorderStyle(bsSingle);
    Set_BorderColor(0xB99D7F);
    InvalidateGrid();
}

namespace {
// One row of the style table. Keep: leave that group of values as it is.
struct TStylePreset {
    VOdeGridStyle Style;
    int Look;                 // -1: no look change
    bool KeepFixed;           // F/T/MF/MT unchanged (custom, terminal)
    TColor F, T, MF, MT;
    bool KeepMirrors;         // MF/MT unchanged (Office 2007 silver)
    bool KeepActive;
    TColor Active, ActiveTo;
    TColor Sel;               // clNone: the common start's selection colour stays
    bool KeepLines;
    TColor Lines, FixedLines;
    int Through;              // ControlLook From/To: 0 cleared, 1 := F/T, 2 untouched
    TColor FooterColor, FooterColorTo;   // explicit search footer values (clNone: none)
};

constexpr TColor N = clNone;
const TStylePreset Style_Table[] = {
    {gsOffice2003Blue, glXP, false, 16572875, 14722429, N, N, false, false, 9758459, 1414638, N, false, 12632256, 8421504, 1, 16572875, 14722429},
    {gsOffice2003Silver, glXP, false, 15524577, 11769496, N, N, false, false, 9758459, 1414638, N, false, 12632256, 8421504, 1, 15524577, 11769496},
    {gsOffice2003Olive, glXP, false, 13627626, 9224369, N, N, false, false, 9758459, 1414638, N, false, 12632256, 8421504, 1, 13627626, 9224369},
    {gsOffice2003Classic, glXP, false, clWhite, 13423832, N, N, false, false, 14210516, 14210516, N, false, 12632256, 8421504, 0, clWhite, 14210516},
    {gsOffice2007Luna, glOffice2007, false, 16513526, 15260626, N, N, false, false, 10344697, 6210033, 6210033, false, 15855083, 13745060, 1, 16773091, 16765615},
    {gsOffice2007Obsidian, glOffice2007, false, 16250871, 14606046, N, N, false, false, 10344697, 6210033, 6210033, false, 15062992, 8421504, 1, 15921648, 13222589},
    {gsWindowsXP, glXP, false, clBtnFace, clBtnFace, N, N, false, false, clBtnFace, clBtnFace, N, false, 12632256, 8421504, 0, clBtnFace, clBtnFace},
    {gsWhidbey, -1, false, clWhite, clBtnFace, N, N, false, false, 9758459, 1414638, N, false, 12632256, 8421504, 0, 15462127, 8296600},
    {gsCustom, -1, true, N, N, N, N, true, true, N, N, N, true, N, N, 2, N, N},
    {gsOffice2007Silver, glOffice2007, false, 15987697, 13289928, N, N, true, false, 10079487, 6921471, 9816053, false, 15062992, 8421504, 1, 15658734, 12698049},
    {gsWindowsVista, glVista, false, clWhite, clWhite, 16447735, 16052977, false, false, 16644337, 16576469, 15387318, false, 15527152, 13947601, 0, N, N},
    {gsWindows7, glWin7, false, 16645370, 16445670, 16049884, 16247261, false, false, 16575452, 16571329, 15387318, false, 15527152, 13947601, 0, N, N},
    {gsTerminal, glStandard, true, N, N, N, N, true, true, N, N, N, true, N, N, 2, N, N},
    {gsOffice2010Blue, glOffice2007, false, 16115674, 16115674, 16115674, 16115674, false, false, 6018559, 7467007, 16767927, false, 12632256, 13086880, 2, N, N},
    {gsOffice2010Silver, glOffice2007, false, 15262687, 15262687, 15262687, 15262687, false, false, 6018559, 7467007, 16767927, false, 12632256, 12236209, 2, N, N},
    {gsOffice2010Black, glOffice2007, false, 6974058, 6974058, 6974058, 6974058, false, false, 6018559, 7467007, 16767927, false, 12632256, 4473924, 2, N, N},
};
}

void RIraRevadiVizo::SetStyle(VOdeGridStyle AStyle)
{
    // Common start.
    Set_SelectionColor(clHighlight);
    Set_SelectionColorTo(clNone);
    Set_SelectionTextColor(clHighlightText);
    Set_SelectionStyle(ssDefault);
    FSortSettings.Set_HeaderColors(clNone, clNone, clNone, clNone);
    FControlLook.Reset();
    // A style starts its fixed-cell hover and pressed faces the other way
    // round from a new control look: hover white to grey, pressed silver to
    // grey (the borders stay). Styles with faces of their own set them below.
    FControlLook.Set_FixedGradientHoverFrom(clWhite);
    FControlLook.Set_FixedGradientHoverTo(0x808080);
    FControlLook.Set_FixedGradientDownFrom(0xC0C0C0);
    FControlLook.Set_FixedGradientDownTo(0x808080);

    const TStylePreset *P = nullptr;
    for (const TStylePreset &S : Style_Table)
        if (S.Style == AStyle)
            P = &S;
    if (!P)
        return;
    if (P->Look >= 0)
        Set_Look(static_cast<TGridLook>(P->Look));
    if (AStyle == gsTerminal || AStyle == gsCustom) {
        InvalidateGrid();
        return;
    }
    TControlLook &CL = FControlLook;
    const bool Office2010 = AStyle == gsOffice2010Blue || AStyle == gsOffice2010Silver || AStyle == gsOffice2010Black;
    const bool Office2003 = AStyle <= gsOffice2003Olive;
    FFixedGradient.From = P->F;
    FFixedGradient.To = P->T;
    if (!P->KeepMirrors) {
        FFixedGradient.MirrorFrom = P->MF;
        FFixedGradient.MirrorTo = P->MT;
    }
    Set_ActiveCellColor(P->Active);
    Set_ActiveCellColorTo(P->ActiveTo);
    if (Office2003) {
        // written directly, without a repaint of their own
        Set_SelectionColor(9758459);
        Set_SelectionColorTo(1414638);
        Set_SelectionTextColor(clBlack);
    } else if (P->Sel != clNone) {
        Set_SelectionColor(P->Sel);
        Set_SelectionTextColor(clBlack);
    }
    Set_GridLineColor(P->Lines);
    Set_GridFixedLineColor(P->FixedLines);
    if (P->Through == 1) {
        CL.Set_FixedGradientFrom(P->F);
        CL.Set_FixedGradientTo(P->T);
    } else if (P->Through == 0) {
        CL.Set_FixedGradientFrom(clNone);
        CL.Set_FixedGradientTo(clNone);
    }
    auto Hover = [&](TColor F, TColor T, TColor MF, TColor MT, TColor B) {
        CL.Set_FixedGradientHoverFrom(F);
        CL.Set_FixedGradientHoverTo(T);
        CL.Set_FixedGradientHoverMirrorFrom(MF);
        CL.Set_FixedGradientHoverMirrorTo(MT);
        CL.Set_FixedGradientHoverBorder(B);
    };
    auto Down = [&](TColor F, TColor T, TColor MF, TColor MT, TColor B) {
        CL.Set_FixedGradientDownFrom(F);
        CL.Set_FixedGradientDownTo(T);
        CL.Set_FixedGradientDownMirrorFrom(MF);
        CL.Set_FixedGradientDownMirrorTo(MT);
        CL.Set_FixedGradientDownBorder(B);
    };
    auto Sort_Headers = [&](TColor C, TColor CT, TColor M, TColor MT) {
        FSortSettings.Set_HeaderColors(C, CT, M, MT);
    };
    switch (AStyle) {
    case gsOffice2007Luna:
        Hover(15000287, 14406605, 14406605, 13813180, 12033927);
        Down(14991773, 14991773, 14991773, 14991773, 14991773);
        if (FLook == glOffice2007)
            Set_SelectionStyle(ssOffice2007);
        break;
    case gsWindowsVista:
        Hover(16775139, 16775139, 16772541, 16508855, 14928275);
        Down(16377020, 16377020, 16242317, 16109962, 11440207);
        Sort_Headers(16579058, 16579058, 16380385, 16182488);
        CL.Set_FixedGradientMirrorFrom(P->MF);
        CL.Set_FixedGradientMirrorTo(P->MT);
        Set_SelectionStyle(ssVista);
        break;
    case gsWindows7:
        Hover(16710648, 16446189, 16049367, 15258305, 15657187);
        Down(15853789, 15852760, 15522767, 15588559, 14007466);
        Sort_Headers(16579058, 16579058, 16380385, 16182488);
        Set_SelectionStyle(ssWin7);
        break;
    default:
        break;
    }
    if (Office2010) {
        FFixedGradient.HoverFrom = FFixedGradient.HoverTo = clNone;
        FFixedGradient.HoverMirrorFrom = FFixedGradient.HoverMirrorTo = FFixedGradient.HoverBorder = clNone;
        CL.Set_FixedGradientFrom(P->F);
        CL.Set_FixedGradientTo(P->T);
        CL.Set_FixedGradientMirrorFrom(P->MF);
        CL.Set_FixedGradientMirrorTo(P->MT);
        Hover(7069695, 11530239, 11530239, 15138047, 3850216);
        Down(6018559, 6611199, 6611199, 7467007, 3181250);
        // cleared afterwards: the effective colours keep what was written
        CL.Set_FixedGradientFrom(clNone);
        CL.Set_FixedGradientTo(clNone);
        Set_SelectionStyle(ssDefault);
        const TColor SH = AStyle == gsOffice2010Blue ? 14077639 : AStyle == gsOffice2010Silver ? 11184810 : 12237498;
        Sort_Headers(SH, SH, SH, SH);
    }
    if (P->FooterColor != clNone) {
        FSearchFooterColor = P->FooterColor;
        FSearchFooterColorTo = P->FooterColorTo;
    }
    FSearchFooterColor = FFixedGradient.From;
    FSearchFooterColorTo = FFixedGradient.MirrorTo;
    InvalidateGrid();
}

void RIraRevadiVizo::SetComponentStyle(TQelStyle AStyle)
{
    FComponentStyle = AStyle;
    SetStyle(static_cast<VOdeGridStyle>(AStyle));
    if (AStyle != tsCustom && ScrollType() == ssMetro)
        Set_ScrollType(ssNormal);
}

void RIraRevadiVizo::SetColorTones(const TColorTones &ATones)
{
    FColorTones = ATones;
    Set_Look(glClassic);
    Set_Flat(true);
    Set_ScrollType(ssMetro);
    Set_FixedColor(ATones.Foreground.BrushColor);
    TFont FF = FixedFont();
    FF.Color = ATones.Foreground.TextColor;
    FF.Name = GetDefaultFontName();
    Set_FixedFont(FF);
    TFont F = Font();
    F.Name = GetDefaultFontName();
    F.Color = ATones.Background.TextColor;
    Set_Font(F);
    Set_Color(ATones.Background.BrushColor);
    Set_SelectionColor(ATones.Selected.BrushColor);
    Set_SelectionTextColor(ATones.Selected.TextColor);
    Set_SelectionColorTo(clNone);
    Set_GridLineColor(15132390);
    Set_GridFixedLineColor(ScaleColorPercent(ATones.Foreground.BrushColor, -20));
    Set_BorderStyle(bsNone);
    FControlLook.ControlStyle = csGlyph;
    FControlLook.CheckedGlyph = Metro_Check_Glyph(true);
    FControlLook.UnCheckedGlyph = Metro_Check_Glyph(false);
    FControlLook.RadioOnGlyph = Metro_Radio_Glyph(true);
    FControlLook.RadioOffGlyph = Metro_Radio_Glyph(false);
    // the in-place editors' buttons in the tones
    auto Buttons = [&](auto *E) {
        E->ButtonColor = ATones.Background.BrushColor;
        E->ButtonColorHot = ATones.Hover.BrushColor;
        E->ButtonColorDown = ATones.Selected.BrushColor;
        E->ButtonBorderColor = ATones.Background.BorderColor;
    };
    Buttons(BtnEdit()->Button());
    Buttons(SpinEdit()->Button());
    Buttons(Combobox());
    Buttons(DateTimePicker());
    Combobox()->Set_BorderColor(Color());
    Combobox()->Set_Flat(true);
    DateTimePicker()->Set_BorderColor(ATones.Background.BrushColor);
    DateTimePicker()->Set_MetroStyle(true);
    FControlLook.FlatButton = true;
    FloatingFooter().Color = ATones.Foreground.BrushColor;
    FSearchFooterColor = FSearchFooterColorTo = ATones.Foreground.BrushColor;
    CellNode().Set_NodeType(cnFlat);
    InvalidateGrid();
}

void RIraRevadiVizo::SetTheme(TXPColorScheme Scheme)
{
    TControlLook &CL = FControlLook;
    if (Scheme == xpNone) {
        Set_ActiveCellColor(clWhite);
        Set_ActiveCellColorTo(16767411);
        FFixedGradient.From = clWhite;
        FFixedGradient.To = clBtnFace;
        FFixedGradient.MirrorFrom = FFixedGradient.MirrorTo = clNone;
        CL.Set_FixedGradientFrom(clNone);
        CL.Set_FixedGradientTo(clNone);
        FSearchFooterColor = clWhite;
        FSearchFooterColorTo = 16767411;
        return;
    }
    struct TScheme { TColor F, T, MF, MT; };
    static const TScheme Schemes[] = {{16572875, 14722429, clNone, clNone},
                                      {13627626, 9224369, clNone, clNone},
                                      {15524577, 11769496, clNone, clNone},
                                      {clWhite, clWhite, 16447735, 16052977}};
    const TScheme &S = Schemes[Scheme];
    FFixedGradient.From = S.F;
    FFixedGradient.To = S.T;
    FFixedGradient.MirrorFrom = S.MF;
    FFixedGradient.MirrorTo = S.MT;
    Set_ActiveCellColor(9758459);
    Set_ActiveCellColorTo(1414638);
    CL.Set_FixedGradientFrom(S.F);
    CL.Set_FixedGradientTo(S.T);
    FSearchFooterColor = Scheme == vistaAero ? 15524577 : S.F;
    FSearchFooterColorTo = Scheme == vistaAero ? 11769496 : S.T;
}

void RIraRevadiVizo::ThemeAdapt()
{
    if (FDesigning)
        return;
    const TOfficeTheme T = GetOfficeTheme();
    if (FThemeAdapted && T == FLastTheme)
        return;
    static const TQelStyle Map[] = {tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
                                    tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,
                                    tsOffice2010Silver, tsOffice2010Black};
    if (T != otUnknown)
        SetComponentStyle(Map[T]);
    FLastTheme = T;
    FThemeAdapted = true;
}

void RIraRevadiVizo::AdaptToVisualStyle()
{
    // The grid draws its own cells; no platform visual style paints them.
    FVisualStyle = false;
}

void RIraRevadiVizo::Set_HighlightColor(TColor Value)
{
    if (Value == FHighlightColor)
        return;
    FHighlightColor = Value;
    SetHTMLHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void RIraRevadiVizo::Set_HighlightTextColor(TColor Value)
{
    if (Value == FHighlightTextColor)
        return;
    FHighlightTextColor = Value;
    SetHTMLHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void RIraRevadiVizo::Set_AutoThemeAdapt(bool Value)
{
    if (Value == FAutoThemeAdapt)
        return;
    FAutoThemeAdapt = Value;
    SearchFooter().Set_AutoThemeAdapt(Value);
    if (Value) {
        ThemeAdapt();
        InvalidateGrid();
    }
    // The theme notifier tells the registered windows of a changed office
    // theme; a window that does not exist yet registers once it is created.
    Register_Theme_Window();
}

void RIraRevadiVizo::Register_Theme_Window()
{
    if (FDesigning || IsLoading() || !testAttribute(Qt::WA_WState_Created))
        return;
    if (FAutoThemeAdapt)
        GetThemeNotifier(window())->RegisterWindow(this);
    else if (TThemeNotifier *N = Current_Theme_Notifier())
        N->UnRegisterWindow(this);
}

void RIraRevadiVizo::Set_Hovered_Fixed_Cell(int ACol, int ARow, bool Down)
{
    const TPoint Old = FHoverFixed;
    if (Old == TPoint(ACol, ARow) && Down == FHoverFixedDown)
        return;
    FHoverFixed = {ACol, ARow};
    FHoverFixedDown = Down;
    if (Old.X >= 0 && Old.Y >= 0)
        RepaintCell(Old.X, Old.Y);
    if (ACol >= 0 && ARow >= 0)
        RepaintCell(ACol, ARow);
}
