// The panels below the cells (floating footer, search footer), keeping the
// last row clear of the search footer, its accelerators, and the height
// that holds whole rows.
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QScrollBar>
#include <QStyle>

namespace {
constexpr int Search_Panel_Shown_Height = 32;
} // namespace

void RIraRevadiVizo::Create_Panels()
{
    FFooterPanel = new TFooterPanel(this);
    FSearchPanel = new TSearchPanel(this);
    FFooterPanel->resize(0, 0);
    FSearchPanel->resize(0, 0);
    for (TArrowDirection D : {arrUp, arrDown, arrLeft, arrRight})
        FArrows[D] = new TArrowWindow(this, D);
}

bool RIraRevadiVizo::Search_Footer_Visible() const { return FSearchPanel && !FSearchPanel->isHidden(); }
bool RIraRevadiVizo::Floating_Footer_Visible() const { return FFooterPanel && !FFooterPanel->isHidden(); }
int RIraRevadiVizo::Search_Panel_Height() const { return Search_Footer_Visible() ? Search_Panel_Shown_Height : 0; }

void RIraRevadiVizo::Set_Search_Panel_Visible(bool Value)
{
    if (Value == Search_Footer_Visible())
        return;
    FSearchPanel->setVisible(Value);
    Place_Panels();
}

void RIraRevadiVizo::Set_Footer_Panel(bool Visible, int Height)
{
    FFooterHeight = Visible ? std::max(0, Height) : 0;
    FFooterPanel->setVisible(Visible && FFooterHeight > 0);
    Place_Panels();
}

void RIraRevadiVizo::Place_Panels()
{
    if (!FSearchPanel)
        return;
    const int FooterH = Floating_Footer_Visible() ? FFooterHeight : 0;
    const int SearchH = Search_Panel_Height();
    // The cells end above the panels.
    const QMargins Want(0, 0, 0, FooterH + SearchH);
    if (viewportMargins() != Want)
        setViewportMargins(Want);
    const QRect V = viewport()->geometry();
    FFooterPanel->setGeometry(V.left(), V.bottom() + 1, V.width(), FooterH);
    FSearchPanel->setGeometry(V.left(), V.bottom() + 1 + FooterH, V.width(), SearchH);
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
    if (!Search_Footer_Visible())
        return false;
    for (VOdeGridButton *B : {FSearchPanel->ForwardButton(), FSearchPanel->BackwardButton(), FSearchPanel->HiliteButton()}) {
        const QString Cap = B->Caption();
        const int Amp = Cap.indexOf(QLatin1Char('&'));
        if (Amp < 0 || Amp + 1 >= Cap.size())
            continue;
        if (Cap.at(Amp + 1).toUpper() != Key.toUpper())
            continue;
        if (B->isHidden() || !B->isEnabled())
            continue;
        B->Click();
        return true;
    }
    return false;
}

// --- whole rows in the height ----------------------------------------------------------------------------

void RIraRevadiVizo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int D = DefaultRowHeight();
        const bool ColsFit = VisibleColCount() + FixedCols() >= ColCount();
        const int S = ColsFit ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int B = BorderStyle() == bsSingle ? 2 : 0;
        AHeight = S + 2 * B + D * ((AHeight - S - B) / D);
    }
    setGeometry(ALeft, ATop, AWidth, AHeight);
}
