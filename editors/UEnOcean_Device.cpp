#include "editors/UEnOcean_Device.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Network.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Client_Width = 380;
// The client height ends this far below the last visible field (the button
// panel and a margin above it).
constexpr int Bottom_Margin = 51;

// Field tops, one under the other: ID, security type, key, rolling code,
// rolling code algorithm and transmission, CMAC, data encryption, PTM.
constexpr int Field_Top[TSecurity_Rows::rowCount] = {72, 112, 144, 176, 208, 240, 272, 304, 336};

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

    Make_Security_Rows(this, Field_Top);

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
    Set_Security_Texts(1008);
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

    const int Last = Show_Security_Rows();
    if (Last < 0)
        return; // no type chosen: rows and height stay as they are
    const int Height = Row_Field(Last)->geometry().bottom() + 1 + Bottom_Margin;
    setFixedSize(Client_Width, Height);
    P_Button->move(0, Height - Button_Panel_Height);
}

bool TFEnOcean_Device::Check_Data_Device()
{
    if (Device_Id_Valid())
        return true;
    Msg_Error(Lang_Text(1026), this);
    return false;
}

void TFEnOcean_Device::Btn_OKClick()
{
    if (Check_Data_Device())
        accept();
}
