#include "controls/AppButton.h"
#include "editors/UParGen.h"
#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "controls/FxButtons.h"
#include "editors/ParGen_Data.h"
#include "toolkit/CategoryPanels.h"
#include "platform/MessageBox.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWheelEvent>

namespace {

const TColor Window_Color = RGB_Color(248, 247, 237);
constexpr int Title_Height = 69;
constexpr int Button_Height = 40;

QFont Verdana(int Points, bool Bold = false)
{
    QFont F(QStringLiteral("Verdana"));
    F.setPointSize(Points);
    F.setBold(Bold);
    return F;
}

// The configurators' button look: the shared face and light colours, Encarta
// style, the stock glyph; no modal result, as the click handlers decide how
// the window closes.
TFxButton *Make_Button(QWidget *Parent, const char *Name, int Left, const char *Glyph)
{
    TAppButtonLook Look;
    Look.Glyph = Fx_Bitmap_Resource(QLatin1String(Glyph));
    return Make_App_Button(Parent, Name, Left, 6, 110, 28, Look);
}

} // namespace

TFParGen::TFParGen(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FParGen"));
    FormCreate();
}

TFParGen::~TFParGen() = default;

void TFParGen::Build_Frame()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(Verdana(8));
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, To_QColor(Window_Color));
    setPalette(Pal);
    setAutoFillBackground(true);
    // Only the height may change: the width stays 460.
    setMinimumWidth(Client_Width);
    setMaximumWidth(Client_Width);
    resize(Client_Width, Client_Height);

    P_Title = new QFrame(this);
    P_Title->setObjectName(QStringLiteral("P_Title"));
    P_Title->setGeometry(0, 0, Client_Width, Title_Height);
    L_SW_Code = new QLabel(P_Title);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Code->setFont(Verdana(24));
    L_SW_Code->move(16, 8);
    L_SW_Desc = new QLabel(P_Title);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setFont(Verdana(8, true));
    L_SW_Desc->move(16, 42);
    for (QLabel *L : {L_SW_Code, L_SW_Desc}) {
        QPalette P = L->palette();
        P.setColor(QPalette::WindowText, To_QColor(clGray));
        L->setPalette(P);
    }

    P_Button = new QFrame(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    Btn_OK = Make_Button(P_Button, "Btn_OK", 219, "FXOK");
    Btn_Cancel = Make_Button(P_Button, "Btn_Cancel", 335, "FXCANCEL");

    CPG = new TCategoryPanelGroup(this);
    CPG->setObjectName(QStringLiteral("CPG"));
    CPG->setFrameShape(QFrame::NoFrame);
    CPG->Header_Font = Verdana(11, true);
    CPG->Header_Font_Color = clGray;
    CPG->Gradient_Base_Color = Window_Color;
    CPG->Gradient_Color = RGB_Color(231, 216, 216);
    CPG->Chevron_Hot_Color = clRed;
    QPalette Cp = CPG->palette();
    Cp.setColor(QPalette::Window, To_QColor(Window_Color));
    CPG->setPalette(Cp);
    CPG->widget()->setPalette(Cp);
    CPG->widget()->setAutoFillBackground(true);
    CPG->viewport()->setAutoFillBackground(false);
    FormResize();

    // Frame tab order: title, buttons, panels.
    setTabOrder(Btn_OK, Btn_Cancel);
    setTabOrder(Btn_Cancel, CPG);
    connect(Btn_OK, &TFxButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &TFParGen::Btn_CancelClick);
}

void TFParGen::Bind_Events()
{
    for (auto It = FControls.cbegin(); It != FControls.cend(); ++It) {
        QWidget *W = It.value();
        if (auto *E = qobject_cast<QLineEdit *>(W))
            connect(E, &QLineEdit::textChanged, this, [this, E] { On_Change(E); });
        else if (auto *Re = qobject_cast<QPlainTextEdit *>(W))
            connect(Re, &QPlainTextEdit::textChanged, this, [this, Re] { On_Change(Re); });
        else if (auto *Cb = qobject_cast<QComboBox *>(W))
            connect(Cb, &QComboBox::currentIndexChanged, this, [this, Cb] { On_Change(Cb); });
        else if (auto *Ck = qobject_cast<QCheckBox *>(W)) {
            // The BACnet master's gateway box is the one without a click binding.
            if (It.key() != QLatin1String("CB_BACnet_IP_Master_GAT"))
                connect(Ck, &QCheckBox::toggled, this, [this, Ck] { On_Click(Ck); });
        }
    }
    for (QLineEdit *E : FOctets)
        E->installEventFilter(this);
    // The wheel belongs to the window first (as the form's wheel handler):
    // over the panel group it scrolls the group, whatever control is below.
    for (QWidget *W : findChildren<QWidget *>())
        W->installEventFilter(this);
}

