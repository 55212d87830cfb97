// The sort settings object on its own: the row check, which setters tell the
// grid, the string form and its errors, Assign and Remove.
#include "grid/model/DarAzidError.h"
#include "grid/stringgrid/GridSortSettings.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// Settings whose hooks count what they were told.
struct TCounted {
    TSortSettings S;
    int Repaints = 0, Headers = 0, Sorts = 0, Indexed = 0, Fixed = 2;
    TCounted()
    {
        S.FixedRowsOf = [this] { return Fixed; };
        S.OnRepaint = [this] { ++Repaints; };
        S.OnHeaderRepaint = [this] { ++Headers; };
        S.OnSort = [this] { ++Sorts; };
        S.OnSortIndexed = [this] { ++Indexed; };
    }
};

std::string Message_Of(const std::function<void()> &F)
{
    try {
        F();
    } catch (const EDarAzidError &E) {
        return E.what();
    }
    return {};
}

} // namespace

// The sort row must lie within the fixed rows; a refused row leaves the old one.
TEST(SortSettingsObject, RowWithinFixedRows)
{
    TCounted C;
    C.S.Set_Row(1);
    EXPECT_EQ(C.S.Row(), 1);
    EXPECT_EQ(Message_Of([&] { C.S.Set_Row(2); }), "Sort row should be smaller than number of fixed rows");
    EXPECT_EQ(C.S.Row(), 1);
    // the grid answers its own fixed rows
    RIraRevadiVizo G;
    EXPECT_THROW(G.SortSettings().Set_Row(G.FixedRows()), EDarAzidError);
    G.Set_FixedRows(2);
    G.SortSettings().Set_Row(1);
    EXPECT_EQ(G.SortSettings().Row(), 1);
}

// Show repaints the grid, the header colours the header row; only changes tell.
TEST(SortSettingsObject, SettersTellOnlyChanges)
{
    TCounted C;
    C.S.Set_Show(true);
    C.S.Set_Show(true);
    EXPECT_EQ(C.Repaints, 1);
    C.S.Set_HeaderColor(0x123456);
    C.S.Set_HeaderColor(0x123456);
    C.S.Set_HeaderMirrorColorTo(0x654321);
    EXPECT_EQ(C.Headers, 2);
    C.S.Set_HeaderColors(0x123456, clNone, clNone, 0x654321);
    EXPECT_EQ(C.Headers, 2);
    // plain fields tell nobody
    C.S.Column = 4;
    C.S.ToggleDirection();
    EXPECT_EQ(C.S.Direction, sdDescending);
    EXPECT_EQ(C.Repaints + C.Headers + C.Sorts, 3);
    C.S.IndexColumns = {1, 2};
    C.S.Remove();
    EXPECT_EQ(C.S.Column, -1);
    EXPECT_TRUE(C.S.IndexColumns.empty());
    EXPECT_EQ(C.Headers, 3);
}

// Loading a text shows the sort and sorts once by it; saving gives the text back.
TEST(SortSettingsObject, StringForm)
{
    struct TCase {
        const char *Name;
        const char *Load;
        int Sorts, Indexed, Column;
        TSortDirection Direction;
        bool IndexShow;
        const char *Saved;
    };
    const TCase Cases[] = {
        {"Ascending", "u3", 1, 0, 3, sdAscending, false, "u3"},
        {"Descending", "d3", 1, 0, 3, sdDescending, false, "d3"},
        // no "u" anywhere descends
        {"OtherLetter", "x5", 1, 0, 5, sdDescending, false, "d5"},
        {"Indexed", "i;u1;d2", 0, 1, -1, sdAscending, true, "i;u1;d2"},
        // an indexed text without keys sorts nothing
        {"IndexedEmpty", "i;", 0, 0, -1, sdAscending, true, "i;"},
        // a column that does not read changes only the direction
        {"NoColumn", "dx", 0, 0, -1, sdDescending, false, "u-1"},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TCounted C;
        C.S.LoadFromString(QString::fromUtf8(K.Load));
        EXPECT_TRUE(C.S.Show());
        EXPECT_EQ(C.Sorts, K.Sorts);
        EXPECT_EQ(C.Indexed, K.Indexed);
        EXPECT_EQ(C.S.Column, K.Column);
        EXPECT_EQ(C.S.Direction, K.Direction);
        EXPECT_EQ(C.S.IndexShow, K.IndexShow);
        EXPECT_EQ(C.S.SaveToString(), QString::fromUtf8(K.Saved));
    }
    TCounted C;
    C.S.LoadFromString(QStringLiteral("i;u1;d2"));
    EXPECT_EQ(C.S.IndexColumns, (std::vector<int>{1, 2}));
    EXPECT_EQ(C.S.IndexDirections, (std::vector<TSortDirection>{sdAscending, sdDescending}));
}

// An empty text does nothing; a one-letter text or a bad key raises after Show.
TEST(SortSettingsObject, StringFormErrors)
{
    TCounted C;
    C.S.LoadFromString(QString());
    EXPECT_FALSE(C.S.Show());
    for (const char *Bad : {"u", "i;u1;zz"}) {
        SCOPED_TRACE(Bad);
        EXPECT_EQ(Message_Of([&] { C.S.LoadFromString(QString::fromUtf8(Bad)); }), "Invalid sort settings specifier");
        EXPECT_TRUE(C.S.Show());
        EXPECT_EQ(C.Sorts + C.Indexed, 0);
    }
}

// Assign copies values, not IgnoreCase, SortOnVirtualCells or the keys, and tells nobody.
TEST(SortSettingsObject, Assign)
{
    TCounted From, To;
    From.S.Column = 4;
    From.S.Direction = sdDescending;
    From.S.Set_Show(true);
    From.S.Set_Row(1);
    From.S.Set_HeaderColorTo(0x00AA00);
    From.S.UpGlyph = QImage(4, 4, QImage::Format_ARGB32);
    From.S.IgnoreCase = true;
    From.S.SortOnVirtualCells = false;
    From.S.IndexColumns = {3};
    To.S.Assign(From.S);
    EXPECT_EQ(To.S.Column, 4);
    EXPECT_EQ(To.S.Direction, sdDescending);
    EXPECT_TRUE(To.S.Show());
    EXPECT_EQ(To.S.Row(), 1);
    EXPECT_EQ(To.S.HeaderColorTo(), static_cast<TColor>(0x00AA00));
    EXPECT_EQ(To.S.UpGlyph.size(), QSize(4, 4));
    EXPECT_FALSE(To.S.IgnoreCase);
    EXPECT_TRUE(To.S.SortOnVirtualCells);
    EXPECT_TRUE(To.S.IndexColumns.empty());
    EXPECT_EQ(To.Repaints + To.Headers + To.Sorts + To.Indexed, 0);
}
