#include "app/UBrindelcoreFirmWare.h"
#include "app/Forms.h"
#include "app/StartupCatalog.h"
#include "workspace/MakerWeb.h"
#include "workspace/Settings.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UAbout.h"
#include "app/WindowLook.h"
#include "workspace/Workspace.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "platform/XmlDoc.h"
#include "text/LangTable.h"
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

QPointer<TFBrindelcoreFirmWare> FBrindelcoreFirmWare;

namespace {
constexpr int Client_Width = 694;
constexpr int Step_Left = 16;
constexpr int Button_Left = 80;
constexpr int Button_Width = 170;
constexpr int Button_Height = 36;
const int Step_Tops[8] = {128, 172, 216, 260, 304, 348, 392, 436};
const TColor Face_Down = RGB_Color(255, 128, 0);
} // namespace

TFBrindelcoreFirmWare::TFBrindelcoreFirmWare(QWidget *Parent, TLabel_Sizing Sizing)
    : QWidget(Parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FBrindelcoreFirmWare"));
    FBrindelcoreFirmWare = this;
    XML1 = new TXmlDocument();
    Labels_Pending = Sizing == TLabel_Sizing::After_Show;
    FormCreate();
    if (Labels_Pending) {
        // Queued now, run once the event loop turns: after a show that
        // follows the creation, before the frame that the show brings.
        QMetaObject::invokeMethod(this, [this] { Fit_Labels(); }, Qt::QueuedConnection);
    }
}

TFBrindelcoreFirmWare::~TFBrindelcoreFirmWare()
{
    delete XML1;
}

