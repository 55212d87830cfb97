// Looks and style presets: each preset's colours, the look changes they
// imply, colour tones, the XP colour schemes, the clamped mixer factor and
// following the office suite's theme.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Registry.h"
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
struct TPresetWant {
    TColor From, To, MirrorFrom, MirrorTo;
    TColor Active, ActiveTo;
    TColor Selection, SelectionTo;
    TColor Lines, FixedLines;
};
}

TEST(StringGridLooks, StylePresets)
{
    constexpr TColor N = clNone;
    struct TCase { const char *Name; VOdeGridStyle Style; TGridLook Look; TPresetWant W; };
    const TCase Cases[] = {
        {"Office2003Blue", gsOffice2003Blue, glXP, {16572875, 14722429, N, N, 9758459, 1414638, 9758459, 1414638, 12632256, 8421504}},
        {"Office2003Olive", gsOffice2003Olive, glXP, {13627626, 9224369, N, N, 9758459, 1414638, 9758459, 1414638, 12632256, 8421504}},
        {"Office2003Classic", gsOffice2003Classic, glXP, {clWhite, 13423832, N, N, 14210516, 14210516, clHighlight, N, 12632256, 8421504}},
        {"Office2007Luna", gsOffice2007Luna, glOffice2007, {16513526, 15260626, N, N, 10344697, 6210033, 6210033, N, 15855083, 13745060}},
        {"Office2007Obsidian", gsOffice2007Obsidian, glOffice2007, {16250871, 14606046, N, N, 10344697, 6210033, 6210033, N, 15062992, 8421504}},
        {"WindowsXP", gsWindowsXP, glXP, {clBtnFace, clBtnFace, N, N, clBtnFace, clBtnFace, clHighlight, N, 12632256, 8421504}},
        {"WindowsVista", gsWindowsVista, glVista, {clWhite, clWhite, 16447735, 16052977, 16644337, 16576469, 15387318, N, 15527152, 13947601}},
        {"Windows7", gsWindows7, glWin7, {16645370, 16445670, 16049884, 16247261, 16575452, 16571329, 15387318, N, 15527152, 13947601}},
        {"Office2010Blue", gsOffice2010Blue, glOffice2007, {16115674, 16115674, 16115674, 16115674, 6018559, 7467007, 16767927, N, 12632256, 13086880}},
        {"Office2010Black", gsOffice2010Black, glOffice2007, {6974058, 6974058, 6974058, 6974058, 6018559, 7467007, 16767927, N, 12632256, 4473924}},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        RIraRevadiVizo G;
        G.SetStyle(K.Style);
        const TFixedGradientColors &F = G.FixedGradient();
        EXPECT_EQ(G.Look(), K.Look);
        EXPECT_EQ(F.From, K.W.From);
        EXPECT_EQ(F.To, K.W.To);
        EXPECT_EQ(F.MirrorFrom, K.W.MirrorFrom);
        EXPECT_EQ(F.MirrorTo, K.W.MirrorTo);
        EXPECT_EQ(G.ActiveCellColor(), K.W.Active);
        EXPECT_EQ(G.ActiveCellColorTo(), K.W.ActiveTo);
        EXPECT_EQ(G.SelectionColor(), K.W.Selection);
        EXPECT_EQ(G.SelectionColorTo(), K.W.SelectionTo);
        EXPECT_EQ(G.GridLineColor(), K.W.Lines);
        EXPECT_EQ(G.GridFixedLineColor(), K.W.FixedLines);
        // the search footer takes the face's start and mirror end
        EXPECT_EQ(G.SearchFooterColor(), K.W.From);
        EXPECT_EQ(G.SearchFooterColorTo(), K.W.MirrorTo);
    }
}

