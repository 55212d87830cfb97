#pragma once
#include "platform/Clipboard.h"
class QMimeData;

// Between the seams' formats and Qt's carrier (clipboard and drag and drop).
// A new QMimeData holding Data's formats; text and HTML go in as strings so
// that Qt offers them under every name the window system knows.
QMimeData *To_Mime_Data(const TClipData &Data);
