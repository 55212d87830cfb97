// The string grid's painting: what each cell shows (through the display-to-
// real column mapping), its colours and fonts, its alignment and formatted
// text, and the layout of a cell's graphic beside its text.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 5, int Rows = 6)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->resize(400, 200);
    return G;
}

// The texts drawn inside a rectangle during one paint.
QStringList Texts_In(const TRecordingCanvas &C, const TRect &R)
{
    QStringList L;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::DrawText && !(Op.Format & DT_CALCRECT) && Op.Rect.Left >= R.Left
            && Op.Rect.Left < R.Right && Op.Rect.Top >= R.Top && Op.Rect.Top < R.Bottom)
            L << Op.Text;
    return L;
}

struct TVisual {
    TColor Brush;
    TColor Font;
    TGridDrawState State;
};
TVisual Visual_Of(RIraRevadiVizo &G, int ACol, int ARow, TGridDrawState State = {})
{
    TBrush B;
    TFont F;
    TColor CT, MC, MCT;
    TAlignment HA;
    TVAlignment VA;
    bool WW = true;
    TCellGradientDirection GD;
    G.GetVisualProperties(ACol, ARow, State, false, true, true, B, CT, MC, MCT, F, HA, VA, WW, GD);
    return {B.Color, F.Color, State};
}
}

// --- what a cell shows ----------------------------------------------------------------------------------

// A shown column paints the text of the real column it stands for, also
// after columns before it were hidden.
TEST(StringGridPaint, ShownColumnPaintsItsRealColumnsText)
{
    auto G = Make_Grid(4, 3);
    for (int C = 0; C < 4; ++C)
        G->Set_Cells(C, 1, QStringLiteral("real%1").arg(C));
    G->HideColumn(1);
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);
    struct TCase { const char *Name; int DisplCol; QString Want; };
    const TCase Cases[] = {
        {"BeforeHidden", 0, QStringLiteral("real0")},
        {"FirstAfterHidden", 1, QStringLiteral("real2")},
        {"SecondAfterHidden", 2, QStringLiteral("real3")},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        EXPECT_EQ(Texts_In(C, G->CellRect(K.DisplCol, 1)), QStringList{K.Want});
    }
    EXPECT_FALSE(Texts_In(C, TRect(0, 0, 400, 200)).contains(QStringLiteral("real1")));
}

// A password cell never shows its characters; a cell with a graphic and
// NoImageAndText shows no text.
TEST(StringGridPaint, HiddenTexts)
{
    auto G = Make_Grid(3, 3);
    G->Set_Cells(1, 1, QStringLiteral("secret"));
    G->Set_Cells(2, 1, QStringLiteral("boxed"));
    G->AddCheckBox(2, 1, true, false);
    G->OnIsPasswordCell = [](QObject *, int ARow, int ACol, bool &P) { P = ACol == 1 && ARow == 1; };
    G->Set_NoImageAndText(true);
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);
    EXPECT_EQ(Texts_In(C, G->CellRect(1, 1)), QStringList{QStringLiteral("******")});
    EXPECT_TRUE(Texts_In(C, G->CellRect(2, 1)).isEmpty());
}

// --- colours ---------------------------------------------------------------------------------------------

