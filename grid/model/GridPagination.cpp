#include "grid/model/GridPagination.h"
#include "platform/Clock.h"
#include "platform/DateTime.h"
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
bool At_Top(TPrintPosition P) { return P == ppTopLeft || P == ppTopRight || P == ppTopCenter; }
bool At_Bottom(TPrintPosition P) { return P == ppBottomLeft || P == ppBottomRight || P == ppBottomCenter; }
bool At_Left(TPrintPosition P) { return P == ppTopLeft || P == ppBottomLeft; }

int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }

// Whole numbers of the page texts: offsets come from the application, so the
// sums are kept wide enough not to overflow and clamped when shown.
QString Wide_Number(long long V) { return QString::number(V); }

double Now_As_Date_Time()
{
    const QDateTime N = Clock().Now();
    const QDate D = N.date();
    const QTime T = N.time();
    return Encode_Date(D.year(), D.month(), D.day()) + Encode_Time(T.hour(), T.minute(), T.second(), T.msec());
}
} // namespace

TGridPaginator::TGridPaginator(const TPrintSettings &Settings, IPrintSurface &Surface) : S(Settings), Surf(Surface) {}

bool TGridPaginator::Is_Print_Row(int ARow) const
{
    if (!In.SelectedOnly)
        return true;
    if (ARow < Surf.Fixed_Rows() && S.FixedCellsAlways)
        return true;
    if (Surf.Disjunct_Row_Select())
        return Surf.Row_Flag(ARow);
    const TRect Sel = Surf.Selection();
    return Sel.Top <= ARow && ARow <= Sel.Bottom;
}

bool TGridPaginator::Is_Print_Col(int ACol) const
{
    if (!In.SelectedOnly)
        return true;
    if (Surf.Disjunct_Row_Select())
        return true;
    if (ACol < Surf.Fixed_Cols() && S.FixedCellsAlways)
        return true;
    if (Surf.Disjunct_Col_Select())
        return Surf.Col_Flag(ACol);
    const TRect Sel = Surf.Selection();
    return Sel.Left <= ACol && ACol <= Sel.Right;
}

int TGridPaginator::Print_Row_Height(int ARow)
{
    if (S.NoAutoSizeRow)
        return Round_Even(Surf.Row_Height_Pixels(ARow) * Surf.Pixel_To_Print()) - 4;
    if (S.UseFixedHeight)
        return S.FixedHeight;
    if (ARow == Cached_Row)
        return Cached_Height;
    int Max = 0, Last = 0;
    bool Any = false;
    for (int C = In.Range.Left; C <= In.Range.Right; ++C) {
        const int R = Surf.Real_Col(C);
        const int H = Surf.Measure_Cell(R, ARow, L.Scale).Y;
        Last = H;
        if (!Surf.Is_Y_Merged(R, ARow)) {
            Max = Any ? std::max(Max, H) : H;
            Any = true;
        }
    }
    if (!Any)
        Max = Last;
    int Height = Max + Max / 8;
    Surf.Row_Height(ARow, Height);
    Cached_Row = ARow;
    Cached_Height = Height;
    return Height;
}

int TGridPaginator::Row_Total(int ARow) { return 2 * L.LineSpacing + Print_Row_Height(ARow) + S.RowSpacing; }

void TGridPaginator::Compute_Column_Widths()
{
    for (int C = In.Range.Left; C <= In.Range.Right; ++C)
        L.MaxWidths[static_cast<size_t>(C)] = 0;
    if (S.NoAutoSize) {
        for (int C = In.Range.Left; C <= In.Range.Right; ++C)
            if (Is_Print_Col(C))
                L.MaxWidths[static_cast<size_t>(C)] = Round_Even(Surf.Col_Width_Pixels(C) * Surf.Pixel_To_Print());
        return;
    }
    auto Walk = [this](int Row) {
        for (int C = In.Range.Left; C <= In.Range.Right; ++C) {
            if (!Is_Print_Col(C))
                continue;
            const int R = Surf.Real_Col(C);
            if (Surf.Is_X_Merged(R, Row))
                continue;
            const int W = S.UseFixedWidth ? S.FixedWidth : Surf.Measure_Cell(R, Row, L.Scale).X;
            int &Max = L.MaxWidths[static_cast<size_t>(C)];
            Max = std::max(Max, W);
        }
    };
    if (S.RepeatFixedRows)
        for (int Row = 0; Row < Surf.Fixed_Rows(); ++Row)
            Walk(Row);
    for (int Row = In.Range.Top; Row <= In.Range.Bottom; ++Row)
        Walk(Row);
}

