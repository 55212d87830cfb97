// The older EnOcean editor through its handlers: devices edited in place,
// EEPs and variables through its lists and buttons, its checks, tabs and file.
#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/UEnOcean_SetAccess.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class OlderEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        File_EnOcean = Dir.filePath("EnOcean.xml");
        Write_File(Dir.filePath("eep.xml"), Editor_Catalogue_Xml());
        Catalog.Read_Cat_EnOcean_XML(Dir.filePath("eep.xml"));
        Editor = std::make_unique<TFEnOcean_SetAccess>();
        Editor->Catalog = &Catalog;
    }
    void TearDown() override
    {
        Editor.reset();
        Reset_Workspace();
    }
    void Open_With(std::initializer_list<std::unique_ptr<TDevice_EnOcean> *> Devices)
    {
        TDevice_List List;
        for (auto *D : Devices)
            List.push_back(std::move(*D));
        ASSERT_TRUE(Save_EnOcean_File(File_EnOcean, List));
        Editor->FormShow();
    }
    void Select_Device(int Index)
    {
        Editor->LB_ID_Devices_List->setCurrentRow(Index);
        Editor->LB_ID_Devices_ListClick();
    }
    void Click_Node(int Eep, int Var = -1)
    {
        QTreeWidgetItem *Node = Editor->TW_UniSmart_EEP->topLevelItem(0);
        ASSERT_NE(Node, nullptr);
        if (Eep >= 0)
            Node = Node->child(Eep);
        if (Node && Var >= 0)
            Node = Node->child(Var);
        ASSERT_NE(Node, nullptr);
        Editor->TW_UniSmart_EEP->setCurrentItem(Node);
        Editor->TW_UniSmart_EEPClick(Editor->TW_UniSmart_EEP);
    }
    // Chooses in the unidirectional lists (a negative position leaves the list).
    void Choose(int Rorg, int Func, int Type, int Case = -1, int Field = -1)
    {
        const std::pair<QComboBox *, int> Steps[] = {{Editor->CB_EEP_Rorg, Rorg}, {Editor->CB_EEP_Func, Func},
                                                     {Editor->CB_EEP_Type, Type}, {Editor->CB_Var_Case, Case},
                                                     {Editor->CB_Var_DataField, Field}};
        for (const auto &[List, Index] : Steps)
            if (Index >= 0)
                Pick(List, Index);
    }
    QStringList Ids() const
    {
        QStringList L;
        for (int I = 0; I < Editor->LB_ID_Devices_List->count(); ++I)
            L << Editor->LB_ID_Devices_List->item(I)->text();
        return L;
    }
    TDevice_EnOcean &Dev(int I) { return *Editor->DevList[static_cast<size_t>(I)]; }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    TCatalog_EnOcean Catalog;
    std::unique_ptr<TFEnOcean_SetAccess> Editor;
};

