#include "grid/stringgrid/GridFormats.h"
#include "grid/stringgrid/GridBinStream.h"
#include "grid/stringgrid/GridCellViews.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <typeinfo>

namespace {
// The wait cursor for as long as a format runs.
struct TWaitCursor {
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;
};

TExchangeResult Out_Of_Range(const char *What)
{
    return TExchangeResult::Failed(esOutOfRange, -1, -1, 0, QString::fromLatin1(What));
}
} // namespace

// ---- the grid's methods: each hands its work to the format and repaints ------------------------

TGridFormats TGridFileMethods::Formats() { return TGridFormats(static_cast<RIraRevadiVizo &>(*this)); }
TGridBinStream TGridFileMethods::Bin() { return TGridBinStream(static_cast<RIraRevadiVizo &>(*this)); }

bool TGridFileMethods::SaveToCSV(const QString &FileName, bool Unicode) { return Formats().Save_Csv(FileName, Unicode, false); }
bool TGridFileMethods::AppendToCSV(const QString &FileName, bool Unicode) { return Formats().Save_Csv(FileName, Unicode, true); }
bool TGridFileMethods::LoadFromCSV(const QString &FileName, int MaxRows) { return Formats().Load_Csv(FileName, MaxRows, false); }
bool TGridFileMethods::InsertFromCSV(const QString &FileName, int MaxRows) { return Formats().Load_Csv(FileName, MaxRows, true); }
bool TGridFileMethods::LoadFromCSVStream(QIODevice &Stream, int MaxRows) { return Formats().Load_Csv_Stream(Stream, MaxRows); }
bool TGridFileMethods::SaveToFile(const QString &FileName, bool Unicode) { return Formats().Save_File(FileName, Unicode); }
bool TGridFileMethods::LoadFromFile(const QString &FileName) { return Formats().Load_File(FileName); }
void TGridFileMethods::SaveToStream(QIODevice &Stream) { Formats().Save_Stream(Stream); }
bool TGridFileMethods::LoadFromStream(QIODevice &Stream) { return Formats().Load_Stream(Stream); }
bool TGridFileMethods::SaveToASCII(const QString &FileName, bool Unicode) { return Formats().Save_Ascii(FileName, Unicode, false); }
bool TGridFileMethods::AppendToASCII(const QString &FileName, bool Unicode) { return Formats().Save_Ascii(FileName, Unicode, true); }
bool TGridFileMethods::SaveToFixed(const QString &FileName, std::vector<int> &Widths) { return Formats().Save_Fixed(FileName, Widths); }
bool TGridFileMethods::LoadFromFixed(const QString &FileName, std::vector<int> &Positions, bool DoTrim, int MaxRows) { return Formats().Load_Fixed(FileName, Positions, DoTrim, MaxRows); }
double TGridFileMethods::CellToReal(int ACol, int ARow) { return Formats().Cell_To_Real(ACol, ARow); }
void TGridFileMethods::SaveRectToBinStream(const TGridRect &Rect, QIODevice &Stream) { Stream.write(Bin().Save_Rect(Rect)); }
void TGridFileMethods::SaveToBinStream(QIODevice &Stream) { Stream.write(Bin().Save_All()); }
bool TGridFileMethods::SaveToBinFile(const QString &FileName) { return Bin().Save_File(FileName); }
bool TGridFileMethods::LoadAtPointFromBinStream(const TPoint &Point, QIODevice &Stream) { return Bin().Load_At(Point, Stream.readAll()); }
bool TGridFileMethods::LoadFromBinStream(QIODevice &Stream) { return Bin().Load(Stream.readAll()); }
bool TGridFileMethods::LoadFromBinFile(const QString &FileName) { return Bin().Load_File(FileName); }

// ---- hooks and columns -----------------------------------------------------------------------------

int TGridFormats::Hidden_For_Save() { return FGrid.SaveOptions().SaveHiddenCells ? FGrid.NumHiddenColumns() : 0; }

