#pragma once
#include "grid/model/GridModel.h"
#include "grid/model/GridTypes.h"
#include "platform/Font.h"
#include "platform/PaintStyles.h"
#include <QString>
#include <cstdint>

// What a cell's properties hold, apart from any window: colours, font,
// alignment, border, editor kind, read-only, word wrap, gradient, node level,
// calculation and the cell's own object, on top of the position and merge
// spans the model itself reads. The model keeps them in the cell's object
// slot and owns them; the file formats read and write them without a widget.
// The grid's properties (TCellProperties) derive from this class and add only
// what belongs to the window (a control laid over the cell).
//
// Setters of what changes the cell's look (brush colours, vertical alignment,
// word wrap) tell the model, whose listeners repaint; the others store only,
// as the painters read them on the next paint anyway.
class TCellPropValues : public TModelCellProps {
public:
    // WordWrap starts as the grid's default for new cells.
    TCellPropValues(TGridModel *Model, int ACol, int ARow, bool WordWrap = true)
        : TModelCellProps(Model, ACol, ARow), FWordWrap(WordWrap)
    {
    }
    const char *ClassName() const override { return "TCellPropValues"; }

    // Copies position, spans and the stored values of another cell, but not the
    // graphic object, BrushColorTo, the paint pass, the calculation or the
    // gradient direction: those belong to the cell they were made for.
    void Assign(const TCellPropValues &Source);

    // The cell's own object, an opaque value (an integer or a pointer the
    // caller owns).
    std::uintptr_t CellObject() const { return FObject; }
    void Set_CellObject(std::uintptr_t V) { FObject = V; }
    TObject *GraphicObject() const { return FGraphicObject; }
    void Set_GraphicObject(TObject *V) { FGraphicObject = V; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void Set_BrushStyle(TBrushStyle V) { FBrushStyle = V; }
    TColor BrushColor() const { return FBrushColor; }
    void Set_BrushColor(TColor V);      // repaints the cell
    TColor BrushColorTo() const { return FBrushColorTo; }
    void Set_BrushColorTo(TColor V);    // repaints the cell
    int FontSize() const { return FFontSize; }
    void Set_FontSize(int V) { FFontSize = V; }
    TColor FontColor() const { return FFontColor; }
    void Set_FontColor(TColor V) { FFontColor = V; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void Set_FontStyle(TFontStyles V) { FFontStyle = V; }
    QString FontName() const { return FFontName; }
    void Set_FontName(const QString &V) { FFontName = V; }
    int BorderWidth() const { return FBorderWidth; }
    void Set_BorderWidth(int V) { FBorderWidth = V; }
    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor V) { FBorderColor = V; }
    TAlignment Alignment() const { return FAlignment; }
    void Set_Alignment(TAlignment V) { FAlignment = V; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void Set_VAlignment(TVAlignment V);   // repaints the cell
    int PaintID() const { return FPaintID; }
    void Set_PaintID(int V) { FPaintID = V; }
    bool WordWrap() const { return FWordWrap; }
    void Set_WordWrap(bool V);            // repaints the cell
    TColumnCalcType CalcType() const { return FCalcType; }
    void Set_CalcType(TColumnCalcType V) { FCalcType = V; }
    TObject *CalcObject() const { return FCalcObject; }
    void Set_CalcObject(TObject *V) { FCalcObject = V; }
    int NodeLevel() const { return FNodeLevel; }
    void Set_NodeLevel(int V) { FNodeLevel = V; }
    TEditorType Editor() const { return FEditor; }
    void Set_Editor(TEditorType V) { FEditor = V; }
    bool ReadOnly() const { return FReadOnly; }
    void Set_ReadOnly(bool V) { FReadOnly = V; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void Set_GradientDirection(TCellGradientDirection V) { FGradientDirection = V; }

private:
    std::uintptr_t FObject = 0;
    TObject *FGraphicObject = nullptr;   // not owned here (see the grid)
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 8;                   // points
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    QString FFontName;                   // empty: the grid's font
    int FBorderWidth = 0;
    TColor FBorderColor = clBlack;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    TColumnCalcType FCalcType = acNONE;
    TObject *FCalcObject = nullptr;      // not owned
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
};

// The property values of cell (C, R) (storage indexes) as the model holds
// them; nullptr when the cell has none or holds only the model's spans.
const TCellPropValues *Cell_Prop_Values(const TGridModel &Model, int C, int R);
