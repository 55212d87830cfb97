#pragma once
#include "grid/model/CellText.h"
#include "grid/model/GridRowFlags.h"
#include "grid/model/GridStore.h"
#include "platform/Object.h"
#include "platform/Rect.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The grid's data, apart from any window: cell texts and object slots,
// per-cell properties owned by the model, merged blocks, hidden columns and
// rows with their index mappings, and row order (moves, sorting). Windows
// paint from it and repaint on its change notices; the file formats, the
// clipboard and printing read and write it without a widget.
//
// Indexes: a cell is (C, R), column first, both from 0. Storage grows on
// write and never shrinks with a grid's counts, so cells beyond a reduced
// column or row count keep text, object and properties and come back when
// the grid grows. Reading never allocates storage. Writes outside
// 0..Max_Cols-1 x 0..Max_Rows-1 raise EGridError.
//
// Object slots: a slot holds nothing, a plain integer (Object_From_Int), an
// object the model does not own (Set_Object), or an object the model owns
// (Adopt_Object: cell properties). An owned object is freed when it is
// replaced through Adopt_Object, when its rows or columns are deleted, by
// Free_Owned and with the model; Set_Object and Release_Object hand it back
// to the caller without freeing it.
//
// Merged blocks: the base (top-left) cell's properties hold the block's
// spans (columns - 1, rows - 1) with Is_Base_Cell true; every other member's
// properties hold their offset from the base with Is_Base_Cell false. An
// unmerged cell has no properties or spans -1/-1. Operations that would cut
// a block (deleting, inserting or moving rows and columns through it,
// sorting, hiding rows) split it first, so a block is never left half.
//
// Check_Consistency() states every invariant; tests call it after each step.

class TGridModel;

// The part of a cell's properties the model itself reads: where the cell is
// (kept up to date when rows and columns move) and its merge spans. The grid
// derives its full properties from it. A change that needs a repaint is
// reported to the model it belongs to (Notify_Changed), never to a window.
class TModelCellProps : public TObject {
public:
    TModelCellProps(TGridModel *Model, int ACol, int ARow) : FModel(Model), FOwnerCol(ACol), FOwnerRow(ARow) {}
    const char *ClassName() const override { return "TModelCellProps"; }

    TGridModel *Model() const { return FModel; }
    int OwnerCol() const { return FOwnerCol; }
    void Set_OwnerCol(int V) { FOwnerCol = V; }
    int OwnerRow() const { return FOwnerRow; }
    void Set_OwnerRow(int V) { FOwnerRow = V; }
    int CellSpanX() const { return FCellSpanX; }
    void Set_CellSpanX(int V) { FCellSpanX = V; }
    int CellSpanY() const { return FCellSpanY; }
    void Set_CellSpanY(int V) { FCellSpanY = V; }
    bool IsBaseCell() const { return FIsBaseCell; }
    void Set_IsBaseCell(bool V) { FIsBaseCell = V; }
    // True when the spans say the cell belongs to a block (or is a 1 x 1 one).
    bool Has_Spans() const { return FCellSpanX != -1 || FCellSpanY != -1; }
    // The base cell of (ACol, ARow) as these properties record it.
    TPoint GetBaseCell(int ACol, int ARow) const
    {
        if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
            return {ACol - FCellSpanX, ARow - FCellSpanY};
        return {ACol, ARow};
    }

protected:
    // Tells the model's listeners that the owner cell must be repainted.
    void Notify_Changed();
    void Set_Model(TGridModel *Model) { FModel = Model; }

private:
    friend class TGridModel;
    TGridModel *FModel;
    int FOwnerCol;
    int FOwnerRow;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    bool FIsBaseCell = true;
};

// A block of cells, bounds inclusive.
struct TCellRange {
    int Left = 0;
    int Top = 0;
    int Right = -1;
    int Bottom = -1;
    bool Empty() const { return Right < Left || Bottom < Top; }
    bool Contains(int C, int R) const { return C >= Left && C <= Right && R >= Top && R <= Bottom; }
    friend bool operator==(const TCellRange &, const TCellRange &) = default;
};

// Told of every change of the model's data. A range change names the cells
// (storage indexes) whose text, object or properties changed; a structural
// change (rows or columns inserted, deleted, moved, hidden, sorted) changes
// positions, and listeners repaint everything.
class IGridModelListener {
public:
    virtual ~IGridModelListener() = default;
    virtual void Model_Cells_Changed(const TCellRange &Range) = 0;
    virtual void Model_Structure_Changed() = 0;
};

