// Icons, file pictures and cells that draw themselves: attaching them, who
// owns what, the room they take (layout, measuring and drawing extents) and
// where they are drawn.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 4, int Rows = 4)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    G->Set_DefaultColWidth(80);
    G->Set_DefaultRowHeight(30);
    G->resize(400, 200);
    return G;
}

// A cell that draws itself: records where, and says when it is freed.
class TProbe : public TCellDrawInterface {
public:
    TProbe(QSize S, bool AFirst, bool *AFreed = nullptr) : Size(S), First(AFirst), Freed(AFreed) {}
    ~TProbe() override
    {
        if (Freed)
            *Freed = true;
    }
    void Draw(TCanvas &Canvas, const TRect &R, int, int, bool) override
    {
        Drawn = R;
        Canvas.Brush.Color = clFuchsia;
        Canvas.FillRect(R);
    }
    QSize GetSize(int, int) const override { return Size; }
    bool DrawBeforeText() const override { return First; }
    QSize Size;
    bool First;
    bool *Freed;
    TRect Drawn;
};

// Index of the first recorded operation matching Pred (-1 when none).
template <class F> int First_Op(const TRecordingCanvas &C, F Pred)
{
    const auto &Ops = C.Ops();
    for (size_t I = 0; I < Ops.size(); ++I)
        if (Pred(Ops[I]))
            return static_cast<int>(I);
    return -1;
}
}

TEST(StringGridGraphicKinds, AttachGetRemoveAndOwnership)
{
    auto G = Make_Grid();
    // icons: created ones belong to the graphic, given ones to the caller
    TCellIcon *Made = G->CreateIcon(1, 1, haLeft, vaTop);
    ASSERT_NE(Made, nullptr);
    EXPECT_EQ(G->GetIcon(1, 1), Made);
    EXPECT_TRUE(G->GetCellGraphic(1, 1)->CellCreated);
    EXPECT_EQ(G->GetCellImageData(1, 1), static_cast<int>(reinterpret_cast<std::uintptr_t>(Made)));
    EXPECT_FALSE(G->RemovePicture(1, 1));
    EXPECT_TRUE(G->RemoveIcon(1, 1));
    EXPECT_EQ(G->GetIcon(1, 1), nullptr);

    auto Given = std::make_unique<TCellFilePicture>();
    G->AddFilePicture(1, 2, Given.get(), false, noStretch, 0, haLeft, vaTop);
    EXPECT_EQ(G->GetFilePicture(1, 2), Given.get());
    EXPECT_EQ(G->GetPicture(1, 2), nullptr);
    EXPECT_FALSE(G->GetCellGraphic(1, 2)->CellCreated);
    EXPECT_TRUE(G->RemoveFilePicture(1, 2));   // the caller's picture stays alive
    EXPECT_TRUE(G->CreateFilePicture(1, 2, false, Stretch, 2, haLeft, vaTop) != nullptr);
    EXPECT_TRUE(G->GetCellGraphic(1, 2)->CellCreated);

    // an interface is never freed by the grid, also not when replaced
    bool Freed = false;
    {
        TProbe P(QSize(10, 10), false, &Freed);
        G->AddInterfacedCell(2, 1, &P);
        EXPECT_EQ(G->GetInterfacedCell(2, 1), &P);
        EXPECT_EQ(G->GetCellType(2, 1), ctInterface);
        G->AddComment(2, 1, QStringLiteral("replaces it"));
        EXPECT_FALSE(Freed);
        EXPECT_EQ(G->GetInterfacedCell(2, 1), nullptr);
        G->AddInterfacedCell(2, 1, &P);
        EXPECT_TRUE(G->RemoveInterfacedCell(2, 1));
        EXPECT_FALSE(Freed);
    }
    EXPECT_TRUE(Freed);
    // getters of one kind answer nothing for another
    G->AddComment(3, 1, QStringLiteral("c"));
    EXPECT_EQ(G->GetIcon(3, 1), nullptr);
    EXPECT_EQ(G->GetFilePicture(3, 1), nullptr);
    EXPECT_EQ(G->GetInterfacedCell(3, 1), nullptr);
}

