#pragma once
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/PaintStyles.h"
#include <QString>
#include <QStringList>
#include <vector>

// The grid's HTML export and printing settings as plain values: fonts as the
// platform's font description, colours as TColor. The grid holds one of each
// and copies them (never shares) when a grid is assigned; the painters turn
// the fonts into their own where they draw.

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