// With SaveHiddenCells a format's column is the real column itself (hidden
// ones included, in their places); otherwise it is a shown column, whose
// cells live in its real column.
int TGridFormats::Real_Col(int Col)
{
    if (FGrid.SaveOptions().SaveHiddenCells || FGrid.NumHiddenColumns() == 0)
        return Col;
    return FGrid.DisplToRealCol(Col);
}

std::vector<int> TGridFormats::Save_Columns(int First, int Last)
{
    std::vector<int> Cols;
    for (int C = First; C <= Last; ++C)
        Cols.push_back(Real_Col(C));
    return Cols;
}

TExchangeHooks TGridFormats::Hooks()
{
    TExchangeHooks H;
    RIraRevadiVizo *G = &FGrid;
    H.Save_Text = [this, G](int C, int R) { return G->CellTextForSave(Real_Col(C), R); };
    H.Load_Text = [this, G](int C, int R, const QString &T) { G->CellTextLoaded(Real_Col(C), R, T); };
    if (Stored_Texts_Saved())
        H.Save_View = [this, G](int C, int R, char16_t *Room, QString &Hold) {
            // Only a text that is empty (a check box's state), markup or rich
            // text is saved otherwise than it is stored.
            const int Real = Real_Col(C);
            QStringView V;
            bool Direct = true;
            if (G->SaveOptions().SaveVirtCells)
                Direct = Cell_Ex_View(*G, Real, R, Room, V);   // the shown text, no number format set
            else
                V = G->Model().Cell_View(Real, R, Room);
            if (!Direct || V.isEmpty() || V.front() == u'{' || V.contains(u'<')) {
                Hold = G->CellTextForSave(Real, R);
                return QStringView(Hold);
            }
            return V;
        };
    if (G->OnFileProgress)
        H.Progress = [G](int P) { G->OnFileProgress(G, static_cast<short>(P)); };
    H.Step = [G](TExchangeStep S, int Row) {
        G->ExportNotification(S == xsStart ? esExportStart : (S == xsNextRow ? esExportNextRow : esExportDone), Row);
    };
    return H;
}

// The grid's own text hooks unchanged (no descendant's) and no event or
// option between the store and the file: a saved text is the stored one,
// and a loaded one is stored as it is.
bool TGridFormats::Stored_Texts_Saved()
{
    return typeid(FGrid) == typeid(RIraRevadiVizo) && !FGrid.OnSaveCell
           && (!FGrid.SaveOptions().SaveVirtCells || !FGrid.OnGetFloatFormat);
}

bool TGridFormats::Loaded_Texts_Stored() { return typeid(FGrid) == typeid(RIraRevadiVizo) && !FGrid.OnLoadCell; }

bool TGridFormats::Fail(const TExchangeResult &R, const QString &FileName, const QString &Usual)
{
    if (R.Ok())
        return true;
    QString Text;
    if (R.Status == esCannotOpen || R.Status == esCannotWrite)
        Text = Usual;
    else if (FileName.isEmpty())
        Text = R.Message;
    else
        Text = R.Message + u' ' + FileName;
    Msg_Error(Text, &FGrid);
    return false;
}

// ---- CSV -----------------------------------------------------------------------------------------

bool TGridFormats::Save_Csv(const QString &FileName, bool Unicode, bool Append)
{
    TWaitCursor Wait;
    const TCellRange Range{FGrid.GetSaveStartCol(), FGrid.GetSaveStartRow(), FGrid.GetSaveEndCol() + Hidden_For_Save(),
                           FGrid.GetSaveEndRow()};
    const TExchangeResult R =
        Save_Csv_File(FileName, Hooks(), Range, TCsvOptions::From(FGrid.SaveOptions()), Unicode, Append);
    return Fail(R, FileName, QStringLiteral("Cannot Create file ") + FileName);
}