void TGridPaginator::Fit_Columns()
{
    if (S.FitToPage != fpNever) {
        long long Total = 0;
        for (int C = In.Range.Left; C <= In.Range.Right; ++C)
            if (Is_Print_Col(C))
                Total += L.MaxWidths[static_cast<size_t>(C)] + L.Spacing;
        const long long All_Spacing = static_cast<long long>(In.Range.Right - In.Range.Left + 1) * L.Spacing;
        if (Total != All_Spacing)
            L.Scale = static_cast<double>(In.PageXSize - S.RightSize - S.LeftSize - All_Spacing) /
                      static_cast<double>(Total - All_Spacing);
        switch (S.FitToPage) {
        case fpShrink:
            if (L.Scale > 1)
                L.Scale = 1;
            break;
        case fpGrow:
            if (L.Scale < 1)
                L.Scale = 1;
            break;
        case fpCustom:
            if (L.Scale != 1 && !Surf.Fit_To_Page(L.Scale))
                L.Scale = 1;
            break;
        default:
            break;
        }
        if (L.Scale != 1)
            for (int C = In.Range.Left; C <= In.Range.Right; ++C) {
                int &W = L.MaxWidths[static_cast<size_t>(C)];
                W = static_cast<int>(W * L.Scale);
            }
    }
    for (int C = In.Range.Left; C <= In.Range.Right; ++C)
        Surf.Column_Width(C, L.MaxWidths[static_cast<size_t>(C)]);
}

bool TGridPaginator::Title_Markup() const
{
    return !S.TitleLines.isEmpty() && Surf.Is_Markup(S.TitleLines.join(QChar(u'\n')));
}

void TGridPaginator::Compute_Areas(bool After_Break)
{
    (void)After_Break;   // a markup title reserves nothing either way: it is not measured here
    const bool Top_Any = At_Top(S.Time) || At_Top(S.Date) || At_Top(S.PageNr) || At_Top(S.Title);
    const bool Bottom_Any = At_Bottom(S.Time) || At_Bottom(S.Date) || At_Bottom(S.PageNr) || At_Bottom(S.Title);
    const bool Plain_Lines = !S.TitleLines.isEmpty() && !Title_Markup();
    L.TopArea = Top_Any ? L.LineSpacing + L.HeaderTextHeight + S.HeaderSize : S.HeaderSize;
    if (Plain_Lines && At_Top(S.Title))
        L.TopArea += static_cast<int>(S.TitleLines.size() - 1) * L.HeaderTextHeight;
    if (Bottom_Any) {
        L.BottomArea = 2 * (L.LineSpacing + L.FooterTextHeight) + S.FooterSize;
        if (Plain_Lines && At_Bottom(S.Title))
            L.BottomArea += static_cast<int>(S.TitleLines.size() - 1) * L.FooterTextHeight;
    } else {
        L.BottomArea = L.LineSpacing + L.FooterTextHeight + S.FooterSize;
    }
}

