#pragma once
#include "grid/exchange/GridExchange.h"
#include "grid/model/CellText.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// What the grid's text formats share: how a file's bytes become text and
// back, how lines end, how progress is counted, and the hooks through which
// a format reads and writes cells without knowing the grid.

// How a text file is written. Reading needs no choice: a byte-order mark
// selects UTF-8 or UTF-16 (either byte order), anything else is Windows-1252.
enum TTextEncoding { teAnsi, teUtf8Bom, teUtf16Bom };
QString Decode_Text_Bytes(const QByteArray &Bytes);
QByteArray Encode_Text(const QString &Text, TTextEncoding Encoding);

// Lines as a text file holds them: CR LF, a lone CR or a lone LF ends a line;
// a break at the very end starts no further (empty) line.
QStringList Split_Text_Lines(const QString &Text);
// Every CR LF, lone CR and lone LF as CR LF (the grid's one line break).
QString Normalize_Line_Breaks(const QString &Text);
bool Has_Line_Break(const QString &Text);

// Files are read whole; a file larger than this is refused before it is read
// (no table the grid can hold is that large in text).
constexpr qint64 Max_Exchange_File_Size = qint64(1) << 31;
// The file's bytes, or esCannotOpen (missing, unreadable) / esOutOfRange
// (larger than Max_Exchange_File_Size) with the file name as the message.
TExchangeResult Read_Exchange_File(const QString &Path, QByteArray &Bytes);
// Replaces the file as a whole (the old one stays when writing fails):
// esCannotOpen with the system's reason when it fails.
TExchangeResult Write_Exchange_File(const QString &Path, const QByteArray &Bytes);

// The steps a writer reports, in the order it reports them.
enum TExchangeStep { xsStart, xsNextRow, xsDone };

// How a format meets the grid. Save_Text gives a cell's text as it is saved
// (real column); Load_Text stores a loaded text. Progress hears a percentage
// whenever it changes; Step hears each writer step with its row (-1 for the
// end). Empty functions are skipped.
struct TExchangeHooks {
    std::function<QString(int C, int R)> Save_Text;
    // When set, Save_Text's answer as a view, for writers passing over many
    // cells: built in Room (TCellText::Max_Latin1 units) or held in Hold, and
    // valid until the next call.
    std::function<QStringView(int C, int R, char16_t *Room, QString &Hold)> Save_View;
    std::function<void(int C, int R, const QString &Text)> Load_Text;
    std::function<void(int Percent)> Progress;
    std::function<void(TExchangeStep Step, int Row)> Step;
};

// Progress of a walk over rows First..Last: (row - First) * 100 / (Last -
// First), clamped to 0..100, told only when it changes (100 when Last is not
// beyond First).
class TProgressCounter {
public:
    TProgressCounter(int First, int Last, const std::function<void(int)> &Tell) : FFirst(First), FLast(Last), FTell(Tell) {}
    void At(int Row);
    int Last_Told() const { return FTold; }

private:
    int FFirst, FLast;
    const std::function<void(int)> &FTell;
    int FTold = -1;
};

// Cell texts parsed from a file, row by row, before any of them reaches the
// grid: a reader fills it and checks it whole, and only then is it applied.
// Texts are kept as compact cell texts (16 bytes each, short ones inline).
class TParsedRows {
public:
    void Begin_Row() { FRowStart.push_back(FTexts.size()); }
    void Add(const QString &Text) { FTexts.emplace_back(Text); }
    void Add(TCellText &&Text) { FTexts.push_back(std::move(Text)); }
    void Reserve(size_t Cells) { FTexts.reserve(Cells); }
    int Rows() const { return static_cast<int>(FRowStart.size()); }
    int Cols(int R) const
    {
        const size_t End = R + 1 < Rows() ? FRowStart[size_t(R) + 1] : FTexts.size();
        return static_cast<int>(End - FRowStart[size_t(R)]);
    }
    QString Text(int R, int C) const { return FTexts[FRowStart[size_t(R)] + size_t(C)].To_String(); }
    // The stored form, for moving it into a model.
    TCellText &At(int R, int C) { return FTexts[FRowStart[size_t(R)] + size_t(C)]; }
    // The widest row's field count.
    int Max_Cols() const;

private:
    std::vector<TCellText> FTexts;
    std::vector<size_t> FRowStart;
};
