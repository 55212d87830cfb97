// The EnOcean network editor through its handlers: devices through the
// device dialog, EEPs and variables through the variable dialog, the tree,
// the details grid, the tab index and the file.
#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/UEnOcean_Device.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "editors/UEnOcean_Variable.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include "platform/XmlDoc.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class NetworkEditorTest : public ::testing::Test
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
        Device = std::make_unique<TFEnOcean_Device>();
        Variable = std::make_unique<TFEnOcean_Variable>(&Catalog);
        Editor = std::make_unique<TFEnOcean_SetAccess2>();
        Editor->Device_Dialog = Device.get();
        Editor->Variable_Dialog = Variable.get();
        Editor->Catalog = &Catalog;
    }
    void TearDown() override
    {
        Editor.reset();
        Reset_Workspace();
    }
    // Writes the devices to the file and shows the editor on it.
    void Open_With(std::vector<std::unique_ptr<TDevice_EnOcean>> Devices)
    {
        TDevice_List List;
        for (auto &D : Devices)
            List.push_back(std::move(D));
        ASSERT_TRUE(Save_EnOcean_File(File_EnOcean, List));
        Open();
    }
    void Open()
    {
        Editor->FormShow();
        Boxes.Shown.clear();
    }
    void Select_Device(int Index)
    {
        Editor->LB_ID_Devices_List->setCurrentRow(Index);
        Editor->LB_ID_Devices_ListClick();
    }
    // Clicks the tree node of EEP Eep (or its variable Var); Eep -1 clicks the root.
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
        Editor->TW_UniSmart_EEPClick();
    }
    QStringList Tree() const
    {
        QStringList Lines;
        std::function<void(QTreeWidgetItem *, int)> Walk = [&](QTreeWidgetItem *I, int Depth) {
            Lines << QString(Depth * 2, QLatin1Char(' ')) + I->text(0);
            for (int C = 0; C < I->childCount(); ++C)
                Walk(I->child(C), Depth + 1);
        };
        for (int T = 0; T < Editor->TW_UniSmart_EEP->topLevelItemCount(); ++T)
            Walk(Editor->TW_UniSmart_EEP->topLevelItem(T), 0);
        return Lines;
    }
    QStringList Values() const
    {
        QStringList V;
        for (int Row = 1; Row < 9; ++Row)
            if (Row != 4)
                V << Editor->SG_EEP_Var->GetCellEx(1, Row);
        return V;
    }
    QStringList Ids() const
    {
        QStringList L;
        for (int I = 0; I < Editor->LB_ID_Devices_List->count(); ++I)
            L << Editor->LB_ID_Devices_List->item(I)->text();
        return L;
    }
    // Chooses an EEP (and case and field when Case >= 0) in the variable dialog.
    void Choose(int Rorg, int Func, int Type, int Case = -1, int Field = -1, const char *Position = "7",
                int Bit = 2)
    {
        // a negative position keeps the list's choice
        if (Rorg >= 0 && Variable->CB_EEP_Rorg->isEnabled())
            Pick(Variable->CB_EEP_Rorg, Rorg);
        if (Func >= 0 && Variable->CB_EEP_Func->isEnabled())
            Pick(Variable->CB_EEP_Func, Func);
        if (Type >= 0 && Variable->CB_EEP_Type->isEnabled())
            Pick(Variable->CB_EEP_Type, Type);
        if (Case >= 0) {
            Pick(Variable->CB_Var_Case, Case);
            Pick(Variable->CB_Var_Variable, Field);
            Variable->E_Var_Position->setText(QString::fromLatin1(Position));
            Variable->CB_Var_BitStart->setCurrentIndex(Bit);
        }
    }
    // Presses a variable button with the variable dialog answered by Inside.
    bool Variable_Button(TFxButton *Button, const std::function<void()> &Inside)
    {
        return While_Dialog(Variable.get(), Inside, [&] { Editor->Btn_VariableClick(Button); });
    }
    bool Device_Button(TFxButton *Button, const std::function<void()> &Inside)
    {
        return While_Dialog(Device.get(), Inside, [&] { Editor->Btn_DeviceClick(Button); });
    }
    const TDevice_EnOcean &Dev(int I) const { return *Editor->DevList[static_cast<size_t>(I)]; }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    TCatalog_EnOcean Catalog;
    std::unique_ptr<TFEnOcean_Device> Device;
    std::unique_ptr<TFEnOcean_Variable> Variable;
    std::unique_ptr<TFEnOcean_SetAccess2> Editor;
};

std::vector<std::unique_ptr<TDevice_EnOcean>> One(std::unique_ptr<TDevice_EnOcean> D)
{
    std::vector<std::unique_ptr<TDevice_EnOcean>> V;
    V.push_back(std::move(D));
    return V;
}

// ---- Window, texts, grid layout -----------------------------------------------------------

TEST_F(NetworkEditorTest, CreationTextsTabsAndDetailsGrid)
{
    EXPECT_EQ(Editor->objectName(), "FEnOcean_SetAccess2");
    EXPECT_EQ(Editor->windowTitle(), "EnOcean Set Access");
    EXPECT_EQ(Editor->L_SW_Desc->text(), "EnOcean Set Access");
    EXPECT_EQ(Editor->L_SW_Code->text(), "CFTK410");
    EXPECT_EQ(Editor->L_ID_Devices_List->text(), "ID Devices List");
    EXPECT_EQ(Editor->Btn_OK->toolTip(), "Confirm and save the EnOcean Network");
    EXPECT_EQ(Editor->Btn_Modify_Device->toolTip(), "Modify Enocean Device");
    EXPECT_EQ(Editor->Btn_Remove_Variable->toolTip(), "Remove EnOcean Variable");
    EXPECT_FALSE(Editor->Btn_Scan->isVisibleTo(Editor.get()));
    // tabs: only Unidirectional shows, it is active
    auto &Tabs = Editor->CT_Uni_Smart_Remote->Tabs();
    ASSERT_EQ(Tabs.Count(), 3);
    EXPECT_EQ(Tabs[1]->Caption(), "Ruzor AVI");
    EXPECT_TRUE(Tabs[0]->Visible());
    EXPECT_FALSE(Tabs[1]->Visible());
    EXPECT_FALSE(Tabs[2]->Visible());
    EXPECT_EQ(Editor->CT_Uni_Smart_Remote->ActiveTabIndex(), 0);

    // The details grid: headings merged over both columns, labels coloured.
    RIraRevadiVizo *G = Editor->SG_EEP_Var;
    EXPECT_EQ(G->ColCount(), 2);
    EXPECT_EQ(G->RowCount(), 9);
    EXPECT_EQ(G->ColWidths(0), 80);
    EXPECT_EQ(G->ColWidths(1), 300);
    // built as a form is loaded: the grid has its minimum sizes
    EXPECT_TRUE(G->IsLoaded());
    EXPECT_EQ(G->MinColWidth(), 10);
    const char *Labels[] = {"EEP", "RORG", "FUNC", "TYPE", "Variable", "Case", "Variable", "Position", "Bit Start"};
    for (int Row = 0; Row < 9; ++Row) {
        SCOPED_TRACE(Row);
        EXPECT_EQ(G->GetCellEx(0, Row), Labels[Row]);
        const bool Heading = Row == 0 || Row == 4;
        EXPECT_EQ(G->GetCellProperties(0, Row)->BrushColor(),
                  Heading ? RGB_Color(0xA6, 0xCA, 0xF0) : RGB_Color(0xC0, 0xDC, 0xC0));
        // a heading's block covers the value column
        EXPECT_EQ(G->GetCellEx(1, Row), Heading ? Labels[Row] : "");
    }
}