void TFBrindelcoreFirmWare::FormCreate()
{
    // The text table stays empty until the language is loaded below.
    Lang_Table.clear();

    // Controls.
    Apply_Window_Look(this, Client_Width, 396);
    const QString Grey = QStringLiteral("color: rgb(128,128,128);");
    L_SW_Code = Make_Unsized_Label(this, "L_SW_Code", 16, 8);
    Fit_Label(L_SW_Code);
    QFont Big = font();
    Big.setPointSize(20);
    Big.setBold(true);
    L_SW_Code->setFont(Big);
    L_SW_Code->setStyleSheet(Grey);
    L_SW_Desc = Make_Unsized_Label(this, "L_SW_Desc", 16, 42);
    Fit_Label(L_SW_Desc);
    QFont Bold = font();
    Bold.setBold(true);
    L_SW_Desc->setFont(Bold);
    L_SW_Desc->setStyleSheet(Grey);
    L_Begin = Make_Unsized_Label(this, "L_Begin", 16, 84);
    Fit_Label(L_Begin);
    L_Begin->setFont(Bold);
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(80, 70, 348, 36);
    Shape2->setStyleSheet(QStringLiteral("QFrame#Shape2 { border: 1px solid rgb(128,128,128); background: white; }"));
    L_Name_Conf = Make_Unsized_Label(this, "L_Name_Conf", 87, 75);
    Fit_Label(L_Name_Conf);
    L_Name_Conf_L2 = Make_Unsized_Label(this, "L_Name_Conf_L2", 87, 88);
    Fit_Label(L_Name_Conf_L2);
    L_Name_Conf_L2->setFont(Bold);

    TAppButtonLook Icon_Look;
    Icon_Look.Style = TAppButtonStyle::Normal;
    Icon_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXHELP"));
    Btn_Info = Make_App_Button(this, "Btn_Info", 516, 8, 50, 50, Icon_Look);
    Icon_Look.Glyph = Standard_Glyph(QStyle::SP_FileDialogDetailedView);
    Btn_Opz = Make_App_Button(this, "Btn_Opz", 574, 8, 50, 50, Icon_Look);
    Icon_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXCLOSE"));
    Btn_Close = Make_App_Button(this, "Btn_Close", 632, 8, 50, 50, Icon_Look);

    for (int I = 0; I < 8; ++I) {
        L_Step[I] = Make_Unsized_Label(this, "", Step_Left, Step_Tops[I]);
        Fit_Label(L_Step[I]);
        L_Step[I]->setObjectName(QStringLiteral("L_Step_%1").arg(I + 1));
        L_Step[I]->setFont(Bold);
        L_Step[I]->hide();
    }
    for (int I = 0; I < 4; ++I)
        L_Step[I]->show();

    const auto Step_Button = [this](const char *Name, int Left, int Top, TColor Hot, TAppButtonStyle Style,
                                    int Glyph) {
        TAppButtonLook Look;
        Look.Style = Style;
        Look.Hot_Track_Color = Hot;
        Look.Color_When_Down = Face_Down;
        Look.Alignment = TAppButtonAlign::Left;
        Look.Glyph = Standard_Glyph(Glyph);
        return Make_App_Button(this, Name, Left, Top, Button_Width, Button_Height, Look);
    };
    Btn_New = Step_Button("Btn_New", Button_Left, 112, clSkyBlue, TAppButtonStyle::Encarta,
                          QStyle::SP_FileDialogNewFolder); // a project is a folder
    Btn_Open = Step_Button("Btn_Open", 258, 112, clSkyBlue, TAppButtonStyle::Encarta, QStyle::SP_DirOpenIcon);
    Btn_Prm_Gen = Step_Button("Btn_Prm_Gen", Button_Left, 156, clYellow, TAppButtonStyle::Normal,
                              QStyle::SP_ComputerIcon);
    Btn_EnOcean_Access = Step_Button("Btn_EnOcean_Access", Button_Left, 200, clYellow, TAppButtonStyle::Encarta,
                                     QStyle::SP_DriveNetIcon);
    Btn_CreateBin = Step_Button("Btn_CreateBin", Button_Left, 244, clSkyBlue, TAppButtonStyle::Encarta,
                                QStyle::SP_ArrowUp);
    // The protocol steps of the other models: placed on the hidden steps 5-8.
    Btn_MQTT_Set_Topic = Step_Button("Btn_MQTT_Set_Topic", Button_Left, 288, clYellow, TAppButtonStyle::Encarta,
                                     QStyle::SP_FileDialogListView);
    Btn_PROFINET_XML = Step_Button("Btn_PROFINET_XML", Button_Left, 332, clYellow, TAppButtonStyle::Encarta,
                                   QStyle::SP_FileDialogContentsView);
    Btn_BACnet_SetAccess = Step_Button("Btn_BACnet_SetAccess", 258, 288, clYellow, TAppButtonStyle::Encarta,
                                       QStyle::SP_FileDialogListView);
    Btn_BACnet_EDE_File = Step_Button("Btn_BACnet_EDE_File", 258, 332, clYellow, TAppButtonStyle::Encarta,
                                      QStyle::SP_FileDialogContentsView);
    Btn_PROFIBUS_GSD = Step_Button("Btn_PROFIBUS_GSD", Button_Left, 376, clYellow, TAppButtonStyle::Encarta,
                                   QStyle::SP_FileDialogContentsView);
    for (TAppButton *B : {Btn_MQTT_Set_Topic, Btn_PROFINET_XML, Btn_BACnet_SetAccess, Btn_BACnet_EDE_File,
                          Btn_PROFIBUS_GSD})
        B->hide();

    L_Quorix = Make_Unsized_Label(this, "L_Quorix", 565, Step_Tops[3], Maker_Web_Address());
    Fit_Label(L_Quorix);
    L_Quorix->setCursor(Qt::PointingHandCursor);
    L_Quorix->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Fit_Label(L_Quorix);
    if (!Labels_Pending)
        Place_Maker_Address();
    L_Quorix->installEventFilter(this);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(10, Btn_CreateBin->y() + 51, 674, 1);
    Shape1->setStyleSheet(QStringLiteral("background-color: rgb(128,128,128);"));

    LL_Update = Make_Unsized_Label(this, "LL_Update", 208, 19);
    Fit_Label(LL_Update);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, [this] { LL_UpdateLinkClick(); });

    Timer_Update = new QTimer(this);
    Timer_Update->setObjectName(QStringLiteral("Timer_Update"));
    Timer_Update->setInterval(60000);
    connect(Timer_Update, &QTimer::timeout, this, [this] { Timer_UpdateTimer(); });

    for (TAppButton *B : {Btn_New, Btn_Open, Btn_Close, Btn_Info, Btn_Opz, Btn_Prm_Gen, Btn_EnOcean_Access,
                          Btn_CreateBin, Btn_MQTT_Set_Topic, Btn_PROFINET_XML, Btn_BACnet_SetAccess,
                          Btn_BACnet_EDE_File, Btn_PROFIBUS_GSD})
        connect(B, &TAppButton::clicked, this, [this, B] { Btn_Click(B); });

    setFixedSize(Client_Width, Btn_CreateBin->y() + 152);

    // The program folders, created where missing.
    Init_Program_Folders(Program_Dir());
    // The settings file; every key missing from it keeps its default.
    Project_Name.clear();
    Last_Read_Back = true;
    Read_Settings(Settings_File_Path());
    // The version check runs only with internet use and update checks both on.
    Update_Timer_Enabled();
    // The build's identity in the caption and the title labels.
    SW_Caption = SW_Caption_Const;
    SW_Code = SW_Code_Const;
    SW_Desc = SW_Desc_Const;
    setWindowTitle(SW_Caption);
    L_SW_Code->setText(SW_Code);
    Fit_Label(L_SW_Code);
    L_SW_Desc->setText(SW_Desc);
    Fit_Label(L_SW_Desc);
    // Built-in texts, then the chosen language file (English when it is gone).
    Language_Name = Load_Language(Language_Dir, Language_Name);
    // The remembered project, when its folder still exists.
    if (!Project_Name.isEmpty() && QFileInfo(Projects_Dir + QLatin1Char('/') + Project_Name).isDir())
        Project_Dir = Projects_Dir + QLatin1Char('/') + Project_Name;
    else {
        Project_Name.clear();
        Project_Dir.clear();
    }
    // The window's texts and the project's file paths.
    Set_Lang();
    Set_Files();
    // The row clipboard starts empty with the run (owned by the grid row operations).
    // The EEP catalogue from Cat_EnOcean_Dir/eep.xml: the program begins its
    // read once this window is shown (main), and Create_Other_Forms completes
    // it before the first window that uses it.
}

