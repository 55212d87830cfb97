#pragma once
#include <QString>

// The text without blanks and control characters (code units up to U+0020)
// at both ends. Unlike QString::trimmed(), other white space such as the
// no-break space U+00A0 is kept: it is part of names and types users type.
inline QString Trim_Ends(const QString &Text)
{
    qsizetype B = 0, E = Text.size();
    while (B < E && Text.at(B).unicode() <= 0x20)
        ++B;
    while (E > B && Text.at(E - 1).unicode() <= 0x20)
        --E;
    return Text.mid(B, E - B);
}
