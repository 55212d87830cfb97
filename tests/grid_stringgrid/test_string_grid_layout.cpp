// The string grid's layout persistence: column states, the visual-properties
// file and the print-settings section, with their malformed inputs.
#include "TestSupport.h"
#include "grid/model/GridLayout.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    for (int C = 0; C < Cols; ++C) {
        G->Set_ColWidths(C, 50 + 10 * C);
        G->Set_Cells(C, 1, QStringLiteral("c%1").arg(C));
    }
    return G;
}

QStringList Row_Texts(RIraRevadiVizo &G, int R)
{
    QStringList L;
    for (int C = 0; C < G.ColCount(); ++C)
        L << G.Cells(C, R);
    return L;
}
} // namespace

TEST(StringGridLayout, ColumnStatesText)
{
    auto G = Make_Grid(3);
    G->Set_ColWidths(0, 64);
    G->Set_ColWidths(1, 100);
    G->Set_ColWidths(2, 80);
    EXPECT_EQ(G->ColumnStatesToString(), QStringLiteral("3#64,100,80#0,1,2#1,1,1"));
    // a hidden column writes the default width at the end and "0" at its real index
    auto H = Make_Grid(4);
    H->HideColumn(1);
    EXPECT_EQ(H->ColumnStatesToString(), QStringLiteral("4#50,70,80,64#0,1,2,3#1,0,1,1"));
}

