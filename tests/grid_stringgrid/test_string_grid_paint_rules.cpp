// Painting rules of the string grid beyond the basics: print fonts, the
// custom look's gradient, disjunct selections while the mouse selects,
// check boxes and radio marks by control style (themed where the platform
// has themes), the XP progress bar's appearance, fixed-cell edges, the
// header drop-down button, the sort mark of turned text, cell buttons in
// the colour tones with their hot state, and radio glyphs.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/SystemInfo.h"
#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A grid whose selecting state a test can set (the mouse code's job).
class TGrid : public RIraRevadiVizo {
public:
    using RIraRevadiVizo::RIraRevadiVizo;
    void Selecting(bool On) { Set_GridState(On ? gsSelecting : gsNormal); }
    void Move_Mouse(int X, int Y) { MouseMove(TShiftState(), X, Y); }
};

std::unique_ptr<TGrid> Make_Grid(int Cols = 4, int Rows = 5)
{
    auto G = std::make_unique<TGrid>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->Set_DefaultColWidth(100);
    G->resize(500, 200);
    return G;
}

struct TVisual {
    TColor Brush;
    TFont Font;
    TGridDrawState State;
};
TVisual Visual_Of(RIraRevadiVizo &G, int ACol, int ARow, TGridDrawState State, bool Print = false)
{
    TBrush B;
    TFont F;
    TColor CT, MC, MCT;
    TAlignment HA;
    TVAlignment VA;
    bool WW = false;
    TCellGradientDirection GD;
    G.GetVisualProperties(ACol, ARow, State, Print, true, true, B, CT, MC, MCT, F, HA, VA, WW, GD);
    return {B.Color, F, State};
}

// The rectangle the painter hands a cell's content: inside the grid lines.
TRect Inner(const RIraRevadiVizo &G, int ACol, int ARow)
{
    const TRect R = G.CellRect(ACol, ARow);
    return ACol < G.FixedCols() || ARow < G.FixedRows() ? TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 2)
                                                        : R.Inflate(-1, -1);
}

bool Has_Line(const TRecordingCanvas &C, TColor Color, const TRect &Line)
{
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::LineTo && Op.Pen.Color == Color && Op.Rect == Line)
            return true;
    return false;
}
}