// Without a file the list is empty; OK writes a file with an empty device list.
TEST_F(NetworkEditorTest, NoFileShowsEmptyListAndOkWritesIt)
{
    Open();
    EXPECT_EQ(Editor->LB_ID_Devices_List->count(), 0);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    TXmlDocument Doc;
    Doc.Load_From_File(File_EnOcean);
    const TXmlNode *Root = Doc.Find_Element(QStringLiteral("EnOcean"));
    ASSERT_NE(Root, nullptr);
    ASSERT_NE(Root->Find_Child(QStringLiteral("DevicesList")), nullptr);
    EXPECT_TRUE(Root->Find_Child(QStringLiteral("DevicesList"))->Child_Elements().empty());
}

// A failed save keeps the window open with the changes in memory.
TEST_F(NetworkEditorTest, FailedSaveKeepsTheWindowOpen)
{
    Open_With(One(Make_Device("5", {})));
    // the file's path is now a folder: the save cannot replace it
    QFile::remove(File_EnOcean);
    ASSERT_TRUE(QDir().mkpath(File_EnOcean));
    Editor->setResult(-1);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), -1);
    EXPECT_EQ(Editor->DevList.size(), 1u);
}

// ---- Devices ------------------------------------------------------------------------------------

// Add takes every field of the dialog; only ID and security type start afresh.
TEST_F(NetworkEditorTest, AddDeviceTakesTheDialogsFields)
{
    Open();
    Device->E_DevEnOcean_Secure_Key->setText("OldKey");
    EXPECT_TRUE(Device_Button(Editor->Btn_Add_Device, [this] {
        EXPECT_EQ(Device->Mode, 0);
        EXPECT_TRUE(Device->E_DevEnOcean_ID->text().isEmpty());
        EXPECT_EQ(Device->CB_DevEnOcean_SecType->currentIndex(), 0);
        EXPECT_EQ(Device->E_DevEnOcean_Secure_Key->text(), "OldKey");
        Device->E_DevEnOcean_ID->setText("0x0180ABCD");
        Device->CB_DevEnOcean_SecType->setCurrentIndex(2);
        Device->E_DevEnOcean_Secure_RollCode->setText("77");
        Device->CB_DevEnOcean_Secure_DataEnc->setCurrentIndex(2);
        Device->Btn_OKClick();
    }));
    ASSERT_EQ(Ids(), QStringList{"0x0180ABCD"});
    EXPECT_EQ(Dev(0).FSecure_Type, 2);
    EXPECT_EQ(Dev(0).FKey, "OldKey");
    EXPECT_EQ(Dev(0).FRollCode, "77");
    EXPECT_EQ(Dev(0).FDataCript, 2);
    EXPECT_EQ(Editor->LB_ID_Devices_List->selectedItems().size(), 0);
    // Cancel adds nothing
    EXPECT_TRUE(Device_Button(Editor->Btn_Add_Device, [this] {
        Device->E_DevEnOcean_ID->setText("9");
        Device->reject();
    }));
    EXPECT_EQ(Editor->DevList.size(), 1u);
}

// The ID rule of the device dialog holds for the editor's add: a refused ID
// keeps the dialog open and adds nothing.
TEST_F(NetworkEditorTest, DeviceIdTable)
{
    struct TCase { const char *Id; bool Added; };
    const TCase Cases[] = {
        {"0", true}, {"4294967295", true}, {"0xFFFFFFFF", true}, {"$1A2B", true}, {"  12", true},
        {"4294967296", false}, {"-1", false}, {"", false}, {"12AB", false}, {"12 ", false},
    };
    Open();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Id);
        Boxes.Shown.clear();
        const size_t Before = Editor->DevList.size();
        bool Open_After_OK = false;
        Device_Button(Editor->Btn_Add_Device, [&] {
            Device->E_DevEnOcean_ID->setText(QString::fromLatin1(C.Id));
            Device->Btn_OKClick();
            Open_After_OK = Device->isVisible();
        });
        EXPECT_EQ(Editor->DevList.size(), Before + (C.Added ? 1 : 0));
        EXPECT_EQ(Open_After_OK, !C.Added);
        if (C.Added) {
            EXPECT_EQ(Dev(static_cast<int>(Before)).FId, C.Id); // stored exactly as typed
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Text, "Error!! Device ID must be between 0 and 4294967295");
        }
    }
}

