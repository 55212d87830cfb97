#include "grid/stringgrid/GridBottomPanels.h"
#include "grid/stringgrid/GridPanels.h"
#include <algorithm>

void TGridBottomPanels::Create(QWidget *Grid)
{
    FFooter = new TFooterPanel(Grid);
    FSearch = new TSearchPanel(Grid);
    FFooter->resize(0, 0);
    FSearch->resize(0, 0);
}

bool TGridBottomPanels::Footer_Visible() const { return FFooter && !FFooter->isHidden(); }
bool TGridBottomPanels::Search_Visible() const { return FSearch && !FSearch->isHidden(); }

bool TGridBottomPanels::Set_Search_Visible(bool Value)
{
    if (Value == Search_Visible())
        return false;
    FSearch->setVisible(Value);
    return true;
}

void TGridBottomPanels::Set_Footer(bool Visible, int Height)
{
    FFooterHeight = Visible ? std::max(0, Height) : 0;
    FFooter->setVisible(Visible && FFooterHeight > 0);
}

TBottomPanelPlaces TGridBottomPanels::Places(const QRect &Cells, int FooterHeight, int SearchHeight)
{
    return {QRect(Cells.left(), Cells.bottom() + 1, Cells.width(), FooterHeight),
            QRect(Cells.left(), Cells.bottom() + 1 + FooterHeight, Cells.width(), SearchHeight)};
}

void TGridBottomPanels::Place(const QRect &Cells) const
{
    const TBottomPanelPlaces P = Places(Cells, Footer_Height(), Search_Height());
    FFooter->setGeometry(P.Footer);
    FSearch->setGeometry(P.Search);
}

QChar TGridBottomPanels::Accelerator(const QString &Caption)
{
    const int Amp = Caption.indexOf(QLatin1Char('&'));
    if (Amp < 0 || Amp + 1 >= Caption.size())
        return QChar();
    return Caption.at(Amp + 1).toUpper();
}

VOdeGridButton *TGridBottomPanels::Accelerated(QChar Key) const
{
    if (!Search_Visible())
        return nullptr;
    for (VOdeGridButton *B : {FSearch->ForwardButton(), FSearch->BackwardButton(), FSearch->HiliteButton()}) {
        const QChar A = Accelerator(B->Caption());
        if (A.isNull() || A != Key.toUpper() || B->isHidden() || !B->isEnabled())
            continue;
        return B;
    }
    return nullptr;
}

int TGridBottomPanels::Integral_Height(int Height, int RowHeight, int BarExtent, int Border)
{
    return BarExtent + 2 * Border + RowHeight * ((Height - BarExtent - Border) / RowHeight);
}
