#pragma once
#include <QString>
#include <QUrl>

// The maker's web pages and version service. The host is a build setting
// (BC_WEB_HOST); tests point it at a local server.

QString Maker_Web_Host();                 // scheme and host, no trailing "/"
void Set_Maker_Web_Host(const QString &Host); // empty: back to the build's host
// The host as shown to the user (no scheme), e.g. "www.example.com".
QString Maker_Web_Address();

QUrl Maker_Home_Page_Url();     // /HOME/default.asp?frompg=CFTK410
QUrl Maker_Download_Page_Url(); // /Home/download/download.asp#GWTK410
QUrl Version_Query_Url();       // /home/download/GetversionSW.asp?nomesw=CFTK410

// Time-out of the version request; 10 s unless a test shortens it.
extern int Version_Check_Timeout_Ms;

// Version text to number: the part after the first blank (all of it when
// there is none), trimmed; its characters 1, 3, 4 and 5 read as a whole
// number ("1.000" gives 1000, "VER. 2.015" gives 2015). -1 when the part is
// shorter than five characters or they form no number.
int Conv_Version(const QString &Text);

// Whether a reply of the version service offers a newer version than this
// build's: an empty reply and "VER. 0.000" (any letter case) offer none.
bool Is_Newer_Version(const QString &Reply);