QString TGridPaginator::Format_Page_Number()
{
    QString Text;
    int Num, Col_Num = L.BandIndex;
    if (L.MultiBand) {
        Num = L.BandPage + 1;
        Text = QString::number(Num) + QChar(u'-') + QString::number(L.BandIndex);
    } else {
        Num = L.PageIndex + 1;
        Text = Wide_Number(static_cast<long long>(L.PageIndex) + S.PageNumberOffset + 1);
        // An unknown total (a print that did not count) is left out.
        if (!S.PageNumSep.isEmpty() && L.PageCount > 1 && L.PageCount != Unknown_Page_Total)
            Text += S.PageNumSep + Wide_Number(static_cast<long long>(L.PageCount) + S.MaxPagesOffset);
    }
    Surf.Page_Num_String(Num, Col_Num, Text);
    return Text;
}

TGridPaginator::THeaderTexts TGridPaginator::Header_Texts(const TPrintSettings &S, const QString &PageNumber,
                                                          double Now, bool Title_Is_Markup)
{
    THeaderTexts T;
    auto Put = [&T](TPrintPosition Pos, const QString &Piece, bool Title) {
        if (Pos == ppNone)
            return;
        QString &Text = T.Text[Pos];
        const bool Blank = !Title || (!Text.isEmpty() && !Piece.isEmpty());
        const QString Sep = Blank ? QStringLiteral(" ") : QString();
        Text = At_Left(Pos) ? Piece + Sep + Text : Text + Sep + Piece;
    };
    if (S.Time != ppNone)
        Put(S.Time, Format_Date_Time(QStringLiteral("hh:nn"), Now), false);
    if (S.Date != ppNone)
        Put(S.Date, Format_Date_Time(S.DateFormat, Now), false);
    if (S.PageNr != ppNone)
        Put(S.PageNr, S.PagePrefix + QChar(u' ') + PageNumber + QChar(u' ') + S.PageSuffix, false);
    if (S.Title != ppNone) {
        QString Title = S.TitleText;
        if (Title.isEmpty() && !Title_Is_Markup && !S.TitleLines.isEmpty())
            Title = S.TitleLines.first();
        Put(S.Title, Title, true);
        if (!Title_Is_Markup && S.TitleLines.size() > 1)
            T.More_Title_Lines = S.TitleLines.mid(1);
    }
    return T;
}