TEST(StringGridVisualProperties, BrushAndState)
{
    struct TCase {
        const char *Name;
        std::function<void(RIraRevadiVizo &)> Setup;
        int Col, Row;
        TGridDrawState State;
        TColor WantBrush;
        bool WantFixedState;
    };
    const TCase Cases[] = {
        // a normal cell takes the grid's colour
        {"Normal", [](RIraRevadiVizo &) {}, 1, 1, {}, clWindow, false},
        // a fixed cell without own colour: the look's fixed gradient start (glXP: white)
        {"FixedXP", [](RIraRevadiVizo &G) { G.Set_Look(glStandard); G.Set_Look(glXP); }, 0, 1, {}, clWhite, true},
        // a plain look keeps the fixed colour
        {"FixedStandard", [](RIraRevadiVizo &G) { G.Set_Look(glStandard); }, 1, 0, {}, clBtnFace, true},
        // bands alternate from the first normal row
        {"BandPrimary", [](RIraRevadiVizo &G) { G.Bands().Set_Active(true); }, 1, 1, {}, clInfoBk, false},
        {"BandSecondary", [](RIraRevadiVizo &G) { G.Bands().Set_Active(true); }, 1, 2, {}, clWindow, false},
        // a selected cell of the grid's colour shows the selection colour unmixed
        {"SelectedPlain", [](RIraRevadiVizo &G) { G.Set_SelectionColorMixer(true); }, 1, 1, {gdSelected},
         0xEACAB6, false},
        // with the mixer, any other colour is averaged channel by channel
        {"SelectedMixed",
         [](RIraRevadiVizo &G) {
             G.Set_SelectionColorMixer(true);
             G.Set_SelectionColor(RGB_Color(200, 100, 0));
             G.GetCellProperties(1, 1)->Set_BrushColor(RGB_Color(100, 50, 255));
         },
         1, 1, {gdSelected}, RGB_Color(150, 75, 128), false},
        // the cell's own colour wins over bands
        {"OwnColour",
         [](RIraRevadiVizo &G) {
             G.Bands().Set_Active(true);
             G.GetCellProperties(2, 1)->Set_BrushColor(clRed);
         },
         2, 1, {}, clRed, false},
        // own colour keeps on a fixed cell too
        {"OwnColourFixed", [](RIraRevadiVizo &G) { G.GetCellProperties(0, 2)->Set_BrushColor(clLime); }, 0, 2, {},
         clLime, false},
        // the event has the last word
        {"Event",
         [](RIraRevadiVizo &G) {
             G.OnGetCellColor = [](QObject *, int, int, TGridDrawState, TBrush &B, TFont &) { B.Color = clAqua; };
         },
         1, 1, {}, clAqua, false},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        K.Setup(*G);
        const TVisual V = Visual_Of(*G, K.Col, K.Row, K.State);
        EXPECT_EQ(Color_To_RGB(V.Brush), Color_To_RGB(K.WantBrush));
        EXPECT_EQ(V.State.Contains(gdFixed), K.WantFixedState);
    }
}

TEST(StringGridVisualProperties, FixedGradientUnderFlatLook)
{
    auto G = Make_Grid();
    G->Set_Look(glOffice2007);
    TBrush B;
    TFont F;
    TColor CT = clNone, MC = clNone, MCT = clNone;
    TAlignment HA;
    TVAlignment VA;
    bool WW = true;
    TCellGradientDirection GD;
    TGridDrawState S;
    G->GetVisualProperties(1, 0, S, false, true, true, B, CT, MC, MCT, F, HA, VA, WW, GD);
    EXPECT_EQ(B.Color, 16513526);
    EXPECT_EQ(CT, 15260626);
    // selection text colour and disabled font
    G->Set_SelectionTextColor(clRed);
    EXPECT_EQ(Visual_Of(*G, 1, 1, {gdSelected}).Font, clRed);
    G->setEnabled(false);
    EXPECT_EQ(Visual_Of(*G, 1, 1).Font, 0xC0C0C0);
}

TEST(StringGridColours, BlendAndMix)
{
    struct TCase { const char *Name; TColor C1, C2; int P; TColor Want; };
    const TCase Cases[] = {
        {"Full", clRed, clBlue, 100, clRed},
        {"Over", clRed, clBlue, 150, clRed},
        {"None", clRed, clBlue, 0, clBlue},
        {"FirstNone", clNone, clBlue, 50, clBlue},
        {"SecondNone", clRed, clNone, 50, clRed},
        // channel averages round half to even: 127.5 -> 128, 0.5 -> 0
        {"Half", RGB_Color(255, 1, 0), RGB_Color(0, 0, 0), 50, RGB_Color(128, 0, 0)},
        {"Quarter", RGB_Color(200, 0, 0), RGB_Color(0, 0, 100), 25, RGB_Color(50, 0, 75)},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        EXPECT_EQ(BlendColor(K.C1, K.C2, K.P), K.Want);
    }
    EXPECT_EQ(MixSelectionColor(clRed, clBlue, false, 50), clRed);
}

// --- alignment and formatted text ----------------------------------------------------------------------

