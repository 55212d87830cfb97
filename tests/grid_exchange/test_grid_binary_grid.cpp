// The string grid's binary cell blocks: the worked example through the
// grid's own methods, blocks placed at a point over cells that keep their
// own properties, graphics with their objects, node rows recounted, and bad
// input refused before the grid changes.
#include "grid/exchange/ComponentStream.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
QByteArray Golden_Bin()
{
    QFile F(QStringLiteral(BC_EXCHANGE_DATA "/bin_worked_example.bin"));
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray("<missing golden file>");
}

// The header component's bytes up to its ID property, and everything after
// the header: the ID is the writing grid's own number.
QByteArray Without_ID(const QByteArray &Bytes)
{
    TStreamComponent C;
    TStreamError E;
    qsizetype Pos = 0;
    if (!Read_Component(Bytes, Pos, C, E))
        return "<unreadable>";
    const qsizetype Id = Bytes.indexOf(QByteArray("\x02ID", 3));
    return Bytes.left(Id) + Bytes.mid(Pos);
}

struct TGridBinTest : ::testing::Test {
    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};

    static std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols, int Rows, int Fixed = 0)
    {
        auto G = std::make_unique<RIraRevadiVizo>();
        G->Set_FixedCols(Fixed);
        G->Set_FixedRows(Fixed);
        G->Set_ColCount(Cols);
        G->Set_RowCount(Rows);
        return G;
    }
    static QByteArray Saved(RIraRevadiVizo &G, const TGridRect *Rect = nullptr)
    {
        QByteArray Out;
        QBuffer B(&Out);
        B.open(QIODevice::WriteOnly);
        if (Rect)
            G.SaveRectToBinStream(*Rect, B);
        else
            G.SaveToBinStream(B);
        return Out;
    }
    static bool Load(RIraRevadiVizo &G, QByteArray Bytes, const TPoint *At = nullptr)
    {
        QBuffer B(&Bytes);
        B.open(QIODevice::ReadOnly);
        return At ? G.LoadAtPointFromBinStream(*At, B) : G.LoadFromBinStream(B);
    }
};
} // namespace

TEST_F(TGridBinTest, WorkedExampleIsWrittenAndLoadedIntoAnyGrid)
{
    auto G = Make_Grid(2, 2);
    G->Set_ColWidths(0, 64);
    G->Set_ColWidths(1, 80);
    G->Set_RowHeights(0, 22);
    G->Set_RowHeights(1, 22);
    G->Set_Cells(0, 0, QStringLiteral("A"));
    G->Set_Cells(1, 1, QStringLiteral("B"));
    const QByteArray Bytes = Saved(*G);
    EXPECT_EQ(Without_ID(Bytes), Without_ID(Golden_Bin()));

    // Any grid: other size, fixed cells, content and properties of its own.
    auto T = Make_Grid(5, 7, 1);
    T->Set_Cells(3, 3, QStringLiteral("old"));
    T->SetFontNames(2, 2, QStringLiteral("Mono"));
    ASSERT_TRUE(Load(*T, Golden_Bin()));
    EXPECT_EQ(T->ColCount(), 2);
    EXPECT_EQ(T->RowCount(), 2);
    EXPECT_EQ(T->ColWidths(0), 64);
    EXPECT_EQ(T->ColWidths(1), 80);
    EXPECT_EQ(T->RowHeights(1), 22);
    EXPECT_EQ(T->Cells(0, 0), QStringLiteral("A"));
    EXPECT_EQ(T->Cells(1, 0), QString());
    EXPECT_EQ(T->Cells(1, 1), QStringLiteral("B"));
    EXPECT_TRUE(Boxes.Texts().isEmpty());
}

