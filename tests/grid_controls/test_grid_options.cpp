#include <QApplication>
#include "grid/base/BaseGrid.h"
#include "grid/base/GridAuxWindows.h"
#include "grid/base/GridOptions.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

template <typename T>
struct TDefaultRow {
    const char *Name;
    std::function<int(const T &)> Get;
    int Want;
};
#define ROW(T, Name, Want) TDefaultRow<T>{#Name, [](const T &O) { return static_cast<int>(O.Name()); }, static_cast<int>(Want)}

// Defaults of a new option group.
TEST(GridOptions, NavigationDefaults)
{
    const TDefaultRow<TNavigation> Rows[] = {
        ROW(TNavigation, AllowInsertRow, false), ROW(TNavigation, AdvanceOnEnter, false),
        ROW(TNavigation, AllowClipboardColGrow, true), ROW(TNavigation, AllowClipboardRowGrow, true),
        ROW(TNavigation, ClipboardPasteAction, paReplace), ROW(TNavigation, CopyHTMLTagsToClipboard, true),
        ROW(TNavigation, AdvanceDirection, adLeftRight), ROW(TNavigation, AdvanceAuto, false),
        ROW(TNavigation, AdvanceAutoEdit, true), ROW(TNavigation, CursorWalkAlwaysEdit, true),
        ROW(TNavigation, KeepScrollOnSort, false), ROW(TNavigation, InsertPosition, pInsertBefore),
        ROW(TNavigation, HomeEndKey, heFirstLastColumn), ROW(TNavigation, EditSelectAll, true),
        ROW(TNavigation, TabAdvanceDirection, adLeftRight), ROW(TNavigation, SkipFixedCells, true),
        ROW(TNavigation, SkipDisabledRows, true), ROW(TNavigation, AllowCtrlEnter, true),
        ROW(TNavigation, LeftRightRowSelect, true), ROW(TNavigation, ComboGetUpDown, true),
        ROW(TNavigation, AdvanceOnEnterLoop, true), ROW(TNavigation, CursorAdvance, caDefault),
        ROW(TNavigation, AdvanceSkipReadOnlyCells, true), ROW(TNavigation, CursorMoveRows, false),
    };
    const TNavigation N;
    for (const auto &R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(R.Get(N), R.Want);
    }
}

TEST(GridOptions, MouseActionsAndBandsDefaults)
{
    const TDefaultRow<TMouseActions> Rows[] = {
        ROW(TMouseActions, RowSelect, false), ROW(TMouseActions, FixedRowsEdit, fceNone),
        ROW(TMouseActions, FixedColsEditor, fceEdit), ROW(TMouseActions, PreciseNodeClick, true),
        ROW(TMouseActions, WheelIncrement, 0), ROW(TMouseActions, WheelAction, waMoveSelection),
        ROW(TMouseActions, AutoSizeColOnDblClick, true), ROW(TMouseActions, HotmailRowSelect, false),
        ROW(TMouseActions, DisjunctRowSelect, false), ROW(TMouseActions, EditOnDblClickOnly, false),
    };
    const TMouseActions M;
    for (const auto &R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(R.Get(M), R.Want);
    }
    EXPECT_TRUE(M.FixedComboValues().isEmpty());
    const TBands B;
    EXPECT_FALSE(B.Active());
    EXPECT_EQ(B.PrimaryColor(), clInfoBk);
    EXPECT_EQ(B.SecondaryColor(), clWindow);
    EXPECT_EQ(B.TotalLength(), 2);
    EXPECT_FALSE(TFocusHelper().Enabled());
}

