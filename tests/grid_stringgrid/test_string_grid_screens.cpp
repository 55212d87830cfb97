// Screenshots of a window holding a string grid with every look and a sample
// of every graphic kind, in a few states (written to the test-output folder).
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/SystemInfo.h"
#include <QDir>
#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
QImage Glyph(TColor Fill)
{
    QImage I(14, 14, QImage::Format_ARGB32);
    I.fill(Qt::transparent);
    QPainter P(&I);
    P.setBrush(To_QColor(Fill));
    P.setPen(Qt::black);
    P.drawRect(1, 1, 11, 11);
    return I;
}

// A cell that draws itself: a small two-colour bar chart.
class TChart : public TCellDrawInterface {
public:
    void Draw(TCanvas &Canvas, const TRect &R, int, int, bool) override
    {
        const int W = std::max(1, R.Width() / 4);
        const int Heights[] = {40, 80, 60, 100};
        for (int I = 0; I < 4; ++I) {
            const int H = (R.Height() - 2) * Heights[I] / 100;
            Canvas.Brush.Color = I % 2 ? clTeal : clNavy;
            Canvas.FillRect(TRect(R.Left + I * W + 1, R.Bottom - 1 - H, R.Left + (I + 1) * W, R.Bottom - 1));
        }
    }
    QSize GetSize(int, int) const override { return QSize(48, 0); }
};

// A grid that says it has nodes (the node rows are set up by hand here).
class TNodeGrid : public RIraRevadiVizo {
public:
    using RIraRevadiVizo::RIraRevadiVizo;
    bool HasNodes() override { return true; }
};

// The demo grid: column 0 names the kind, column 1 shows it, column 2 a
// value beside it, column 3 a number; column 4 is hidden (its text must not
// show anywhere) and column 5 shows after it.
struct TDemo {
    QWidget Window;
    RIraRevadiVizo *Grid;
    TCellBitmap Bitmap{Glyph(clLime)};
    TCellBitmap Picture{Glyph(clFuchsia).scaled(40, 20)};
    TImageList Images{14, 14};
    TCellIcon Icon{QIcon(QPixmap::fromImage(Glyph(clAqua))), QSize(14, 14)};
    TChart Chart;
    int Chart_Row = 0;

