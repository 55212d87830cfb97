#include "editors/UEnOcean_Device.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Network.h"
#include "platform/MessageBox.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Client_Width = 380;
constexpr int Label_Left = 16;
constexpr int Field_Left = 160;
constexpr int Field_Width = 201;
constexpr int Edit_Height = 21;
constexpr int Combo_Height = 22;
// The client height ends this far below the last visible field (the button
// panel and a margin above it).
constexpr int Bottom_Margin = 51;

// Row tops, one under the other: ID, security type, key, rolling code,
// rolling code algorithm and transmission, CMAC, data encryption, PTM.
constexpr int Row_Top[9] = {72, 112, 144, 176, 208, 240, 272, 304, 336};

// Largest ID the gateway can store: it keeps the 32 bits of the ID.
constexpr qint64 Max_Device_Id = 4294967295LL;

} // namespace

TFEnOcean_Device::TFEnOcean_Device(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FEnOcean_Device"));
    FormCreate();
}

void TFEnOcean_Device::FormCreate()
{
    Apply_Window_Look(this);
    setModal(true);
    P_Title = Make_Title_Panel(this, Client_Width, L_SW_Code, L_SW_Desc);

    auto Row_Label = [this](const char *Name, int Row) {
        return Make_Label(this, Name, Label_Left, Row_Top[Row] + 3, Field_Left - Label_Left - 4);
    };
    auto Row_Combo = [this](const char *Name, int Row, const QStringList &Items) {
        auto *C = Make<QComboBox>(this, Name, Field_Left, Row_Top[Row], Field_Width, Combo_Height);
        C->addItems(Items);
        return C;
    };
    auto Row_Edit = [this](const char *Name, int Row) {
        return Make<QLineEdit>(this, Name, Field_Left, Row_Top[Row], Field_Width, Edit_Height);
    };

    // The list items are the codes stored in the device, in code order; they
    // are fixed words, not translated.
    L_DevEnOcean_ID = Row_Label("L_DevEnOcean_ID", 0);
    E_DevEnOcean_ID = Row_Edit("E_DevEnOcean_ID", 0);
    L_DevEnOcean_SecType = Row_Label("L_DevEnOcean_SecType", 1);
    CB_DevEnOcean_SecType = Row_Combo("CB_DevEnOcean_SecType", 1,
                                      {QStringLiteral("Unsecure"), QStringLiteral("Secure Pre Shared Key"),
                                       QStringLiteral("Secure with Manual Setting")});
    L_DevEnOcean_Secure_Key = Row_Label("L_DevEnOcean_Secure_Key", 2);
    E_DevEnOcean_Secure_Key = Row_Edit("E_DevEnOcean_Secure_Key", 2);
    E_DevEnOcean_Secure_Key->setMaxLength(16);
    L_DevEnOcean_Secure_RollCode = Row_Label("L_DevEnOcean_Secure_RollCode", 3);
    E_DevEnOcean_Secure_RollCode = Row_Edit("E_DevEnOcean_Secure_RollCode", 3);
    E_DevEnOcean_Secure_RollCode->setMaxLength(16);
    L_DevEnOcean_Secure_RollCodeAlg = Row_Label("L_DevEnOcean_Secure_RollCodeAlg", 4);
    CB_DevEnOcean_Secure_RollCodeAlg = Row_Combo(
        "CB_DevEnOcean_Secure_RollCodeAlg", 4,
        {QStringLiteral("No RLC algorithm"), QStringLiteral("16-bit"), QStringLiteral("24-bit")});
    L_DevEnOcean_Secure_RollCodeTx = Row_Label("L_DevEnOcean_Secure_RollCodeTx", 5);
    CB_DevEnOcean_Secure_RollCodeTx =
        Row_Combo("CB_DevEnOcean_Secure_RollCodeTx", 5, {QStringLiteral("No"), QStringLiteral("Yes")});
    L_DevEnOcean_Secure_CMACAlg = Row_Label("L_DevEnOcean_Secure_CMACAlg", 6);
    CB_DevEnOcean_Secure_CMACAlg = Row_Combo(
        "CB_DevEnOcean_Secure_CMACAlg", 6,
        {QStringLiteral("No MAC"), QStringLiteral("AES128 - 3 bytes"), QStringLiteral("AES128 - 4 bytes")});
    L_DevEnOcean_Secure_DataEnc = Row_Label("L_DevEnOcean_Secure_DataEnc", 7);
    CB_DevEnOcean_Secure_DataEnc = Row_Combo("CB_DevEnOcean_Secure_DataEnc", 7,
                                             {QStringLiteral("No data encryption"), QStringLiteral("VAES - AES128"),
                                              QStringLiteral("AES - CBC - AES128")});
    L_DevEnOcean_Secure_PTM = Row_Label("L_DevEnOcean_Secure_PTM", 8);
    CB_DevEnOcean_Secure_PTM =
        Row_Combo("CB_DevEnOcean_Secure_PTM", 8, {QStringLiteral("No PTM"), QStringLiteral("PTM")});

    P_Button = Make_Button_Panel(this, Client_Width, Btn_OK, Btn_Cancel);
    connect(Btn_OK, &TFxButton::clicked, this, &TFEnOcean_Device::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);
    connect(CB_DevEnOcean_SecType, &QComboBox::currentIndexChanged, this,
            &TFEnOcean_Device::CB_DevEnOcean_SecTypeChange);

    Set_Lang();
    Change_Form_Size();
}

