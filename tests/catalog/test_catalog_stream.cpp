// The streamed catalogue load gives exactly what the load through the document
// tree gives: the same result, status (reason and position) and entries.
#include "CatalogDump.h"
#include "TestSupport.h"
#include "platform/XmlDoc.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every level with its edge rules: leaves in odd order and repeated, texts
// in pieces, conditions of both kinds, entries that fail at each level.
const QByteArray Rich_Catalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- top comment -->
<profile version="2">
 <rorg a="1"><title>Rocker <!-- c -->Switch</title><number>0xF6</number><number>0xA5</number>
  <func><number>3</number><title>Its last case fails</title>
   <type><number>1</number><title>T</title><case><title><x/></title></case></type>
  </func>
  <func><number>$02</number><title>Rocker &amp; <![CDATA[2 <Rocker>]]></title>
   <type><number>2</number><title>T<b/></title><case><title>lost</title></case></type>
   <type><number><b/></number><title>lost too</title></type>
   <type><title>Light</title><number> 1</number>
    <case><title>Heating</title>
     <datafield><data>R1</data><shortcut>R1</shortcut><description>first</description><info>i</info><bitoffs>0</bitoffs><bitsize>3</bitsize></datafield>
     <datafield><bitsize>2</bitsize><data>R2</data><data>ignored</data><bitoffs>3</bitoffs></datafield>
     <condition>
      <statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield>
      <statusfield><value>1</value><bitoffs>3</bitoffs><bitsize>1</bitsize><value><x/></value></statusfield>
      <datafield><value>9</value></datafield>
     </condition>
     <condition><statusfield><value>2</value><bitoffs>0</bitoffs><bitsize>2</bitsize></statusfield></condition>
    </case>
    <case><title>Open</title><condition><statusfield><bitoffs>5</bitoffs></statusfield></condition></case>
    <case><title>Bad status</title><condition><statusfield><bitoffs><y/></bitoffs></statusfield></condition></case>
    <case><condition/><title>   </title></case>
   </type>
  </func>
 </rorg>
 <rorg><number>165</number><title>4BS</title>
  <func><number>0x02</number><title>Temperature</title>
   <type><number>0x05</number><title>Range</title>
    <case><title>Only</title>
     <datafield><reserved/><bitoffs>0</bitoffs><bitsize>16</bitsize></datafield>
     <datafield><data>TMP</data><shortcut>TMP</shortcut><description>a<b/>b</description><info><x/></info><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield>
     <datafield><data>BAD</data><bitoffs><x/></bitoffs></datafield>
     <datafield><data>LATE</data><bitoffs>1</bitoffs><bitsize>1</bitsize><reserved>x</reserved></datafield>
     <datafield><data>&#x54;&#77;P2</data><bitoffs>-3</bitoffs><bitsize>99999999999</bitsize></datafield>
     <condition><datafield><value><x/></value></datafield></condition>
    </case>
   </type>
  </func>
 </rorg>
 <rorg><number>0xD2</number><title>VLD</title>
  <func><number>0x01</number><title>Actuators</title>
   <type><number>0x00</number><title>Type 0</title>
    <case><title>CMD 3</title><condition><datafield><bitsize><z/></bitsize></datafield></condition></case>
    <case><title>CMD 1</title>
     <condition><datafield><value>3</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition>
    </case>
    <case><title>CMD 2</title>
     <condition><datafield><value>1</value><bitoffs>2</bitoffs><bitsize>4</bitsize></datafield>
                <statusfield><value>7</value></statusfield>
                <datafield><value>2</value></datafield></condition>
    </case>
   </type>
  </func>
 </rorg>
 <rorg><number><n/></number><title>Dropped</title><func><number>1</number><title>F</title></func></rorg>
 <rorg><number>F6</number><title>No prefix</title></rorg>
 <other><rorg><number>7</number><title>Not a child of profile</title></rorg></other>
 <rorg><number>256</number><title>Wide</title></rorg>
</profile>
<!-- trailing comment -->
)";

class CatalogStreamTest : public ::testing::Test
{
protected:
    // Both loads of Xml, as text; a failure names the case.
    void Expect_Same(const QByteArray &Xml)
    {
        // A new file each time: rewriting one file makes the file system flush it.
        const QString Path = Dir.filePath(QStringLiteral("eep%1.xml").arg(++Files));
        Write_File(Path, Xml);
        const QString Tree = Dump_Catalog_File(Path, true);
        EXPECT_EQ(Dump_Catalog_File(Path, false).toStdString(), Tree.toStdString());
    }
    QTemporaryDir Dir;
    int Files = 0;
};

QByteArray Nested(int Depth)
{
    return QByteArray("<profile><rorg><title>") + QByteArray("<x>").repeated(Depth - 3)
           + QByteArray("</x>").repeated(Depth - 3) + "</title></rorg></profile>";
}

} // namespace

