#pragma once

class IHttpClient;

// The real client, used while no other is installed: Qt's network access
// linked in (HttpQt.cpp), or the same loaded with the network module on the
// first request (HttpLate.cpp), as the executable chooses (platform/http.cmake).
IHttpClient &Default_Http_Client();