void TFEnOcean_Device::Set_Lang()
{
    setWindowTitle(Lang_Text(1000));
    L_SW_Desc->setText(Lang_Text(1002));
    Btn_OK->Set_Caption(Lang_Text(1004));
    Btn_Cancel->Set_Caption(Lang_Text(1005));
    Btn_OK->setToolTip(Lang_Text(1006));
    Btn_Cancel->setToolTip(Lang_Text(1007));
    const std::pair<QLabel *, QWidget *> Rows[] = {
        {L_DevEnOcean_ID, E_DevEnOcean_ID},
        {L_DevEnOcean_SecType, CB_DevEnOcean_SecType},
        {L_DevEnOcean_Secure_Key, E_DevEnOcean_Secure_Key},
        {L_DevEnOcean_Secure_RollCode, E_DevEnOcean_Secure_RollCode},
        {L_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeAlg},
        {L_DevEnOcean_Secure_RollCodeTx, CB_DevEnOcean_Secure_RollCodeTx},
        {L_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_CMACAlg},
        {L_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_DataEnc},
        {L_DevEnOcean_Secure_PTM, CB_DevEnOcean_Secure_PTM},
    };
    int Text = 1008;
    for (const auto &[Label, Field] : Rows) {
        Label->setText(Lang_Text(Text));
        Field->setToolTip(Lang_Text(Text + 1));
        Text += 2;
    }
}

void TFEnOcean_Device::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFEnOcean_Device::FormShow()
{
    Change_Form_Size();
    if (E_DevEnOcean_ID->isEnabled() && E_DevEnOcean_ID->isVisible())
        E_DevEnOcean_ID->setFocus();
}

void TFEnOcean_Device::CB_DevEnOcean_SecTypeChange()
{
    Change_Form_Size();
}

