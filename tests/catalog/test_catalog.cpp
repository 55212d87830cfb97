#include "catalog/CatalogEnOcean.h"
#include "TestSupport.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Loads an inline catalogue; Result receives the load's result.
class CatalogTest : public ::testing::Test
{
protected:
    bool Load(const QByteArray &Xml, TCatalog_Load_Status *Status = nullptr)
    {
        const QString Path = Dir.filePath("eep.xml");
        Write_File(Path, Xml);
        return Cat.Read_Cat_EnOcean_XML(Path, Status);
    }
    QTemporaryDir Dir;
    TCatalog_EnOcean Cat;
};

// One catalogue that carries every edge rule the reader has.
const QByteArray Edge_Catalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<profile>
 <rorg><number>0xF6</number><title>Rocker Switch</title>
  <func><number>$02</number><title>Rocker, 2 Rocker</title>
   <type><number> 1</number><title>Light</title>
    <case><title>Heating</title>
     <datafield><data>R1</data><shortcut>R1</shortcut><description>first</description><info>i</info><bitoffs>0</bitoffs><bitsize>3</bitsize></datafield>
     <condition>
      <statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield>
      <statusfield><value>1</value><bitoffs>3</bitoffs><bitsize>1</bitsize></statusfield>
      <statusfield><value>0</value><bitoffs>4</bitoffs><bitsize>1</bitsize></statusfield>
     </condition>
    </case>
    <case><title>Open</title>
     <condition>
      <statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield>
      <statusfield><bitoffs>5</bitoffs></statusfield>
     </condition>
    </case>
   </type>
  </func>
 </rorg>
 <rorg><number>165</number><title>4BS Telegram</title>
  <func><number>0x02</number><title>Temperature Sensors</title>
   <type><number>0x05</number><title>Range 0 to 40</title>
    <case><title>Only</title>
     <datafield><reserved/><bitoffs>0</bitoffs><bitsize>16</bitsize></datafield>
     <datafield><data>TMP</data><shortcut>TMP</shortcut><description>a<b/>b</description><info><x/></info><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield>
     <datafield><data>LRNB</data><bitoffs>28</bitoffs><bitsize>1</bitsize></datafield>
     <condition><datafield><value>3</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition>
    </case>
   </type>
  </func>
 </rorg>
 <rorg><number>0xD2</number><title>VLD Telegram</title>
  <func><number>0x01</number><title>Actuators</title>
   <type><number>0x00</number><title>Type 0</title>
    <case><title>CMD 1</title>
     <condition><datafield><value>3</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition>
    </case>
    <case><title>CMD 2</title>
     <condition><datafield><value>1</value><bitoffs>2</bitoffs><bitsize>4</bitsize></datafield>
                <datafield><value>2</value></datafield></condition>
    </case>
   </type>
  </func>
 </rorg>
 <rorg><number>F6</number><title>No prefix</title></rorg>
 <rorg><number>256</number><title>Wide</title></rorg>
</profile>
)";

} // namespace

// The numbers, titles and display texts of each level follow the reader's rules.
TEST_F(CatalogTest, ReadsTreeNumbersAndDisplayTexts)
{
    ASSERT_TRUE(Load(Edge_Catalogue));
    ASSERT_EQ(Cat.List_Rorg.size(), 5u);
    EXPECT_EQ(Cat.Rorg_SL, QStringList({"0xF6 : Rocker Switch", "0xA5 : 4BS Telegram", "0xD2 : VLD Telegram",
                                        "0x00 : No prefix", "0x100 : Wide"}));
    const TRorg &F6 = *Cat.List_Rorg[0];
    EXPECT_EQ(F6.Func_SL, QStringList({"0x02 : Rocker, 2 Rocker"}));
    EXPECT_EQ(F6.List_Func[0]->List_Type[0]->FNumber, 1); // " 1": leading blanks skipped
    EXPECT_EQ(F6.List_Func[0]->Type_SL, QStringList({"0x01 : Light"}));
    EXPECT_EQ(F6.List_Func[0]->List_Type[0]->Case_SL, QStringList({"1 -> Heating", "2 -> Open"}));
    const TCase &A5Case = *Cat.List_Rorg[1]->List_Func[0]->List_Type[0]->List_Case[0];
    // the reserved field is left out and the fields after it keep consecutive positions
    EXPECT_EQ(A5Case.DataField_SL, QStringList({"TMP : 16, 8", "LRNB : 28, 1"}));
    // description and info holding elements read as empty text, not as an error
    EXPECT_EQ(A5Case.List_DataField[0]->FDescription, QString());
    EXPECT_EQ(A5Case.List_DataField[0]->FInfo, QString());
    EXPECT_EQ(A5Case.List_DataField[1]->FShortcut, QString()); // missing text reads empty
    const TDataField &R1 = *F6.List_Func[0]->List_Type[0]->List_Case[0]->List_DataField[0];
    EXPECT_EQ(R1.FDescription, "first");
    EXPECT_EQ(R1.FInfo, "i");
}