bool TGridFormats::Load_Csv(const QString &FileName, int MaxRows, bool Insert)
{
    TWaitCursor Wait;
    TParsedRows Rows;
    QByteArray Bytes;
    TExchangeResult R = Read_Exchange_File(FileName, Bytes);
    if (R.Ok()) {
        if (Bytes.isEmpty())
            return true;   // an empty file changes nothing
        R = Parse_Csv_Bytes(Bytes, TCsvOptions::From(FGrid.SaveOptions()), MaxRows, Rows);
    }
    if (!Fail(R, FileName, QStringLiteral("File ") + FileName + QStringLiteral(" not found")))
        return false;
    return Apply_Rows(Rows, Insert ? FGrid.RowCount() : FGrid.GetSaveStartRow(), Insert);
}

bool TGridFormats::Load_Csv_Stream(QIODevice &Stream, int MaxRows)
{
    TWaitCursor Wait;
    TParsedRows Rows;
    const TExchangeResult R =
        Parse_Csv(Decode_Text_Bytes(Stream.readAll()), TCsvOptions::From(FGrid.SaveOptions()), MaxRows, Rows);
    if (!Fail(R, QString(), QString()))
        return false;
    return Apply_Rows(Rows, FGrid.GetSaveStartRow(), false);
}

bool TGridFormats::Apply_Rows(TParsedRows &Rows, int StartRow, bool Insert)
{
    const int StartCol = FGrid.GetSaveStartCol();
    const int H = Hidden_For_Save();
    // A visible floating footer stays the last row: its cells wait aside.
    const bool Keep_Footer = Insert && FGrid.FloatingFooter().Visible && FGrid.RowCount() > 0;
    const int Extra = Keep_Footer ? 1 : 0;
    if (Keep_Footer)
        StartRow = FGrid.RowCount() - 1;
    const long long Need_Rows = static_cast<long long>(StartRow) + Rows.Rows() + FGrid.FixedFooters() + Extra;
    const int Max_Cols = Rows.Max_Cols();
    if (Need_Rows > TGridModel::Max_Rows || static_cast<long long>(StartCol) + Max_Cols > TGridModel::Max_Cols)
        return Fail(Out_Of_Range("The file holds more rows or columns than a grid can hold"), QString(), QString());
    TGridRowData Footer;
    if (Keep_Footer) {
        Footer = FGrid.Model().Row(FGrid.RowCount() - 1, FGrid.TotalColCount());
        FGrid.ResetRowCells(FGrid.RowCount() - 1);
    }
    const TExchangeHooks Hk = Hooks();
    FGrid.BeginUpdate();
    if (FGrid.ColCount() < StartCol + Max_Cols - H)
        FGrid.Set_ColCount(StartCol + Max_Cols - H);
    FGrid.Set_RowCount(static_cast<int>(Need_Rows));
    TProgressCounter Progress(0, Rows.Rows() - 1, Hk.Progress);
    if (Loaded_Texts_Stored()) {
        // The parsed texts move into the store as they are; the model
        // reports the whole block once.
        TGridModel &M = FGrid.Model();
        std::vector<int> Real(static_cast<size_t>(Max_Cols));
        for (int C = 0; C < Max_Cols; ++C)
            Real[size_t(C)] = Real_Col(StartCol + C);
        M.Begin_Update();
        for (int R = 0; R < Rows.Rows(); ++R) {
            for (int C = 0; C < Rows.Cols(R); ++C)
                M.Set_Cell_Text(Real[size_t(C)], StartRow + R, std::move(Rows.At(R, C)));
            Progress.At(R);
        }
        M.End_Update();
    } else {
        for (int R = 0; R < Rows.Rows(); ++R) {
            for (int C = 0; C < Rows.Cols(R); ++C)
                Hk.Load_Text(StartCol + C, StartRow + R, Rows.Text(R, C));
            Progress.At(R);
        }
    }
    FGrid.FMaxRowCount = FGrid.RowCount();
    if (Keep_Footer)
        for (size_t C = 0; C < Footer.size(); ++C)
            FGrid.Model().Set_Cell(static_cast<int>(C), FGrid.RowCount() - 1, Footer[C].Text);
    FGrid.CellsChanged({0, 0, FGrid.ColCount(), FGrid.RowCount()});
    FGrid.RecalcFooter();
    FGrid.EndUpdate();
    return true;
}

