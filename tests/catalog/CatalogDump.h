#pragma once
// The whole of a catalogue load as text, one line per entry, so that two loads
// compare as strings and a difference shows where it is: the result, the
// status, then every entry with its numbers, texts and display lists.
#include "catalog/CatalogEnOcean.h"

inline QString Dump_Catalog_Load(const TCatalog_EnOcean &Cat, bool Result, const TCatalog_Load_Status &Status)
{
    QString S;
    // Texts are quoted so that an empty one shows; no text is read as a format.
    const auto Line = [&S](int Indent, std::initializer_list<QString> Parts) {
        S += QString(Indent, QLatin1Char(' '));
        for (const QString &P : Parts)
            S += P + QLatin1Char(' ');
        S += QLatin1Char('\n');
    };
    const auto Q = [](const QString &T) { return QLatin1Char('\'') + T + QLatin1Char('\''); };
    const auto N = [](int V) { return QString::number(V); };
    const auto L = [](const QStringList &List) { return QLatin1Char('[') + List.join(QLatin1Char('|')) + QLatin1Char(']'); };
    Line(0, {QStringLiteral("result"), N(Result), QStringLiteral("status"), N(Status.Kind), N(Status.Line),
             N(Status.Column), Q(Status.Reason)});
    Line(0, {QStringLiteral("rorgs"), L(Cat.Rorg_SL)});
    for (const auto &R : Cat.List_Rorg) {
        Line(1, {QStringLiteral("rorg"), N(R->FNumber), Q(R->FTitle), L(R->Func_SL)});
        for (const auto &F : R->List_Func) {
            Line(2, {QStringLiteral("func"), N(F->FNumber), Q(F->FTitle), L(F->Type_SL)});
            for (const auto &T : F->List_Type) {
                Line(3, {QStringLiteral("type"), N(T->FNumber), Q(T->FTitle), L(T->Case_SL)});
                for (const auto &C : T->List_Case) {
                    Line(4, {QStringLiteral("case"), Q(C->FTitle), N(C->FCaseId), N(C->FCaseIdOffset),
                             N(C->FCaseIdSize), L(C->DataField_SL)});
                    for (const auto &D : C->List_DataField)
                        Line(5, {QStringLiteral("field"), Q(D->FData), Q(D->FShortcut), Q(D->FDescription),
                                 Q(D->FInfo), N(D->FBitOffs), N(D->FBitSize)});
                }
            }
        }
    }
    return S;
}

// Loads Path with the streamed reader (Tree false) or through the document tree.
inline QString Dump_Catalog_File(const QString &Path, bool Tree)
{
    TCatalog_EnOcean Cat;
    TCatalog_Load_Status Status;
    const bool Result = Tree ? Cat.Read_Cat_EnOcean_XML_Tree(Path, &Status) : Cat.Read_Cat_EnOcean_XML(Path, &Status);
    return Dump_Catalog_Load(Cat, Result, Status);
}