TEST_F(OlderEditorTest, CreationTextsAndPages)
{
    EXPECT_EQ(Editor->objectName(), "FEnOcean_SetAccess");
    EXPECT_EQ(Editor->windowTitle(), "EnOcean Set Access");
    EXPECT_EQ(Editor->CT_ID_Data->Tabs()[1]->Caption(), "Data Exchange");
    EXPECT_EQ(Editor->CT_Uni_Smart_Remote->Tabs()[2]->Caption(), "Remote");
    EXPECT_FALSE(Editor->CT_Uni_Smart_Remote->Tabs()[2]->Visible());
    EXPECT_EQ(Editor->CT_EEP_Var->Tabs()[1]->Caption(), "Variable");
    EXPECT_EQ(Editor->Smart.CT_EEP_Var->Tabs()[0]->Caption(), "EEP");
    EXPECT_EQ(Editor->Btn_Delete_Device->Caption(), "Delete Device");
    EXPECT_EQ(Editor->Btn_Var_Add->toolTip(), "Add Variable in the EEP");
    EXPECT_EQ(Editor->E_DevEnOcean_ID->toolTip(), "Insert the ID of EnOcan Device");
    EXPECT_EQ(Editor->CB_Var_BitStart->count(), 8);
    // pages: ID & Security, unidirectional, EEP
    EXPECT_FALSE(Editor->PEnOcean_DefID_IDSec->isHidden());
    EXPECT_TRUE(Editor->PEnOcean_DefID_DataEx->isHidden());
    EXPECT_FALSE(Editor->PEnOcean_DefID_Data_Uni->isHidden());
    EXPECT_TRUE(Editor->PEnOcean_DefID_Data_Smart->isHidden());
    EXPECT_TRUE(Editor->Uni.Var_Page->isHidden());
    // each strip switches its pages
    Editor->CT_ID_Data->SetActiveTabIndex(1);
    EXPECT_TRUE(Editor->PEnOcean_DefID_IDSec->isHidden());
    EXPECT_FALSE(Editor->PEnOcean_DefID_DataEx->isHidden());
    Editor->CT_EEP_Var->SetActiveTabIndex(1);
    EXPECT_TRUE(Editor->Uni.EEP_Page->isHidden());
    EXPECT_FALSE(Editor->Uni.Var_Page->isHidden());
    Editor->Smart.CT_EEP_Var->SetActiveTabIndex(1);
    EXPECT_FALSE(Editor->Smart.Var_Page->isHidden());
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(2);
    EXPECT_TRUE(Editor->PEnOcean_DefID_Data_Uni->isHidden());
    EXPECT_TRUE(Editor->PEnOcean_DefID_Data_Smart->isHidden());
}

// The security type shows its rows; the device buttons follow the last one.
TEST_F(OlderEditorTest, SecurityRowsAndButtons)
{
    struct TCase { int Type; bool Key, Manual; int Top; };
    const TCase Cases[] = {{0, false, false, 56 + 33}, {1, true, false, 88 + 33}, {2, true, true, 280 + 33}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Type);
        Editor->CB_DevEnOcean_SecType->setCurrentIndex(C.Type);
        Editor->CB_DevEnOcean_SecTypeChange();
        EXPECT_EQ(!Editor->E_DevEnOcean_Secure_Key->isHidden(), C.Key);
        EXPECT_EQ(!Editor->CB_DevEnOcean_Secure_PTM->isHidden(), C.Manual);
        EXPECT_EQ(!Editor->L_DevEnOcean_Secure_RollCode->isHidden(), C.Manual);
        EXPECT_EQ(Editor->Btn_Add_Device->y(), C.Top);
        EXPECT_EQ(Editor->Btn_Modify_Device->y(), C.Top);
        EXPECT_EQ(Editor->Btn_Delete_Device->y(), C.Top + 34);
    }
}

// Add takes the page's fields; an invalid ID is refused with the device
// dialog's message. Nothing checks for a duplicate ID.
TEST_F(OlderEditorTest, AddDeviceIdTable)
{
    struct TCase { const char *Id; bool Added; };
    const TCase Cases[] = {{"0", true},  {"4294967295", true}, {"0x10", true},        {"0x10", true},
                           {"-1", false}, {"4294967296", false}, {"ten", false}, {"", false}};
    Editor->FormShow();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Id);
        Boxes.Shown.clear();
        const size_t Before = Editor->DevList.size();
        Editor->E_DevEnOcean_ID->setText(QString::fromLatin1(C.Id));
        Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Add_Device);
        EXPECT_EQ(Editor->DevList.size(), Before + (C.Added ? 1 : 0));
        EXPECT_EQ(Boxes.Texts(), C.Added ? QStringList{}
                                         : QStringList{"Error!! Device ID must be between 0 and 4294967295"});
        EXPECT_TRUE(Editor->LB_ID_Devices_List->selectedItems().isEmpty());
    }
    EXPECT_EQ(Ids(), (QStringList{"ID 0", "ID 4294967295", "ID 0x10", "ID 0x10"}));
}

