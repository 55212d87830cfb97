#include "EditorTestSupport.h"
#include "workspace/Workspace.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Network.h"
#include "editors/UEnOcean_Variable.h"
#include "platform/MessageBox.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class VariableDialogTest : public ::testing::Test
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
        const QString Path = Dir.filePath("eep.xml");
        Write_File(Path, Xml);
        Catalog->Read_Cat_EnOcean_XML(Path);
        Devices.clear();
        Devices.push_back(std::make_unique<TDevice_EnOcean>());
        Dialog = std::make_unique<TFEnOcean_Variable>(Catalog.get());
        Dialog->DevList = &Devices;
        Dialog->Ind_Device = 0;
    }
    TDevice_EnOcean &Dev() { return *Devices[0]; }
    // The user picks an item of a list (the cascade runs as on a real choice).
    void Pick(QComboBox *List, int Index)
    {
        List->setCurrentIndex(Index);
        Dialog->CB_EEP_Var_Change(List);
    }
    // Picks a whole EEP and, when Case is 0 or more, a case and data field.
    void Pick_All(int Rorg, int Func, int Type, int Case = -1, int Field = -1, const char *Position = "5")
    {
        Pick(Dialog->CB_EEP_Rorg, Rorg);
        Pick(Dialog->CB_EEP_Func, Func);
        Pick(Dialog->CB_EEP_Type, Type);
        if (Case >= 0) {
            Pick(Dialog->CB_Var_Case, Case);
            Pick(Dialog->CB_Var_Variable, Field);
        }
        Dialog->E_Var_Position->setText(QString::fromLatin1(Position));
    }
    void Show()
    {
        Dialog->show();
        QApplication::processEvents();
    }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    std::unique_ptr<TCatalog_EnOcean> Catalog;
    TDevice_List Devices;
    std::unique_ptr<TFEnOcean_Variable> Dialog;
};

// ---- Lists and cascade ---------------------------------------------------------------

// The RORG list is the catalogue's, nothing chosen; the start bit offers 0 to 7.
TEST_F(VariableDialogTest, CreationFillsRorgAndStartBit)
{
    EXPECT_EQ(Dialog->CB_EEP_Rorg->count(), 4);
    EXPECT_EQ(Dialog->CB_EEP_Rorg->itemText(0), "0xF6 : Rorg 0");
    EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), -1);
    ASSERT_EQ(Dialog->CB_Var_BitStart->count(), 8);
    EXPECT_EQ(Dialog->CB_Var_BitStart->itemText(7), "7");
    EXPECT_EQ(Dialog->CB_Var_BitStart->currentIndex(), 0);
    EXPECT_EQ(Dialog->windowTitle(), "Add EnOcean Variable");
    EXPECT_EQ(Dialog->L_Var_BitStart->text(), "Bit Start");
    EXPECT_EQ(Dialog->CB_EEP_Rorg->toolTip(), "Select the Radio ORG");
    EXPECT_TRUE(Dialog->CB_Var_Case->toolTip().isEmpty()); // a blank hint is no hint
}

// 460 x 390: each list at its top with its label at 16, the fields 307
// pixels wide at 134, the headings at 70 and 206; title 69, buttons 40 high
// with OK and Cancel 110 x 28 centred.
TEST_F(VariableDialogTest, ControlsStandAtTheirPlaces)
{
    Show();
    EXPECT_EQ(Dialog->size(), QSize(460, 390));
    struct TRow
    {
        const char *Name;
        QLabel *Label;
        QWidget *Field;
        int Top;
        int Field_Height; // the position edit 21, lists 22
    };
    const auto &D = *Dialog;
    const TRow Rows[] = {
        {"Rorg", D.L_EEP_RORG, D.CB_EEP_Rorg, 99, 22},
        {"Func", D.L_EEP_FUNC, D.CB_EEP_Func, 127, 22},
        {"Type", D.L_EEP_TYPE, D.CB_EEP_Type, 155, 22},
        {"Case", D.L_Var_CASE, D.CB_Var_Case, 235, 22},
        {"Variable", D.L_Var_Variable, D.CB_Var_Variable, 263, 22},
        {"Position", D.L_Var_Position, D.E_Var_Position, 291, 21},
        {"BitStart", D.L_Var_BitStart, D.CB_Var_BitStart, 319, 22},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(R.Label->geometry(), QRect(16, R.Top + 3, 114, 16));
        EXPECT_EQ(R.Field->geometry(), QRect(134, R.Top, 307, R.Field_Height));
    }
    struct TPlace
    {
        const char *Name;
        QWidget *Widget;
        QRect Place;
    };
    const TPlace Places[] = {
        {"L_EEP", D.L_EEP, QRect(16, 70, 428, 16)},
        {"L_Variable", D.L_Variable, QRect(16, 206, 428, 16)},
        {"P_Title", D.P_Title, QRect(0, 0, 460, 69)},
        {"P_Button", D.P_Button, QRect(0, 350, 460, 40)},
        {"Btn_OK", D.Btn_OK, QRect(114, 6, 110, 28)},
        {"Btn_Cancel", D.Btn_Cancel, QRect(236, 6, 110, 28)},
    };
    for (const TPlace &P : Places) {
        SCOPED_TRACE(P.Name);
        EXPECT_EQ(P.Widget->geometry(), P.Place);
    }
}

