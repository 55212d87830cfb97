#pragma once
#include <QChar>
#include <QRect>
#include <QString>

class QWidget;
class TFooterPanel;
class TSearchPanel;
class VOdeGridButton;

// Where the panels below the cells go: the floating footer's right under
// the cells, the search footer's under that, both as wide as the cells.
struct TBottomPanelPlaces {
    QRect Footer;
    QRect Search;
};

// The floating footer's and the search footer's panels a string grid docks
// below its cells (GridPanels.h): made hidden at size 0, shown at their
// heights, placed under the cells; and the search footer's accelerators.
// The cells' area ends where the panels begin (Bottom_Margin).
class TGridBottomPanels {
public:
    static constexpr int Search_Shown_Height = 32;

    // Makes both panels, children of Grid, hidden at size 0.
    void Create(QWidget *Grid);
    TFooterPanel *Footer() const { return FFooter; }
    TSearchPanel *Search() const { return FSearch; }
    bool Footer_Visible() const;
    bool Search_Visible() const;
    int Search_Height() const { return Search_Visible() ? Search_Shown_Height : 0; }
    int Footer_Height() const { return Footer_Visible() ? FFooterHeight : 0; }
    int Bottom_Margin() const { return Footer_Height() + Search_Height(); }
    // False when the search panel already showed (or hid) as asked.
    bool Set_Search_Visible(bool Value);
    // A footer of no height stays hidden.
    void Set_Footer(bool Visible, int Height);
    // Puts both panels under the cells' rectangle (in the grid's coordinates).
    void Place(const QRect &Cells) const;
    static TBottomPanelPlaces Places(const QRect &Cells, int FooterHeight, int SearchHeight);

    // The search panel's button whose accelerator is Key (Alt + the letter
    // after "&" in its caption, any case), shown and enabled; nullptr for none.
    VOdeGridButton *Accelerated(QChar Key) const;
    // The accelerator of a caption; a null character for none.
    static QChar Accelerator(const QString &Caption);
    // A grid height that holds whole rows: the bar's extent (0 when every
    // column fits) and the border twice, and as many rows as fit below them.
    static int Integral_Height(int Height, int RowHeight, int BarExtent, int Border);

private:
    TFooterPanel *FFooter = nullptr;
    TSearchPanel *FSearch = nullptr;
    int FFooterHeight = 0;
};