TEST(StringGridLayout, CalcCellAlignment)
{
    struct TCase {
        const char *Name;
        QString Text;
        bool AutoNum;
        int PropsAlign;   // -1 none
        TAlignment Want;
    };
    const TCase Cases[] = {
        {"PlainLeft", QStringLiteral("abc"), true, -1, taLeftJustify},
        {"NumberRight", QStringLiteral("12.5"), true, -1, taRightJustify},
        {"NumberWithoutAutoNum", QStringLiteral("12.5"), false, -1, taLeftJustify},
        {"ExponentRight", QStringLiteral("1E5"), true, -1, taRightJustify},
        // the cell's own alignment wins over the numeric rule
        {"PropsLeftWins", QStringLiteral("12.5"), true, taLeftJustify, taLeftJustify},
        {"PropsCenter", QStringLiteral("x"), false, taCenter, taCenter},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        G->Set_AutoNumAlign(K.AutoNum);
        G->Set_Cells(1, 1, K.Text);
        if (K.PropsAlign >= 0)
            G->GetCellProperties(1, 1)->Set_Alignment(static_cast<TAlignment>(K.PropsAlign));
        TAlignment HA;
        TVAlignment VA;
        G->CalcCellAlignment(1, 1, HA, VA);
        EXPECT_EQ(HA, K.Want);
        EXPECT_EQ(VA, vtaTop);
    }
}

TEST(StringGridLayout, FormattedCell)
{
    struct TCase { const char *Name; QString Text, Format; QString Want; };
    const TCase Cases[] = {
        {"IntegerDirective", QStringLiteral("12.5"), QStringLiteral("%d"), QStringLiteral("12")},
        // the integer value rounds half to even
        {"IntegerHalfEven", QStringLiteral("13.5"), QStringLiteral("%d"), QStringLiteral("14")},
        {"FloatDirective", QStringLiteral("3.14159"), QStringLiteral("%.2f"), QStringLiteral("3.14")},
        {"NotANumber", QStringLiteral("abc"), QStringLiteral("%.2f"), QStringLiteral("abc")},
        {"InvalidFormatKeepsText", QStringLiteral("2.5"), QStringLiteral("%q"), QStringLiteral("2.5")},
        {"EmptyFormat", QStringLiteral("2.5"), QString(), QStringLiteral("2.5")},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        G->Set_Cells(1, 1, K.Text);
        const QString Fmt = K.Format;
        G->OnGetFloatFormat = [Fmt](QObject *, int, int, bool &, QString &F) { F = Fmt; };
        EXPECT_EQ(G->GetFormattedCell(1, 1), K.Want);
    }
}

// --- graphic layout ---------------------------------------------------------------------------------------

TEST(StringGridLayout, GraphicSizeTable)
{
    struct TCase { const char *Name; std::function<void(TCellGraphic &)> Make; int W, H; bool Text; };
    const TCase Cases[] = {
        {"CheckBox", [](TCellGraphic &G) { G.CellType = ctCheckBox; }, 15, 15, true},
        {"TriState", [](TCellGraphic &G) { G.CellType = ctTriStateCheckBox; }, 15, 15, true},
        {"DataCheckBox", [](TCellGraphic &G) { G.CellType = ctDataCheckBox; }, 15, 15, false},
        {"RowCheckBox", [](TCellGraphic &G) { G.CellType = ctRowCheckBox; }, 15, 15, false},
        {"Radio", [](TCellGraphic &G) { G.CellType = ctRadio; }, 0, 0, false},
        {"Progress", [](TCellGraphic &G) { G.CellType = ctProgress; }, 0, 0, false},
        {"Button", [](TCellGraphic &G) { G.SetButton(40, 18, "b", haLeft, vaTop); }, 40, 18, true},
        {"Pie", [](TCellGraphic &G) { G.CellType = ctProgressPie; }, 20, 20, true},
        {"RadioButton", [](TCellGraphic &G) { G.CellType = ctRadioButton; }, 14, 14, true},
        // row height 22 less twice the vertical inset 2
        {"Shape", [](TCellGraphic &G) { G.CellType = ctShape; }, 18, 18, true},
        {"Rating", [](TCellGraphic &G) { G.CellType = ctRating; G.CellAngle = 5; }, 90, 16, false},
    };
    TGraphicMetrics M;
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TCellGraphic G;
        K.Make(G);
        const TGraphicLayout L = Graphic_Layout(&G, M);
        EXPECT_EQ(L.Width, K.W);
        EXPECT_EQ(L.Height, K.H);
        EXPECT_EQ(L.DrawText, K.Text);
    }
    const TGraphicLayout None = Graphic_Layout(nullptr, M);
    EXPECT_EQ(None.Width, 0);
    EXPECT_TRUE(None.DrawText);
}

