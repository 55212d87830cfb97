#include "dropdowns/DropDownStyles.h"

// --- selection colours -------------------------------------------------------------

std::optional<TSelectionPair> Selection_Style_Colors(TSelectionColorStyle Style)
{
    switch (Style) {
    case scOffice2007: return TSelectionPair{0xD7FFFD, 0x58D4FC};
    case scWindowsVista: return TSelectionPair{0xFDF8F1, 0xFCEFD5};
    case scWindows7: return TSelectionPair{0xFCEBDC, 0xFCDBC1};
    case scCustom: break;
    }
    return std::nullopt;
}

std::array<TColor, 6> Selection_Frame_Colors(TSelectionColorStyle Style)
{
    switch (Style) {
    case scOffice2007: return {0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC};
    case scWindowsVista: return {0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
    case scWindows7: return {0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
    case scCustom: break;
    }
    return {clNone, clNone, clNone, clNone, clNone, clNone};
}

// --- component styles ------------------------------------------------------------------

namespace {
// The hot, pressed, disabled and latched faces the office styles share.
TButtonStyleColors Office_Button(TColor Color, TColor ColorTo)
{
    TButtonStyleColors B;
    B.Color = Color;
    B.ColorTo = ColorTo;
    B.BorderColor = clNone;
    B.ColorHot = 0xEBFDFF;
    B.ColorHotTo = 0xACECFF;
    B.BorderColorHot = 0x99CEDB;
    B.ColorDown = 0xAAD9FF;
    B.ColorDownTo = 0x6EBBFF;
    B.BorderColorDown = 0x42AEFE;
    B.ColorDisabled = 0xF2F2F2;
    B.ColorDisabledTo = 0xB6B6B6;
    B.ColorChecked = 0x76AFF1;
    B.ColorCheckedTo = 0x4190F3;
    B.BorderColorChecked = 0x45667B;
    return B;
}

// A gradient office style: the popup and both bars run from Light to Dark,
// the popup border is not painted.
TDropDownStyleColors Office(TColor PopupFrom, TColor PopupTo, TBarStyleColors Bar, TColor ButtonFrom,
                            TColor ButtonTo)
{
    TDropDownStyleColors S;
    S.DropDownColor = PopupFrom;
    S.DropDownColorTo = PopupTo;
    S.DropDownBorderColor = clNone;
    S.Header = S.Footer = Bar;
    S.Button = Office_Button(ButtonFrom, ButtonTo);
    return S;
}

TButtonStyleColors Button_Set(std::array<TColor, 14> V)
{
    return {V[0], V[1], V[2], V[3], V[4], V[5], V[6], V[7], V[8], V[9], V[10], V[11], V[12], V[13]};
}

// The three office 2010 styles: one pattern, the footer running the other way.
TDropDownStyleColors Office2010(TColor Light, TColor Dark, TColor Text, TColor Border)
{
    TDropDownStyleColors S;
    S.DropDownColor = Light;
    S.DropDownColorTo = Dark;
    S.DropDownBorderColor = clNone;
    S.Header = {Light, Dark, Text, Border};
    S.Footer = {Dark, Light, Text, Border};
    S.Button = Button_Set({Light, Dark, clNone, 0xD9F9FD, 0x8AE3FD, 0x58CAF1, 0x6CD0FF, 0x7BEEFF, 0x2CA2E8,
                           0xF2F2F2, 0xB6B6B6, 0x7BEEFF, 0x6CD0FF, 0x308AC2});
    return S;
}
} // namespace

std::optional<TDropDownStyleColors> DropDown_Style_Colors(TQelStyle Style)
{
    TDropDownStyleColors S;
    switch (Style) {
    case tsCustom: return std::nullopt;
    case tsOffice2007Luna:
        return Office(0xF3E5DA, 0xF0DED0, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}, 0xFFEFE3, 0xFFDDC4);
    case tsOffice2003Blue:
        return Office(0xFCE1CB, 0xE0A57D, {0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00}, 0xFDEADA, 0xE4AE88);
    case tsOffice2003Silver:
        return Office(0xECE2E1, 0xB39698, {0xECE2E1, 0xB39698, 0x000000, 0x947C7C}, 0xECE2E1, 0xB39698);
    case tsOffice2003Olive:
        return Office(0xCFF0EA, 0x8CC0B1, {0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060}, 0xCFF0EA, 0x8CC0B1);
    case tsOffice2007Obsidian:
        return Office(0xF2F1F0, 0xC9C2BD, {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C}, 0xF2F1F0, 0xE4E2DF);
    case tsWhidbey:
        return Office(0xF5F9FA, 0xA8C0C0, {0xF5F9FA, 0xA8C0C0, 0x000000, 0x962D00}, 0xF5F9FA, 0xA8C0C0);
    case tsOffice2007Silver:
        return Office(0xF8F7F6, 0xE8E0DB, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}, 0xF8F7F6, 0xE8E0DB);
    case tsOffice2003Classic:
        S.DropDownColor = 0xFFFFFF;
        S.DropDownColorTo = clNone;
        S.DropDownBorderColor = 0x808080;
        S.Header = S.Footer = {0xD8D5D4, clNone, 0x000000, 0x808080};
        S.Button = Button_Set({0xD8D5D4, clNone, clNone, 0xD2BDB6, clNone, 0x6A240A, 0xB59285, clNone, 0x6A240A,
                               0xD8D5D4, clNone, 0xD8D5D4, clNone, 0x808080});
        return S;
    case tsWindowsXP:
        S.DropDownColor = 0xFFFFFF;
        S.DropDownColorTo = clNone;
        S.DropDownBorderColor = 0xB99D7F;
        S.Header = S.Footer = {0xFCFCFC, 0xE5E5E5, 0x000000, 0xB99D7F};
        S.Button = Button_Set({0xFCFCFC, 0xE5E5E5, clNone, 0xEFD3C6, 0xEFD3C6, 0xC66931, 0xB59284, 0xB59284,
                               0x6B2408, 0xF2F2F2, 0xB6B6B6, 0xB59284, 0xB59284, 0x6B2408});
        return S;
    case tsWindowsVista:
        S.DropDownColor = 0xFFFDF9;
        S.DropDownColorTo = 0xFFFAF0;
        S.DropDownBorderColor = clNone;
        S.Header = S.Footer = {0xFDF8F1, 0xFCEFD5, 0x000000, 0xFDDE99};
        S.Button = Button_Set({0xFDF8F1, 0xFCEFD5, 0xFDDE99, 0xFFFAF0, 0xFEF0D4, 0xFCEDCB, 0xFEF9F0, 0xFDF0D7,
                               0xFEDF9A, 0xF2F2F2, 0xB6B6B6, 0xFDF8F1, 0xFCEFD5, 0xFDDE99});
        return S;
    case tsWindows7:
        S.DropDownColor = 0xFCF8F4;
        S.DropDownColorTo = 0xFCEBDC;
        S.DropDownBorderColor = clNone;
        S.Header = S.Footer = {0xFCEBDC, 0xFCDBC1, 0x000000, 0xCEA27D};
        S.Button = Button_Set({0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1,
                               0xCEA27D, 0xF2F2F2, 0xB6B6B6, 0xFCEBDC, 0xFCDBC1, 0xCEA27D});
        return S;
    case tsTerminal:
        S.DropDownColor = 0xFFFFFF;
        S.DropDownColorTo = clNone;
        S.DropDownBorderColor = 0x808080;
        S.Header = S.Footer = {0xC0C0C0, clNone, 0x000000, 0x808080};
        S.Button = Button_Set({0xC0C0C0, clNone, 0x808080, 0xE0E0E0, clNone, 0x808080, 0x808080, clNone,
                               0x000000, 0xC0C0C0, clNone, 0xA0A0A0, clNone, 0x000000});
        return S;
    case tsOffice2010Blue: return Office2010(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F);
    case tsOffice2010Silver: return Office2010(0xFFFFFF, 0xEDE5E0, 0x5D5D5D, 0xD2CDC8);
    case tsOffice2010Black: return Office2010(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D);
    }
    return std::nullopt;
}