// A changed list fills the one below (nothing chosen), empties the others
// below, empties the position and puts the start bit back to 0.
TEST_F(VariableDialogTest, CascadeFillsTheNextListAndEmptiesTheRest)
{
    struct TCase
    {
        const char *Name;
        int Level;                // 0 RORG, 1 FUNC, 2 TYPE, 3 case
        QStringList Next_Items;   // the list below after the change
    };
    const TCase Cases[] = {
        {"Rorg", 0, {"0x01 : Func 1", "0x02 : Func 2"}},
        {"Func", 1, {"0x01 : Type 1", "0x02 : Type 2"}},
        {"Type", 2, {"1 -> Normal", "2 -> Alarm"}},
        {"Case", 3, {"TMP : 0, 8", "SW : 24, 1"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Pick_All(0, 1, 0, 1, 1, "12");
        Dialog->CB_Var_BitStart->setCurrentIndex(5);
        QComboBox *Lists[] = {Dialog->CB_EEP_Rorg, Dialog->CB_EEP_Func, Dialog->CB_EEP_Type, Dialog->CB_Var_Case,
                              Dialog->CB_Var_Variable};
        // choose again at the same level (a case other than the first for the case list)
        Pick(Lists[C.Level], C.Level == 3 ? 1 : 0);
        QStringList Next;
        for (int I = 0; I < Lists[C.Level + 1]->count(); ++I)
            Next << Lists[C.Level + 1]->itemText(I);
        EXPECT_EQ(Next, C.Next_Items);
        EXPECT_EQ(Lists[C.Level + 1]->currentIndex(), -1);
        for (int L = C.Level + 2; L < 5; ++L)
            EXPECT_EQ(Lists[L]->count(), 0) << L;
        EXPECT_TRUE(Dialog->E_Var_Position->text().isEmpty());
        EXPECT_EQ(Dialog->CB_Var_BitStart->currentIndex(), 0);
    }
    // choosing the data field changes nothing else
    Pick_All(0, 0, 0, 0, -1, "9");
    Pick(Dialog->CB_Var_Variable, 1);
    EXPECT_EQ(Dialog->E_Var_Position->text(), "9");
    EXPECT_EQ(Dialog->Chosen_DataField()->FData, "HUM");
}

// The lists follow the shipped catalogue too (A5-02-05: its case lists the
// learn bit among its fields; reserved fields are not offered).
TEST_F(VariableDialogTest, ShippedCatalogueCascade)
{
    Make_Dialog(Read_File(QStringLiteral(BC_SHIPPED_EEP_XML)));
    ASSERT_GT(Catalog->List_Rorg.size(), 2u);
    const int Rorg = Catalog->Get_RorgNum_Index(0xA5);
    const int Func = Catalog->Get_FuncNum_Index(0xA5, 0x02);
    const int Type = Catalog->Get_TypeNum_Index(0xA5, 0x02, 0x05);
    ASSERT_GE(Type, 0);
    Pick(Dialog->CB_EEP_Rorg, Rorg);
    EXPECT_EQ(Dialog->CB_EEP_Func->count(), static_cast<int>(Catalog->List_Rorg[Rorg]->List_Func.size()));
    Pick(Dialog->CB_EEP_Func, Func);
    Pick(Dialog->CB_EEP_Type, Type);
    EXPECT_EQ(Dialog->CB_EEP_Type->currentText(), Catalog->Get_Type_Name_Str(0xA5, 0x02, 0x05));
    ASSERT_GE(Dialog->CB_Var_Case->count(), 1);
    Pick(Dialog->CB_Var_Case, 0);
    const TCase *Case = Catalog->Get_CaseObj(0xA5, 0x02, 0x05, 0);
    ASSERT_NE(Case, nullptr);
    EXPECT_EQ(Dialog->CB_Var_Variable->count(), Case->DataField_SL.size());
    EXPECT_GE(Dialog->CB_Var_Variable->findText("LRN Bit : 28, 1"), 0);
}

// ---- Presets ------------------------------------------------------------------------------

// A preset chooses the entry's EEP and the variable's case, field, position
// and start bit; a level the catalogue lacks presets nothing from there down.
TEST_F(VariableDialogTest, PresetFromAnEntryAndVariable)
{
    struct TCase
    {
        const char *Name;
        int Rorg, Func, Type;  // numbers of the entry
        int Ind_Var;
        int Want_Rorg, Want_Func, Want_Type, Want_Case, Want_Field;
        const char *Want_Position;
    };
    const TCase Cases[] = {
        {"EepOnly", 0xA5, 2, 2, -1, 2, 1, 1, -1, -1, ""},
        {"WithVariable", 0xA5, 2, 2, 0, 2, 1, 1, 1, 1, "10"},
        {"VariableBeyondList", 0xA5, 2, 2, 5, 2, 1, 1, -1, -1, ""},
        {"FuncMissing", 0xA5, 9, 2, 0, 2, -1, -1, -1, -1, ""},
        {"RorgMissing", 0x55, 2, 2, 0, -1, -1, -1, -1, -1, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dev().UnidirectionalList.clear();
        Dev().UnidirectionalList.push_back(Make_Entry(C.Rorg, C.Func, C.Type, {{1, "SW"}}));
        Pick_All(0, 0, 0, 0, 0, "77"); // the choices of an earlier use
        Dialog->ShowData_Uni_Add_Var(0, 0, C.Ind_Var);
        EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), C.Want_Rorg);
        EXPECT_EQ(Dialog->CB_EEP_Func->currentIndex(), C.Want_Func);
        EXPECT_EQ(Dialog->CB_EEP_Type->currentIndex(), C.Want_Type);
        EXPECT_EQ(Dialog->CB_Var_Case->currentIndex(), C.Want_Case);
        EXPECT_EQ(Dialog->CB_Var_Variable->currentIndex(), C.Want_Field);
        EXPECT_EQ(Dialog->E_Var_Position->text(), C.Want_Position);
        EXPECT_EQ(Dialog->CB_Var_BitStart->currentIndex(), C.Ind_Var == 0 && C.Want_Field >= 0 ? 3 : 0);
    }
}

// ---- Modes -----------------------------------------------------------------------------------

// What each mode lets the user change, and its titles.
TEST_F(VariableDialogTest, ShowEnablesByMode)
{
    struct TCase
    {
        const char *Name;
        int Uni_SAck, Mode, Modify_EEP_Var;
        const char *Title;
        bool Rorg_Func, Type, Var_Fields;
    };
    const TCase Cases[] = {
        {"AddUnidirectional", 0, 0, 0, "Add EnOcean Variable", true, true, true},
        {"ModifyEep", 0, 1, 0, "Modify EnOcean EEP", true, true, false},
        {"ModifyVariable", 0, 1, 1, "Modify EnOcean Variable", false, false, true},
        {"AddRuzorAvi", 1, 0, 0, "Add EnOcean Variable", false, true, true},
        {"ModifyRuzorAviVariable", 1, 1, 1, "Modify EnOcean Variable", false, false, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dialog->hide();
        Pick_All(0, 0, 0, 1, 1, "4");
        Dialog->CB_Var_BitStart->setCurrentIndex(6);
        Dialog->Uni_SAck = C.Uni_SAck;
        Dialog->Mode = C.Mode;
        Dialog->Modify_EEP_Var = C.Modify_EEP_Var;
        Show();
        EXPECT_EQ(Dialog->windowTitle(), C.Title);
        EXPECT_EQ(Dialog->L_SW_Desc->text(), C.Title);
        EXPECT_EQ(Dialog->CB_EEP_Rorg->isEnabled(), C.Rorg_Func);
        EXPECT_EQ(Dialog->CB_EEP_Func->isEnabled(), C.Rorg_Func);
        EXPECT_EQ(Dialog->CB_EEP_Type->isEnabled(), C.Type);
        for (QWidget *W : {static_cast<QWidget *>(Dialog->CB_Var_Case), static_cast<QWidget *>(Dialog->CB_Var_Variable),
                           static_cast<QWidget *>(Dialog->E_Var_Position),
                           static_cast<QWidget *>(Dialog->CB_Var_BitStart)})
            EXPECT_EQ(W->isEnabled(), C.Var_Fields) << W->objectName().toStdString();
        if (!C.Var_Fields) {
            // modifying an EEP shows the variable fields empty
            EXPECT_EQ(Dialog->CB_Var_Case->currentIndex(), -1);
            EXPECT_EQ(Dialog->CB_Var_Variable->currentIndex(), -1);
            EXPECT_TRUE(Dialog->E_Var_Position->text().isEmpty());
            EXPECT_EQ(Dialog->CB_Var_BitStart->currentIndex(), 0);
        }
        if (C.Uni_SAck != 0) {
            // the Ruzor AVI EEP: fourth RORG, tenth FUNC, with its own TYPEs below
            EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), 3);
            EXPECT_EQ(Dialog->CB_EEP_Func->currentIndex(), 9);
            EXPECT_EQ(Dialog->CB_EEP_Func->itemText(9), "0x09 : Func 9");
            EXPECT_EQ(Dialog->CB_EEP_Type->count(), 2);
        }
    }
}