TEST(StringGridLayout, GraphicAndTextRectangles)
{
    // cell (10,20)-(110,42), inset 2; R deflated by XYOffset - 1 = 1 -> (11,21)-(109,41)
    const TRect Cell(10, 20, 110, 42);
    const TPoint Off{2, 2};
    struct TCase {
        const char *Name;
        TCellType Type;
        TCellHAlign HAlign;
        TCellVAlign VAlign;
        TAlignment HA;
        int TW;
        bool HasText;
        TRect Want;
    };
    const TCase Cases[] = {
        {"LeftTop", ctBitmap, haLeft, vaTop, taLeftJustify, 0, true, TRect(12, 22, 27, 37)},
        {"RightBottom", ctBitmap, haRight, vaBottom, taLeftJustify, 0, true, TRect(93, 25, 108, 40)},
        {"CenterCenter", ctBitmap, haCenter, vaCenter, taLeftJustify, 0, true, TRect(52, 23, 67, 38)},
        {"Full", ctBitmap, haFull, vaFull, taLeftJustify, 0, true, TRect(11, 21, 109, 41)},
        // check boxes follow the text: left
        {"CheckLeft", ctCheckBox, haBeforeText, vaTop, taLeftJustify, 30, true, TRect(12, 22, 27, 37)},
        // right: left of the text
        {"CheckRight", ctCheckBox, haBeforeText, vaTop, taRightJustify, 30, true, TRect(63, 22, 78, 37)},
        // centred with text: half the free width less the box
        {"CheckCentreWithText", ctCheckBox, haBeforeText, vaTop, taCenter, 30, true, TRect(30, 22, 45, 37)},
        // a data check box centres in the cell
        {"DataCheckCentre", ctDataCheckBox, haBeforeText, vaTop, taCenter, 30, true, TRect(52, 22, 67, 37)},
        {"DataCheckRight", ctDataCheckBox, haBeforeText, vaTop, taRightJustify, 30, true, TRect(93, 22, 108, 37)},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TGraphicLayout L;
        L.Width = 15;
        L.Height = 15;
        L.HAlign = K.HAlign;
        L.VAlign = K.VAlign;
        const TRect G = Cell_Graphic_Rect(Cell, false, Off, K.Type, L, K.HA, vtaTop, vtaTop, K.TW, K.HasText);
        EXPECT_EQ(G, K.Want);
    }
    // the text moves right of a graphic before it, down under one above it, and by the node indent
    TGraphicLayout Before;
    Before.Width = 15;
    Before.HAlign = haBeforeText;
    EXPECT_EQ(Cell_Text_Rect(Cell, false, 1, Off, false, Before, 0), TRect(27, 22, 108, 42));
    TGraphicLayout Above;
    Above.Height = 10;
    Above.VAlign = vaAboveText;
    EXPECT_EQ(Cell_Text_Rect(Cell, true, 1, Off, true, Above, 24), TRect(37, 33, 110, 42));
}