// ---- cell text file and stream -----------------------------------------------------------------------

bool TGridFormats::Save_File(const QString &FileName, bool Unicode)
{
    TWaitCursor Wait;
    const int H = Hidden_For_Save();
    TCellFileLayout L;
    L.Size_Cols = FGrid.GetSaveColCount() + H;
    L.Size_Rows = FGrid.GetSaveRowCount();
    L.Width_From = FGrid.GetSaveStartCol();
    L.Width_To = FGrid.GetSaveEndCol() + H;
    L.Cells = {L.Width_From, FGrid.GetSaveStartRow(), L.Width_To, FGrid.GetSaveEndRow()};
    RIraRevadiVizo *G = &FGrid;
    const auto Width = [this, G](int C) {
        const int Real = Real_Col(C);
        return G->Model().Is_Hidden_Col(Real) ? G->Model().Hidden_Col_Width(Real) : G->ColWidths(G->RealToDisplCol(Real));
    };
    const TExchangeResult R = Write_Exchange_File(FileName, Cell_File_Bytes(Write_Cell_Lines(Hooks(), L, Width), Unicode));
    return Fail(R, FileName, QStringLiteral("Cannot Create file ") + FileName);
}

bool TGridFormats::Load_File(const QString &FileName)
{
    TWaitCursor Wait;
    TCellFileDoc Doc;
    const TExchangeResult R = Read_Cell_File(FileName, FGrid.MultilineCells(), Doc);
    if (!Fail(R, FileName, QStringLiteral("File ") + FileName + QStringLiteral(" not found")))
        return false;
    const TGridSaveOptions &O = FGrid.SaveOptions();
    const int A = (O.SaveFixedCells || O.SaveFixedCols) ? 0 : FGrid.FixedCols();
    const int B = (O.SaveFixedCells || O.SaveFixedRows) ? 0 : FGrid.FixedRows();
    return Apply_Doc(Doc, A, B, true, FileName);
}

void TGridFormats::Save_Stream(QIODevice &Stream)
{
    TCellFileLayout L;
    L.Size_Cols = FGrid.GetSaveColCount();
    L.Size_Rows = FGrid.GetSaveRowCount();
    L.Width_From = 0;
    L.Width_To = FGrid.ColCount() - 1;
    L.Cells = {FGrid.GetSaveStartCol(), FGrid.GetSaveStartRow(), FGrid.GetSaveEndCol(), FGrid.GetSaveEndRow()};
    L.Origin_Col = L.Cells.Left;
    L.Origin_Row = L.Cells.Top;
    TExchangeHooks H = Hooks();
    H.Progress = {};
    RIraRevadiVizo *G = &FGrid;
    Stream.write(Cell_Stream_Bytes(Write_Cell_Lines(H, L, [G](int C) { return G->ColWidths(C); })));
}

bool TGridFormats::Load_Stream(QIODevice &Stream)
{
    TCellFileDoc Doc;
    if (!Fail(Read_Cell_Stream(Stream, FGrid.MultilineCells(), Doc), QString(), QString()))
        return false;
    return Apply_Doc(Doc, FGrid.GetSaveStartCol(), FGrid.GetSaveStartRow(), false, QString());
}

