#include "app/USoftOptions.h"
#include "workspace/MakerWeb.h"
#include "app/UBrindelcoreFirmWare.h"
#include "app/WindowLook.h"
#include "workspace/Workspace.h"
#include "platform/Http.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "text/LangTable.h"
#include <QCheckBox>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

QPointer<TFSoftOptions> FSoftOptions;

namespace {
constexpr int Tiles = 6;
}

TFSoftOptions::TFSoftOptions(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FSoftOptions"));
    constexpr int W = 509, H = 373;
    Apply_Window_Look(this, W, H);
    Make_Title_Panel(this, W, &L_SW_Code, &L_SW_Desc);
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();

    PC_Options = new QTabWidget(this);
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->setGeometry(8, Title_Panel_Height + 6, W - 16, H - Title_Panel_Height - Button_Panel_Height - 12);

    // Language page: six tiles, 1-3 in the left column, 4-6 in the right.
    TS_Language = new QWidget;
    TS_Language->setObjectName(QStringLiteral("TS_Language"));
    L_Sel_Lang = Make_Label(TS_Language, "L_Sel_Lang", 12, 10);
    QFont Bold = font();
    Bold.setBold(true);
    L_Sel_Lang->setFont(Bold);
    for (int T = 0; T < Tiles; ++T) {
        const int X = T < 3 ? 24 : 256;
        const int Y = 32 + (T % 3) * 54;
        I_L[T] = new QLabel(TS_Language);
        I_L[T]->setObjectName(QStringLiteral("I_L%1").arg(T + 1));
        I_L[T]->setGeometry(X, Y, 48, 48);
        I_L[T]->setScaledContents(true);
        I_L[T]->setCursor(Qt::PointingHandCursor);
        I_L[T]->installEventFilter(this);
        L_L[T] = Make_Label(TS_Language, "", X + 58, Y + 16);
        L_L[T]->setObjectName(QStringLiteral("L_L%1").arg(T + 1));
        L_L[T]->setCursor(Qt::PointingHandCursor);
        L_L[T]->installEventFilter(this);
    }
    // The page label and the paging buttons sit on the page's bottom row;
    // Place_Paging_Row moves them there once the page has its real height,
    // which depends on the tab bar's font.
    L_Page_Lang = Make_Label(TS_Language, "L_Page_Lang", 12, 196);
    TAppButtonLook Prev_Look;
    Prev_Look.Glyph = Standard_Glyph(QStyle::SP_ArrowLeft);
    Btn_Prev = Make_App_Button(TS_Language, "Btn_Prev", 252, 190, 108, 26, Prev_Look);
    TAppButtonLook Next_Look;
    Next_Look.Glyph = Standard_Glyph(QStyle::SP_ArrowRight);
    Btn_Next = Make_App_Button(TS_Language, "Btn_Next", 366, 190, 108, 26, Next_Look);
    TS_Language->installEventFilter(this);
    connect(Btn_Prev, &TAppButton::clicked, this, [this] { Btn_NextClick(Btn_Prev); });
    connect(Btn_Next, &TAppButton::clicked, this, [this] { Btn_NextClick(Btn_Next); });
    PC_Options->addTab(TS_Language, QString());

    // Connection page.
    TS_Con_Options = new QWidget;
    TS_Con_Options->setObjectName(QStringLiteral("TS_Con_Options"));
    CB_En_Con = new QCheckBox(TS_Con_Options);
    CB_En_Con->setObjectName(QStringLiteral("CB_En_Con"));
    CB_En_Con->move(16, 16);
    CB_Update = new QCheckBox(TS_Con_Options);
    CB_Update->setObjectName(QStringLiteral("CB_Update"));
    CB_Update->move(40, 42);
    TAppButtonLook Check_Look;
    Check_Look.Glyph = Standard_Glyph(QStyle::SP_BrowserReload);
    Btn_Check_Update = Make_App_Button(TS_Con_Options, "Btn_Check_Update", 16, 78, 220, 30, Check_Look);
    LL_Check_Update = Make_Label(TS_Con_Options, "LL_Check_Update", 16, 122);
    LL_Check_Update->hide();
    connect(Btn_Check_Update, &TAppButton::clicked, this, [this] { Btn_Check_UpdateClick(); });
    connect(LL_Check_Update, &QLabel::linkActivated, this, [this] { LL_Check_UpdateLinkClick(); });
    PC_Options->addTab(TS_Con_Options, QString());

    // Software settings page.
    TS_Soft_Settings = new QWidget;
    TS_Soft_Settings->setObjectName(QStringLiteral("TS_Soft_Settings"));
    CB_Soft_Set_Jump_Table = new QCheckBox(TS_Soft_Settings);
    CB_Soft_Set_Jump_Table->setObjectName(QStringLiteral("CB_Soft_Set_Jump_Table"));
    CB_Soft_Set_Jump_Table->move(16, 16);
    CB_DoubleClick_Auto_Size = new QCheckBox(TS_Soft_Settings);
    CB_DoubleClick_Auto_Size->setObjectName(QStringLiteral("CB_DoubleClick_Auto_Size"));
    CB_DoubleClick_Auto_Size->move(16, 42);
    PC_Options->addTab(TS_Soft_Settings, QString());

    for (QCheckBox *C : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(C, &QCheckBox::toggled, this, [this] { CB_En_ConClick(); });
    // The pages show the windows' shared background, not the style's lighter pane.
    for (QWidget *Page : {TS_Language, TS_Con_Options, TS_Soft_Settings}) {
        Page->setPalette(palette());
        Page->setAutoFillBackground(true);
    }

    Make_OK_Cancel_Buttons(Make_Button_Panel(this, W, H), W, Btn_OK, Btn_Cancel);
    connect(Btn_OK, &TAppButton::clicked, this, [this] { Btn_OKClick(); });
    connect(Btn_Cancel, &TAppButton::clicked, this, [this] { reject(); });
    Set_Lang();
}

void TFSoftOptions::Set_Lang()
{
    setWindowTitle(Lang_Text(300));
    L_SW_Desc->setText(Lang_Text(301));
    L_SW_Desc->adjustSize();
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), Lang_Text(302));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), Lang_Text(303));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), Lang_Text(319));
    L_Sel_Lang->setText(Lang_Text(304));
    L_Sel_Lang->adjustSize();
    L_Page_Lang->setText(Lang_Text(305) + QStringLiteral("1") + Lang_Text(306) + QStringLiteral("1"));
    L_Page_Lang->adjustSize();
    Set_Button_Caption(Btn_Prev, Lang_Text(307));
    Set_Button_Caption(Btn_Next, Lang_Text(308));
    CB_En_Con->setText(Lang_Text(309));
    CB_Update->setText(Lang_Text(310));
    Set_Button_Caption(Btn_Check_Update, Lang_Text(311));
    Set_Button_Caption(Btn_OK, Lang_Text(312));
    Set_Button_Caption(Btn_Cancel, Lang_Text(313));
    CB_Soft_Set_Jump_Table->setText(Lang_Text(320));
    CB_DoubleClick_Auto_Size->setText(Lang_Text(321));
    for (QCheckBox *C : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        C->adjustSize();
}