// The fixed cells' hover and pressed faces: a new control look starts grey
// to white (hover) and grey to silver (pressed); a style without faces of its
// own turns them round, white to grey and silver to grey.
TEST(StringGridLooks, HoverAndPressedFacesOfNewLookAndStyle)
{
    struct TCase { const char *Name; bool Style; VOdeGridStyle S; TColor HoverFrom, HoverTo, DownFrom, DownTo; };
    const TCase Cases[] = {
        {"NewControlLook", false, gsWindowsXP, 0x808080, clWhite, 0x808080, 0xC0C0C0},
        {"WindowsXPStyle", true, gsWindowsXP, clWhite, 0x808080, 0xC0C0C0, 0x808080},
        {"TerminalStyle", true, gsTerminal, clWhite, 0x808080, 0xC0C0C0, 0x808080},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        RIraRevadiVizo G;
        if (K.Style)
            G.SetStyle(K.S);
        const TFixedGradientColors &L = G.ControlLook().Fixed();
        EXPECT_EQ(L.HoverFrom, K.HoverFrom);
        EXPECT_EQ(L.HoverTo, K.HoverTo);
        EXPECT_EQ(L.HoverBorder, 0xC0C0C0);
        EXPECT_EQ(L.DownFrom, K.DownFrom);
        EXPECT_EQ(L.DownTo, K.DownTo);
        EXPECT_EQ(L.DownBorder, 0x808080);
        // the grid paints with what the control look holds
        EXPECT_EQ(G.FixedGradient().HoverFrom, K.HoverFrom);
        EXPECT_EQ(G.FixedGradient().DownTo, K.DownTo);
    }
}

TEST(StringGridLooks, StyleDetails)
{
    {
        SCOPED_TRACE("Office2010 from another look ends with its own values");
        RIraRevadiVizo G;
        G.SetStyle(gsOffice2010Blue);
        EXPECT_EQ(G.SelectionStyle(), ssDefault);
        EXPECT_EQ(G.FixedGradient().HoverFrom, 7069695);
        EXPECT_EQ(G.FixedGradient().DownBorder, 3181250);
        EXPECT_EQ(G.SortSettings().HeaderColor(), 14077639);
        EXPECT_EQ(G.ControlLook().Fixed().From, clNone);
    }
    {
        SCOPED_TRACE("Office2007 silver keeps the mirror colours in force");
        RIraRevadiVizo G;
        G.SetStyle(gsWindows7);
        G.SetStyle(gsOffice2007Silver);
        EXPECT_EQ(G.FixedGradient().From, 15987697);
        EXPECT_EQ(G.SelectionColor(), 9816053);
    }
    {
        SCOPED_TRACE("Vista sort headers and selection style");
        RIraRevadiVizo G;
        G.SetStyle(gsWindowsVista);
        EXPECT_EQ(G.SelectionStyle(), ssVista);
        EXPECT_EQ(G.SortSettings().HeaderMirrorColorTo(), 16182488);
        EXPECT_EQ(G.FixedGradient().HoverBorder, 14928275);
    }
    {
        SCOPED_TRACE("Custom style changes only the common start");
        RIraRevadiVizo G;
        G.Set_GridLineColor(clRed);
        G.SetStyle(gsCustom);
        EXPECT_EQ(G.GridLineColor(), clRed);
        EXPECT_EQ(G.SelectionColor(), clHighlight);
    }
    {
        SCOPED_TRACE("Component style passes the ordinal and leaves the metro bars only for custom");
        RIraRevadiVizo G;
        G.Set_ScrollType(ssMetro);
        G.SetComponentStyle(tsCustom);
        EXPECT_EQ(G.ScrollType(), ssMetro);
        G.SetComponentStyle(tsOffice2003Silver);
        EXPECT_EQ(G.ScrollType(), ssNormal);
        EXPECT_EQ(G.FixedGradient().From, 15524577);
    }
    {
        SCOPED_TRACE("The metro scroll controls are made once, where missing");
        RIraRevadiVizo G;
        EXPECT_EQ(G.VertScrollControl(), nullptr);
        G.CreateMetroScrollBars();
        auto *V = G.VertScrollControl();
        ASSERT_NE(V, nullptr);
        ASSERT_NE(G.HorzScrollControl(), nullptr);
        G.CreateMetroScrollBars();
        EXPECT_EQ(G.VertScrollControl(), V);
    }
}

