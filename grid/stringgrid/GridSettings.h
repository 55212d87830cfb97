#pragma once
#include "toolkit/Canvas.h"
#include <QImage>
#include <QStringList>
#include <functional>
#include <vector>

class RIraRevadiVizo;

// The string grid's small option groups. Each belongs to one grid, is created
// and freed with it and copied (never shared) when a grid is assigned.

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// Looks of row nodes. Setters of what the nodes look like repaint the grid.
class TCellNode {
public:
    explicit TCellNode(RIraRevadiVizo *Owner = nullptr) : FOwner(Owner) {}
    TColor Color() const { return FColor; }
    void Set_Color(TColor V) { FColor = V; }
    TNodeType NodeType() const { return FNodeType; }
    void Set_NodeType(TNodeType V);
    TColor NodeColor() const { return FNodeColor; }
    void Set_NodeColor(TColor V) { FNodeColor = V; }
    const QImage &ExpandGlyph() const { return FExpandGlyph; }
    void Set_ExpandGlyph(const QImage &V) { FExpandGlyph = V.copy(); }
    const QImage &ContractGlyph() const { return FContractGlyph; }
    void Set_ContractGlyph(const QImage &V) { FContractGlyph = V.copy(); }
    bool ExpandOne() const { return FExpandOne; }
    void Set_ExpandOne(bool V) { FExpandOne = V; }
    bool ShowTree() const { return FShowTree; }
    void Set_ShowTree(bool V);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void Set_ShowTreeFull(bool V);
    int NodeIndent() const { return FNodeIndent; }
    void Set_NodeIndent(int V);
    TColor TreeColor() const { return FTreeColor; }
    void Set_TreeColor(TColor V);
    void Assign(const TCellNode &Source);

private:
    void Changed();
    RIraRevadiVizo *FOwner;
    TColor FColor = 0xC0C0C0;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    QImage FExpandGlyph;
    bool FExpandOne = false;
    QImage FContractGlyph;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = 0x808080;
};

// Grow the row height (Height) or the column width (Width) while typing.
struct TSizeWhileTyping {
    bool Height = false;
    bool Width = false;
};

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

// Where column sizes are kept and how a column stretches to the grid's width.
class TColumnSize {
public:
    explicit TColumnSize(RIraRevadiVizo *Owner = nullptr) : FOwner(Owner) {}
    bool Save() const { return FSave; }
    void Set_Save(bool V) { FSave = V; }
    QString Key() const { return FKey; }
    void Set_Key(const QString &V) { FKey = V; }
    QString Section() const { return FSection; }
    void Set_Section(const QString &V) { FSection = V; }
    bool Stretch() const { return FStretch; }
    // Stores; a grid on a window stretches its column at once (OnStretch).
    void Set_Stretch(bool V);
    int StretchColumn() const { return FStretchColumn; }
    void Set_StretchColumn(int V) { FStretchColumn = V; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void Set_SynchWithGrid(bool V) { FSynchWithGrid = V; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void Set_SynchNormalCellsOnly(bool V) { FSynchNormalCellsOnly = V; }
    TColumnSizeLocation Location() const { return FLocation; }
    void Set_Location(TColumnSizeLocation V) { FLocation = V; }
    TAutoSizeRows Rows() const { return FRows; }
    void Set_Rows(TAutoSizeRows V) { FRows = V; }
    void Assign(const TColumnSize &Source);
    // Run when Stretch is set on a grid with a parent (column stretching).
    std::function<void(int StretchColumn)> OnStretch;

private:
    RIraRevadiVizo *FOwner;
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int FStretchColumn = -1;   // -1: the last column
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};

// Settings of the HTML export.
struct THTMLSettings {
    bool AutoPreview = false;
    bool ConvertSpecialChars = false;
    bool NonBreakingText = false;
    bool SaveColor = true;
    bool SaveFonts = true;
    QString FooterFile;
    QString HeaderFile;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    QString TableStyle;
    QString PrefixTag;
    QString SuffixTag;
    QString Summary;
    int Width = 100;
    std::vector<int> ColWidths;
    bool XHTML = false;
    bool ExportImages = true;
    // Every setting but ExportImages and the column widths.
    void Assign(const THTMLSettings &Source);
};

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders { pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
                     pbAroundHorizontal, pbCustom };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

// Settings of printing (sizes in 0.1 mm).
struct TPrintSettings {
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    QString PageNumSep = QStringLiteral("/");
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    TFont Font;
    TFont HeaderFont;
    TFont FooterFont;
    TFont FixedFont;
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    QString TitleText;
    QStringList TitleLines;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int FooterSize = 0;
    int HeaderSize = 0;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    QString PagePrefix;
    QString PageSuffix;
    int FixedHeight = 0;
    int FixedWidth = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    bool NoAutoSize = false;
    bool PrintGraphics = false;
    bool NoAutoSizeRow = false;
    QString JobName;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    bool FixedCellsAlways = false;
    TColor BorderColor = clBlack;
    // Every setting but FixedCellsAlways.
    void Assign(const TPrintSettings &Source);
};
