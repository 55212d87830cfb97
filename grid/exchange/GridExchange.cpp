#include "grid/exchange/GridExchange.h"

TExchangeResult TExchangeResult::Failed(TExchangeStatus Status, int Col, int Row, int TextId, const QString &Message)
{
    TExchangeResult R;
    R.Status = Status;
    R.Col = Col;
    R.Row = Row;
    R.TextId = TextId;
    R.Message = Message;
    return R;
}

const char *Exchange_Status_Name(TExchangeStatus Status)
{
    switch (Status) {
    case esOk: return "Ok";
    case esCannotOpen: return "CannotOpen";
    case esCannotWrite: return "CannotWrite";
    case esBadFormat: return "BadFormat";
    case esBadValue: return "BadValue";
    case esOutOfRange: return "OutOfRange";
    case esCancelled: return "Cancelled";
    }
    return "Unknown";
}
