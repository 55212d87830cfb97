// The string grid's life cycle: construction with its defaults, destruction,
// copying one grid into another, and the window it follows.
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/GridSearchBar.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QBuffer>
#include <QApplication>
#include <exception>
#include "platform/SystemInfo.h"
#include "platform/ThemedParts.h"
#include <QEvent>
#include <QResizeEvent>

namespace {
// Once per process, before the first grid is used: the messages a grid and
// its date picker post to themselves get their numbers. (The private cell
// block on the clipboard is a MIME type, Mime_Grid_Cells, which needs no
// registration.)
void Register_Grid_Messages()
{
    static const bool Done = [] {
        Grid_Edit_Done_Message();
        Date_Picker_Shift_Focus_Message();
        return true;
    }();
    (void)Done;
}
} // namespace

RIraRevadiVizo::RIraRevadiVizo(QWidget *Parent)
    : TBaseGrid(Parent), RIraRevadiVizo_State(this, this, Model().Row_Flags(), [this] { Invalidate(); })
{
    Register_Grid_Messages();
    // An incremental lookup's text goes after a pause of about two seconds.
    FGridTimer.OnTick = [this](bool Search_Due) {
        if (Search_Due && FNavigation.AutoGotoIncremental())
            FSearchInc.clear();
    };
    FNavigation.Sender = this;
    FNavigation.OnChange = [this](QObject *) { NavigationChange(); };
    FMouseActions.Sender = this;
    FMouseActions.OnChange = [this](QObject *) { MouseActionsChange(); };
    FMouseActions.OnInvalidate = [this](QObject *) { Invalidate(); };
    FMouseActions.OnDisableEdit = [this](QObject *) { DisableEditing(); };
    FBands.Sender = this;
    FBands.OnChange = [this](QObject *) { Invalidate(); };
    FShowModified.OnChange = [this](TShowModified *) { Invalidate(); };
    FSortSettings.FixedRowsOf = [this] { return FixedRows(); };
    FSortSettings.OnRepaint = [this] { Invalidate(); };
    FSortSettings.OnHeaderRepaint = [this] {
        if (FixedRows() > 0)
            RepaintRow(FixedRows() - 1);
    };
    FSortSettings.OnSort = [this] { QSort(); };
    FSortSettings.OnSortIndexed = [this] { QSortIndexed(); };

    FFixedFont.Style = TFontStyles{fsBold};
    FActiveCellFont.Style = TFontStyles{fsBold};
    FQelGradientTo = Color_To_RGB(clBtnFace);

    Set_RowCount(10);
    resize(400, 250);

    Set_DefaultRowHeight(22);
    FFixedRowHeight = 22;
    // The operating system's facts: themed systems draw a blue-grey border.
    const TSystemInfo &Sys = System_Info();
    const bool WinXP = Sys.Win_Major > 5 || (Sys.Win_Major == 5 && Sys.Win_Minor >= 1);
    FBorderColor = WinXP ? 0xB99D7F : 0x808080;
    FScrollWidth = Sys.VScroll_Width;
    FColumnSize->OnStretch = [this](int StretchCol) { StretchColumn(StretchCol); };
    Create_Panels();
    // The search bar follows its settings and drives the find actions.
    TGridSearchBar::Connect(*this);
    Watch_Window();
}

RIraRevadiVizo::~RIraRevadiVizo()
{
    // An editor with the focus loses it while the grid is still whole; the
    // grid ends no edit on its way out.
    FBlockKill = true;
    if (QWidget *F = QApplication::focusWidget(); F && isAncestorOf(F))
        F->clearFocus();
    // Every column comes back before the grid goes, so nothing keeps a
    // reference to a hidden width; the model frees the cells' objects.
    if (FWatchedWindow)
        FWatchedWindow->removeEventFilter(this);
    if (ColumnSize().Save()) {
        // A grid going away cannot report a failed write; the old file stays.
        try {
            SaveColSizes();
        } catch (const std::exception &) {
        }
    }
    if (Focus_Window_Grid() == this)
        HideFocusWindow();
}

// --- copying ------------------------------------------------------------------------------