void TFBrindelcoreFirmWare::Show_Project_Labels()
{
    if (!Project_Name.isEmpty() && !Project_Dir.isEmpty()) {
        L_Name_Conf->setText(Lang_Text(11));
        L_Name_Conf_L2->setText(Project_Name);
    } else {
        L_Name_Conf->setText(Lang_Text(9));
        L_Name_Conf_L2->setText(Lang_Text(10));
    }
    Fit_Label(L_Name_Conf);
    Fit_Label(L_Name_Conf_L2);
}

void TFBrindelcoreFirmWare::Fit_Label(QLabel *Label)
{
    if (!Labels_Pending) {
        Label->adjustSize();
        return;
    }
    // A label that was never resized is sized to its text when it is shown;
    // resized, it waits for Fit_Labels.
    Label->resize(Label->size());
    if (!Unfitted.contains(Label))
        Unfitted.append(Label);
}

void TFBrindelcoreFirmWare::Fit_Labels()
{
    if (!Labels_Pending)
        return;
    Labels_Pending = false;
    // Each label's last sizing At_Once follows its last change of text or
    // font, so sizing each once now, with its texts and fonts final, gives
    // the same sizes.
    for (QLabel *Label : std::as_const(Unfitted))
        Label->adjustSize();
    Unfitted.clear();
    Place_Maker_Address();
}

void TFBrindelcoreFirmWare::Place_Maker_Address()
{
    if (L_Quorix->x() + L_Quorix->width() > Client_Width - 8)
        L_Quorix->move(Client_Width - 8 - L_Quorix->width(), L_Quorix->y());
}

void TFBrindelcoreFirmWare::Set_Lang()
{
    L_Begin->setText(Lang_Text(0));
    Fit_Label(L_Begin);
    for (int I = 0; I < 8; ++I) {
        L_Step[I]->setText(Lang_Text(1 + I));
        Fit_Label(L_Step[I]);
    }
    Btn_Info->setToolTip(Lang_Text(12));
    Btn_Opz->setToolTip(Lang_Text(13));
    Btn_Close->setToolTip(Lang_Text(14));
    Set_Button_Caption(Btn_New, Lang_Text(15));
    Set_Button_Caption(Btn_Open, Lang_Text(16));
    Set_Button_Caption(Btn_CreateBin, Lang_Text(17));
    Set_Button_Caption(Btn_Prm_Gen, Lang_Text(20));
    Set_Button_Caption(Btn_EnOcean_Access, Lang_Text(21));
    Show_Project_Labels();
    Btn_New->setToolTip(Lang_Text(22));
    Btn_Open->setToolTip(Lang_Text(23));
    Btn_Prm_Gen->setToolTip(Lang_Text(24));
    Btn_EnOcean_Access->setToolTip(Lang_Text(25));
    Btn_CreateBin->setToolTip(Lang_Text(26));
    Set_Button_Caption(Btn_MQTT_Set_Topic, Lang_Text(27));
    Btn_MQTT_Set_Topic->setToolTip(Lang_Text(28));
    Set_Button_Caption(Btn_PROFINET_XML, Lang_Text(29));
    Btn_PROFINET_XML->setToolTip(Lang_Text(30));
    Set_Button_Caption(Btn_BACnet_SetAccess, Lang_Text(32));
    Btn_BACnet_SetAccess->setToolTip(Lang_Text(33));
    Set_Button_Caption(Btn_BACnet_EDE_File, Lang_Text(34));
    Btn_BACnet_EDE_File->setToolTip(Lang_Text(35));
    Set_Button_Caption(Btn_PROFIBUS_GSD, Lang_Text(36));
    Btn_PROFIBUS_GSD->setToolTip(Lang_Text(37));
    if (LL_Update->isVisible())
        Set_Link_Text(LL_Update, Lang_Text(19), Update_Link_Target);
}

