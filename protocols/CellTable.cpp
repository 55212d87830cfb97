#include "protocols/CellTable.h"
#include "platform/TrimEnds.h"
#include <stdexcept>

TCellTable::TCellTable(int Row_Count, int Col_Count)
    : FRow_Count(Row_Count < 1 ? 1 : Row_Count), FCol_Count(Col_Count < 1 ? 1 : Col_Count),
      FModel(std::make_unique<TGridModel>())
{
    FModel->Set_Row_Width_Hint(FCol_Count);
    Clear();
}

TCellTable::TCellTable(const TCellTable &Other) : TCellTable(Other.FRow_Count, Other.FCol_Count)
{
    *this = Other;
}

TCellTable &TCellTable::operator=(const TCellTable &Other)
{
    if (this == &Other)
        return *this;
    FRow_Count = Other.FRow_Count;
    FCol_Count = Other.FCol_Count;
    FModel = std::make_unique<TGridModel>();
    FModel->Set_Row_Width_Hint(FCol_Count);
    for (int R = 0; R < FRow_Count; ++R)
        for (int C = 0; C < FCol_Count; ++C)
            FModel->Set_Cell(C, R, Other.FModel->Cell(C, R));
    return *this;
}

TCellTable::~TCellTable() = default;

QString TCellTable::Cell(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= FCol_Count || ARow < 0 || ARow >= FRow_Count)
        throw std::out_of_range("cell outside the table");
    return FModel->Cell(ACol, ARow);
}

void TCellTable::Set_Cell(int ACol, int ARow, const QString &Text)
{
    if (ACol < 0 || ACol >= FCol_Count || ARow < 0 || ARow >= FRow_Count)
        throw std::out_of_range("cell outside the table");
    FModel->Set_Cell(ACol, ARow, Text);
}

void TCellTable::Clear()
{
    for (int R = 1; R < FRow_Count; ++R)
        for (int C = 0; C < FCol_Count; ++C)
            FModel->Set_Cell(C, R, C == 0 ? QString::number(R) : QString());
}

int TCellTable::Used_Rows(int Key_Col) const
{
    int N = 0;
    while (N + 1 < FRow_Count && !Trim_Ends(Cell(Key_Col, N + 1)).isEmpty())
        ++N;
    return N;
}

QStringList TTableLoadResult::Describe() const
{
    QStringList Out;
    if (Status == TTableLoadStatus::lsNotReadable)
        Out << QStringLiteral("not readable: %1 (line %2, column %3)").arg(Message).arg(Line).arg(Column);
    for (const TTableLoadIssue &I : Issues) {
        switch (I.Kind) {
        case TTableLoadIssue::ikNoList:
            Out << QStringLiteral("%1: missing, table left empty").arg(I.List);
            break;
        case TTableLoadIssue::ikMissingAttribute:
            Out << QStringLiteral("%1 row %2: attribute %3 missing, cell left empty").arg(I.List).arg(I.Row).arg(I.Attribute);
            break;
        case TTableLoadIssue::ikRowsIgnored:
            Out << QStringLiteral("%1: %2 rows beyond the table's size ignored").arg(I.List).arg(I.Count);
            break;
        case TTableLoadIssue::ikRowsAfterEmptyKey:
            Out << QStringLiteral("%1 row %2: empty key cell, the %3 rows after it are not saved")
                       .arg(I.List).arg(I.Row).arg(I.Count);
            break;
        }
    }
    return Out;
}