std::optional<TItemStyleColors> Item_Appearance_Style_Colors(TQelStyle Style)
{
    if (Style == tsCustom)
        return std::nullopt;
    TItemStyleColors C;
    C.BorderColorHot = C.BorderColorSelected = clNone;
    C.ColorHotText = C.ColorSelectedText = 0x000000;
    auto Hot_Selected = [&C](std::array<TColor, 8> V, TColor Border) {
        C.ColorHot = V[0];
        C.ColorHotTo = V[1];
        C.ColorMirrorHot = V[2];
        C.ColorMirrorHotTo = V[3];
        C.ColorSelected = V[4];
        C.ColorSelectedTo = V[5];
        C.ColorMirrorSelected = V[6];
        C.ColorMirrorSelectedTo = V[7];
        C.BorderColor = Border;
    };
    auto Edges = [&C](TColor Top, TColor Bottom, TColor Edge) {
        C.BorderColorTop = Top;
        C.BorderColorBottom = Bottom;
        C.EdgeColor = Edge;
    };
    switch (Style) {
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
        Edges(0xF4FEFF, 0xCAF8FF, 0xC3D9DF);
        [[fallthrough]];
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
        Hot_Selected({0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE}, 0x42AEFE);
        break;
    case tsOffice2003Classic:
        Hot_Selected({0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone}, 0x6A240A);
        break;
    case tsWindowsXP:
        Hot_Selected({0xEFD3C6, 0xEFD3C6, clNone, clNone, 0xC66931, 0xC66931, clNone, clNone}, 0xC66931);
        C.ColorSelectedText = 0xFFFFFF;
        break;
    case tsWindowsVista:
        Edges(0xFDFBF6, 0xFDF5E7, 0xFCEDCB);
        Hot_Selected({0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFAEEDE, 0xFAE3B4, clNone, clNone}, 0xFDDE99);
        break;
    case tsWindows7:
        Edges(0xFDF4EB, 0xFDEADB, 0xE0C5AE);
        Hot_Selected({0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xF9D8B9, 0xFBCAA2, clNone, clNone}, 0xCEA27D);
        break;
    case tsTerminal:
        Hot_Selected({0xC0C0C0, clNone, clNone, clNone, 0x800000, clNone, clNone, clNone}, 0x808080);
        C.ColorSelectedText = 0xFFFFFF;
        break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        Hot_Selected({0xD9F9FD, 0x8AE3FD, clNone, clNone, 0x6CD0FF, 0x7BEEFF, clNone, clNone}, 0x308AC2);
        break;
    case tsCustom: break;
    }
    return C;
}