void TFSoftOptions::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TFSoftOptions::FormShow()
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(Enable_Internet);
    CB_Update->setChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->setChecked(Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->setChecked(Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages.clear();
    // Plain files only; read-only ones count too (a packaged install is read-only).
    const QFileInfoList Files = QDir(Language_Dir).entryInfoList(
        {QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &F : Files)
        if (F.isFile())
            SL_Languages.append(F.fileName());
    std::sort(SL_Languages.begin(), SL_Languages.end(),
              [](const QString &A, const QString &B) { return A.compare(B, Qt::CaseInsensitive) < 0; });
    Show_Page = 1;
    Update_Lang_Page(1);
}

QString TFSoftOptions::Tile_Language(int Tile) const
{
    const int Index = (Show_Page - 1) * Tiles + Tile - 1;
    if (Index < 0 || Index >= SL_Languages.size())
        return QString();
    const QString File = SL_Languages.at(Index);
    return File.left(File.size() - 4);
}

void TFSoftOptions::Show_Page_Label()
{
    const int N = static_cast<int>(SL_Languages.size());
    const int Pages = (N + 5) / 6;
    L_Sel_Lang->setText(Lang_Text(304) + Language_In_Use);
    L_Sel_Lang->adjustSize();
    L_Page_Lang->setText(Lang_Text(305) + QString::number(Show_Page) + Lang_Text(306) + QString::number(Pages));
    L_Page_Lang->adjustSize();
}

void TFSoftOptions::Update_Lang_Page(int Page)
{
    const int N = static_cast<int>(SL_Languages.size());
    const int Pages = (N + 5) / 6;
    Show_Page = Page;
    Show_Page_Label();
    Btn_Prev->setVisible(Page != 1);
    Btn_Next->setVisible(Page != Pages);
    const int Used = std::clamp(N - (Page - 1) * Tiles, 0, Tiles);
    for (int T = 0; T < Tiles; ++T) {
        const bool Shown = T < Used;
        I_L[T]->setVisible(Shown);
        L_L[T]->setVisible(Shown);
        if (!Shown)
            continue;
        const QString Name = Tile_Language(T + 1);
        L_L[T]->setText(Name);
        L_L[T]->adjustSize();
        QString Flag = Language_Dir + QLatin1Char('/') + Name + QStringLiteral(".bmp");
        if (!QFileInfo::exists(Flag))
            Flag = Language_Dir + QStringLiteral("/DefaultFlag.bmp");
        QPixmap Picture;
        if (QFileInfo::exists(Flag))
            Picture.load(Flag);
        I_L[T]->setPixmap(Picture);
        I_L[T]->setVisible(!Picture.isNull());
    }
}

void TFSoftOptions::Place_Paging_Row()
{
    constexpr int Row_Height = 26;
    // Below the last tile row (which ends at 188), at least 8 pixels above the page's bottom.
    const int Top = std::max(190, TS_Language->height() - Row_Height - 8);
    Btn_Prev->move(Btn_Prev->x(), Top);
    Btn_Next->move(Btn_Next->x(), Top);
    L_Page_Lang->move(L_Page_Lang->x(), Top + (Row_Height - L_Page_Lang->height()) / 2);
}

bool TFSoftOptions::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == TS_Language && Event->type() == QEvent::Resize)
        Place_Paging_Row();
    if (Event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton)
        for (int T = 0; T < Tiles; ++T)
            if (Watched == I_L[T] || Watched == L_L[T]) {
                LangClick(T + 1);
                return true;
            }
    return QDialog::eventFilter(Watched, Event);
}

