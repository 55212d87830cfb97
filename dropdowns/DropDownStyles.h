#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "dropdowns/DropDownProperties.h"
#include "grid/model/GridTypes.h"
#include "platform/Colors.h"
#include <array>
#include <optional>

// The colours of the drop-down family's looks as plain tables (Core only):
// the selection colour presets of the kinds' lists, the component styles
// (popup, header and footer bars, bar buttons, item appearance) and which
// border an edit paints. The widgets only copy these values and paint from
// them, so the tables are checked without a window.

// --- selection colours -------------------------------------------------------------

struct TSelectionPair {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    bool operator==(const TSelectionPair &) const = default;
};
// The pair a preset sets; none for scCustom (the colours stay as set).
std::optional<TSelectionPair> Selection_Style_Colors(TSelectionColorStyle Style);
// The six frame colours of a selected item's segment frame: corner, outer
// frame, inner bottom, inner top, mirror from, mirror to (clNone: the frame
// has no mirror); all clNone for scCustom, which fills instead.
std::array<TColor, 6> Selection_Frame_Colors(TSelectionColorStyle Style);

// --- component styles ------------------------------------------------------------------

struct TBarStyleColors {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor FontColor = clNone;
    TColor BorderColor = clNone;
    bool operator==(const TBarStyleColors &) const = default;
};

// The bar push buttons' colours a style sets (the names of the button
// appearance's properties).
struct TButtonStyleColors {
    TColor Color = clNone, ColorTo = clNone, BorderColor = clNone;
    TColor ColorHot = clNone, ColorHotTo = clNone, BorderColorHot = clNone;
    TColor ColorDown = clNone, ColorDownTo = clNone, BorderColorDown = clNone;
    TColor ColorDisabled = clNone, ColorDisabledTo = clNone;
    TColor ColorChecked = clNone, ColorCheckedTo = clNone, BorderColorChecked = clNone;
    bool operator==(const TButtonStyleColors &) const = default;
};

struct TDropDownStyleColors {
    TColor DropDownColor = clNone;
    TColor DropDownColorTo = clNone;
    // Only some styles set the popup's border colour (clNone for the
    // gradient ones); the others leave it as it is.
    std::optional<TColor> DropDownBorderColor;
    TBarStyleColors Header;
    TBarStyleColors Footer;
    TButtonStyleColors Button;
};
// What a component style sets; none for tsCustom (it changes nothing).
std::optional<TDropDownStyleColors> DropDown_Style_Colors(TQelStyle Style);

// The hot and selected colours of a list kind's item appearance per style.
struct TItemStyleColors {
    TColor ColorHot = clNone, ColorHotTo = clNone, ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
    TColor ColorSelected = clNone, ColorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone, ColorMirrorSelectedTo = clNone;
    TColor BorderColor = clNone, BorderColorTop = clNone, BorderColorBottom = clNone, EdgeColor = clNone;
    TColor BorderColorHot = clNone, BorderColorSelected = clNone;
    TColor ColorHotText = clNone, ColorSelectedText = clNone;
    bool operator==(const TItemStyleColors &) const = default;
};
// None for tsCustom.
std::optional<TItemStyleColors> Item_Appearance_Style_Colors(TQelStyle Style);

// Colour, ColorTo, the font colour and BorderColor of a bar's look.
void Apply_Bar_Style(TBarAppearance &Bar, const TBarStyleColors &C);

// The button appearance's colours through its setters (any look class with
// the button appearance's Set_ names).
template <class TLook> void Apply_Button_Style(TLook &A, const TButtonStyleColors &C)
{
    A.Set_Color(C.Color);
    A.Set_ColorTo(C.ColorTo);
    A.Set_BorderColor(C.BorderColor);
    A.Set_ColorHot(C.ColorHot);
    A.Set_ColorHotTo(C.ColorHotTo);
    A.Set_BorderColorHot(C.BorderColorHot);
    A.Set_ColorDown(C.ColorDown);
    A.Set_ColorDownTo(C.ColorDownTo);
    A.Set_BorderColorDown(C.BorderColorDown);
    A.Set_ColorDisabled(C.ColorDisabled);
    A.Set_ColorDisabledTo(C.ColorDisabledTo);
    A.Set_ColorChecked(C.ColorChecked);
    A.Set_ColorCheckedTo(C.ColorCheckedTo);
    A.Set_BorderColorChecked(C.BorderColorChecked);
}

// --- the edit's border -----------------------------------------------------------------

// What decides an edit's border, as the painting sees it.
struct TBorderState {
    bool Enabled = true;
    bool Themed = true;
    bool DisabledBorder = true;
    bool Flat = false;
    bool Focused = false;
    // The pointer is over the edit or the edit is the active control.
    bool Hot = false;
    bool DesignTime = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    // The parent's background (the cold flat look's frames).
    TColor ParentColor = clBtnFace;
};

enum TBorderKind {
    bkNone,        // nothing painted over the platform's frame
    bkFrame,       // one frame in Color
    bkFlatHot,     // a sunken outer edge, then one frame in Color
    bkFlatCold,    // two frames in Color, one inside the other
};
struct TBorderPlan {
    TBorderKind Kind = bkNone;
    TColor Color = clNone;
    bool operator==(const TBorderPlan &) const = default;
};

// Whether the edit paints a border over the platform's at all: never at
// design time; with a border or focus colour; a disabled edit for its grey
// frame (DisabledBorder); an enabled flat edit for its flat look.
bool Border_Wanted(const TBorderState &S);
// The border in order of precedence: a disabled themed edit's grey frame,
// the border colour (unless the focus colour takes over), the focus colour
// (nothing without the focus), else the flat look, hot or cold.
TBorderPlan Control_Border_Plan(const TBorderState &S);
