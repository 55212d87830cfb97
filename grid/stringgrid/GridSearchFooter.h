#pragma once
#include "grid/base/GridOptions.h"
#include "platform/Colors.h"
#include "platform/Font.h"
#include <QString>
#include <functional>

// The search bar's settings. Setters store and tell OnChange (the Show flags
// and Visible only when they change), so the grid can rebuild its panel.
class TSearchFooter {
public:
    TSearchFooter() = default;
    // With InitDesign the bar gets its English captions and hints.
    explicit TSearchFooter(bool InitDesign);
    void Assign(const TSearchFooter &Source);

#define BC_FOOTER_PROP(Type, Name, Default, OnlyOnChange) \
public: \
    Type Name() const { return F##Name; } \
    void Set_##Name(const Type &Value) \
    { \
        if (OnlyOnChange && F##Name == Value) \
            return; \
        F##Name = Value; \
        if (OnChange) \
            OnChange(); \
    } \
private: \
    Type F##Name = Default;
    BC_FOOTER_PROP(bool, Visible, false, true)
    BC_FOOTER_PROP(bool, AutoSearch, true, false)
    BC_FOOTER_PROP(bool, AlwaysHighLight, false, false)
    BC_FOOTER_PROP(TColor, Color, clWhite, false)
    BC_FOOTER_PROP(TColor, ColorTo, clBtnFace, false)
    BC_FOOTER_PROP(bool, AutoThemeAdapt, false, false)
    BC_FOOTER_PROP(bool, ShowClose, true, true)
    BC_FOOTER_PROP(bool, ShowFindNext, true, true)
    BC_FOOTER_PROP(bool, ShowFindPrev, true, true)
    BC_FOOTER_PROP(bool, ShowHighLight, true, true)
    BC_FOOTER_PROP(bool, ShowMatchCase, true, true)
    BC_FOOTER_PROP(QString, FindNextCaption, QString(), false)
    BC_FOOTER_PROP(QString, FindPrevCaption, QString(), false)
    BC_FOOTER_PROP(QString, HighLightCaption, QString(), false)
    BC_FOOTER_PROP(QString, MatchCaseCaption, QString(), false)
    BC_FOOTER_PROP(QString, HintClose, QString(), false)
    BC_FOOTER_PROP(QString, HintFindNext, QString(), false)
    BC_FOOTER_PROP(QString, HintFindPrev, QString(), false)
    BC_FOOTER_PROP(QString, HintHighlight, QString(), false)
    BC_FOOTER_PROP(bool, SearchActiveColumnOnly, false, false)
    BC_FOOTER_PROP(int, SearchColumn, -1, false)
    BC_FOOTER_PROP(TSearchDirection, SearchDirection, sdTopBottom, false)
    BC_FOOTER_PROP(bool, SearchFixedCells, false, false)
    BC_FOOTER_PROP(bool, SearchHiddenRows, false, false)
    BC_FOOTER_PROP(bool, SearchMatchStart, false, false)
    // The bar's edit box, captions and check box are written in this font.
    BC_FOOTER_PROP(TFont, Font, TFont(), false)
#undef BC_FOOTER_PROP
public:
    QString LastSearch;
    std::function<void()> OnChange;
};