void Apply_Bar_Style(TBarAppearance &Bar, const TBarStyleColors &C)
{
    Bar.Set_Color(C.Color);
    Bar.Set_ColorTo(C.ColorTo);
    TFont F = Bar.Font();
    F.Color = C.FontColor;
    Bar.Set_Font(F);
    Bar.Set_BorderColor(C.BorderColor);
}

// --- the edit's border -----------------------------------------------------------------

bool Border_Wanted(const TBorderState &S)
{
    if (S.DesignTime)
        return false;
    if (S.BorderColor != clNone || S.FocusBorderColor != clNone)
        return true;
    // A disabled edit only for its grey frame; the flat look follows the
    // pointer, so only an enabled edit has it.
    return S.Enabled ? S.Flat : S.DisabledBorder;
}

TBorderPlan Control_Border_Plan(const TBorderState &S)
{
    if (S.DesignTime)
        return {};
    if (!S.Enabled && S.Themed && S.DisabledBorder)
        return {bkFrame, 0xC0C0C0};
    if (S.BorderColor != clNone && (!S.Focused || S.FocusBorderColor == clNone))
        return {bkFrame, S.BorderColor};
    if (S.FocusBorderColor != clNone)
        return S.Focused ? TBorderPlan{bkFrame, S.FocusBorderColor} : TBorderPlan{};
    return S.Hot ? TBorderPlan{bkFlatHot, clBtnFace} : TBorderPlan{bkFlatCold, S.ParentColor};
}