void RIraRevadiVizo::Assign(QObject *Source)
{
    auto *S = qobject_cast<RIraRevadiVizo *>(Source);
    if (!S || S == this)
        return;
    Set_Font(S->Font());
    Set_ActiveCellColor(S->ActiveCellColor());
    Set_ActiveCellColorTo(S->ActiveCellColorTo());
    Set_ActiveCellFont(S->ActiveCellFont());
    Set_ActiveCellShow(S->ActiveCellShow());
    Set_ActiveRowShow(S->ActiveRowShow());
    FAutoSize = S->FAutoSize;
    FAutoFilterUpdate = S->FAutoFilterUpdate;
    FMouseActions.Assign(S->FMouseActions);
    FNavigation.Assign(S->FNavigation);
    FPrintSettings.Assign(S->FPrintSettings);
    FHTMLSettings.Assign(S->FHTMLSettings);
    FBands.Assign(S->FBands);
    FCellNode->Assign(*S->FCellNode);
    FColumnSize->Assign(*S->FColumnSize);
    FDragScrollOptions.Assign(S->FDragScrollOptions);
    FSyncGrid.Assign(S->FSyncGrid);
    FFocusHelper.Assign(S->FFocusHelper);
    FFixedRowAlways = S->FFixedRowAlways;
    Set_ColCount(S->ColCount());
    Set_RowCount(S->RowCount());
    Set_FixedRows(S->FixedRows());
    Set_FixedCols(S->FixedCols());
    Set_DefaultColWidth(S->DefaultColWidth());
    Set_DefaultRowHeight(S->DefaultRowHeight());
    Set_FixedRowHeight(S->FixedRowHeight());
    Set_FixedColWidth(S->FixedColWidth());
    FInvalidEntryTitle = S->FInvalidEntryTitle;
    FInvalidEntryIcon = S->FInvalidEntryIcon;
    FInvalidEntryText = S->FInvalidEntryText;
    Set_Options(S->Options());
    for (int C = 0; C < S->ColCount(); ++C)
        Set_ColWidths(C, S->ColWidths(C));
    Set_ColumnHeaders(S->ColumnHeaders());
    for (int R = 0; R < S->RowCount(); ++R)
        Set_RowHeights(R, S->RowHeights(R));
    Set_ScrollProportional(S->ScrollProportional());
    Set_ScrollSynch(S->ScrollSynch());
    Set_ScrollWidth(S->ScrollWidth());
    Set_ScrollHints(S->ScrollHints());
    Set_ScrollBarAlways(S->ScrollBarAlways());
    Set_ScrollBars(S->ScrollBars());
    Set_ScrollColor(S->ScrollColor());
    Set_ScrollType(S->ScrollType());
    // The filter with its drop-down, the grouping, sort, search footer and
    // progress looks belong to the grid's settings as much as the rest.
    FPaintExtras.FilterDropDown = S->FPaintExtras.FilterDropDown;
    Set_FilterDropDownAuto(S->FilterDropDownAuto());
    Set_FilterDropDownCheck(S->FilterDropDownCheck());
    Set_FilterDropDownRow(S->FilterDropDownRow());
    Set_AutoNumAlign(S->FAutoNumAlign);
    Set_AutoThemeAdapt(S->FAutoThemeAdapt);
    FGrouping = S->FGrouping;
    FSearchFooter.Assign(S->FSearchFooter);
    Filter() = S->FFilters.Filter();
    FSortSettings.Assign(S->FSortSettings);
    FShowModified.Assign(S->FShowModified);
    FSortSettings.IndexColumns = S->FSortSettings.IndexColumns;
    FSortSettings.IndexDirections = S->FSortSettings.IndexDirections;
    if (S->FProgressAppearance)
        ProgressAppearance().Assign(*S->FProgressAppearance);
    AssignCells(Source);
}

void RIraRevadiVizo::AssignCells(QObject *Source)
{
    auto *S = qobject_cast<RIraRevadiVizo *>(Source);
    if (!S || S == this)
        return;
    // Through the grid's own stream, as a copy between grids always went:
    // the size, the column widths and the shown cells.
    QBuffer Stream;
    Stream.open(QIODevice::ReadWrite);
    S->SaveToStream(Stream);
    Stream.seek(0);
    LoadFromStream(Stream);
    // The stream holds the shown columns only; a hidden column's cells are
    // copied too, each real column to the same real column.
    const int Cols = std::min(S->TotalColCount(), TotalColCount());
    Model().Begin_Update();
    for (int R = 0; R < std::min(S->RowCount(), RowCount()); ++R)
        for (int C = 0; C < Cols; ++C)
            Set_Cells(C, R, S->Cells(C, R));
    Model().End_Update();
}

