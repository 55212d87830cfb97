#pragma once
#include <QImage>
#include <vector>

// The glyphs of the filter drop-down button drawn in the filter row's header
// cells: Glyph for a column without filter, GlyphActive for one with a
// filter; an empty glyph is replaced by the grid's own funnel.
struct TFilterDropDown {
    QImage Glyph;
    QImage GlyphActive;
};

// What the painter keeps beside the cells: the sizing lines shown (each
// drawn once is shown, drawn twice is gone again) and the row indicator.
struct TPaintExtras {
    TFilterDropDown FilterDropDown;
    QImage RowIndicator;
    std::vector<int> ColSizingLines;   // x of each shown column sizing line
    std::vector<int> RowSizingLines;   // y of each shown row sizing line
    // Of the cell being painted: its scroll position (the content moves up by
    // it) and whether the filter glyph takes the right of its text room.
    int CellScrollPos = 0;
    bool FilterGlyph = false;
};

// The funnel drawn on a filter row's header when no glyph is set (16 x 16,
// transparent around it).
QImage Filter_Funnel_Glyph();
// A bitmap drawn transparently: the colour of its bottom-left pixel is left
// out (a picture with its own transparency there keeps it).
QImage Transparent_Bitmap(const QImage &Image);