TEST(StringGridLayout, ColumnStatesRoundTrip)
{
    auto G = Make_Grid(4);
    G->HideColumn(2);
    const QString Saved = QStringLiteral("4#11,22,33,64#3,0,1,2#1,1,0,1");
    ASSERT_TRUE(G->StringToColumnStates(Saved));
    // position 0 shows the column that was 3; the column that was 1 is hidden
    EXPECT_EQ(G->TotalColCount(), 4);
    EXPECT_EQ(G->ColCount(), 3);
    EXPECT_TRUE(G->IsHiddenColumn(2));
    EXPECT_EQ(G->Cells(0, 1), QStringLiteral("c3"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("c0"));
    EXPECT_EQ(G->Cells(2, 1), QStringLiteral("c1"));
    EXPECT_EQ(G->ColWidths(0), 11);
    EXPECT_EQ(G->ColWidths(2), 33);
    EXPECT_EQ(G->ColumnStatesToString(), QStringLiteral("4#11,22,33,64#3,0,1,2#1,1,0,1"));
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
}

// Moves keep the column order in step: the text written after moving columns
// rebuilds the same arrangement in a fresh grid and changes nothing in the
// grid that wrote it.
TEST(StringGridLayout, ColumnStatesFollowMovedColumns)
{
    auto G = Make_Grid(4);
    EXPECT_TRUE(G->ColumnOrder().empty());
    G->MoveColumn(3, 1);   // c0 c3 c1 c2
    G->MoveColumn(0, 2);   // c3 c1 c0 c2
    EXPECT_EQ(Row_Texts(*G, 1), (QStringList{"c3", "c1", "c0", "c2"}));
    // the widths travel with their columns
    EXPECT_EQ(G->ColWidths(0), 80);
    EXPECT_EQ(G->ColWidths(2), 50);
    const QString Saved = G->ColumnStatesToString();
    EXPECT_EQ(Saved, QStringLiteral("4#80,60,50,70#3,1,0,2#1,1,1,1"));

    auto Fresh = Make_Grid(4);
    ASSERT_TRUE(Fresh->StringToColumnStates(Saved));
    EXPECT_EQ(Row_Texts(*Fresh, 1), Row_Texts(*G, 1));
    EXPECT_EQ(Fresh->ColumnStatesToString(), Saved);

    ASSERT_TRUE(G->StringToColumnStates(Saved));
    EXPECT_EQ(Row_Texts(*G, 1), (QStringList{"c3", "c1", "c0", "c2"}));
    EXPECT_EQ(G->ColumnStatesToString(), Saved);
    // back to the first arrangement
    ASSERT_TRUE(G->StringToColumnStates(QStringLiteral("4#1,2,3,4#0,1,2,3#1,1,1,1")));
    EXPECT_EQ(Row_Texts(*G, 1), (QStringList{"c0", "c1", "c2", "c3"}));
    EXPECT_EQ(G->Model().Check_Consistency(), QString());
}

TEST(StringGridLayout, ColumnStatesMalformedChangeNothing)
{
    for (const char *Text : {"no sections", "3#1,2#0,1,2#1,1,1", "3#1,2,3#0,0,1#1,1,1", "3#1,2,x#0,1,2#1,1,1"}) {
        SCOPED_TRACE(Text);
        auto G = Make_Grid(3);
        G->HideColumn(1);
        const QString Before = G->ColumnStatesToString();
        const QStringList Cells = Row_Texts(*G, 1);
        EXPECT_FALSE(G->StringToColumnStates(QString::fromUtf8(Text)));
        EXPECT_EQ(G->ColumnStatesToString(), Before);
        EXPECT_EQ(Row_Texts(*G, 1), Cells);
    }
}

// A new arrangement is applied in one pass unless something follows single
// moves; both ways must end alike: cells (and a sound model where a merged
// block stood), widths with and without EnhRowColMove, the current cell,
// hidden columns with their remembered widths and the text written back.
TEST(StringGridLayout, ColumnStatesOnePassMatchesSingleMoves)
{
    struct TCase {
        const char *Text;
        bool EnhRowColMove;
    };
    const TCase Cases[] = {
        {"6#11,12,13,14,15,16#5,4,3,2,1,0#1,1,1,1,1,1", true},
        {"6#11,12,13,14,15,16#5,4,3,2,1,0#1,1,1,1,1,1", false},
        {"6#11,12,13,14,15,16#2,0,1,5,3,4#1,0,1,1,0,1", true},
        {"6#11,12,13,14,15,16#0,1,2,3,5,4#0,1,1,1,1,1", false},
        {"6#11,12,13,14,15,16#-1,3,-1,4,5,0,1,2#1,1,1,0,0,0", true},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Text);
        std::vector<std::string> Singles;
        auto Load = [&](bool Observed) {
            auto G = Make_Grid(6);
            G->Set_EnhRowColMove(Case.EnhRowColMove);
            G->MoveColumn(4, 1);   // a starting arrangement other than the identity
            G->MergeCells(2, 2, 2, 1);
            G->Set_Col(3);
            if (Observed)
                G->OnColumnMoved = [&](TStringGrid *, int From, int To) {
                    Singles.push_back(std::to_string(From) + ">" + std::to_string(To));
                };
            EXPECT_TRUE(G->StringToColumnStates(QString::fromUtf8(Case.Text)));
            return G;
        };
        auto Moved = Load(true);
        auto OnePass = Load(false);
        EXPECT_FALSE(Singles.empty());
        EXPECT_EQ(Row_Texts(*OnePass, 1), Row_Texts(*Moved, 1));
        EXPECT_EQ(OnePass->ColumnStatesToString(), Moved->ColumnStatesToString());
        EXPECT_EQ(OnePass->ColumnOrder(), Moved->ColumnOrder());
        EXPECT_EQ(OnePass->Col(), Moved->Col());
        for (int C = 0; C < OnePass->TotalColCount(); ++C) {
            EXPECT_EQ(OnePass->IsHiddenColumn(C), Moved->IsHiddenColumn(C)) << C;
            EXPECT_EQ(OnePass->Model().Hidden_Col_Width(C), Moved->Model().Hidden_Col_Width(C)) << C;
        }
        EXPECT_EQ(OnePass->Model().Check_Consistency(), QString());
    }
}

