#include "app/UOpenConf.h"
#include "app/WindowLook.h"
#include "workspace/Workspace.h"
#include "text/LangTable.h"
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

QPointer<TFOpenConf> FOpenConf;

TFOpenConf::TFOpenConf(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FOpenConf"));
    constexpr int W = 377, H = 351;
    Apply_Window_Look(this, W, H);
    Make_Title_Panel(this, W, &L_SW_Code, &L_SW_Desc);
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();
    Label1 = Make_Label(this, "Label1", 16, Title_Panel_Height + 8);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setGeometry(16, Title_Panel_Height + 26, W - 32, H - Title_Panel_Height - 26 - Button_Panel_Height - 8);
    Make_OK_Cancel_Buttons(Make_Button_Panel(this, W, H), W, Btn_OK, Btn_Cancel);
    connect(Btn_OK, &TAppButton::clicked, this, [this] { accept(); });
    connect(Btn_Cancel, &TAppButton::clicked, this, [this] { reject(); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    setWindowTitle(Lang_Text(200));
    L_SW_Desc->setText(Lang_Text(201));
    L_SW_Desc->adjustSize();
    Label1->setText(Lang_Text(202));
    Label1->adjustSize();
    ListBox1->setToolTip(Lang_Text(205));
    Set_Button_Caption(Btn_OK, Lang_Text(203));
    Set_Button_Caption(Btn_Cancel, Lang_Text(204));
    Btn_OK->setToolTip(Lang_Text(206));
    Btn_Cancel->setToolTip(Lang_Text(207));
}

void TFOpenConf::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL.clear();
    // Folders only; hidden entries are left out, "." and ".." too.
    const QDir D(Projects_Dir);
    SL = D.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

int TFOpenConf::Search_Open_Conf(const QString &Name) const
{
    const auto Fold = [](const QString &S) {
        QString R = S;
        for (QChar &C : R)
            if (C >= QLatin1Char('A') && C <= QLatin1Char('Z'))
                C = QChar(C.unicode() - 'A' + 'a');
        return R;
    };
    const QString Want = Fold(Name);
    for (int I = 0; I < SL.size(); ++I)
        if (Fold(SL.at(I)) == Want)
            return I;
    return -1;
}

void TFOpenConf::FormShow()
{
    Load_Existing_Configuration();
    {
        const QSignalBlocker Block(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(SL);
    }
    QString Current;
    const QString Prefix = Projects_Dir + QLatin1Char('/');
    if (!Project_Dir.isEmpty() && Project_Dir.startsWith(Prefix))
        Current = Project_Dir.mid(Prefix.size());
    const int Found = Current.isEmpty() ? -1 : Search_Open_Conf(Current);
    const int Row = Found >= 0 ? Found : (SL.isEmpty() ? -1 : 0);
    {
        const QSignalBlocker Block(ListBox1);
        ListBox1->setCurrentRow(Row);
    }
    Name_Conf = Row >= 0 ? SL.at(Row) : QString();
}

void TFOpenConf::ListBox1Click()
{
    const int Row = ListBox1->currentRow();
    if (Row >= 0 && Row < ListBox1->count())
        Name_Conf = ListBox1->item(Row)->text();
}
