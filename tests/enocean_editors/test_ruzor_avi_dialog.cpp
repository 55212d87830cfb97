// The Ruzor AVI dialog: fixed RORG and FUNC, the TYPE and case cascade, the
// two tables, its check, and the network editor's Ruzor AVI add flow.
#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/UEnOcean_RuzorAVI.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RuzorAviDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        Make_Dialog(Editor_Catalogue_Xml());
    }
    void TearDown() override
    {
        Dialog.reset();
        Reset_Workspace();
    }
    void Make_Dialog(const QByteArray &Xml)
    {
        Dialog.reset();
        Catalog = std::make_unique<TCatalog_EnOcean>();
        Write_File(Dir.filePath("eep.xml"), Xml);
        Catalog->Read_Cat_EnOcean_XML(Dir.filePath("eep.xml"));
        Dialog = std::make_unique<TFEnOcean_Variable_SAck>(Catalog.get());
        Devices.clear();
        Devices.push_back(Make_Device("1", {}));
        Dialog->DevList = &Devices;
        Dialog->Ind_Device = 0;
    }
    QStringList Row(TSAck_Table *G, int R) const
    {
        QStringList L;
        for (int C = 0; C < 4; ++C)
            L << G->Cells(C, R);
        return L;
    }
    // OK with the given device state; true when the dialog closed.
    bool Ok()
    {
        Dialog->setResult(-1);
        Dialog->Btn_OKClick();
        return Dialog->result() == QDialog::Accepted;
    }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    std::unique_ptr<TCatalog_EnOcean> Catalog;
    TDevice_List Devices;
    std::unique_ptr<TFEnOcean_Variable_SAck> Dialog;
};

TEST_F(RuzorAviDialogTest, CreationAndShow)
{
    EXPECT_EQ(Dialog->objectName(), "FEnOcean_Variable_SAck");
    EXPECT_EQ(Dialog->size(), QSize(464, 694));
    EXPECT_EQ(Dialog->Form_Height, 694);
    EXPECT_EQ(Dialog->L_SW_Desc->text(), "Add EnOcean Device");
    EXPECT_EQ(Dialog->Label1->text(), "Variables Ruzor Avi - Case OUT");
    EXPECT_EQ(Dialog->CB_EEP_Rorg->count(), 4);
    for (TSAck_Table *G : {Dialog->CG_Vars_Case_IN, Dialog->CG_Vars_Case_OUT}) {
        EXPECT_EQ(Row(G, 0), (QStringList{"Variables", "Enable", "Position", "Bit Start"}));
        EXPECT_EQ(G->ColCount(), 4);
        EXPECT_EQ(G->ColWidths(0), 100);
        EXPECT_EQ(G->ColWidths(1), 45);
        EXPECT_EQ(G->ColWidths(3), 64);
        EXPECT_EQ(G->RowCount(), 2);
        EXPECT_EQ(G->Columns().Items(1)->Editor(), edDataCheckBox);
        EXPECT_EQ(G->Columns().Items(1)->Alignment(), taCenter);
        EXPECT_EQ(G->Columns().Items(3)->Editor(), edComboList);
        EXPECT_EQ(G->Columns().Items(3)->ComboItems(),
                  (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
        EXPECT_EQ(G->Columns().Items(0)->Editor(), edNormal);
    }
    Dialog->FormShow();
    EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), 3);
    EXPECT_EQ(Dialog->CB_EEP_Func->currentText(), "0x09 : Func 9");
    EXPECT_FALSE(Dialog->CB_EEP_Rorg->isEnabled());
    EXPECT_FALSE(Dialog->CB_EEP_Func->isEnabled());
    EXPECT_EQ(Dialog->CB_EEP_Type->count(), 2);
    EXPECT_EQ(Dialog->CB_EEP_Type->currentIndex(), -1);
}

// TYPE fills both case lists and clears both tables; a case fills its table
// with one enabled row per data field; a case without fields changes nothing.
TEST_F(RuzorAviDialogTest, CascadeAndTables)
{
    Dialog->FormShow();
    Pick(Dialog->CB_EEP_Type, 1);
    EXPECT_EQ(Dialog->CB_Var_Case_IN->count(), 2);
    EXPECT_EQ(Dialog->CB_Var_Case_OUT->itemText(1), "2 -> Alarm");
    Pick(Dialog->CB_Var_Case_IN, 1);
    ASSERT_EQ(Dialog->CG_Vars_Case_IN->RowCount(), 3);
    EXPECT_EQ(Row(Dialog->CG_Vars_Case_IN, 1), (QStringList{"TMP : 0, 8", "Y", "", "0"}));
    EXPECT_EQ(Row(Dialog->CG_Vars_Case_IN, 2), (QStringList{"SW : 24, 1", "Y", "", "0"}));
    EXPECT_EQ(Dialog->CG_Vars_Case_OUT->RowCount(), 2);
    Pick(Dialog->CB_Var_Case_OUT, 0);
    EXPECT_EQ(Dialog->CG_Vars_Case_OUT->Cells(0, 2), "HUM : 8, 8");
    // the enabled rows are those with a name and "Y"
    Dialog->CG_Vars_Case_IN->Set_Cells(1, 1, "N");
    EXPECT_EQ(Dialog->Enabled_Rows(Dialog->CG_Vars_Case_IN), QList<int>{2});
    Dialog->Table_Show_Vars(Dialog->CG_Vars_Case_IN, {});
    EXPECT_EQ(Dialog->CG_Vars_Case_IN->RowCount(), 3);
    // another TYPE clears both tables to one empty row
    Pick(Dialog->CB_EEP_Type, 0);
    for (TSAck_Table *G : {Dialog->CG_Vars_Case_IN, Dialog->CG_Vars_Case_OUT}) {
        EXPECT_EQ(G->RowCount(), 2);
        EXPECT_EQ(Row(G, 1), QStringList(4, QString()));
    }
}

