#include "protocols/UBACnet_Eng_Unit.h"
#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "platform/TextToInt.h"
#include "protocols/BACnet_Units.h"
#include "protocols/Editor_Look.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace {

constexpr int Client_Width = 548;
constexpr int Client_Height = 306;
constexpr int List_Left = 115;
constexpr int List_Width = 417;

template <class T>
T *Make(QWidget *Parent, const char *Name, int Left, int Top, int Width, int Height)
{
    auto *C = new T(Parent);
    C->setObjectName(QLatin1String(Name));
    C->setGeometry(Left, Top, Width, Height);
    return C;
}

QFrame *Make_Rule(QWidget *Parent, const char *Name, int Top)
{
    auto *R = Make<QFrame>(Parent, Name, 8, Top, Client_Width - 16, 1);
    R->setFrameShape(QFrame::HLine);
    R->setFrameShadow(QFrame::Plain);
    R->setStyleSheet(QStringLiteral("color: gray"));
    return R;
}

QString Arrow_Name(int Code)
{
    return QStringLiteral("-> ") + TFBACnet_Eng_Unit::Desc_Unit(Code);
}

} // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FBACnet_Eng_Unit"));
    FormCreate();
}

QString TFBACnet_Eng_Unit::Desc_Unit(int Num_Unit)
{
    return ::Desc_Unit(Num_Unit);
}

void TFBACnet_Eng_Unit::FormCreate()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    Editor_Look::Apply(this, Client_Width, Client_Height);
    setFixedSize(Client_Width, Client_Height);
    P_Title = Editor_Look::Make_Title(this, L_SW_Code, L_SW_Desc);

    Label1 = Make<QLabel>(this, "Label1", 16, 82, 236, 16);
    E_Selected_EU = Make<QLineEdit>(this, "E_Selected_EU", 256, 79, 49, 21);
    Label5 = Make<QLabel>(this, "Label5", 313, 82, Client_Width - 313 - 16, 16);
    Shape1 = Make_Rule(this, "Shape1", 112);

    QFont Heading = font();
    Heading.setBold(true);
    Label2 = Make<QLabel>(this, "Label2", 16, 122, Client_Width - 32, 16);
    Label2->setFont(Heading);
    Label3 = Make<QLabel>(this, "Label3", 16, 149, List_Left - 20, 16);
    CB_Select_Type = Make<QComboBox>(this, "CB_Select_Type", List_Left, 146, List_Width, 22);
    Label4 = Make<QLabel>(this, "Label4", 16, 177, List_Left - 20, 16);
    CB_Select_Unit = Make<QComboBox>(this, "CB_Select_Unit", List_Left, 174, List_Width, 22);
    Btn_Select_Eng_Unit = Editor_Look::Make_Button(this, "Btn_Select_Eng_Unit", 16, 208, 513, 23);
    Shape2 = Make_Rule(this, "Shape2", 244);

    P_Button = Editor_Look::Make_Button_Panel(this);
    Btn_OK = Editor_Look::Make_Button(P_Button, "Btn_OK", Client_Width / 2 - 116, 6, 110, 28, "FXOK");
    Btn_Cancel = Editor_Look::Make_Button(P_Button, "Btn_Cancel", Client_Width / 2 + 6, 6, 110, 28, "FXCANCEL");
    Btn_OK->Set_Default(true);
    Btn_Cancel->Set_Cancel(true);

    // The categories are the window's own words, not translated.
    for (const TBACnet_Unit_Category &Category : BACnet_Unit_Categories())
        CB_Select_Type->addItem(Category.Name);
    CB_Select_Type->setCurrentIndex(0);

    connect(CB_Select_Type, &QComboBox::activated, this, [this](int) { CB_Select_TypeSelect(); });
    connect(Btn_Select_Eng_Unit, &TFxButton::clicked, this, &TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick);
    connect(Btn_OK, &TFxButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang()
{
    setWindowTitle(Lang_Text(2000));
    L_SW_Desc->setText(Lang_Text(2001));
    Btn_OK->Set_Caption(Lang_Text(2002));
    Btn_Cancel->Set_Caption(Lang_Text(2003));
    Label1->setText(Lang_Text(2004));
    Label2->setText(Lang_Text(2005));
    Label3->setText(Lang_Text(2006));
    Label4->setText(Lang_Text(2007));
    Btn_Select_Eng_Unit->Set_Caption(Lang_Text(2008));
}

void TFBACnet_Eng_Unit::Show_Current_Unit(const QString &Cell_Text)
{
    int Code = -1;
    if (!Text_To_Int(Cell_Text, Code))
        Code = -1;
    E_Selected_EU->setText(Cell_Text);
    Label5->setText(Arrow_Name(Code));
}

void TFBACnet_Eng_Unit::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFBACnet_Eng_Unit::FormShow()
{
    CB_Select_TypeSelect();
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect()
{
    CB_Select_Unit->clear();
    const auto &Categories = BACnet_Unit_Categories();
    const int Index = CB_Select_Type->currentIndex();
    if (Index < 0 || Index >= Categories.size())
        return;
    for (const TBACnet_Unit_Item &Unit : Categories[Index].Units)
        CB_Select_Unit->addItem(Unit.Name);
    CB_Select_Unit->setCurrentIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick()
{
    const auto &Categories = BACnet_Unit_Categories();
    const int Category = CB_Select_Type->currentIndex();
    const int Unit = CB_Select_Unit->currentIndex();
    if (Category < 0 || Category >= Categories.size() || Unit < 0 || Unit >= Categories[Category].Units.size())
        return;
    const int Code = Categories[Category].Units[Unit].Code;
    E_Selected_EU->setText(QString::number(Code));
    Label5->setText(Arrow_Name(Code));
}
