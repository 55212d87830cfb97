#include "grid/stringgrid/GridSearchBar.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QPointer>

namespace {
// The edit turns red while its text is not found.
void Paint_Edit(RIraRevadiVizo &G, TSearchPanel &P)
{
    QPalette Pal = P.Edit()->palette();
    Pal.setColor(QPalette::Base, To_QColor(G.SearchEditColor()));
    P.Edit()->setPalette(Pal);
}

QString Or_Default(const QString &Caption, const QString &Default) { return Caption.isEmpty() ? Default : Caption; }
} // namespace

void TGridSearchBar::Connect(RIraRevadiVizo &Grid)
{
    TSearchPanel *P = Grid.SearchPanel();
    if (!P)
        return;
    // The panel is the grid's child: it never outlives the grid.
    RIraRevadiVizo *G = &Grid;
    auto Act = [G, P](void (RIraRevadiVizo::*Action)(const QString &, bool, bool)) {
        return [G, P, Action] {
            (G->*Action)(P->Edit()->text(), P->MatchCase()->Checked(), P->HiliteButton()->Down());
            Paint_Edit(*G, *P);
        };
    };
    P->OnEditChange = [G, P](const QString &Text) {
        G->SearchEditChange(Text, P->MatchCase()->Checked(), P->HiliteButton()->Down());
        Paint_Edit(*G, *P);
    };
    P->OnFindNext = Act(&RIraRevadiVizo::SearchFindNext);
    P->OnFindPrevious = Act(&RIraRevadiVizo::SearchFindPrevious);
    P->OnHighlight = Act(&RIraRevadiVizo::SearchHighlightClick);
    P->OnClose = [G] { G->SearchFooterClose(); };
    Grid.SearchFooter().OnChange = [G] { Update(*G); };
    Update(Grid);
}

void TGridSearchBar::Update(RIraRevadiVizo &Grid)
{
    TSearchPanel *P = Grid.SearchPanel();
    if (!P)
        return;
    const TSearchFooter &S = Grid.SearchFooter();
    if ((P->HiliteButton()->Down() && Grid.Search_Footer_Visible() && !S.Visible()) || S.AlwaysHighLight())
        Grid.UnHilightInGrid(false);
    Apply(*P, S);
    Grid.Set_Search_Panel_Visible(S.Visible());
}

void TGridSearchBar::Apply(TSearchPanel &Panel, const TSearchFooter &S)
{
    static const TSearchFooter English(true);
    Panel.setFont(S.Font().To_QFont());
    Panel.Set_Gradient(To_QColor(S.Color()), To_QColor(S.ColorTo()));
    Panel.CloseButton()->setVisible(S.ShowClose());
    Panel.ForwardButton()->setVisible(S.ShowFindNext());
    Panel.BackwardButton()->setVisible(S.ShowFindPrev());
    Panel.HiliteButton()->setVisible(S.ShowHighLight());
    Panel.MatchCase()->setVisible(S.ShowMatchCase());
    Panel.ForwardButton()->Set_Caption(Or_Default(S.FindNextCaption(), English.FindNextCaption()));
    Panel.BackwardButton()->Set_Caption(Or_Default(S.FindPrevCaption(), English.FindPrevCaption()));
    Panel.HiliteButton()->Set_Caption(Or_Default(S.HighLightCaption(), English.HighLightCaption()));
    Panel.MatchCase()->Set_Caption(Or_Default(S.MatchCaseCaption(), English.MatchCaseCaption()));
    Panel.CloseButton()->setToolTip(S.HintClose());
    Panel.ForwardButton()->setToolTip(S.HintFindNext());
    Panel.BackwardButton()->setToolTip(S.HintFindPrev());
    Panel.HiliteButton()->setToolTip(S.HintHighlight());
    Panel.Arrange();
    Panel.update();
}