// The largest arrangement a text may hold, reversed with every third column
// hidden, loads whole; a text one column larger, or with more entries than
// columns, is refused before the grid changes.
TEST(StringGridLayout, ColumnStatesLargestTextLoads)
{
    constexpr int N = Layout_Max_Columns;
    TColumnStates S;
    S.Count = N;
    for (int I = 0; I < N; ++I) {
        S.Order.push_back(N - 1 - I);
        S.Widths.push_back(10 + I % 7);
        S.Visible.push_back(I % 3 != 1);
    }
    const QString Text = Column_States_To_String(S);
    RIraRevadiVizo G;
    G.Set_RowCount(2);
    G.Set_ColCount(N);
    G.Set_Cells(0, 1, QStringLiteral("first"));
    G.Set_Cells(N - 1, 1, QStringLiteral("last"));
    ASSERT_TRUE(G.StringToColumnStates(Text));
    EXPECT_EQ(G.TotalColCount(), N);
    EXPECT_EQ(G.ColCount(), N - N / 3);
    EXPECT_EQ(G.Cells(0, 1), QStringLiteral("last"));
    EXPECT_FALSE(G.IsHiddenColumn(N - 1));
    EXPECT_EQ(G.Cells(N - 1, 1), QStringLiteral("first"));
    EXPECT_EQ(G.ColWidths(1), 11);
    EXPECT_EQ(G.ColumnOrder(), S.Order);
    EXPECT_EQ(G.Model().Check_Consistency(), QString());

    const QString Before = G.ColumnStatesToString();
    TColumnStates Big = S;
    Big.Count = N + 1;
    Big.Order.push_back(N);
    Big.Widths.push_back(10);
    Big.Visible.push_back(true);
    EXPECT_FALSE(G.StringToColumnStates(Column_States_To_String(Big)));
    EXPECT_FALSE(G.StringToColumnStates(QStringLiteral("2#") + QStringLiteral("1,").repeated(1 << 20)
                                        + QStringLiteral("1#0,1#1,1")));
    EXPECT_EQ(G.ColumnStatesToString(), Before);
}

TEST(StringGridLayout, VisualPropsRoundTrip)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("look.txt"));
    RIraRevadiVizo A;
    // The look first: choosing one resets its family of colours.
    A.Set_Look(glWin7);
    A.Set_Color(clYellow);
    A.Set_SelectionColor(0x123456);
    A.Set_ActiveCellShow(true);
    TFont F = A.Font();
    F.Name = QStringLiteral("Courier New");
    F.Size = 11;
    F.Style = TFontStyles{fsBold, fsItalic};
    A.Set_Font(F);
    A.Grouping().HeaderColor = clAqua;
    A.Grouping().SummaryLineWidth = 3;
    A.Bands().Set_Active(true);
    A.Set_URLShow(true);
    A.ControlLook().Set_RadioSize(12);
    A.ControlLook().Set_FixedGradientTo(clTeal);
    A.SortSettings().IndexColor = clFuchsia;
    A.SearchFooter().Set_ColorTo(clNavy);
    TBackGround Back = A.BackGround();
    Back.Display = bdGradientVert;
    Back.Top = -4;
    A.Set_BackGround(Back);
    A.SaveVisualProps(Path);
    const QByteArray Data = Read_File(Path);
    // the grid's own values, not placeholders
    EXPECT_TRUE(Data.contains("\r\nURLShow=true\r\n"));
    EXPECT_TRUE(Data.contains("\r\nControlLook.CheckSize=15\r\nControlLook.RadioSize=12\r\n"));
    EXPECT_TRUE(Data.startsWith("Color=clYellow\r\nHintColor=clInfoBk\r\n"));
    EXPECT_TRUE(Data.contains("\r\nFont.Style=fsBold,fsItalic\r\nFont.Size=11\r\nFont.Name=Courier New\r\n"));
    EXPECT_TRUE(Data.contains("\r\nLook=glWin7\r\n"));

    RIraRevadiVizo B;
    B.LoadVisualProps(Path);
    EXPECT_EQ(B.Color(), clYellow);
    EXPECT_EQ(B.SelectionColor(), 0x123456);
    EXPECT_TRUE(B.ActiveCellShow());
    EXPECT_EQ(B.Font(), A.Font());
    EXPECT_EQ(B.Look(), glWin7);
    EXPECT_EQ(B.Grouping().HeaderColor, clAqua);
    EXPECT_EQ(B.Grouping().SummaryLineWidth, 3);
    EXPECT_TRUE(B.Bands().Active());
    EXPECT_TRUE(B.URLShow());
    EXPECT_EQ(B.ControlLook().RadioSize, 12);
    EXPECT_EQ(B.ControlLook().Fixed().To, clTeal);
    EXPECT_EQ(B.SortSettings().IndexColor, clFuchsia);
    EXPECT_EQ(B.SearchFooter().ColorTo(), clNavy);
    EXPECT_EQ(B.BackGround().Display, bdGradientVert);
    EXPECT_EQ(B.BackGround().Top, -4);
    // written again, the file is the same
    const QString Again = Dir.filePath(QStringLiteral("again.txt"));
    B.SaveVisualProps(Again);
    EXPECT_EQ(Read_File(Again), Data);
}