TEST(StringGridLooks, LookChanges)
{
    RIraRevadiVizo G;
    // setting the look it has changes nothing, not even the border colour
    G.Set_BorderColor(clRed);
    G.Set_Look(glXP);
    EXPECT_EQ(G.BorderColor(), clRed);
    G.Set_Look(glStandard);
    EXPECT_EQ(G.BorderColor(), 0xB99D7F);
    EXPECT_EQ(G.SelectionColor(), clHighlight);
    EXPECT_EQ(G.ActiveCellColor(), 0x808080);
    EXPECT_EQ(G.FixedGradient().From, clBtnFace);
    G.Set_Look(glQel);
    EXPECT_EQ(G.SelectionColor(), 0xEACAB6);
    EXPECT_EQ(G.FixedGradient().To, 0xC0C0C0);
    EXPECT_EQ(G.FixedGradient().DownMirrorTo, 6452086);
    G.Set_Look(glOffice2007);
    EXPECT_EQ(G.SelectionStyle(), ssOffice2007);
    EXPECT_EQ(G.FixedGradient().From, 16513526);
    QString Name = QStringLiteral("keep");
    RIraRevadiVizo::LookToString(glCustom, Name);
    EXPECT_EQ(Name, QStringLiteral("keep"));
    RIraRevadiVizo::LookToString(glXP, Name);
    EXPECT_EQ(Name, QStringLiteral("Windows XP"));
    RIraRevadiVizo::LookToIdent(glWin7, Name);
    EXPECT_EQ(Name, QStringLiteral("glWin7"));
}

TEST(StringGridLooks, TonesThemesAndMixer)
{
    RIraRevadiVizo G;
    struct TMix { int In, Want; };
    for (const TMix M : {TMix{150, 100}, TMix{-5, 0}, TMix{30, 30}}) {
        G.Set_SelectionColorMixerFactor(M.In);
        EXPECT_EQ(G.SelectionColorMixerFactor(), M.Want) << M.In;
    }
    TColorTones T;
    T.Background = {clWhite, clSilver, clBlack};
    T.Foreground = {RGB_Color(100, 100, 200), clNone, clWhite};
    T.Selected = {clNavy, clNone, clYellow};
    G.SetColorTones(T);
    EXPECT_EQ(G.Look(), glClassic);
    EXPECT_TRUE(G.Flat());
    EXPECT_EQ(G.FixedColor(), RGB_Color(100, 100, 200));
    EXPECT_EQ(G.GridFixedLineColor(), RGB_Color(80, 80, 160));
    EXPECT_EQ(G.SelectionTextColor(), clYellow);
    EXPECT_EQ(G.ControlLook().ControlStyle, csGlyph);
    EXPECT_EQ(G.BorderStyle(), bsNone);

    struct TTheme { const char *Name; TXPColorScheme S; TColor F, T, Active; };
    const TTheme Themes[] = {
        {"Blue", xpBlue, 16572875, 14722429, 9758459},
        {"Gray", xpGray, 15524577, 11769496, 9758459},
        {"None", xpNone, clWhite, clBtnFace, clWhite},
    };
    for (const TTheme &K : Themes) {
        SCOPED_TRACE(K.Name);
        G.SetTheme(K.S);
        EXPECT_EQ(G.FixedGradient().From, K.F);
        EXPECT_EQ(G.FixedGradient().To, K.T);
        EXPECT_EQ(G.ActiveCellColor(), K.Active);
    }
}