int TGridPaginator::Draw_Header_Footer()
{
    // A markup title at the top takes the room it needs below the header
    // line on every page, measured in the counting pass as well and on pages
    // that are not drawn, so that every pass breaks its pages alike.
    const bool Markup = S.Title != ppNone && Title_Markup();
    const QString Markup_Text = Markup ? S.TitleLines.join(QChar(u'\n')) : QString();
    const int Title_Height =
        Markup && At_Top(S.Title) ? Surf.Markup_Height(ptHeader, L.Scale, L.PageXSize - S.LeftSize, Markup_Text) : 0;
    if (!Drawing() || !Page_In_Range(L.PageIndex + 1))
        return Title_Height;
    const THeaderTexts T = Header_Texts(S, S.PageNr != ppNone ? Format_Page_Number() : QString(), Now_As_Date_Time(),
                                        Markup);
    auto X_Of = [this](TPrintTextFont F, int Pos, const QString &Text) {
        switch (Pos) {
        case ppTopLeft:
        case ppBottomLeft:
            return S.LeftSize;
        case ppTopRight:
        case ppBottomRight:
            return L.PageXSize - Surf.Text_Width(F, L.Scale, Text) - S.RightSize - 20;
        default:
            return (L.PageXSize - Surf.Text_Width(F, L.Scale, Text)) / 2;
        }
    };
    const int Header_Y = -S.HeaderSize;
    for (int Pos : {ppTopLeft, ppTopRight, ppTopCenter})
        if (!T.Text[Pos].isEmpty())
            Surf.Draw_Text(ptHeader, L.Scale, X_Of(ptHeader, Pos, T.Text[Pos]), Header_Y, T.Text[Pos]);
    if (At_Top(S.Title))
        for (int I = 0; I < T.More_Title_Lines.size(); ++I) {
            const QString &Line = T.More_Title_Lines[I];
            Surf.Draw_Text(ptHeader, L.Scale, X_Of(ptHeader, S.Title, Line), Header_Y - (I + 1) * L.HeaderTextHeight,
                           Line);
        }
    const int Footer_Y = L.PageYSize + L.FooterTextHeight + L.LineSpacing + S.FooterSize;
    for (int Pos : {ppBottomLeft, ppBottomRight, ppBottomCenter})
        if (!T.Text[Pos].isEmpty())
            Surf.Draw_Text(ptFooter, L.Scale, X_Of(ptFooter, Pos, T.Text[Pos]), Footer_Y, T.Text[Pos]);
    if (At_Bottom(S.Title))
        for (int I = 0; I < T.More_Title_Lines.size(); ++I) {
            const QString &Line = T.More_Title_Lines[I];
            Surf.Draw_Text(ptFooter, L.Scale, X_Of(ptFooter, S.Title, Line), Footer_Y - (I + 1) * L.FooterTextHeight,
                           Line);
        }
    if (Markup && At_Top(S.Title)) {
        // On the header line when nothing else is there, else under it.
        const bool Line_Used = !T.Text[ppTopLeft].isEmpty() || !T.Text[ppTopRight].isEmpty() ||
                               !T.Text[ppTopCenter].isEmpty();
        const int Top = Line_Used ? -L.TopArea : Header_Y;
        Surf.Draw_Markup(ptHeader, L.Scale, TRect(S.LeftSize, Top, L.PageXSize, Top - Title_Height), Markup_Text);
    } else if (Markup) {
        // The footer line's room when nothing else is there, else the free
        // line above it.
        const bool Line_Used = !T.Text[ppBottomLeft].isEmpty() || !T.Text[ppBottomRight].isEmpty() ||
                               !T.Text[ppBottomCenter].isEmpty();
        const int Top = Line_Used ? L.PageYSize + L.BottomArea : Footer_Y;
        Surf.Draw_Markup(ptFooter, L.Scale, TRect(S.LeftSize, Top, L.PageXSize, Top - L.FooterTextHeight - L.LineSpacing),
                         Markup_Text);
    }
    return Title_Height;
}

void TGridPaginator::Draw_Page_Borders(int FirstCol, int LastCol, int Bottom)
{
    if (!Drawing() || !Page_In_Range(L.PageIndex + 1))
        return;
    const int Left = L.RepeatCols ? L.Indents[0] : L.Indents[static_cast<size_t>(FirstCol)];
    const int Right = L.Indents[static_cast<size_t>(LastCol) + 1];
    const int Top = -L.TopArea - S.TitleSpacing;
    const int Foot = Bottom + L.LineSpacing / 2;
    const TPrintBorders B = S.Borders;
    if (B == pbAround || B == pbAroundVertical || B == pbAroundHorizontal)
        Surf.Draw_Frame(TRect(Left, Top, Right, Foot));
    if (B == pbDouble || B == pbHorizontal || B == pbAroundHorizontal)
        Surf.Draw_Line(Left, Foot, Right, Foot);
    if ((B == pbDouble || B == pbVertical || B == pbAroundVertical) && L.RepeatCols)
        for (int I = 0; I < Surf.Fixed_Cols(); ++I)
            Surf.Draw_Line(L.Indents[static_cast<size_t>(I)], Top, L.Indents[static_cast<size_t>(I)], Foot);
}

void TGridPaginator::Start_Next_Page()
{
    const int Next = L.PageIndex + 2;
    if (!Page_In_Range(Next))
        return;
    if (In.Mode == pmDeviceDraw && L.PageIndex + 1 >= In.PageFrom)
        Surf.New_Device_Page();
    if (Drawing())
        Surf.Page_Started(Next, L);
}

