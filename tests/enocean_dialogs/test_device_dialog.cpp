#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Network.h"
#include "editors/UEnOcean_Device.h"
#include "platform/MessageBox.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DeviceDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        Dialog = std::make_unique<TFEnOcean_Device>();
    }
    void TearDown() override
    {
        Dialog.reset();
        Reset_Workspace();
    }
    // Shows the dialog as the editor does, without a modal loop.
    void Show()
    {
        Dialog->show();
        QApplication::processEvents();
    }
    // The secure rows: key, rolling code, its algorithm and transmission,
    // CMAC, encryption and PTM, each label and field.
    QList<QWidget *> Secure_Rows() const
    {
        const auto &D = *Dialog;
        return {D.L_DevEnOcean_Secure_Key,         D.E_DevEnOcean_Secure_Key,
                D.L_DevEnOcean_Secure_RollCode,    D.E_DevEnOcean_Secure_RollCode,
                D.L_DevEnOcean_Secure_RollCodeAlg, D.CB_DevEnOcean_Secure_RollCodeAlg,
                D.L_DevEnOcean_Secure_RollCodeTx,  D.CB_DevEnOcean_Secure_RollCodeTx,
                D.L_DevEnOcean_Secure_CMACAlg,     D.CB_DevEnOcean_Secure_CMACAlg,
                D.L_DevEnOcean_Secure_DataEnc,     D.CB_DevEnOcean_Secure_DataEnc,
                D.L_DevEnOcean_Secure_PTM,         D.CB_DevEnOcean_Secure_PTM};
    }

    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    std::unique_ptr<TFEnOcean_Device> Dialog;
};

// ---- Rows and height by security type ------------------------------------------

// The dialog ends 51 pixels below the last visible field; the rows a type
// does not use are hidden (label and field alike).
TEST_F(DeviceDialogTest, HeightAndRowsFollowTheSecurityType)
{
    struct TCase
    {
        const char *Name;
        int Type;
        int Height;
        int Visible_Secure_Widgets; // of the 14 label/field widgets, in order from the key row
    };
    const TCase Cases[] = {
        {"Unsecure", 0, 185, 0},
        {"PreSharedKey", 1, 216, 2},
        {"ManualSetting", 2, 409, 14},
    };
    Show();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dialog->CB_DevEnOcean_SecType->setCurrentIndex(C.Type);
        EXPECT_EQ(Dialog->height(), C.Height);
        const QList<QWidget *> Rows = Secure_Rows();
        for (int I = 0; I < Rows.size(); ++I)
            EXPECT_EQ(Rows[I]->isVisible(), I < C.Visible_Secure_Widgets) << Rows[I]->objectName().toStdString();
        // the buttons stay at the bottom
        EXPECT_EQ(Dialog->P_Button->geometry().bottom() + 1, C.Height);
        EXPECT_EQ(Dialog->width(), 380);
    }
}

// Each row at its top, its label at 16 and its field 201 pixels wide at 160;
// the title 69 and the button panel 40 pixels high, OK and Cancel 110 x 28
// centred in it.
TEST_F(DeviceDialogTest, ControlsStandAtTheirPlaces)
{
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(2);
    Show();
    EXPECT_EQ(Dialog->size(), QSize(380, 409));
    struct TRow
    {
        const char *Name;
        int Row;
        int Top;
        int Field_Height; // edits 21, lists 22
    };
    const TRow Rows[] = {
        {"Id", TSecurity_Rows::rowId, 72, 21},
        {"SecType", TSecurity_Rows::rowSecType, 112, 22},
        {"Key", TSecurity_Rows::rowKey, 144, 21},
        {"RollCode", TSecurity_Rows::rowRollCode, 176, 21},
        {"RollCodeAlg", TSecurity_Rows::rowRollCodeAlg, 208, 22},
        {"RollCodeTx", TSecurity_Rows::rowRollCodeTx, 240, 22},
        {"CMACAlg", TSecurity_Rows::rowCMACAlg, 272, 22},
        {"DataEnc", TSecurity_Rows::rowDataEnc, 304, 22},
        {"PTM", TSecurity_Rows::rowPTM, 336, 22},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(Dialog->Row_Label(R.Row)->geometry(), QRect(16, R.Top + 3, 140, 16));
        EXPECT_EQ(Dialog->Row_Field(R.Row)->geometry(), QRect(160, R.Top, 201, R.Field_Height));
    }
    struct TPlace
    {
        const char *Name;
        QWidget *Widget;
        QRect Place;
    };
    const TPlace Places[] = {
        {"P_Title", Dialog->P_Title, QRect(0, 0, 380, 69)},
        {"P_Button", Dialog->P_Button, QRect(0, 369, 380, 40)},
        {"Btn_OK", Dialog->Btn_OK, QRect(74, 6, 110, 28)},
        {"Btn_Cancel", Dialog->Btn_Cancel, QRect(196, 6, 110, 28)},
    };
    for (const TPlace &P : Places) {
        SCOPED_TRACE(P.Name);
        EXPECT_EQ(P.Widget->geometry(), P.Place);
    }
}

