// The network module's entry: the client of HttpQt.cpp for the program's
// late-loading HTTP client (HttpLate.cpp).
#include "platform/HttpDefault.h"
#include <QtGlobal>

extern "C" Q_DECL_EXPORT IHttpClient *Bc_Network_Http_Client()
{
    return &Default_Http_Client();
}