// Modify shows the device and writes back every field; the dialog's height
// follows the device's security type.
TEST_F(NetworkEditorTest, ModifyDeviceShowsItsSecurityRows)
{
    struct TCase { int Type; int Height; };
    const TCase Cases[] = {{0, 185}, {1, 216}, {2, 409}};
    std::vector<std::unique_ptr<TDevice_EnOcean>> Devices;
    for (const TCase &C : Cases) {
        auto D = Make_Device(qPrintable(QString::number(100 + C.Type)), {});
        D->FSecure_Type = C.Type;
        D->FKey = QStringLiteral("K%1").arg(C.Type);
        D->FPTM = 1;
        Devices.push_back(std::move(D));
    }
    Open_With(std::move(Devices));
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Type);
        Select_Device(C.Type);
        EXPECT_TRUE(Device_Button(Editor->Btn_Modify_Device, [&] {
            EXPECT_EQ(Device->Mode, 1);
            EXPECT_EQ(Device->windowTitle(), "Modify EnOcean Device");
            EXPECT_EQ(Device->height(), C.Height);
            EXPECT_EQ(Device->E_DevEnOcean_ID->text(), QString::number(100 + C.Type));
            EXPECT_EQ(Device->E_DevEnOcean_Secure_Key->text(), QStringLiteral("K%1").arg(C.Type));
            EXPECT_EQ(Device->CB_DevEnOcean_Secure_PTM->currentIndex(), 1);
            Device->E_DevEnOcean_ID->setText(QStringLiteral("20%1").arg(C.Type));
            Device->Btn_OKClick();
        }));
        EXPECT_EQ(Dev(C.Type).FId, QStringLiteral("20%1").arg(C.Type));
        EXPECT_EQ(Dev(C.Type).FKey, QStringLiteral("K%1").arg(C.Type));
    }
    EXPECT_EQ(Ids(), (QStringList{"200", "201", "202"}));
    // without a selection modify and remove do nothing
    EXPECT_FALSE(Device_Button(Editor->Btn_Modify_Device, [] {}));
    Editor->Btn_DeviceClick(Editor->Btn_Remove_Device);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Remove asks 1222 with Yes, No and Cancel; only Yes removes.
TEST_F(NetworkEditorTest, RemoveDeviceOnlyOnYes)
{
    struct TCase { TMsgResult Answer; QStringList Left; };
    const TCase Cases[] = {
        {TMsgResult::mrNo, {"1", "2"}},
        {TMsgResult::mrCancel, {"1", "2"}},
        {TMsgResult::mrYes, {"2"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Answer));
        std::vector<std::unique_ptr<TDevice_EnOcean>> Devices;
        Devices.push_back(Make_Device("1", {{0xF6, 1, 1, {}}}));
        Devices.push_back(Make_Device("2", {}));
        Open_With(std::move(Devices));
        Select_Device(0);
        Boxes.Answers << C.Answer;
        Editor->PopUpEnOceanDevice1Click(Editor->RemoveEnOceanDevice1);
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, "Are you sure to cancel the Device EnOcean?");
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkConfirmation);
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNoCancel);
        EXPECT_EQ(Ids(), C.Left);
    }
}

// A double click modifies the selected device, or adds one without a selection.
TEST_F(NetworkEditorTest, DoubleClickModifiesOrAdds)
{
    Open_With(One(Make_Device("31", {})));
    int Mode = -1;
    EXPECT_TRUE(While_Dialog(Device.get(), [&] { Mode = Device->Mode; }, [&] { Editor->LB_ID_Devices_ListDblClick(); }));
    EXPECT_EQ(Mode, 0);
    Select_Device(0);
    EXPECT_TRUE(While_Dialog(Device.get(), [&] { Mode = Device->Mode; }, [&] { Editor->LB_ID_Devices_ListDblClick(); }));
    EXPECT_EQ(Mode, 1);
    EXPECT_EQ(Device->E_DevEnOcean_ID->text(), "31");
}

// As in a Windows list box: the arrow keys select a device as a click does,
// and a double click counts anywhere in the box, an empty box included.
TEST_F(NetworkEditorTest, DeviceListKeysAndDoubleClicksAnywhere)
{
    Editor->show();
    Open();
    QListWidget *List = Editor->LB_ID_Devices_List;
    int Mode = -1;
    auto Double_Click_At = [&](QPoint At) {
        Mode = -1;
        return While_Dialog(
            Device.get(),
            [&] {
                Mode = Device->Mode;
                if (Mode == 1)
                    Device->Btn_OKClick();
            },
            [&] {
                // a real double click: press and release, then the double click
                QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, At);
                QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, At);
            });
    };
    EXPECT_TRUE(Double_Click_At(List->viewport()->rect().center()));
    EXPECT_EQ(Mode, 0);

    std::vector<std::unique_ptr<TDevice_EnOcean>> Devices;
    Devices.push_back(Make_Device("1", {{0xF6, 1, 1, {}}}));
    Devices.push_back(Make_Device("2", {{0xA5, 2, 1, {}}}));
    Open_With(std::move(Devices));
    List->setFocus();
    QTest::keyClick(List, Qt::Key_Down);
    QTest::keyClick(List, Qt::Key_Down);
    EXPECT_EQ(Editor->Selected_Device(), 1);
    EXPECT_EQ(Tree().value(1), "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01");
    QTest::keyClick(List, Qt::Key_Up);
    EXPECT_EQ(Tree().value(1), "  EEP - RORG : 0xF6 FUNC : 0x01 TYPE : 0x01");

    EXPECT_TRUE(Double_Click_At(List->visualItemRect(List->item(1)).center()));
    EXPECT_EQ(Mode, 1);
    EXPECT_EQ(Device->E_DevEnOcean_ID->text(), "2");
    // refilling the box after OK clicks nothing: the tree stays
    EXPECT_EQ(Editor->Selected_Device(), -1);
    EXPECT_EQ(Tree().value(1), "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01");
    Editor->hide();
}

// ---- Tree and details ---------------------------------------------------------------------------