TEST(StringGridLayout, VisualPropsValues)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("look.txt"));
    RIraRevadiVizo Base;
    Base.SaveVisualProps(Path);
    const QByteArray Good = Read_File(Path);
    struct TCase { const char *Name; QByteArray From, To; std::function<void(RIraRevadiVizo &)> Check; };
    const TCase Cases[] = {
        // a Boolean is true only for "true" in any letter case
        {"BoolAnyCase", "URLShow=false", "URLShow=True", [](RIraRevadiVizo &G) { EXPECT_TRUE(G.URLShow()); }},
        {"BoolYes", "URLShowInText=false", "urlshowintext=yes", [](RIraRevadiVizo &G) { EXPECT_FALSE(G.URLShowInText()); }},
        // the control look, footer, sort and background keys reach the grid itself
        {"ControlLookColour", "ControlLook.CommentColor=clRed", "ControlLook.CommentColor=clBlue",
         [](RIraRevadiVizo &G) { EXPECT_EQ(G.ControlLook().CommentColor, clBlue); }},
        {"ControlLookStyle", "ControlLook.ControlStyle=csTheme", "ControlLook.ControlStyle=csflat",
         [](RIraRevadiVizo &G) { EXPECT_EQ(G.ControlLook().ControlStyle, csFlat); }},
        {"SearchFooterColour", "SearchFooter.Color=clWhite", "SearchFooter.Color=clLime",
         [](RIraRevadiVizo &G) { EXPECT_EQ(G.SearchFooter().Color(), clLime); }},
        {"BackGroundCells", "BackGround.Cells=bcNormal", "BackGround.Cells=bcAll",
         [](RIraRevadiVizo &G) { EXPECT_EQ(G.BackGround().Cells, bcAll); }},
        // a missing colour key gives clNone
        {"MissingColor", "Color=clWindow\r\n", "", [](RIraRevadiVizo &G) { EXPECT_EQ(G.Color(), clNone); }},
        // a name outside the list leaves the setting
        {"UnknownLook", "Look=glXP", "Look=glNoSuch", [](RIraRevadiVizo &G) { EXPECT_EQ(G.Look(), glClassic); }},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QByteArray Data = Good;
        ASSERT_TRUE(Data.contains(C.From));
        Data.replace(C.From, C.To);
        Write_File(Path, Data);
        RIraRevadiVizo G;
        G.Set_Look(glClassic);
        G.LoadVisualProps(Path);
        C.Check(G);
    }
}

TEST(StringGridLayout, VisualPropsMalformedApplyNothing)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("look.txt"));
    RIraRevadiVizo Base;
    Base.SaveVisualProps(Path);
    const QByteArray Good = Read_File(Path);
    struct TCase { const char *Name; QByteArray From, To; };
    const TCase Cases[] = {
        {"SizeNotNumber", "Font.Size=8", "Font.Size=big"},
        {"SizeMissing", "Font.Size=8\r\n", ""},
        {"SizeUnbounded", "Font.Size=8", "Font.Size=900000"},
        {"TransparencyOutOfRange", "Balloon.Transparency=0", "Balloon.Transparency=300"},
        {"ColorGarbage", "GridLineColor=clSilver", "GridLineColor=%%%"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QByteArray Data = Good;
        ASSERT_TRUE(Data.contains(C.From));
        Data.replace(C.From, C.To);
        Data.replace("Color=clWindow\r\n", "Color=clRed\r\n");   // read before the damage
        Write_File(Path, Data);
        RIraRevadiVizo G;
        EXPECT_THROW(G.LoadVisualProps(Path), std::exception);
        EXPECT_EQ(G.Color(), clWindow);
    }
    RIraRevadiVizo G;
    EXPECT_THROW(G.LoadVisualProps(Dir.filePath(QStringLiteral("missing.txt"))), std::runtime_error);
    EXPECT_THROW(G.SaveVisualProps(Dir.filePath(QStringLiteral("no/such/dir/x.txt"))), std::runtime_error);
}

