// Find, replace, and highlighting or marking of a search text in cells.
// The walk never wraps: past the last cell a search answers (-1, -1), so
// FindNext ends and Replace visits every cell of its range once. Marking
// remembers what each marked cell held, so unmarking gives exactly that back
// and never touches a cell it did not mark.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/GridCellViews.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"

// --- text-level marks --------------------------------------------------------------------------

QString RIraRevadiVizo::HilightText(bool DoCase, const QString &S, const QString &Text)
{
    return MarkMatches(S, Text, QStringLiteral("hi"), DoCase);
}
QString RIraRevadiVizo::UnHilightText(const QString &S) { return UnmarkMatches(S, QStringLiteral("hi")); }
QString RIraRevadiVizo::MarkText(bool DoCase, const QString &S, const QString &Text)
{
    return MarkMatches(S, Text, QStringLiteral("e"), DoCase);
}
QString RIraRevadiVizo::UnMarkText(const QString &S) { return UnmarkMatches(S, QStringLiteral("e")); }

// --- marks in cells ------------------------------------------------------------------------------

namespace {
// The grid's cells as marking sees them: a cell with a display-text hook is
// read through it, the write goes through the grid's cell write.
class TGridMarkCells final : public IGridMarkCells {
public:
    explicit TGridMarkCells(RIraRevadiVizo &Grid) : G(Grid) {}
    int Row_Count() const override { return G.RowCount(); }
    int Col_Count() const override { return G.TotalColCount(); }
    bool Is_Base_Cell(int C, int R) const override { return G.IsBaseCell(C, R); }
    QString Cell_Text(int C, int R) override { return G.OnGetDisplText ? G.GetCellEx(C, R) : G.GetGridCell(C, R); }
    void Set_Cell_Text(int C, int R, const QString &V) override { G.SetCellEx(C, R, V); }
    int Real_Row(int R) const override { return G.RealRowIndex(R); }
    void Begin_Pass() override { G.BeginUpdate(); }
    void End_Pass() override { G.EndUpdate(); }

private:
    RIraRevadiVizo &G;
};
} // namespace

void RIraRevadiVizo::Mark_In_Range(const QString &HiText, const QString &Tag, bool DoCase, int FromCol, int FromRow,
                                   int ToCol, int ToRow)
{
    TGridMarkCells Cells(*this);
    FMarks.Mark(Cells, HiText, Tag, DoCase, {FromCol, FromRow, ToCol, ToRow});
}

void RIraRevadiVizo::Unmark_In_Range(const QString &Tag, int FromCol, int FromRow, int ToCol, int ToRow)
{
    TGridMarkCells Cells(*this);
    FMarks.Unmark(Cells, Tag, {FromCol, FromRow, ToCol, ToRow});
}

namespace {
const QString Hi = QStringLiteral("hi");
const QString E = QStringLiteral("e");
} // namespace

void RIraRevadiVizo::HilightInCell(bool DoCase, int Col, int Row, const QString &HiText)
{
    Mark_In_Range(HiText, Hi, DoCase, Col, Row, Col, Row);
}
void RIraRevadiVizo::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, Hi, DoCase, Col, 0, Col, RowCount() - 1);
    else
        Mark_In_Range(HiText, Hi, DoCase, Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, Hi, DoCase, 0, Row, ColCount() - 1, Row);
    else
        Mark_In_Range(HiText, Hi, DoCase, FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row);
}
void RIraRevadiVizo::HilightInGrid(bool DoFixed, bool DoCase, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, Hi, DoCase, 0, 0, ColCount() - 1, RowCount() - 1);
    else
        Mark_In_Range(HiText, Hi, DoCase, FixedCols(), FixedRows(), ColCount() - FFixedRightCols + NumHiddenColumns() - 1,
                      RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::MarkInCell(bool DoCase, int Col, int Row, const QString &HiText)
{
    Mark_In_Range(HiText, E, DoCase, Col, Row, Col, Row);
}
void RIraRevadiVizo::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, E, DoCase, Col, 0, Col, RowCount() - 1);
    else
        Mark_In_Range(HiText, E, DoCase, Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, E, DoCase, 0, Row, ColCount() - 1, Row);
    else
        Mark_In_Range(HiText, E, DoCase, FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row);
}
void RIraRevadiVizo::MarkInGrid(bool DoFixed, bool DoCase, const QString &HiText)
{
    if (DoFixed)
        Mark_In_Range(HiText, E, DoCase, 0, 0, ColCount() - 1, RowCount() - 1);
    else
        Mark_In_Range(HiText, E, DoCase, FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1,
                      RowCount() - FFixedFooters - 1);
}