void TFParGen::FormCreate()
{
    Build_Frame();
    Build_Panels();
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();
    Hide_All_Panels();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
    Bind_Events();
}

// ---- Showing -----------------------------------------------------------------

void TFParGen::Show_Data(const TParGen_Data &D)
{
    CB_ModbusSlave_Serial->setCurrentIndex(D.FModbusSlave_Serial);
    CB_ModbusSlave_Baudrate->setCurrentIndex(D.FModbusSlave_Baudrate);
    CB_ModbusSlave_Parity->setCurrentIndex(D.FModbusSlave_Parity);
    CB_ModbusSlave_StopBits->setCurrentIndex(D.FModbusSlave_StopBits);
    E_ModbusSlave_IDDevice->setText(D.FModbusSlave_IDDevice);
    CB_ModbusSlave_ReadInput->setChecked(D.FModbusSlave_ReadInput);
    for (int I = 0; I < 4; ++I) {
        E_Ethernet_IP[I]->setText(D.FEthernet_IP[I]);
        E_Ethernet_SM[I]->setText(D.FEthernet_SM[I]);
        E_Ethernet_GAT[I]->setText(D.FEthernet_GAT[I]);
        E_Ethernet_DNS[I]->setText(D.FEthernet_DNS[I]);
    }
    CB_Ethernet_En_GAT->setChecked(D.FEthernet_En_GAT);
    CB_Ethernet_DNS->setChecked(D.FEthernet_En_DNS);
}

void TFParGen::Take_Data(TParGen_Data &D) const
{
    D.FModbusSlave_Serial = CB_ModbusSlave_Serial->currentIndex();
    D.FModbusSlave_Baudrate = CB_ModbusSlave_Baudrate->currentIndex();
    D.FModbusSlave_Parity = CB_ModbusSlave_Parity->currentIndex();
    D.FModbusSlave_StopBits = CB_ModbusSlave_StopBits->currentIndex();
    D.FModbusSlave_IDDevice = E_ModbusSlave_IDDevice->text();
    D.FModbusSlave_ReadInput = CB_ModbusSlave_ReadInput->isChecked();
    for (int I = 0; I < 4; ++I) {
        D.FEthernet_IP[I] = E_Ethernet_IP[I]->text();
        D.FEthernet_SM[I] = E_Ethernet_SM[I]->text();
        D.FEthernet_GAT[I] = E_Ethernet_GAT[I]->text();
        D.FEthernet_DNS[I] = E_Ethernet_DNS[I]->text();
    }
    D.FEthernet_En_GAT = CB_Ethernet_En_GAT->isChecked();
    D.FEthernet_En_DNS = CB_Ethernet_DNS->isChecked();
}

void TFParGen::FormShow()
{
    // Every showing starts from the file or, when there is none or it cannot
    // be read, from the defaults: never from what an earlier showing left.
    TParGen_Data Data;
    const TParGen_Load_Result R = Data.Load(File_ParGen);
    Show_Data(Data);
    File_Unreadable = R.Kind == TParGen_Load_Result::plUnreadable;
    if (File_Unreadable)
        Msg_Error(Lang_Text(764) + R.Reason, this);
    Is_Change = false;
    Move_GroupBoxs();
}

void TFParGen::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFParGen::FormResize()
{
    if (width() != Client_Width)
        resize(Client_Width, height());
    P_Title->setGeometry(0, 0, Client_Width, Title_Height);
    P_Button->setGeometry(0, height() - Button_Height, Client_Width, Button_Height);
    Btn_OK->move(219, 6);
    Btn_Cancel->move(335, 6);
    CPG->setGeometry(0, Title_Height, Client_Width, std::max(0, height() - Title_Height - Button_Height));
}

void TFParGen::resizeEvent(QResizeEvent *Event)
{
    QDialog::resizeEvent(Event);
    if (P_Title)
        FormResize();
}

// ---- OK and Cancel -------------------------------------------------------------

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati())
        return;
    // Replacing a file that could not be read loses what it held.
    if (File_Unreadable && !Msg_Yes_No(Lang_Text(766), this))
        return;
    TParGen_Data Data;
    Take_Data(Data);
    QString Error;
    if (!Data.Save(File_ParGen, &Error)) {
        // The old file stays as it was; the window stays open with the entries.
        Msg_Error(Lang_Text(765) + Error, this);
        return;
    }
    File_Unreadable = false;
    done(QDialog::Accepted);
}

void TFParGen::Btn_CancelClick()
{
    if (Is_Change && !Msg_Yes_No(Lang_Text(763), this))
        return;
    done(QDialog::Rejected);
}