// The file's records use the grid's indexes (the size record less the
// offsets); the stream's are relative to the offsets. Everything is checked
// before the grid changes.
bool TGridFormats::Apply_Doc(const TCellFileDoc &Doc, int OffsetCol, int OffsetRow, bool File, const QString &FileName)
{
    const int H = File ? Hidden_For_Save() : 0;
    const int Cols = Doc.Has_Size ? OffsetCol + Doc.Cols - H : FGrid.ColCount();
    const int Rows = Doc.Has_Size ? OffsetRow + Doc.Rows : FGrid.RowCount();
    if (File && (Cols <= 0 || Rows <= 0))
        return Fail(TExchangeResult::Failed(esBadFormat, -1, 0, 0, QStringLiteral("File contains no data or corrupt file")),
                    FileName, QString());
    if (Cols > TGridModel::Max_Cols || Rows > TGridModel::Max_Rows)
        return Fail(Out_Of_Range("The size exceeds what a grid can hold"), QString(), QString());
    const int Total = Cols + H;
    if (!File)
        for (const auto &W : Doc.Widths)
            if (W.first >= Cols)
                return Fail(Out_Of_Range("A column width names a column the grid does not have"), QString(), QString());
    const TExchangeHooks Hk = Hooks();
    FGrid.BeginUpdate();
    FGrid.Set_ColCount(std::max(Cols, 1));
    FGrid.Set_RowCount(std::max(Rows, 1));
    for (const auto &W : Doc.Widths) {
        if (W.first < 0 || W.first >= Total)
            continue;
        const int Real = Real_Col(W.first);
        if (FGrid.Model().Is_Hidden_Col(Real))
            FGrid.Model().Set_Hidden_Col_Width(Real, W.second);
        else
            FGrid.Set_ColWidths(FGrid.RealToDisplCol(Real), W.second);
    }
    TProgressCounter Progress(0, Rows - 1, Hk.Progress);
    for (const TCellFileCell &Cell : Doc.Cells) {
        const long long C = File ? Cell.Col : static_cast<long long>(Cell.Col) + OffsetCol;
        const long long R = File ? Cell.Row : static_cast<long long>(Cell.Row) + OffsetRow;
        const bool Inside = File ? (C >= 0 && C < Total && R >= 0 && R < Rows)
                                 : (C >= 0 && C < TGridModel::Max_Cols && R >= 0 && R < TGridModel::Max_Rows);
        if (!Inside)
            continue;
        Hk.Load_Text(static_cast<int>(C), static_cast<int>(R), Cell.Text);
        if (File)
            Progress.At(static_cast<int>(R));
    }
    FGrid.CellsChanged({0, 0, FGrid.ColCount(), FGrid.RowCount()});
    FGrid.RecalcFooter();
    FGrid.EndUpdate();
    return true;
}

// ---- aligned and fixed-width text ------------------------------------------------------------------

bool TGridFormats::Save_Ascii(const QString &FileName, bool Unicode, bool Append)
{
    TWaitCursor Wait;
    const TGridSaveOptions &O = FGrid.SaveOptions();
    const int First_Col = (O.SaveFixedCells || O.SaveFixedCols) ? 0 : FGrid.FixedCols();
    const int First_Row = (O.SaveFixedCells || O.SaveFixedRows) ? 0 : FGrid.FixedRows();
    const int Last_Col = FGrid.ColCount() - 1 + Hidden_For_Save();
    std::vector<int> Cols;
    for (int C = First_Col; C <= Last_Col; ++C)
        Cols.push_back(C);
    RIraRevadiVizo *G = &FGrid;
    TExchangeHooks Hk = Hooks();
    const auto Align = [this, G](int C, int R) {
        TAlignment HA = taLeftJustify;
        TVAlignment VA = vtaTop;
        G->CalcCellAlignment(Real_Col(C), R, HA, VA);
        return HA == taRightJustify ? taRightText : (HA == taCenter ? taCenterText : taLeftText);
    };
    QString Text;
    if (Append && QFileInfo::exists(FileName)) {
        QByteArray Old;
        if (!Fail(Read_Exchange_File(FileName, Old), FileName, QStringLiteral("File ") + FileName + QStringLiteral(" not found")))
            return false;
        for (const QString &L : Split_Text_Lines(Decode_Text_Bytes(Old)))
            Text += L + QStringLiteral("\r\n");
    }
    for (const QString &L : Write_Aligned_Lines(Hk, Cols, First_Row, FGrid.RowCount() - 1, Align, FGrid.MultilineCells()))
        Text += L + QStringLiteral("\r\n");
    const TExchangeResult R = Write_Exchange_File(FileName, Encode_Text(Text, Unicode ? teUtf16Bom : teAnsi));
    return Fail(R, FileName, QStringLiteral("Cannot Create file ") + FileName);
}