    TDemo()
    {
        Window.resize(520, 900);
        auto *L = new QVBoxLayout(&Window);
        L->setContentsMargins(4, 4, 4, 4);
        Grid = new TNodeGrid(&Window);
        L->addWidget(Grid);
        RIraRevadiVizo &G = *Grid;
        G.Set_ColCount(6);
        G.Set_RowCount(37);
        G.Set_DefaultColWidth(80);
        G.Set_ColWidths(0, 110);
        G.Set_ColWidths(1, 130);
        const QStringList Heads{"Kind", "Graphic", "Value", "Number", "Hidden", "Shown"};
        for (int C = 0; C < 6; ++C)
            G.Set_Cells(C, 0, Heads[C]);
        int R = 1;
        auto Row = [&](const QString &Name, const QString &Value) {
            G.Set_Cells(0, R, Name);
            G.Set_Cells(2, R, Value);
            G.Set_Cells(3, R, QString::number(R * 12.5, 'f', 1));
            G.Set_Cells(4, R, QStringLiteral("HIDDEN"));
            G.Set_Cells(5, R, QStringLiteral("shown %1").arg(R));
            return R++;
        };
        int K = Row("check box", "on");
        G.Set_Cells(1, K, "ticked");
        G.AddCheckBox(1, K, true, false);
        K = Row("check box", "off");
        G.AddCheckBox(1, K, false, false);
        K = Row("data check box", "");
        G.Set_Cells(1, K, "Y");
        G.AddCheckBox(1, K, true, true);
        K = Row("tri-state", "grayed");
        G.AddCheckBox(1, K, cbGrayed);
        K = Row("radio button", "on");
        G.AddRadioButton(1, K, true);
        K = Row("radio button", "off");
        G.AddRadioButton(1, K, false);
        K = Row("radio group", "");
        G.AddRadio(1, K, 1, 1, {"A", "B", "C"});
        K = Row("progress", "");
        G.Set_Cells(1, K, "65");
        G.AddProgress(1, K, clHighlight, clWhite);
        K = Row("XP progress", "");
        G.Set_Cells(1, K, "40");
        G.AddDarAzidProgress(1, K, 0, 100);
        K = Row("progress pie", "75 %");
        G.AddProgressPie(1, K, clGreen, 75);
        K = Row("range indicator", "");
        G.Set_Cells(1, K, "-30");
        G.AddRangeIndicator(1, K, 100, clRed, clGreen, true);
        K = Row("comment", "red corner");
        G.Set_Cells(1, K, "see note");
        G.AddComment(1, K, "a note");
        K = Row("button", "");
        G.AddButton(1, K, 60, 18, "Press", haCenter, vaCenter);
        K = Row("bit button", "");
        G.AddBitButton(1, K, 70, 18, "Glyph", &Bitmap, haLeft, vaCenter);
        K = Row("expand", "");
        G.AddExpand(1, K, 40);
        K = Row("shape", "circle");
        G.AddShape(1, K, csCircle, clYellow, clBlack, haLeft, vaTop);
        K = Row("rating", "2.5 of 5");
        G.Set_Cells(1, K, "2.5");
        G.AddRating(1, K, 5, clYellow, clSilver);
        K = Row("bitmap", "");
        G.Set_Cells(1, K, "beside");
        G.AddBitmap(1, K, &Bitmap, false, haBeforeText, vaTop);
        K = Row("picture", "");
        G.AddPicture(1, K, &Picture, false, noStretch, 0, haLeft, vaTop);
        K = Row("marker", "");
        G.Set_Cells(1, K, "mispelled");
        G.AddMarker(1, K, 2, 4);
        K = Row("markup", "");
        G.Set_Cells(1, K, "<b>bold</b> and <i>italic</i>");
        K = Row("rich text", "");
        G.Set_Cells(1, K, QStringLiteral("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;} plain {\\b bold} {\\cf1 red}}"));
        K = Row("own colour", "");
        G.Set_Cells(1, K, "cream");
        G.GetCellProperties(1, K)->Set_BrushColor(clCream);
        K = Row("right aligned", "");
        G.Set_Cells(1, K, "right");
        G.GetCellProperties(1, K)->Set_Alignment(taRightJustify);
        for (TColor C : {clRed, clGreen, clBlue})
            Images.Add(Glyph(C));
        G.Set_GridImages(&Images);
        K = Row("image list", "");
        G.Set_Cells(1, K, "second");
        G.AddImageIdx(1, K, 1, haBeforeText, vaTop);
        K = Row("images", "");
        G.AddMultiImage(1, K, 0, haLeft, vaTop);
        for (int I : {0, 1, 2, 1})
            G.GetCellImages(1, K)->Add(I);
        K = Row("icon", "");
        G.Set_Cells(1, K, "aqua icon");
        G.AddIcon(1, K, &Icon, haBeforeText, vaCenter);
        K = Row("file picture", "");
        {
            const QString File = QDir(Test_Output_Dir()).filePath(QStringLiteral("screens_file_picture.png"));
            Glyph(clOlive).scaled(28, 28).save(File);
            G.CreateFilePicture(1, K, false, ShrinkWithAspectRatio, 0, haCenter, vaCenter)->Picture.Set_Filename(File);
        }
        K = Chart_Row = Row("self-drawn", "");
        G.Set_Cells(1, K, "chart");
        G.AddInterfacedCell(1, K, &Chart);
        K = Row("scroll bar", "");
        G.Set_Cells(1, K, "line 1\nline 2\nline 3\nline 4");
        G.AddScrollBar(1, K, true);
        G.SetScrollPosition(1, K, 6);
        K = Row("rotated", "");
        G.AddRotated(1, K, 20, "tilted");
        G.Set_RowHeights(K, 30);
        // a node over three rows with a nested node over the last two, and a contracted node
        auto Node = [&](int At, int Span, bool Contracted) {
            TCellGraphic *N = G.CreateCellGraphic(0, At);
            N->CellType = ctNode;
            N->CellIndex = Span;
            N->CellBoolean = Contracted;
            N->CellHAlign = haBeforeText;
            N->CellVAlign = vaCenter;
            for (int I = At; I < At + Span; ++I)
                G.GetCellProperties(0, I)->Set_NodeLevel(G.GetCellProperties(0, I)->NodeLevel() + 1);
        };
        const int First = Row("", "node");
        Row("", "child");
        Row("", "nested node");
        Row("", "nested child");
        Node(First, 4, false);
        Node(First + 2, 2, false);
        Node(Row("", "contracted"), 1, true);
        for (int I = First; I < R; ++I)
            G.Set_Cells(0, I, QStringLiteral("row %1").arg(I));
        G.Set_MultilineCells(true);
        G.Set_AutoNumAlign(true);
        G.SortSettings().Set_Show(true);
        G.SortSettings().Column = 3;
        G.HideColumn(4);
    }
};

struct TShot { const char *Name; std::function<void(RIraRevadiVizo &)> Setup; };
}