TEST(GridOptions, NavigationSettersAndAssign)
{
    TNavigation N;
    int Changes = 0;
    N.OnChange = [&](QObject *) { ++Changes; };
    N.Set_AdvanceDirection(adLeftRight);   // unchanged: no event
    N.Set_AdvanceDirection(adTopBottom);
    N.Set_AdvanceInsert(true);
    N.Set_AdvanceInsert(true);
    EXPECT_EQ(Changes, 2);
    // AdvanceAuto True switches AdvanceOnEnter on; False leaves it
    N.Set_AdvanceAuto(true);
    EXPECT_TRUE(N.AdvanceOnEnter());
    N.Set_AdvanceAuto(false);
    EXPECT_TRUE(N.AdvanceOnEnter());
    EXPECT_EQ(Changes, 2);

    TNavigation Src;
    Src.Set_TabAdvanceDirection(adTopBottom);
    Src.Set_AdvanceDirection(adLeftRight);
    Src.Set_KeepScrollOnSort(true);
    Src.Set_AllowInsertRow(true);
    Src.Set_HomeEndKey(heFirstLastCell);
    int SrcChanges = 0;
    Src.OnChange = [&](QObject *) { ++SrcChanges; };
    TNavigation Dst;
    Dst.Assign(Src);
    EXPECT_EQ(Dst.TabAdvanceDirection(), adTopBottom);
    EXPECT_EQ(Dst.AdvanceDirection(), adLeftRight);
    EXPECT_TRUE(Dst.AllowInsertRow());
    EXPECT_EQ(Dst.HomeEndKey(), heFirstLastCell);
    EXPECT_FALSE(Dst.KeepScrollOnSort());   // never copied
    EXPECT_FALSE(static_cast<bool>(Dst.OnChange));
}

TEST(GridOptions, MouseActionsSettersAndAssign)
{
    TMouseActions M;
    int Invalidates = 0, Disables = 0, Changes = 0;
    bool Designing = false;
    M.OnInvalidate = [&](QObject *) { ++Invalidates; };
    M.OnDisableEdit = [&](QObject *) { ++Disables; };
    M.OnChange = [&](QObject *) { ++Changes; };
    M.OnIsDesigning = [&](QObject *, bool &D) { D = Designing; };

    M.Set_HotmailRowSelect(true);
    EXPECT_TRUE(M.DisjunctRowSelect());
    EXPECT_TRUE(M.CheckAllCheck());
    M.Set_HotmailRowSelect(false);   // leaves them on
    EXPECT_TRUE(M.DisjunctRowSelect());
    EXPECT_TRUE(M.CheckAllCheck());
    EXPECT_EQ(Invalidates, 2);

    M.Set_EditOnDblClickOnly(false);
    M.Set_EditOnDblClickOnly(true);
    EXPECT_EQ(Disables, 1);

    M.Set_WheelAction(waMoveSelection);
    M.Set_WheelAction(waScroll);
    EXPECT_EQ(Changes, 1);

    // at run time the disjunct modes combine; at design time the later one wins
    M.Set_DisjunctColSelect(true);
    EXPECT_TRUE(M.DisjunctRowSelect());
    EXPECT_TRUE(M.DisjunctColSelect());
    Designing = true;
    M.Set_DisjunctCellSelect(true);
    EXPECT_FALSE(M.DisjunctRowSelect());
    EXPECT_FALSE(M.DisjunctColSelect());
    EXPECT_TRUE(M.DisjunctCellSelect());
    M.Set_DisjunctRowSelectDirect(true);
    EXPECT_TRUE(M.DisjunctCellSelect());

    TMouseActions Src;
    Src.Set_HotmailRowSelect(true);
    Src.Set_SizeFixedRow(true);
    Src.Set_EditOnDblClickOnly(true);
    Src.Set_FixedComboValues({"a", "b"});
    Src.Set_RowSelect(true);
    Src.Set_WheelIncrement(3);
    Src.Set_FixedColsEdit(fceRightClick);
    TMouseActions Dst;
    Dst.Assign(Src);
    EXPECT_TRUE(Dst.RowSelect());
    EXPECT_EQ(Dst.WheelIncrement(), 3);
    EXPECT_EQ(Dst.FixedColsEdit(), fceRightClick);
    EXPECT_TRUE(Dst.DisjunctRowSelect());   // set by the source's HotmailRowSelect, copied
    EXPECT_FALSE(Dst.HotmailRowSelect());
    EXPECT_FALSE(Dst.SizeFixedRow());
    EXPECT_FALSE(Dst.EditOnDblClickOnly());
    EXPECT_TRUE(Dst.FixedComboValues().isEmpty());
}