TEST(StringGridLayout, PictureSizes)
{
    struct TCase { const char *Name; TStretchMode Mode; int W, H, CW, RH, Pad; TPoint Want; };
    const TCase Cases[] = {
        {"NoStretch", noStretch, 100, 50, 40, 40, 0, {100, 50}},
        {"Stretch", Stretch, 100, 50, 40, 40, 0, {40, 40}},
        {"StretchPadded", Stretch, 100, 50, 40, 40, 4, {36, 36}},
        {"AspectWide", StretchWithAspectRatio, 100, 50, 40, 40, 0, {40, 20}},
        {"AspectTall", StretchWithAspectRatio, 50, 100, 40, 40, 0, {20, 40}},
        {"ShrinkSmallKeeps", Shrink, 10, 10, 40, 40, 0, {10, 10}},
        {"ShrinkLarge", Shrink, 100, 10, 40, 40, 0, {40, 40}},
        {"ShrinkAspectSmallKeeps", ShrinkWithAspectRatio, 20, 10, 40, 40, 0, {20, 10}},
        {"ShrinkAspectLarge", ShrinkWithAspectRatio, 80, 10, 40, 40, 0, {40, 5}},
        // half-way sizes round half to even: 25 * 0.5 = 12.5 -> 12
        {"AspectRoundsEven", StretchWithAspectRatio, 80, 25, 40, 40, 0, {40, 12}},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TCellBitmap Img(QImage(K.W, K.H, QImage::Format_RGB32));
        TCellGraphic G;
        G.SetPicture(&Img, false, K.Mode, K.Pad, haLeft, vaTop);
        EXPECT_EQ(G.GetPictureSize(K.CW, K.RH), K.Want);
        G.CellBitmap = nullptr;
    }
}

// --- display text, selection outline ------------------------------------------------------------------

TEST(StringGridLayout, AddressesShownAsLinks)
{
    struct TCase { const char *Name; QString Text; QString Want; };
    const TCase Cases[] = {
        {"Www", QStringLiteral("see www.x.org now"), QStringLiteral("see <a href=\"www.x.org\">www.x.org</a> now")},
        // with both prefixes the link starts at the first one searched for
        {"HttpBeforeWww", QStringLiteral("http://www.x.org"),
         QStringLiteral("<a href=\"http://www.x.org\">http://www.x.org</a>")},
        {"Mail", QStringLiteral("mailto:a@b.c"), QStringLiteral("<a href=\"mailto:a@b.c\">mailto:a@b.c</a>")},
        {"Plain", QStringLiteral("no address"), QStringLiteral("no address")},
    };
    auto G = Make_Grid();
    G->Set_NormalRowCount(G->RowCount());
    G->Set_URLShowInText(true);
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        G->Set_Cells(1, 1, K.Text);
        EXPECT_EQ(G->GetCellEx(1, 1), K.Want);
    }
    G->Set_URLShowInText(false);
    EXPECT_EQ(G->GetCellEx(1, 1), QStringLiteral("no address"));
}

// The selected-row count the header check box reads is kept as rows are
// set, cleared, inserted and removed.
TEST(StringGridFlags, RunningCount)
{
    TGridFlagList L;
    for (int I : {1, 3, 5, 7})
        L.Set(I, true, "x");
    L.Set(3, true, "x");   // again: no change
    EXPECT_EQ(L.Count_Set(), 4);
    EXPECT_EQ(L.Count_Set(4), 2);
    L.Set(5, false, "x");
    L.Insert(0, 2);
    EXPECT_EQ(L.Count_Set(), 3);
    L.Remove(2, 4);   // entries 2..5: the former 1 and 3
    EXPECT_EQ(L.Count_Set(), 1);
    L.Clear_All();
    EXPECT_EQ(L.Count_Set(), 0);
}

TEST(StringGridPaint, SelectionOutline)
{
    auto G = Make_Grid(5, 6);
    G->Set_SelectionRectangle(true);
    G->Set_SelectionResizer(true);
    G->Set_SelectionRectangleColor(clRed);
    G->Set_Selection(TGridRect{1, 1, 2, 3});
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);
    int Wide = 0;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::LineTo && Op.Pen.Width == 2 && Op.Pen.Color == clRed)
            ++Wide;
    // left and right edges of three rows, top and bottom edges of two columns
    EXPECT_EQ(Wide, 10);
    const TRect Last = G->CellRect(2, 3);
    EXPECT_EQ(Color_To_RGB(From_QColor(C.Image().pixelColor(Last.Right - 2, Last.Bottom - 2))), clRed);
}