TEST(StringGridPaintRules, VisualProperties)
{
    struct TCase {
        const char *Name;
        std::function<void(TGrid &)> Setup;
        int Col, Row;
        TGridDrawState State;
        bool Print;
        std::function<bool(const TVisual &)> Want;
    };
    const TCase Cases[] = {
        // printing with its own fonts: the print font for normal cells, the fixed print font for fixed ones
        {"PrintFont",
         [](TGrid &G) {
             G.PrintSettings().UseDisplayFont = false;
             G.PrintSettings().Font.Name = QStringLiteral("PrintNormal");
             G.PrintSettings().FixedFont.Name = QStringLiteral("PrintFixed");
         },
         1, 1, {}, true, [](const TVisual &V) { return V.Font.Name == QStringLiteral("PrintNormal"); }},
        {"PrintFixedFont",
         [](TGrid &G) {
             G.PrintSettings().UseDisplayFont = false;
             G.PrintSettings().FixedFont.Name = QStringLiteral("PrintFixed");
         },
         1, 0, {}, true, [](const TVisual &V) { return V.Font.Name == QStringLiteral("PrintFixed"); }},
        {"PrintDisplayFont",
         [](TGrid &G) { G.PrintSettings().Font.Name = QStringLiteral("PrintNormal"); }, 1, 1, {}, true,
         [](const TVisual &V) { return V.Font.Name != QStringLiteral("PrintNormal"); }},
        // the custom look keeps and shows its own fixed gradient
        {"CustomLookGradient",
         [](TGrid &G) {
             G.Set_Look(glCustom);
             G.ControlLook().Set_FixedGradientFrom(clAqua);
         },
         1, 0, {}, false, [](const TVisual &V) { return V.Brush == clAqua; }},
        // disjunct rows: a listed row is selected, an unlisted one is not
        {"DisjunctListed",
         [](TGrid &G) {
             G.MouseActions().Set_DisjunctRowSelect(true);
             G.SetRowSelect(2, true);
         },
         1, 2, {}, false, [](const TVisual &V) { return V.State.Contains(gdSelected); }},
        {"DisjunctUnlisted", [](TGrid &G) { G.MouseActions().Set_DisjunctRowSelect(true); }, 1, 3, {gdSelected},
         false, [](const TVisual &V) { return !V.State.Contains(gdSelected); }},
        // while the mouse selects, an unlisted row the drag has selected shows selected
        {"DisjunctDragging",
         [](TGrid &G) {
             G.MouseActions().Set_DisjunctRowSelect(true);
             G.Set_Row(1);
             G.Selecting(true);
         },
         1, 3, {gdSelected}, false, [](const TVisual &V) { return V.State.Contains(gdSelected); }},
        // ... but the current row under the mouse does not, listed or not
        {"DisjunctDraggingCurrent",
         [](TGrid &G) {
             G.MouseActions().Set_DisjunctRowSelect(true);
             G.SetRowSelect(2, true);
             G.Set_Row(2);
             G.Selecting(true);
         },
         1, 2, {gdSelected}, false, [](const TVisual &V) { return !V.State.Contains(gdSelected); }},
        // a listed column shows selected, not the current one while the mouse is down on it
        {"DisjunctColumn",
         [](TGrid &G) {
             G.MouseActions().Set_DisjunctColSelect(true);
             G.SetColSelect(2, true);
         },
         2, 1, {}, false, [](const TVisual &V) { return V.State.Contains(gdSelected); }},
        {"DisjunctColumnDraggedOver",
         [](TGrid &G) {
             G.MouseActions().Set_DisjunctColSelect(true);
             G.SetColSelect(2, true);
             G.Set_Col(2);
             G.Selecting(true);
         },
         2, 1, {}, false, [](const TVisual &V) { return !V.State.Contains(gdSelected); }},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        K.Setup(*G);
        EXPECT_TRUE(K.Want(Visual_Of(*G, K.Col, K.Row, K.State, K.Print)));
    }
}

// The themed box is the platform style's check box; without themes the
// themed style falls back to the classic frame. A tri-state box in state 2
// is drawn grayed in every style that has a grayed form.
TEST(StringGridPaintRules, CheckBoxStyles)
{
    auto Box_Image = [](TControlStyle Style, TCheckBoxState State, bool Themes, int &Rectangles) {
        TSystemInfoGuard Guard;
        System_Info().Theme_Active = Themes;
        auto G = Make_Grid(3, 3);
        G->ControlLook().ControlStyle = Style;
        G->AddCheckBox(1, 1, State);
        TRecordingCanvas C(500, 200);
        G->Paint_On(C);
        Rectangles = 0;
        for (const TCanvasOp &Op : C.Ops())
            if ((Op.Kind == TCanvasOp::Rectangle || Op.Kind == TCanvasOp::RoundRect) && Op.Rect.Width() == 15)
                ++Rectangles;
        const TRect Cell = Inner(*G, 1, 1);
        return C.Image().copy(Cell.Left, Cell.Top, 20, Cell.Height());
    };
    int Rects = 0;
    // themed: drawn by the style, no frame of the grid's own
    const QImage ThemedOn = Box_Image(csTheme, cbChecked, true, Rects);
    EXPECT_EQ(Rects, 0);
    const QImage ThemedOff = Box_Image(csTheme, cbUnchecked, true, Rects);
    EXPECT_NE(ThemedOn, ThemedOff);
    EXPECT_NE(Box_Image(csTheme, cbGrayed, true, Rects), ThemedOn);
    // no themes: the classic frame
    const QImage Fallback = Box_Image(csTheme, cbChecked, false, Rects);
    EXPECT_EQ(Rects, 1);
    EXPECT_EQ(Fallback, Box_Image(csClassic, cbChecked, true, Rects));
    // grayed differs from checked and from unchecked in every style
    for (TControlStyle S : {csClassic, csFlat, csWinXP, csQel, csCorvan, csTheme}) {
        SCOPED_TRACE(static_cast<int>(S));
        const QImage Grayed = Box_Image(S, cbGrayed, true, Rects);
        EXPECT_NE(Grayed, Box_Image(S, cbChecked, true, Rects));
        EXPECT_NE(Grayed, Box_Image(S, cbUnchecked, true, Rects));
    }
}

