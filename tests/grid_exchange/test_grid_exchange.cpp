// The result every format hands back: a success by default, a failure with
// the cell where it stopped and its message, and a name per status.
#include "grid/exchange/GridExchange.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(GridExchangeResult, DefaultIsSuccessWithoutAPlace)
{
    const TExchangeResult R;
    EXPECT_TRUE(R.Ok());
    EXPECT_EQ(R.Status, esOk);
    EXPECT_EQ(R.Col, -1);
    EXPECT_EQ(R.Row, -1);
    EXPECT_EQ(R.TextId, 0);
    EXPECT_TRUE(R.Message.isEmpty());
}

TEST(GridExchangeResult, FailureKeepsItsCellAndMessage)
{
    struct TCase {
        const char *Name;
        TExchangeStatus Status;
        int Col, Row, TextId;
        const char *Message;
    };
    const TCase Cases[] = {
        {"FileNotOpened", esCannotOpen, -1, -1, 0, "/tmp/a.csv"},
        {"BadCellValue", esBadValue, 3, 17, 412, ""},
        {"OutOfRange", esOutOfRange, 0, 1000000, 0, "too many rows"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TExchangeResult R = TExchangeResult::Failed(C.Status, C.Col, C.Row, C.TextId, QString::fromUtf8(C.Message));
        EXPECT_FALSE(R.Ok());
        EXPECT_EQ(R.Status, C.Status);
        EXPECT_EQ(R.Col, C.Col);
        EXPECT_EQ(R.Row, C.Row);
        EXPECT_EQ(R.TextId, C.TextId);
        EXPECT_EQ(R.Message, QString::fromUtf8(C.Message));
    }
}

// Every status has its own name, so logs and test output tell them apart.
TEST(GridExchangeResult, EveryStatusHasItsOwnName)
{
    std::set<std::string> Names;
    for (int S = esOk; S <= esCancelled; ++S) {
        const std::string N = Exchange_Status_Name(static_cast<TExchangeStatus>(S));
        EXPECT_NE(N, "Unknown") << S;
        Names.insert(N);
    }
    EXPECT_EQ(Names.size(), static_cast<size_t>(esCancelled + 1));
}
