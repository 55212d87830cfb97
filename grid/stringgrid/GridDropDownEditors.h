#pragma once
// The grid's nine drop-down editors: the drop-down family's classes wrapped
// with the grid's editor contract (DropDownWrappers.h). The grid creates each
// on first use (RIraRevadiVizo::TrackbarDropDown() and its siblings), parented
// to it, hidden and disabled.
#include "dropdowns/DropDownEditors.h"
#include "grid/stringgrid/DropDownWrappers.h"

class TGridTrackbarDropDown : public TGridDropDownWrapper<VOdeTrackBarDropDown, TGridDropDownKind::TrackBar> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridMemoDropDown : public TGridDropDownWrapper<VOdeMemoDropDown, TGridDropDownKind::Memo> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridCalculatorDropDown : public TGridDropDownWrapper<VOdeCalculatorDropdown, TGridDropDownKind::Calculator> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridTimepickerDropDown : public TGridDropDownWrapper<VOdeTimePickerDropDown, TGridDropDownKind::TimePicker> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridDetailPickerDropDown : public TGridDropDownWrapper<VOdeDetailDropDown, TGridDropDownKind::DetailPicker> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridGridDropDown : public TGridDropDownWrapper<VOdeMultiColumnDropDown, TGridDropDownKind::Grid> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridDarAzidDropDown : public TGridDropDownWrapper<TCustomDarAzidDropDown, TGridDropDownKind::DarAzid> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
    // The popup's inner grid as a string grid; none until the popup exists.
    RIraRevadiVizo *InnerGrid() const { return qobject_cast<RIraRevadiVizo *>(GetGrid()); }
};
class TGridColorDropDown : public TGridDropDownWrapper<VOdeColorPickerDropDown, TGridDropDownKind::Color> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridImageDropDown : public TGridDropDownWrapper<VOdeImagePickerDropDown, TGridDropDownKind::Image> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