TEST_F(CatalogStreamTest, SameAsTreeOnFixtures)
{
    struct TStream_Case { const char *Name; QByteArray Xml; };
    const TStream_Case Cases[] = {
        {"Rich", Rich_Catalogue},
        // a FUNC before its RORG's number: read through the tree
        {"FuncBeforeNumber", "<profile><rorg><func><number>2</number><title>F</title><type><number>1</number>"
                             "<title>T</title><case><title>C</title><condition><statusfield><value>1</value>"
                             "<bitoffs>1</bitoffs><bitsize>1</bitsize></statusfield></condition></case></type>"
                             "</func><number>0xF6</number><title>R</title></rorg></profile>"},
        {"FuncWithoutNumber", "<profile><rorg><title>R</title><func><number>1</number><title>F</title></func></rorg></profile>"},
        {"Namespaced", "<p:profile xmlns:p=\"urn:x\"><p:rorg><p:number>1</p:number><p:title>A</p:title></p:rorg></p:profile>"},
        {"NotProfileRoot", "<catalogue><rorg><number>1</number><title>A</title></rorg></catalogue>"},
        {"EmptyProfile", "<profile/>"},
        {"ByteOrderMark", "\xEF\xBB\xBF<profile><rorg><number>1</number><title>\xC3\xA4</title></rorg></profile>"},
        {"Latin1Declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><profile><rorg><number>1</number>"
                           "<title>\xE4</title></rorg></profile>"},
        {"ProcessingInstructions", "<?pi x?><profile><?pi y?><rorg><number>1<?pi?>2</number><title>A</title></rorg></profile>"},
        {"WhitespaceText", "<profile><rorg><number> </number><title> A </title></rorg></profile>"},
        {"DepthAtBound", Nested(Xml_Max_Depth)},
        // malformed files: nothing is read, the reason and position are the reader's
        {"TooDeep", Nested(Xml_Max_Depth + 1)},
        {"Empty", ""},
        {"OnlyComment", "<!-- nothing -->"},
        {"Truncated", "<profile><rorg><number>1</number>"},
        {"MismatchedEnd", "<profile><rorg><number>1</rorg></profile>"},
        {"UndefinedEntity", "<profile><rorg><number>1</number><title>&nope;</title></rorg></profile>"},
        {"TwoRoots", "<profile/><profile/>"},
        {"JunkAfterRoot", "<profile><rorg><number>1</number><title>A</title></rorg></profile>junk"},
        {"BadUtf8", "<profile><rorg><number>1</number><title>\xFF\xFE</title></rorg></profile>"},
        {"DuplicateAttribute", "<profile><rorg a=\"1\" a=\"2\"><number>1</number></rorg></profile>"},
    };
    for (const TStream_Case &C : Cases) {
        SCOPED_TRACE(C.Name);
        Expect_Same(C.Xml);
    }
}

// The shipped catalogue, entry for entry.
TEST_F(CatalogStreamTest, SameAsTreeOnShippedFile)
{
    const QString Path = QStringLiteral(BC_SHIPPED_EEP_XML);
    const QString Stream = Dump_Catalog_File(Path, false);
    EXPECT_EQ(Stream.toStdString(), Dump_Catalog_File(Path, true).toStdString());
    EXPECT_GT(Stream.count(QLatin1Char('\n')), 4000);
}

// An element where text belongs, and a cut, at every place of the rich file.
TEST_F(CatalogStreamTest, SameAsTreeWithDamageAnywhere)
{
    int Places = 0;
    for (qsizetype At = Rich_Catalogue.indexOf('>'); At >= 0; At = Rich_Catalogue.indexOf('>', At + 1)) {
        SCOPED_TRACE(("element after byte " + QByteArray::number(At)).toStdString());
        Expect_Same(QByteArray(Rich_Catalogue).insert(At + 1, "<x/>"));
        ++Places;
    }
    EXPECT_GT(Places, 200);
    for (qsizetype Size = 0; Size < Rich_Catalogue.size(); Size += 5) {
        SCOPED_TRACE(("cut at byte " + QByteArray::number(Size)).toStdString());
        Expect_Same(Rich_Catalogue.left(Size));
    }
}

// Loads add to what the catalogue holds; a failed load adds nothing.
TEST_F(CatalogStreamTest, LoadsAppendLikeTree)
{
    const QString Good = Dir.filePath(QStringLiteral("good.xml"));
    const QString Bad = Dir.filePath(QStringLiteral("bad.xml"));
    Write_File(Good, Rich_Catalogue);
    Write_File(Bad, Rich_Catalogue.left(Rich_Catalogue.size() / 2));
    QString Dumps[2];
    for (int Tree = 0; Tree < 2; ++Tree) {
        TCatalog_EnOcean Cat;
        TCatalog_Load_Status Status;
        const auto Load = [&](const QString &Path) {
            return Tree ? Cat.Read_Cat_EnOcean_XML_Tree(Path, &Status) : Cat.Read_Cat_EnOcean_XML(Path, &Status);
        };
        Load(Good);
        Load(Good);
        const bool Result = Load(Bad);
        EXPECT_FALSE(Result);
        Dumps[Tree] = Dump_Catalog_Load(Cat, Result, Status);
    }
    EXPECT_EQ(Dumps[0].toStdString(), Dumps[1].toStdString());
    EXPECT_EQ(Dumps[0].count(QStringLiteral("rorg 165")), 2);
}