// The case identifier: a bit pattern for RPS, a data field for VLD, nothing elsewhere.
TEST_F(CatalogTest, CaseIdentifierByRorg)
{
    ASSERT_TRUE(Load(Edge_Catalogue));
    struct TRow { const char *Name; int Rorg, Func, Type, Case, Size, Offset, Id; };
    const TRow Rows[] = {
        // status bits 2 and 3 with value 1 add 32 and 16; a value 0 adds nothing
        {"RpsBitPattern", 0xF6, 2, 1, 0, 0, 0, 48},
        // a status field missing elements keeps the previous field's numbers (value 1, size 1)
        {"RpsMissingElementsKeepPrevious", 0xF6, 2, 1, 1, 0, 0, 32 + 4},
        // any other RORG ignores its condition
        {"OtherRorgIgnoresCondition", 0xA5, 2, 5, 0, 0, 0, 0},
        {"VldDataField", 0xD2, 1, 0, 0, 4, 4, 3},
        // the last condition data field wins, each number only when present
        {"VldLastFieldWins", 0xD2, 1, 0, 1, 4, 2, 2},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        const TCase *C = Cat.Get_CaseObj(R.Rorg, R.Func, R.Type, R.Case);
        ASSERT_NE(C, nullptr);
        EXPECT_EQ(C->FCaseIdSize, R.Size);
        EXPECT_EQ(C->FCaseIdOffset, R.Offset);
        EXPECT_EQ(C->FCaseId, R.Id);
    }
}

// Numbers read by the whole-number convention; anything else is 0.
TEST_F(CatalogTest, NumberForms)
{
    struct TRow { const char *Name; const char *Text; int Number; };
    const TRow Rows[] = {
        {"HexPrefix0x", "0xF6", 246}, {"HexDollar", "$F6", 246}, {"HexX", "xF6", 246},
        {"Decimal", "246", 246}, {"LeadingBlanks", "   246", 246}, {"NoPrefix", "F6", 0},
        {"TrailingBlank", "246 ", 0}, {"Empty", "", 0}, {"Negative", "-3", -3},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        TCatalog_EnOcean Fresh;
        const QString Path = Dir.filePath("n.xml");
        Write_File(Path, QByteArray("<profile><rorg><number>") + R.Text + "</number><title>T</title></rorg></profile>");
        ASSERT_TRUE(Fresh.Read_Cat_EnOcean_XML(Path));
        ASSERT_EQ(Fresh.List_Rorg.size(), 1u);
        EXPECT_EQ(Fresh.List_Rorg[0]->FNumber, R.Number);
    }
}

// Lookups take the first matching entry and never fail.
TEST_F(CatalogTest, Lookups)
{
    ASSERT_TRUE(Load(Edge_Catalogue));
    EXPECT_EQ(Cat.Get_RorgNum_Index(0xA5), 1);
    EXPECT_EQ(Cat.Get_RorgNum_Index(0x55), -1);
    EXPECT_EQ(Cat.Get_FuncNum_Index(0xF6, 2), 0);
    EXPECT_EQ(Cat.Get_FuncNum_Index(0xF6, 3), -1);
    EXPECT_EQ(Cat.Get_TypeNum_Index(0xD2, 1, 0), 0);
    EXPECT_EQ(Cat.Get_TypeNum_Index(0xD2, 1, 7), -1);
    EXPECT_EQ(Cat.Get_DataField_Index(0xA5, 2, 5, 0, "LRNB"), 1);
    EXPECT_EQ(Cat.Get_DataField_Index(0xA5, 2, 5, 0, "lrnb"), -1); // letter case counts
    EXPECT_EQ(Cat.Get_DataField_Index(0xA5, 2, 5, 1, "TMP"), -1);  // no such case
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(165), "0xA5 : 4BS Telegram");
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(256), "0x100 : Wide");
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(1), QString());
    EXPECT_EQ(Cat.Get_Func_Name_Str(0xA5, 2), "0x02 : Temperature Sensors");
    EXPECT_EQ(Cat.Get_Type_Name_Str(0xA5, 2, 5), "0x05 : Range 0 to 40");
    EXPECT_EQ(Cat.Get_Type_Name_Str(0xA5, 2, 6), QString());
    EXPECT_EQ(Cat.Get_Case_Name_Str(0xF6, 2, 1, 0), "1 -> Heating");
    EXPECT_EQ(Cat.Get_Case_Name_Str(0xF6, 2, 1, 2), QString()); // CaseNum == case count
    EXPECT_EQ(Cat.Get_Case_Name_Str(0xF6, 2, 1, -1), QString());
    EXPECT_EQ(Cat.Get_CaseObj(0xF6, 2, 1, 2), nullptr);
    EXPECT_EQ(Cat.Get_CaseObj(0x99, 2, 1, 0), nullptr);
}

