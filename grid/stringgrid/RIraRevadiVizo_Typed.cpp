// Typed views of cell text (integers, floats, dates, times, control values),
// fills of the whole grid, and the header lists copied into the fixed cells.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/MarkupText.h"
#include <algorithm>
#include "grid/model/TextRoutines.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"
#include <QRandomGenerator>
#include <cmath>

namespace {
const char *const Not_Integer = "Cell does not contain integer value";
const char *const Not_Float = "Cell does not contain a float value";

int Parse_Int(const QString &Raw)
{
    const QString S = Raw.trimmed();
    if (S.isEmpty() || S == QLatin1String("-"))
        return 0;
    bool Ok = false;
    const int V = S.toInt(&Ok, 10);
    if (!Ok)
        throw EDarAzidError(Not_Integer);
    return V;
}

double Parse_Float(const QString &Raw)
{
    const QString S = Raw.trimmed();
    if (S.isEmpty() || S == QLatin1String("-"))
        return 0;
    const QString N = NormalizeNumberText(S);
    bool Ok = false;
    const double V = N.toDouble(&Ok);
    if (!Ok || N.isEmpty() || !std::isfinite(V))
        throw EDarAzidError(Not_Float);
    return V;
}

// A time of day "h:n[:s]" with the locale's separator and an optional AM/PM
// marker, as a fraction of a day.
TDateTime Parse_Time(const QString &Raw)
{
    QString S = Raw.trimmed().toUpper();
    int AddHours = 0;
    bool Twelve = false;
    for (const char *Marker : {"AM", "PM"})
        if (S.endsWith(QLatin1String(Marker))) {
            Twelve = true;
            AddHours = Marker[0] == 'P' ? 12 : 0;
            S.chop(2);
            S = S.trimmed();
        }
    const QChar Sep = Format_Settings().TimeSeparator;
    const QStringList Parts = S.split(Sep);
    int V[3] = {0, 0, 0};
    bool Ok = Parts.size() >= 2 && Parts.size() <= 3;
    for (int I = 0; Ok && I < Parts.size(); ++I)
        V[I] = Parts[I].trimmed().toInt(&Ok);
    if (Ok && Twelve) {
        Ok = V[0] >= 1 && V[0] <= 12;
        V[0] = V[0] % 12 + AddHours;
    }
    TDateTime T = 0;
    if (!Ok || !Try_Encode_Time(V[0], V[1], V[2], 0, T))
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(Raw).toStdString());
    return T;
}

// A format with two integer directives, filled in order; every directive
// takes an argument of its own, so a stray "%s" never reads beyond them.
QString Format_Two(const QString &Fmt, int A, int B)
{
    QString Out;
    const long long Args[2] = {A, B};
    int Next = 0;
    for (qsizetype I = 0; I < Fmt.size(); ++I) {
        if (Fmt[I] != u'%') {
            Out += Fmt[I];
            continue;
        }
        if (I + 1 < Fmt.size() && Fmt[I + 1] == u'%') {
            Out += u'%';
            ++I;
            continue;
        }
        qsizetype J = I + 1;
        while (J < Fmt.size() && !Fmt[J].isLetter())
            ++J;
        if (J >= Fmt.size()) {
            Out += Fmt.mid(I);
            break;
        }
        const QString Directive = Fmt.mid(I, J - I + 1);
        Out += Next < 2 ? Format_Integer(Directive, Args[Next]) : QString();
        ++Next;
        I = J;
    }
    return Out;
}
}

// --- cells by real row ---------------------------------------------------------------------------

QString RIraRevadiVizo::GetCellsEx(int ACol, int ARealRow)
{
    if (IsHiddenRow(ARealRow))
        return Model().Hidden_Cell(ARealRow, ACol);
    return GetCellEx(ACol, DisplRowIndex(ARealRow));
}

void RIraRevadiVizo::SetCellsEx(int ACol, int ARealRow, const QString &Value)
{
    // A hidden row's cells wait in the model; they are written there.
    if (Model().Set_Hidden_Cell(ARealRow, ACol, Value))
        return;
    SetCellEx(ACol, DisplRowIndex(ARealRow), Value);
}

