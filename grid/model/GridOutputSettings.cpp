#include "grid/model/GridOutputSettings.h"

void THTMLSettings::Assign(const THTMLSettings &Source)
{
    const bool KeepImages = ExportImages;
    std::vector<int> KeepWidths = std::move(ColWidths);
    *this = Source;
    ExportImages = KeepImages;
    ColWidths = std::move(KeepWidths);
}

void TPrintSettings::Assign(const TPrintSettings &Source)
{
    const bool Keep = FixedCellsAlways;
    *this = Source;
    FixedCellsAlways = Keep;
}
