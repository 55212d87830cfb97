#include "update/PingCheck.h"
#include "platform/Clock.h"
#include "platform/IcmpEcho.h"

TPing_Check Run_Ping_Check(IEcho_Client &Client, const QString &Target, const std::function<bool()> &Process_Messages)
{
    TPing_Check R;
    auto Keep_Going = [&Process_Messages] { return !Process_Messages || Process_Messages(); };
    const std::uint32_t Start = Tick_Count();
    int Count = 0;
    for (;;) {
        const std::uint32_t T = Tick_Count();
        ++R.Requests;
        const TEcho_Reply Reply = Client.Echo(Target, Target.toLatin1(), Ping_Timeout_Ms, Keep_Going);
        if (Reply.Status == TEcho_Reply::esCancelled) {
            R.Cancelled = true;
            return R;
        }
        if (Reply.Status == TEcho_Reply::esError) {
            R.Send_Failed = true;
            R.Error = Reply.Error;
            return R;   // Found stays false; Ping_Res keeps the last reply's outcome
        }
        // The reply event: data or none (a time-out is reported as a reply without data).
        R.Ping_Res = Reply.Bytes_Received > 0 ? 1 : 2;
        do {
            Clock().Sleep(10);
            if (!Keep_Going()) {
                R.Cancelled = true;
                return R;
            }
        } while (R.Ping_Res == 0 && Tick_Count() - T <= Ping_Timeout_Ms);
        if (R.Ping_Res == 1)
            ++Count;
        if (Count >= 2 || Tick_Count() - Start > Ping_Total_Ms)
            break;
    }
    R.Found = R.Ping_Res == 1;
    return R;
}