// Layout size, measuring extent (auto-size) and drawing extent (column grid,
// printing) of the kinds, in a cell of 80 x 30 with the text insets 2.
TEST(StringGridGraphicKinds, Extents)
{
    const QString Dir = QDir(Test_Output_Dir()).filePath(QStringLiteral("graphic_kinds"));
    QDir().mkpath(Dir);
    const QString File = Dir + QStringLiteral("/wide.png");
    QImage(100, 50, QImage::Format_RGB32).save(File);

    struct TCase {
        const char *Name;
        std::function<void(RIraRevadiVizo &, std::vector<std::unique_ptr<TObject>> &)> Make;
        TPoint Layout, Measure, Draw;
    };
    auto Probe = [](QSize S) {
        return [S](RIraRevadiVizo &G, std::vector<std::unique_ptr<TObject>> &Keep) {
            Keep.push_back(std::make_unique<TProbe>(S, false));
            G.AddInterfacedCell(1, 1, static_cast<TProbe *>(Keep.back().get()));
        };
    };
    const TCase Cases[] = {
        // an icon of its own size; measured height always, width only beside the text or without text
        {"Icon",
         [](RIraRevadiVizo &G, auto &) {
             G.Set_Cells(1, 1, QStringLiteral("text"));
             G.CreateIcon(1, 1, haLeft, vaTop)->Size = QSize(24, 20);
         },
         {24, 20}, {0, 20}, {24, 20}},
        {"IconBeside",
         [](RIraRevadiVizo &G, auto &) {
             G.Set_Cells(1, 1, QStringLiteral("text"));
             G.CreateIcon(1, 1, haBeforeText, vaTop)->Size = QSize(24, 20);
         },
         {24, 20}, {24, 20}, {24, 20}},
        // a 100 x 50 file shrunk with its aspect into the cell less the insets (76 x 26 -> 52 x 26)
        {"FilePictureAspect",
         [File](RIraRevadiVizo &G, auto &) {
             G.CreateFilePicture(1, 1, false, ShrinkWithAspectRatio, 0, haLeft, vaTop)->Picture.Set_Filename(File);
         },
         {60, 30}, {52, 26}, {60, 30}},
        // an unreadable file measures 0 x 0
        {"FilePictureMissing",
         [Dir](RIraRevadiVizo &G, auto &) {
             G.CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->Picture.Set_Filename(Dir + "/none.png");
         },
         {0, 0}, {0, 0}, {0, 0}},
        // an interface's own size; a zero part takes the cell's
        {"Interface", Probe(QSize(30, 12)), {30, 12}, {30, 12}, {30, 12}},
        {"InterfaceNoWidth", Probe(QSize(0, 12)), {0, 12}, {80, 30}, {80, 12}},
        // progress bars draw over the whole cell
        {"Progress", [](RIraRevadiVizo &G, auto &) { G.AddProgress(1, 1, clBlue, clWhite); }, {0, 0}, {0, 0}, {80, 30}},
        {"Node", [](RIraRevadiVizo &G, auto &) { G.CreateCellGraphic(1, 1)->CellType = ctNode; }, {0, 0}, {0, 0}, {20, 20}},
        {"RadioButton", [](RIraRevadiVizo &G, auto &) { G.AddRadioButton(1, 1, true); }, {14, 14}, {10, 10}, {10, 10}},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        auto G = Make_Grid();
        std::vector<std::unique_ptr<TObject>> Keep;
        K.Make(*G, Keep);
        int W = -1, H = -1;
        bool DrawText = false;
        TCellHAlign HA;
        TCellVAlign VA;
        G->GetCellGraphicLayout(1, 1, W, H, DrawText, HA, VA);
        EXPECT_EQ(TPoint(W, H), K.Layout);
        EXPECT_EQ(G->GetCellGraphicSize(1, 1), K.Measure);
        EXPECT_EQ(G->CalcCellGraphicDrawSize(1, 1, TRect(0, 0, 80, 30)), K.Draw);
        G->RemoveCellGraphic(1, 1);
    }
}

TEST(StringGridGraphicKinds, Drawn)
{
    auto G = Make_Grid();
    // an icon at the graphic rectangle, at its own size
    QImage Red(16, 16, QImage::Format_ARGB32);
    Red.fill(Qt::red);
    auto Icon = std::make_unique<TCellIcon>(QIcon(QPixmap::fromImage(Red)), QSize(16, 16));
    G->AddIcon(1, 1, Icon.get(), haLeft, vaTop);
    // an interface under the text, and one over it spanning the cell's width
    TProbe Under(QSize(20, 10), true), Over(QSize(0, 10), false);
    G->Set_Cells(2, 1, QStringLiteral("under"));
    G->AddInterfacedCell(2, 1, &Under);
    G->Set_Cells(3, 1, QStringLiteral("over"));
    G->AddInterfacedCell(3, 1, &Over);
    TRecordingCanvas C(400, 200);
    G->Paint_On(C);

    const TRect Cell1 = G->CellRect(1, 1);
    const int IconOp = First_Op(C, [&](const TCanvasOp &Op) {
        return Op.Kind == TCanvasOp::Draw && Op.Rect.Left >= Cell1.Left && Op.Rect.Right <= Cell1.Right;
    });
    ASSERT_GE(IconOp, 0);
    EXPECT_EQ(C.Ops()[IconOp].Rect.Width(), 16);
    EXPECT_EQ(C.Image().pixelColor(C.Ops()[IconOp].Rect.Left + 8, C.Ops()[IconOp].Rect.Top + 8), QColor(Qt::red));

    auto Text_Op = [&](const QString &T) {
        return First_Op(C, [&](const TCanvasOp &Op) { return Op.Kind == TCanvasOp::DrawText && Op.Text == T; });
    };
    auto Fill_Op = [&](const TRect &R) {
        return First_Op(C, [&](const TCanvasOp &Op) {
            return Op.Kind == TCanvasOp::FillRect && Op.Brush.Color == clFuchsia && Op.Rect == R;
        });
    };
    ASSERT_GE(Text_Op("under"), 0);
    EXPECT_LT(Fill_Op(Under.Drawn), Text_Op("under"));
    EXPECT_GT(Fill_Op(Over.Drawn), Text_Op("over"));
    // the width the interface leaves open is the cell's, its height its own
    const TRect Cell3 = G->CellRect(3, 1);
    EXPECT_LE(Over.Drawn.Left, Cell3.Left + 2);
    EXPECT_GE(Over.Drawn.Right, Cell3.Right - 2);
    EXPECT_EQ(Over.Drawn.Height(), 10);
}