// Get_CaseObj searches every RORG and FUNC with the numbers; the index lookups only the first.
TEST_F(CatalogTest, DuplicateNumbersSearchedByRule)
{
    ASSERT_TRUE(Load(R"(<profile>
      <rorg><number>0xA5</number><title>First</title>
        <func><number>2</number><title>F</title><type><number>5</number><title>T</title>
          <case><title>A</title></case></type></func></rorg>
      <rorg><number>0xA5</number><title>Second</title>
        <func><number>2</number><title>F</title><type><number>5</number><title>T</title>
          <case><title>A</title></case><case><title>B</title></case></type></func>
        <func><number>3</number><title>Only in second</title><type><number>1</number><title>Deep</title></type></func></rorg>
    </profile>)"));
    // names are found under any RORG with the number; index lookups only in the first
    EXPECT_EQ(Cat.Get_Func_Name_Str(0xA5, 3), "0x03 : Only in second");
    EXPECT_EQ(Cat.Get_Type_Name_Str(0xA5, 3, 1), "0x01 : Deep");
    EXPECT_EQ(Cat.Get_FuncNum_Index(0xA5, 3), -1);
    const TCase *B = Cat.Get_CaseObj(0xA5, 2, 5, 1);
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(B->FTitle, "B");
    EXPECT_EQ(Cat.Get_Case_Name_Str(0xA5, 2, 5, 1), QString()); // the first TYPE has one case
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(0xA5), "0xA5 : First");
    EXPECT_EQ(Cat.Get_DataField_Index(0xA5, 2, 5, 1, "x"), -1);
}

// An error inside one entry drops it; a failure in the last child fails its parent.
TEST_F(CatalogTest, ErrorsDropEntriesByLevel)
{
    struct TRow { const char *Name; const char *Xml; bool Result; QStringList Rorgs; int Funcs_Of_First; int Types; int Cases; };
    const TRow Rows[] = {
        {"RorgTitleWithElements",
         "<profile><rorg><number>1</number><title><b/></title></rorg><rorg><number>2</number><title>B</title></rorg></profile>",
         true, {"0x02 : B"}, 0, 0, 0},
        {"LastRorgFailsLoadResult",
         "<profile><rorg><number>1</number><title>A</title></rorg><rorg><number><x/></number></rorg></profile>",
         false, {"0x01 : A"}, 0, 0, 0},
        // a failing case that is not the last keeps its type, func and rorg
        {"FailedCaseDroppedOthersKept",
         "<profile><rorg><number>1</number><title>A</title><func><number>1</number><title>F</title><type><number>1</number>"
         "<title>T</title><case><title><x/></title></case><case><title>ok</title></case></type></func></rorg></profile>",
         true, {"0x01 : A"}, 1, 1, 1},
        // the last case failing fails its type (kept), its func (dropped) and its rorg (dropped)
        {"LastCaseFailsUpToRorg",
         "<profile><rorg><number>1</number><title>A</title><func><number>1</number><title>F</title><type><number>1</number>"
         "<title>T</title><case><title>ok</title></case><case><title><x/></title></case></type></func></rorg></profile>",
         false, {}, 0, 0, 0},
        // a data field that cannot be read is dropped; its case stays
        {"BadDataFieldDropped",
         "<profile><rorg><number>1</number><title>A</title><func><number>1</number><title>F</title><type><number>1</number>"
         "<title>T</title><case><title>ok</title><datafield><data><x/></data></datafield></case></type></func></rorg></profile>",
         true, {"0x01 : A"}, 1, 1, 1},
        {"NotProfileRoot", "<catalogue><rorg><number>1</number></rorg></catalogue>", true, {}, 0, 0, 0},
        {"ProfileWithoutRorgs", "<profile/>", true, {}, 0, 0, 0},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        TCatalog_EnOcean Fresh;
        const QString Path = Dir.filePath("e.xml");
        Write_File(Path, R.Xml);
        EXPECT_EQ(Fresh.Read_Cat_EnOcean_XML(Path), R.Result);
        EXPECT_EQ(Fresh.Rorg_SL, R.Rorgs);
        if (R.Funcs_Of_First > 0) {
            ASSERT_EQ(static_cast<int>(Fresh.List_Rorg[0]->List_Func.size()), R.Funcs_Of_First);
            const TFunc &F = *Fresh.List_Rorg[0]->List_Func[0];
            ASSERT_EQ(static_cast<int>(F.List_Type.size()), R.Types);
            EXPECT_EQ(static_cast<int>(F.List_Type[0]->List_Case.size()), R.Cases);
            EXPECT_EQ(F.List_Type[0]->Case_SL.size(), R.Cases);
            if (R.Cases > 0) {
                EXPECT_TRUE(F.List_Type[0]->Case_SL[0].startsWith("1 -> ")); // numbered after appending
            }
        }
    }
}