// Clicking a device shows its tree with nothing selected; the grid follows the
// tree; catalogue entries that no longer exist leave their cells empty.
TEST_F(NetworkEditorTest, TreeAndDetailsGrid)
{
    Open_With(One(Make_Device("1", {{0xA5, 2, 1, {{1, "SW"}, {0, "HUM"}}}, {0xA5, 7, 1, {{0, "Gone"}}},
                                    {0xF6, 1, 2, {{5, "TMP"}}}, {0x11, 1, 1, {{0, "Lost"}}}})));
    Select_Device(0);
    EXPECT_EQ(Tree(), (QStringList{"Unidirectional - EEP List", "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01",
                                   "    Variable - SW", "    Variable - HUM",
                                   "  EEP - RORG : 0xA5 FUNC : 0x07 TYPE : 0x01", "    Variable - Gone",
                                   "  EEP - RORG : 0xF6 FUNC : 0x01 TYPE : 0x02", "    Variable - TMP",
                                   "  EEP - RORG : 0x11 FUNC : 0x01 TYPE : 0x01", "    Variable - Lost"}));
    EXPECT_EQ(Values(), QStringList(7, QString()));

    struct TCase { const char *Name; int Eep, Var; QStringList Values; };
    const TCase Cases[] = {
        {"Eep", 0, -1, {"0xA5 : Rorg 2", "0x02 : Func 2", "0x01 : Type 1", "", "", "", ""}},
        {"Variable", 0, 0, {"0xA5 : Rorg 2", "0x02 : Func 2", "0x01 : Type 1", "2 -> Alarm", "SW", "10", "3"}},
        {"SecondVariable", 0, 1, {"0xA5 : Rorg 2", "0x02 : Func 2", "0x01 : Type 1", "1 -> Normal", "HUM", "11", "3"}},
        {"FuncGone", 1, 0, {"0xA5 : Rorg 2", "", "", "", "Gone", "10", "3"}},
        {"CaseGone", 2, 0, {"0xF6 : Rorg 0", "0x01 : Func 1", "0x02 : Type 2", "", "TMP", "10", "3"}},
        {"RorgGone", 3, 0, {"", "", "", "", "Lost", "10", "3"}},
        {"Root", -1, -1, QStringList(7, QString())},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Click_Node(C.Eep, C.Var);
        EXPECT_EQ(Editor->Ind_EEP, C.Eep);
        EXPECT_EQ(Editor->Ind_Var, C.Var);
        EXPECT_EQ(Values(), C.Values);
    }
}

// Tab 1 shows the Ruzor AVI list in the tree; any other tab keeps the tree,
// while the grid and the flows use the Ruzor AVI list, so a position beyond
// it is no selection.
TEST_F(NetworkEditorTest, TabIndexChoosesTheList)
{
    Open_With(One(Make_Device("1", {{0xA5, 1, 1, {{0, "TMP"}}}, {0xA5, 2, 2, {{0, "HUM"}}}},
                              {{0xD2, 9, 2, {{1, "SW"}}}})));
    Select_Device(0);
    Click_Node(1, 0);
    EXPECT_EQ(Values()[4], "HUM");

    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(1);
    EXPECT_EQ(Editor->Ind_EEP, -1);
    EXPECT_EQ(Tree(), (QStringList{"Ruzor AVI - EEP List", "  EEP - RORG : 0xD2 FUNC : 0x09 TYPE : 0x02",
                                   "    Variable - SW"}));
    Click_Node(0, 0);
    EXPECT_EQ(Values(), (QStringList{"0xD2 : Rorg 3", "0x09 : Func 9", "0x02 : Type 2", "2 -> Alarm", "SW", "10", "3"}));

    // back to tab 0, then tab 2: the tree keeps the unidirectional list
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(0);
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(2);
    EXPECT_EQ(Editor->CT_Uni_Smart_Remote->ActiveTabIndex(), 2);
    EXPECT_EQ(Tree().value(0), "Unidirectional - EEP List");
    // EEP 0 of the tree is read from the Ruzor AVI list; EEP 1 lies beyond it
    Click_Node(0, 0);
    EXPECT_EQ(Values()[4], "SW");
    Click_Node(1, 0);
    EXPECT_EQ(Values(), QStringList(7, QString()));
    // remove and modify do nothing with such a position
    Editor->Btn_VariableClick(Editor->Btn_Remove_Variable);
    EXPECT_FALSE(Variable_Button(Editor->Btn_Modify_Variable, [] {}));
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Dev(0).SmartACKList.size(), 1u);
    EXPECT_EQ(Dev(0).UnidirectionalList[1]->VariableList.size(), 1u);
    // a valid position on tab 2 removes from the Ruzor AVI list with its own text
    Click_Node(0, 0);
    Boxes.Answers << TMsgResult::mrYes;
    Editor->Btn_VariableClick(Editor->Btn_Remove_Variable);
    EXPECT_EQ(Boxes.Texts(), QStringList{"Do You really want to remove the selected variable?"});
    EXPECT_TRUE(Dev(0).SmartACKList[0]->VariableList.empty());
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 1u);
}

// A right click on the strip opens its menu and moves no window; the menu
// lists the hidden Ruzor AVI page, and choosing it shows that list.
TEST_F(NetworkEditorTest, StripMenuReachesTheRuzorAviPage)
{
    Open_With(One(Make_Device("1", {{0xA5, 1, 1, {{0, "TMP"}}}}, {{0xD2, 9, 2, {{1, "SW"}}}})));
    Editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    Select_Device(0);
    QStringList Offered;
    Set_GlideTabs_Menu_Presenter([&](TCustomGlideTabs &Strip, const TGlideTabsPopupMenu &Menu, QPoint) {
        for (const TGlideTabsMenuItem &Item : Menu.Items) {
            Offered << Item.Caption;
            if (Item.Caption == QLatin1String("Ruzor AVI"))
                Strip.PopupMenuItemClick(Item.Tag);
        }
    });
    TGlideTabs *Strip = Editor->CT_Uni_Smart_Remote;
    const QPoint Background(Strip->width() - 200, Strip->height() / 2);
    ASSERT_EQ(Strip->HitTest(Background).HitTestArea, htBackground);
    QTest::mousePress(Strip, Qt::RightButton, {}, Background);
    // a press that started a window move would have stopped short of the strip's own press
    EXPECT_TRUE(Strip->HasState(stsMouseDown));
    QContextMenuEvent Menu(QContextMenuEvent::Mouse, Background, Strip->mapToGlobal(Background));
    QApplication::sendEvent(Strip, &Menu);
    QTest::mouseRelease(Strip, Qt::RightButton, {}, Background);
    Set_GlideTabs_Menu_Presenter(nullptr);
    EXPECT_EQ(Offered, (QStringList{"New tab", "-", "Unidirectional", "Ruzor AVI", "Remote"}));
    EXPECT_EQ(Strip->ActiveTabIndex(), 1);
    EXPECT_EQ(Tree(), (QStringList{"Ruzor AVI - EEP List", "  EEP - RORG : 0xD2 FUNC : 0x09 TYPE : 0x02",
                                   "    Variable - SW"}));
    Editor->hide();
}