// Hidden fields keep their contents: 2 -> 0 -> 2 shows them again unchanged;
// no chosen type leaves rows and height as they were.
TEST_F(DeviceDialogTest, HiddenRowsKeepTheirContents)
{
    Show();
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(2);
    Dialog->E_DevEnOcean_Secure_Key->setText("00112233");
    Dialog->E_DevEnOcean_Secure_RollCode->setText("77");
    Dialog->CB_DevEnOcean_Secure_CMACAlg->setCurrentIndex(2);
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(0);
    EXPECT_EQ(Dialog->height(), 185);
    EXPECT_FALSE(Dialog->E_DevEnOcean_Secure_Key->isVisible());
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(-1);
    EXPECT_EQ(Dialog->height(), 185);
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(2);
    EXPECT_EQ(Dialog->height(), 409);
    EXPECT_EQ(Dialog->E_DevEnOcean_Secure_Key->text(), "00112233");
    EXPECT_EQ(Dialog->E_DevEnOcean_Secure_RollCode->text(), "77");
    EXPECT_EQ(Dialog->CB_DevEnOcean_Secure_CMACAlg->currentIndex(), 2);
}

// Mode picks the titles each time the dialog is shown.
TEST_F(DeviceDialogTest, TitlesFollowTheMode)
{
    struct TCase
    {
        const char *Name;
        int Mode;
        int Caption;
        int Desc;
    };
    const TCase Cases[] = {{"Add", 0, 1000, 1002}, {"Modify", 1, 1001, 1003}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Dialog->hide();
        Dialog->Mode = C.Mode;
        Show();
        EXPECT_EQ(Dialog->windowTitle(), Lang_Text(C.Caption));
        EXPECT_EQ(Dialog->L_SW_Desc->text(), Lang_Text(C.Desc));
    }
    EXPECT_EQ(Dialog->L_SW_Code->text(), "CFTK410");
    EXPECT_EQ(Dialog->L_DevEnOcean_Secure_PTM->text(), "PTM");
    EXPECT_EQ(Dialog->CB_DevEnOcean_Secure_PTM->toolTip(), "Select the PTM");
}

// ---- The ID check ------------------------------------------------------------------

// The ID is a whole number from 0 to 4294967295 (the gateway keeps 32 bits;
// 4294967296 would be stored as 0). Anything else shows text 1026 and keeps
// the dialog open with the text as typed.
TEST_F(DeviceDialogTest, IdMustBeAWholeNumberThatFitsIn32Bits)
{
    struct TCase
    {
        const char *Name;
        const char *Id;
        bool Valid;
    };
    const TCase Cases[] = {
        {"Zero", "0", true},
        {"Largest", "4294967295", true},
        {"LargestInHex", "0xFFFFFFFF", true},
        {"DollarHex", "$1A2B", true},
        {"XHex", "x10", true},
        {"LeadingBlanks", "  12", true},
        {"PlusSign", "+5", true},
        {"OneBeyond", "4294967296", false},
        {"TwoBeyond", "4294967297", false},
        {"BeyondInHex", "0x100000000", false},
        {"Negative", "-1", false},
        {"Empty", "", false},
        {"HexWithoutPrefix", "12AB", false},
        {"TrailingBlank", "12 ", false},
        {"Beyond64Bits", "99999999999999999999", false},
        {"AllBitsHex", "0xFFFFFFFFFFFFFFFF", false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Dialog->setResult(QDialog::Rejected);
        Show();
        Dialog->E_DevEnOcean_ID->setText(QString::fromLatin1(C.Id));
        Dialog->Btn_OK->Click();
        if (C.Valid) {
            EXPECT_TRUE(Boxes.Shown.isEmpty());
            EXPECT_EQ(Dialog->result(), QDialog::Accepted);
            EXPECT_FALSE(Dialog->isVisible());
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
            EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbOK);
            EXPECT_EQ(Boxes.Shown[0].Text, "Error!! Device ID must be between 0 and 4294967295");
            EXPECT_TRUE(Dialog->isVisible());
        }
        EXPECT_EQ(Dialog->E_DevEnOcean_ID->text(), QString::fromLatin1(C.Id));
    }
}

