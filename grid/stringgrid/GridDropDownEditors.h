#pragma once
// The grid's drop-down editors: the drop-down family's classes wrapped with
// the grid's editor contract (DropDownWrappers.h). The grid creates each on
// first use (RIraRevadiVizo::TrackbarDropDown() and its siblings), parented
// to it, hidden and disabled. The ninth, the grid drop-down, is wrapped above
// the string grid (grid/griddropdown/GridDarAzidDropDown.h).
#include "dropdowns/CalculatorDropDown.h"
#include "dropdowns/ColorPickerDropDown.h"
#include "dropdowns/DetailDropDown.h"
#include "dropdowns/ImagePickerDropDown.h"
#include "dropdowns/MemoDropDown.h"
#include "dropdowns/MultiColumnDropDown.h"
#include "dropdowns/TimePickerDropDown.h"
#include "dropdowns/TrackBarDropDown.h"
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
class TGridColorDropDown : public TGridDropDownWrapper<VOdeColorPickerDropDown, TGridDropDownKind::Color> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
class TGridImageDropDown : public TGridDropDownWrapper<VOdeImagePickerDropDown, TGridDropDownKind::Image> {
public:
    using TGridDropDownWrapper::TGridDropDownWrapper;
};
