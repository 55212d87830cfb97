#include "editors/EnOcean_Security_Rows.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Network.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Label_Left = 16;
constexpr int Field_Left = 160;
constexpr int Field_Width = 201;
constexpr int Edit_Height = 21;
constexpr int Combo_Height = 22;
constexpr int Key_Length = 16;

} // namespace

void TSecurity_Rows::Make_Security_Rows(QWidget *Parent, const int (&Field_Top)[rowCount])
{
    auto Label = [&](const char *Name, int Row) {
        return Make_Label(Parent, Name, Label_Left, Field_Top[Row] + 3, Field_Left - Label_Left - 4);
    };
    auto Edit = [&](const char *Name, int Row) {
        return Make<QLineEdit>(Parent, Name, Field_Left, Field_Top[Row], Field_Width, Edit_Height);
    };
    auto List = [&](const char *Name, int Row, const QStringList &Items) {
        auto *C = Make<QComboBox>(Parent, Name, Field_Left, Field_Top[Row], Field_Width, Combo_Height);
        C->addItems(Items);
        C->setCurrentIndex(0);
        return C;
    };
    L_DevEnOcean_ID = Label("L_DevEnOcean_ID", rowId);
    E_DevEnOcean_ID = Edit("E_DevEnOcean_ID", rowId);
    L_DevEnOcean_SecType = Label("L_DevEnOcean_SecType", rowSecType);
    CB_DevEnOcean_SecType = List("CB_DevEnOcean_SecType", rowSecType,
                                 {QStringLiteral("Unsecure"), QStringLiteral("Secure Pre Shared Key"),
                                  QStringLiteral("Secure with Manual Setting")});
    L_DevEnOcean_Secure_Key = Label("L_DevEnOcean_Secure_Key", rowKey);
    E_DevEnOcean_Secure_Key = Edit("E_DevEnOcean_Secure_Key", rowKey);
    E_DevEnOcean_Secure_Key->setMaxLength(Key_Length);
    L_DevEnOcean_Secure_RollCode = Label("L_DevEnOcean_Secure_RollCode", rowRollCode);
    E_DevEnOcean_Secure_RollCode = Edit("E_DevEnOcean_Secure_RollCode", rowRollCode);
    E_DevEnOcean_Secure_RollCode->setMaxLength(Key_Length);
    L_DevEnOcean_Secure_RollCodeAlg = Label("L_DevEnOcean_Secure_RollCodeAlg", rowRollCodeAlg);
    CB_DevEnOcean_Secure_RollCodeAlg =
        List("CB_DevEnOcean_Secure_RollCodeAlg", rowRollCodeAlg,
             {QStringLiteral("No RLC algorithm"), QStringLiteral("16-bit"), QStringLiteral("24-bit")});
    L_DevEnOcean_Secure_RollCodeTx = Label("L_DevEnOcean_Secure_RollCodeTx", rowRollCodeTx);
    CB_DevEnOcean_Secure_RollCodeTx =
        List("CB_DevEnOcean_Secure_RollCodeTx", rowRollCodeTx, {QStringLiteral("No"), QStringLiteral("Yes")});
    L_DevEnOcean_Secure_CMACAlg = Label("L_DevEnOcean_Secure_CMACAlg", rowCMACAlg);
    CB_DevEnOcean_Secure_CMACAlg =
        List("CB_DevEnOcean_Secure_CMACAlg", rowCMACAlg,
             {QStringLiteral("No MAC"), QStringLiteral("AES128 - 3 bytes"), QStringLiteral("AES128 - 4 bytes")});
    L_DevEnOcean_Secure_DataEnc = Label("L_DevEnOcean_Secure_DataEnc", rowDataEnc);
    CB_DevEnOcean_Secure_DataEnc = List("CB_DevEnOcean_Secure_DataEnc", rowDataEnc,
                                        {QStringLiteral("No data encryption"), QStringLiteral("VAES - AES128"),
                                         QStringLiteral("AES - CBC - AES128")});
    L_DevEnOcean_Secure_PTM = Label("L_DevEnOcean_Secure_PTM", rowPTM);
    CB_DevEnOcean_Secure_PTM =
        List("CB_DevEnOcean_Secure_PTM", rowPTM, {QStringLiteral("No PTM"), QStringLiteral("PTM")});
}

QLabel *TSecurity_Rows::Row_Label(int Row) const
{
    QLabel *const Labels[rowCount] = {L_DevEnOcean_ID,
                                      L_DevEnOcean_SecType,
                                      L_DevEnOcean_Secure_Key,
                                      L_DevEnOcean_Secure_RollCode,
                                      L_DevEnOcean_Secure_RollCodeAlg,
                                      L_DevEnOcean_Secure_RollCodeTx,
                                      L_DevEnOcean_Secure_CMACAlg,
                                      L_DevEnOcean_Secure_DataEnc,
                                      L_DevEnOcean_Secure_PTM};
    return Row >= 0 && Row < rowCount ? Labels[Row] : nullptr;
}

QWidget *TSecurity_Rows::Row_Field(int Row) const
{
    QWidget *const Fields[rowCount] = {E_DevEnOcean_ID,
                                       CB_DevEnOcean_SecType,
                                       E_DevEnOcean_Secure_Key,
                                       E_DevEnOcean_Secure_RollCode,
                                       CB_DevEnOcean_Secure_RollCodeAlg,
                                       CB_DevEnOcean_Secure_RollCodeTx,
                                       CB_DevEnOcean_Secure_CMACAlg,
                                       CB_DevEnOcean_Secure_DataEnc,
                                       CB_DevEnOcean_Secure_PTM};
    return Row >= 0 && Row < rowCount ? Fields[Row] : nullptr;
}

void TSecurity_Rows::Set_Security_Texts(int First_Text)
{
    for (int Row = 0; Row < rowCount; ++Row) {
        Row_Label(Row)->setText(Lang_Text(First_Text + 2 * Row));
        Row_Field(Row)->setToolTip(Lang_Text(First_Text + 2 * Row + 1));
    }
}

int TSecurity_Rows::Show_Security_Rows()
{
    const int Type = CB_DevEnOcean_SecType->currentIndex();
    if (Type < 0 || Type > 2)
        return -1;
    for (int Row = rowKey; Row < rowCount; ++Row) {
        const bool Shown = Row == rowKey ? Type >= 1 : Type == 2;
        Row_Label(Row)->setVisible(Shown);
        Row_Field(Row)->setVisible(Shown);
    }
    return Type == 0 ? rowSecType : Type == 1 ? rowKey : rowPTM;
}

void TSecurity_Rows::Show_Device(const TDevice_EnOcean &Device)
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

void TSecurity_Rows::Store_Device(TDevice_EnOcean &Device) const
{
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

bool TSecurity_Rows::Device_Id_Valid() const
{
    qint64 Id = -1;
    return Text_To_Int64(E_DevEnOcean_ID->text(), Id) && Id >= 0 && Id <= Max_Device_Id;
}