void TFSoftOptions::LangClick(int Tile)
{
    const QString Name = Tile_Language(Tile);
    if (Name.isEmpty())
        return;
    if (!Msg_Yes_No(Lang_Text(316) + Language_In_Use + Lang_Text(317) + Name + Lang_Text(318), this))
        return;
    // The new language shows at once; Language_Name (and the settings file)
    // follows only when the dialog ends with OK.
    Language_In_Use = Load_Language(Language_Dir, Name);
    if (FBrindelcoreFirmWare)
        FBrindelcoreFirmWare->Change_Language();
    else
        Set_Lang();
    Show_Page_Label();
}

void TFSoftOptions::Btn_NextClick(QObject *Sender)
{
    const int Pages = (static_cast<int>(SL_Languages.size()) + 5) / 6;
    if (Sender == Btn_Next) {
        if (Pages >= Show_Page + 1)
            ++Show_Page;
    } else if (Sender == Btn_Prev) {
        if (Show_Page > 1)
            --Show_Page;
    }
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::CB_En_ConClick()
{
    Update_CheckBox();
}

void TFSoftOptions::Check_Version(QObject *Context, std::function<void(bool)> Done)
{
    Http_Client().Get(Version_Query_Url(), Version_Check_Timeout_Ms, Context,
                      [Done = std::move(Done)](const THttpReply &Reply) {
                          // Any failure counts as an empty reply: no update.
                          const QString Text = Reply.Ok ? QString::fromUtf8(Reply.Body) : QString();
                          Done(Is_Newer_Version(Text));
                      });
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    if (Checking)
        return; // one request at a time; the answer updates the link
    Checking = true;
    Check_Version(this, [this](bool Newer) {
        Checking = false;
        if (Newer)
            Set_Link_Text(LL_Check_Update, Lang_Text(314), Maker_Download_Page_Url().toString());
        else
            Set_Link_Text(LL_Check_Update, Lang_Text(315), QString());
        LL_Check_Update->show();
    });
}

void TFSoftOptions::LL_Check_UpdateLinkClick()
{
    Open_Url(Maker_Download_Page_Url());
}

void TFSoftOptions::Btn_OKClick()
{
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->isChecked();
    Enable_Update = CB_Update->isChecked(); // also when the box is disabled
    if (FBrindelcoreFirmWare)
        FBrindelcoreFirmWare->Update_Timer_Enabled();
    Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->isChecked();
    Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}