// ---- Variable flows ----------------------------------------------------------------------------

// The variable buttons need a device.
TEST_F(NetworkEditorTest, VariableButtonsWithoutDeviceSay1231)
{
    Open_With(One(Make_Device("1", {})));
    for (TFxButton *B : {Editor->Btn_Add_Variable, Editor->Btn_Remove_Variable, Editor->Btn_Modify_Variable}) {
        Boxes.Shown.clear();
        EXPECT_FALSE(Variable_Button(B, [] {}));
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_EQ(Boxes.Shown[0].Text, "Error!! Insert or select one EnOcean Device");
    }
}

// The first variable of an EEP creates the entry; with the EEP selected the
// next add is preset to it and joins it.
TEST_F(NetworkEditorTest, AddVariableCreatesTheEepOnFirstUse)
{
    Open_With(One(Make_Device("1", {})));
    Select_Device(0);
    EXPECT_TRUE(Variable_Button(Editor->Btn_Add_Variable, [this] {
        EXPECT_EQ(Variable->Mode, 0);
        EXPECT_EQ(Variable->Uni_SAck, 0);
        Choose(2, 1, 0, 1, 1, "12", 5); // A5-02-01, Alarm, SW
        Variable->Btn_OKClick();
    }));
    ASSERT_EQ(Dev(0).UnidirectionalList.size(), 1u);
    const TRorFunTyp &E = *Dev(0).UnidirectionalList[0];
    EXPECT_EQ((std::vector<int>{E.FRorgNum, E.FFuncNum, E.FTypeNum}), (std::vector<int>{0xA5, 2, 1}));
    ASSERT_EQ(E.VariableList.size(), 1u);
    const TVarEnOcean &V = *E.VariableList[0];
    EXPECT_EQ(V.FData, "SW");
    EXPECT_EQ((std::vector<int>{V.FCaseIndex, V.FBitOffs, V.FBitSize, V.FPosition, V.FBitStart}),
              (std::vector<int>{1, 24, 1, 12, 5}));
    EXPECT_EQ(Tree(), (QStringList{"Unidirectional - EEP List", "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x01",
                                   "    Variable - SW"}));

    Click_Node(0);
    EXPECT_TRUE(Variable_Button(Editor->Btn_Add_Variable, [this] {
        EXPECT_EQ(Variable->CB_EEP_Type->currentIndex(), 0); // preset from the selected EEP
        Choose(-1, -1, -1, 0, 1, "13", 0);                  // Normal, HUM
        Variable->Btn_OKClick();
    }));
    ASSERT_EQ(Dev(0).UnidirectionalList.size(), 1u);
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 2u);
    EXPECT_EQ(Tree().value(3), "    Variable - HUM");

    // Cancel adds nothing
    EXPECT_TRUE(Variable_Button(Editor->Btn_Add_Variable, [this] { Variable->reject(); }));
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 2u);
}

// At most four EEP entries per device, both lists together; a variable for an
// EEP the device already has still fits. A duplicate variable is refused.
TEST_F(NetworkEditorTest, FourEepsAcrossBothListsAndDuplicates)
{
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}, {0xF6, 1, 2, {}}, {0xF6, 2, 1, {}}},
                              {{0xD2, 9, 1, {}}})));
    Select_Device(0);
    struct TCase { const char *Name; int Rorg, Func, Type, Case, Field; const char *Message; };
    const TCase Cases[] = {
        {"NewEepRefused", 2, 0, 0, 0, 0, "Error!! No more space for EEP"},
        {"DuplicateRefused", 0, 0, 0, 0, 0, "Error!! Variable already inserted in EEP"},
        {"ExistingEepTakesAVariable", 0, 0, 0, 1, 0, nullptr},
        {"OtherCaseSameFieldTaken", 0, 0, 1, 1, 0, nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        bool Still_Open = false;
        Variable_Button(Editor->Btn_Add_Variable, [&] {
            Choose(C.Rorg, C.Func, C.Type, C.Case, C.Field);
            Variable->Btn_OKClick();
            Still_Open = Variable->isVisible();
        });
        EXPECT_EQ(Still_Open, C.Message != nullptr);
        EXPECT_EQ(Boxes.Texts(), C.Message ? QStringList{C.Message} : QStringList{});
        EXPECT_EQ(Dev(0).EEP_Count(), 4);
    }
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 2u);
    EXPECT_EQ(Dev(0).UnidirectionalList[1]->VariableList.size(), 1u);
}

// Removing asks 1223 (EEP with variables), 1224 (without) or 1225 (variable);
// only Yes removes.
TEST_F(NetworkEditorTest, RemoveAsksAndActsOnlyOnYes)
{
    struct TCase { const char *Name; int Eep, Var; const char *Question; TMsgResult Answer; int Eeps, Vars0; };
    const TCase Cases[] = {
        {"EepWithVariablesNo", 0, -1, "Do you really want to remove the selected EEP and all its Variables?",
         TMsgResult::mrNo, 2, 2},
        {"EepWithVariablesYes", 0, -1, "Do you really want to remove the selected EEP and all its Variables?",
         TMsgResult::mrYes, 1, 0},
        {"EepWithoutVariablesYes", 1, -1, "Do you really want to remove the selected EEP?", TMsgResult::mrYes, 1, 2},
        {"VariableCancel", 0, 1, "Do You really want to remove the selected variable?", TMsgResult::mrCancel, 2, 2},
        {"VariableYes", 0, 1, "Do You really want to remove the selected variable?", TMsgResult::mrYes, 2, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}, {0, "HUM"}}}, {0xF6, 1, 2, {}}})));
        Select_Device(0);
        Click_Node(C.Eep, C.Var);
        Boxes.Answers << C.Answer;
        Editor->Btn_VariableClick(Editor->Btn_Remove_Variable);
        EXPECT_EQ(Boxes.Texts(), QStringList{C.Question});
        EXPECT_EQ(Boxes.Shown.value(0).Buttons, TMsgButtons::mbYesNoCancel);
        ASSERT_EQ(static_cast<int>(Dev(0).UnidirectionalList.size()), C.Eeps);
        const int Vars0 = static_cast<int>(Dev(0).UnidirectionalList[0]->VariableList.size());
        EXPECT_EQ(Vars0, C.Vars0);
        if (C.Eeps == 1 && C.Eep == 0) {
            EXPECT_EQ(Dev(0).UnidirectionalList[0]->FTypeNum, 2); // the other entry stays
        }
    }
    // with the root selected nothing is asked
    Click_Node(-1);
    Boxes.Shown.clear();
    Editor->Btn_VariableClick(Editor->Btn_Remove_Variable);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Modifying an EEP with variables asks first: No ends the flow; Yes then