// Only a header the hover setting covers takes the hover face.
TEST(StringGridLooks, HoverFaceOfFixedCells)
{
    struct TCase { const char *Name; THoverFixedCells Mode; int Col, Row; bool Down; bool WantHover; };
    const TCase Cases[] = {
        {"AllRow", hfAll, 2, 0, false, true},
        {"AllPressed", hfAll, 2, 0, true, true},
        {"RowsOnlyColumnHeader", hfFixedRows, 0, 2, false, false},
        {"ColumnsOnly", hfFixedColumns, 0, 2, false, true},
        {"None", hfNone, 2, 0, false, false},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        RIraRevadiVizo G;
        G.resize(400, 200);
        G.SetStyle(gsWindows7);
        G.Set_HoverFixedCells(K.Mode);
        G.Set_Hovered_Fixed_Cell(K.Col, K.Row, K.Down);
        TRecordingCanvas C(400, 200);
        G.Paint_On(C);
        const TRect R = G.CellRect(K.Col, K.Row);
        // the hover and pressed faces are framed in their border colours
        const TColor Edge = Color_To_RGB(From_QColor(C.Image().pixelColor(R.Left, (R.Top + R.Bottom) / 2)));
        EXPECT_EQ(Edge == 15657187, K.WantHover && !K.Down);
        EXPECT_EQ(Edge == 14007466, K.WantHover && K.Down);
    }
}

// The window border takes BorderColor for the soft and gradient looks only.
TEST(StringGridLooks, WindowBorder)
{
    struct TCase { const char *Name; TGridLook Look; bool Flat; bool Want; };
    const TCase Cases[] = {
        {"XP", glXP, false, true},
        {"Soft", glSoft, false, true},
        {"Standard", glStandard, false, false},
        {"FlatXP", glXP, true, false},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        QWidget W;
        W.resize(200, 120);
        auto *G = new RIraRevadiVizo(&W);
        G->setGeometry(0, 0, 200, 120);
        G->Set_Look(glClassic);
        G->Set_Look(K.Look);
        G->Set_BorderColor(clRed);
        G->Set_Flat(K.Flat);
        W.show();
        const QImage Img = G->grab().toImage();
        // the window's edge, half-way down the left side
        EXPECT_EQ(Color_To_RGB(From_QColor(Img.pixelColor(0, 60))) == clRed, K.Want);
    }
}

// AutoThemeAdapt applies the style of the office theme when switched on and
// again whenever a theme change is announced, but only when the theme is
// another one than last time; switched off, announcements change nothing.
TEST(StringGridLooks, FollowsTheOfficeTheme)
{
    TFakeRegistry Reg;
    TRegistryGuard Guard(Reg);
    const QString Key = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
    Reg.Set_DWord(Key, QStringLiteral("Theme"), 1);   // office 2010 blue
    RIraRevadiVizo G;
    auto Announce = [&] {
        TThemeChangeEvent E(HKEY_CURRENT_USER_ROOT, Key);
        QCoreApplication::sendEvent(&G, &E);
    };
    Announce();   // not following yet
    EXPECT_EQ(G.Look(), glXP);
    G.Set_AutoThemeAdapt(true);
    EXPECT_TRUE(G.SearchFooter().AutoThemeAdapt());
    EXPECT_EQ(G.Look(), glOffice2007);
    EXPECT_EQ(G.SelectionColor(), 16767927);
    // the same theme announced again: the application's own colour stays
    G.Set_SelectionColor(clRed);
    Announce();
    EXPECT_EQ(G.SelectionColor(), clRed);
    // another theme: its style
    Reg.Set_DWord(Key, QStringLiteral("Theme"), 3);   // office 2010 black
    Announce();
    EXPECT_EQ(G.FixedGradient().From, 6974058);
    EXPECT_EQ(G.SelectionColor(), 16767927);
    // switched off: announcements are ignored
    G.Set_AutoThemeAdapt(false);
    EXPECT_FALSE(G.SearchFooter().AutoThemeAdapt());
    Reg.Set_DWord(Key, QStringLiteral("Theme"), 1);
    G.Set_SelectionColor(clRed);
    Announce();
    EXPECT_EQ(G.SelectionColor(), clRed);
    EXPECT_EQ(G.FixedGradient().From, 6974058);
}