// The Ruzor AVI preset keeps the TYPE and variable it chose when the dialog
// is shown; an entry of another EEP shows the fixed RORG and FUNC only.
TEST_F(VariableDialogTest, RuzorAviPreset)
{
    Dev().SmartACKList.push_back(Make_Entry(0xD2, 9, 2, {{0, "HUM"}}));
    Dev().SmartACKList.push_back(Make_Entry(0xD2, 4, 1, {{0, "HUM"}}));
    Dialog->Uni_SAck = 1;
    Dialog->Mode = 1;
    Dialog->Modify_EEP_Var = 1;
    Dialog->ShowData_SAck_Add_Var(0, 0, 0);
    Show();
    EXPECT_EQ(Dialog->CB_EEP_Type->currentIndex(), 1);
    EXPECT_EQ(Dialog->CB_Var_Case->currentIndex(), 0);
    EXPECT_EQ(Dialog->Chosen_DataField()->FData, "HUM");
    EXPECT_EQ(Dialog->E_Var_Position->text(), "10");

    Dialog->hide();
    Dialog->ShowData_SAck_Add_Var(0, 1, 0);
    Show();
    EXPECT_EQ(Dialog->CB_EEP_Rorg->currentIndex(), 3);
    EXPECT_EQ(Dialog->CB_EEP_Func->currentIndex(), 9);
    EXPECT_EQ(Dialog->CB_EEP_Type->currentIndex(), -1);
    EXPECT_EQ(Dialog->CB_Var_Case->count(), 0);
}