// One model cell: its text and its object slot (see above for the slot's
// encoding: bit 0 a plain integer, else a pointer whose bit 1 marks ownership).
struct TModelCell {
    TCellText Text;
    std::uintptr_t Slot = 0;
};

// A row's texts and objects as the string grid's Rows[] hands them over.
struct TGridCell {
    QString Text;
    TObject *Object = nullptr;   // not owned
    friend bool operator==(const TGridCell &, const TGridCell &) = default;
};
using TGridRowData = std::vector<TGridCell>;

// Why a row is hidden: each way of showing rows again brings back only the
// rows hidden its own way (removing a filter level never shows a contracted
// node's rows, expanding a node never shows filtered rows).
enum THideReason { hrExplicit, hrFilter, hrNode };

// A row hidden from the grid: its cells (with their objects, owned ones
// still owned) wait here until it is shown again.
struct THiddenRow {
    int Index = 0;    // the row's real index when it was hidden
    int Height = 0;   // its height then (pixels)
    int Level = 0;    // the filter level that hid it; 0 for plain hiding
    THideReason Reason = hrExplicit;
    std::vector<TModelCell> Cells;
};

class TGridModel {
public:
    static constexpr int Max_Cols = 1 << 16;
    static constexpr int Max_Rows = 1 << 24;
    // Columns that take part in hiding: every column the storage can hold.
    static constexpr int Max_Hidable_Cols = Max_Cols;

    TGridModel() = default;
    TGridModel(const TGridModel &) = delete;
    TGridModel &operator=(const TGridModel &) = delete;
    ~TGridModel();

    // The component this model belongs to (a grid); nullptr for none.
    QObject *Owner() const { return FOwner; }
    void Set_Owner(QObject *Owner) { FOwner = Owner; }

    // --- listeners and update batching -------------------------------------------
    void Add_Listener(IGridModelListener *Listener);
    void Remove_Listener(IGridModelListener *Listener);
    // Between Begin_Update and the matching End_Update changes are gathered
    // and reported once (the bounding range, or one structural change).
    void Begin_Update() { ++FUpdateDepth; }
    void End_Update();
    // Reports a change of the cell's look (properties changed in place).
    void Cell_Changed(int C, int R) { Notify_Range({C, R, C, R}); }

    // --- texts and objects ---------------------------------------------------------
    // Columns every row gets on its first write (the grid's column count), so a
    // row is allocated once instead of growing cell by cell.
    void Set_Row_Width_Hint(int Cols) { FRowWidthHint = Cols < 0 ? 0 : (Cols > Max_Cols ? Max_Cols : Cols); }
    QString Cell(int C, int R) const;
    // The same text as a view, built in Room (TCellText::Max_Latin1 units)
    // when it is stored inline: for passes over many cells, which must not
    // allocate a string per cell. Valid until the cell or Room changes.
    QStringView Cell_View(int C, int R, char16_t *Room) const
    {
        const TModelCell *Cell = R >= 0 && C >= 0 && R < Stored_Rows() && C < Stored_Cols(R)
                                     ? &FRows[static_cast<size_t>(R)][static_cast<size_t>(C)]
                                     : nullptr;
        return Cell ? Cell->Text.View(Room) : QStringView();
    }
    // Asks the processor to fetch the cell's memory ahead of a read: a pass
    // over rows in an order far from their storage (after a sort) would
    // otherwise wait on memory for every row.
    void Prefetch_Cell(int C, int R) const
    {
        if (R >= 0 && R < Stored_Rows() && C >= 0 && C < Stored_Cols(R))
            __builtin_prefetch(&FRows[static_cast<size_t>(R)][static_cast<size_t>(C)]);
    }
    void Set_Cell(int C, int R, const QString &Text);
    // Set_Cell with a text already in its stored form, moved in: for readers
    // that build many cells (no string is built or copied per cell).
    void Set_Cell_Text(int C, int R, TCellText &&Text);
    // The object in the slot (owned or not); a tagged integer as stored.
    TObject *Object(int C, int R) const;
    // Stores an object the model does not own. An owned object in the slot is
    // handed back to the caller without being freed.
    void Set_Object(int C, int R, TObject *Object);
    // Stores an object the model owns from now on; a previous owned object in
    // the slot is freed (unless it is the same one).
    void Adopt_Object(int C, int R, TObject *Object);
    // Empties the slot and gives its object (owned or not) to the caller.
    TObject *Release_Object(int C, int R);
    bool Is_Owned(int C, int R) const;
    // The cell's properties: the owned object in its slot when it is one.
    TModelCellProps *Props(int C, int R) const;
    // Frees the owned objects in a range (others are left alone); Before_Free
    // sees each first (to free what the grid keeps with it).
    void Free_Owned(const TCellRange &Range, const std::function<void(TObject *)> &Before_Free = {});
    // Every owned object, wherever it is stored (hidden rows included).
    void For_Each_Owned(const std::function<void(TObject *)> &Visit) const;