void TFParGen::keyPressEvent(QKeyEvent *Event)
{
    // Enter and Escape press no button: the window closes only through its
    // buttons or its title bar.
    if (Event->key() == Qt::Key_Escape || Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

// ---- Change tracking, dot key, wheel ------------------------------------------

void TFParGen::On_Change(QObject *Sender)
{
    Is_Change = true;
    if (Sender && Sender->objectName() == QLatin1String("CB_BACnet_Slave_Type"))
        Move_GroupBoxs();
}

void TFParGen::On_Click(QObject *Sender)
{
    Is_Change = true;
    static const QStringList Relayout = {"CB_MQTT_WillFlag", "CB_TLS_Enable", "CB_TLS_En_Server_Auth",
                                         "CB_TLS_En_Client_Auth"};
    if (Sender && Relayout.contains(Sender->objectName()))
        Move_GroupBoxs();
}

void TFParGen::KeyPress(QObject *Sender, QChar &Key)
{
    if (Key != QLatin1Char('.'))
        return;
    auto *E = qobject_cast<QLineEdit *>(Sender);
    if (!E || !FOctets.contains(E))
        return;
    Key = QChar();
    // IP1 -> ... -> IP4 -> SM1 -> ... -> GAT1 -> ... -> DNS4: the chain ends there.
    QList<QLineEdit *> Chain;
    for (const auto *Row : {&E_Ethernet_IP, &E_Ethernet_SM, &E_Ethernet_GAT, &E_Ethernet_DNS})
        for (QLineEdit *O : *Row)
            Chain.append(O);
    const int I = Chain.indexOf(E);
    if (I < 0 || I + 1 >= Chain.size())
        return;
    QLineEdit *Next = Chain[I + 1];
    if (Next->isVisible() && Next->isEnabled() && Next->focusPolicy() != Qt::NoFocus)
        Next->setFocus(Qt::TabFocusReason); // selects its whole text, so typing replaces it
}

void TFParGen::FormMouseWheel(QObject *, Qt::KeyboardModifiers, int Wheel_Delta, const QPoint &Mouse_Pos,
                              bool &Handled)
{
    const QPoint P = CPG->mapFromGlobal(Mouse_Pos);
    Handled = CPG->rect().contains(P);
    if (!Handled)
        return;
    const int Lines = Wheel_Scroll_Lines();
    for (int I = 0; I < Lines; ++I)
        CPG->Scroll_Line(Wheel_Delta > 0);
}

bool TFParGen::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(Event);
        if (K->text() == QLatin1String(".")) {
            QChar Key = QLatin1Char('.');
            KeyPress(Watched, Key);
            if (Key.isNull())
                return true;
        }
    } else if (Event->type() == QEvent::Wheel) {
        auto *Wh = static_cast<QWheelEvent *>(Event);
        bool Handled = false;
        FormMouseWheel(Watched, Wh->modifiers(), Wh->angleDelta().y(), Wh->globalPosition().toPoint(), Handled);
        if (Handled)
            return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

// ---- Checks --------------------------------------------------------------------

bool TFParGen::Controllo_Dati()
{
    // A text that is empty or no whole number counts as -1 and fails every range.
    auto Value = [](const QLineEdit *E) { return Str_To_Int_Def(E->text(), -1); };

    if (CB_ModbusSlave_StopBits->currentIndex() > 0 && CB_ModbusSlave_Parity->currentIndex() > 0) {
        Msg_Error(Lang_Text(525), this);
        return false;
    }
    struct TRange
    {
        const QLineEdit *Edit;
        const QCheckBox *Only_When; // checked only when this box is ticked
        int Low, High, Text;
    };
    QList<TRange> Checks = {{E_ModbusSlave_IDDevice, nullptr, 1, 247, 526}};
    for (int I = 0; I < 4; ++I)
        Checks.append({E_Ethernet_IP[I], nullptr, 0, 255, 527 + I});
    for (int I = 0; I < 4; ++I)
        Checks.append({E_Ethernet_SM[I], nullptr, 0, 255, 531 + I});
    for (int I = 0; I < 4; ++I)
        Checks.append({E_Ethernet_GAT[I], CB_Ethernet_En_GAT, 0, 255, 535 + I});
    for (int I = 0; I < 4; ++I)
        Checks.append({E_Ethernet_DNS[I], CB_Ethernet_DNS, 0, 255, 539 + I});
    for (const TRange &C : Checks) {
        if (C.Only_When && !C.Only_When->isChecked())
            continue;
        const int V = Value(C.Edit);
        if (V < C.Low || V > C.High) {
            Msg_Error(Lang_Text(C.Text), this);
            return false;
        }
    }
    return true;
}