QString RIraRevadiVizo::GetStrippedCell(int ACol, int ARow)
{
    const QString S = GetCellEx(ACol, ARow);
    return ClassifyCellText(S, true) == ctMarkup ? StripHTMLTags(S) : S;
}

// --- typed values -----------------------------------------------------------------------------------

int RIraRevadiVizo::GetInts(int ACol, int ARow) { return Parse_Int(GetStrippedCell(ACol, ARow)); }
void RIraRevadiVizo::SetInts(int ACol, int ARow, int Value) { SetCellEx(ACol, ARow, QString::number(Value)); }
int RIraRevadiVizo::GetAllInts(int ACol, int ARow) { return Parse_Int(GetCellsEx(ACol, ARow)); }
void RIraRevadiVizo::SetAllInts(int ACol, int ARow, int Value) { SetCellsEx(ACol, ARow, QString::number(Value)); }

double RIraRevadiVizo::GetFloats(int ACol, int ARow) { return Parse_Float(GetStrippedCell(ACol, ARow)); }
void RIraRevadiVizo::SetFloats(int ACol, int ARow, double Value)
{
    SetCellEx(ACol, ARow, Format_Number(GetFloatFormat(ACol, ARow), Value));
}
double RIraRevadiVizo::GetAllFloats(int ACol, int ARow) { return Parse_Float(GetCellsEx(ACol, ARow)); }
void RIraRevadiVizo::SetAllFloats(int ACol, int ARow, double Value)
{
    SetCellsEx(ACol, ARow, Format_Number(FFloatFormat, Value));
}

TDateTime RIraRevadiVizo::GetDates(int ACol, int ARow) { return Str_To_Date(GetCellEx(ACol, ARow)); }
void RIraRevadiVizo::SetDates(int ACol, int ARow, TDateTime Value)
{
    if (Value > 0 || FShowNullDates)
        SetCellEx(ACol, ARow, Date_To_Str(Value));
    else
        SetCellEx(ACol, ARow, QString());
}

TDateTime RIraRevadiVizo::GetTimes(int ACol, int ARow) { return Parse_Time(GetCellEx(ACol, ARow)); }
void RIraRevadiVizo::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, Time_To_Str(Value)); }

QString RIraRevadiVizo::GetCtrlVal(int ACol, int ARow, const QString &ID)
{
    QString Value;
    if (!GetControlValue(GetCellEx(ACol, ARow), ID, Value))
        return QString();
    return Value;
}

void RIraRevadiVizo::SetCtrlVal(int ACol, int ARow, const QString &ID, const QString &Value)
{
    QString S = GetCellEx(ACol, ARow);
    if (SetControlValue(S, ID, Value))
        SetCellEx(ACol, ARow, S);
}

// --- fills ---------------------------------------------------------------------------------------------

namespace {
struct TFillRange {
    int C0, C1, R0, R1;
};
}

static TFillRange Fill_Range(RIraRevadiVizo &G, bool DoFixed)
{
    if (DoFixed)
        return {0, G.ColCount() - 1, 0, G.RowCount() - 1};
    return {G.FixedCols(), G.ColCount() - G.FixedRightCols() - 1, G.FixedRows(), G.RowCount() - G.FixedFooters() - 1};
}

void RIraRevadiVizo::TextFill(bool DoFixed, const QString &Txt)
{
    const TFillRange F = Fill_Range(*this, DoFixed);
    Model().Begin_Update();
    for (int R = F.R0; R <= F.R1; ++R)
        for (int C = F.C0; C <= F.C1; ++C)
            SetCellEx(C, R, Txt);
    Model().End_Update();
    RecalcFooter();
}

void RIraRevadiVizo::FormatFill(bool DoFixed, const QString &Fmt)
{
    const TFillRange F = Fill_Range(*this, DoFixed);
    Model().Begin_Update();
    for (int R = F.R0; R <= F.R1; ++R)
        for (int C = F.C0; C <= F.C1; ++C)
            SetCellEx(C, R, Format_Two(Fmt, C, R));
    Model().End_Update();
    RecalcFooter();
}