// A balloon attached to a check box leaves the box as it is (not grayed);
// the row-select header box is grayed while some rows are selected.
TEST(StringGridPaint, GrayedBoxes)
{
    auto Box_Fills = [](RIraRevadiVizo &G) {
        TRecordingCanvas C(400, 200);
        G.Paint_On(C);
        QList<TColor> Fills;
        for (const TCanvasOp &Op : C.Ops())
            if (Op.Kind == TCanvasOp::Rectangle && Op.Rect.Width() == 15 && Op.Rect.Height() == 15)
                Fills << Op.Brush.Color;
        return Fills;
    };
    auto G = Make_Grid(3, 3);
    G->Set_Options(G->Options() + goEditing);
    G->ControlLook().ControlStyle = csClassic;
    G->AddCheckBox(1, 1, false, false);
    G->AddBalloon(1, 1, QStringLiteral("t"), QStringLiteral("x"), biInfo);
    EXPECT_EQ(Box_Fills(*G), QList<TColor>{clWindow});

    auto H = Make_Grid(3, 4);
    H->Set_FixedCols(0);
    H->ControlLook().ControlStyle = csClassic;
    H->MouseActions().Set_HotmailRowSelect(true);
    H->SetRowSelect(1, true);
    const QList<TColor> Fills = Box_Fills(*H);
    ASSERT_EQ(Fills.size(), 4);
    EXPECT_EQ(Fills[0], clBtnFace);   // header: some of three rows selected
    EXPECT_EQ(Fills[1], clWindow);
}

// --- graphics as drawn ---------------------------------------------------------------------------------

namespace {
// Polygons drawn during one paint, by the fill colour they were drawn with.
std::map<TColor, QList<int>> Polygons_By_Fill(RIraRevadiVizo &G)
{
    TRecordingCanvas C(400, 200);
    G.Paint_On(C);
    std::map<TColor, QList<int>> M;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::Polygon && !Op.Points.isEmpty()) {
            int Left = Op.Points[0].X;
            for (const TPoint &P : Op.Points)
                Left = std::min(Left, P.X);
            M[Op.Brush.Color] << Left;
        }
    return M;
}
}

// 2.5 of 5: two full stars, one half star over an empty one, two empty stars, 18 pixels apart.
TEST(StringGridGraphicsDrawn, RatingHalfSteps)
{
    auto G = Make_Grid(3, 3);
    G->Set_ColWidths(1, 120);
    G->Set_Cells(1, 1, QStringLiteral("2.5"));
    G->AddRating(1, 1, 5, clYellow, clSilver);
    auto M = Polygons_By_Fill(*G);
    ASSERT_EQ(M[clYellow].size(), 3);
    ASSERT_EQ(M[clSilver].size(), 3);
    const int X0 = M[clYellow][0];
    EXPECT_EQ(M[clYellow][1] - X0, 18);
    EXPECT_EQ(M[clSilver][0] - X0, 36);   // the third star's empty base, its half on top
    EXPECT_EQ(M[clYellow][2] - X0, 36);
    EXPECT_EQ(M[clSilver][2] - X0, 72);
    // 2.25 rounds to 2 (half steps, ties to even): no half star
    G->Set_Cells(1, 1, QStringLiteral("2.25"));
    M = Polygons_By_Fill(*G);
    EXPECT_EQ(M[clYellow].size(), 2);
}

TEST(StringGridGraphicsDrawn, CommentCorner)
{
    auto G = Make_Grid(3, 3);
    G->AddColorComment(1, 1, QStringLiteral("c"), clBlue);
    EXPECT_EQ(Polygons_By_Fill(*G)[clBlue].size(), 1);
    // no comment colour: nothing is drawn
    G->ControlLook().CommentColor = clNone;
    EXPECT_TRUE(Polygons_By_Fill(*G).empty());
}

