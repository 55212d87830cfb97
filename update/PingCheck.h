#pragma once
#include <QString>
#include <functional>

class IEcho_Client;

// The update dialog's reachability check. Echo requests (400 ms each) carry
// the target text as their data and are repeated until two have been
// answered with data or more than 5000 ms have passed since the first; the
// check succeeds when the last one was answered with data.
//
// Ping_Res keeps the outcome of the last reply: 0 none yet, 1 a reply with
// data, 2 a reply without data (a time-out counts as one). It is reset only
// once, before the first request.

constexpr unsigned Ping_Timeout_Ms = 400;
constexpr unsigned Ping_Total_Ms = 5000;

struct TPing_Check
{
    bool Found = false;       // the last reply carried data
    int Ping_Res = 0;
    bool Send_Failed = false; // a request could not be sent (Error says why)
    bool Cancelled = false;   // the user ended the check
    QString Error;
    int Requests = 0;
};

// Process_Messages runs between polls (every 10 ms) so the windows stay
// alive; it returns false when the user asked to stop. Time comes from the
// current clock (platform/Clock.h).
TPing_Check Run_Ping_Check(IEcho_Client &Client, const QString &Target, const std::function<bool()> &Process_Messages);