void RIraRevadiVizo::UnHilightInCell(int Col, int Row) { Unmark_In_Range(Hi, Col, Row, Col, Row); }
void RIraRevadiVizo::UnHilightInCol(bool DoFixed, int Col)
{
    if (DoFixed)
        Unmark_In_Range(Hi, Col, 0, Col, RowCount() - 1);
    else
        Unmark_In_Range(Hi, Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::UnHilightInRow(bool DoFixed, int Row)
{
    const int H = NumHiddenColumns();
    if (DoFixed)
        Unmark_In_Range(Hi, 0, Row, ColCount() + H - 1, Row);
    else
        Unmark_In_Range(Hi, FixedCols(), Row, ColCount() - FFixedRightCols + H - 1, Row);
}
void RIraRevadiVizo::UnHilightInGrid(bool DoFixed)
{
    const int H = NumHiddenColumns();
    if (DoFixed)
        Unmark_In_Range(Hi, 0, 0, ColCount() + H - 1, RowCount() - 1);
    else
        Unmark_In_Range(Hi, FixedCols(), FixedRows(), ColCount() - FFixedRightCols + H - 1, RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::UnMarkInCell(int Col, int Row) { Unmark_In_Range(E, Col, Row, Col, Row); }
void RIraRevadiVizo::UnMarkInCol(bool DoFixed, int Col)
{
    if (DoFixed)
        Unmark_In_Range(E, Col, 0, Col, RowCount() - 1);
    else
        Unmark_In_Range(E, Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}
void RIraRevadiVizo::UnMarkInRow(bool DoFixed, int Row)
{
    const int H = NumHiddenColumns();
    if (DoFixed)
        Unmark_In_Range(E, 0, Row, ColCount() + H - 1, Row);
    else
        Unmark_In_Range(E, FixedCols(), Row, ColCount() - FFixedRightCols + H - 1, Row);
}
void RIraRevadiVizo::UnMarkInGrid(bool DoFixed)
{
    const int H = NumHiddenColumns();
    if (DoFixed)
        Unmark_In_Range(E, 0, 0, ColCount() + H - 1, RowCount() - 1);
    else
        Unmark_In_Range(E, FixedCols(), FixedRows(), ColCount() - FFixedRightCols + H - 1, RowCount() - FFixedFooters - 1);
}

// --- find -------------------------------------------------------------------------------------------

TPoint RIraRevadiVizo::Find_Cell(TPoint StartCell, const QString &S, TFindParams Params, bool Wide)
{
    FFind.Start(S, Params);
    const TFindMatcher Matcher(S, Params);
    const TGridRect Sel = Selection();
    const TFindGridShape Grid_Shape{ColCount(), RowCount(), FixedCols(), FixedRows(), FFixedRightCols, FFixedFooters,
                               NumHiddenColumns(), NumHiddenRows(), {Sel.Left, Sel.Top, Sel.Right, Sel.Bottom},
                               Col(), Row()};
    if (TGridFindSession::Nothing_To_Search(Grid_Shape))
        return {-1, -1};
    TFindWalk Walk;
    Walk.Range = FFind.Range(Grid_Shape, Params);
    const bool HiddenCols = Params.Contains(fnIncludeHiddenColumns);
    const bool HiddenRows = Params.Contains(fnIncludeHiddenRows);
    Walk.RowByRow = Params.Contains(fnDirectionLeftRight);
    Walk.Backward = Params.Contains(fnBackward);
    Walk.Ignored = [this](int C) { return IsIgnoredColumn(C); };
    Walk.Visit = [this](int Rw) { ExportNotification(esExportNewRow, Rw); };
    char16_t Room[16];
    const TPoint Found = Find_Walk(Walk, StartCell, [&](int C, int Rw) {
        const int Real = HiddenCols ? C : RealColIndex(C);
        // The stored text is read in place when nothing changes it on its way out.
        QStringView View;
        if (!HiddenRows && !Wide && Cell_Ex_View(*this, Real, Rw, Room, View))
            return Matcher.Matches(View);
        const QString Text = HiddenRows ? GetCellsEx(Real, Rw) : GetCellEx(Real, Rw);
        return Matcher.Matches(Wide ? DecodeWideText(Text) : Text);
    });
    if (Found.X < 0)
        return Found;
    FFind.Set_SearchCell(Found);
    if (Params.Contains(fnAutoGoto)) {
        int D = Found.Y;
        if (HiddenRows && NumHiddenRows() > 0) {
            if (IsHiddenRow(Found.Y))
                // The contracted node whose rows hold the row opens to show it
                // (a row hidden otherwise opens no node).
                for (int N = DisplRowIndex(Found.Y) - 1; N >= FixedRows(); --N) {
                    if (!IsNode(N))
                        continue;
                    const int Span = GetNodeSpan(N);
                    const bool Holds = Span == 0 || Found.Y < RealRowIndex(N) + Span;
                    if (GetNodeState(N) && Holds)
                        ExpandNode(RealRowIndex(N));
                    break;
                }
            D = DisplRowIndex(Found.Y);
        }
        if (!IsHiddenRow(Found.Y) || !HiddenRows) {
            if (FMouseActions.DisjunctRowSelect()) {
                ClearRowSelect();
                SetRowSelect(D, true);
                Set_Row(D);
            } else if (D < RowCount() && Found.X < ColCount())
                FocusCell(Found.X, D);
        }
    }
    return Found;
}

TPoint RIraRevadiVizo::Find(TPoint StartCell, const QString &S, TFindParams FindParams)
{
    ExportNotification(esExportStart, 0);
    const TPoint P = Find_Cell(StartCell, S, FindParams);
    ExportNotification(P.X < 0 ? esExportDone : esExportFail, 0);
    FFind.Set_SearchCell(P);
    if (P.X >= 0 && FindParams.Contains(fnAutoGoto)) {
        const int F = FFloatingFooter.Visible ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - F - 2 && VisibleRowCount() + FixedRows() + F < RowCount())
            Set_TopRow(std::min(TopRow() + F + 1, RowCount() - 1));
    }
    return P;
}

TPoint RIraRevadiVizo::FindWide(TPoint StartCell, const QString &S, TFindParams FindParams)
{
    ExportNotification(esExportStart, 0);
    const TPoint P = Find_Cell(StartCell, S, FindParams, true);
    ExportNotification(P.X < 0 ? esExportDone : esExportFail, 0);
    FFind.Set_SearchCell(P);
    return P;
}

TPoint RIraRevadiVizo::FindFirst(const QString &S, TFindParams FindParams)
{
    FFind.Set_SearchCell(Find({-1, -1}, S, FindParams));
    return FFind.SearchCell();
}

TPoint RIraRevadiVizo::FindNext()
{
    FFind.Set_SearchCell(Find(FFind.SearchCell(), FFind.Text(), FFind.Params()));
    return FFind.SearchCell();
}

int RIraRevadiVizo::Replace(const QString &OrigStr, const QString &NewStr, TFindParams FindParams)
{
    // Each found cell is passed once (the walk goes on from it and never
    // wraps), so a replacement that still holds the text ends too.
    int Changed = 0;
    TPoint At{-1, -1};
    for (;;) {
        At = Find(At, OrigStr, FindParams);
        if (At.X < 0)
            break;
        const int C = FindParams.Contains(fnIncludeHiddenColumns) ? At.X : RealColIndex(At.X);
        const bool Hidden = FindParams.Contains(fnIncludeHiddenRows);
        const QString Old = Hidden ? GetCellsEx(C, At.Y) : GetCellEx(C, At.Y);
        int N = 0;
        const QString New = Replace_Text(Old, OrigStr, NewStr, FindParams.Contains(fnMatchCase), &N);
        if (N == 0 || New == Old)
            continue;
        if (Hidden)
            SetCellsEx(C, At.Y, New);
        else {
            SetCellEx(C, At.Y, New);
            if (ShowModified().Enabled)
                SetRowModified(At.Y, true);
        }
        ++Changed;
    }
    return Changed;
}

// --- cell checking --------------------------------------------------------------------------------

bool RIraRevadiVizo::CheckCell(int Col, int Row)
{
    RIraRevadiVizoCheck *Checker = FCellChecker;
    if (!Checker)
        return true;
    const QString U = UnMarkText(GetCellEx(Col, Row));
    if (Checker->GotoCell && Col < ColCount() && Row < RowCount())
        FocusCell(Col, Row);
    QString Text = U;
    if (Checker->UseCorrect)
        Text = Checker->Correct(Col, Row, Text);
    if (Checker->UseMarkError)
        Text = Checker->MarkError(Col, Row, Text);
    SetCellEx(Col, Row, Text);
    return Text == U;
}

bool RIraRevadiVizo::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    QPointer<RIraRevadiVizoCheck> Checker = FCellChecker;
    if (!Checker)
        return true;
    Checker->StartCheck();
    const int OldCol = Col();
    const int OldRow = Row();
    bool All = true;
    for (int R = std::max(0, FromRow); R <= ToRow && R < RowCount(); ++R)
        for (int C = std::max(0, FromCol); C <= ToCol && C < TotalColCount(); ++C)
            All = CheckCell(C, R) && All;
    if (Checker) {
        Checker->StopCheck();
        if (Checker->GotoCell)
            FocusCell(OldCol, OldRow);
    }
    return All;
}

bool RIraRevadiVizo::CheckCol(bool DoFixed, int Col)
{
    return DoFixed ? CheckCells(Col, 0, Col, RowCount() - 1)
                   : CheckCells(Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}

bool RIraRevadiVizo::CheckRow(bool DoFixed, int Row)
{
    return DoFixed ? CheckCells(0, Row, ColCount() - 1, Row)
                   : CheckCells(FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row);
}

bool RIraRevadiVizo::CheckGrid(bool DoFixed)
{
    return DoFixed ? CheckCells(0, 0, ColCount() - 1, RowCount() - 1)
                   : CheckCells(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

// --- quick lookup and the search footer -------------------------------------------------------------

int RIraRevadiVizo::Search(const QString &S)
{
    // The lookup column: the first normal one while sorting is not shown, the
    // first sort key while the sort index shows, else the sort column.
    int C = FixedCols();
    if (FSortSettings.Show()) {
        if (FSortSettings.IndexShow) {
            if (!FSortSettings.IndexColumns.empty())
                C = FSortSettings.IndexColumns.front();
        } else
            C = FSortSettings.Column;
    }
    if (RowCount() < 2 || C < 0 || C >= TotalColCount())
        return -1;
    for (int R = FixedRows(); R < RowCount(); ++R)
        if (GetStrippedCell(C, R).left(S.size()).toUpper() == S)
            return R;
    return -1;
}

TSearchFooter::TSearchFooter(bool InitDesign)
{
    if (!InitDesign)
        return;
    FFindNextCaption = QStringLiteral("Find &next");
    FFindPrevCaption = QStringLiteral("Find &previous");
    FMatchCaseCaption = QStringLiteral("Match case");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighlight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Assign(const TSearchFooter &S)
{
    // Not AutoSearch, SearchFixedCells or AutoThemeAdapt.
    FAlwaysHighLight = S.FAlwaysHighLight;
    FColor = S.FColor;
    FColorTo = S.FColorTo;
    FFindNextCaption = S.FFindNextCaption;
    FFindPrevCaption = S.FFindPrevCaption;
    FHighLightCaption = S.FHighLightCaption;
    FMatchCaseCaption = S.FMatchCaseCaption;
    FHintClose = S.FHintClose;
    FHintFindNext = S.FHintFindNext;
    FHintFindPrev = S.FHintFindPrev;
    FHintHighlight = S.FHintHighlight;
    FShowClose = S.FShowClose;
    FShowFindNext = S.FShowFindNext;
    FShowFindPrev = S.FShowFindPrev;
    FShowHighLight = S.FShowHighLight;
    FShowMatchCase = S.FShowMatchCase;
    FSearchActiveColumnOnly = S.FSearchActiveColumnOnly;
    FSearchMatchStart = S.FSearchMatchStart;
    FSearchColumn = S.FSearchColumn;
    FSearchDirection = S.FSearchDirection;
    FSearchHiddenRows = S.FSearchHiddenRows;
    FVisible = S.FVisible;
    FFont = S.FFont;
    if (OnChange)
        OnChange();
}

TFindParams RIraRevadiVizo::Footer_Params(bool MatchCase, bool HighlightDown) const
{
    TFindParams P{fnAutoGoto};
    if (HighlightDown)
        P += fnIgnoreHTMLTags;
    if (MatchCase)
        P += fnMatchCase;
    if (FSearchFooter.SearchActiveColumnOnly())
        P += fnFindInCurrentCol;
    if (FSearchFooter.SearchMatchStart())
        P += fnMatchStart;
    if (FSearchFooter.SearchDirection() == sdLeftRight)
        P += fnDirectionLeftRight;
    if (FSearchFooter.SearchColumn() >= 0 && FSearchFooter.SearchColumn() < ColCount())
        P += fnFindInPresetCol;
    return P;
}

void RIraRevadiVizo::Footer_Unhighlight()
{
    const int SC = FSearchFooter.SearchColumn();
    if (SC >= 0 && SC < ColCount())
        UnHilightInCol(false, SC);
    else
        UnHilightInGrid(false);
}

void RIraRevadiVizo::Footer_Highlight(const QString &Text, bool MatchCase)
{
    const int SC = FSearchFooter.SearchColumn();
    if (SC >= 0 && SC < ColCount())
        HilightInCol(false, MatchCase, SC, Text);
    else
        HilightInGrid(false, MatchCase, Text);
}

void RIraRevadiVizo::SearchEditChange(const QString &Text, bool MatchCase, bool HighlightDown)
{
    bool Default = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, Text, Default);
    if (!Default || !FSearchFooter.AutoSearch())
        return;
    TFindParams P = Footer_Params(MatchCase, HighlightDown);
    if (FSearchFooter.SearchFixedCells())
        P += fnIncludeFixed;
    if (FSearchFooter.SearchHiddenRows())
        P += fnIncludeHiddenRows;
    if (P.Contains(fnFindInPresetCol))
        FFind.Set_FindCol(FSearchFooter.SearchColumn());
    const bool Highlight = HighlightDown || FSearchFooter.AlwaysHighLight();
    if (Highlight)
        Footer_Unhighlight();
    if (Text.isEmpty()) {
        FSearchEditColor = clWindow;
        return;
    }
    FFind.Set_SearchCell(Find({-1, -1}, Text, P));
    SearchFooterAction(Text, FFind.SearchCell().X, FFind.SearchCell().Y, saFindFirst);
    if (FFind.SearchCell().X < 0) {
        FSearchEditColor = clRed;
        return;
    }
    FSearchEditColor = clWindow;
    ScrollInView(Col(), Row());
    if (Highlight)
        Footer_Highlight(Text, MatchCase);
}

void RIraRevadiVizo::SearchFindNext(const QString &Text, bool MatchCase, bool HighlightDown)
{
    if (!FSearchFooter.AutoSearch() && Text != FSearchFooter.LastSearch) {
        FFind.Restart();
        FSearchFooter.LastSearch = Text;
    }
    const TFindParams P = Footer_Params(MatchCase, HighlightDown);
    if (P.Contains(fnFindInPresetCol))
        FFind.Set_FindCol(FSearchFooter.SearchColumn());
    FFind.Set_SearchCell(Find(FFind.SearchCell(), Text, P));
    if (FFind.SearchCell().X >= 0)
        ScrollInView(Col(), Row());
    const int F = FFloatingFooter.Visible ? 1 : 0;
    if (Row() > TopRow() + VisibleRowCount() + (1 - F) - 3 && F + VisibleRowCount() + FixedRows() < RowCount())
        Set_TopRow(std::min(TopRow() + 2, RowCount() - 1));
    SearchFooterAction(Text, FFind.SearchCell().X, FFind.SearchCell().Y, saFindNext);
    Invalidate();
}

void RIraRevadiVizo::SearchFindPrevious(const QString &Text, bool MatchCase, bool HighlightDown)
{
    if (!FSearchFooter.AutoSearch() && Text != FSearchFooter.LastSearch) {
        FFind.Restart();
        FSearchFooter.LastSearch = Text;
    }
    const TFindParams P = (Footer_Params(MatchCase, HighlightDown) - fnDirectionLeftRight) + fnBackward;
    if (P.Contains(fnFindInPresetCol))
        FFind.Set_FindCol(FSearchFooter.SearchColumn());
    FFind.Set_SearchCell(Find(FFind.SearchCell(), Text, P));
    const int F = FFloatingFooter.Visible ? 1 : 0;
    if (Row() > TopRow() + VisibleRowCount() + (1 - F) - 3 && F + VisibleRowCount() + FixedRows() < RowCount())
        Set_TopRow(std::min(TopRow() + 2, RowCount() - 1));
    if (FFind.SearchCell().X >= 0)
        ScrollInView(Col(), Row());
    SearchFooterAction(Text, FFind.SearchCell().X, FFind.SearchCell().Y, saFindPrevious);
    Invalidate();
}

void RIraRevadiVizo::SearchHighlightClick(const QString &Text, bool MatchCase, bool HighlightDown)
{
    if (HighlightDown)
        Footer_Highlight(Text, MatchCase);
    else
        Footer_Unhighlight();
}

void RIraRevadiVizo::SearchFooterClose()
{
    QPointer<RIraRevadiVizo> Self(this);
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    if (Self)
        FSearchFooter.Set_Visible(false);
}
