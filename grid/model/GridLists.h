#pragma once
#include "platform/DateTime.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <vector>

// Small bookkeeping lists of the grid (Core only).

// A bad list index ("List index out of bounds (n)").
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Integers bound to a cell; reports changes as OnChange(list, Col, Row).
class TIntList {
public:
    using TChangeEvent = std::function<void(TIntList *, int ACol, int ARow)>;

    TIntList(int Col = 0, int Row = 0) : FCol(Col), FRow(Row) {}
    virtual ~TIntList() = default;

    int Col() const { return FCol; }
    int Row() const { return FRow; }
    int Count() const { return static_cast<int>(FItems.size()); }
    int GetInteger(int Index) const;           // EListError for a bad index
    void SetInteger(int Index, int Value);     // fires
    int operator[](int Index) const { return GetInteger(Index); }
    int Add(int Value);                        // fires; returns the index
    void Insert(int Index, int Value);         // does not fire
    void Delete(int Index);                    // fires
    void DeleteValue(int Value);               // fires when one was removed
    bool HasValue(int Value) const;
    int IndexOf(int Value) const;
    void Clear() { FItems.clear(); }           // does not fire
    // "3,-1,20"; empty for an empty list.
    QString StrValue() const;
    // Comma text (commas or blanks separate; double quotes group): clears, then
    // adds each item (fires per item). A non-integer item raises EConvertError,
    // leaving the items before it.
    void Set_StrValue(const QString &Value);

    TChangeEvent OnChange;

protected:
    void Changed();
    std::vector<int> FItems;

private:
    int FCol;
    int FRow;
};

// Sort keys: the column in bits 0..30, bit 31 set for descending.
class TSortIndexList : public TIntList {
public:
    using TIntList::TIntList;
    void AddIndex(int ColumnIndex, bool Ascending);
    int FindIndex(int ColumnIndex) const;      // -1 when none
    int SortColumns(int I) const;
    void Set_SortColumns(int I, int Column);   // keeps the direction
    bool SortDirections(int I) const;          // true = ascending
    void Set_SortDirections(int I, bool Ascending);
    void ToggleIndex(int ColumnIndex);
    // "u2;d5": direction letter and the low 16 bits of the column per key.
    QString SaveToString() const;
    void LoadFromString(const QString &S);
};

// Lines read one by one and written with a pending part.
class TFileStringList {
public:
    QStringList Lines;

    void Reset();
    bool Eof() const { return FPos >= Lines.size(); }
    // The line at the read position; EListError at the end (test Eof first).
    void ReadLn(QString &S);
    void Write(const QString &S) { FCache += S; }
    void WriteLn(const QString &S);
    int Position() const { return FPos; }
    // Reads a whole text file: UTF-8 (with or without byte-order mark) when the
    // bytes are valid UTF-8, else Windows-1252; CR LF, CR or LF end lines.
    // False when it cannot be read.
    bool Load_From_File(const QString &Path);
    // Writes the lines as UTF-8, each ended by CR LF, atomically.
    bool Save_To_File(const QString &Path, QString *Error = nullptr) const;

private:
    int FPos = 0;
    QString FCache;
};