void TFEnOcean_Device::Change_Form_Size()
{
    if (Mode == 0) {
        setWindowTitle(Lang_Text(1000));
        L_SW_Desc->setText(Lang_Text(1002));
    } else {
        setWindowTitle(Lang_Text(1001));
        L_SW_Desc->setText(Lang_Text(1003));
    }

    const int Type = CB_DevEnOcean_SecType->currentIndex();
    if (Type < 0 || Type > 2)
        return; // no type chosen: rows and height stay as they are

    // The key belongs to both secure types; the rolling code and the rest to
    // manual setting only. Hidden fields keep their contents.
    const bool Key_Shown = Type >= 1;
    const bool Manual_Shown = Type == 2;
    L_DevEnOcean_Secure_Key->setVisible(Key_Shown);
    E_DevEnOcean_Secure_Key->setVisible(Key_Shown);
    for (QWidget *W : {static_cast<QWidget *>(L_DevEnOcean_Secure_RollCode),
                       static_cast<QWidget *>(E_DevEnOcean_Secure_RollCode),
                       static_cast<QWidget *>(L_DevEnOcean_Secure_RollCodeAlg),
                       static_cast<QWidget *>(CB_DevEnOcean_Secure_RollCodeAlg),
                       static_cast<QWidget *>(L_DevEnOcean_Secure_RollCodeTx),
                       static_cast<QWidget *>(CB_DevEnOcean_Secure_RollCodeTx),
                       static_cast<QWidget *>(L_DevEnOcean_Secure_CMACAlg),
                       static_cast<QWidget *>(CB_DevEnOcean_Secure_CMACAlg),
                       static_cast<QWidget *>(L_DevEnOcean_Secure_DataEnc),
                       static_cast<QWidget *>(CB_DevEnOcean_Secure_DataEnc),
                       static_cast<QWidget *>(L_DevEnOcean_Secure_PTM),
                       static_cast<QWidget *>(CB_DevEnOcean_Secure_PTM)})
        W->setVisible(Manual_Shown);

    const QWidget *Last = Type == 0 ? static_cast<QWidget *>(CB_DevEnOcean_SecType)
                          : Type == 1 ? static_cast<QWidget *>(E_DevEnOcean_Secure_Key)
                                      : static_cast<QWidget *>(CB_DevEnOcean_Secure_PTM);
    const int Height = Last->geometry().bottom() + 1 + Bottom_Margin;
    setFixedSize(Client_Width, Height);
    P_Button->move(0, Height - Button_Panel_Height);
}

bool TFEnOcean_Device::Check_Data_Device()
{
    qint64 Id = -1;
    if (!Text_To_Int64(E_DevEnOcean_ID->text(), Id))
        Id = -1;
    if (Id < 0 || Id > Max_Device_Id) {
        Msg_Error(Lang_Text(1026), this);
        return false;
    }
    return true;
}

void TFEnOcean_Device::Btn_OKClick()
{
    if (Check_Data_Device())
        accept();
}

void TFEnOcean_Device::Show_Device(const TDevice_EnOcean &Device)
{
    E_DevEnOcean_ID->setText(Device.FId);
    CB_DevEnOcean_SecType->setCurrentIndex(Device.FSecure_Type);
    E_DevEnOcean_Secure_Key->setText(Device.FKey);
    E_DevEnOcean_Secure_RollCode->setText(Device.FRollCode);
    CB_DevEnOcean_Secure_RollCodeAlg->setCurrentIndex(Device.FRollCodeAlg);
    CB_DevEnOcean_Secure_RollCodeTx->setCurrentIndex(Device.FRollCodeTx);
    CB_DevEnOcean_Secure_CMACAlg->setCurrentIndex(Device.FCMACAlg);
    CB_DevEnOcean_Secure_DataEnc->setCurrentIndex(Device.FDataCript);
    CB_DevEnOcean_Secure_PTM->setCurrentIndex(Device.FPTM);
}

void TFEnOcean_Device::Store_Device(TDevice_EnOcean &Device) const
{
    // A list without a chosen item (a code the file held beyond the list)
    // keeps the device's code rather than storing -1.
    auto Code = [](const QComboBox *List, int Kept) {
        return List->currentIndex() >= 0 ? List->currentIndex() : Kept;
    };
    Device.FId = E_DevEnOcean_ID->text();
    Device.FSecure_Type = Code(CB_DevEnOcean_SecType, Device.FSecure_Type);
    Device.FKey = E_DevEnOcean_Secure_Key->text();
    Device.FRollCode = E_DevEnOcean_Secure_RollCode->text();
    Device.FRollCodeAlg = Code(CB_DevEnOcean_Secure_RollCodeAlg, Device.FRollCodeAlg);
    Device.FRollCodeTx = Code(CB_DevEnOcean_Secure_RollCodeTx, Device.FRollCodeTx);
    Device.FCMACAlg = Code(CB_DevEnOcean_Secure_CMACAlg, Device.FCMACAlg);
    Device.FDataCript = Code(CB_DevEnOcean_Secure_DataEnc, Device.FDataCript);
    Device.FPTM = Code(CB_DevEnOcean_Secure_PTM, Device.FPTM);
}