// Selecting a device shows its fields; Modify writes them back.
TEST_F(OlderEditorTest, SelectAndModifyDevice)
{
    auto A = Make_Device("7", {});
    A->FSecure_Type = 2;
    A->FKey = "KEY";
    A->FRollCode = "12";
    A->FCMACAlg = 2;
    auto B = Make_Device("8", {});
    Open_With({&A, &B});
    Select_Device(0);
    EXPECT_EQ(Editor->E_DevEnOcean_ID->text(), "7");
    EXPECT_EQ(Editor->E_DevEnOcean_Secure_Key->text(), "KEY");
    EXPECT_EQ(Editor->CB_DevEnOcean_Secure_CMACAlg->currentIndex(), 2);
    EXPECT_FALSE(Editor->CB_DevEnOcean_Secure_PTM->isHidden());
    Editor->E_DevEnOcean_ID->setText("70");
    Editor->CB_DevEnOcean_Secure_PTM->setCurrentIndex(1);
    Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Modify_Device);
    EXPECT_EQ(Ids(), (QStringList{"ID 70", "ID 8"}));
    EXPECT_EQ(Dev(0).FPTM, 1);
    EXPECT_EQ(Dev(0).FKey, "KEY");
    // nothing selected now: Modify changes nothing
    Editor->E_DevEnOcean_ID->setText("99");
    Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Modify_Device);
    EXPECT_EQ(Ids(), (QStringList{"ID 70", "ID 8"}));
}

// The arrow keys select a device as a click does; the list redrawn after a
// device button leaves the page's fields as typed.
TEST_F(OlderEditorTest, DeviceListKeysAndRedraw)
{
    auto A = Make_Device("7", {});
    auto B = Make_Device("8", {});
    B->FKey = "KEY8";
    Editor->show();
    Open_With({&A, &B});
    QListWidget *List = Editor->LB_ID_Devices_List;
    List->setFocus();
    QTest::keyClick(List, Qt::Key_Down);
    QTest::keyClick(List, Qt::Key_Down);
    EXPECT_EQ(Editor->E_DevEnOcean_ID->text(), "8");
    EXPECT_EQ(Editor->E_DevEnOcean_Secure_Key->text(), "KEY8");
    Editor->E_DevEnOcean_ID->setText("-5");
    Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Add_Device);
    EXPECT_EQ(Ids(), (QStringList{"ID 7", "ID 8"}));
    EXPECT_EQ(Editor->E_DevEnOcean_ID->text(), "-5");
    EXPECT_EQ(Editor->E_DevEnOcean_Secure_Key->text(), "KEY8");
    Editor->hide();
}

// Delete Device removes the selected device after a Yes only.
TEST_F(OlderEditorTest, DeleteDeviceOnlyOnYes)
{
    struct TCase { TMsgResult Answer; QStringList Left; };
    const TCase Cases[] = {{TMsgResult::mrNo, {"ID 1", "ID 2"}}, {TMsgResult::mrYes, {"ID 2"}}};
    for (const TCase &C : Cases) {
        auto A = Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}});
        auto B = Make_Device("2", {});
        Open_With({&A, &B});
        Select_Device(0);
        Boxes.Shown.clear();
        Boxes.Answers << C.Answer;
        Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Delete_Device);
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        EXPECT_EQ(Ids(), C.Left);
    }
    // without a selection nothing is asked
    Boxes.Shown.clear();
    Editor->Btn_Add_Modify_DeviceClick(Editor->Btn_Delete_Device);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// The EEP checks in order; the count of both lists comes before the duplicate test.