TEST(StringGridLayout, SortRowAndMeasuring)
{
    auto G = Make_Grid(4, 6);
    struct TCase { const char *Name; bool Show; int Row; int Rows; int Fixed; bool Want; };
    const TCase Cases[] = {
        {"Shown", true, 0, 6, 1, true},
        {"Hidden", false, 0, 6, 1, false},
        // the sort row must lie within the fixed rows
        {"OtherRow", true, 1, 6, 2, false},
        // a grid without two data rows shows no sort mark
        {"TooFewRows", true, 0, 2, 1, false},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        G->Set_RowCount(K.Rows);
        G->Set_FixedRows(K.Fixed);
        G->SortSettings().Set_Show(K.Show);
        G->SortSettings().Set_Row(K.Row);
        EXPECT_EQ(G->IsSortRow(1, 0), K.Want);
    }
    G->SortSettings().Set_Row(0);
    G->Set_FixedRows(1);
    G->Set_RowCount(6);
    // lines are measured one by one with multi-line cells, the text as one line without
    G->Set_Cells(1, 1, QStringLiteral("a\nlonger line\nb"));
    const TPoint One = G->GetCellTextSize(1, 1, false, false);
    G->Set_MultilineCells(true);
    const TPoint Three = G->GetCellTextSize(1, 1, false, false);
    EXPECT_EQ(Three.Y, 3 * One.Y);
    EXPECT_LT(Three.X, One.X);
    // graphic extents: a check box its CheckSize; a full-width button the cell's width
    G->AddCheckBox(2, 1, true, false);
    EXPECT_EQ(G->GetCellGraphicSize(2, 1), TPoint(15, 15));
    G->AddButton(3, 1, 30, 16, QStringLiteral("Go"), haCenter, vaFull);
    EXPECT_EQ(G->GetCellGraphicSize(3, 1), TPoint(30, G->RowHeights(1)));
}

TEST(StringGridLayout, BalloonTips)
{
    struct TCase { const char *Name; QString Text; QString Want; };
    const QString L2048(2048, u'x'), L2049(2049, u'x');
    const TCase Cases[] = {
        {"Plain", QStringLiteral("abc"), QStringLiteral("abc")},
        {"Markup", QStringLiteral("<b>bold</b> text"), QStringLiteral("bold text")},
        {"LeadingBreaksAndTabs", QStringLiteral("\r\n\ta\tb"), QStringLiteral("a b")},
        {"Exactly2048Whole", L2048, L2048},
        {"Longer2049Cut", L2049, QString(2045, u'x') + QStringLiteral("...")},
    };
    auto G = Make_Grid();
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        G->Set_Cells(1, 1, K.Text);
        QString Title, Text;
        int Icon = 0;
        G->GetBalloonTip(1, 1, Title, Text, Icon);
        EXPECT_EQ(Text, K.Want);
        EXPECT_EQ(Title, QStringLiteral(" "));
        EXPECT_EQ(Icon, 1);
    }
    // the cell's own balloon, then the event; a long title is cut
    G->AddBalloon(2, 1, QStringLiteral("T"), QStringLiteral("own"), biError);
    G->OnCellBalloon = [](QObject *, int, int, QString &T, QString &, int &) { T = QString(101, u't'); };
    QString Title, Text;
    int Icon = 0;
    G->GetBalloonTip(2, 1, Title, Text, Icon);
    EXPECT_EQ(Text, QStringLiteral("own"));
    EXPECT_EQ(Icon, biError);
    EXPECT_EQ(Title, QString(97, u't') + QStringLiteral("..."));
}

// A vertical background gradient runs on from cell to cell: each cell shows
// its own slice of one gradient over the whole control.
TEST(StringGridPaint, BackgroundGradientIsContinuous)
{
    auto G = Make_Grid(3, 7);
    TBackGround BG;
    BG.Display = bdGradientVert;
    BG.Color = clWhite;
    BG.ColorTo = clBlack;
    G->Set_BackGround(BG);
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);
    const QImage Img = C.Image();
    // rows 2..6 of column 2 (the current cell shows the selection instead)
    const int X = G->CellRect(2, 2).Left + 40;   // clear of the text
    int Last = 256, Samples = 0;
    for (int R = 2; R < 7; ++R) {
        const TRect Cell = G->CellRect(2, R);
        for (int Y = Cell.Top; Y < Cell.Bottom - 1; ++Y) {
            const int V = qRed(Img.pixel(X, Y));
            // the expected shade at this height, within a band's rounding
            EXPECT_NEAR(V, 255 - 255 * Y / 200, 3) << "row " << R << " y " << Y;
            EXPECT_LE(V, Last) << "row " << R << " y " << Y;
            Last = V;
            ++Samples;
        }
    }
    EXPECT_GT(Samples, 90);
}