// The XP progress bar takes its level colours from the grid's progress
// appearance: 95 % lies beyond Level2Perc (90).
TEST(StringGridPaintRules, XPProgressAppearance)
{
    auto G = Make_Grid(3, 3);
    G->Set_ColWidths(1, 200);
    G->Set_Cells(1, 1, QStringLiteral("95"));
    G->AddDarAzidProgress(1, 1, 0, 100);
    G->ProgressAppearance().Set_ShowPercentage(false);
    G->ProgressAppearance().Set_ShowGradient(false);
    G->ProgressAppearance().Set_Level2Color(clFuchsia);
    G->ProgressAppearance().Set_Level2ColorTo(clFuchsia);
    G->ProgressAppearance().Set_Level0Color(clBlue);
    G->ProgressAppearance().Set_Level0ColorTo(clBlue);
    TRecordingCanvas C(500, 200);
    G->Paint_On(C);
    const TRect Cell = Inner(*G, 1, 1);
    const QImage I = C.Image();
    bool SawLast = false;
    for (int X = Cell.Left; X < Cell.Right; ++X)
        SawLast = SawLast || I.pixelColor(X, (Cell.Top + Cell.Bottom) / 2) == QColor(Qt::magenta);
    EXPECT_TRUE(SawLast);
}

TEST(StringGridPaintRules, FixedEdges)
{
    struct TCase { const char *Name; TGridLook Look; std::function<std::vector<std::pair<TColor, TRect>>(TRect)> Lines; };
    // R below is the fixed cell's rectangle inflated by one, as the edges see it
    const TCase Cases[] = {
        // soft: a dark and a white line at the right, a dark bottom line
        {"Soft", glSoft,
         [](TRect R) {
             return std::vector<std::pair<TColor, TRect>>{{clBtnShadow, TRect(R.Right - 1, R.Top, R.Right - 1, R.Bottom + 1)},
                                                          {clWhite, TRect(R.Right, R.Top, R.Right, R.Bottom + 1)},
                                                          {clBtnShadow, TRect(R.Left, R.Bottom, R.Right + 1, R.Bottom)}};
         }},
        // classic: black lines along the right and the bottom, moved in by one at the left and top
        {"Classic", glClassic,
         [](TRect R) {
             return std::vector<std::pair<TColor, TRect>>{{clBlack, TRect(R.Right - 1, R.Top + 1, R.Right - 1, R.Bottom + 1)},
                                                          {clBlack, TRect(R.Left + 1, R.Bottom, R.Right, R.Bottom)}};
         }},
        // XP: a half-fixed-colour line along the bottom
        {"XP", glXP,
         [](TRect R) {
             return std::vector<std::pair<TColor, TRect>>{{HalveColor(clBtnFace), TRect(R.Left, R.Bottom, R.Right, R.Bottom)}};
         }},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        G->Set_Look(glStandard);
        G->Set_Look(K.Look);
        TRecordingCanvas C(500, 200);
        G->Paint_On(C);
        const TRect R = Inner(*G, 1, 0).Inflate(1, 1);
        for (const auto &[Color, Line] : K.Lines(R))
            EXPECT_TRUE(Has_Line(C, Color, Line)) << Line.Left << "," << Line.Top << "-" << Line.Right << "," << Line.Bottom;
    }
}