TEST(StringGridScreens, EveryLookAndGraphic)
{
    const TShot Shots[] = {
        {"standard", [](RIraRevadiVizo &G) { G.Set_Look(glStandard); }},
        {"soft", [](RIraRevadiVizo &G) { G.Set_Look(glSoft); }},
        {"classic", [](RIraRevadiVizo &G) { G.Set_Look(glClassic); G.CellNode().Set_NodeType(cnFlat); }},
        {"qel", [](RIraRevadiVizo &G) { G.Set_Look(glQel); G.ControlLook().ControlStyle = csQel; G.CellNode().Set_NodeType(cn3D); }},
        {"xp", [](RIraRevadiVizo &G) { G.Set_Look(glXP); G.ControlLook().ControlStyle = csWinXP; }},
        // combo and spin buttons shown in every cell that has them
        {"listview_buttons",
         [](RIraRevadiVizo &G) {
             G.Set_Look(glListView);
             G.ControlLook().DropDownAlwaysVisible = true;
             G.ControlLook().SpinButtonsAlwaysVisible = true;
             G.OnHasComboBox = [](QObject *, int ACol, int, bool &Has) { Has = ACol == 2; };
             G.OnHasSpinEdit = [](QObject *, int ACol, int, bool &Has) { Has = ACol == 5; };
         }},
        {"vista", [](RIraRevadiVizo &G) { G.Set_Look(glVista); G.CellNode().Set_NodeType(cnLeaf); }},
        // the header under the pointer, and one pressed
        {"win7_hover",
         [](RIraRevadiVizo &G) {
             G.Set_Look(glWin7);
             G.Set_HoverFixedCells(hfAll);
             G.Set_Hovered_Fixed_Cell(2, 0, false);
         }},
        {"win7_pressed",
         [](RIraRevadiVizo &G) {
             G.Set_Look(glWin7);
             G.Set_HoverFixedCells(hfAll);
             G.Set_Hovered_Fixed_Cell(2, 0, true);
         }},
        {"win7", [](RIraRevadiVizo &G) { G.Set_Look(glWin7); }},
        {"office2007", [](RIraRevadiVizo &G) { G.Set_Look(glOffice2007); G.ControlLook().ControlStyle = csCorvan; }},
        {"office2010blue", [](RIraRevadiVizo &G) { G.SetStyle(gsOffice2010Blue); }},
        // selected range with the colour mixer and bands
        {"selection_bands",
         [](RIraRevadiVizo &G) {
             G.Bands().Set_Active(true);
             G.Set_SelectionColorMixer(true);
             G.Set_Selection(TGridRect{1, 2, 3, 6});
         }},
        // one vertical gradient behind the normal cells
        {"background_gradient",
         [](RIraRevadiVizo &G) {
             TBackGround BG;
             BG.Display = bdGradientVert;
             BG.Color = clWhite;
             BG.ColorTo = RGB_Color(120, 160, 220);
             G.Set_BackGround(BG);
         }},
        // the row indicator, the filter row's funnel and a sizing line
        {"indicator_filter_sizing",
         [](RIraRevadiVizo &G) {
             G.Set_Row(3);
             QImage Arrow(10, 10, QImage::Format_ARGB32);
             Arrow.fill(Qt::transparent);
             QPainter P(&Arrow);
             P.setBrush(Qt::black);
             const QPoint Pts[] = {{2, 1}, {8, 5}, {2, 9}};
             P.drawPolygon(Pts, 3);
             G.Set_RowIndicator(Arrow);
             G.OnGetColumnFilter = [](QObject *, int Column, QStringList &L) {
                 if (Column >= 2)
                     L << QStringLiteral("a");
             };
             G.DrawColSizingLine(G.CellRect(2, 0).Right);
         }},
        // a pressed header with its drop-down button
        {"header_dropdown",
         [](RIraRevadiVizo &G) {
             G.Set_Look(glOffice2007);
             G.Set_HoverFixedCells(hfAll);
             G.ControlLook().FixedDropDownButton = true;
             G.Set_Hovered_Fixed_Cell(2, 0, true);
         }},
        // no platform themes: themed boxes fall back to the classic frame
        {"no_themes", [](RIraRevadiVizo &G) { System_Info().Theme_Active = false; G.Set_Look(glStandard); }},
        // disabled: check boxes grayed, text in the disabled colour
        {"disabled", [](RIraRevadiVizo &G) { G.setEnabled(false); }},
        // colour tones: flat look with glyph check boxes
        {"tones",
         [](RIraRevadiVizo &G) {
             TColorTones T;
             T.Background = {clWhite, clSilver, clBlack};
             T.Foreground = {RGB_Color(0, 114, 198), clNone, clWhite};
             T.Selected = {RGB_Color(205, 230, 247), clNone, clBlack};
             G.SetColorTones(T);
             G.ControlLook().CheckedGlyph = Glyph(clGreen);
             G.ControlLook().UnCheckedGlyph = Glyph(clWhite);
         }},
    };
    for (const TShot &S : Shots) {
        SCOPED_TRACE(S.Name);
        TSystemInfoGuard Themes;
        TDemo D;
        S.Setup(*D.Grid);
        D.Window.show();
        QApplication::processEvents();
        const QString Path = Save_Screenshot(&D.Window, QStringLiteral("string_grid_%1").arg(S.Name));
        const QImage Img(Path);
        ASSERT_EQ(Img.size(), D.Window.size());
        // the self-drawn chart paints its navy and teal bars in every look
        const QRect Chart = D.Grid->CellRect(1, D.Chart_Row).To_QRect().translated(D.Grid->viewport()->mapTo(&D.Window, QPoint(0, 0)));
        EXPECT_GT(Count_Colour(Img, Chart, To_QColor(clNavy)), 100);
        EXPECT_GT(Count_Colour(Img, Chart, To_QColor(clTeal)), 100);
    }
}