    // A row's first Count texts and objects; missing cells are empty.
    TGridRowData Row(int R, int Count) const;
    // Replaces the first Data.size() cells of a row (objects not owned).
    void Set_Row(int R, const TGridRowData &Data);
    // Empties every cell; owned objects are freed.
    void Clear();
    int Stored_Rows() const { return static_cast<int>(FRows.size()); }
    int Stored_Cols(int R) const
    {
        return R >= 0 && R < Stored_Rows() ? static_cast<int>(FRows[static_cast<size_t>(R)].size()) : 0;
    }

    // --- rows and columns ---------------------------------------------------------
    // Row From takes position To; the rows between shift by one. Columns
    // likewise. Blocks cut by the move are split first.
    void Move_Row(int From, int To);
    void Move_Col(int From, int To);
    // Rearranges the columns in one pass: column I takes the cells of column
    // Source[I] (Source a permutation of 0 .. Source.size() - 1). Blocks that
    // meet a column that moves are split first.
    void Permute_Cols(const std::vector<int> &Source);
    // Count empty rows (columns) before index At; the cells from At on move on.
    void Insert_Rows(int At, int Count);
    void Insert_Cols(int At, int Count);
    // Removes Count rows (columns) from At; their owned objects are freed and
    // the following cells move up (left).
    void Delete_Rows(int At, int Count);
    void Delete_Cols(int At, int Count);
    // Puts rows From..From+Order.size()-1 into the order given: new position
    // From+i takes old row Order[i] (a permutation of that range). The sort
    // order of the grid is applied through it.
    void Permute_Rows(int From, const std::vector<int> &Order);
    // Sorts rows From..To (inclusive) stably by Less (old row indexes).
    void Sort_Rows(int From, int To, const std::function<bool(int RowA, int RowB)> &Less);

    // --- merged blocks ----------------------------------------------------------------
    using TPropsFactory = std::function<TModelCellProps *(int C, int R)>;
    // Makes (C, R) the base of a SpanX x SpanY block; blocks it overlaps are
    // split first (their number goes to *Blocks_Split). Cells without
    // properties get them from Make. Returns false (nothing done) for spans
    // below 1.
    bool Merge(int C, int R, int SpanX, int SpanY, const TPropsFactory &Make, int *Blocks_Split = nullptr);
    // Splits the block holding (C, R): spans back to -1, every member its own
    // base. Returns false when the cell was not merged.
    bool Split(int C, int R);
    // The block holding the cell, or the cell alone.
    TCellRange Block_Of(int C, int R) const;

    // --- hidden columns (cells stay where they are) -------------------------------------
    bool Is_Hidden_Col(int C) const;
    int Hidden_Col_Count() const { return FHiddenCols; }
    // Marks a column hidden and keeps its width; false when it already was or
    // lies outside 0..Max_Hidable_Cols-1.
    bool Hide_Col(int C, int Width);
    // Marks it visible again; false when it was not hidden.
    bool Unhide_Col(int C);
    int Hidden_Col_Width(int C) const;
    // The width a hidden column comes back with; false when it is not hidden.
    bool Set_Hidden_Col_Width(int C, int Width);
    // Real column to display column (a hidden column maps to the display
    // index of the next visible one) and back (0 when no real column has that
    // display index). Both cost a binary search or a walk over the hidden
    // columns only, whatever the column count.
    int Real_To_Displ_Col(int C) const;
    int Displ_To_Real_Col(int D) const;