// A hovered header pressed with the fixed drop-down button on gets a button
// of 16 pixels at its right (separator and down-triangle) and its text room
// ends before it; a column the window refuses gets none.
TEST(StringGridPaintRules, HeaderDropDownButton)
{
    auto Paint = [](bool Allow, bool Down) {
        auto G = Make_Grid();
        G->Set_Look(glWin7);
        G->Set_HoverFixedCells(hfAll);
        G->ControlLook().FixedDropDownButton = true;
        G->OnCanShowFixedDropDown = [Allow](QObject *, int, bool &A) { A = Allow; };
        G->Set_Cells(2, 0, QStringLiteral("Header"));
        G->Set_Hovered_Fixed_Cell(2, 0, Down);
        auto C = std::make_unique<TRecordingCanvas>(500, 200);
        G->Paint_On(*C);
        return std::make_pair(std::move(C), Inner(*G, 2, 0));
    };
    auto Triangles = [](const TRecordingCanvas &C, const TRect &Cell) {
        int N = 0;
        for (const TCanvasOp &Op : C.Ops())
            if (Op.Kind == TCanvasOp::Polygon && Op.Brush.Color == clBlack && Op.Points.size() == 3
                && Op.Points[0].X == Cell.Right - 8 - 3 && Op.Points[2].Y == Cell.Top + 8 + 1)
                ++N;
        return N;
    };
    auto Text_Right = [](const TRecordingCanvas &C) {
        for (const TCanvasOp &Op : C.Ops())
            if (Op.Kind == TCanvasOp::DrawText && Op.Text == QStringLiteral("Header"))
                return Op.Rect.Right;
        return -1;
    };
    const auto [Pressed, Cell] = Paint(true, true);
    EXPECT_EQ(Triangles(*Pressed, Cell), 1);
    const auto [Hovered, Cell2] = Paint(true, false);
    EXPECT_EQ(Triangles(*Hovered, Cell2), 1);
    const auto [Refused, Cell3] = Paint(false, true);
    EXPECT_EQ(Triangles(*Refused, Cell3), 0);
    EXPECT_EQ(Text_Right(*Pressed), Text_Right(*Refused) - 16);
}

// Turned text in the sorted column's sort row carries the sort mark near its
// top right corner.
TEST(StringGridPaintRules, RotatedSortMark)
{
    auto G = Make_Grid();
    G->Set_RowHeights(0, 40);
    G->AddRotated(1, 0, 45, QStringLiteral("turned"));
    G->SortSettings().Set_Show(true);
    G->SortSettings().Column = 1;
    TRecordingCanvas C(500, 200);
    G->Paint_On(C);
    const TRect Cell = Inner(*G, 1, 0);
    int Marks = 0;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::LineTo && (Op.Pen.Color == clWhite || Op.Pen.Color == 0x808080)
            && std::abs(Op.Rect.Left - (Cell.Right - 9)) <= 5 && std::abs(Op.Rect.Top - (Cell.Top + 7)) <= 5)
            ++Marks;
    EXPECT_GE(Marks, 2);
    G->SortSettings().Column = 2;
    C.Clear_Ops();
    G->Paint_On(C);
    Marks = 0;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == TCanvasOp::LineTo && Op.Pen.Color == 0x808080 && std::abs(Op.Rect.Left - (Cell.Right - 9)) <= 5)
            ++Marks;
    EXPECT_EQ(Marks, 0);
}

// A cell button of a flat grid in colour tones takes the tones' faces and
// caption colours: the background tone normally, the hover tone while the
// pointer is over the button (not merely over its cell), the background tone
// again once the pointer leaves the grid.
TEST(StringGridPaintRules, CellButtonToneAndHotState)
{
    auto G = Make_Grid();
    TColorTones T;
    T.Background = {0xF0F0F0, 0x808080, 0x202020};
    T.Foreground = {0x804000, clNone, clWhite};
    T.Selected = {0xFFE0C0, 0x808080, 0x000000};
    T.Hover = {0xC0FFC0, 0x008000, 0x0000C0};
    G->SetColorTones(T);
    G->Set_DefaultRowHeight(24);
    G->AddButton(1, 1, 60, 20, QStringLiteral("Go"), haLeft, vaTop);
    auto Face = [&](TColor &Caption) {
        TRecordingCanvas C(500, 200);
        G->Paint_On(C);
        const TRect B = G->GetCellButtonRect(1, 1);
        Caption = clNone;
        for (const TCanvasOp &Op : C.Ops())
            if (Op.Kind == TCanvasOp::DrawText && Op.Text == QStringLiteral("Go"))
                Caption = Op.Font.Color;
        return C.Image().pixel(B.Left + 3, B.Top + 3) & 0xFFFFFF;
    };
    auto Rgb = [](TColor C) { return To_QColor(C).rgb() & 0xFFFFFF; };
    TColor Caption = clNone;
    EXPECT_EQ(Face(Caption), Rgb(T.Background.BrushColor));
    EXPECT_EQ(Caption, T.Background.TextColor);
    const TRect B = G->GetCellButtonRect(1, 1);
    const TRect Cell = G->CellRect(1, 1);
    // over the cell but beside the button: not hot
    G->Move_Mouse(Cell.Right - 3, Cell.Top + 3);
    EXPECT_EQ(G->Hot_Button_Cell().X, -1);
    G->Move_Mouse(B.Left + 5, B.Top + 5);
    EXPECT_EQ(G->Hot_Button_Cell().X, 1);
    EXPECT_EQ(G->Hot_Button_Cell().Y, 1);
    EXPECT_EQ(Face(Caption), Rgb(T.Hover.BrushColor));
    EXPECT_EQ(Caption, T.Hover.TextColor);
    QEvent Leave(QEvent::Leave);
    QCoreApplication::sendEvent(G.get(), &Leave);
    EXPECT_EQ(G->Hot_Button_Cell().X, -1);
    EXPECT_EQ(Face(Caption), Rgb(T.Background.BrushColor));
}

