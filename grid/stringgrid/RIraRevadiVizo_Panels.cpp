// The panels below the cells (floating footer, search footer), keeping the
// last row clear of the search footer, its accelerators, and the height
// that holds whole rows.
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QScrollBar>
#include <QStyle>

void RIraRevadiVizo::Create_Panels()
{
    FPanels.Create(this);
    for (TArrowDirection D : {arrUp, arrDown, arrLeft, arrRight})
        FArrows[D] = new TArrowWindow(this, D);
}

bool RIraRevadiVizo::Search_Footer_Visible() const { return FPanels.Search_Visible(); }
bool RIraRevadiVizo::Floating_Footer_Visible() const { return FPanels.Footer_Visible(); }
int RIraRevadiVizo::Search_Panel_Height() const { return FPanels.Search_Height(); }

void RIraRevadiVizo::Set_Search_Panel_Visible(bool Value)
{
    if (FPanels.Set_Search_Visible(Value))
        Place_Panels();
}

void RIraRevadiVizo::Set_Footer_Panel(bool Visible, int Height)
{
    FPanels.Set_Footer(Visible, Height);
    Place_Panels();
}

void RIraRevadiVizo::Place_Panels()
{
    if (!FPanels.Search())
        return;
    // The cells end above the panels.
    const QMargins Want(0, 0, 0, FPanels.Bottom_Margin());
    if (viewportMargins() != Want)
        setViewportMargins(Want);
    const QRect V = viewport()->geometry();
    FPanels.Place(V);
    // The thin metro bars lie along the right and bottom edges of the cells.
    if (FVScrlCtrl) {
        FVScrlCtrl->setGeometry(V.right() - 5, V.top(), 6, V.height() - (FHScrlCtrl ? 6 : 0));
        FVScrlCtrl->raise();
    }
    if (FHScrlCtrl) {
        FHScrlCtrl->setGeometry(V.left(), V.bottom() - 5, V.width() - (FVScrlCtrl ? 6 : 0), 6);
        FHScrlCtrl->raise();
    }
}

// --- the last row and the search footer ------------------------------------------------------------

bool RIraRevadiVizo::IsLastRowAboveSearchFooter()
{
    if (!Search_Footer_Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    // The panel's top is the cells' bottom.
    const TRect R = CellRect(LeftCol(), RowCount() - 1);
    return R.Bottom < Client_Height() + 2;
}

void RIraRevadiVizo::ScrollAboveSearchFooter()
{
    const int ClientH = Client_Height() + Search_Panel_Height();
    if (!Search_Footer_Visible() || DefaultRowHeight() + Search_Panel_Height() >= ClientH)
        return;
    // Stops as soon as the top row cannot grow any further.
    while (Row() <= RowCount() - 1 && TopRow() < RowCount() - 1) {
        const TRect R = CellRect(LeftCol(), RowCount() - 1);
        if (!R.Is_Empty() && R.Bottom <= Client_Height() + 2)
            break;
        const int Old = TopRow();
        TBaseGrid::Set_TopRow(Old + 1);
        if (TopRow() == Old)
            break;
    }
}

// --- accelerators -------------------------------------------------------------------------------------

bool RIraRevadiVizo::CMDialogChar(QChar Key)
{
    VOdeGridButton *B = FPanels.Accelerated(Key);
    if (B)
        B->Click();
    return B != nullptr;
}

// --- whole rows in the height ----------------------------------------------------------------------------

void RIraRevadiVizo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int D = DefaultRowHeight();
        const bool ColsFit = VisibleColCount() + FixedCols() >= ColCount();
        const int S = ColsFit ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        AHeight = TGridBottomPanels::Integral_Height(AHeight, D, S, BorderStyle() == bsSingle ? 2 : 0);
    }
    setGeometry(ALeft, ATop, AWidth, AHeight);
}