// The check: a complete EEP, at most four entries per device, the device
// needed; an existing entry is found.
TEST_F(RuzorAviDialogTest, CheckData)
{
    Dialog->FormShow();
    struct TCase { const char *Name; int Type; int Uni_Entries; bool Existing; int Device; const char *Message; int Index; };
    const TCase Cases[] = {
        {"NoType", -1, 0, false, 0, "Error!! Please select the Type", -1},
        {"NoDevice", 0, 0, false, -1, "Error!! Insert or select one EnOcean Device", -1},
        {"New", 0, 0, false, 0, nullptr, -1},
        {"FifthRefused", 0, 4, false, 0, "Error!! No more space for EEP", -1},
        {"ExistingFits", 0, 3, true, 0, nullptr, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Devices.clear();
        Devices.push_back(Make_Device("1", {}));
        for (int I = 0; I < C.Uni_Entries; ++I)
            Devices[0]->UnidirectionalList.push_back(std::make_unique<TRorFunTyp>());
        if (C.Existing) {
            auto E = std::make_unique<TRorFunTyp>();
            E->FRorgNum = 0xD2;
            E->FFuncNum = 9;
            E->FTypeNum = 1;
            Devices[0]->SmartACKList.push_back(std::move(E));
        }
        Dialog->Ind_Device = C.Device;
        Dialog->CB_EEP_Type->setCurrentIndex(C.Type);
        Boxes.Shown.clear();
        EXPECT_EQ(Ok(), C.Message == nullptr);
        EXPECT_EQ(Boxes.Texts(), C.Message ? QStringList{C.Message} : QStringList{});
        EXPECT_EQ(Dialog->EEP_Index, C.Index);
    }
}

// A catalogue without the fixed RORG or FUNC leaves the lists empty and OK refused.
TEST_F(RuzorAviDialogTest, ShortCatalogueRefusesOk)
{
    const QByteArray Full = Editor_Catalogue_Xml();
    // the last RORG's tenth FUNC cut out
    const qsizetype Func9 = Full.indexOf(" <func><number>9</number>");
    const qsizetype Func9_End = Full.indexOf(" </func>\n", Func9) + 9;
    struct TCase { const char *Name; QByteArray Xml; int Rorg; int Funcs; const char *Message; };
    const TCase Cases[] = {
        {"ThreeRorgs", Full.left(Full.lastIndexOf("<rorg>")) + "</profile>\n", -1, 0,
         "Error!! Please select the Rorg"},
        {"NineFuncs", Full.left(Func9) + Full.mid(Func9_End), 3, 9, "Error!! Please select the Func"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Make_Dialog(C.Xml);
        Dialog->FormShow();
        EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), C.Rorg);
        EXPECT_EQ(Dialog->CB_EEP_Func->count(), C.Funcs);
        EXPECT_EQ(Dialog->CB_EEP_Func->currentIndex(), -1);
        EXPECT_EQ(Dialog->CB_EEP_Type->count(), 0);
        Boxes.Shown.clear();
        EXPECT_FALSE(Ok());
        EXPECT_EQ(Boxes.Texts(), QStringList{C.Message});
    }
}