void TGridPaginator::Lay_Band(int Start)
{
    const int Fixed_Cols = Surf.Fixed_Cols();
    L.RepeatCols = Fixed_Cols > 0 && S.RepeatFixedCols && (Start > In.Range.Left || Fixed_Cols < In.Range.Left);
    L.FixedColsWidth = 0;
    if (L.RepeatCols)
        for (int C = 0; C < Fixed_Cols; ++C)
            L.FixedColsWidth += L.MaxWidths[static_cast<size_t>(C)] + L.Spacing;
    // Fill the band while the columns fit.
    const long long Limit = static_cast<long long>(In.PageXSize) - S.RightSize;
    long long Used = L.FixedColsWidth;
    int Last = Start;
    while (Used <= Limit && Last <= In.Range.Right) {
        Used += L.MaxWidths[static_cast<size_t>(Last)] + L.Spacing;
        if (Used <= Limit)
            ++Last;
    }
    if (Used > Limit) {
        // Last is the column that overflowed.
        Used -= L.MaxWidths[static_cast<size_t>(std::min(Last, In.Range.Right))] + L.Spacing;
        --Last;
    }
    if (Last <= Start)
        Last = Start + 1;
    Last = std::min(Last, In.Range.Right);
    L.BandFirst = Start;
    L.BandLast = Last;
    L.MultiBand = L.MultiBand || Last < In.Range.Right;
    L.Used_Width = static_cast<int>(Used);
    // Left edges.
    const int Base = S.Centered ? 0 : S.LeftSize;
    L.Indents[static_cast<size_t>(Start)] = Base;
    L.Indents[0] = Base;
    for (int C = Start; C <= Last; ++C)
        L.Indents[static_cast<size_t>(C) + 1] =
            L.Indents[static_cast<size_t>(C)] + (Is_Print_Col(C) ? L.MaxWidths[static_cast<size_t>(C)] + L.Spacing : 0);
    if (L.RepeatCols)
        for (int P = 1; P <= Fixed_Cols - 1; ++P)
            L.Indents[static_cast<size_t>(P)] = L.Indents[static_cast<size_t>(P) - 1] +
                                                L.MaxWidths[static_cast<size_t>(P) - 1] + L.Spacing;
    if (S.Centered && Used < In.PageXSize) {
        const int Shift = static_cast<int>((In.PageXSize - Used) / 2);
        for (int C = Start; C <= Last + 1; ++C)
            L.Indents[static_cast<size_t>(C)] += Shift;
        if (L.RepeatCols)
            for (int C = 0; C <= Fixed_Cols && C < Start; ++C)
                L.Indents[static_cast<size_t>(C)] += Shift;
    }
    for (int C = Start; C <= Last + 1; ++C)
        L.Indents[static_cast<size_t>(C)] += L.FixedColsWidth;
}

int TGridPaginator::Place_Row(int &Y, int FirstCol, int LastCol, int ARow, bool Clip)
{
    TPrintRowPlace P;
    P.Y = Y;
    P.FirstCol = FirstCol;
    P.LastCol = LastCol;
    P.Row = ARow;
    P.RowTotal = Row_Total(ARow);
    P.Clipped = Clip;
    P.Clip_Bottom = Clip ? L.PageYSize + L.BottomArea : INT_MIN;
    if (Drawing() && Page_In_Range(L.PageIndex + 1))
        Surf.Draw_Row(L, P);
    return P.RowTotal;
}