// Cancel keeps the variables; Yes then OK drops them and takes the new EEP.
TEST_F(NetworkEditorTest, ModifyEepAsksAboutItsVariables)
{
    struct TCase { const char *Name; TMsgResult Answer; bool Confirm_Dialog; bool Opened; int Vars; int Type; };
    const TCase Cases[] = {
        {"No", TMsgResult::mrNo, false, false, 1, 1},
        {"YesThenCancel", TMsgResult::mrYes, false, true, 1, 1},
        {"YesThenOk", TMsgResult::mrYes, true, true, 0, 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}})));
        Select_Device(0);
        Click_Node(0);
        Boxes.Answers << C.Answer;
        const bool Opened = Variable_Button(Editor->Btn_Modify_Variable, [&] {
            EXPECT_EQ(Variable->Mode, 1);
            EXPECT_EQ(Variable->Modify_EEP_Var, 0);
            EXPECT_FALSE(Variable->CB_Var_Case->isEnabled());
            EXPECT_EQ(Variable->CB_EEP_Type->currentIndex(), 0);
            Pick(Variable->CB_EEP_Type, 1);
            if (C.Confirm_Dialog)
                Variable->Btn_OKClick();
        });
        EXPECT_EQ(Boxes.Texts().value(0), "Do You really want to remove the variables for this EEP?");
        EXPECT_EQ(Opened, C.Opened);
        const TRorFunTyp &E = *Dev(0).UnidirectionalList[0];
        EXPECT_EQ(static_cast<int>(E.VariableList.size()), C.Vars);
        EXPECT_EQ(E.FTypeNum, C.Type);
    }
}

// Modifying a variable keeps its EEP and may change only its position or
// start bit (the variable itself is left out of the duplicate test).
TEST_F(NetworkEditorTest, ModifyVariableChangesItInPlace)
{
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}, {0, "HUM"}}}})));
    Select_Device(0);
    Click_Node(0, 1);
    EXPECT_TRUE(Variable_Button(Editor->Btn_Modify_Variable, [this] {
        EXPECT_EQ(Variable->Modify_EEP_Var, 1);
        EXPECT_FALSE(Variable->CB_EEP_Type->isEnabled());
        EXPECT_EQ(Variable->E_Var_Position->text(), "11");
        Variable->E_Var_Position->setText("40");
        Variable->CB_Var_BitStart->setCurrentIndex(7);
        Variable->Btn_OKClick();
    }));
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << qPrintable(Boxes.Texts().join('|'));
    const TVarEnOcean &V = *Dev(0).UnidirectionalList[0]->VariableList[1];
    EXPECT_EQ(V.FData, "HUM");
    EXPECT_EQ(V.FPosition, 40);
    EXPECT_EQ(V.FBitStart, 7);
    // turning it into the other variable of the entry is refused
    Click_Node(0, 1);
    bool Still_Open = false;
    Variable_Button(Editor->Btn_Modify_Variable, [&] {
        Pick(Variable->CB_Var_Variable, 0); // TMP
        Variable->E_Var_Position->setText("41");
        Variable->Btn_OKClick();
        Still_Open = Variable->isVisible();
    });
    EXPECT_TRUE(Still_Open);
    EXPECT_EQ(Boxes.Texts(), QStringList{"Error!! Variable already inserted in EEP"});
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList[1]->FData, "HUM");
}

// A device may hold one EEP twice: a modified variable is checked against
// its own entry, not the first entry of that EEP.
TEST_F(NetworkEditorTest, ModifiedVariableIsCheckedInItsOwnEntry)
{
    struct TCase { const char *Name; int Field; const char *Message; const char *Data; };
    const TCase Cases[] = {
        // HUM is already in the entry: refused, though the first entry lacks it
        {"DuplicateInOwnEntryRefused", 1, "Error!! Variable already inserted in EEP", "TMP"},
        // keeping its own field, which the first entry holds too: taken
        {"OwnFieldNewPositionTaken", 0, nullptr, "TMP"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}, {0xF6, 1, 1, {{0, "TMP"}, {0, "HUM"}}}})));
        Select_Device(0);
        Click_Node(1, 0);
        Variable_Button(Editor->Btn_Modify_Variable, [&] {
            Pick(Variable->CB_Var_Variable, C.Field);
            Variable->E_Var_Position->setText("30");
            Variable->Btn_OKClick();
        });
        EXPECT_EQ(Boxes.Texts(), C.Message ? QStringList{C.Message} : QStringList{});
        const TVarEnOcean &V = *Dev(0).UnidirectionalList[1]->VariableList[0];
        EXPECT_EQ(V.FData, C.Data);
        EXPECT_EQ(V.FPosition, C.Message ? 10 : 30);
    }
}

