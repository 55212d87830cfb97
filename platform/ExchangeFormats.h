#pragma once
#include <QString>

// The data formats the clipboard and drag and drop carry, as MIME types.
// Windows names its formats ("Rich Text Format", a registered name for the
// grid's own cell block); Linux peers know MIME types, so every format has
// one here and the seams speak only these.

// Plain text; the platform offers it to other programs in its usual forms.
inline QString Mime_Text() { return QStringLiteral("text/plain"); }
// An HTML document or fragment, UTF-8, without the Windows "HTML Format"
// header (HtmlEnvelope.h unwraps one that has it).
inline QString Mime_Html() { return QStringLiteral("text/html"); }
// RTF text ("Rich Text Format"), as bytes: RTF writes its own escapes.
inline QString Mime_Rtf() { return QStringLiteral("text/rtf"); }
// The grid's private cell block ("ZEraDovavuZozi Rovid"): the bytes of one
// binary grid stream. Private, so an x- type; its name lower-cased, the
// blank a hyphen.
inline QString Mime_Grid_Cells() { return QStringLiteral("application/x-zeradovavuzozi-rovid"); }
// The index of a grid column being dragged ("Grid Column"): 4 bytes,
// little-endian.
inline QString Mime_Grid_Column() { return QStringLiteral("application/x-grid-column"); }
// Files and web addresses: a URI list (one per line, CR LF), as file
// managers and browsers give them.
inline QString Mime_Uri_List() { return QStringLiteral("text/uri-list"); }