// A catalogue without the Ruzor AVI positions leaves the lists empty and OK
// is refused, naming the missing list.
TEST_F(VariableDialogTest, RuzorAviPositionsMissingFromCatalogue)
{
    struct TCase
    {
        const char *Name;
        int Rorgs, Last_Funcs;
        const char *Missing;
    };
    const TCase Cases[] = {
        {"ThreeRorgs", 3, 10, "Rorg"},
        {"NineFuncs", 4, 9, "Func"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Make_Dialog(Editor_Catalogue_Xml(C.Rorgs, C.Last_Funcs));
        Boxes.Shown.clear();
        Pick(Dialog->CB_EEP_Rorg, 0); // an earlier unidirectional use
        Pick(Dialog->CB_EEP_Func, 1);
        Dialog->Uni_SAck = 1;
        Show();
        EXPECT_EQ(Dialog->CB_EEP_Type->count(), 0);
        EXPECT_EQ(Dialog->CB_Var_Case->count(), 0);
        Dialog->Btn_OK->Click();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, QStringLiteral("Error!! Please select the ") + C.Missing);
        EXPECT_TRUE(Dialog->isVisible());
    }
}

// ---- The OK check ------------------------------------------------------------------------------

// The device: three unidirectional entries (A5-01-01 with TMP of case 0 and
// SW of case 1, F6-02-01 empty, D5-01-02 empty) and one Ruzor AVI entry
// (D2-09-01 with HUM of case 0): four in all.
void Fill_Full_Device(TDevice_EnOcean &D)
{
    D.UnidirectionalList.push_back(Make_Entry(0xA5, 1, 1, {{0, "TMP"}, {1, "SW"}}));
    D.UnidirectionalList.push_back(Make_Entry(0xF6, 2, 1));
    D.UnidirectionalList.push_back(Make_Entry(0xD5, 1, 2));
    D.SmartACKList.push_back(Make_Entry(0xD2, 9, 1, {{0, "HUM"}}));
}