// On the Ruzor AVI tab the flows work on the Ruzor AVI list: the variable
// dialog shows the fixed EEP, and an EEP with variables asks its own text.
TEST_F(NetworkEditorTest, RuzorAviModifyFlows)
{
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {{0, "TMP"}}}}, {{0xD2, 9, 1, {{0, "TMP"}, {1, "SW"}}}})));
    Select_Device(0);
    Editor->CT_Uni_Smart_Remote->SetActiveTabIndex(1);
    Click_Node(0, 1);
    EXPECT_TRUE(Variable_Button(Editor->Btn_Modify_Variable, [this] {
        EXPECT_EQ(Variable->Uni_SAck, 1);
        EXPECT_EQ(Variable->CB_EEP_Rorg->currentIndex(), 3);
        EXPECT_EQ(Variable->CB_EEP_Func->currentIndex(), 9);
        EXPECT_FALSE(Variable->CB_EEP_Func->isEnabled());
        EXPECT_EQ(Variable->CB_Var_Variable->currentText(), "SW : 24, 1");
        Variable->E_Var_Position->setText("99");
        Variable->Btn_OKClick();
    }));
    EXPECT_EQ(Dev(0).SmartACKList[0]->VariableList[1]->FPosition, 99);

    Click_Node(0);
    Boxes.Answers << TMsgResult::mrYes;
    EXPECT_TRUE(Variable_Button(Editor->Btn_Modify_Variable, [this] {
        Pick(Variable->CB_EEP_Type, 1);
        Variable->Btn_OKClick();
    }));
    EXPECT_EQ(Boxes.Texts(), QStringList{"Do You really want to remove the variables for this EEP?"});
    EXPECT_EQ(Dev(0).SmartACKList[0]->FTypeNum, 2);
    EXPECT_TRUE(Dev(0).SmartACKList[0]->VariableList.empty());
    EXPECT_EQ(Dev(0).UnidirectionalList[0]->VariableList.size(), 1u);
    EXPECT_EQ(Tree().value(1), "  EEP - RORG : 0xD2 FUNC : 0x09 TYPE : 0x02");
}

// ---- The file ------------------------------------------------------------------------------------

// Ruzor AVI entries of the file are saved again unchanged.
TEST_F(NetworkEditorTest, OkKeepsRuzorAviEntries)
{
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {}}}, {{0xD2, 9, 1, {{0, "TMP"}}}})));
    const QByteArray Before = Read_File(File_EnOcean);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    EXPECT_EQ(Read_File(File_EnOcean), Before);
}

// A save that fails says why and keeps the window open with the devices.
TEST_F(NetworkEditorTest, FailedSaveIsReportedAndKeepsTheWindowOpen)
{
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {}}}, {})));
    const QByteArray Before = Read_File(File_EnOcean);
    // A folder in the file's place: nothing can be written there.
    File_EnOcean = Dir.filePath("Busy");
    ASSERT_TRUE(QDir(Dir.path()).mkdir("Busy"));
    Editor->setResult(-1);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), -1);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(1235)));
    EXPECT_EQ(Ids(), QStringList{"1"});
    EXPECT_EQ(Read_File(Dir.filePath("EnOcean.xml")), Before);
}

// A full disk: OK says why (the system's reason), keeps the window open and
// the file as it was, and leaves no temporary file behind.
TEST_F(NetworkEditorTest, SaveOnAFullDiskKeepsTheFileAndTheWindow)
{
    TSmall_Disk Disk;
    if (!Disk.Mounted())
        GTEST_SKIP() << qPrintable(Disk.Why_Not());
    File_EnOcean = Disk.File_Path("EnOcean.xml");
    Open_With(One(Make_Device("1", {{0xF6, 1, 1, {}}}, {{0xD2, 9, 1, {{0, "TMP"}}}})));
    const QByteArray Before = Read_File(File_EnOcean);
    ASSERT_FALSE(Before.isEmpty());
    ASSERT_TRUE(Disk.Fill());
    Editor->setResult(-1);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), -1);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(1235)));
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << Boxes.Shown[0].Text.toStdString();
    EXPECT_EQ(Read_File(File_EnOcean), Before);
    EXPECT_EQ(Disk.Files(), QStringList{"EnOcean.xml"});
    EXPECT_EQ(Ids(), QStringList{"1"});
}

// A file read only up to a fault is reported over the editor once it is on
// screen (not while it is still being shown); OK replaces it only after Yes.
TEST_F(NetworkEditorTest, PartlyReadFileIsReportedAndReplacedOnlyOnYes)
{
    const QByteArray Content =
        "<EnOcean><DevicesList>"
        "<Device Id=\"1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" "
        "DataCript=\"0\" PTM=\"0\"/>"
        "<Device Id=\"2\" Secure_Type=\"0\" RollCodeAlg=\"0\"/>"
        "</DevicesList></EnOcean>";
    Write_File(File_EnOcean, Content);
    // Records where each box stood: its parent, and whether that was on screen.
    struct TWhere_Boxes : TFakeMessageBoxes
    {
        QList<QWidget *> Parents;
        QList<bool> Parent_On_Screen;
        TMsgResult Show(QWidget *Parent, TMsgKind Kind, const QString &Caption, const QString &Text,
                        TMsgButtons Buttons) override
        {
            Parents << Parent;
            Parent_On_Screen << (Parent && Parent->isVisible() && Parent->windowHandle()
                                 && Parent->windowHandle()->isExposed());
            return TFakeMessageBoxes::Show(Parent, Kind, Caption, Text, Buttons);
        }
    } Where;
    Set_Message_Boxes(&Where);
    Editor->show();
    EXPECT_TRUE(Where.Shown.isEmpty()); // not while the editor is being shown
    EXPECT_EQ(Ids(), QStringList{"1"});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    QApplication::processEvents();
    Set_Message_Boxes(&Boxes);
    ASSERT_EQ(Where.Shown.size(), 1);
    EXPECT_EQ(Where.Parents[0], Editor.get());
    EXPECT_TRUE(Where.Parent_On_Screen[0]);
    EXPECT_EQ(Where.Shown[0].Kind, TMsgKind::mkWarning);
    EXPECT_TRUE(Where.Shown[0].Text.startsWith(Lang_Text(1232)));
    EXPECT_TRUE(Where.Shown[0].Text.contains("RollCodeTx")) << qPrintable(Where.Shown[0].Text);
    // each showing reads the file again and warns once, however often the window is exposed
    Editor->hide();
    Editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    QApplication::processEvents();
    Editor->update();
    QApplication::processEvents();
    EXPECT_EQ(Boxes.Shown.size(), 1);
    Editor->hide();
    Boxes.Shown.clear();

    Boxes.Shown.clear();
    Boxes.Answers << TMsgResult::mrNo;
    Editor->setResult(-1);
    Editor->Btn_OKClick();
    EXPECT_EQ(Boxes.Texts(), QStringList{Lang_Text(1233)});
    EXPECT_EQ(Editor->result(), -1);
    EXPECT_EQ(Read_File(File_EnOcean), Content);

    Boxes.Answers << TMsgResult::mrYes;
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    EXPECT_NE(Read_File(File_EnOcean), Content);
}

