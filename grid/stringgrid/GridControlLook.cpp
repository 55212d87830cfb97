// The looks of controls in cells: the control look's life cycle and copy,
// and the progress appearance settings of the string grid.
#include "grid/stringgrid/GridControlLook.h"
#include "dropdowns/DropDownAppearance.h"
#include "grid/stringgrid/GridLooks.h"

TControlLook::TControlLook(TFixedGradientColors *Effective, std::function<void()> Repaint)
    : FEffective(Effective), FRepaint(std::move(Repaint)), FDropDownHeader(std::make_unique<THeaderAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>())
{
    Reset();
}

TControlLook::~TControlLook() = default;

void TControlLook::Set_DropDownHeader(const THeaderAppearance &V) { FDropDownHeader->Assign(V); }
void TControlLook::Set_DropDownFooter(const TFooterAppearance &V) { FDropDownFooter->Assign(V); }

void TControlLook::Assign(const TControlLook &S)
{
    if (&S == this)
        return;
    CheckSize = S.CheckSize;
    RadioSize = S.RadioSize;
    ControlStyle = S.ControlStyle;
    CheckedGlyph = S.CheckedGlyph;
    UnCheckedGlyph = S.UnCheckedGlyph;
    RadioOnGlyph = S.RadioOnGlyph;
    RadioOffGlyph = S.RadioOffGlyph;
    ProgressMarginX = S.ProgressMarginX;
    ProgressMarginY = S.ProgressMarginY;
    CommentColor = S.CommentColor;
    Color = S.Color;
    ProgressBorderColor = S.ProgressBorderColor;
    CheckAlwaysActive = S.CheckAlwaysActive;
    RadioAlwaysActive = S.RadioAlwaysActive;
    FOwn = S.FOwn;
    DropDownAlwaysVisible = S.DropDownAlwaysVisible;
    SpinButtonsAlwaysVisible = S.SpinButtonsAlwaysVisible;
    DropDownCount = S.DropDownCount;
    FDropDownHeader->Assign(*S.FDropDownHeader);
    FDropDownFooter->Assign(*S.FDropDownFooter);
    HintMaxWidth = S.HintMaxWidth;
}

void TGridProgressAppearance::Assign(const TGridProgressAppearance &S)
{
    if (&S == this)
        return;
#define BC_PROGRESS_COPY(Type, Name, Default) F##Name = S.F##Name;
    BC_PROGRESS_PROPS(BC_PROGRESS_COPY)
#undef BC_PROGRESS_COPY
    Changed();
}