// Each row: the mode, what is chosen (catalogue positions; -1 none), the
// position text, and the message (empty: OK passes) with the EEP index left.
TEST_F(VariableDialogTest, CheckTable)
{
    struct TCase
    {
        const char *Name;
        int Entries;               // 0: an empty device, 3: three entries, 4: the full device
        int Uni_SAck, Mode, Modify_EEP_Var, Edit_EEP, Edit_Var;
        int Rorg, Func, Type, Case, Field;
        const char *Position;
        const char *Message;
        int EEP_Index;
    };
    const char *const No_Space = "Error!! No more space for EEP";
    const char *const Duplicate = "Error!! Variable already inserted in EEP";
    const char *const Not_Whole = "Error!! Position must be a whole number";
    const TCase Cases[] = {
        // every choice the flow copies must be made
        {"AddFirstVariable", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "5", "", -1},
        {"MissingRorg", 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, "5", "Error!! Please select the Rorg", -1},
        {"MissingType", 0, 0, 0, 0, -1, -1, 2, 0, -1, -1, -1, "5", "Error!! Please select the Type", -1},
        {"MissingCase", 0, 0, 0, 0, -1, -1, 2, 0, 0, -1, -1, "5", "Error!! Please select the Case", -1},
        {"MissingVariable", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, -1, "5", "Error!! Please select the Variable", -1},
        {"ModifyEepNeedsNoVariable", 4, 0, 1, 0, 1, -1, 2, 0, 0, -1, -1, "", "", 0},
        // the position is a whole number
        {"PositionNotWhole", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "1.5", Not_Whole, -1},
        {"PositionEmpty", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "", Not_Whole, -1},
        {"PositionTrailingBlank", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "5 ", Not_Whole, -1},
        {"PositionHex", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "0x10", "", -1},
        {"PositionNegative", 0, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "-3", "", -1},
        // at most four EEP entries per device, both lists together
        {"FifthEepRefused", 4, 0, 0, 0, -1, -1, 2, 1, 0, 0, 0, "5", No_Space, -1},
        {"FifthRuzorAviEepRefused", 4, 1, 0, 0, -1, -1, 3, 9, 1, 0, 0, "5", No_Space, -1},
        {"ExistingEepOfFullDevice", 4, 0, 0, 0, -1, -1, 2, 0, 0, 0, 1, "5", "", 0},
        {"FourthEepAccepted", 3, 0, 0, 0, -1, -1, 0, 0, 0, 0, 0, "5", "", -1},
        // the modified entry is replaced, so it does not count
        {"ModifyEepToNewOfFullDevice", 4, 0, 1, 0, 1, -1, 2, 1, 1, -1, -1, "", "", -1},
        {"ModifyEepToAnotherExisting", 4, 0, 1, 0, 1, -1, 1, 0, 1, -1, -1, "", "", 2},
        // no two variables of one entry with the same case and data field
        {"DuplicateVariable", 4, 0, 0, 0, -1, -1, 2, 0, 0, 0, 0, "5", Duplicate, 0},
        {"SameFieldOtherCase", 4, 0, 0, 0, -1, -1, 2, 0, 0, 1, 0, "5", "", 0},
        {"DuplicateInRuzorAviList", 4, 1, 0, 0, -1, -1, 3, 9, 0, 0, 1, "5", Duplicate, 0},
        {"SameFieldInOtherList", 4, 1, 0, 0, -1, -1, 3, 9, 0, 0, 0, "5", "", 0},
        // a modified variable may keep its case and field (new position or start bit)
        {"ModifyVariableKeepsItsField", 4, 0, 1, 1, 0, 0, 2, 0, 0, 0, 0, "99", "", 0},
        {"ModifyVariableOntoAnother", 4, 0, 1, 1, 0, 0, 2, 0, 0, 1, 1, "99", Duplicate, 0},
        {"AddSameAsSelectedVariable", 4, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, "99", Duplicate, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Devices[0] = std::make_unique<TDevice_EnOcean>();
        if (C.Entries == 4)
            Fill_Full_Device(Dev());
        if (C.Entries == 3) {
            Dev().UnidirectionalList.push_back(Make_Entry(0xA5, 1, 1));
            Dev().UnidirectionalList.push_back(Make_Entry(0xF6, 2, 1));
            Dev().SmartACKList.push_back(Make_Entry(0xD2, 9, 1));
        }
        Boxes.Shown.clear();
        Dialog->hide();
        Dialog->Uni_SAck = C.Uni_SAck;
        Dialog->Mode = C.Mode;
        Dialog->Modify_EEP_Var = C.Modify_EEP_Var;
        Show();
        // the user's choices after the dialog is up
        Pick(Dialog->CB_EEP_Rorg, C.Rorg);
        Pick(Dialog->CB_EEP_Func, C.Func);
        Pick(Dialog->CB_EEP_Type, C.Type);
        Pick(Dialog->CB_Var_Case, C.Case);
        Pick(Dialog->CB_Var_Variable, C.Field);
        Dialog->E_Var_Position->setText(QString::fromLatin1(C.Position));
        Dialog->Edit_EEP = C.Edit_EEP;
        Dialog->Edit_Var = C.Edit_Var;
        Dialog->setResult(QDialog::Rejected);
        Dialog->Btn_OK->Click();
        if (*C.Message == 0) {
            EXPECT_TRUE(Boxes.Shown.isEmpty()) << Boxes.Texts().join(" | ").toStdString();
            EXPECT_EQ(Dialog->result(), QDialog::Accepted);
            EXPECT_FALSE(Dialog->isVisible());
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Text, C.Message);
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
            EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbOK);
            EXPECT_TRUE(Dialog->isVisible());
        }
        EXPECT_EQ(Dialog->EEP_Index, C.EEP_Index);
    }
}

