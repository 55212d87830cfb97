#include "grid/exchange/GridBinary.h"
#include "grid/model/GridModel.h"
#include "platform/TextToInt.h"
#include <iterator>
#include <limits>

namespace {
// ---- names of the enumerations as the stream spells them ------------------------------------

const char *const Alignment_Names[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char *const Brush_Names[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                   "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
const char *const Font_Style_Names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const char *const Editor_Names[] = {
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat",
    "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit",
    "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone",
    "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
    "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown",
    "edDarAzidDropDown", "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
const char *const Gradient_Names[] = {"GradientVertical", "GradientHorizontal"};
const char *const VAlignment_Names[] = {"vtaTop", "vtaCenter", "vtaBottom"};
const char *const Cell_Type_Names[] = {
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment",
    "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
    "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
    "ctRating", "ctTriStateCheckBox", "ctExpand"};
const char *const Cell_VAlign_Names[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
const char *const Cell_HAlign_Names[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
const char *const Check_State_Names[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

static_assert(std::size(Editor_Names) == edMaskEditBtn + 1);
static_assert(std::size(Cell_Type_Names) == ctExpand + 1);

struct TNames {
    const char *const *Items = nullptr;
    int Count = 0;
    template <size_t N>
    constexpr TNames(const char *const (&A)[N]) : Items(A), Count(int(N)) {}
    constexpr TNames() = default;
    const char *operator[](int I) const { return I >= 0 && I < Count ? Items[I] : Items[0]; }
    int Find(const QString &Name) const
    {
        for (int I = 0; I < Count; ++I)
            if (Name.compare(QLatin1StringView(Items[I]), Qt::CaseInsensitive) == 0)
                return I;
        return -1;
    }
};

// ---- the properties each record may hold ------------------------------------------------------

enum TPropKind { pkInt, pkInt64, pkBool, pkIdent, pkSet, pkString, pkFloat, pkBinary, pkStrings, pkReference };

enum TField {
    // TGridPropIO
    fColCount, fRowCount, fColWidths, fRowHeights, fFullGrid, fID,
    // TGridCellIO
    fCol, fRow, fCell, fHasProp,
    // TGridCellPropIO
    fIsBaseCell, fCellSpanX, fCellSpanY, fOwnerCol, fOwnerRow, fAlignment, fBorderColor, fBorderWidth,
    fBrushColor, fBrushColorTo, fBrushStyle, fCellObject, fFontColor, fFontName, fFontSize, fFontStyle, fEditor,
    fGradientDirection, fReadOnly, fVAlignment, fWordWrap, fNodeLevel, fControl, fHasGraphic,
    // TGridGraphicIO
    fCellType, fCellVAlign, fCellHAlign, fCellIndex, fCellTransparent, fCellCreated, fCellBoolean,
    fCellCheckBoxState, fCellAngle, fCellValue, fCellErrFrom, fCellErrLen, fCellText,
    // picture records
    fBitmapData, fIconData, fStrings, fPictureData, fPictureFilename,
};

struct TPropDef {
    const char *Name;
    TField Field;
    TPropKind Kind;
    TNames Names{};
};

const TPropDef Header_Props[] = {
    {"ColCount", fColCount, pkInt}, {"RowCount", fRowCount, pkInt}, {"ColWidths", fColWidths, pkString},
    {"RowHeights", fRowHeights, pkString}, {"FullGrid", fFullGrid, pkBool}, {"ID", fID, pkInt64},
};
const TPropDef Cell_Props[] = {
    {"Col", fCol, pkInt}, {"Row", fRow, pkInt}, {"Cell", fCell, pkString}, {"HasProp", fHasProp, pkBool},
};
const TPropDef Prop_Props[] = {
    {"CellProperties.IsBaseCell", fIsBaseCell, pkBool},
    {"CellProperties.CellSpanX", fCellSpanX, pkInt},
    {"CellProperties.CellSpanY", fCellSpanY, pkInt},
    {"CellProperties.OwnerCol", fOwnerCol, pkInt},
    {"CellProperties.OwnerRow", fOwnerRow, pkInt},
    {"CellProperties.Alignment", fAlignment, pkIdent, Alignment_Names},
    {"CellProperties.BorderColor", fBorderColor, pkInt},
    {"CellProperties.BorderWidth", fBorderWidth, pkInt},
    {"CellProperties.BrushColor", fBrushColor, pkInt},
    {"CellProperties.BrushColorTo", fBrushColorTo, pkInt},
    {"CellProperties.BrushStyle", fBrushStyle, pkIdent, Brush_Names},
    {"CellProperties.CellObject", fCellObject, pkInt64},
    {"CellProperties.FontColor", fFontColor, pkInt},
    {"CellProperties.FontName", fFontName, pkString},
    {"CellProperties.FontSize", fFontSize, pkInt},
    {"CellProperties.FontStyle", fFontStyle, pkSet, Font_Style_Names},
    {"CellProperties.Editor", fEditor, pkIdent, Editor_Names},
    {"CellProperties.GradientDirection", fGradientDirection, pkIdent, Gradient_Names},
    {"CellProperties.ReadOnly", fReadOnly, pkBool},
    {"CellProperties.VAlignment", fVAlignment, pkIdent, VAlignment_Names},
    {"CellProperties.WordWrap", fWordWrap, pkBool},
    {"CellProperties.NodeLevel", fNodeLevel, pkInt},
    {"CellProperties.Control", fControl, pkReference},
    {"HasGraphic", fHasGraphic, pkBool},
};
const TPropDef Graphic_Props[] = {
    {"CellGraphic.CellType", fCellType, pkIdent, Cell_Type_Names},
    {"CellGraphic.CellVAlign", fCellVAlign, pkIdent, Cell_VAlign_Names},
    {"CellGraphic.CellHAlign", fCellHAlign, pkIdent, Cell_HAlign_Names},
    {"CellGraphic.CellIndex", fCellIndex, pkInt},
    {"CellGraphic.CellTransparent", fCellTransparent, pkBool},
    {"CellGraphic.CellCreated", fCellCreated, pkBool},
    {"CellGraphic.CellBoolean", fCellBoolean, pkBool},
    {"CellGraphic.CellCheckBoxState", fCellCheckBoxState, pkIdent, Check_State_Names},
    {"CellGraphic.CellAngle", fCellAngle, pkInt},
    {"CellGraphic.CellValue", fCellValue, pkFloat},
    {"CellGraphic.CellErrFrom", fCellErrFrom, pkInt},
    {"CellGraphic.CellErrLen", fCellErrLen, pkInt},
    {"CellGraphic.CellText", fCellText, pkString},
};
const TPropDef Bitmap_Props[] = {{"Bitmap.Data", fBitmapData, pkBinary}};
const TPropDef Icon_Props[] = {{"Icon.Data", fIconData, pkBinary}};
const TPropDef Strings_Props[] = {{"Strings.Strings", fStrings, pkStrings}};
const TPropDef Picture_Props[] = {{"Picture.Data", fPictureData, pkBinary}};
const TPropDef File_Picture_Props[] = {{"Picture.Filename", fPictureFilename, pkString}};

struct TRecordDef {
    const char *Class;
    const TPropDef *Props;
    int Count;
};
template <size_t N>
constexpr TRecordDef Record(const char *Class, const TPropDef (&P)[N])
{
    return {Class, P, int(N)};
}
const TRecordDef Header_Record = Record("TGridPropIO", Header_Props);
const TRecordDef Cell_Record = Record("TGridCellIO", Cell_Props);
const TRecordDef Prop_Record = Record("TGridCellPropIO", Prop_Props);
const TRecordDef Graphic_Record = Record("TGridGraphicIO", Graphic_Props);
const TRecordDef Picture_Records[] = {
    {}, Record("TGridBMPIO", Bitmap_Props), Record("TGridIconIO", Icon_Props), Record("TGridSLIO", Strings_Props),
    Record("TGridPicIO", Picture_Props), Record("TGridFilePicIO", File_Picture_Props),
};

const TPropDef *Find_Prop(const TRecordDef &Rec, const QString &Name)
{
    for (int I = 0; I < Rec.Count; ++I)
        if (Name.compare(QLatin1StringView(Rec.Props[I].Name), Qt::CaseInsensitive) == 0)
            return &Rec.Props[I];
    return nullptr;
}

bool In_Int(const TStreamValue &V)
{
    return V.Int >= std::numeric_limits<int>::min() && V.Int <= std::numeric_limits<int>::max();
}

// Whether a value may be taken for a property of this kind.
bool Value_Fits(const TPropDef &D, const TStreamValue &V)
{
    switch (D.Kind) {
    case pkInt: return V.Kind == TStreamValue::vkInt && In_Int(V);
    case pkInt64: return V.Kind == TStreamValue::vkInt;
    case pkBool: return V.Kind == TStreamValue::vkBool;
    case pkIdent: return V.Kind == TStreamValue::vkIdent && D.Names.Find(V.Text) >= 0;
    case pkSet:
        if (V.Kind != TStreamValue::vkSet)
            return false;
        for (const QString &N : V.Names)
            if (D.Names.Find(N) < 0)
                return false;
        return true;
    case pkString: return V.Kind == TStreamValue::vkString;
    case pkFloat: return V.Kind == TStreamValue::vkFloat || V.Kind == TStreamValue::vkInt;
    case pkBinary: return V.Kind == TStreamValue::vkBinary;
    case pkStrings:
        if (V.Kind != TStreamValue::vkList)
            return false;
        for (const TStreamValue &I : V.Items)
            if (I.Kind != TStreamValue::vkString)
                return false;
        return true;
    case pkReference: return V.Kind == TStreamValue::vkIdent || V.Kind == TStreamValue::vkNil;
    }
    return false;
}

double As_Float(const TStreamValue &V) { return V.Kind == TStreamValue::vkInt ? double(V.Int) : V.Float; }

TExchangeResult Bad(qsizetype Pos, const QString &Message)
{
    return TExchangeResult::Failed(esBadFormat, static_cast<int>(std::min<qsizetype>(Pos, std::numeric_limits<int>::max())),
                                   -1, 0, Message);
}

// Reads the next component and checks it against its record.
bool Read_Record(const QByteArray &Bytes, qsizetype &Pos, const TRecordDef &Rec, TStreamComponent &C,
                 TExchangeResult &Result)
{
    const qsizetype Start = Pos;
    TStreamError E;
    if (!Read_Component(Bytes, Pos, C, E)) {
        Result = Bad(E.Pos, E.Message);
        return false;
    }
    if (C.Class.compare(QLatin1StringView(Rec.Class), Qt::CaseInsensitive) != 0) {
        Result = Bad(Start, QStringLiteral("Invalid stream format: %1 where %2 was expected")
                                .arg(C.Class, QLatin1StringView(Rec.Class)));
        return false;
    }
    for (const TStreamProp &P : C.Props) {
        const TPropDef *D = Find_Prop(Rec, P.Name);
        if (!D) {
            Result = Bad(Start, QStringLiteral("Error reading %1.%2: Property %2 does not exist")
                                    .arg(C.Class, P.Name));
            return false;
        }
        if (!Value_Fits(*D, P.Value)) {
            Result = Bad(Start, QStringLiteral("Error reading %1.%2: Invalid property value").arg(C.Class, P.Name));
            return false;
        }
    }
    return true;
}

TField Field_Of(const TRecordDef &Rec, const TStreamProp &P) { return Find_Prop(Rec, P.Name)->Field; }

// Width or height items, strictly converted; at least Count of them.
TExchangeResult Size_List(const QString &Text, int Count, std::vector<int> &Out)
{
    Out.clear();
    const QStringList Items = Text.isEmpty() ? QStringList() : Text.split(u',');
    for (const QString &Item : Items) {
        int V = 0;
        if (!Text_To_Int(Item, V))
            return TExchangeResult::Failed(esBadValue, -1, -1, 0,
                                           QStringLiteral("'%1' is not a valid integer value").arg(Item));
        Out.push_back(V);
    }
    if (static_cast<int>(Out.size()) < Count)
        return TExchangeResult::Failed(esBadValue, -1, -1, 0,
                                       QStringLiteral("List index out of bounds (%1)").arg(Out.size()));
    Out.resize(static_cast<size_t>(Count));
    return {};
}
} // namespace

// ---- writing -------------------------------------------------------------------------------------

TBinPictureKind Bin_Picture_Kind(TCellType Type)
{
    switch (Type) {
    case ctBitmap: case ctBitButton: return bpBitmap;
    case ctIcon: return bpIcon;
    case ctRadio: case ctImages: return bpStrings;
    case ctPicture: return bpPicture;
    case ctFilePicture: return bpFilePicture;
    default: return bpNone;
    }
}

bool Bin_Graphic_Saved(const TCellGraphic *Graphic)
{
    if (!Graphic || Graphic->CellType == ctEmpty)
        return false;
    return Bin_Picture_Kind(Graphic->CellType) == bpNone || Graphic->CellCreated;
}

void TBinaryGridWriter::Header(const TBinHeader &H)
{
    FW.Begin("TGridPropIO");
    FW.Int("ColCount", H.ColCount);
    FW.Int("RowCount", H.RowCount);
    if (!H.ColWidths.isEmpty())
        FW.String("ColWidths", H.ColWidths);
    if (!H.RowHeights.isEmpty())
        FW.String("RowHeights", H.RowHeights);
    FW.Bool("FullGrid", H.FullGrid);
    FW.Int("ID", H.ID);
    FW.End();
}

void TBinaryGridWriter::Cell(int Col, int Row, QStringView Text, const TCellPropValues *Props,
                             const TCellGraphic *Graphic, const QString &Control, const TBinPicture *Picture)
{
    FW.Begin("TGridCellIO");
    FW.Int("Col", Col);
    FW.Int("Row", Row);
    if (!Text.isEmpty())
        FW.String("Cell", Text);
    FW.Bool("HasProp", Props != nullptr);
    FW.End();
    if (!Props)
        return;
    const TCellPropValues &P = *Props;
    FW.Begin("TGridCellPropIO");
    FW.Bool("CellProperties.IsBaseCell", P.IsBaseCell());
    FW.Int("CellProperties.CellSpanX", P.CellSpanX());
    FW.Int("CellProperties.CellSpanY", P.CellSpanY());
    FW.Int("CellProperties.OwnerCol", P.OwnerCol());
    FW.Int("CellProperties.OwnerRow", P.OwnerRow());
    FW.Ident("CellProperties.Alignment", TNames(Alignment_Names)[P.Alignment()]);
    FW.Int("CellProperties.BorderColor", P.BorderColor());
    FW.Int("CellProperties.BorderWidth", P.BorderWidth());
    FW.Int("CellProperties.BrushColor", P.BrushColor());
    FW.Int("CellProperties.BrushColorTo", P.BrushColorTo());
    FW.Ident("CellProperties.BrushStyle", TNames(Brush_Names)[P.BrushStyle()]);
    FW.Int("CellProperties.CellObject", static_cast<std::int64_t>(P.CellObject()));
    FW.Int("CellProperties.FontColor", P.FontColor());
    if (!P.FontName().isEmpty())
        FW.String("CellProperties.FontName", P.FontName());
    FW.Int("CellProperties.FontSize", P.FontSize());
    std::vector<const char *> Styles;
    for (int S = fsBold; S <= fsStrikeOut; ++S)
        if (P.FontStyle().Contains(static_cast<TFontStyle>(S)))
            Styles.push_back(Font_Style_Names[S]);
    FW.Set("CellProperties.FontStyle", Styles);
    FW.Ident("CellProperties.Editor", TNames(Editor_Names)[P.Editor()]);
    FW.Ident("CellProperties.GradientDirection", TNames(Gradient_Names)[P.GradientDirection()]);
    FW.Bool("CellProperties.ReadOnly", P.ReadOnly());
    FW.Ident("CellProperties.VAlignment", TNames(VAlignment_Names)[P.VAlignment()]);
    FW.Bool("CellProperties.WordWrap", P.WordWrap());
    FW.Int("CellProperties.NodeLevel", P.NodeLevel());
    if (!Control.isEmpty())
        FW.Ident("CellProperties.Control", Control.toLatin1().constData());
    const bool With_Graphic = Bin_Graphic_Saved(Graphic);
    FW.Bool("HasGraphic", With_Graphic);
    FW.End();
    if (!With_Graphic)
        return;
    const TCellGraphic &G = *Graphic;
    FW.Begin("TGridGraphicIO");
    FW.Ident("CellGraphic.CellType", TNames(Cell_Type_Names)[G.CellType]);
    FW.Ident("CellGraphic.CellVAlign", TNames(Cell_VAlign_Names)[G.CellVAlign]);
    FW.Ident("CellGraphic.CellHAlign", TNames(Cell_HAlign_Names)[G.CellHAlign]);
    FW.Int("CellGraphic.CellIndex", G.CellIndex);
    FW.Bool("CellGraphic.CellTransparent", G.CellTransparent);
    FW.Bool("CellGraphic.CellCreated", G.CellCreated);
    FW.Bool("CellGraphic.CellBoolean", G.CellBoolean);
    FW.Ident("CellGraphic.CellCheckBoxState", TNames(Check_State_Names)[G.CellCheckBoxState]);
    FW.Int("CellGraphic.CellAngle", G.CellAngle);
    if (G.CellValue != 0)
        FW.Double("CellGraphic.CellValue", G.CellValue);
    FW.Int("CellGraphic.CellErrFrom", G.CellErrFrom);
    FW.Int("CellGraphic.CellErrLen", G.CellErrLen);
    if (!G.CellText.isEmpty())
        FW.String("CellGraphic.CellText", G.CellText);
    FW.End();
    const TBinPictureKind Kind = Bin_Picture_Kind(G.CellType);
    if (Kind == bpNone)
        return;
    const TBinPicture None;
    const TBinPicture &Pic = Picture ? *Picture : None;
    FW.Begin(Picture_Records[Kind].Class);
    switch (Kind) {
    case bpBitmap: if (!Pic.Data.isEmpty()) FW.Binary("Bitmap.Data", Pic.Data); break;
    case bpIcon: if (!Pic.Data.isEmpty()) FW.Binary("Icon.Data", Pic.Data); break;
    case bpStrings: FW.Strings("Strings.Strings", Pic.Strings); break;
    case bpPicture: if (!Pic.Data.isEmpty()) FW.Binary("Picture.Data", Pic.Data); break;
    case bpFilePicture: if (!Pic.FileName.isEmpty()) FW.String("Picture.Filename", Pic.FileName); break;
    case bpNone: break;
    }
    FW.End();
}

// ---- reading -------------------------------------------------------------------------------------

TExchangeResult Parse_Binary_Grid(const QByteArray &Bytes, TBinGrid &Out)
{
    Out = TBinGrid();
    qsizetype Pos = 0;
    TExchangeResult R;
    TStreamComponent C;
    if (!Read_Record(Bytes, Pos, Header_Record, C, R))
        return R;
    TBinHeader &H = Out.Header;
    for (const TStreamProp &P : C.Props) {
        switch (Field_Of(Header_Record, P)) {
        case fColCount: H.ColCount = static_cast<int>(P.Value.Int); break;
        case fRowCount: H.RowCount = static_cast<int>(P.Value.Int); break;
        case fColWidths: H.ColWidths = P.Value.Text; break;
        case fRowHeights: H.RowHeights = P.Value.Text; break;
        case fFullGrid: H.FullGrid = P.Value.Int != 0; break;
        case fID: H.ID = P.Value.Int; break;
        default: break;
        }
    }
    if (H.FullGrid) {
        if (H.ColCount < 0 || H.RowCount < 0 || H.ColCount > TGridModel::Max_Cols || H.RowCount > TGridModel::Max_Rows)
            return TExchangeResult::Failed(esOutOfRange, -1, -1, 0,
                                           QStringLiteral("The size exceeds what a grid can hold"));
        if (!(R = Size_List(H.ColWidths, H.ColCount, Out.ColWidths)).Ok()
            || !(R = Size_List(H.RowHeights, H.RowCount, Out.RowHeights)).Ok())
            return R;
    }
    // Records follow while more than one byte is left (a lone trailing byte
    // is not a record).
    while (Pos < Bytes.size() - 1) {
        C = TStreamComponent();
        if (!Read_Record(Bytes, Pos, Cell_Record, C, R))
            return R;
        TBinCell Cell;
        bool Has_Prop = false;
        for (const TStreamProp &P : C.Props) {
            switch (Field_Of(Cell_Record, P)) {
            case fCol: Cell.Col = static_cast<int>(P.Value.Int); break;
            case fRow: Cell.Row = static_cast<int>(P.Value.Int); break;
            case fCell: Cell.Text = TCellText(P.Value.Text); break;
            case fHasProp: Has_Prop = P.Value.Int != 0; break;
            default: break;
            }
        }
        if (Has_Prop) {
            TBinCellExtra X;
            C = TStreamComponent();
            if (!Read_Record(Bytes, Pos, Prop_Record, C, R))
                return R;
            for (TStreamProp &P : C.Props) {
                if (Field_Of(Prop_Record, P) == fHasGraphic)
                    X.HasGraphic = P.Value.Int != 0;
                else
                    X.Props.push_back(std::move(P));
            }
            if (X.HasGraphic) {
                C = TStreamComponent();
                if (!Read_Record(Bytes, Pos, Graphic_Record, C, R))
                    return R;
                for (const TStreamProp &P : C.Props)
                    if (Field_Of(Graphic_Record, P) == fCellType)
                        X.Type = static_cast<TCellType>(TNames(Cell_Type_Names).Find(P.Value.Text));
                X.Graphic = std::move(C.Props);
                const TBinPictureKind Kind = Bin_Picture_Kind(X.Type);
                if (Kind != bpNone) {
                    C = TStreamComponent();
                    if (!Read_Record(Bytes, Pos, Picture_Records[Kind], C, R))
                        return R;
                    for (const TStreamProp &P : C.Props) {
                        if (P.Value.Kind == TStreamValue::vkBinary)
                            X.Picture.Data = P.Value.Bytes;
                        else if (P.Value.Kind == TStreamValue::vkList)
                            for (const TStreamValue &S : P.Value.Items)
                                X.Picture.Strings.append(S.Text);
                        else
                            X.Picture.FileName = P.Value.Text;
                    }
                }
            }
            Cell.Extra = static_cast<int>(Out.Extras.size());
            Out.Extras.push_back(std::move(X));
        }
        Out.Cells.push_back(std::move(Cell));
    }
    return {};
}

void Apply_Bin_Props(const std::vector<TStreamProp> &Props, TCellPropValues &T, QString *Control)
{
    for (const TStreamProp &P : Props) {
        const TPropDef *D = Find_Prop(Prop_Record, P.Name);
        if (!D)
            continue;
        const int I = static_cast<int>(P.Value.Int);
        const int N = D->Kind == pkIdent ? D->Names.Find(P.Value.Text) : -1;
        switch (D->Field) {
        case fIsBaseCell: T.Set_IsBaseCell(I != 0); break;
        case fCellSpanX: T.Set_CellSpanX(I); break;
        case fCellSpanY: T.Set_CellSpanY(I); break;
        case fAlignment: T.Set_Alignment(static_cast<TAlignment>(N)); break;
        case fBorderColor: T.Set_BorderColor(I); break;
        case fBorderWidth: T.Set_BorderWidth(I); break;
        case fBrushColor: T.Set_BrushColor(I); break;
        case fBrushColorTo: T.Set_BrushColorTo(I); break;
        case fBrushStyle: T.Set_BrushStyle(static_cast<TBrushStyle>(N)); break;
        // an opaque number: never taken as an address of anything
        case fCellObject: T.Set_CellObject(static_cast<std::uintptr_t>(P.Value.Int)); break;
        case fFontColor: T.Set_FontColor(I); break;
        case fFontName: T.Set_FontName(P.Value.Text); break;
        case fFontSize: T.Set_FontSize(I); break;
        case fFontStyle: {
            TFontStyles S;
            for (const QString &Name : P.Value.Names)
                S = S + static_cast<TFontStyle>(D->Names.Find(Name));
            T.Set_FontStyle(S);
            break;
        }
        case fEditor: T.Set_Editor(static_cast<TEditorType>(N)); break;
        case fGradientDirection: T.Set_GradientDirection(static_cast<TCellGradientDirection>(N)); break;
        case fReadOnly: T.Set_ReadOnly(I != 0); break;
        case fVAlignment: T.Set_VAlignment(static_cast<TVAlignment>(N)); break;
        case fWordWrap: T.Set_WordWrap(I != 0); break;
        case fNodeLevel: T.Set_NodeLevel(I); break;
        case fControl:
            if (Control && P.Value.Kind == TStreamValue::vkIdent)
                *Control = P.Value.Text;
            break;
        default: break;
        }
    }
}

void Apply_Bin_Graphic(const std::vector<TStreamProp> &Props, TCellGraphic &G)
{
    for (const TStreamProp &P : Props) {
        const TPropDef *D = Find_Prop(Graphic_Record, P.Name);
        if (!D)
            continue;
        const int I = static_cast<int>(P.Value.Int);
        const int N = D->Kind == pkIdent ? D->Names.Find(P.Value.Text) : -1;
        switch (D->Field) {
        case fCellType: G.CellType = static_cast<TCellType>(N); break;
        case fCellVAlign: G.CellVAlign = static_cast<TCellVAlign>(N); break;
        case fCellHAlign: G.CellHAlign = static_cast<TCellHAlign>(N); break;
        case fCellIndex: G.CellIndex = I; break;
        case fCellTransparent: G.CellTransparent = I != 0; break;
        case fCellCreated: G.CellCreated = I != 0; break;
        case fCellBoolean: G.CellBoolean = I != 0; break;
        case fCellCheckBoxState: G.CellCheckBoxState = static_cast<TCheckBoxState>(N); break;
        case fCellAngle: G.CellAngle = I; break;
        case fCellValue: G.CellValue = As_Float(P.Value); break;
        case fCellErrFrom: G.CellErrFrom = I; break;
        case fCellErrLen: G.CellErrLen = I; break;
        case fCellText: G.CellText = P.Value.Text; break;
        default: break;
        }
    }
}