// A missing or unreadable file returns false, leaves the catalogue unchanged and says why.
TEST_F(CatalogTest, MissingAndUnreadableFiles)
{
    TCatalog_Load_Status Status;
    EXPECT_FALSE(Cat.Read_Cat_EnOcean_XML(Dir.filePath("none.xml"), &Status));
    EXPECT_EQ(Status.Kind, TCatalog_Load_Status::clsNoFile);
    EXPECT_TRUE(Cat.List_Rorg.empty());

    EXPECT_FALSE(Load("<profile><rorg><number>1</number></rorg>", &Status));
    EXPECT_EQ(Status.Kind, TCatalog_Load_Status::clsUnreadable);
    EXPECT_FALSE(Status.Reason.isEmpty());
    EXPECT_GT(Status.Line, 0);
    EXPECT_TRUE(Cat.List_Rorg.empty());

    // A hostile nesting depth inside an entry is refused as unreadable, not a crash.
    const QByteArray Deep = QByteArray("<profile><rorg><title>") + QByteArray("<x>").repeated(200000)
                            + QByteArray("</x>").repeated(200000) + QByteArray("</title></rorg></profile>");
    EXPECT_FALSE(Load(Deep, &Status));
    EXPECT_EQ(Status.Kind, TCatalog_Load_Status::clsUnreadable);
    EXPECT_EQ(Status.Line, 1);
    EXPECT_TRUE(Cat.List_Rorg.empty());

    EXPECT_TRUE(Load(Edge_Catalogue, &Status));
    EXPECT_EQ(Status.Kind, TCatalog_Load_Status::clsRead);
}

// The shipped catalogue holds the data set's profiles, with conditions that select cases.
TEST(ShippedCatalogue, LoadsHundredsOfProfiles)
{
    TCatalog_EnOcean Cat;
    TCatalog_Load_Status Status;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML), &Status)) << Status.Reason.toStdString();
    EXPECT_GE(Cat.Profile_Count(), 200);
    for (int Rorg : {0xF6, 0xD5, 0xA5, 0xD2}) {
        SCOPED_TRACE(Rorg);
        EXPECT_GE(Cat.Get_RorgNum_Index(Rorg), 0);
    }
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(0xA5), "0xA5 : 4BS Telegram");
    EXPECT_EQ(Cat.Get_Type_Name_Str(0xA5, 0x02, 0x05), "0x05 : Temperature Sensor Range 0°C to +40°C");
    EXPECT_GE(Cat.Get_DataField_Index(0xA5, 0x02, 0x05, 0, "Temperature"), 0);

    // F6-02-01: cases told apart by status bits T21 and NU (0x20, 0x10)
    const TCase *Pressed = Cat.Get_CaseObj(0xF6, 0x02, 0x01, 0);
    const TCase *Released = Cat.Get_CaseObj(0xF6, 0x02, 0x01, 1);
    ASSERT_TRUE(Pressed && Released);
    EXPECT_EQ(Pressed->FCaseId, 0x30);
    EXPECT_EQ(Released->FCaseId, 0x20);

    // D2-01-00: the command identifier in bits 4..7 selects the case
    const TCase *Cmd1 = Cat.Get_CaseObj(0xD2, 0x01, 0x00, 0);
    ASSERT_NE(Cmd1, nullptr);
    EXPECT_EQ(Cmd1->FCaseId, 1);
    EXPECT_EQ(Cmd1->FCaseIdOffset, 4);
    EXPECT_EQ(Cmd1->FCaseIdSize, 4);
    // profiles that refer to another one share its cases
    const TCase *Ref = Cat.Get_CaseObj(0xD2, 0x01, 0x01, 0);
    ASSERT_NE(Ref, nullptr);
    EXPECT_EQ(Ref->FCaseId, 1);

    // every case of every profile has a title
    for (const auto &R : Cat.List_Rorg)
        for (const auto &F : R->List_Func)
            for (const auto &T : F->List_Type)
                for (const auto &C : T->List_Case)
                    EXPECT_FALSE(C->FTitle.isEmpty()) << T->FTitle.toStdString();
}