// Without a device to check against OK is refused.
TEST_F(VariableDialogTest, NoDeviceRefusesOk)
{
    Dialog->Ind_Device = 3;
    Show();
    Pick_All(2, 0, 0, 0, 0);
    Dialog->Btn_OK->Click();
    EXPECT_EQ(Boxes.Texts(), QStringList{"Error!! Insert or select one EnOcean Device"});
    EXPECT_TRUE(Dialog->isVisible());
}

// The presets record what is being modified, so the editor's modify flow
// passes its own variable with only a new position.
TEST_F(VariableDialogTest, PresetModifyVariableThenChangePosition)
{
    Fill_Full_Device(Dev());
    Dialog->ShowData_Uni_Add_Var(0, 0, 1);
    Dialog->Uni_SAck = 0;
    Dialog->Mode = 1;
    Dialog->Modify_EEP_Var = 1;
    Show();
    EXPECT_EQ(Dialog->Chosen_DataField()->FData, "SW");
    Dialog->E_Var_Position->setText("42");
    Dialog->CB_Var_BitStart->setCurrentIndex(6);
    Dialog->Btn_OK->Click();
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << Boxes.Texts().join(" | ").toStdString();
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Dialog->EEP_Index, 0);
}

TEST_F(VariableDialogTest, Screenshots)
{
    Fill_Full_Device(Dev());
    Dialog->ShowData_Uni_Add_Var(0, 0, 1);
    Show();
    for (QWidget *W : Dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(Dialog->rect().contains(W->geometry())) << W->objectName().toStdString();
    Expect_Window_Picture(QImage(Save_Screenshot(Dialog.get(), "variable_dialog_add")), Dialog.get());
    Dialog->hide();
    Dialog->Mode = 1;
    Dialog->Modify_EEP_Var = 0;
    Show();
    Expect_Window_Picture(QImage(Save_Screenshot(Dialog.get(), "variable_dialog_modify_eep")), Dialog.get());
}

} // namespace