bool TGridFormats::Save_Fixed(const QString &FileName, std::vector<int> &Widths)
{
    TWaitCursor Wait;
    std::vector<int> Cols;
    for (int C = FGrid.GetSaveStartCol(); C <= FGrid.GetSaveEndCol() + Hidden_For_Save(); ++C)
        Cols.push_back(C);
    QString Text;
    for (const QString &L : Write_Fixed_Lines(Hooks(), Cols, FGrid.GetSaveStartRow(), FGrid.GetSaveEndRow(), Widths))
        Text += L + QStringLiteral("\r\n");
    const TExchangeResult R = Write_Exchange_File(FileName, Encode_Text(Text, teAnsi));
    return Fail(R, FileName, QStringLiteral("Cannot Create file ") + FileName);
}

bool TGridFormats::Load_Fixed(const QString &FileName, std::vector<int> &Positions, bool DoTrim, int MaxRows)
{
    TWaitCursor Wait;
    TParsedRows Rows;
    const TExchangeResult R = Read_Fixed_File(FileName, Positions, DoTrim, MaxRows, Rows);
    if (!Fail(R, FileName, QStringLiteral("File ") + FileName + QStringLiteral(" not found")))
        return false;
    const int Fields = std::max(0, static_cast<int>(Positions.size()) - 1);
    const int StartCol = FGrid.GetSaveStartCol();
    const int StartRow = FGrid.GetSaveStartRow();
    if (static_cast<long long>(StartRow) + Rows.Rows() > TGridModel::Max_Rows
        || static_cast<long long>(StartCol) + Fields > TGridModel::Max_Cols)
        return Fail(Out_Of_Range("The file holds more rows or columns than a grid can hold"), QString(), QString());
    const TExchangeHooks Hk = Hooks();
    FGrid.BeginUpdate();
    FGrid.Set_ColCount(std::max({1, FGrid.FixedCols() + Fields, StartCol + Fields}));
    if (FGrid.RowCount() < StartRow + Rows.Rows())
        FGrid.Set_RowCount(StartRow + Rows.Rows());
    for (int Rw = 0; Rw < Rows.Rows(); ++Rw)
        for (int C = 0; C < Rows.Cols(Rw); ++C)
            Hk.Load_Text(StartCol + C, StartRow + Rw, Rows.Text(Rw, C));
    FGrid.CellsChanged({0, 0, FGrid.ColCount(), FGrid.RowCount()});
    FGrid.RecalcFooter();
    FGrid.EndUpdate();
    return true;
}

double TGridFormats::Cell_To_Real(int ACol, int ARow)
{
    double V = 0;
    int Pos = 0;
    if (Cell_Text_To_Real(FGrid.Cells(ACol, ARow), V, Pos))
        return V;
    Msg_Error(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(Pos).arg(ACol).arg(ARow), &FGrid);
    return 0;
}

void TGridFormats::Recount_Nodes()
{
    int N = 0;
    for (int R = FGrid.FixedRows(); R < FGrid.RowCount(); ++R)
        if (FGrid.GetCellType(0, R) == ctNode)
            ++N;
    FGrid.FNodes.Set_Count(N);
    if (N > 0)
        FGrid.RepaintCol(0);
}