// Cancel closes without a check.
TEST_F(DeviceDialogTest, CancelClosesWithoutCheck)
{
    Show();
    Dialog->E_DevEnOcean_ID->setText("not a number");
    Dialog->Btn_Cancel->Click();
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(Dialog->isVisible());
}

// ---- Fields and the editor's copies -------------------------------------------------

// The key and rolling code take at most 16 characters.
TEST_F(DeviceDialogTest, KeyAndRollingCodeTakeSixteenCharacters)
{
    Show();
    Dialog->CB_DevEnOcean_SecType->setCurrentIndex(2);
    for (QLineEdit *E : {Dialog->E_DevEnOcean_Secure_Key, Dialog->E_DevEnOcean_Secure_RollCode}) {
        SCOPED_TRACE(E->objectName().toStdString());
        E->clear();
        E->setFocus();
        QTest::keyClicks(E, "0123456789ABCDEFG");
        EXPECT_EQ(E->text(), "0123456789ABCDEF");
    }
}

// Every field goes into the dialog and back, hidden ones included; a code
// beyond a list (from a file) is kept rather than stored as -1.
TEST_F(DeviceDialogTest, DeviceFieldsRoundTrip)
{
    TDevice_EnOcean In;
    In.FId = " 0x1A2B";
    In.FSecure_Type = 1;
    In.FKey = "KEY";
    In.FRollCode = "123";
    In.FRollCodeAlg = 2;
    In.FRollCodeTx = 1;
    In.FCMACAlg = 1;
    In.FDataCript = 2;
    In.FPTM = 7; // no such item
    Dialog->Mode = 1;
    Dialog->Show_Device(In);
    Show();
    EXPECT_EQ(Dialog->height(), 216);
    TDevice_EnOcean Out;
    Out.FPTM = 7;
    Dialog->Store_Device(Out);
    EXPECT_EQ(Out.FId, In.FId);
    EXPECT_EQ(Out.FSecure_Type, 1);
    EXPECT_EQ(Out.FKey, "KEY");
    EXPECT_EQ(Out.FRollCode, "123");
    EXPECT_EQ(Out.FRollCodeAlg, 2);
    EXPECT_EQ(Out.FRollCodeTx, 1);
    EXPECT_EQ(Out.FCMACAlg, 1);
    EXPECT_EQ(Out.FDataCript, 2);
    EXPECT_EQ(Out.FPTM, 7);
}

// Screenshots of the three heights, for a person to look at.
TEST_F(DeviceDialogTest, Screenshots)
{
    Dialog->E_DevEnOcean_ID->setText("0x0180ABCD");
    Dialog->E_DevEnOcean_Secure_Key->setText("0011223344556677");
    Dialog->E_DevEnOcean_Secure_RollCode->setText("1000");
    Show();
    const char *Names[] = {"device_dialog_unsecure", "device_dialog_key", "device_dialog_manual"};
    for (int Type = 0; Type < 3; ++Type) {
        Dialog->CB_DevEnOcean_SecType->setCurrentIndex(Type);
        QApplication::processEvents();
        // every visible control lies inside the client area
        for (QWidget *W : Dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (W->isVisible()) {
                EXPECT_TRUE(Dialog->rect().contains(W->geometry())) << W->objectName().toStdString();
            }
        }
        Expect_Window_Picture(QImage(Save_Screenshot(Dialog.get(), Names[Type])), Dialog.get());
    }
}

} // namespace