// Radio glyphs larger than RadioSize are centred on the mark's place, so
// that they sit in the row's middle and stay clear of the item texts.
TEST(StringGridPaintRules, RadioGlyphsCentredOnTheMark)
{
    for (const int Size : {10, 20}) {
        SCOPED_TRACE(Size);
        auto G = Make_Grid();
        G->ControlLook().ControlStyle = csGlyph;
        G->ControlLook().RadioSize = Size;
        QImage On(16, 16, QImage::Format_ARGB32), Off(16, 16, QImage::Format_ARGB32);
        On.fill(Qt::red);
        Off.fill(Qt::blue);
        G->ControlLook().RadioOnGlyph = On;
        G->ControlLook().RadioOffGlyph = Off;
        G->AddRadio(1, 1, 0, 0, {QStringLiteral("A"), QStringLiteral("B")});
        TRecordingCanvas C(500, 200);
        G->Paint_On(C);
        std::vector<TRect> Glyphs;
        std::vector<int> TextX;
        for (const TCanvasOp &Op : C.Ops()) {
            if (Op.Kind == TCanvasOp::Draw && Op.Rect.Width() == 16)
                Glyphs.push_back(Op.Rect);
            if (Op.Kind == TCanvasOp::TextOut && (Op.Text == QStringLiteral("A") || Op.Text == QStringLiteral("B")))
                TextX.push_back(Op.Rect.Left);
        }
        ASSERT_EQ(Glyphs.size(), 2u);
        ASSERT_EQ(TextX.size(), 2u);
        for (size_t I = 0; I < 2; ++I) {
            EXPECT_LE(Glyphs[I].Right, TextX[I]);
            // the glyph's middle is the mark's middle (the text stands RadioSize + 4 after the mark)
            EXPECT_EQ(Glyphs[I].Left + 8, TextX[I] - (Size + 4) + Size / 2);
        }
    }
}

// With hcFixed among the hover-row cells, the fixed cell of the hovered row
// loses its fixed face and shows the row's hover colour; the other fixed
// cells keep the face.
TEST(StringGridPaintRules, HoveredRowTakesItsFixedCell)
{
    for (const bool WithFixed : {false, true}) {
        SCOPED_TRACE(WithFixed);
        auto G = Make_Grid();
        G->Set_Look(glXP);
        G->Set_HoverRow(true);
        G->Set_HoverRowColor(clLime);
        G->Set_HoverRowCells(WithFixed ? THoverRowCells{hcNormal, hcFixed} : THoverRowCells{hcNormal});
        G->Set_HoverRowIdx(2);
        TRecordingCanvas C(500, 200);
        G->Paint_On(C);
        const QImage Img = C.Image();
        auto Middle = [&](int ARow) {
            const TRect R = Inner(*G, 0, ARow);
            return Img.pixel((R.Left + R.Right) / 2, R.Top + 3) & 0xFFFFFF;
        };
        const QRgb Lime = To_QColor(clLime).rgb() & 0xFFFFFF;
        EXPECT_NE(Middle(3), Lime);
        if (WithFixed)
            EXPECT_EQ(Middle(2), Lime);
        else
            EXPECT_EQ(Middle(2), Middle(3));
    }
}