void TFBrindelcoreFirmWare::Change_Language()
{
    Set_Lang();
    if (FNew_Project)
        FNew_Project->Set_Lang();
    if (FOpenConf)
        FOpenConf->Set_Lang();
    if (FSoftOptions)
        FSoftOptions->Set_Lang();
    Change_Language_Of_Other_Forms();
}

void TFBrindelcoreFirmWare::Set_Files()
{
    ::Set_Files();
}

bool TFBrindelcoreFirmWare::Save_Setting()
{
    QString Error;
    if (Save_Settings(Settings_File_Path(), &Error))
        return true;
    Msg_Error(QStringLiteral("The settings could not be saved to %1.\n%2")
                  .arg(QDir::toNativeSeparators(Settings_File_Path()), Error),
              this);
    return false;
}

void TFBrindelcoreFirmWare::Update_Timer_Enabled()
{
    const bool On = Enable_Internet && Enable_Update;
    if (On && !Timer_Update->isActive() && !Version_Check_Running)
        Timer_Update->start();
    else if (!On)
        Timer_Update->stop();
}

void TFBrindelcoreFirmWare::Btn_Click(QObject *Sender)
{
    // The labels are sized and the other windows exist by now (they follow
    // the first frame); a click that comes sooner makes sure of both.
    Fit_Labels();
    Create_Other_Forms(this);
    if (Sender == Btn_New) {
        Create_New_Project();
    } else if (Sender == Btn_Open) {
        Open_Project();
    } else if (Sender == Btn_Close) {
        close();
    } else if (Sender == Btn_Info) {
        if (FAbout)
            FAbout->exec();
    } else if (Sender == Btn_Opz) {
        if (FSoftOptions && FSoftOptions->exec() == QDialog::Accepted) {
            Save_Setting();
            Update_Timer_Enabled();
        }
    } else if (Project_Dir.isEmpty()) {
        Msg_Error(Lang_Text(18), this);
    } else if (Sender == Btn_Prm_Gen) {
        Do_Set_Communication();
    } else if (Sender == Btn_EnOcean_Access) {
        Do_EnOcean_Access();
    } else if (Sender == Btn_MQTT_Set_Topic) {
        Do_MQTT_Set_Topic();
    } else if (Sender == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (Sender == Btn_BACnet_SetAccess) {
        // Nothing to do in this build.
    } else if (Sender == Btn_BACnet_EDE_File) {
        BACnet_EDE_File();
    } else if (Sender == Btn_PROFIBUS_GSD) {
        Do_Profibus_GSD();
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    }
}

void TFBrindelcoreFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    // The request runs without blocking the window; the timer restarts when it ends.
    Version_Check_Running = true;
    TFSoftOptions::Check_Version(this, [this](bool Newer) {
        Version_Check_Running = false;
        if (Newer) {
            Update_Link_Target = Maker_Download_Page_Url().toString();
            Set_Link_Text(LL_Update, Lang_Text(19), Update_Link_Target);
            LL_Update->show();
        } else {
            LL_Update->hide();
        }
        Timer_Update->setInterval(7200000);
        Update_Timer_Enabled(); // the options may have been switched off meanwhile
    });
}

void TFBrindelcoreFirmWare::LL_UpdateLinkClick()
{
    Open_Url(QUrl(Update_Link_Target));
}

void TFBrindelcoreFirmWare::L_QuorixClick()
{
    Open_Url(Maker_Home_Page_Url());
}

bool TFBrindelcoreFirmWare::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == L_Quorix && Event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton) {
        L_QuorixClick();
        return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TFBrindelcoreFirmWare::closeEvent(QCloseEvent *Event)
{
    FormClose();
    Event->accept();
}

void TFBrindelcoreFirmWare::FormClose()
{
    Save_Setting(); // an error is shown; closing still ends the program
}