TEST(GridOptions, BandsLengthsEventsAndAssign)
{
    TBands B;
    int Changes = 0;
    B.OnChange = [&](QObject *) { ++Changes; };
    B.Set_PrimaryColor(clRed);   // inactive: no event
    B.Set_PrimaryLength(2);
    B.Set_SecondaryLength(3);
    EXPECT_EQ(B.TotalLength(), 5);
    EXPECT_EQ(Changes, 0);
    B.Set_Active(true);
    B.Set_Active(true);
    EXPECT_EQ(Changes, 1);
    B.Set_SecondaryColor(clBlue);
    B.Set_SecondaryColor(clBlue);
    B.Set_PrimaryLength(2);
    EXPECT_EQ(Changes, 2);
    // rows FixedRows, FixedRows + 1 primary, the next three secondary
    const bool Want[] = {true, true, false, false, false, true, true};
    for (int R = 0; R < 7; ++R)
        EXPECT_EQ(B.Is_Primary_Row(R + 1, 1), Want[R]) << R;

    B.Set_Print(true);
    TBands C;
    int CChanges = 0;
    C.OnChange = [&](QObject *) { ++CChanges; };
    C.Assign(B);
    EXPECT_EQ(C.TotalLength(), 5);
    EXPECT_TRUE(C.Print());
    EXPECT_TRUE(C.Active());
    EXPECT_EQ(C.PrimaryColor(), clRed);
    EXPECT_EQ(CChanges, 0);

    // zero lengths never divide by zero
    TBands Z;
    Z.Set_PrimaryLength(0);
    Z.Set_SecondaryLength(0);
    EXPECT_TRUE(Z.Is_Primary_Row(5, 1));
}

TEST(GridOptions, SyncGridNeverItsOwnPartner)
{
    TBaseGrid Owner, Partner, Other;
    TSyncGrid S(&Owner);
    S.Set_Grid(&Partner);
    S.Set_Grid(&Owner);
    EXPECT_EQ(S.Grid(), &Partner);
    S.Set_ScrollVertical(true);
    TSyncGrid T(&Partner);
    T.Assign(S);   // the partner is the target's owner: kept out
    EXPECT_EQ(T.Grid(), nullptr);
    EXPECT_TRUE(T.ScrollVertical());
    TSyncGrid U(&Other);
    U.Assign(S);
    EXPECT_EQ(U.Grid(), &Partner);
    {
        TBaseGrid Temp;
        U.Set_Grid(&Temp);
    }
    EXPECT_EQ(U.Grid(), nullptr);   // a destroyed partner is forgotten
}

// --- auxiliary windows and the focus mask ---------------------------------------------

TEST(GridAuxWindows, ArrowWindowsAreShapedByTheirPolygon)
{
    struct TArrowCase { const char *Name; TArrowDirection Dir; QPoint Inside; QPoint Outside; };
    const TArrowCase Cases[] = {
        {"Up", arrUp, {5, 2}, {0, 0}},
        {"Down", arrDown, {5, 6}, {0, 8}},
        {"Left", arrLeft, {7, 5}, {1, 1}},
        {"Right", arrRight, {1, 5}, {8, 1}},
    };
    QWidget Owner;
    for (const TArrowCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TArrowWindow A(&Owner, C.Dir);
        EXPECT_EQ(A.Arrow().size(), 7);
        EXPECT_EQ(A.Color(), clLime);
        EXPECT_FALSE(A.isVisible());
        EXPECT_TRUE(A.mask().contains(C.Inside));
        EXPECT_FALSE(A.mask().contains(C.Outside));
    }
    EXPECT_EQ(Arrow_Polygon(arrUp).at(0), QPoint(5, 0));
    EXPECT_EQ(Arrow_Polygon(arrRight).at(4), QPoint(8, 3));
}

