#pragma once
#include <QString>
#include <QStringList>
#include <initializer_list>

// A list of texts written as UTF-8 literals, for the tables of cases.
inline QStringList L(std::initializer_list<const char *> Items)
{
    QStringList S;
    for (const char *I : Items)
        S << QString::fromUtf8(I);
    return S;
}
