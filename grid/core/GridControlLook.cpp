// The progress appearance settings of the string grid.
#include "grid/core/GridControlLook.h"

void TGridProgressAppearance::Assign(const TGridProgressAppearance &S)
{
    if (&S == this)
        return;
#define BC_PROGRESS_COPY(Type, Name, Default) F##Name = S.F##Name;
    BC_PROGRESS_PROPS(BC_PROGRESS_COPY)
#undef BC_PROGRESS_COPY
    Changed();
}