// A block lands with its first cell at the point; what the stream does not
// hold (no font name) stays as the target cell had it.
TEST_F(TGridBinTest, BlockLandsAtThePointOverTheTargetsOwnProperties)
{
    auto G = Make_Grid(6, 8, 1);
    for (int R = 3; R <= 4; ++R)
        for (int C = 2; C <= 3; ++C)
            G->Set_Cells(C, R, QStringLiteral("%1/%2").arg(C).arg(R));
    G->GetCellProperties(3, 4)->Set_BorderWidth(3);
    G->GetCellProperties(3, 4)->Set_FontName(QString());
    const TGridRect Rect{2, 3, 3, 4};
    const QByteArray Block = Saved(*G, &Rect);

    auto T = Make_Grid(8, 14, 1);
    T->SetFontNames(6, 11, QStringLiteral("Mono"));
    T->Set_Cells(4, 10, QStringLiteral("left alone"));
    const TPoint At(5, 10);
    ASSERT_TRUE(Load(*T, Block, &At));
    EXPECT_EQ(T->ColCount(), 8);   // a block never resizes the grid
    EXPECT_EQ(T->Cells(5, 10), QStringLiteral("2/3"));
    EXPECT_EQ(T->Cells(6, 10), QStringLiteral("3/3"));
    EXPECT_EQ(T->Cells(5, 11), QStringLiteral("2/4"));
    EXPECT_EQ(T->Cells(6, 11), QStringLiteral("3/4"));
    EXPECT_EQ(T->Cells(4, 10), QStringLiteral("left alone"));
    ASSERT_NE(T->Find_Cell_Props(6, 11), nullptr);
    EXPECT_EQ(T->Find_Cell_Props(6, 11)->BorderWidth(), 3);
    EXPECT_EQ(T->Find_Cell_Props(6, 11)->FontName(), QStringLiteral("Mono"));
    EXPECT_EQ(T->Find_Cell_Props(6, 11)->OwnerCol(), 6);

    // Cells beyond the grid's edge are dropped.
    const TPoint Edge(7, 13);
    ASSERT_TRUE(Load(*T, Block, &Edge));
    EXPECT_EQ(T->Cells(7, 13), QStringLiteral("2/3"));
    EXPECT_EQ(T->RowCount(), 14);
}

// Graphics come back with their objects; a bitmap never created is saved
// without graphic; merged blocks and node rows survive.
TEST_F(TGridBinTest, GraphicsMergesAndNodesRoundTrip)
{
    auto G = Make_Grid(4, 6, 1);
    G->AddRadio(1, 1, 0, 1, {QStringLiteral("eins"), QStringLiteral("zwei")});
    TCellGraphic *Images = G->CreateCellGraphic(2, 1);
    Images->CellType = ctImages;
    Images->CellCreated = true;
    auto *List = new TCellIntList(2, 1);
    for (int I : {1, 2, 5})
        List->Add(I);
    Images->CellBitmap = List;
    TCellBitmap *Bmp = G->CreateBitmap(3, 1, false, haLeft, vaTop);
    Bmp->Image = QImage(3, 2, QImage::Format_ARGB32);
    Bmp->Image.fill(qRgb(10, 200, 30));
    TCellGraphic *Uncreated = G->CreateCellGraphic(1, 2);
    Uncreated->CellType = ctBitmap;
    Uncreated->CellCreated = false;
    G->AddProgress(2, 2, clRed, clWhite);
    G->Set_Cells(2, 2, QStringLiteral("40"));
    G->MergeCells(1, 3, 2, 2);
    G->Set_Cells(1, 3, QStringLiteral("merged\r\n日本語"));
    G->AddNode(5, 1);

    auto T = Make_Grid(2, 2);
    ASSERT_TRUE(Load(*T, Saved(*G)));
    ASSERT_EQ(T->GetCellType(1, 1), ctRadio);
    ASSERT_NE(T->GetCellGraphic(1, 1)->Strings(), nullptr);
    EXPECT_EQ(T->GetCellGraphic(1, 1)->Strings()->Items, (QStringList{QStringLiteral("eins"), QStringLiteral("zwei")}));
    ASSERT_NE(T->GetCellImages(2, 1), nullptr);
    EXPECT_EQ(T->GetCellImages(2, 1)->StrValue(), QStringLiteral("1,2,5"));
    ASSERT_NE(T->GetBitmap(3, 1), nullptr);
    EXPECT_EQ(T->GetBitmap(3, 1)->Image.size(), QSize(3, 2));
    EXPECT_EQ(T->GetBitmap(3, 1)->Image.pixel(2, 1), qRgb(10, 200, 30));
    EXPECT_TRUE(T->HasCellProps(1, 2));
    EXPECT_EQ(T->GetCellType(1, 2), ctEmpty);
    EXPECT_EQ(T->GetCellType(2, 2), ctProgress);
    EXPECT_TRUE(T->IsMergedCell(2, 4));
    EXPECT_EQ(T->BaseCell(2, 4), TPoint(1, 3));
    EXPECT_EQ(T->GetCellEx(2, 4), QStringLiteral("merged\r\n日本語"));
    EXPECT_EQ(T->GetCellType(0, 5), ctNode);
    EXPECT_EQ(T->NumNodes(), 1);
}