namespace {

// Display lists run parallel to their child lists, one text per child, built from it.
void Check_Consistency(const TCatalog_EnOcean &Cat)
{
    ASSERT_EQ(static_cast<size_t>(Cat.Rorg_SL.size()), Cat.List_Rorg.size());
    for (size_t R = 0; R < Cat.List_Rorg.size(); ++R) {
        const TRorg &Rorg = *Cat.List_Rorg[R];
        EXPECT_EQ(Cat.Rorg_SL[R], TCatalog_EnOcean::Number_Title_Str(Rorg.FNumber, Rorg.FTitle));
        ASSERT_EQ(static_cast<size_t>(Rorg.Func_SL.size()), Rorg.List_Func.size());
        for (size_t F = 0; F < Rorg.List_Func.size(); ++F) {
            const TFunc &Func = *Rorg.List_Func[F];
            EXPECT_EQ(Rorg.Func_SL[F], TCatalog_EnOcean::Number_Title_Str(Func.FNumber, Func.FTitle));
            ASSERT_EQ(static_cast<size_t>(Func.Type_SL.size()), Func.List_Type.size());
            for (size_t T = 0; T < Func.List_Type.size(); ++T) {
                const TType &Type = *Func.List_Type[T];
                EXPECT_EQ(Func.Type_SL[T], TCatalog_EnOcean::Number_Title_Str(Type.FNumber, Type.FTitle));
                ASSERT_EQ(static_cast<size_t>(Type.Case_SL.size()), Type.List_Case.size());
                for (size_t C = 0; C < Type.List_Case.size(); ++C) {
                    const TCase &Case = *Type.List_Case[C];
                    EXPECT_EQ(Type.Case_SL[C], TCatalog_EnOcean::Case_Title_Str(static_cast<int>(C), Case.FTitle));
                    ASSERT_EQ(static_cast<size_t>(Case.DataField_SL.size()), Case.List_DataField.size());
                }
            }
        }
    }
}

} // namespace

// An element holding elements where text belongs, at every place in turn: the
// entry concerned is dropped or kept by the rules, never a half-built list.
TEST_F(CatalogTest, ErrorAtEveryPlaceKeepsListsParallel)
{
    int Places = 0;
    for (const QByteArray Tag : {"<number>", "<title>", "<data>", "<bitoffs>", "<value>"}) {
        for (qsizetype At = Edge_Catalogue.indexOf(Tag); At >= 0; At = Edge_Catalogue.indexOf(Tag, At + 1)) {
            SCOPED_TRACE(QString::fromLatin1(Tag + " at %1").arg(At).toStdString());
            QByteArray Xml = Edge_Catalogue;
            Xml.insert(At + Tag.size(), "<x/>");
            TCatalog_EnOcean Fresh;
            const QString Path = Dir.filePath("m.xml");
            Write_File(Path, Xml);
            Fresh.Read_Cat_EnOcean_XML(Path);
            Check_Consistency(Fresh);
            EXPECT_LE(Fresh.Profile_Count(), 4);
            ++Places;
        }
    }
    EXPECT_GT(Places, 30);
    ASSERT_TRUE(Load(Edge_Catalogue));
    Check_Consistency(Cat);
}

TEST(ShippedCatalogue, ListsParallel)
{
    TCatalog_EnOcean Cat;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML)));
    Check_Consistency(Cat);
}