    // --- hidden rows (their cells leave the rows) ---------------------------------------
    int Hidden_Row_Count() const { return static_cast<int>(FHiddenRows.size()); }
    const std::vector<THiddenRow> &Hidden_Rows() const { return FHiddenRows; }
    bool Is_Hidden_Row(int Real) const;
    // The text of a cell of a hidden row (real row index); writing stores it
    // there (false when the row is not hidden).
    QString Hidden_Cell(int Real, int C) const;
    // The saved texts and objects of the hidden row with real index Real;
    // nullopt when no row of that index is hidden.
    std::optional<TGridRowData> Hidden_Row_Data(int Real) const;
    bool Set_Hidden_Cell(int Real, int C, const QString &Text);
    // Hides real rows From..To that are not hidden yet. Height(display row)
    // gives each row's height to keep. Returns the number of rows hidden (the
    // display rows removed start at Real_To_Displ_Row(From) as it was).
    // RealRows, when not negative, is the number of real rows (shown and
    // hidden): rows from there on do not exist and are not hidden.
    int Hide_Rows(int From, int To, const std::function<int(int DisplRow)> &Height, THideReason Reason = hrExplicit,
                  int RealRows = -1);
    // Shows hidden real rows From..To again (only when From itself is
    // hidden); Restore(display row, height) tells where each came back.
    // Returns the number of rows shown.
    int Unhide_Rows(int From, int To, const std::function<void(int DisplRow, int Height)> &Restore = {});
    // The same for the rows of From..To hidden for Reason only (From need not
    // be hidden); the others stay hidden.
    int Unhide_Rows_Hidden_For(int From, int To, THideReason Reason,
                               const std::function<void(int DisplRow, int Height)> &Restore = {});
    int Real_To_Displ_Row(int Real) const;
    int Displ_To_Real_Row(int Displ) const;
    // Hides the display rows of DisplRows (ascending, each once) in one pass,
    // recording them with their real indexes at filter level Level. Returns
    // the number of rows hidden; the display rows after them close up.
    int Hide_Row_List(const std::vector<int> &DisplRows, int Level, const std::function<int(int DisplRow)> &Height,
                      THideReason Reason = hrFilter);
    // Shows every row a filter hid at level Level again in one pass (rows
    // hidden otherwise stay); Restore(display row, height) tells where each
    // came back, in ascending order.
    int Unhide_Level(int Level, const std::function<void(int DisplRow, int Height)> &Restore = {});
    // Count empty rows before display row At, as Insert_Rows does; hidden
    // rows from the real index of At on move on by Count, so every hidden row
    // keeps its place relative to the visible rows around it.
    void Insert_Display_Rows(int At, int Count);
    // Removes display rows At..At+Count-1 (owned objects freed); hidden rows
    // after them move back by the rows removed before them.
    void Delete_Display_Rows(int At, int Count);

    // --- row flags ----------------------------------------------------------------------------
    // The rows' selection, modified and disabled flags. Inserting and removing
    // display rows keeps them beside their rows; hiding leaves them where they
    // are (the modified and disabled flags count real rows).
    TGridRowFlags &Row_Flags() { return FRowFlags; }
    const TGridRowFlags &Row_Flags() const { return FRowFlags; }

    // --- invariants ------------------------------------------------------------------------
    // The first broken invariant in words, or an empty string. Checks: slot
    // encoding; owned properties know this model and their own position;
    // every block's members agree with its base and lie in storage; no cell
    // belongs to two blocks; hidden columns counted right and mappings
    // inverse; hidden rows ordered by index, without duplicates. Given the
    // number of display rows, also that every hidden row lies among the real
    // rows (display rows plus hidden rows).
    QString Check_Consistency(int DisplRows = -1) const;

private:
    TModelCell *Ensure(int C, int R);
    const TModelCell *Find(int C, int R) const;
    void Free_Slot(TModelCell &Cell);
    void Split_Rows_Crossing(int Edge);   // blocks with Top < Edge <= Bottom
    void Split_Cols_Crossing(int Edge);
    void Split_Rows_Touching(int From, int To);   // blocks meeting rows From..To
    void Split_Cols_Touching(int From, int To);
    void Renumber_Rows(int From, int To);
    void Renumber_Cols(int From, int To);
    void Notify_Range(const TCellRange &Range);
    void Notify_Structure();
    // Shows every hidden row Which picks in one pass (see Unhide_Level).
    int Unhide_Where(const std::function<bool(const THiddenRow &)> &Which,
                     const std::function<void(int DisplRow, int Height)> &Restore);
    friend class TModelCellProps;

    std::vector<std::vector<TModelCell>> FRows;
    int FRowWidthHint = 0;
    QObject *FOwner = nullptr;
    std::vector<IGridModelListener *> FListeners;
    int FUpdateDepth = 0;
    bool FPendingStructure = false;
    TCellRange FPending;
    // Hidden real columns in ascending order, with the width each had.
    struct THiddenCol {
        int Index;
        int Width;
    };
    std::vector<THiddenCol> FColHidden;
    int FHiddenCols = 0;
    std::vector<THiddenRow> FHiddenRows;   // ordered by Index
    long long FOwnedCount = 0;   // owned objects in storage and hidden rows
    TGridRowFlags FRowFlags;
};

// The platform string grid's name for its cell store.
using TGridCellStore = TGridModel;
