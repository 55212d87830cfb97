#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "dropdowns/DropDownPlacement.h"
#include "platform/Colors.h"
#include <QString>
#include <QStringList>
#include <cstdint>

// The stored settings of a drop-down edit as plain data (Core only), and the
// text they are stored in: one "Name = Value" line per setting, in the form
// form files use (strings in single quotes with a doubled quote inside,
// True/False, enumeration names, whole numbers, colours as numbers). A
// setting equal to the kind's default is not written; the version and the
// two style numbers "SelectionColorStyle" and "QelStyle" always are. Reading
// takes a version back without using it and the style numbers without
// applying their presets.

// The selection colour presets of the kinds' lists.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// The defaults are what a new drop-down edit holds after its constructor has
// applied the scOffice2007 selection colours and the tsOffice2007Luna style.
struct TDropDownProperties {
    TColor DropDownBorderColor = clNone;
    int DropDownBorderWidth = 1;
    bool DropDownShadow = true;
    int DropDownWidth = 0;
    int DropDownHeight = 0;
    TDropPosition DropPosition = dpAuto;
    int DropDownButtonWidth = 17;
    QString DropDownButtonHint;
    QString DropDownButtonCaption;
    bool DropDownSizeable = true;
    TColor DropDownColor = 0xF3E5DA;
    TColor DropDownColorTo = 0xF0DED0;
    TGradientDirection DropDownGradient = gdHorizontal;
    TColor BorderColor = clNone;
    int LabelMargin = 0;
    bool Flat = false;
    bool EditorEnabled = true;
    bool ReadOnly = false;
    bool DropDownEnabled = false;
    int Precision = 0;
    QString Text;
    TColor SelectionColor = 0xD7FFFD;
    TColor SelectionColorTo = 0x58D4FC;
    // Stored always, read back without applying the presets.
    int SelectionColorStyle = scOffice2007;
    int QelStyle = 4;   // tsOffice2007Luna

    bool operator==(const TDropDownProperties &) const = default;
};

// The version number 0x01020304 as "1.2.3.4": its four bytes, highest first.
QString DropDown_Version_Text(std::uint32_t Nr);

// The lines of the settings that differ from Defaults, then the version and
// the two style numbers.
QString Write_DropDown_Properties(const TDropDownProperties &P, const TDropDownProperties &Defaults,
                                  const QString &Version);

// What reading a settings text gave: the settings (starting from the kind's
// defaults), the names whose value could not be read (they keep the default),
// names no drop-down has (skipped), and the first line that failed (1-based,
// 0: none).
struct TDropDownPropertiesRead {
    TDropDownProperties Props;
    QStringList Fell_Back;
    QStringList Unknown;
    int Error_Line = 0;
    bool Ok() const { return Fell_Back.isEmpty() && Error_Line == 0; }
};
TDropDownPropertiesRead Read_DropDown_Properties(const QString &Text, const TDropDownProperties &Defaults);