int TGridPaginator::Run(const TPaginatorInput &Input)
{
    In = Input;
    L = TPrintLayout();
    L.Mode = In.Mode;
    L.PageCount = In.PageCount;
    L.PageXSize = In.PageXSize;
    L.PageYSize = In.PageYSize;
    L.LineHeight = In.LineHeight;
    L.LineSpacing = static_cast<std::uint16_t>(In.LineHeight) / 8;
    L.CharPad = In.CharWidth_g / 2;
    L.HeaderTextHeight = In.HeaderTextHeight;
    L.FooterTextHeight = In.FooterTextHeight;
    L.Spacing = S.UseFixedWidth ? 0 : S.ColumnSpacing + 20;
    L.Scale = 1.0;
    Cached_Row = -1;
    if (In.Range.Right < In.Range.Left || In.Range.Bottom < In.Range.Top || In.Range.Left < 0 || In.Range.Top < 0)
        return 0;
    // One entry per column of the range and of the repeated fixed columns.
    const size_t Cols = static_cast<size_t>(std::max(In.Range.Right + 1, Surf.Fixed_Cols())) + 2;
    L.MaxWidths.assign(Cols, 0);
    L.Indents.assign(Cols, 0);
    Compute_Column_Widths();
    Fit_Columns();
    Cached_Row = -1;

    const bool Whole_Range =
        Surf.Fixed_Rows() >= In.Range.Top && Surf.Row_Count() - 1 - Surf.Fixed_Footers() <= In.Range.Bottom;
    int Last_Closed_Row = -1;
    bool Cancelled = false;
    int Y = 0;
    int Band_First = In.Range.Left;
    while (Band_First <= In.Range.Right && !Cancelled) {
        ++L.BandIndex;
        L.BandPage = 0;
        Lay_Band(Band_First);
        Compute_Areas(false);
        if (Drawing())
            Surf.Page_Started(L.PageIndex + 1, L);
        int Row = In.Range.Top;
        int Rows_On_Page = 0;
        bool Data_On_Page = false;
        while (Row <= In.Range.Bottom && !Cancelled) {
            Surf.Export_Row(Whole_Range, Row);
            if (Rows_On_Page == 0) {
                Y = -L.TopArea - S.TitleSpacing - Draw_Header_Footer();
                Data_On_Page = false;
                if (Row > 0 && (L.PageIndex > 0 || In.Range.Top >= Surf.Fixed_Rows()) && S.RepeatFixedRows &&
                    Surf.Fixed_Rows() > 0) {
                    for (int P = 0; P < Surf.Fixed_Rows(); ++P) {
                        if (L.RepeatCols)
                            Place_Row(Y, 0, Surf.Fixed_Cols() - 1, P, false);
                        Y -= Place_Row(Y, L.BandFirst, L.BandLast, P, false);
                    }
                    ++Rows_On_Page;
                }
            }
            if (Is_Print_Row(Row)) {
                const bool Fits = Y - Print_Row_Height(Row) > L.PageYSize + L.BottomArea;
                // A row taller than the whole page would never fit: it goes,
                // cut at the page's foot, on a page of its own.
                if (Fits || !Data_On_Page) {
                    if (L.RepeatCols)
                        Place_Row(Y, 0, Surf.Fixed_Cols() - 1, Row, !Fits);
                    Y -= Place_Row(Y, L.BandFirst, L.BandLast, Row, !Fits);
                    ++Row;
                    Data_On_Page = true;
                }
            } else {
                ++Row;
            }
            ++Rows_On_Page;
            const bool New_Page = Surf.New_Page_Wanted(Row);
            const bool Fits = Row > In.Range.Bottom || Y - Print_Row_Height(Row) > L.PageYSize + L.BottomArea;
            if (Drawing() && (!Fits || Row > In.Range.Bottom || New_Page)) {
                Surf.Page_Done(Row, Y, L.PageIndex + 1, L);
                Cancelled = Surf.Cancel(L.PageIndex + 1);
            }
            if ((!Fits && Row <= In.Range.Bottom) || New_Page) {
                Draw_Page_Borders(L.BandFirst, L.BandLast, Y);
                Rows_On_Page = 0;
                Last_Closed_Row = Row;
                Start_Next_Page();
                if (In.FastPrint && In.PageFrom < L.PageIndex)
                    Row = In.Range.Bottom + 1;
                ++L.PageIndex;
                ++L.BandPage;
                Compute_Areas(true);
            }
        }
        if (Row != Last_Closed_Row)
            Draw_Page_Borders(L.BandFirst, L.BandLast, Y);
        Band_First = L.BandLast + 1;
        if (Band_First <= In.Range.Right)
            Start_Next_Page();
        ++L.PageIndex;
    }
    return L.PageIndex;
}