// A megabyte-long Id, Key or Data (the list once laid it out on every paint,
// 12.5 s each) is refused by the reader: the device is not shown, and the
// reason the warning quotes holds no more of it than a line's worth.
TEST_F(NetworkEditorTest, HugeTextsNeverReachTheWindow)
{
    const QByteArray Huge(1 << 20, 'A');
    const QByteArray Attributes =
        "Id=\"ID\" Secure_Type=\"1\" Key=\"KEY\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"";
    const QByteArray Eep = "<UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
                           "<Variable CaseInd=\"0\" Data=\"DATA\" BitOffs=\"0\" BitSize=\"1\" Position=\"0\" BitStart=\"0\"/>"
                           "</VariablesList></RorgFuncType></UnidirectionalList>";
    auto Device_Xml = [&](const char *Id, const QByteArray &Key, const QByteArray &Data) {
        QByteArray A = Attributes;
        QByteArray E = Eep;
        return "<Device " + A.replace("\"ID\"", "\"" + QByteArray(Id) + "\"").replace("\"KEY\"", "\"" + Key + "\"") + ">"
               + E.replace("\"DATA\"", "\"" + Data + "\"") + "</Device>";
    };
    struct TCase { const char *Name; QByteArray Second; };
    const TCase Cases[] = {
        {"HugeId", Device_Xml(Huge.constData(), "k", "d")},
        {"HugeKey", Device_Xml("2", Huge, "d")},
        {"HugeData", Device_Xml("2", "k", Huge)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_File(File_EnOcean, "<EnOcean><DevicesList>" + Device_Xml("1", "k", "d") + C.Second + "</DevicesList></EnOcean>");
        Editor->FormShow();
        EXPECT_EQ(Ids(), QStringList{"1"});
        EXPECT_EQ(Editor->Last_Load().Kind, TEnOcean_Load_Result::elPartial);
        EXPECT_LT(Editor->Last_Load().Reason.size(), 300);
        Select_Device(0);
        Click_Node(0, 0);
        EXPECT_EQ(Editor->SG_EEP_Var->GetCellEx(1, 6), "d");
    }
}

// The editor opens at 1150 x 410 with the device pane 273 and the tree 369
// pixels wide; the panes follow the window's size, and OK and Cancel stay
// centred under it.
TEST_F(NetworkEditorTest, PanesFollowTheWindow)
{
    Open();
    struct TCase
    {
        const char *Name;
        QSize Size;
        int Device_Pane; // -1: not checked (the user's division may have been scaled)
        int Tree_Pane;
    };
    const TCase Cases[] = {
        {"AsOpened", QSize(1150, 410), 273, 369},
        {"Maximised", QSize(1400, 600), -1, -1},
        {"BackToNormal", QSize(1150, 410), -1, -1},
    };
    Editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Editor.get()));
    EXPECT_EQ(Editor->size(), QSize(1150, 410)); // as created
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Editor->resize(C.Size);
        QApplication::processEvents();
        const int W = C.Size.width(), H = C.Size.height();
        EXPECT_EQ(Editor->size(), C.Size);
        EXPECT_EQ(Editor->P_Title->geometry(), QRect(0, 0, W, 69));
        EXPECT_EQ(Editor->Splitter1->geometry(), QRect(0, 69, W, H - 69 - 40));
        EXPECT_EQ(Editor->P_Button->geometry(), QRect(0, H - 40, W, 40));
        EXPECT_EQ(Editor->Btn_OK->geometry(), QRect(W / 2 - 116, 6, 110, 28));
        EXPECT_EQ(Editor->Btn_Cancel->geometry(), QRect(W / 2 + 6, 6, 110, 28));
        EXPECT_EQ(Editor->LB_ID_Devices_List->geometry().bottom() + 1, H - 69 - 40 - 8);
        EXPECT_EQ(Editor->CT_Uni_Smart_Remote->geometry(), QRect(0, 0, Editor->PEnOcean_Data->width(), 30));
        EXPECT_EQ(Editor->Splitter2->geometry().bottom() + 1, H - 69 - 40);
        if (C.Device_Pane >= 0) {
            EXPECT_EQ(Editor->PEnOcean_ID->width(), C.Device_Pane);
            EXPECT_EQ(Editor->TW_UniSmart_EEP->width(), C.Tree_Pane);
            // the device buttons over the list, the variable buttons under the strip
            EXPECT_EQ(Editor->LB_ID_Devices_List->geometry(), QRect(8, 62, C.Device_Pane - 16, H - 69 - 40 - 70));
            EXPECT_EQ(Editor->Btn_Remove_Device->pos(), QPoint(46, 28));
            EXPECT_EQ(Editor->Btn_Modify_Device->pos(), QPoint(84, 28));
            EXPECT_EQ(Editor->Btn_Add_Variable->pos(), QPoint(8, 36));
            EXPECT_EQ(Editor->Splitter2->geometry().top(), 70);
        }
        for (TFxButton *B : {Editor->Btn_Add_Device, Editor->Btn_Add_Variable, Editor->Btn_Modify_Variable})
            EXPECT_EQ(B->size(), QSize(34, 28)) << B->objectName().toStdString();
    }
    Editor->hide();
}

// ---- Pictures ------------------------------------------------------------------------------------

TEST_F(NetworkEditorTest, Screenshots)
{
    Open_With(One(Make_Device("0x0180ABCD", {{0xA5, 2, 1, {{1, "SW"}, {0, "HUM"}}}, {0xF6, 1, 2, {}}})));
    Editor->show();
    QApplication::processEvents();
    Select_Device(0);
    Click_Node(0, 0);
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), "network_editor")), Editor.get());
    EXPECT_TRUE(While_Dialog(Device.get(), [this] {
        Device->CB_DevEnOcean_SecType->setCurrentIndex(2);
        QApplication::processEvents();
        Expect_Window_Picture(QImage(Save_Screenshot(Device.get(), "network_editor_device_dialog")), Device.get());
    }, [this] { Editor->Btn_DeviceClick(Editor->Btn_Modify_Device); }));
    Click_Node(0, 1);
    EXPECT_TRUE(Variable_Button(Editor->Btn_Modify_Variable, [this] {
        QApplication::processEvents();
        Expect_Window_Picture(QImage(Save_Screenshot(Variable.get(), "network_editor_variable_dialog")), Variable.get());
    }));
    Editor->hide();
}

} // namespace