namespace {
class TNodeGrid : public RIraRevadiVizo {
public:
    bool HasNodes() override { return true; }
};

// Where the text of column 0 of a row starts, with nodes indented by Indent.
int Text_Left(int Indent, int Row)
{
    TNodeGrid G;
    G.Set_ColCount(3);
    G.Set_RowCount(5);
    G.Set_FixedCols(0);
    G.resize(400, 200);
    G.CellNode().Set_NodeIndent(Indent);
    TCellGraphic *N = G.CreateCellGraphic(0, 1);
    N->CellType = ctNode;
    N->CellIndex = 2;
    N->CellHAlign = haBeforeText;
    N->CellVAlign = vaCenter;
    for (int R = 1; R <= 2; ++R)
        G.GetCellProperties(0, R)->Set_NodeLevel(1);
    G.Set_Cells(0, 1, QStringLiteral("node"));
    G.Set_Cells(0, 2, QStringLiteral("child"));
    TRecordingCanvas C(400, 200);
    G.Paint_On(C);
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::DrawText && !(Op.Format & DT_CALCRECT) && Op.Text == G.Cells(0, Row))
            return Op.Rect.Left;
    return -1;
}
}

// Node rows and the rows inside them are indented by CellNode.NodeIndent per level.
TEST(StringGridPaint, NodeIndentFollowsSetting)
{
    for (int Row : {1, 2}) {
        SCOPED_TRACE(Row);
        const int A = Text_Left(12, Row), B = Text_Left(20, Row);
        ASSERT_GE(A, 0);
        EXPECT_EQ(B - A, 8);
    }
}

// A rich-text cell shows its text, not its source.
TEST(StringGridPaint, RichTextCell)
{
    auto G = Make_Grid(3, 3);
    G->Set_ColWidths(1, 120);
    G->Set_Cells(1, 1, QStringLiteral("{\\rtf1 {\\b WWWWWW}}"));
    G->Set_Selection(TGridRect{2, 2, 2, 2});
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);
    EXPECT_TRUE(Texts_In(C, G->CellRect(1, 1)).isEmpty());   // no source text drawn
    const TRect R = G->CellRect(1, 1);
    int Dark = 0;
    const QImage Img = C.Image();
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            if (qGray(Img.pixel(X, Y)) < 80)
                ++Dark;
    EXPECT_GT(Dark, 30);
}

// With URLUnderlineOnHover only the link under the pointer is underlined,
// and only in the hovered cell; without it every link is.
TEST(StringGridPaint, HoverUnderlinesOnlyTheHoveredLink)
{
    struct TCase { const char *Name; bool OnHover; TPoint Cell; int Link; bool WantOne, WantTwo; };
    const TCase Cases[] = {
        {"AlwaysUnderlined", false, {-1, -1}, -1, true, true},
        {"NothingHovered", true, {-1, -1}, -1, false, false},
        {"SecondHovered", true, {1, 1}, 2, false, true},
        {"FirstHovered", true, {1, 1}, 1, true, false},
        {"OtherCellHovered", true, {2, 1}, 1, false, false},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid(4, 3);
        G->Set_Cells(1, 1, QStringLiteral("<A href=\"a\">one</A> <A href=\"b\">two</A>"));
        G->Set_URLUnderlineOnHover(K.OnHover);
        G->Set_Hover_Link(K.Cell, K.Link);
        TRecordingCanvas C(400, 200);
        G->Paint_On(C);
        std::map<QString, bool> Underlined;
        for (const TCanvasOp &Op : C.Ops())
            if (!Op.Text.isEmpty())
                Underlined[Op.Text.trimmed()] = Op.Font.Style.Contains(fsUnderline);
        ASSERT_TRUE(Underlined.count(QStringLiteral("one")) && Underlined.count(QStringLiteral("two")));
        EXPECT_EQ(Underlined[QStringLiteral("one")], K.WantOne);
        EXPECT_EQ(Underlined[QStringLiteral("two")], K.WantTwo);
    }
}