// A shown arrow marks the drop position only: it grabs neither mouse nor
// keyboard, so the drag and the focus stay where they were.
TEST(GridAuxWindows, ShownArrowTakesNoInput)
{
    QWidget Form;
    auto *Edit = new QWidget(&Form);
    Edit->setFocusPolicy(Qt::StrongFocus);
    Form.show();
    QApplication::setActiveWindow(&Form);
    Edit->setFocus();
    TArrowWindow A(&Form, arrDown);
    A.move(Form.mapToGlobal(QPoint(20, 0)));
    A.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(A.isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(Edit->hasFocus());
}

TEST(GridAuxWindows, FocusWindowStartsEmptyAndRed)
{
    QWidget Owner;
    TGridFocusWindow F(&Owner);
    EXPECT_EQ(F.size(), QSize(0, 0));
    EXPECT_EQ(F.Color(), clRed);
    EXPECT_TRUE(F.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(F.windowFlags().testFlag(Qt::WindowTransparentForInput));
}

QImage Rgb888(int W, int H, QColor C)
{
    QImage I(W, H, QImage::Format_RGB888);
    I.fill(C);
    return I;
}

TEST(GridAuxWindows, MergeMaskPremultipliesByTheMaskRed)
{
    TGridAlphaMask M;
    QImage Mask = Rgb888(2, 1, Qt::black);
    Mask.setPixelColor(0, 0, QColor(128, 0, 0));
    Mask.setPixelColor(1, 0, QColor(255, 255, 255));
    const QImage Bmp = Rgb888(2, 1, QColor(0xFD, 0xD3, 0x97));
    M.MergeMask(Mask, Bmp, clRed);
    ASSERT_EQ(M.Image.size(), QSize(2, 1));
    const QRgb P0 = reinterpret_cast<const QRgb *>(M.Image.constScanLine(0))[0];
    EXPECT_EQ(qAlpha(P0), 128);
    EXPECT_EQ(qRed(P0), 127);     // 253 * 128 / 255 = 126.99
    EXPECT_EQ(qGreen(P0), 106);   // 211 * 128 / 255 = 105.9
    const QRgb P1 = reinterpret_cast<const QRgb *>(M.Image.constScanLine(0))[1];
    EXPECT_EQ(P1, qRgba(0xFD, 0xD3, 0x97, 255));

    // a 32-bit source changes nothing
    TGridAlphaMask N;
    QImage Argb(2, 1, QImage::Format_ARGB32);
    N.MergeMask(Mask, Argb, clNone);
    EXPECT_TRUE(N.Image.isNull() || N.Image.size() == QSize(0, 0));
}

TEST(GridAuxWindows, AlphaMaskAssignCopiesOnlyBetweenEqualSizes)
{
    TGridAlphaMask Src;
    Src.Image = QImage(3, 2, QImage::Format_ARGB32_Premultiplied);
    Src.Image.fill(qRgba(10, 20, 30, 40));
    Src.Opacity = 230;
    TGridAlphaMask Same;
    Same.Image = QImage(3, 2, QImage::Format_ARGB32_Premultiplied);
    Same.Image.fill(0);
    Same.Assign(Src);
    EXPECT_EQ(Same.Opacity, 230);
    EXPECT_EQ(Same.Image.pixel(2, 1), qRgba(10, 20, 30, 40));
    TGridAlphaMask Other;
    Other.Assign(Src);   // 0 x 0 target: nothing copied
    EXPECT_EQ(Other.Opacity, 255);
    EXPECT_TRUE(Other.Image.isNull());
}

TEST(GridAuxWindows, FocusMaskShapes)
{
    // pen width 0: a filled white rounded rectangle inset by 2
    QImage B;
    DrawFocusMask(B, 30, 20, 0, 4, 0);
    ASSERT_EQ(B.format(), QImage::Format_RGB888);
    EXPECT_EQ(B.size(), QSize(30, 20));
    EXPECT_EQ(B.pixelColor(1, 10), QColor(Qt::black));
    EXPECT_EQ(B.pixelColor(15, 10), QColor(Qt::white));
    EXPECT_EQ(B.pixelColor(28, 10), QColor(Qt::black));
    // with a pen: an outline with a black interior
    DrawFocusMask(B, 40, 30, 4, 5, 0);
    EXPECT_EQ(B.pixelColor(20, 15), QColor(Qt::black));
    EXPECT_EQ(B.pixelColor(20, 4), QColor(Qt::white));
}

TEST(GridAuxWindows, BlurCopiesInnerRowsAndColumnsAndIsSafeWhenSmall)
{
    // the focus frame's mask: pen 4, corner 5, radius 3, 9 pixels larger than a cell
    QImage B;
    DrawFocusMask(B, 120 + 9, 60 + 9, 4, 5, 3.0);
    ASSERT_EQ(B.size(), QSize(129, 69));
    for (int Y = 21; Y < B.height() - 20; ++Y)
        for (int X = 0; X < B.width(); ++X)
            ASSERT_EQ(B.pixel(X, Y), B.pixel(X, 15)) << X << "," << Y;
    for (int Y = 0; Y < B.height(); ++Y)
        for (int X = 21; X < B.width() - 20; ++X)
            ASSERT_EQ(B.pixel(X, Y), B.pixel(15, Y)) << X << "," << Y;
    // blurred: the outline's edge has grey levels between black and white
    bool Grey = false;
    for (int X = 0; X < 15; ++X) {
        const int V = qRed(B.pixel(X, 30));
        Grey = Grey || (V > 0 && V < 255);
    }
    EXPECT_TRUE(Grey);

    // images smaller than the bands are blurred everywhere, without reading outside
    struct TSmall { int W, H; };
    for (const TSmall S : {TSmall{1, 1}, TSmall{5, 3}, TSmall{16, 40}, TSmall{41, 41}, TSmall{42, 10}}) {
        SCOPED_TRACE(testing::Message() << S.W << "x" << S.H);
        DrawFocusMask(B, S.W, S.H, 0, 2, 3.0);
        EXPECT_EQ(B.size(), QSize(S.W, S.H));
    }
    DrawFocusMask(B, 0, 0, 4, 5, 3.0);
    EXPECT_TRUE(B.isNull() || B.size().isEmpty());
}
} // namespace

namespace {
TEST(GridAuxWindows, FocusWindowShowsTheMergedMask)
{
    // the focus frame as the grid builds it: mask, merge, opacity 230
    QImage Mask;
    DrawFocusMask(Mask, 60 + 9, 20 + 9, 4, 5, 3.0);
    QImage Bmp(Mask.size(), QImage::Format_RGB888);
    Bmp.fill(QColor(0x97, 0xD3, 0xFD));
    TGridAlphaMask M;
    M.Opacity = 230;
    M.MergeMask(Mask, Bmp, clNone);
    QWidget Owner;
    TGridFocusWindow F(&Owner);
    F.Set_Image(M.Image, M.Opacity);
    EXPECT_EQ(F.size(), QSize(69, 29));
    EXPECT_EQ(F.Opacity(), 230);
    F.Set_Image(M.Image, 999);   // clamped
    EXPECT_EQ(F.Opacity(), 255);
    // the centre of the frame is fully transparent, the outline is not
    EXPECT_EQ(qAlpha(F.Image().pixel(34, 14)), 0);
    EXPECT_GT(qAlpha(F.Image().pixel(34, 4)), 0);
}
} // namespace