TEST_F(OlderEditorTest, AddEepChecks)
{
    auto Full = Make_Device("1", {{0xF6, 1, 1, {}}, {0xF6, 1, 2, {}}, {0xF6, 2, 1, {}}}, {{0xD2, 9, 1, {}}});
    auto Room = Make_Device("2", {{0xF6, 1, 1, {}}});
    Open_With({&Full, &Room});
    struct TCase { const char *Name; int Device; int Rorg, Func, Type; const char *Message; };
    const TCase Cases[] = {
        {"NoDevice", -1, 0, 0, 0, "Error!! Select or Insert a Device before add an EEP"},
        {"NoRorg", 1, -1, -1, -1, "Error!! Select a RORG before add an EEP"},
        {"NoFunc", 1, 0, -1, -1, "Error!! Select a FUNC before add an EEP"},
        {"NoType", 1, 0, 0, -1, "Error!! Select a TYPE before add an EEP"},
        {"FourAlready", 0, 0, 0, 0, "Error!! No more space for EEP"},
        {"Duplicate", 1, 0, 0, 0, "Error!! EEP already present"},
        {"Added", 1, 2, 1, 0, nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.Device >= 0)
            Select_Device(C.Device);
        else
            Editor->Show_Id_List();
        Editor->CB_EEP_Rorg->setCurrentIndex(-1);
        Editor->CB_EEP_Func->clear();
        Editor->CB_EEP_Type->clear();
        Choose(C.Rorg, C.Func, C.Type);
        Boxes.Shown.clear();
        Editor->Btn_EEP_Add_Modify_Click(Editor->Btn_EEP_Add);
        EXPECT_EQ(Boxes.Texts(), C.Message ? QStringList{C.Message} : QStringList{});
        if (C.Message) {
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        }
    }
    ASSERT_EQ(Dev(1).UnidirectionalList.size(), 2u);
    EXPECT_EQ(Dev(1).UnidirectionalList[1]->FRorgNum, 0xA5);
    // the new EEP's node is selected, without changing the positions
    EXPECT_EQ(Editor->TW_UniSmart_EEP->currentItem()->text(0), "EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01");
    EXPECT_EQ(Editor->Ind_EEP, -1);
    EXPECT_EQ(Dev(0).EEP_Count(), 4);
}

// The variable checks, the position bounds, and the EEP the variable joins:
// the one last clicked in the tree.
TEST_F(OlderEditorTest, AddVariableChecksAndPlace)
{
    auto D = Make_Device("1", {{0xF6, 1, 1, {}}, {0xA5, 2, 1, {}}});
    Open_With({&D});
    struct TCase { const char *Name; bool Device; int Eep; int Field; const char *Position; const char *Message; };
    const TCase Cases[] = {
        {"NoDevice", false, 0, 0, "1", "Error!! Select or Insert a Device before add a Variable"},
        {"NoEep", true, -1, 0, "1", "Error!! Select or Insert a EEP before add a Variable"},
        {"NoField", true, 0, -1, "1", "Error!! Select a Variable before add"},
        {"Position2000", true, 0, 0, "2000", "Error!! Position must be between 0 and 1999"},
        {"PositionNegative", true, 0, 0, "-1", "Error!! Position must be between 0 and 1999"},
        {"PositionEmpty", true, 0, 0, "", "Error!! Position must be between 0 and 1999"},
        {"Position1999", true, 0, 0, "1999", nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.Device) {
            Select_Device(0);
            if (C.Eep >= 0)
                Click_Node(C.Eep);
            else
                Click_Node(-1);
        } else {
            Editor->Show_Id_List();
        }
        // the lists hold a choice of another EEP: A5-02-01, Alarm
        Choose(2, 1, 0, 1, C.Field);
        if (C.Field < 0)
            Editor->CB_Var_DataField->setCurrentIndex(-1);
        Editor->E_Var_Position->setText(QString::fromLatin1(C.Position));
        Boxes.Shown.clear();
        Editor->Btn_Var_Add_Modify_Click(Editor->Btn_Var_Add);
        EXPECT_EQ(Boxes.Texts(), C.Message ? QStringList{C.Message} : QStringList{});
    }
    // joined the EEP clicked last (F6-01-01), not the one of the lists
    ASSERT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 1u);
    const TVarEnOcean &V = *Dev(0).UnidirectionalList[0]->VariableList[0];
    EXPECT_EQ(V.FData, "TMP");
    EXPECT_EQ(V.FCaseIndex, 1);
    EXPECT_EQ(V.FBitOffs, 0);
    EXPECT_EQ(V.FPosition, 1999);
    EXPECT_EQ(Editor->TW_UniSmart_EEP->currentItem()->text(0), "Variable - TMP");
}