void RIraRevadiVizo::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    InvalidateGrid();
    if (!FLoading && Floating_Footer_Visible())
        FooterPanel()->update();
}

// --- loading ------------------------------------------------------------------------------

void RIraRevadiVizo::Loaded()
{
    TBaseGrid::Loaded();
    ShowColumnHeaders();
    ShowRowHeaders();
    // The style look is applied once more, now that every setting is in.
    if (FLook == glQel) {
        FLook = glCustom;
        Set_Look(glQel);
    }
    if (AutoSize())
        AutoSizeColumns(false, 4);
    if (ColumnSize().Save())
        LoadColSizes();
    FFixedRowsMin = TBaseGrid::FixedRows();
    FFixedColsMin = TBaseGrid::FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation.Set_AlwaysEdit(true);
        Set_Options(Options() - goAlwaysShowEditor);
    }
    // Without themes a themed check box or button cannot be drawn as one.
    if (!Themes_Available() && FControlLook.ControlStyle == csTheme && !FDesigning)
        FControlLook.ControlStyle = csClassic;
    SearchFooter().Set_AutoThemeAdapt(AutoThemeAdapt());
    UpdateScrollBarVisibility(false);
    if (AutoThemeAdapt() && !FDesigning) {
        ThemeAdapt();
        Register_Theme_Window();
    }
    AdaptToVisualStyle();
    InitOrigColSizes();
}

QString RIraRevadiVizo::GetEditMask(int ACol, int ARow)
{
    QString Value = FEditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, Value);
    return Value;
}

// --- the window the grid follows -------------------------------------------------------------

void RIraRevadiVizo::Watch_Window()
{
    // Each grid has its own filter on its window: two grids on one window
    // never hand a window handler to each other, and a destroyed grid's
    // filter goes with it.
    QWidget *W = window();
    if (W == FWatchedWindow)
        return;
    if (FWatchedWindow)
        FWatchedWindow->removeEventFilter(this);
    FWatchedWindow = (W && W != this) ? W : nullptr;
    if (FWatchedWindow) {
        FWatchedWindow->installEventFilter(this);
        FPrevSizeX = FWatchedWindow->width();
        FPrevSizeY = FWatchedWindow->height();
    }
}

bool RIraRevadiVizo::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == FWatchedWindow && Event->type() == QEvent::Resize) {
        const int OldX = FPrevSizeX, OldY = FPrevSizeY;
        FPrevSizeX = FWatchedWindow->width();
        FPrevSizeY = FWatchedWindow->height();
        FormResize(OldX, OldY);
    }
    // The focus frame follows a moving or resizing window.
    if (Watched == FWatchedWindow && (Event->type() == QEvent::Move || Event->type() == QEvent::Resize)
        && Focus_Window_Grid() == this)
        MoveFocusWindow();
    return TBaseGrid::eventFilter(Watched, Event);
}

bool RIraRevadiVizo::event(QEvent *Event)
{
    if (Event->type() == QEvent::ParentChange)
        Watch_Window();
    if (Event->type() == QEvent::CursorChange)
        CMCursorChanged();
    if (Event->type() == QEvent::Leave)
        Track_Hot_Button(-1, -1);
    // the office theme or the platform's theme changed
    if ((Event->type() == TThemeChangeEvent::Event_Type() || Event->type() == QEvent::ThemeChange) && FAutoThemeAdapt) {
        ThemeAdapt();
        InvalidateGrid();
    }
    if (Event->type() == QEvent::WinIdChange || Event->type() == QEvent::Show)
        Register_Theme_Window();
    return TBaseGrid::event(Event);
}

void RIraRevadiVizo::resizeEvent(QResizeEvent *Event)
{
    Synch_Col_Sizes(Event->size().width());
    TBaseGrid::resizeEvent(Event);
    Place_Panels();
    CellControlsUpdate(false);
    if (OnResize)
        OnResize(this);
    // A gradient behind the empty area spans the whole client area.
    if ((FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert)
        && FBackGround.ColorTo != clNone)
        Invalidate();
    UpdateScrollBarVisibility(false);
    // The client width also changes when a bar comes or goes (Qt lays the
    // bars out after the resize): the stretched column follows it.
    if (ColumnSize().Stretch() && parentWidget())
        StretchColumn(ColumnSize().StretchColumn());
}