// 464 x 694: the lists 307 pixels wide at 134 with their labels at 16, the
// headings at 70, 206 and 438, the two tables 425 x 137 at 272 and 504 with
// columns of 100, 45, 100 and 64; OK and Cancel 110 x 28 centred.
TEST_F(RuzorAviDialogTest, ControlsStandAtTheirPlaces)
{
    Dialog->show();
    QApplication::processEvents();
    EXPECT_EQ(Dialog->size(), QSize(464, 694));
    const auto &D = *Dialog;
    struct TPlace
    {
        const char *Name;
        QWidget *Widget;
        QRect Place;
    };
    const TPlace Places[] = {
        {"P_Title", D.P_Title, QRect(0, 0, 464, 69)},
        {"L_EEP", D.L_EEP, QRect(16, 70, 432, 16)},
        {"L_EEP_RORG", D.L_EEP_RORG, QRect(16, 102, 114, 16)},
        {"CB_EEP_Rorg", D.CB_EEP_Rorg, QRect(134, 99, 307, 22)},
        {"CB_EEP_Func", D.CB_EEP_Func, QRect(134, 127, 307, 22)},
        {"CB_EEP_Type", D.CB_EEP_Type, QRect(134, 155, 307, 22)},
        {"L_Variable", D.L_Variable, QRect(16, 206, 432, 16)},
        {"L_Var_CASE", D.L_Var_CASE, QRect(16, 238, 114, 16)},
        {"CB_Var_Case_IN", D.CB_Var_Case_IN, QRect(134, 235, 307, 22)},
        {"CG_Vars_Case_IN", D.CG_Vars_Case_IN, QRect(16, 272, 425, 137)},
        {"Label1", D.Label1, QRect(16, 438, 432, 16)},
        {"Label2", D.Label2, QRect(16, 470, 114, 16)},
        {"CB_Var_Case_OUT", D.CB_Var_Case_OUT, QRect(134, 467, 307, 22)},
        {"CG_Vars_Case_OUT", D.CG_Vars_Case_OUT, QRect(16, 504, 425, 137)},
        {"P_Button", D.P_Button, QRect(0, 654, 464, 40)},
        {"Btn_OK", D.Btn_OK, QRect(116, 6, 110, 28)},
        {"Btn_Cancel", D.Btn_Cancel, QRect(238, 6, 110, 28)},
    };
    for (const TPlace &P : Places) {
        SCOPED_TRACE(P.Name);
        EXPECT_EQ(P.Widget->geometry(), P.Place);
    }
    for (TSAck_Table *G : {D.CG_Vars_Case_IN, D.CG_Vars_Case_OUT}) {
        SCOPED_TRACE(G->objectName().toStdString());
        EXPECT_EQ((QList<int>{G->ColWidths(0), G->ColWidths(1), G->ColWidths(2), G->ColWidths(3)}),
                  (QList<int>{100, 45, 100, 64}));
    }
    Dialog->hide();
}

// Only the width follows the user; the height stays.
TEST_F(RuzorAviDialogTest, ResizesInWidthOnly)
{
    Dialog->show();
    Dialog->resize(600, 800);
    QApplication::processEvents();
    EXPECT_EQ(Dialog->height(), 694);
    EXPECT_EQ(Dialog->width(), 600);
    EXPECT_GT(Dialog->CG_Vars_Case_IN->width(), 425);
    // OK and Cancel stay centred
    EXPECT_EQ(Dialog->Btn_OK->geometry(), QRect(300 - 116, 6, 110, 28));
    EXPECT_EQ(Dialog->Btn_Cancel->geometry(), QRect(300 + 6, 6, 110, 28));
    Dialog->hide();
}

TEST_F(RuzorAviDialogTest, Screenshot)
{
    Dialog->show();
    Pick(Dialog->CB_EEP_Type, 0);
    Pick(Dialog->CB_Var_Case_IN, 0);
    Pick(Dialog->CB_Var_Case_OUT, 1);
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Dialog.get(), "ruzor_avi_dialog")), Dialog.get());
    Dialog->hide();
}

// The editor's Ruzor AVI add: the EEP entry is created when new; the user is
// told the variables are not stored; Cancel changes nothing.
TEST_F(RuzorAviDialogTest, EditorAddFlow)
{
    File_EnOcean = Dir.filePath("EnOcean.xml");
    TDevice_List File;
    File.push_back(Make_Device("1", {{0xF6, 1, 1, {}}}));
    ASSERT_TRUE(Save_EnOcean_File(File_EnOcean, File));
    TFEnOcean_SetAccess2 Editor;
    Editor.SAck_Dialog = Dialog.get();
    Editor.Catalog = Catalog.get();
    Editor.FormShow();
    Editor.LB_ID_Devices_List->setCurrentRow(0);
    Editor.LB_ID_Devices_ListClick();
    Editor.CT_Uni_Smart_Remote->SetActiveTabIndex(1);

    struct TCase { const char *Name; bool Confirm; int Type; size_t Entries; };
    const TCase Cases[] = {
        {"Cancel", false, 0, 0},
        {"NewEep", true, 1, 1},
        {"SameEepAgain", true, 1, 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        EXPECT_TRUE(While_Dialog(
            Dialog.get(),
            [&] {
                EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), 3);
                Pick(Dialog->CB_EEP_Type, C.Type);
                Pick(Dialog->CB_Var_Case_IN, 0);
                if (C.Confirm)
                    Dialog->Btn_OKClick();
            },
            [&] { Editor.Btn_VariableClick(Editor.Btn_Add_Variable); }));
        EXPECT_EQ(Editor.DevList[0]->SmartACKList.size(), C.Entries);
        EXPECT_EQ(Boxes.Texts(), C.Confirm ? QStringList{Lang_Text(1234)} : QStringList{});
    }
    const TRorFunTyp &E = *Editor.DevList[0]->SmartACKList[0];
    EXPECT_EQ((std::vector<int>{E.FRorgNum, E.FFuncNum, E.FTypeNum}), (std::vector<int>{0xD2, 9, 2}));
    EXPECT_TRUE(E.VariableList.empty());
    EXPECT_EQ(Editor.DevList[0]->UnidirectionalList.size(), 1u);
}

} // namespace
