#pragma once
#include "protocols/CellTable.h"
#include <QString>
#include <functional>
#include <span>

class TXmlDocument;
class TXmlNode;

// The shared shape of the table files: a root holding list elements, each
// list holding one element per table row whose attributes are the row's
// cells. Used by the MQTT and BACnet table files only.

// What a missing attribute costs when a row is loaded.
enum class TMissingAttr {
    maReport, // cell left empty, reported as an issue (the editor always writes it)
    maEmpty,  // cell left empty without a word (older files may lack it)
    maNo,     // cell gets "N" (a check box)
};

struct TAttrColumn
{
    const char *Attribute;
    int Col;
    TMissingAttr Missing;
};

// A grid column that the file does not store and that a loaded row starts with.
struct TPresetColumn
{
    int Col;
    const char *Text;
};

struct TTableList
{
    const char *List; // list element name
    TCellTable *Table;
    std::span<const TAttrColumn> Columns;
    std::span<const TPresetColumn> Presets;
    int Key_Col; // a row whose key cell is empty ends the table
};

// Clears the tables, then reads Path into them. The root is the document's
// first element (a leading comment is skipped); each list is found by name
// among the root's children, and its child elements fill rows 1, 2, ...
TTableLoadResult Load_Table_File(const QString &Path, std::span<const TTableList> Lists);
void Load_Table_Document(const TXmlDocument &Doc, std::span<const TTableList> Lists, TTableLoadResult &Result);

// Builds the file: root, the comment after it, one list element per table
// (always present) with one row element per used row, attributes in column order.
void Build_Table_Document(TXmlDocument &Doc, const QString &Root, const QString &Comment,
                          std::span<const TTableList> Lists);

// The document's first element, or nullptr.
TXmlNode *First_Element(const TXmlDocument &Doc);