// A tree click fills the lists from the entry and its variable; delete
// removes the clicked EEP or variable at once.
TEST_F(OlderEditorTest, TreeClickAndDelete)
{
    auto D = Make_Device("1", {{0xA5, 2, 2, {{1, "SW"}, {0, "HUM"}}}, {0xF6, 1, 1, {}}});
    Open_With({&D});
    Select_Device(0);
    Click_Node(0, 1);
    EXPECT_EQ(Editor->Ind_EEP, 0);
    EXPECT_EQ(Editor->Ind_Var, 1);
    EXPECT_EQ(Editor->CB_EEP_Rorg->currentText(), "0xA5 : Rorg 2");
    EXPECT_EQ(Editor->CB_EEP_Func->currentText(), "0x02 : Func 2");
    EXPECT_EQ(Editor->CB_EEP_Type->currentText(), "0x02 : Type 2");
    EXPECT_EQ(Editor->CB_Var_Case->currentText(), "1 -> Normal");
    EXPECT_EQ(Editor->CB_Var_DataField->currentIndex(), 1);
    EXPECT_EQ(Editor->E_Var_Position->text(), "11");
    EXPECT_EQ(Editor->CB_Var_BitStart->currentIndex(), 3);

    // delete with a variable selected: EEP delete does nothing, variable delete removes it
    Editor->Btn_EEP_Add_Modify_Click(Editor->Btn_EEP_Delete);
    EXPECT_EQ(Dev(0).UnidirectionalList.size(), 2u);
    Editor->Btn_Var_Add_Modify_Click(Editor->Btn_Var_Delete);
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 1u);
    Click_Node(0);
    Editor->Btn_EEP_Add_Modify_Click(Editor->Btn_EEP_Delete);
    ASSERT_EQ(Dev(0).UnidirectionalList.size(), 1u);
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->FRorgNum, 0xF6);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Tab 1 shows the Ruzor AVI list in the tree and adds to it; with tab 2 the
// tree keeps what it showed and nothing acts on a position.
TEST_F(OlderEditorTest, RuzorAviTabAndOtherTabs)
{
    auto D = Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}, {0xF6, 1, 2, {}}}, {{0xD2, 9, 1, {{1, "SW"}}}});
    Open_With({&D});
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(1);
    Select_Device(0);
    ASSERT_NE(Editor->TW_UniSmart_EEP->topLevelItem(0), nullptr);
    EXPECT_EQ(Editor->TW_UniSmart_EEP->topLevelItem(0)->text(0), "Ruzor Avi - EEP List");
    Click_Node(0, 0);
    EXPECT_EQ(Editor->CB_EEP_Func->currentText(), "0x09 : Func 9");

    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(2);
    Click_Node(0, 0);
    Editor->Btn_Var_Add_Modify_Click(Editor->Btn_Var_Delete);
    Editor->Btn_EEP_Add_Modify_Click(Editor->Btn_EEP_Delete);
    EXPECT_EQ(Dev(0).SmartACKList[0]->VariableList.size(), 1u);
    Choose(0, 1, 1);
    Editor->Btn_EEP_Add_Modify_Click(Editor->Btn_EEP_Add);
    EXPECT_EQ(Dev(0).EEP_Count(), 3);

    // back on tab 0 the positions are reset and the tree redrawn
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(0);
    EXPECT_EQ(Editor->Ind_EEP, -1);
    EXPECT_EQ(Editor->TW_UniSmart_EEP->topLevelItem(0)->text(0), "Unidirectional - EEP List");
}

// Saving keeps every device's Ruzor AVI list; OK closes only after a save.
TEST_F(OlderEditorTest, SaveKeepsRuzorAviLists)
{
    auto D = Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}}, {{0xD2, 9, 1, {{1, "SW"}}}});
    Open_With({&D});
    const QByteArray Before = Read_File(File_EnOcean);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    EXPECT_EQ(Read_File(File_EnOcean), Before);
    EXPECT_TRUE(Editor->DevList.empty()); // closing frees the list
}

TEST_F(OlderEditorTest, Screenshot)
{
    auto D = Make_Device("0x0180ABCD", {{0xA5, 2, 2, {{1, "SW"}}}});
    D->FSecure_Type = 1;
    D->FKey = "0123456789ABCDEF";
    Open_With({&D});
    Editor->show();
    Select_Device(0);
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), "older_enocean_editor")), Editor.get());
    Editor->CT_ID_Data->SetActiveTabIndex(1);
    Click_Node(0, 0);
    Editor->CT_EEP_Var->SetActiveTabIndex(1);
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), "older_enocean_editor_data")), Editor.get());
    Editor->hide();
}

} // namespace
