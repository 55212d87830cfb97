// CSV and binary-stream save and load of 1,000,000 rows x 10 through the
// string grid, side by side with the same table in QTableWidget items written
// and parsed through QTextStream, and with the floor: the same CSV bytes
// written from, and split into, plain strings in contiguous memory. Every
// side writes to and reads from a file in the same folder; the grid and the
// floor write the file the same safe way (temporary file, fsync, rename),
// QTableWidget's road through QFile as it comes. Each side runs warm (one
// untimed round first), and the sides alternate. Printed: each side's
// median seconds and the ratios grid/QTableWidget (goal at most 0.5) and
// grid/floor (goal within 2), for CSV and for the binary stream.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/AtomicFile.h"
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int Rows = 1000000;
constexpr int Cols = 10;
QString Text_Of(int C, int R) { return QStringLiteral("r%1c%2").arg(R).arg(C); }

struct TTimes {
    std::vector<double> Save, Load;
    double Median(std::vector<double> V) const
    {
        std::sort(V.begin(), V.end());
        return V.empty() ? 0 : V[V.size() / 2];
    }
};
TTimes Grid_T, Bin_T, Widget_T, Floor_T;
QTemporaryDir Dir;

template <class F> double Time(F &&Work)
{
    const auto T0 = std::chrono::steady_clock::now();
    Work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - T0).count();
}

void Grid_Round(TTimes *T)
{
    const QString Path = Dir.filePath(QStringLiteral("grid.csv"));
    RIraRevadiVizo G;
    G.Set_FixedCols(0);
    G.Set_FixedRows(0);
    G.Set_ColCount(Cols);
    G.Set_RowCount(Rows);
    G.BeginUpdate();
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            G.Set_Cells(C, R, Text_Of(C, R));
    G.EndUpdate();
    const double S = Time([&] { G.SaveToCSV(Path, false); });
    RIraRevadiVizo L;
    L.Set_FixedCols(0);
    L.Set_FixedRows(0);
    const double Ld = Time([&] { L.LoadFromCSV(Path, 0); });
    if (L.RowCount() != Rows || L.Cells(Cols - 1, Rows - 1) != Text_Of(Cols - 1, Rows - 1))
        std::fprintf(stderr, "grid load read back wrong\n");
    const QString Bin_Path = Dir.filePath(QStringLiteral("grid.bin"));
    const double BS = Time([&] { G.SaveToBinFile(Bin_Path); });
    RIraRevadiVizo B;
    const double BL = Time([&] { B.LoadFromBinFile(Bin_Path); });
    if (B.RowCount() != Rows || B.Cells(Cols - 1, Rows - 1) != Text_Of(Cols - 1, Rows - 1))
        std::fprintf(stderr, "binary load read back wrong\n");
    if (T) {
        T->Save.push_back(S);
        T->Load.push_back(Ld);
        Bin_T.Save.push_back(BS);
        Bin_T.Load.push_back(BL);
    }
}

void Widget_Round(TTimes *T)
{
    const QString Path = Dir.filePath(QStringLiteral("widget.csv"));
    QTableWidget W(Rows, Cols);
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            W.setItem(R, C, new QTableWidgetItem(Text_Of(C, R)));
    const double S = Time([&] {
        QFile F(Path);
        F.open(QIODevice::WriteOnly);
        QTextStream Out(&F);
        for (int R = 0; R < Rows; ++R) {
            for (int C = 0; C < Cols; ++C) {
                if (C)
                    Out << ',';
                Out << W.item(R, C)->text();
            }
            Out << "\r\n";
        }
    });
    QTableWidget L;
    const double Ld = Time([&] {
        QFile F(Path);
        F.open(QIODevice::ReadOnly);
        QTextStream In(&F);
        L.setColumnCount(Cols);
        int R = 0;
        QString Line;
        while (In.readLineInto(&Line)) {
            const QStringList Fields = Line.split(u',');
            if (R >= L.rowCount())
                L.setRowCount(R + 1000);
            for (int C = 0; C < Fields.size(); ++C)
                L.setItem(R, C, new QTableWidgetItem(Fields[C]));
            ++R;
        }
        L.setRowCount(R);
    });
    if (T) {
        T->Save.push_back(S);
        T->Load.push_back(Ld);
    }
}

void Floor_Round(TTimes *T)
{
    const QString Path = Dir.filePath(QStringLiteral("floor.csv"));
    std::vector<QString> Cells;
    Cells.reserve(size_t(Rows) * Cols);
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            Cells.push_back(Text_Of(C, R));
    const double S = Time([&] {
        QString Text;
        for (size_t I = 0; I < Cells.size(); ++I) {
            Text += Cells[I];
            Text += (I + 1) % Cols ? QStringLiteral(",") : QStringLiteral("\r\n");
        }
        Write_File_Atomic(Path, Text.toLatin1());
    });
    std::vector<QString> Back;
    const double Ld = Time([&] {
        QFile F(Path);
        F.open(QIODevice::ReadOnly);
        const QString Text = QString::fromLatin1(F.readAll());
        Back.reserve(size_t(Rows) * Cols);
        qsizetype Start = 0;
        for (qsizetype I = 0; I < Text.size(); ++I) {
            const QChar Ch = Text[I];
            if (Ch == u',' || Ch == u'\r') {
                Back.push_back(Text.mid(Start, I - Start));
                if (Ch == u'\r')
                    ++I;
                Start = I + 1;
            }
        }
    });
    if (T) {
        T->Save.push_back(S);
        T->Load.push_back(Ld);
    }
}

void BM_Csv_Side_By_Side(benchmark::State &State)
{
    // Warm: one untimed round of each side, then the sides alternate.
    Grid_Round(nullptr);
    Widget_Round(nullptr);
    Floor_Round(nullptr);
    for (auto _ : State) {
        Grid_Round(&Grid_T);
        Widget_Round(&Widget_T);
        Floor_Round(&Floor_T);
        State.SetIterationTime(Grid_T.Save.back() + Grid_T.Load.back());
    }
    std::printf("floor and grid write through temporary file + fsync + rename; QTableWidget through QFile\n");
    const double GS = Grid_T.Median(Grid_T.Save), GL = Grid_T.Median(Grid_T.Load);
    const double WS = Widget_T.Median(Widget_T.Save), WL = Widget_T.Median(Widget_T.Load);
    const double FS = Floor_T.Median(Floor_T.Save), FL = Floor_T.Median(Floor_T.Load);
    State.counters["grid_save_s"] = GS;
    State.counters["grid_load_s"] = GL;
    State.counters["qtable_save_s"] = WS;
    State.counters["qtable_load_s"] = WL;
    State.counters["floor_save_s"] = FS;
    State.counters["floor_load_s"] = FL;
    State.counters["save_vs_qtable"] = GS / WS;
    State.counters["load_vs_qtable"] = GL / WL;
    State.counters["save_vs_floor"] = GS / FS;
    State.counters["load_vs_floor"] = GL / FL;
    const double BS = Bin_T.Median(Bin_T.Save), BL = Bin_T.Median(Bin_T.Load);
    State.counters["bin_save_s"] = BS;
    State.counters["bin_load_s"] = BL;
    State.counters["bin_save_vs_qtable"] = BS / WS;
    State.counters["bin_load_vs_qtable"] = BL / WL;
    State.counters["bin_save_vs_floor"] = BS / FS;
    State.counters["bin_load_vs_floor"] = BL / FL;
    State.counters["bin_save_vs_csv"] = BS / GS;
    State.counters["bin_load_vs_csv"] = BL / GL;
}
BENCHMARK(BM_Csv_Side_By_Side)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);
} // namespace
