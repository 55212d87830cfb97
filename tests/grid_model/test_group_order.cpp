// The order grouping puts rows in: every answer equals a stable sort of the
// rows under the grouping comparison (numbers as numbers when both keys are
// numbers, other texts without letter case), whichever way it is reached.
#include "grid/model/GridCalc.h"
#include "grid/model/GroupOrder.h"
#include <QStringList>
#include <algorithm>
#include "TestText.h"
#include <gtest/gtest.h>
#include <numeric>

namespace {
std::vector<int> Reference_Order(const QStringList &Keys)
{
    std::vector<int> Order(static_cast<size_t>(Keys.size()));
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
        const auto NA = Cell_Number(Keys[A]), NB = Cell_Number(Keys[B]);
        if (NA && NB)
            return *NA < *NB;
        return Keys[A].compare(Keys[B], Qt::CaseInsensitive) < 0;
    });
    return Order;
}

} // namespace

TEST(GroupOrder, EqualsAStableSortOfTheRows)
{
    struct TCase {
        const char *Name;
        QStringList Keys;
    };
    QStringList Many;
    for (int I = 0; I < 500; ++I)
        Many << QStringLiteral("g%1").arg((I * 7919) % 37, 3, 10, QLatin1Char('0'));
    const TCase Cases[] = {
        {"empty", {}},
        {"one row", L({"x"})},
        {"texts, letter case ignored, first order kept", L({"b", "ABC", "a", "abc", "B", "Abc", "a"})},
        {"numbers as numbers, equal values in first order", L({"10", "9", "1.0", "1", " 2", "-3", "1e1", "2"})},
        {"empty keys among texts", L({"b", "", "a", "", "B"})},
        {"texts longer than sixteen units and non-Latin", L({"zeta zeta zeta zeta zz", "Äpfel", "äpfel", "ωμέγα", "ΩΜΈΓΑ", "alpha"})},
        {"numbers and texts mixed", L({"10", "b", "9", "a", "1", "B", "x2", "2"})},
        {"numbers and empty keys mixed", L({"3", "", "1", "", "2"})},
        {"many rows of few keys", Many},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const std::vector<int> Got = Group_Order(static_cast<int>(C.Keys.size()), [&](int I, char16_t *Room) {
            // Short keys come back in the caller's room, as the cell store hands them.
            const QString &K = C.Keys[I];
            if (K.size() > 16)
                return QStringView(K);
            std::copy(QStringView(K).utf16(), QStringView(K).utf16() + K.size(), Room);
            return QStringView(Room, K.size());
        });
        EXPECT_EQ(Got, Reference_Order(C.Keys));
    }
}