void RIraRevadiVizo::RandomFill(bool DoFixed, int Rnd)
{
    const TFillRange F = Fill_Range(*this, DoFixed);
    Model().Begin_Update();
    for (int R = F.R0; R <= F.R1; ++R)
        for (int C = F.C0; C <= F.C1; ++C)
            SetInts(C, R, Rnd > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(Rnd)) : 0);
    Model().End_Update();
    RecalcFooter();
}

void RIraRevadiVizo::LinearFill(bool DoFixed)
{
    const TFillRange F = Fill_Range(*this, DoFixed);
    Model().Begin_Update();
    for (int R = F.R0; R <= F.R1; ++R)
        for (int C = F.C0; C <= F.C1; ++C)
            SetCellEx(C, R, QString::number(C) + u':' + QString::number(R));
    Model().End_Update();
    RecalcFooter();
}

// --- headers -----------------------------------------------------------------------------------------------

void RIraRevadiVizo::Set_ColumnHeaders(const QStringList &Value)
{
    FColumnHeaders = Value;
    if (TBaseGrid::FixedRows() > 0)
        ClearColumnHeaders();
    ColumnHeadersChanged();
    ShowColumnHeaders();
}

void RIraRevadiVizo::ClearColumnHeaders()
{
    for (int C = 0; C < ColCount(); ++C)
        SetCellEx(C, 0, QString());
}

void RIraRevadiVizo::ShowColumnHeaders()
{
    if (TBaseGrid::FixedRows() <= 0)
        return;
    for (int I = 0; I < FColumnHeaders.size() && I < TotalColCount(); ++I)
        SetCellEx(I, 0, UnescapeNewlines(FColumnHeaders[I]));
}

void RIraRevadiVizo::Set_RowHeaders(const QStringList &Value)
{
    FRowHeaders = Value;
    ShowRowHeaders();
}

void RIraRevadiVizo::ClearRowHeaders()
{
    for (int R = 0; R < RowCount(); ++R)
        SetCellEx(0, R, QString());
}

void RIraRevadiVizo::ShowRowHeaders()
{
    if (TBaseGrid::FixedCols() <= 0)
        return;
    for (int I = 0; I < FRowHeaders.size() && I < RowCount(); ++I)
        SetCellEx(0, I, UnescapeNewlines(FRowHeaders[I]));
}

void RIraRevadiVizo::Set_FixedFont(const TFont &Value)
{
    FFixedFont = Value;
    Invalidate();
}

// --- print layout and version ------------------------------------------------------------------------------

// One entry per column, however many the grid has: the first 512 columns
// always answer (0 before any print), later ones while the grid has them
// or a print laid them out.
bool RIraRevadiVizo::Print_Col_In_Range(int ACol) const
{
    const int Known = std::max({512, TotalColCount(), static_cast<int>(FPrintColWidth.size())});
    return ACol >= 0 && ACol < Known;
}

int RIraRevadiVizo::GetPrintColWidth(int ACol) const
{
    if (!Print_Col_In_Range(ACol))
        throw EDarAzidError("Columns is not in valid range");
    return ACol < static_cast<int>(FPrintColWidth.size()) ? FPrintColWidth[static_cast<size_t>(ACol)] : 0;
}

int RIraRevadiVizo::GetPrintColOffset(int ACol) const
{
    if (!Print_Col_In_Range(ACol))
        throw EDarAzidError("Columns is not in valid range");
    return ACol < static_cast<int>(FPrintColOffset.size()) ? FPrintColOffset[static_cast<size_t>(ACol)] : 0;
}

void RIraRevadiVizo::Set_PrintColLayout(int ACol, int Width, int Offset)
{
    if (ACol < 0)
        throw EDarAzidError("Columns is not in valid range");
    if (ACol >= static_cast<int>(FPrintColWidth.size())) {
        FPrintColWidth.resize(static_cast<size_t>(ACol) + 1, 0);
        FPrintColOffset.resize(static_cast<size_t>(ACol) + 1, 0);
    }
    FPrintColWidth[static_cast<size_t>(ACol)] = Width;
    FPrintColOffset[static_cast<size_t>(ACol)] = Offset;
}

QString RIraRevadiVizo::Version()
{
    const unsigned V = static_cast<unsigned>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(V >> 24).arg((V >> 16) & 0xFF).arg((V >> 8) & 0xFF).arg(V & 0xFF);
}