TEST(StringGridLayout, PrintSettings)
{
    QTemporaryDir Dir;
    const QString Ini = Dir.filePath(QStringLiteral("print.ini"));
    // an empty section gives the defaults
    RIraRevadiVizo G;
    G.PrintSettings().Date = ppTopLeft;
    G.LoadPrintSettings(Ini, QStringLiteral("Print"));
    const TPrintSettings &P = G.PrintSettings();
    EXPECT_TRUE(P.Centered);
    EXPECT_EQ(P.LeftSize, 100);
    EXPECT_EQ(P.ColumnSpacing, 20);
    EXPECT_EQ(P.Font.Name, QStringLiteral("Arial"));
    EXPECT_EQ(P.HeaderFont.Size, 10);
    EXPECT_EQ(P.Date, ppNone);
    EXPECT_EQ(P.Title, ppNone);

    // a round trip keeps every setting, the font style exactly
    RIraRevadiVizo A;
    TPrintSettings &S = A.PrintSettings();
    S.TitleLines = QStringList{QStringLiteral("A"), QStringLiteral("B")};
    S.Font.Style = TFontStyles{fsItalic};
    S.HeaderFont.Style = TFontStyles{};
    S.Orientation = poLandscape;
    S.Borders = pbAround;
    S.PageNr = ppBottomCenter;
    S.DateFormat = QStringLiteral("yyyy");
    S.Centered = false;
    A.SavePrintSettings(Ini, QStringLiteral("Print"));
    EXPECT_TRUE(Read_File(Ini).contains("TitleLines=A\\nB\\n\r\n"));
    RIraRevadiVizo B;
    B.PrintSettings().HeaderFont.Style = TFontStyles{fsBold};
    B.LoadPrintSettings(Ini, QStringLiteral("Print"));
    const TPrintSettings &T = B.PrintSettings();
    EXPECT_EQ(T.TitleLines, S.TitleLines);
    EXPECT_EQ(T.Font.Style, S.Font.Style);
    EXPECT_EQ(T.HeaderFont.Style, TFontStyles{});   // saved as 0: bold is cleared
    EXPECT_EQ(T.Orientation, poLandscape);
    EXPECT_EQ(T.Borders, pbAround);
    EXPECT_EQ(T.PageNr, ppBottomCenter);
    EXPECT_EQ(T.DateFormat, QStringLiteral("yyyy"));
    EXPECT_FALSE(T.Centered);

    // a damaged value refuses the whole section; out-of-list ordinals leave their setting
    struct TCase { const char *Name; const char *Line; bool Throws; };
    const TCase Cases[] = {
        {"SpacingNotNumber", "ColumnSpacing=x", true},
        {"MarginUnbounded", "LeftSize=99999999", true},
        {"FontSizeZero", "FontSize=0", true},
        {"StyleBeyondBits", "FontStyle=16", true},
        {"BordersOutside", "Borders=12", false},
        {"OrientationOutside", "Orientation=7", false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_File(Ini, QByteArray("[Print]\r\nCentered=N\r\n") + C.Line + "\r\n");
        RIraRevadiVizo H;
        H.PrintSettings().Borders = pbDouble;
        H.PrintSettings().Orientation = poLandscape;
        if (C.Throws) {
            EXPECT_THROW(H.LoadPrintSettings(Ini, QStringLiteral("Print")), std::exception);
            EXPECT_TRUE(H.PrintSettings().Centered);
        } else {
            H.LoadPrintSettings(Ini, QStringLiteral("Print"));
            EXPECT_FALSE(H.PrintSettings().Centered);
            if (QByteArray(C.Line).startsWith("Borders")) {
                EXPECT_EQ(H.PrintSettings().Borders, pbDouble);
            } else {
                EXPECT_EQ(H.PrintSettings().Orientation, poLandscape);
            }
        }
    }
}

TEST(StringGridLayout, ColumnSizesAndPositions)
{
    QTemporaryDir Dir;
    const QString Ini = Dir.filePath(QStringLiteral("cols.ini"));
    auto Setup = [&](RIraRevadiVizo &G) {
        G.ColumnSize().Set_Location(clIniFile);
        G.ColumnSize().Set_Key(Ini);
        G.ColumnSize().Set_Section(QStringLiteral("Grid"));
    };
    auto A = Make_Grid(3);
    Setup(*A);
    // before any column move no position is written
    A->SaveColPositions();
    EXPECT_FALSE(QFile::exists(Ini));
    A->Set_ColWidths(1, 120);
    A->SaveColSizes();
    ASSERT_TRUE(A->StringToColumnStates(QStringLiteral("3#50,60,120#2,0,1#1,1,1")));
    A->SaveColPositions();
    const QByteArray Data = Read_File(Ini);
    EXPECT_TRUE(Data.contains("[Grid]\r\nCol0=50\r\nCol1=120\r\nCol2=70\r\nPos0=2\r\nPos1=0\r\nPos2=1\r\n"));

    auto B = Make_Grid(3);
    Setup(*B);
    B->LoadColSizes();
    EXPECT_EQ(B->ColWidths(1), 120);
    B->LoadColPositions();
    EXPECT_EQ(Row_Texts(*B, 1), (QStringList{"c2", "c0", "c1"}));
    EXPECT_EQ(B->ColumnOrder(), (std::vector<int>{2, 0, 1}));

    // positions that do not name every column once change nothing
    for (const char *Bad : {"[Grid]\r\nPos0=0\r\nPos1=0\r\nPos2=1\r\n", "[Grid]\r\nPos0=0\r\nPos1=1\r\n",
                            "[Grid]\r\nPos0=0\r\nPos1=x\r\nPos2=2\r\n", "[Grid]\r\nCol0=99999999\r\nPos1=1\r\n"}) {
        SCOPED_TRACE(Bad);
        Write_File(Ini, Bad);
        auto C = Make_Grid(3);
        Setup(*C);
        C->LoadColPositions();
        C->LoadColSizes();
        EXPECT_EQ(Row_Texts(*C, 1), (QStringList{"c0", "c1", "c2"}));
        EXPECT_EQ(C->ColWidths(0), 50);
    }
    // no key or no section: nothing happens
    auto D = Make_Grid(3);
    D->ColumnSize().Set_Location(clIniFile);
    D->SaveColSizes();
    D->LoadColSizes();
    EXPECT_EQ(D->ColWidths(2), 70);
}

TEST(StringGridLayout, ColumnSizesFollowTheGridsLife)
{
    QTemporaryDir Dir;
    const QString Ini = Dir.filePath(QStringLiteral("life.ini"));
    auto Setup = [&](RIraRevadiVizo &G) {
        G.ColumnSize().Set_Location(clIniFile);
        G.ColumnSize().Set_Key(Ini);
        G.ColumnSize().Set_Section(QStringLiteral("Grid"));
        G.ColumnSize().Set_Save(true);
    };
    {
        auto A = Make_Grid(3);
        Setup(*A);
        A->Set_ColWidths(2, 99);
    }   // saved as the grid goes
    auto B = Make_Grid(3);
    Setup(*B);
    B->Loaded();
    EXPECT_EQ(B->ColWidths(2), 99);
    // read too when the grid's window is made
    auto C = Make_Grid(3);
    Setup(*C);
    EXPECT_EQ(C->ColWidths(2), 70);
    C->show();
    EXPECT_EQ(C->ColWidths(2), 99);
}
