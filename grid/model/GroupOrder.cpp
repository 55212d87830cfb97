#include "grid/model/GroupOrder.h"
#include "grid/model/GridCalc.h"
#include <QHash>
#include <QString>
#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {
struct TView_Hash {
    size_t operator()(std::u16string_view V) const
    {
        return qHash(QStringView(V.data(), static_cast<qsizetype>(V.size())));
    }
};

struct TDistinct_Key {
    QString Text;
    std::optional<double> Number;
};

bool Key_Less(const TDistinct_Key &A, const TDistinct_Key &B)
{
    if (A.Number && B.Number)
        return *A.Number < *B.Number;
    return A.Text.compare(B.Text, Qt::CaseInsensitive) < 0;
}
} // namespace

std::vector<int> Group_Order(int Count, const std::function<QStringView(int Index, char16_t *Room)> &Key)
{
    std::vector<int> Order;
    if (Count <= 0)
        return Order;
    // Each row names its distinct key; the distinct keys are kept in the
    // order they first appear (their texts own the memory the map's views
    // point into, which stays put when the list grows).
    std::vector<TDistinct_Key> Distinct;
    std::unordered_map<std::u16string_view, int, TView_Hash> Index;
    std::vector<int> Row_Key(static_cast<size_t>(Count));
    char16_t Room[16];
    int Numbers = 0;
    for (int I = 0; I < Count; ++I) {
        const QStringView V = Key(I, Room);
        const std::u16string_view U(V.utf16(), static_cast<size_t>(V.size()));
        auto It = Index.find(U);
        if (It == Index.end()) {
            TDistinct_Key K{V.toString(), std::nullopt};
            K.Number = Cell_Number(K.Text);
            Numbers += K.Number ? 1 : 0;
            Distinct.push_back(std::move(K));
            const QString &T = Distinct.back().Text;
            It = Index.emplace(std::u16string_view(QStringView(T).utf16(), static_cast<size_t>(T.size())),
                               static_cast<int>(Distinct.size()) - 1)
                     .first;
        }
        Row_Key[static_cast<size_t>(I)] = It->second;
    }
    const int Keys = static_cast<int>(Distinct.size());
    auto Less = [&](int A, int B) { return Key_Less(Distinct[static_cast<size_t>(A)], Distinct[static_cast<size_t>(B)]); };
    Order.resize(static_cast<size_t>(Count));
    if (Numbers != 0 && Numbers != Keys) {
        for (int I = 0; I < Count; ++I)
            Order[static_cast<size_t>(I)] = I;
        std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
            return Less(Row_Key[static_cast<size_t>(A)], Row_Key[static_cast<size_t>(B)]);
        });
        return Order;
    }
    // One kind of key: the comparison is a true order, so the sorted
    // distinct keys give each row its rank (keys comparing equal, such as
    // "abc" and "ABC" or "1" and "1.0", share one), and counting places the
    // rows rank by rank in their first order.
    std::vector<int> Sorted(static_cast<size_t>(Keys));
    for (int K = 0; K < Keys; ++K)
        Sorted[static_cast<size_t>(K)] = K;
    std::stable_sort(Sorted.begin(), Sorted.end(), Less);
    std::vector<int> Rank(static_cast<size_t>(Keys));
    int Ranks = 0;
    for (int S = 0; S < Keys; ++S) {
        if (S > 0 && Less(Sorted[static_cast<size_t>(S) - 1], Sorted[static_cast<size_t>(S)]))
            ++Ranks;
        Rank[static_cast<size_t>(Sorted[static_cast<size_t>(S)])] = Ranks;
    }
    std::vector<int> Start(static_cast<size_t>(Ranks) + 2, 0);
    for (int I = 0; I < Count; ++I)
        ++Start[static_cast<size_t>(Rank[static_cast<size_t>(Row_Key[static_cast<size_t>(I)])]) + 1];
    for (size_t R = 1; R < Start.size(); ++R)
        Start[R] += Start[R - 1];
    for (int I = 0; I < Count; ++I)
        Order[static_cast<size_t>(Start[static_cast<size_t>(Rank[static_cast<size_t>(Row_Key[static_cast<size_t>(I)])])]++)] = I;
    return Order;
}
