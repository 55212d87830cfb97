#pragma once
// The grid both whole-table operation suites work on: one fixed row and one
// fixed column holding the row numbers, data from column 1; after every test
// the model must be consistent.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QStringList>
#include "TestText.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class GridOpsFixture : public ::testing::Test {
protected:
    // Data[r] fills columns 1.. of row r + 1; column 0 holds r + 1.
    void Fill(const std::vector<QStringList> &Data, int Cols = 3)
    {
        G = std::make_unique<RIraRevadiVizo>();
        G->Set_ColCount(Cols);
        G->Set_RowCount(static_cast<int>(Data.size()) + 1);
        for (int R = 0; R < static_cast<int>(Data.size()); ++R) {
            G->Set_Cells(0, R + 1, QString::number(R + 1));
            for (int C = 0; C < Data[static_cast<size_t>(R)].size(); ++C)
                G->Set_Cells(C + 1, R + 1, Data[static_cast<size_t>(R)][C]);
        }
    }
    // The texts of column C below the fixed rows.
    QStringList Column(int C) const
    {
        QStringList Out;
        for (int R = G->FixedRows(); R < G->RowCount(); ++R)
            Out << G->Cells(C, R);
        return Out;
    }
    void Consistent() const { EXPECT_EQ(G->Model().Check_Consistency(G->RowCount()), QString()); }
    void TearDown() override
    {
        if (G)
            Consistent();
    }
    std::unique_ptr<RIraRevadiVizo> G;
};

// Two-column rows from pairs of UTF-8 texts.
inline std::vector<QStringList> Pair_Rows(std::initializer_list<std::pair<const char *, const char *>> Items)
{
    std::vector<QStringList> V;
    for (const auto &[A, B] : Items)
        V.push_back({QString::fromUtf8(A), QString::fromUtf8(B)});
    return V;
}

