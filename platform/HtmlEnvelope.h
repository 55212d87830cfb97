#pragma once
#include <QByteArray>

// The Windows clipboard's "HTML Format" envelope: a header of byte offsets
// ("Version:", "StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:",
// each followed by a decimal number and a line end) in front of the HTML
// document, whose fragment sits between the offsets. Linux programs put the
// plain document on the clipboard (text/html); a text that comes with the
// header (from a Windows program, or written by the grid's own envelope
// builder) is unwrapped here. The offsets count bytes of the UTF-8 text.

struct THtmlEnvelope
{
    bool Valid = false;      // a header with all four offsets, within the text and in order
    QByteArray Document;     // StartHTML .. EndHTML
    QByteArray Fragment;     // StartFragment .. EndFragment
};

// Reads the header and cuts out the document and the fragment. A text
// without a complete, consistent header gives Valid false and nothing else
// (StartHTML and EndHTML of -1 say "no document" and give the fragment alone).
THtmlEnvelope Parse_Html_Envelope(const QByteArray &Text);

// The HTML a reader wants from clipboard bytes: the envelope's document when
// the bytes carry a valid header, else the bytes as they are.
QByteArray Html_Without_Envelope(const QByteArray &Text);