// A stream or file that is not whole changes nothing and says why.
TEST_F(TGridBinTest, BadInputLeavesTheGridAsItWas)
{
    auto G = Make_Grid(3, 3);
    G->Set_Cells(1, 1, QStringLiteral("keep"));
    QByteArray Cut = Golden_Bin();
    Cut.chop(5);
    QByteArray Bad_Width = Golden_Bin().replace("64,80", "64,8x");
    const struct {
        const char *Name;
        QByteArray Bytes;
        const char *Message;
    } Cases[] = {
        {"Truncated", Cut, "Stream read error at byte"},
        {"NotAStream", QByteArray("ID;1\r\n"), "Invalid stream format at byte 0"},
        {"BadWidth", Bad_Width, "'8x' is not a valid integer value"},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        EXPECT_FALSE(Load(*G, C.Bytes));
        EXPECT_EQ(G->ColCount(), 3);
        EXPECT_EQ(G->Cells(1, 1), QStringLiteral("keep"));
        ASSERT_EQ(Boxes.Texts().size(), 1);
        EXPECT_TRUE(Boxes.Texts()[0].contains(QLatin1StringView(C.Message))) << Boxes.Texts()[0].toStdString();
    }

    Boxes.Shown.clear();
    const QString Missing = Dir.filePath(QStringLiteral("none.bin"));
    EXPECT_FALSE(G->LoadFromBinFile(Missing));
    const QString No_Dir = Dir.filePath(QStringLiteral("no/such/dir.bin"));
    EXPECT_FALSE(G->SaveToBinFile(No_Dir));
    EXPECT_EQ(Boxes.Texts(), (QStringList{QStringLiteral("Cannot open file ") + Missing,
                                          QStringLiteral("Cannot Create file ") + No_Dir}));

    // A file round trip, written whole.
    const QString Path = Dir.filePath(QStringLiteral("grid.bin"));
    ASSERT_TRUE(G->SaveToBinFile(Path));
    auto T = Make_Grid(1, 1);
    ASSERT_TRUE(T->LoadFromBinFile(Path));
    EXPECT_EQ(T->Cells(1, 1), QStringLiteral("keep"));
}

// Progress runs from 0 to 100 over the rows, each value once, and the
// export notifications frame the rows.
TEST_F(TGridBinTest, ProgressAndNotificationsFollowTheRows)
{
    auto G = Make_Grid(2, 5);
    std::vector<int> Told;
    G->OnFileProgress = [&Told](QObject *, short P) { Told.push_back(P); };
    const QByteArray Bytes = Saved(*G);
    EXPECT_EQ(Told, (std::vector<int>{0, 25, 50, 75, 100}));
    Told.clear();
    auto T = Make_Grid(2, 5);
    T->OnFileProgress = G->OnFileProgress;
    ASSERT_TRUE(Load(*T, Bytes));
    EXPECT_EQ(Told, (std::vector<int>{0, 25, 50, 75, 100}));
}
