#pragma once
#include <QStringView>

// Letter case ignored exactly as comparing QString::toUpper() copies would
// ignore it, without making the copies. Almost every UTF-16 unit upper-cases
// to exactly one unit, so a text made only of such units can be compared
// unit by unit as it is stored. A text holding a unit that becomes several
// (the German sharp s, ligatures) or a surrogate is not "simple": callers
// upper-case it as a whole instead, so the answers never differ.

// The unit C upper-cases to; Upper_Not_Simple when it does not map to one unit.
constexpr char16_t Upper_Not_Simple = 0xD800;
const char16_t *Upper_Unit_Table();
inline char16_t Upper_Unit(char16_t C)
{
    if (C < 0x80)
        return C >= u'a' && C <= u'z' ? static_cast<char16_t>(C - 0x20) : C;
    return Upper_Unit_Table()[C];
}
// Every unit of Text upper-cases to one unit.
bool Upper_Is_Simple(QStringView Text);
// The first position from From at which Text, upper-cased unit by unit,
// holds Upper_Needle (upper-cased by its owner); -1 when nowhere. Text must
// be simple; an empty needle is found at From.
qsizetype Upper_Index_Of(QStringView Text, QStringView Upper_Needle, qsizetype From = 0);
// Text upper-cased unit by unit equals Upper_Other (Text simple).
bool Upper_Equals(QStringView Text, QStringView Upper_Other);
